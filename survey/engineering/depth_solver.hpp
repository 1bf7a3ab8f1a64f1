// Depth solvers of the hydraulics family: false position on a fixed bracket, with a
// robust restart where the fixed bracket does not hold the root or the plain
// method stalls.
//
// Header only, so that the tests can run the very same solver on the library's
// residuals and see how each depth was found.
#ifndef SURVEY_ENGINEERING_DEPTH_SOLVER_HPP
#define SURVEY_ENGINEERING_DEPTH_SOLVER_HPP

#include <cmath>

namespace survey::engineering {

// How a depth was found.
struct DepthSolution {
  double h = 0.0;
  int plain_iterations = 0;   // steps of the plain false position (0: not run)
  int robust_iterations = 0;  // steps of the Illinois restart (0: not needed)
  int halvings = 0;           // halvings of the lower end before the restart
  bool fell_back = false;     // the result comes from the restart
};

struct DepthRules {
  bool capacity_test = false;  // return 0.0 when the residual at the upper end is negative
  bool positive_near_zero = false;  // sign of the residual at a vanishing depth (critical +)
  double upper_limit = NAN;         // a full section's depth the upper end may move to
};

inline constexpr int kPlainCap = 2000;   // steps of the plain method
inline constexpr int kRobustCap = 2000;  // steps of the restart (never reached in practice)
inline constexpr int kMaxHalvings = 64;

namespace detail {

inline bool brackets(double f1, double f2) {
  return std::isfinite(f1) && std::isfinite(f2) &&
         ((f1 <= 0.0 && f2 >= 0.0) || (f1 >= 0.0 && f2 <= 0.0));
}

inline double better_end(double h1, double f1, double h2, double f2) {
  return std::fabs(f2) < std::fabs(f1) ? h2 : h1;
}

}  // namespace detail

// The plain method: false position from (h1, f1), (h2, f2), stopping at an exact
// root, at |h2 - h1| <= eps, or after kPlainCap steps with the better end.
// `capped` tells the last case apart.
template <class Residual>
double plain_false_position(const Residual& f, double h1, double f1, double h2, double f2,
                            double eps, int* iterations, bool* capped) {
  *capped = false;
  for (int count = 1;; ++count) {
    *iterations = count;
    const double h = (f2 * h1 - h2 * f1) / (f2 - f1);
    const double fh = f(h);
    if (fh * f1 == 0.0) return f1 == 0.0 ? h1 : h;
    if (fh * f1 < 0.0) {
      h2 = h;
      f2 = fh;
    } else {
      h1 = h;
      f1 = fh;
    }
    if (std::fabs(h2 - h1) <= eps) return detail::better_end(h1, f1, h2, f2);
    if (count == kPlainCap) {
      *capped = true;
      return detail::better_end(h1, f1, h2, f2);
    }
  }
}

// The restart. The lower end halves until its residual has the sign of a
// vanishing depth (the old lower end becoming the upper one); an upper end on the
// wrong side may move to the full section. Ends that still do not bracket a root
// give 0.0. Then false position with the Illinois rule: an end replaced twice
// running halves the residual held for the other end in the step formula. A step
// that rounds onto or outside the bracket bisects instead; a bracket that cannot
// be split any more ends the search.
template <class Residual>
void robust_false_position(const Residual& f, double h1, double f1, double h2, double f2,
                           double eps, const DepthRules& rules, DepthSolution* out) {
  out->fell_back = true;
  out->h = 0.0;
  const auto wrong_sign = [&](double v) {
    return !(v == 0.0) && !(rules.positive_near_zero ? v > 0.0 : v < 0.0);
  };
  while (wrong_sign(f1) && out->halvings < kMaxHalvings) {
    h2 = h1;
    f2 = f1;
    h1 *= 0.5;
    f1 = f(h1);
    ++out->halvings;
  }
  if (std::isfinite(rules.upper_limit) && f2 > 0.0) {
    h2 = rules.upper_limit;
    f2 = f(h2);
  }
  if (!detail::brackets(f1, f2)) return;
  if (f1 == 0.0) {
    out->h = h1;
    return;
  }
  if (f2 == 0.0) {
    out->h = h2;
    return;
  }
  double g1 = f1, g2 = f2;  // residuals held for the step formula
  int last_side = 0;        // 1: h1 was replaced last, 2: h2
  for (int count = 1; count <= kRobustCap; ++count) {
    out->robust_iterations = count;
    const double lo = std::fmin(h1, h2), hi = std::fmax(h1, h2);
    double h = (g2 * h1 - h2 * g1) / (g2 - g1);
    if (!(h > lo && h < hi)) {
      h = 0.5 * (h1 + h2);
      if (!(h > lo && h < hi)) break;
    }
    const double fh = f(h);
    if (fh == 0.0) {
      out->h = h;
      return;
    }
    if (!std::isfinite(fh)) return;  // no defined residual inside the bracket
    if ((fh < 0.0) == (f1 < 0.0)) {
      h1 = h;
      f1 = g1 = fh;
      if (last_side == 1) g2 *= 0.5;
      last_side = 1;
    } else {
      h2 = h;
      f2 = g2 = fh;
      if (last_side == 2) g1 *= 0.5;
      last_side = 2;
    }
    if (std::fabs(h2 - h1) <= eps) break;
  }
  out->h = detail::better_end(h1, f1, h2, f2);
}

// Depth where the residual f vanishes, from the fixed bracket [h1, h2].
// Where the ends bracket the root, the plain method runs as it stands and its
// result is kept unless it reaches its step cap; otherwise, or then, the restart
// solves from the same ends.
template <class Residual>
DepthSolution solve_depth(const Residual& f, double h1, double h2, double eps,
                          const DepthRules& rules) {
  DepthSolution out;
  const double f1 = f(h1);
  const double f2 = f(h2);
  if (detail::brackets(f1, f2)) {
    if (rules.capacity_test && f2 < 0.0) return out;  // more than the section carries
    bool capped = false;
    out.h = plain_false_position(f, h1, f1, h2, f2, eps, &out.plain_iterations, &capped);
    if (!capped) return out;
  }
  robust_false_position(f, h1, f1, h2, f2, eps, rules, &out);
  return out;
}

}  // namespace survey::engineering

#endif  // SURVEY_ENGINEERING_DEPTH_SOLVER_HPP
