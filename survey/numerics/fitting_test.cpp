#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "reference_solve_test.h"
#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;

struct Points {
  std::vector<double> x, y;
  int16_t n() const { return static_cast<int16_t>(x.size()); }
};

// A spread of survey-sized coordinates (metres), not collinear.
Points common_points() {
  return {{-120.5, 35.25, 410.0, 88.75, -260.0, 15.5}, {77.0, -310.25, 12.5, 240.0, -95.75, 5.0}};
}

TEST(HelmertKeisu, RecoversKnownParametersFromExactPoints) {
  struct Case {
    const char* name;
    double a, b, c, d;
  } cases[] = {
      {"translation", 1.0, 0.0, 10.0, -5.0},
      {"rotation 30 deg, scale 1.0002", 1.0002 * std::cos(kPi / 6), 1.0002 * std::sin(kPi / 6), -35000.125, 12000.5},
      {"rotation -100 deg", 0.999 * std::cos(-1.745), 0.999 * std::sin(-1.745), 0.0, 250.0},
      {"pure scale", 2.0, 0.0, 0.0, 0.0},
  };
  const Points p = common_points();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<double> X(p.x.size()), Y(p.x.size());
    EXPECT_EQ(helmert(p.n(), p.x.data(), p.y.data(), X.data(), Y.data(), c.a, c.b, c.c, c.d), p.n());
    double a = 0, b = 0, cc = 0, d = 0;
    helmert_keisu(p.n(), p.x.data(), p.y.data(), X.data(), Y.data(), &a, &b, &cc, &d);
    // Exact data: the residual is rounding in sums of ~1e5 m^2 and the elimination;
    // 1e-12 on the dimensionless a, b and 1e-8 m on the shifts bound it with margin.
    EXPECT_NEAR(a, c.a, 1e-12);
    EXPECT_NEAR(b, c.b, 1e-12);
    EXPECT_NEAR(cc, c.c, 1e-8);
    EXPECT_NEAR(d, c.d, 1e-8);
  }
}

TEST(HelmertKeisu, TranslationOfTwoPointsIsExact) {
  // X = x + 10, Y = y - 5 on small dyadic coordinates: every sum and every step of
  // the elimination is exact, so the parameters come back exactly.
  const double x[] = {0, 2}, y[] = {0, 1}, X[] = {10, 12}, Y[] = {-5, -4};
  double a, b, c, d;
  helmert_keisu(2, x, y, X, Y, &a, &b, &c, &d);
  EXPECT_EQ(a, 1.0);
  EXPECT_EQ(b, 0.0);
  EXPECT_EQ(c, 10.0);
  EXPECT_EQ(d, -5.0);
  double theta = 9, s = 9;
  helmert_spec(a, b, &theta, &s);
  EXPECT_EQ(theta, 0.0);
  EXPECT_EQ(s, 1.0);
}

// Noisy common points: the fit is the least-squares solution, checked against the
// normal equations of the design matrix solved by an independent pivoting solver.
TEST(Fits, NoisyPointsMatchIndependentNormalEquations) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> where(-500.0, 500.0);
  std::normal_distribution<double> noise(0.0, 0.02);
  for (int n : {3, 4, 7, 20, 60}) {
    SCOPED_TRACE(testing::Message() << n << " points");
    std::vector<double> x(n), y(n), X(n), Y(n);
    for (int i = 0; i < n; ++i) {
      x[i] = where(rng);
      y[i] = where(rng);
      X[i] = 0.8 * x[i] - 0.6 * y[i] + 1000.0 + noise(rng);
      Y[i] = 0.6 * x[i] + 0.8 * y[i] - 2000.0 + noise(rng);
    }
    const auto nn = static_cast<int16_t>(n);

    // Helmert: unknowns (a, b, c, d); an X row is (x, -y, 1, 0), a Y row (y, x, 0, 1).
    std::vector<double> design, obs;
    for (int i = 0; i < n; ++i) {
      design.insert(design.end(), {x[i], -y[i], 1, 0});
      obs.push_back(X[i]);
      design.insert(design.end(), {y[i], x[i], 0, 1});
      obs.push_back(Y[i]);
    }
    const auto h = survey_test::reference_least_squares(4, design, obs);
    double a, b, c, d;
    helmert_keisu(nn, x.data(), y.data(), X.data(), Y.data(), &a, &b, &c, &d);
    // Normal equations of ~1e7 m^2 sums: the solution carries ~1e-13 relative error
    // in a, b and ~1e-9 m in the shifts; the bounds allow ten times that.
    EXPECT_NEAR(a, h[0], 1e-12);
    EXPECT_NEAR(b, h[1], 1e-12);
    EXPECT_NEAR(c, h[2], 1e-8);
    EXPECT_NEAR(d, h[3], 1e-8);

    // Affine, one row per coordinate: design row (x, y, 1).
    std::vector<double> d3;
    for (int i = 0; i < n; ++i) d3.insert(d3.end(), {x[i], y[i], 1});
    const auto ax = survey_test::reference_least_squares(3, d3, X);
    const auto ay = survey_test::reference_least_squares(3, d3, Y);
    double fa[2], fb[2], fc[2];
    affine_keisu(nn, x.data(), y.data(), X.data(), Y.data(), fa, fb, fc);
    const double* got[] = {fa, fb, fc};
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(testing::Message() << "coefficient " << k);
      const double tol = k < 2 ? 1e-12 : 1e-8;
      EXPECT_NEAR(got[k][0], ax[k], tol);
      EXPECT_NEAR(got[k][1], ay[k], tol);
    }
    // The decorated export is the same one-coordinate fit.
    double wa, wb, wc;
    affine_work(nn, x.data(), y.data(), Y.data(), &wa, &wb, &wc);
    EXPECT_EQ(wa, fa[1]);
    EXPECT_EQ(wb, fb[1]);
    EXPECT_EQ(wc, fc[1]);
  }
}

TEST(AffineKeisu, RecoversKnownParameters) {
  struct Case {
    const char* name;
    double a[2], b[2], c[2];
  } cases[] = {
      {"X = 2x + 3y + 1, Y = -x + y + 4", {2, -1}, {3, 1}, {1, 4}},
      {"identity", {1, 0}, {0, 1}, {0, 0}},
      {"skewed, anisotropic", {0.9995, 0.0312}, {-0.0297, 1.0011}, {-14500.25, 36200.75}},
  };
  const Points p = common_points();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<double> X(p.x.size()), Y(p.x.size());
    EXPECT_EQ(affine(p.n(), p.x.data(), p.y.data(), X.data(), Y.data(), c.a, c.b, c.c), p.n());
    double a[2] = {}, b[2] = {}, cc[2] = {};
    affine_keisu(p.n(), p.x.data(), p.y.data(), X.data(), Y.data(), a, b, cc);
    for (int k = 0; k < 2; ++k) {
      SCOPED_TRACE(k);
      EXPECT_NEAR(a[k], c.a[k], 1e-12);  // as for the Helmert fit above
      EXPECT_NEAR(b[k], c.b[k], 1e-12);
      EXPECT_NEAR(cc[k], c.c[k], 1e-8);
    }
  }
}

TEST(Fits, NoPointsLeaveTheOutValues) {
  const double x[] = {1}, y[] = {2}, X[] = {3}, Y[] = {4};
  for (int16_t n : {0, -2}) {
    SCOPED_TRACE(n);
    double a = 11, b = 12, c = 13, d = 14;
    helmert_keisu(n, x, y, X, Y, &a, &b, &c, &d);
    EXPECT_EQ(a, 11);
    EXPECT_EQ(b, 12);
    EXPECT_EQ(c, 13);
    EXPECT_EQ(d, 14);
    affine_work(n, x, y, X, &a, &b, &c);
    EXPECT_EQ(a, 11);
    EXPECT_EQ(b, 12);
    EXPECT_EQ(c, 13);
    double fa[2] = {5, 6}, fb[2] = {7, 8}, fc[2] = {9, 10};
    affine_keisu(n, x, y, X, Y, fa, fb, fc);
    EXPECT_EQ(fa[0] + fa[1] + fb[0] + fb[1] + fc[0] + fc[1], 45);
  }
}

TEST(Apply, PointsAndCounts) {
  // Dyadic inputs: both applications are exact.
  const double x[] = {1, -2, 0.5}, y[] = {3, 4, -0.25};
  double X[3], Y[3];
  EXPECT_EQ(helmert(3, x, y, X, Y, 2, 0.5, 10, -20), 3);
  const double hx[] = {2 - 1.5 + 10, -4 - 2 + 10, 1 + 0.125 + 10};
  const double hy[] = {6 + 0.5 - 20, 8 - 1 - 20, -0.5 + 0.25 - 20};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(X[i], hx[i]) << i;
    EXPECT_EQ(Y[i], hy[i]) << i;
  }
  const double a[] = {2, -1}, b[] = {3, 1}, c[] = {1, 4};
  EXPECT_EQ(affine(3, x, y, X, Y, a, b, c), 3);
  const double ax[] = {12, 9, 1.25}, ay[] = {6, 10, 3.25};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(X[i], ax[i]) << i;
    EXPECT_EQ(Y[i], ay[i]) << i;
  }
  // No points: nothing is written and the count comes back as given.
  X[0] = Y[0] = 99;
  EXPECT_EQ(helmert(0, x, y, X, Y, 1, 0, 0, 0), 0);
  EXPECT_EQ(affine(-4, x, y, X, Y, a, b, c), -4);
  EXPECT_EQ(X[0], 99);
  EXPECT_EQ(Y[0], 99);
}

TEST(HelmertSpec, RotationAndScale) {
  struct Case {
    double a, b, theta, s;
  } cases[] = {
      {1, 0, 0.0, 1.0},
      {3, 4, std::atan(4.0 / 3.0), 5.0},
      {-3, 4, std::atan(-4.0 / 3.0), 5.0},  // the quadrant of (a, b) is lost
      {-1, 0, 0.0, 1.0},                    // a 180-degree turn reads as none
      {2, -2, -kPi / 4, std::sqrt(8.0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << ", " << c.b);
    double theta = 9, s = 9;
    helmert_spec(c.a, c.b, &theta, &s);
    EXPECT_EQ(theta, c.theta);
    EXPECT_EQ(s, c.s);
  }
  double theta = 9, s = 9;
  helmert_spec(0.0, 1.0, &theta, &s);
  EXPECT_EQ(theta, 9);
  EXPECT_EQ(s, 9);
}

TEST(AffineSpec, DecomposesRotationScaleSkewAndOrigin) {
  struct Case {
    const char* name;
    double a[2], b[2], c[2];
    double theta0, skew, s0, s1;
  } cases[] = {
      {"translation", {1, 0}, {0, 1}, {10, -5}, 0, 0, 1, 1},
      {"similarity 30 deg, scale 2", {2 * std::cos(kPi / 6), 2 * std::sin(kPi / 6)},
       {-2 * std::sin(kPi / 6), 2 * std::cos(kPi / 6)}, {100, 200}, kPi / 6, 0, 2, 2},
      {"y axis sheared onto (1, 1)", {1, 0}, {1, 1}, {3, 7}, 0, -kPi / 4, 1, std::sqrt(2.0)},
      {"anisotropic", {0.9995, 0.0312}, {-0.0297, 1.0011}, {-14500.25, 36200.75}, std::atan(0.0312 / 0.9995),
       std::atan(0.0297 / 1.0011) - std::atan(0.0312 / 0.9995), std::hypot(0.9995, 0.0312),
       std::hypot(0.0297, 1.0011)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    double theta[2], s[2], o[2];
    affine_spec(c.a, c.b, c.c, theta, s, o);
    // The angles and scales are single library calls on the same operands, but the
    // skew is a difference and the scales may differ from hypot by an ulp: 1e-15.
    EXPECT_NEAR(theta[0], c.theta0, 1e-15);
    EXPECT_NEAR(theta[1], c.skew, 1e-15);
    EXPECT_NEAR(s[0], c.s0, 1e-15);
    EXPECT_NEAR(s[1], c.s1, 1e-15);
    // With both axes in their right half-planes (a[0] > 0, b[1] > 0), o is the
    // point of the source system that the transformation takes to the target origin:
    // solve a x + b y + c = 0 directly by Cramer's rule. Coordinates up to 4e4 m:
    // 1e-9 m.
    const double det = c.a[0] * c.b[1] - c.b[0] * c.a[1];
    const double x0 = (-c.c[0] * c.b[1] + c.b[0] * c.c[1]) / det;
    const double y0 = (-c.a[0] * c.c[1] + c.a[1] * c.c[0]) / det;
    EXPECT_NEAR(o[0], x0, 1e-9);
    EXPECT_NEAR(o[1], y0, 1e-9);
  }
}

TEST(AffineSpec, ZeroFirstComponentKeepsTheCallersAxisValues) {
  // a[0] = 0: the x axis's rotation and scale stay as the caller preset them, and
  // the skew and origin are computed from those values.
  const double a[] = {0, 1}, b[] = {-1, 0}, c[] = {0, 0};
  double theta[2] = {0.25, 0.0}, s[2] = {3.0, 0.0}, o[2];
  affine_spec(a, b, c, theta, s, o);
  EXPECT_EQ(theta[0], 0.25);
  EXPECT_EQ(s[0], 3.0);
  // helmert_spec(b[1] = 0, 1) also leaves the y axis's values: skew = 0 - 0.25.
  EXPECT_EQ(theta[1], -0.25);
  EXPECT_EQ(s[1], 0.0);
}

}  // namespace
