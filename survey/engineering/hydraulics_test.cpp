// Open-channel hydraulics: sections, velocities, normal and critical depths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "survey/engineering/depth_solver.hpp"
#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kG = 9.8;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Composite Simpson rule over [a, b] with n (even) intervals.
double simpson(const std::function<double(double)>& f, double a, double b, int n = 2000) {
  const double h = (b - a) / n;
  double s = f(a) + f(b);
  for (int i = 1; i < n; ++i) s += f(a + i * h) * (i % 2 ? 4.0 : 2.0);
  return s * h / 3.0;
}

struct Section {
  double A, P, B;
};

Section circle(double r, double h) {
  Section s{};
  keisin_en(r, h, &s.A, &s.P, &s.B);
  return s;
}
Section trapezoid(double b, double h, double m1, double m2) {
  Section s{};
  keisin_kukei(b, h, m1, m2, &s.A, &s.P, &s.B);
  return s;
}
Section parabola(double a, double h) {
  Section s{};
  keisin_houbutu(a, h, &s.A, &s.P, &s.B);
  return s;
}

// The textbook Manning velocity, written here independently of the library.
double manning_velocity(double R, double I, double n) {
  return std::pow(R, 2.0 / 3.0) * std::sqrt(I) / n;
}

// ---------------------------------------------------------------- sections

TEST(Sections, CircleAgainstIntegration) {
  for (double r : {0.25, 1.0, 3.0}) {
    for (double q : {0.01, 0.3, 0.5, 0.99, 1.0, 1.4, 1.9, 2.0}) {
      const double h = q * r;
      SCOPED_TRACE(testing::Message() << "r " << r << " h " << h);
      const Section s = circle(r, h);
      // Width over depth, with the depth y = r (1 - cos phi) as variable.
      const double phi_h = std::acos(1.0 - h / r);
      const double A = simpson([&](double p) { return 2.0 * r * std::sin(p) * r * std::sin(p); },
                               0.0, phi_h);
      const double tol = 1e-11 * r * r;  // acos loses digits near the full pipe
      EXPECT_NEAR(s.A, A, tol);
      EXPECT_NEAR(s.P, 2.0 * r * phi_h, 1e-13 * r);
      EXPECT_NEAR(s.B, 2.0 * std::sqrt(std::max(0.0, h * (2.0 * r - h))), 1e-7 * r);
    }
  }
  // Half and full pipe.
  const Section half = circle(2.0, 2.0);
  EXPECT_DOUBLE_EQ(half.A, kPi * 2.0);
  EXPECT_DOUBLE_EQ(half.P, kPi * 2.0);
  EXPECT_DOUBLE_EQ(half.B, 4.0);
  const Section full = circle(2.0, 4.0);
  EXPECT_NEAR(full.A, kPi * 4.0, 1e-14);
  EXPECT_NEAR(full.P, 4.0 * kPi, 1e-14);
  EXPECT_EQ(full.B, 0.0);
  EXPECT_TRUE(std::isnan(circle(1.0, 2.5).A));  // deeper than the pipe
}

TEST(Sections, TrapezoidAndParabolaAgainstIntegration) {
  struct Case {
    double b, h, m1, m2;
  } cases[] = {{2, 1, 0, 0}, {2, 1, 1, 1}, {0, 0.7, 0.5, 2}, {3.5, 2.25, 1.5, 0}, {1, 0.1, 3, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.b << " " << c.h << " " << c.m1 << " " << c.m2);
    const Section s = trapezoid(c.b, c.h, c.m1, c.m2);
    const double A = simpson([&](double y) { return c.b + (c.m1 + c.m2) * y; }, 0.0, c.h, 2);
    EXPECT_NEAR(s.A, A, 1e-14 * A);
    EXPECT_NEAR(s.P, c.b + c.h * (std::hypot(1.0, c.m1) + std::hypot(1.0, c.m2)), 1e-14 * s.P);
    EXPECT_NEAR(s.B, c.b + (c.m1 + c.m2) * c.h, 1e-15 * s.B);
  }
  const Section rect = trapezoid(2, 1, 0, 0);
  EXPECT_EQ(rect.A, 2.0);
  EXPECT_EQ(rect.P, 4.0);
  EXPECT_EQ(rect.B, 2.0);
  const Section trap = trapezoid(2, 1, 1, 1);
  EXPECT_EQ(trap.A, 3.0);
  EXPECT_DOUBLE_EQ(trap.P, 2.0 + 2.0 * std::sqrt(2.0));
  EXPECT_EQ(trap.B, 4.0);

  for (double a : {0.05, 0.5, 4.0}) {
    for (double h : {0.01, 0.8, 3.0}) {
      SCOPED_TRACE(testing::Message() << "a " << a << " h " << h);
      const Section s = parabola(a, h);
      const double w = std::sqrt(h / a);
      EXPECT_NEAR(s.B, 2.0 * w, 1e-15 * s.B);
      // Depth over the width; arc length of y = a x^2 between the water edges.
      EXPECT_NEAR(s.A, simpson([&](double x) { return h - a * x * x; }, -w, w, 2), 1e-14 * s.A);
      EXPECT_NEAR(s.P, simpson([&](double x) { return std::sqrt(1.0 + 4.0 * a * a * x * x); }, -w, w),
                  1e-12 * s.P);
    }
  }
  Section untouched{7, 8, 9};
  keisin_houbutu(0.0, 1.0, &untouched.A, &untouched.P, &untouched.B);
  keisin_houbutu(kNaN, 1.0, &untouched.A, &untouched.P, &untouched.B);
  EXPECT_EQ(untouched.A, 7.0);
  EXPECT_EQ(untouched.P, 8.0);
  EXPECT_EQ(untouched.B, 9.0);
}

TEST(Sections, WidthIsWrittenFirst) {
  // B shares its storage with A (circle) or P (parabola): the later value stays.
  double a = 0.0, p = 0.0;
  keisin_en(1.0, 0.5, &a, &p, &a);
  EXPECT_EQ(a, circle(1.0, 0.5).A);
  keisin_houbutu(0.5, 2.0, &a, &p, &p);
  EXPECT_EQ(p, parabola(0.5, 2.0).P);
}

// ------------------------------------------------------- surveyed profile

struct Wetted {
  double A = 0, P = 0, B = 0;
  int count = 0;
};

Wetted nini(const std::vector<double>& x, const std::vector<double>& y, double WL) {
  double A = -1, P = -1, B = -1;
  int16_t count = -1;
  keisin_nini(static_cast<int16_t>(x.size()), x.data(), y.data(), WL, &A, &P, &B, &count);
  return {A, P, B, count};
}

TEST(SurveyedProfile, Rows) {
  const double s2 = std::sqrt(2.0);
  struct Case {
    const char* what;
    std::vector<double> x, y;
    double WL;
    Wetted expect;
  } cases[] = {
      {"V", {0, 1, 2}, {2, 0, 2}, 1, {0.5, std::sqrt(5.0), 1, 2}},
      {"water edges on vertices", {0, 1, 2, 3, 4}, {2, 1, 0, 1, 2}, 1, {1, 2 * s2, 2, 2}},
      {"touching point", {0, 1, 2}, {2, 1, 2}, 1, {0, 0, 0, 0}},
      {"berm at the water line",
       {0, 1, 2, 3, 4},
       {3, 1, 1, 0, 3},
       1,
       {2.0 / 3.0, s2 + std::sqrt(1.0 + 1.0 / 9.0), 4.0 / 3.0, 2}},
      {"flat bed at the water line", {0, 1, 2, 3}, {1, 0, 0, 1}, 0, {0, 0, 0, 0}},
      {"bed at the origin on the water line", {-1, 0, 1}, {0, 0, 0}, 0, {0, 0, 0, 0}},
      {"ends under water", {0, 1, 2}, {2, 0, 0}, 1, {1.25, std::sqrt(1.25) + 1, 1.5, 1}},
      {"dry", {0, 1, 2}, {2, 1.5, 2}, 1, {0, 0, 0, 0}},
      {"one point", {0}, {0}, 1, {0, 0, 0, 0}},
      {"no points", {}, {}, 1, {0, 0, 0, 0}},
      {"second channel ignored", {0, 1, 2, 3, 4}, {2, 0, 2, 0, 2}, 1, {0.5, std::sqrt(5.0), 1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Wetted w = nini(c.x, c.y, c.WL);
    EXPECT_EQ(w.count, c.expect.count);
    EXPECT_NEAR(w.A, c.expect.A, 1e-14);
    EXPECT_NEAR(w.P, c.expect.P, 1e-14);
    EXPECT_NEAR(w.B, c.expect.B, 1e-14);
  }
}

// Random profiles that start and end dry, on a coarse grid so that many points lie
// exactly at the water level, against the shoelace area of the first wetted polygon.
TEST(SurveyedProfile, AgainstShoelace) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> level(0, 4);
  int wet = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = 3 + trial % 7;
    const double WL = 1 + trial % 3;
    std::vector<double> x(n), y(n);
    double xi = 0.0;
    for (int i = 0; i < n; ++i) {
      xi += 0.5 + (trial + 3 * i) % 4;  // strictly increasing offsets
      x[i] = xi;
      y[i] = level(rng) * (trial % 2 ? 1.0 : 0.75);
    }
    y[0] = std::max(y[0], WL);
    y[n - 1] = std::max(y[n - 1], WL);
    // The first run of points below the water line and its edges.
    int first = 0;
    while (first < n && !(y[first] < WL)) ++first;
    const Wetted w = nini(x, y, WL);
    SCOPED_TRACE(trial);
    if (first == n) {
      EXPECT_EQ(w.count, 0);
      EXPECT_EQ(w.A, 0.0);
      continue;
    }
    int last = first;
    while (y[last + 1] < WL) ++last;
    const auto edge = [&](int i, int j) {
      return x[i] + (WL - y[i]) * (x[j] - x[i]) / (y[j] - y[i]);
    };
    std::vector<double> px{edge(first - 1, first)}, py{WL};
    for (int i = first; i <= last; ++i) {
      px.push_back(x[i]);
      py.push_back(y[i]);
    }
    px.push_back(edge(last, last + 1));
    py.push_back(WL);
    double area2 = 0.0, perimeter = 0.0;
    for (size_t i = 0; i < px.size(); ++i) {
      const size_t j = (i + 1) % px.size();
      area2 += px[i] * py[j] - px[j] * py[i];
      if (j != 0) perimeter += std::hypot(px[j] - px[i], py[j] - py[i]);
    }
    ++wet;
    EXPECT_EQ(w.count, 2);
    EXPECT_NEAR(w.A, std::fabs(area2) / 2.0, 1e-12);
    EXPECT_NEAR(w.P, perimeter, 1e-12);
    EXPECT_NEAR(w.B, px.back() - px.front(), 1e-12);
  }
  EXPECT_GT(wet, 1000);
}

// -------------------------------------------------------------- velocities

TEST(Velocity, HandWorkedValues) {
  EXPECT_NEAR(maning(0.5, 0.001, 0.015), 1.3280734, 5e-8);
  // Ganguillet-Kutter in textbook order.
  const double R = 0.5, I = 0.0004, n = 0.013;
  const double C = (23.0 + 1.0 / n + 0.00155 / I) / (1.0 + (23.0 + 0.00155 / I) * n / std::sqrt(R));
  EXPECT_NEAR(C, 69.47240, 5e-6);
  EXPECT_NEAR(kutter(R, I, n), C * std::sqrt(R * I), 1e-14);
  EXPECT_NEAR(kutter(R, I, n), 0.982488, 5e-7);
  // At R = 1 both formulas give 1/n sqrt(I).
  for (double i : {0.0001, 0.001, 0.02}) {
    for (double nr : {0.011, 0.025, 0.06}) {
      EXPECT_NEAR(kutter(1.0, i, nr), maning(1.0, i, nr), 1e-14 * maning(1.0, i, nr));
    }
  }
  EXPECT_NEAR(Froude(2.0, 0.5), 0.9035079, 5e-8);
  EXPECT_EQ(Froude(9.8, 9.8), 1.0);
  for (double h : {0.0, -1.0, kNaN}) EXPECT_EQ(Froude(1.0, h), -9999.0);
  EXPECT_EQ(maning(0.5, 0.001, 0.0), 0.0);
  EXPECT_EQ(kutter(0.0, 0.001, 0.015), 0.0);
  EXPECT_EQ(kutter(0.5, 0.0, 0.015), 0.0);
  EXPECT_EQ(kutter(0.5, 0.001, 0.0), 0.0);
  EXPECT_NEAR(gouri(0.5, 100.0, 2.0), 100.0 / 3.6, 1e-13);
}

TEST(Velocity, CriticalSlope) {
  double V = 5, Ic = 5;
  genkai_koubai(2.0, 1.0, 4.0, 0.015, &V, &Ic);
  EXPECT_EQ(V, 2.0);
  EXPECT_NEAR(maning(0.25, Ic, 0.015), V, 1e-14);  // Manning's velocity at Ic is V
  for (double A : {0.0, 1.0}) {
    V = Ic = 5;
    genkai_koubai(2.0, A, A == 0.0 ? 4.0 : 0.0, 0.015, &V, &Ic);
    EXPECT_EQ(V, 0.0);
    EXPECT_EQ(Ic, 0.0);
  }
}

// ----------------------------------------------------------- depth solvers

using Residual = std::function<double(double)>;

// The fixed-bracket false position step by step: the oracle for results that the
// library keeps as they are. `capped` reports the 2000-step stop.
double plain_method(const Residual& f, double h1, double h2, double eps, bool capacity,
                    bool* brackets, bool* capped) {
  double f1 = f(h1), f2 = f(h2);
  *brackets = std::isfinite(f1) && std::isfinite(f2) && f1 * f2 <= 0.0;
  *capped = false;
  if (capacity && f2 < 0) return 0.0;
  for (int k = 1;; ++k) {
    const double h = (f2 * h1 - h2 * f1) / (f2 - f1);
    const double fh = f(h);
    if (fh * f1 == 0) return f1 == 0 ? h1 : h;
    if (fh * f1 < 0) {
      h2 = h, f2 = fh;
    } else {
      h1 = h, f1 = fh;
    }
    if (std::fabs(h2 - h1) <= eps) return std::fabs(f2) < std::fabs(f1) ? h2 : h1;
    if (k == 2000) {
      *capped = true;
      return std::fabs(f2) < std::fabs(f1) ? h2 : h1;
    }
  }
}

// Root of a residual that changes sign once on [lo, hi], by bisection.
double bisect(const Residual& f, double lo, double hi) {
  const double flo = f(lo);
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (mid <= lo || mid >= hi) break;
    if ((f(mid) < 0) == (flo < 0)) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return 0.5 * (lo + hi);
}

enum class Kind { suisin_en, suisin_kukei, suisin_houbutu, genkai_en, genkai_daikei };

struct Problem {
  Kind kind;
  double shape[3];  // r | b, m1, m2 | a
  double depth;     // the depth that Q was made for
  double I, nr, alpha;
};

struct SolverRun {
  double result;      // the library's answer
  double root;        // bisection root
  double plain;       // the fixed-bracket method's answer
  bool kept;          // the library kept the fixed-bracket answer
  survey::engineering::DepthSolution solution;  // the solver rerun with counts
};

Section section_of(const Problem& p, double h) {
  switch (p.kind) {
    case Kind::suisin_en:
    case Kind::genkai_en:
      return circle(p.shape[0], h);
    case Kind::suisin_houbutu:
      return parabola(p.shape[0], h);
    default:
      return trapezoid(p.shape[0], h, p.shape[1], p.shape[2]);
  }
}

bool is_normal(Kind k) {
  return k == Kind::suisin_en || k == Kind::suisin_kukei || k == Kind::suisin_houbutu;
}

// Q for the problem's depth from the test's own formulas.
double discharge_for(const Problem& p) {
  const Section s = section_of(p, p.depth);
  if (is_normal(p.kind)) return s.A * manning_velocity(s.A / s.P, p.I, p.nr);
  return std::sqrt(kG * s.A * s.A * s.A / (s.B * p.alpha));
}

SolverRun run(const Problem& p, double Q, double eps) {
  namespace se = survey::engineering;
  SolverRun out{};
  const double r = p.shape[0];
  // The library's residual, built from the library's own section and velocity.
  const Residual f = [&](double h) {
    const Section s = section_of(p, h);
    if (is_normal(p.kind)) return maning(s.A / s.P, p.I, p.nr) * s.A - Q;
    return std::pow(Q, 2.0) * s.B * p.alpha - std::pow(s.A, 3.0) * kG;
  };
  double h1 = 1.0, h2 = 100.0;
  se::DepthRules rules{};
  rules.positive_near_zero = !is_normal(p.kind);
  rules.capacity_test = p.kind == Kind::suisin_en || p.kind == Kind::suisin_kukei;
  double top = 200.0;
  switch (p.kind) {
    case Kind::suisin_en:
      h1 = r, h2 = 1.876358 * r, top = h2;
      out.result = suisin_en(r, Q, p.I, p.nr, eps);
      break;
    case Kind::suisin_kukei:
      out.result = suisin_kukei(r, Q, p.shape[1], p.shape[2], p.I, p.nr, eps);
      break;
    case Kind::suisin_houbutu:
      h1 = r;
      out.result = suisin_houbutu(r, Q, p.I, p.nr, eps);
      break;
    case Kind::genkai_en:
      h1 = r, h2 = 1.876358 * r, top = 2.0 * r;
      rules.upper_limit = 2.0 * r;
      out.result = genkai_en(r, Q, p.alpha, eps);
      break;
    case Kind::genkai_daikei:
      out.result = genkai_daikei(r, p.shape[1], p.shape[2], Q, p.alpha, eps);
      break;
  }
  out.root = bisect(f, 1e-12, top);
  bool brackets = false, capped = false;
  out.plain = plain_method(f, h1, h2, eps, rules.capacity_test, &brackets, &capped);
  out.kept = brackets && !capped;
  out.solution = se::solve_depth(f, h1, h2, eps, rules);
  return out;
}

std::vector<Problem> sweep() {
  std::vector<Problem> ps;
  const double slopes[][2] = {{0.0005, 0.013}, {0.01, 0.03}};
  for (double r : {0.3, 0.5, 1.0, 2.5}) {
    for (double q : {0.02, 0.1, 0.5, 0.9, 1.0, 1.3, 1.7, 1.85}) {
      for (const auto& s : slopes) ps.push_back({Kind::suisin_en, {r}, q * r, s[0], s[1], 1.0});
      ps.push_back({Kind::genkai_en, {r}, q * r, 0, 0, 1.0});
      ps.push_back({Kind::genkai_en, {r}, q * r, 0, 0, 1.1});
    }
  }
  const double trapezoids[][3] = {{0.5, 0, 0}, {2, 0, 0},   {10, 0, 0}, {0, 0.5, 0.5}, {0, 2, 2},
                                  {2, 1.5, 1.5}, {0.5, 0, 2}, {3, 1, 0.5}};
  for (const auto& t : trapezoids) {
    for (double h : {0.01, 0.05, 0.3, 0.8, 1.0, 1.25, 3.0, 10.0, 40.0, 60.0}) {
      for (const auto& s : slopes) {
        ps.push_back({Kind::suisin_kukei, {t[0], t[1], t[2]}, h, s[0], s[1], 1.0});
      }
      ps.push_back({Kind::genkai_daikei, {t[0], t[1], t[2]}, h, 0, 0, 1.0});
      ps.push_back({Kind::genkai_daikei, {t[0], t[1], t[2]}, h, 0, 0, 1.1});
    }
  }
  for (double a : {0.05, 0.5, 2.0, 30.0}) {
    for (double h : {0.01, 0.3, 0.9, 2.0, 10.0, 50.0}) {
      for (const auto& s : slopes) ps.push_back({Kind::suisin_houbutu, {a}, h, s[0], s[1], 1.0});
    }
  }
  return ps;
}

// Every depth lies within eps of the bisection root; where the fixed bracket held
// the root and its method stopped by the tolerance, the result is that method's,
// bit for bit.
TEST(DepthSolvers, SweepAgainstBisection) {
  const char* names[] = {"suisin_en", "suisin_kukei", "suisin_houbutu", "genkai_en",
                         "genkai_daikei"};
  for (double eps : {1e-6, 1e-9}) {
    int kept[5] = {}, fell_back[5] = {};
    int max_restart = 0, max_halvings = 0, max_plain_kept = 0;
    for (const Problem& p : sweep()) {
      const double Q = discharge_for(p);
      const SolverRun r = run(p, Q, eps);
      SCOPED_TRACE(testing::Message() << names[static_cast<int>(p.kind)] << " shape " << p.shape[0]
                                      << "," << p.shape[1] << "," << p.shape[2] << " depth "
                                      << p.depth << " Q " << Q << " eps " << eps);
      EXPECT_NEAR(r.result, r.root, eps + 1e-12 * r.root);
      EXPECT_NEAR(r.root, p.depth, 1e-9 * p.depth);
      EXPECT_EQ(r.result, r.solution.h);  // the rerun is the library's solver
      const int k = static_cast<int>(p.kind);
      if (r.kept) {
        EXPECT_EQ(r.result, r.plain);
        EXPECT_FALSE(r.solution.fell_back);
        ++kept[k];
        max_plain_kept = std::max(max_plain_kept, r.solution.plain_iterations);
      } else {
        EXPECT_TRUE(r.solution.fell_back);
        ++fell_back[k];
        max_restart = std::max(max_restart, r.solution.robust_iterations);
        max_halvings = std::max(max_halvings, r.solution.halvings);
      }
    }
    for (int k = 0; k < 5; ++k) {
      std::printf("eps %g %-15s kept %3d  restarted %3d\n", eps, names[k], kept[k], fell_back[k]);
    }
    std::printf("eps %g: fixed-bracket steps <= %d where kept; restart <= %d steps, "
                "<= %d halvings\n",
                eps, max_plain_kept, max_restart, max_halvings);
    EXPECT_LE(max_restart, 60);
  }
}

// Known faults of the fixed-bracket method, with what it gives and the root.
TEST(DepthSolvers, FixedBracketFaults) {
  struct Case {
    const char* what;
    Problem p;
    double Q, eps;
    double plain;  // what the fixed bracket alone gives (NaN: not a number)
    double root;
  } cases[] = {
      {"root below the bracket", {Kind::suisin_kukei, {2, 1.5, 1.5}, 0, 0.001, 0.015, 1}, 1.5, 1e-6,
       0.5274, 0.50539},
      {"stalls at the step cap", {Kind::suisin_kukei, {0, 0.5, 0.5}, 0, 0.0005, 0.015, 1}, 0.5, 1e-6,
       1.24349, 1.25201},
      {"critical, rectangle", {Kind::genkai_daikei, {2, 0, 0}, 0, 0, 0, 1}, 10, 1e-6, 1.2209,
       1.36638},
      {"critical, trapezoid", {Kind::genkai_daikei, {2, 1, 1}, 0, 0, 0, 1}, 30, 1e-6, 1.00006,
       2.03864},
      {"critical, root above the bracket", {Kind::genkai_en, {0.5}, 0, 0, 0, 1}, 4, 1e-6, kNaN,
       0.97822},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SolverRun r = run(c.p, c.Q, c.eps);
    if (std::isnan(c.plain)) {
      EXPECT_TRUE(std::isnan(r.plain));
    } else {
      EXPECT_NEAR(r.plain, c.plain, 1e-4);
    }
    EXPECT_FALSE(r.kept);
    EXPECT_NEAR(r.root, c.root, 1e-5);
    EXPECT_NEAR(r.result, r.root, c.eps);
  }
  // The rectangle: Q made for depth 1.5 gives 1.5 back.
  const Section s = trapezoid(2, 1.5, 0, 0);
  const double Q = s.A * manning_velocity(s.A / s.P, 0.001, 0.015);
  EXPECT_NEAR(suisin_kukei(2, Q, 0, 0, 0.001, 0.015, 1e-6), 1.5, 1e-6);
  // A pipe asked for more than it carries near full.
  const Section full = circle(0.5, 1.876358 * 0.5);
  const double Qmax = full.A * manning_velocity(full.A / full.P, 0.001, 0.013);
  EXPECT_EQ(suisin_en(0.5, Qmax * 1.01, 0.001, 0.013, 1e-6), 0.0);
  EXPECT_GT(suisin_en(0.5, Qmax * 0.99, 0.001, 0.013, 1e-6), 0.5);
}

TEST(DepthSolvers, CriticalTrapezoidAgainstClosedForms) {
  for (double Q : {0.05, 1.0, 10.0, 80.0}) {
    for (double alpha : {1.0, 1.1}) {
      for (double w : {0.3, 2.0, 8.0}) {
        SCOPED_TRACE(testing::Message() << "Q " << Q << " alpha " << alpha << " width/slope " << w);
        EXPECT_NEAR(genkai_daikei(w, 0, 0, Q, alpha, 1e-9), genkai_kukei(w, Q, alpha), 2e-9);
        EXPECT_NEAR(genkai_daikei(0, w, w, Q, alpha, 1e-9), genkai_sankaku(w, Q, alpha), 2e-9);
      }
      // The parabola's closed form makes its own residual vanish.
      for (double a : {0.1, 1.0, 5.0}) {
        const double h = genkai_houbutu(a, Q, alpha);
        const Section s = parabola(a, h);
        EXPECT_NEAR(alpha * Q * Q * s.B, kG * std::pow(s.A, 3.0), 1e-12 * alpha * Q * Q * s.B);
      }
    }
  }
  EXPECT_NEAR(genkai_kukei(1, 1, 1), std::cbrt(1.0 / 9.8), 1e-15);
  EXPECT_NEAR(genkai_kukei(1, 1, 1), 0.4672, 1e-4);
  EXPECT_EQ(genkai_kukei(0, 1, 1), 0.0);
  EXPECT_EQ(genkai_sankaku(0, 1, 1), 0.0);
  EXPECT_EQ(genkai_houbutu(0, 1, 1), 0.0);
}

// Bad tolerances and a zero discharge end within a bounded number of steps.
TEST(DepthSolvers, DegenerateArgumentsEndPromptly) {
  const Section s = trapezoid(2, 1.5, 0, 0);
  const double Q = s.A * manning_velocity(s.A / s.P, 0.001, 0.015);
  for (double eps : {0.0, -1.0, kNaN}) {
    SCOPED_TRACE(eps);
    EXPECT_NEAR(suisin_kukei(2, Q, 0, 0, 0.001, 0.015, eps), 1.5, 1e-12);
    EXPECT_NEAR(suisin_kukei(2, 0.3, 0, 0, 0.001, 0.015, eps), bisect([](double h) {
                  const Section t = trapezoid(2, h, 0, 0);
                  return t.A * manning_velocity(t.A / t.P, 0.001, 0.015) - 0.3;
                }, 1e-9, 100.0),
                1e-12);
    EXPECT_NEAR(genkai_en(0.5, 4, 1, eps), 0.97822, 1e-5);
    const SolverRun r = run({Kind::suisin_en, {1.0}, 0.4, 0.001, 0.013, 1}, 0.2, eps);
    EXPECT_NEAR(r.result, r.root, 1e-12);
    EXPECT_LE(r.solution.robust_iterations, 100);
  }
  for (double eps : {1e-6, 0.0, kNaN}) {
    EXPECT_EQ(suisin_en(1, 0, 0.001, 0.013, eps), 0.0);
    EXPECT_EQ(suisin_kukei(2, 0, 0, 0, 0.001, 0.013, eps), 0.0);
    EXPECT_EQ(suisin_houbutu(0.5, 0, 0.001, 0.013, eps), 0.0);
    EXPECT_LT(genkai_en(1, 0, 1, eps), 1e-15);  // the section vanishes at about 1e-16
    EXPECT_EQ(genkai_daikei(2, 1, 1, 0, 1, eps), 0.0);
  }
  // No section at all: a = 0 and residuals that are not numbers.
  EXPECT_EQ(suisin_houbutu(0.0, 1.0, 0.001, 0.013, 1e-6), 0.0);
  EXPECT_EQ(suisin_kukei(kNaN, 1.0, 0, 0, 0.001, 0.013, 1e-6), 0.0);
  EXPECT_EQ(genkai_en(kNaN, 1.0, 1, 1e-6), 0.0);
}

}  // namespace
