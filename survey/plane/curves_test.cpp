// Circular curves: elements, curves between tangents turning either way, and the
// curve of a given circle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kSet = -777.25;  // preset out-values; never read by the functions

struct Curve {
  double bcx = kSet, bcy = kSet, ecx = kSet, ecy = kSet, ox = kSet, oy = kSet;
  double I = kSet, T = kSet, SL = kSet, CL = kSet;
};

Curve setu(const double* r) {
  Curve c;
  ip_setu(r[0], r[1], r[2], r[3], r[4], r[5], r[6], &c.bcx, &c.bcy, &c.ecx, &c.ecy, &c.ox, &c.oy,
          &c.I, &c.T, &c.SL, &c.CL);
  return c;
}

TEST(GetTSC, ElementsOnlyForZeroToPi) {
  const double rows[][5] = {
      // I, R; T, SL, CL
      {kPi / 2, 100, 100, 100 * (std::sqrt(2.0) - 1), 50 * kPi},
      {kPi / 3, 60, 60 / std::sqrt(3.0), 60 * (2 / std::sqrt(3.0) - 1), 20 * kPi},
      {0, 100, 0, 0, 0},
  };
  for (const auto& r : rows) {
    double T = kSet, SL = kSet, CL = kSet;
    get_TSC(r[0], r[1], &T, &SL, &CL);
    EXPECT_NEAR(T, r[2], 1e-12);
    EXPECT_NEAR(SL, r[3], 1e-12);
    EXPECT_NEAR(CL, r[4], 1e-12);
  }
  for (double I : {-1e-9, kPi + 1e-9, 4.0, std::nan("")}) {
    double T = kSet, SL = kSet, CL = kSet;
    get_TSC(I, 100, &T, &SL, &CL);
    EXPECT_EQ(T, kSet);
    EXPECT_EQ(SL, kSet);
    EXPECT_EQ(CL, kSet);
  }
}

// A, IP, B, R; I as written; BC, EC, O.
const double kTurns[][14] = {
    // Left turn across direction 0: I = 7pi/4, a 45-degree turn.
    {0, 0, 0, 100, -100, 200, 100, 7 * kPi / 4, 0, 58.57864376269049, -29.289321881345245,
     129.28932188134524, -100, 58.57864376269049},
    // The right turn of the same size.
    {0, 0, 0, 100, 100, 200, 100, kPi / 4, 0, 58.57864376269049, 29.289321881345245,
     129.28932188134524, 100, 58.57864376269049},
    // A left turn that stays off direction 0: I = -pi/4.
    {0, 0, 100, 0, 200, 100, 100, -kPi / 4, 58.57864376269049, 0, 129.28932188134524,
     29.289321881345245, 58.57864376269049, 100},
    // A right turn across direction 0: I = -7pi/4.
    {0, 0, -100, 100, -100, 200, 100, -7 * kPi / 4, -70.71067811865476, 70.71067811865476,
     -100, 141.4213562373095, 0, 141.4213562373095},
};

TEST(IpSetu, EitherTurnGivesTheCurve) {
  for (const auto& r : kTurns) {
    SCOPED_TRACE(r[7]);
    const Curve c = setu(r);
    EXPECT_NEAR(c.I, r[7], 1e-15);
    EXPECT_NEAR(c.T, 41.42135623730950, 1e-12);
    EXPECT_NEAR(c.SL, 100 / std::cos(kPi / 8) - 100, 1e-12);
    EXPECT_NEAR(c.CL, 25 * kPi, 1e-12);
    EXPECT_NEAR(c.bcx, r[8], 1e-9);
    EXPECT_NEAR(c.bcy, r[9], 1e-9);
    EXPECT_NEAR(c.ecx, r[10], 1e-9);
    EXPECT_NEAR(c.ecy, r[11], 1e-9);
    EXPECT_NEAR(c.ox, r[12], 1e-9);
    EXPECT_NEAR(c.oy, r[13], 1e-9);
  }
}

TEST(IpSetu, CentreIsRadiusAwayAndSquareToTheTangent) {
  const double rows[][7] = {
      {12, -40, 300, 25, 420, 410, 180},   {5, 5, 90, 150, -60, 260, 75},
      {0, 0, 0, 500, 480, 500.5, 1200},    {-50, 300, 10, 20, -80, -200, 40},
      {1000, 1000, 900, 1200, 700, 1250, 60},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r[4] << " " << r[5]);
    const Curve c = setu(r);
    const double turn = std::remainder(c.I, 2 * kPi);
    EXPECT_NEAR(c.T, r[6] * std::tan(std::fabs(turn) / 2), 1e-9 * c.T);
    EXPECT_NEAR(std::hypot(c.ox - c.bcx, c.oy - c.bcy), r[6], 1e-8);
    EXPECT_NEAR(std::hypot(c.ox - c.ecx, c.oy - c.ecy), r[6], 1e-8);
    EXPECT_NEAR(std::hypot(c.bcx - r[2], c.bcy - r[3]), c.T, 1e-8);
    EXPECT_NEAR(std::hypot(c.ecx - r[2], c.ecy - r[3]), c.T, 1e-8);
    const double tx = r[2] - r[0], ty = r[3] - r[1];
    EXPECT_NEAR((c.ox - c.bcx) * tx + (c.oy - c.bcy) * ty, 0.0, 1e-8 * std::hypot(tx, ty));
    // The centre lies on the side toward which the route turns.
    const double side = tx * (c.oy - c.bcy) - ty * (c.ox - c.bcx);
    EXPECT_LT(side * turn, 0.0);
  }
}

TEST(IpSetu, StraightLineCollapsesOntoIP) {
  const double r[] = {0, 0, 10, 0, 20, 0, 100};
  const Curve c = setu(r);
  EXPECT_EQ(c.I, 0.0);
  EXPECT_EQ(c.T, 0.0);
  EXPECT_EQ(c.bcx, 10.0);
  EXPECT_EQ(c.bcy, 0.0);
  EXPECT_EQ(c.ecx, 10.0);
  EXPECT_EQ(c.ecy, 0.0);
  EXPECT_EQ(c.ox, 0.0);  // the two perpendiculars are one line
  EXPECT_EQ(c.oy, 0.0);
}

TEST(IpSetu3, SameCurveFromTheAngle) {
  for (const auto& r : kTurns) {
    SCOPED_TRACE(r[7]);
    const Curve want = setu(r);
    // The turn as written and by another whole turn give the same curve.
    for (double I : {r[7], r[7] - 2 * kPi * (r[7] > 0 ? 1 : -1)}) {
      Curve c;
      ip_setu3(r[0], r[1], r[2], r[3], I, r[6], &c.bcx, &c.bcy, &c.ecx, &c.ecy, &c.ox, &c.oy,
               &c.T, &c.SL, &c.CL);
      EXPECT_EQ(c.I, kSet);
      EXPECT_NEAR(c.T, want.T, 1e-12);
      EXPECT_NEAR(c.SL, want.SL, 1e-12);
      EXPECT_NEAR(c.CL, want.CL, 1e-12);
      EXPECT_NEAR(c.bcx, want.bcx, 1e-9);
      EXPECT_NEAR(c.bcy, want.bcy, 1e-9);
      EXPECT_NEAR(c.ecx, want.ecx, 1e-9);
      EXPECT_NEAR(c.ecy, want.ecy, 1e-9);
      EXPECT_NEAR(c.ox, want.ox, 1e-9);
      EXPECT_NEAR(c.oy, want.oy, 1e-9);
    }
  }
}

TEST(IpSetu2, CurveOfAGivenCircle) {
  double p1x = kSet, p1y = kSet, p2x = kSet, p2y = kSet, I = kSet, T = kSet, SL = kSet, CL = kSet;
  ip_setu2(0, 200, 0, 0, 100, &p1x, &p1y, &p2x, &p2y, &I, &T, &SL, &CL);
  EXPECT_NEAR(T, 100 * std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(I, 2 * kPi / 3, 1e-15);
  EXPECT_NEAR(SL, 100, 1e-12);
  EXPECT_NEAR(CL, 200 * kPi / 3, 1e-12);
  EXPECT_NEAR(std::min(p1x, p2x), -86.60254037844386, 1e-9);
  EXPECT_NEAR(std::max(p1x, p2x), 86.60254037844386, 1e-9);
  EXPECT_NEAR(p1y, 50, 1e-9);
  EXPECT_NEAR(p2y, 50, 1e-9);

  // The curve that ip_setu builds is found again from its IP and circle.
  for (const auto& r : kTurns) {
    const Curve c = setu(r);
    ip_setu2(r[2], r[3], c.ox, c.oy, r[6], &p1x, &p1y, &p2x, &p2y, &I, &T, &SL, &CL);
    EXPECT_NEAR(T, c.T, 1e-9);
    EXPECT_NEAR(I, std::fabs(std::remainder(c.I, 2 * kPi)), 1e-12);
    EXPECT_NEAR(SL, c.SL, 1e-9);
    EXPECT_NEAR(std::min(std::hypot(p1x - c.bcx, p1y - c.bcy), std::hypot(p2x - c.bcx, p2y - c.bcy)),
                0.0, 1e-8);
    EXPECT_NEAR(std::min(std::hypot(p1x - c.ecx, p1y - c.ecy), std::hypot(p2x - c.ecx, p2y - c.ecy)),
                0.0, 1e-8);
  }

  // IP on or inside the circle: nothing written.
  for (double y : {100.0, 50.0, 0.0}) {
    double o[8] = {kSet, kSet, kSet, kSet, kSet, kSet, kSet, kSet};
    ip_setu2(0, y, 0, 0, 100, &o[0], &o[1], &o[2], &o[3], &o[4], &o[5], &o[6], &o[7]);
    for (double v : o) EXPECT_EQ(v, kSet);
  }
}

}  // namespace
