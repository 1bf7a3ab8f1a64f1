#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;

// Reference roots of cubics, made by cubic_roots_table.py with mpmath.
struct CubicCase {
  double a, b, c, d;
  int real_roots;
  double root[6];  // (re, im) three times, sorted by re, then im
};
const CubicCase kCubics[] = {
#include "cubic_roots_table.inc"
};

std::vector<std::complex<double>> sorted_roots(const survey_complex z[3]) {
  std::vector<std::complex<double>> r;
  for (int i = 0; i < 3; ++i) r.emplace_back(z[i].re, z[i].im);
  std::sort(r.begin(), r.end(), [](auto p, auto q) {
    return p.real() != q.real() ? p.real() < q.real() : p.imag() < q.imag();
  });
  return r;
}

TEST(Quadratic, KindsAndRoots) {
  struct Case {
    double a, b, c;
    int16_t kind;
    survey_complex z1, z2;
  } cases[] = {
      {1, -3, 2, 2, {2, 0}, {1, 0}},          {1, 0, 1, 0, {0, 1}, {0, -1}},
      {1, -2, 1, 1, {1, 0}, {1, 0}},          {2, 4, 10, 0, {-1, 2}, {-1, -2}},
      {-1, 0, 4, 2, {-2, 0}, {2, 0}},         {4, 0, 0, 1, {0, 0}, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c);
    survey_complex z1{9, 9}, z2{9, 9};
    EXPECT_EQ(kai_kousiki1(c.a, c.b, c.c, &z1, &z2), c.kind);
    EXPECT_EQ(z1.re, c.z1.re);
    EXPECT_EQ(z1.im, c.z1.im);
    EXPECT_EQ(z2.re, c.z2.re);
    EXPECT_EQ(z2.im, c.z2.im);
  }
  survey_complex z1{9, 9}, z2{9, 9};
  EXPECT_EQ(kai_kousiki1(0, 1, 1, &z1, &z2), -2);
  EXPECT_EQ(z1.re + z1.im + z2.re + z2.im, 36.0);  // untouched
  // Sum 5, product 6: 3 and 2.
  EXPECT_EQ(equ1(5, 6, &z1, &z2), 2);
  EXPECT_EQ(z1.re, 3.0);
  EXPECT_EQ(z2.re, 2.0);
  EXPECT_EQ(equ1(0, 1, &z1, &z2), 0);
}

TEST(Cubic, AgainstReferenceRoots) {
  // Each root relative to its own size. Three real roots come from the
  // trigonometric form; a complex pair from u + v, which cancels.
  double worst_real = 0.0, worst_pair = 0.0;
  for (const auto& c : kCubics) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c << " " << c.d);
    survey_complex z[3];
    cardano(c.a, c.b, c.c, c.d, &z[0], &z[1], &z[2]);
    if (c.real_roots == 3) {
      for (const auto& r : z) EXPECT_EQ(r.im, 0.0);
    } else {
      EXPECT_EQ(z[0].im, 0.0);
      EXPECT_EQ(z[1].re, z[2].re);
      EXPECT_EQ(z[1].im, -z[2].im);
    }
    const auto got = sorted_roots(z);
    double& worst = c.real_roots == 3 ? worst_real : worst_pair;
    for (int i = 0; i < 3; ++i) {
      const std::complex<double> ref(c.root[2 * i], c.root[2 * i + 1]);
      worst = std::max(worst, std::abs(got[i] - ref) / std::abs(ref));
    }
  }
  EXPECT_LT(worst_real, 1e-12);
  EXPECT_LT(worst_pair, 1e-8);
  RecordProperty("worst_real", testing::PrintToString(worst_real));
  RecordProperty("worst_pair", testing::PrintToString(worst_pair));
}

TEST(Cubic, ExactCasesAndOrder) {
  struct Case {
    double a, b, c, d;
    survey_complex z[3];
    double tol;
  } cases[] = {
      {1, 0, -7, 6, {{2, 0}, {-3, 0}, {1, 0}}, 1e-14},
      {1, 0, 0, -1, {{1, 0}, {-0.5, 0.8660254037844386}, {-0.5, -0.8660254037844386}}, 1e-15},
      {1, -3, 3, -1, {{1, 0}, {1, 0}, {1, 0}}, 0},  // (x - 1)^3
      {2, 0, 0, 0, {{0, 0}, {0, 0}, {0, 0}}, 0},
      {1, -6, 11, -6, {{3, 0}, {1, 0}, {2, 0}}, 1e-14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c << " " << c.d);
    survey_complex z[3];
    cardano(c.a, c.b, c.c, c.d, &z[0], &z[1], &z[2]);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(z[i].re, c.z[i].re, c.tol) << i;
      EXPECT_NEAR(z[i].im, c.z[i].im, c.tol) << i;
    }
  }
  survey_complex z[3] = {{7, 7}, {7, 7}, {7, 7}};
  cardano(0, 1, 2, 3, &z[0], &z[1], &z[2]);
  for (const auto& r : z) EXPECT_TRUE(r.re == 7 && r.im == 7);
  // Symmetric sums 6, 11, 6: the numbers 1, 2, 3 (same order as the cubic above).
  equ2(6, 11, 6, &z[0], &z[1], &z[2]);
  EXPECT_NEAR(z[0].re, 3, 1e-14);
  EXPECT_NEAR(z[1].re, 1, 1e-14);
  EXPECT_NEAR(z[2].re, 2, 1e-14);
}

TEST(Newton, ConvergesToARoot) {
  // Every reference cubic with three real roots: the iterate lands on one of them.
  // With a complex pair the iteration may circle near the pair for good (not
  // reported); most still reach the real root.
  int converged[2] = {0, 0}, total[2] = {0, 0};
  for (const auto& c : kCubics) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c << " " << c.d);
    const double a[] = {c.a, c.b, c.c, c.d};
    const double x = Newton(a, 3, 1e-15, 200);
    double nearest = INFINITY;
    for (int i = 0; i < 3; ++i)
      if (c.root[2 * i + 1] == 0.0) nearest = std::min(nearest, std::fabs(x - c.root[2 * i]));
    const bool three = c.real_roots == 3;
    if (three) {
      EXPECT_LT(nearest, 1e-12 * std::max(1.0, std::fabs(x)));
    }
    converged[three] += nearest < 1e-12 * std::max(1.0, std::fabs(x));
    ++total[three];
  }
  EXPECT_EQ(converged[1], total[1]);
  EXPECT_GE(converged[0], total[0] * 95 / 100);
  RecordProperty("pair_converged", converged[0]);

  const double two[] = {1, 0, -2};  // starts at 1/3
  EXPECT_NEAR(Newton(two, 2, 1e-12, 50), std::sqrt(2.0), 1e-15);
  const double one[] = {1, 0, -1};  // starts at 0, where the derivative vanishes
  EXPECT_NEAR(Newton(one, 2, 1e-12, 50), 1.0, 1e-15);
  const double quartic[] = {1, 0, 0, 0, -16};
  EXPECT_NEAR(std::fabs(Newton(quartic, 4, 1e-14, 100)), 2.0, 1e-14);
}

TEST(Newton, NoRealRootRunsOutItsSteps) {
  // x^2 + 1 from -2/3: 5/12, then -119/120, and on without settling.
  const double a[] = {1, 0, 1};
  EXPECT_NEAR(Newton(a, 2, 1e-12, 1), 5.0 / 12.0, 1e-15);
  EXPECT_NEAR(Newton(a, 2, 1e-12, 2), -119.0 / 120.0, 1e-15);
  const double many = Newton(a, 2, 1e-12, 1000);
  EXPECT_TRUE(std::isfinite(many));
  EXPECT_NE(many, Newton(a, 2, 1e-12, 999));
  // Guards.
  const double two[] = {1, 0, -2};
  const double lin[] = {2, -4};
  EXPECT_EQ(Newton(lin, 1, 1e-12, 50), 0.0);
  const double lead0[] = {0, 1, -1};
  EXPECT_EQ(Newton(lead0, 2, 1e-12, 50), 0.0);
  EXPECT_EQ(Newton(two, 2, 0.0, 50), 0.0);
  EXPECT_EQ(Newton(two, 2, 1e-12, 0), 0.0);
}

TEST(Polynomials, ValueIntegralAndSums) {
  const double a[] = {2, -3, 0, 5};  // 2x^3 - 3x^2 + 5
  struct Case {
    const char* name;
    double got, expected, tol;
  } cases[] = {
      {"takou", takou(3, a, 2.0), 9.0, 0},
      {"takou n=0", takou(0, a, 2.0), 2.0, 0},
      {"takou n<0", takou(-1, a, 2.0), 2.0, 0},
      {"integral x", Tsekibun(1, std::vector<double>{1, 0}.data(), 0, 2), 2.0, 0},
      // x^4/2 - x^3 + 5x from -1 to 3
      {"integral cubic", Tsekibun(3, a, -1, 3), (40.5 - 27 + 15) - (0.5 + 1 - 5), 1e-13},
      {"integral n<0", Tsekibun(-1, a, 0, 1), 0.0, 0},
      {"sin sum", sin_sigma(2, kPi / 2), 1.0, 1e-15},
      {"sin n=0", sin_sigma(0, 1.0), 0.0, 0},
      {"cos n=0", cos_sigma(-2, 1.0), 0.0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(c.got, c.expected, c.tol);
  }
  for (int16_t n : {1, 2, 7, 40}) {
    for (double x : {0.3, -1.1, 2.9, 100.0}) {
      double s = 0, co = 0;
      for (int k = 1; k <= n; ++k) s += std::sin(k * x), co += std::cos(k * x);
      EXPECT_NEAR(sin_sigma(n, x), s, 1e-11) << n << " " << x;
      EXPECT_NEAR(cos_sigma(n, x), co, 1e-11) << n << " " << x;
    }
  }
  EXPECT_TRUE(std::isnan(sin_sigma(3, 0.0)));
  EXPECT_TRUE(std::isnan(cos_sigma(3, 0.0)));
}

}  // namespace
