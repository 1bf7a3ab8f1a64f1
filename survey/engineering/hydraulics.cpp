// Open-channel hydraulics: sections, velocities, normal and critical depths.
//
// Powers are std::pow (R^(2/3) as std::pow(R, 2.0 / 3.0)), square roots std::sqrt;
// gravity is 9.8.
#include "hydraulics.h"

#include <cmath>

#include "../basics/helpers.h"
#include "../plane/directions.h"
#include "../plane/intersections.h"
#include "depth_solver.hpp"

namespace {

using survey::engineering::DepthRules;
using survey::engineering::solve_depth;

constexpr double kPi = 3.141592653589793;
constexpr double kGravity = 9.8;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kFullCircleBracket = 1.876358;  // depth of the largest discharge, per radius
constexpr double kLowBracket = 1.0;
constexpr double kHighBracket = 100.0;

// Residual of the normal depth: Manning discharge at depth h less Q.
template <class Section>
auto normal_residual(Section section, double Q, double I, double nr) {
  return [=](double h) {
    double A = 0.0, P = 0.0, B = 0.0;
    section(h, &A, &P, &B);
    return maning(A / P, I, nr) * A - Q;
  };
}

// Residual of the critical depth: alpha Q^2 B - 9.8 A^3.
template <class Section>
auto critical_residual(Section section, double Q, double alpha) {
  return [=](double h) {
    double A = 0.0, P = 0.0, B = 0.0;
    section(h, &A, &P, &B);
    return std::pow(Q, 2.0) * B * alpha - std::pow(A, 3.0) * kGravity;
  };
}

auto circle(double r) {
  return [=](double h, double* A, double* P, double* B) { keisin_en(r, h, A, P, B); };
}
auto trapezoid(double b, double m1, double m2) {
  return [=](double h, double* A, double* P, double* B) { keisin_kukei(b, h, m1, m2, A, P, B); };
}
auto parabola(double a) {
  return [=](double h, double* A, double* P, double* B) { keisin_houbutu(a, h, A, P, B); };
}

constexpr DepthRules kNormalWithCapacity{true, false, NAN};
constexpr DepthRules kNormal{false, false, NAN};
constexpr DepthRules kCritical{false, true, NAN};

}  // namespace

extern "C" {

void SURVEY_CALL keisin_en(double r, double h, double* A, double* P, double* B) {
  const double theta = std::acos(std::fabs(h - r) / r);
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  *B = 2.0 * r * s;
  if (h < r) {
    *A = (theta - c * s) * std::pow(r, 2.0);
    *P = 2.0 * theta * r;
  } else {
    *A = (c * s + (kPi - theta)) * std::pow(r, 2.0);
    *P = 2.0 * (kPi - theta) * r;
  }
}

void SURVEY_CALL keisin_kukei(double b, double h, double m1, double m2, double* A, double* P,
                              double* B) {
  *A = (2.0 * b + (m1 + m2) * h) * h * 0.5;
  *P = std::sqrt(std::pow(h * m2, 2.0) + std::pow(h, 2.0)) +
       std::sqrt(std::pow(h * m1, 2.0) + std::pow(h, 2.0)) + b;
  *B = (m1 + m2) * h + b;
}

void SURVEY_CALL keisin_houbutu(double a, double h, double* A, double* P, double* B) {
  if (a == 0.0 || std::isnan(a)) return;
  const double w = std::sqrt(h / a);  // half width at the water surface
  const double width = 2.0 * w;
  *B = width;
  const double u = 4.0 * a * h;
  *P = w * std::sqrt(u + 1.0) + std::log(std::sqrt(u) + std::sqrt(u + 1.0)) / (2.0 * a);
  *A = h * width * 0.6666666666666666;
}

// Walks the profile from the first water edge to the second. A segment crosses the
// water line when exactly one of its ends lies below it; the edge itself is the
// segment's intersection with y = WL. A point exactly at WL thus belongs to one
// crossing only, and a segment lying on the water line crosses nothing.
void SURVEY_CALL keisin_nini(int16_t n, const double* x, const double* y, double WL, double* A,
                             double* P, double* B, int16_t* count) {
  double area = 0.0, perimeter = 0.0, width = 0.0;
  int16_t crossings = 0;
  for (int i = 1; i < n; ++i) {
    const bool crosses = (y[i - 1] < WL) != (y[i] < WL);
    if (crosses) {
      double xi = 0.0, yi = 0.0;
      line_kouten3(x[i - 1], y[i - 1], x[i], y[i], 0.0, 1.0, -WL, &xi, &yi);
      ++crossings;
      if (crossings == 1) {
        const double dx = x[i] - xi;
        area += (WL - y[i]) * dx * 0.5;
        perimeter += dist(xi, yi, x[i], y[i]);
        width += dx;
      } else {
        const double dx = xi - x[i - 1];
        area += (WL - y[i - 1]) * dx * 0.5;
        perimeter += dist(x[i - 1], y[i - 1], xi, yi);
        width += dx;
        break;
      }
    } else if (crossings > 0) {
      const double dx = x[i] - x[i - 1];
      area += (2.0 * WL - (y[i - 1] + y[i])) * dx * 0.5;
      perimeter += dist(x[i - 1], y[i - 1], x[i], y[i]);
      width += dx;
    }
  }
  *A = area;
  *P = perimeter;
  *B = width;
  *count = crossings;
}

double SURVEY_CALL maning(double R, double I, double nr) {
  if (nr == 0.0) return 0.0;
  return std::pow(R, kTwoThirds) * std::sqrt(I) / nr;
}

double SURVEY_CALL kutter(double R, double I, double nr) {
  if (R == 0.0 || I == 0.0 || nr == 0.0) return 0.0;
  const double k = 0.00155 / I;
  const double C = (1.0 / nr + k + 23.0) / ((k + 23.0) * nr / std::sqrt(R) + 1.0);
  return C * std::sqrt(R * I);
}

double SURVEY_CALL Froude(double V, double h) {
  if (!(h > 0.0)) return -9999.0;
  return V / std::sqrt(kGravity * h);
}

double SURVEY_CALL suisin_en(double r, double Q, double I, double nr, double eps) {
  return solve_depth(normal_residual(circle(r), Q, I, nr), r, kFullCircleBracket * r, eps,
                     kNormalWithCapacity)
      .h;
}

double SURVEY_CALL suisin_kukei(double b, double Q, double m1, double m2, double I, double nr,
                                double eps) {
  return solve_depth(normal_residual(trapezoid(b, m1, m2), Q, I, nr), kLowBracket, kHighBracket,
                     eps, kNormalWithCapacity)
      .h;
}

// The lower end of the bracket is the coefficient a itself.
double SURVEY_CALL suisin_houbutu(double a, double Q, double I, double nr, double eps) {
  return solve_depth(normal_residual(parabola(a), Q, I, nr), a, kHighBracket, eps, kNormal).h;
}

// A root above the bracket's upper end lies at most at the full pipe, where B = 0.
double SURVEY_CALL genkai_en(double r, double Q, double alpha, double eps) {
  DepthRules rules = kCritical;
  rules.upper_limit = 2.0 * r;
  return solve_depth(critical_residual(circle(r), Q, alpha), r, kFullCircleBracket * r, eps, rules)
      .h;
}

double SURVEY_CALL genkai_daikei(double b, double m1, double m2, double Q, double alpha,
                                 double eps) {
  return solve_depth(critical_residual(trapezoid(b, m1, m2), Q, alpha), kLowBracket, kHighBracket,
                     eps, kCritical)
      .h;
}

double SURVEY_CALL genkai_kukei(double b, double Q, double alpha) {
  if (b == 0.0) return 0.0;
  return kon(std::pow(Q, 2.0) * alpha / (std::pow(b, 2.0) * kGravity), 3.0);
}

double SURVEY_CALL genkai_sankaku(double m, double Q, double alpha) {
  if (m == 0.0) return 0.0;
  return kon(2.0 * std::pow(Q, 2.0) * alpha / (std::pow(m, 2.0) * kGravity), 5.0);
}

// The factor is 27 / (32 * 9.8).
double SURVEY_CALL genkai_houbutu(double a, double Q, double alpha) {
  if (a == 0.0) return 0.0;
  return kon(a * std::pow(Q, 2.0) * alpha * 0.0860969387755102, 4.0);
}

void SURVEY_CALL genkai_koubai(double Q, double A, double P, double nr, double* V, double* Ic) {
  *V = 0.0;
  *Ic = 0.0;
  if (A == 0.0 || P == 0.0) return;
  const double v = Q / A;
  *V = v;
  *Ic = std::pow(v * nr / std::pow(A / P, kTwoThirds), 2.0);
}

double SURVEY_CALL gouri(double C, double i, double A) { return C * i * A * 0.2777777777777778; }

}  // extern "C"
