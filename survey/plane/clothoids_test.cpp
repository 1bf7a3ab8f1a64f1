// Clothoids against the Fresnel integrals, the element relations and the circle
// meeting point.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "survey/survey.h"

namespace {

#include "clothoid_reference_test.inc"

// Where the 20-term series is held to rounding, and how far it drifts beyond.
double series_tolerance(double tau) {
  if (tau <= 6.3) return 1e-14;
  if (tau <= 8.0) return 5e-14;
  return 2e-10;
}

TEST(Hureneru, MatchesFresnelIntegrals) {
  double C = 0.0, S = 0.0;
  hureneru(0.0, &C, &S);
  EXPECT_EQ(C, 1.0);
  EXPECT_EQ(S, 1.0);
  for (const auto& r : kFresnelSeries) {
    SCOPED_TRACE(r[0]);
    hureneru(r[0], &C, &S);
    EXPECT_NEAR(C, r[1], series_tolerance(r[0]));
    EXPECT_NEAR(S, r[2], series_tolerance(r[0]));
  }
  // The leading terms: 1 - tau^2/10 + tau^4/216 and 1 - tau^2/14 + tau^4/440.
  hureneru(0.01, &C, &S);
  EXPECT_NEAR(C, 1 - 1e-4 / 10 + 1e-8 / 216, 3e-16);
  EXPECT_NEAR(S, 1 - 1e-4 / 14 + 1e-8 / 440, 3e-16);
}

TEST(ClothoidCoordinates, FromParameterAndFromRadius) {
  using Coordinates = void(SURVEY_CALL*)(double, double, double*, double*);
  const struct {
    Coordinates f;
    const double (*rows)[5];
    size_t count;
  } sets[] = {{kloth_keA, kClothoidA, std::size(kClothoidA)},
              {kloth_keR, kClothoidR, std::size(kClothoidR)}};
  for (const auto& set : sets) {
    for (size_t i = 0; i < set.count; ++i) {
      const double* r = set.rows[i];
      SCOPED_TRACE(testing::Message() << (set.f == kloth_keA ? "A " : "R ") << r[0] << " tau " << r[1]);
      double X = 0.0, Y = 0.0;
      set.f(r[0], r[1], &X, &Y);
      EXPECT_NEAR(X, r[3], series_tolerance(r[1]) * r[2]);
      EXPECT_NEAR(Y, r[4], series_tolerance(r[1]) * r[2]);
    }
  }
  double X = -1.0, Y = -1.0;
  kloth_keR(100.0, 0.0, &X, &Y);
  EXPECT_EQ(X, 0.0);
  EXPECT_EQ(Y, 0.0);
}

TEST(ClothoidElements, ParameterRadiusLengthAndAngle) {
  struct Row {
    double (*f)(double, double);
    double a, b, want;
  };
  const Row rows[] = {
      {kloth_para, 100, 20, std::sqrt(2000.0)}, {kloth_para, -100, 20, 0.0},
      {kloth_para, 100, 0, 0.0},                {kloth_rad, 20, 100, 500.0},
      {kloth_rad, 0, 100, 0.0},                 {kloth_rad, -20, 100, -500.0},
      {kloth_len, 100, 250, 40.0},              {kloth_len, 100, 0, 0.0},
      {kloth_tau1, 100, 20, 0.1},               {kloth_tau2, 100, 40, 0.08},
  };
  for (const auto& r : rows) EXPECT_DOUBLE_EQ(r.f(r.a, r.b), r.want) << r.a << " " << r.b;
  // A^2 = R L and both angle forms agree.
  const double A = kloth_para(250, 60);
  EXPECT_NEAR(kloth_rad(60, A), 250, 1e-12);
  EXPECT_NEAR(kloth_len(A, 250), 60, 1e-12);
  EXPECT_NEAR(kloth_tau2(A, 60), kloth_tau1(250, 60), 1e-15);
}

TEST(ClothoidWork, TransitionElements) {
  double X, Y, dR, TK, TL, sigma, S0;
  kloth_work(100, 0.1, &X, &Y, &dR, &TK, &TL, &sigma, &S0);
  EXPECT_NEAR(X, 19.98001, 5e-6);
  EXPECT_NEAR(Y, 0.66619, 5e-6);
  EXPECT_NEAR(dR, 0.16661, 5e-6);
  EXPECT_NEAR(X, kClothoidWork[0][0], 1e-13);
  EXPECT_NEAR(Y, kClothoidWork[0][1], 1e-14);
  EXPECT_NEAR(dR, 100 * std::cos(0.1) + Y - 100, 1e-13);
  EXPECT_NEAR(TL + TK * std::cos(0.1), X, 1e-13);
  EXPECT_NEAR(TK * std::sin(0.1), Y, 1e-14);
  EXPECT_NEAR(std::tan(sigma), Y / X, 1e-15);
  EXPECT_NEAR(S0, std::hypot(X, Y), 1e-12);
}

TEST(ClothoidMeetsCircle, FirstMeetingPoint) {
  for (const auto& r : kClothoidCircle) {
    SCOPED_TRACE(testing::Message() << r[0] << " " << r[1] << " R " << r[2] << " A " << r[3]);
    for (double tol : {1e-9, 0.0, -1.0}) {  // tol <= 0 runs every step and still ends there
      double x = 0.0, y = 0.0;
      kloth_koutenEN(r[0], r[1], r[2], 0, 0, r[3], tol, &x, &y);
      EXPECT_NEAR(x, r[4], 1e-9);
      EXPECT_NEAR(y, r[5], 1e-9);
    }
    // A shifted start shifts the point.
    double x = 0.0, y = 0.0;
    kloth_koutenEN(r[0] + 1000, r[1] - 500, r[2], 1000, -500, r[3], 1e-9, &x, &y);
    EXPECT_NEAR(x, r[4] + 1000, 1e-9);
    EXPECT_NEAR(y, r[5] - 500, 1e-9);
  }
  EXPECT_NEAR(kClothoidCircle[0][4], 119.944926673159, 1e-11);
  EXPECT_NEAR(kClothoidCircle[0][5], 33.605065498884, 1e-11);
}

TEST(ClothoidMeetsCircle, StartOnOrInsideAndNeverMet) {
  double x = -1.0, y = -1.0;
  kloth_koutenEN(150, 60, 200, 3, 4, 100, 1e-9, &x, &y);  // start inside
  EXPECT_EQ(x, 3.0);
  EXPECT_EQ(y, 4.0);
  kloth_koutenEN(0, 50, 50 - 1e-12, 0, 0, 100, 1e-9, &x, &y);  // within tol
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);
  kloth_koutenEN(0, 1000, 10, 0, 0, 100, 1e-9, &x, &y);  // beyond the series' reach
  EXPECT_TRUE(std::isnan(x));
  EXPECT_TRUE(std::isnan(y));
}

}  // namespace
