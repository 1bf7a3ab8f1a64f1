// Trigonometry in degrees and DMS; degree / DMS point computations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;

TEST(ArcsinArccos, ThroughTheArctangent) {
  struct Case {
    double v, asin, acos;
  } exact[] = {
      {1.0, kHalfPi, 0.0},  // infinite quotient: atan gives exactly pi/2
      {-1.0, -kHalfPi, kPi},
      {0.0, 0.0, kHalfPi},
  };
  for (const auto& c : exact) {
    SCOPED_TRACE(c.v);
    EXPECT_EQ(arcsin(c.v), c.asin);
    EXPECT_EQ(arccos(c.v), c.acos);
  }
  EXPECT_TRUE(std::signbit(arcsin(-0.0)));
  for (double v : {1.0000001, -1.5, 2.0, std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(v);
    EXPECT_TRUE(std::isnan(arcsin(v)));
    EXPECT_TRUE(std::isnan(arccos(v)));
    EXPECT_TRUE(std::isnan(deg_arcsin(v)));
    EXPECT_TRUE(std::isnan(deg_arccos(v)));
    EXPECT_TRUE(std::isnan(dms_arcsin(v)));
    EXPECT_TRUE(std::isnan(dms_arccos(v)));
  }
  // Against the library functions away from +-1, where v / sqrt(1 - v^2) loses no
  // more than a few ulps: 1e-15 rad.
  for (int i = -99; i <= 99; ++i) {
    const double v = i / 100.0;
    SCOPED_TRACE(v);
    EXPECT_NEAR(arcsin(v), std::asin(v), 1e-15);
    EXPECT_NEAR(arccos(v), std::acos(v), 1e-15);
  }
}

TEST(DegreeTrig, ValuesAndExactPoints) {
  // Rounded radians carry a relative error of about 1e-16, so degree arguments
  // match the exact values to within 2.5e-16; the DMS guard moves an angle by up
  // to 3e-14 deg (5e-16 rad) more, so DMS arguments get 1e-15.
  struct Case {
    const char* what;
    double got, expected, tol;
  } cases[] = {
      {"degsin(30)", degsin(30.0), 0.5, 2.5e-16},
      {"degcos(60)", degcos(60.0), 0.5, 2.5e-16},
      {"degtan(45)", degtan(45.0), 1.0, 2.5e-16},
      {"degsin(-90)", degsin(-90.0), -1.0, 2.5e-16},
      {"dmssin(30)", dmssin(30.0), 0.5, 1e-15},
      {"dmscos(60)", dmscos(60.0), 0.5, 1e-15},
      {"dmstan(45)", dmstan(45.0), 1.0, 2e-15},  // tan' = 2 at 45 deg
      {"dmssin(35.3)", dmssin(35.3), std::sin(35.5 * kPi / 180), 1e-15},
      {"dmscos(-0.3)", dmscos(-0.3), std::cos(0.5 * kPi / 180), 1e-15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(c.got, c.expected, c.tol);
  }
  EXPECT_EQ(degsin(90.0), 1.0);
  EXPECT_EQ(degcos(0.0), 1.0);
  EXPECT_EQ(deg_arcsin(1.0), 90.0);
  EXPECT_EQ(deg_arccos(-1.0), 180.0);
  EXPECT_EQ(deg_arctan(1.0), 45.0);
  EXPECT_EQ(deg_arctan(-std::numeric_limits<double>::infinity()), -90.0);
  EXPECT_NEAR(deg_arcsin(0.5), 30.0, 1e-14);
  EXPECT_NEAR(deg_arccos(0.5), 60.0, 1e-14);
}

TEST(DmsTrig, InverseFunctionsTruncate) {
  EXPECT_EQ(dms_arcsin(1.0), 90.0);
  EXPECT_EQ(dms_arctan(1.0), 45.0);
  EXPECT_EQ(dms_arcsin(0.5), 30.0);  // 30.000000000000004 deg: seconds just above 0
  // deg_arccos(0.5) is 59.99999999999999 deg and deg2dms does not carry: the packed
  // result is 59d59'59.99999..", which rounds to the double of 59.596 (59d59'60"),
  // not 60.0.
  const double p = dms_arccos(0.5);
  EXPECT_EQ(p, 59.596);
  EXPECT_NEAR(dms2deg(p), 60.0, 1e-12);
}

TEST(Reciprocals, GuardedOnlyAtExactZero) {
  EXPECT_EQ(cot(0.0), 0.0);
  EXPECT_EQ(cosec(0.0), 0.0);
  EXPECT_EQ(sec(0.0), 1.0);
  EXPECT_NEAR(cosec(kPi / 6), 2.0, 1e-15);
  EXPECT_NEAR(sec(kPi / 3), 2.0, 1e-15);
  EXPECT_NEAR(cot(kPi / 4), 1.0, 1e-15);
  // cos of the rounded pi/2 is 6.1e-17, not 0: the guard does not apply.
  EXPECT_GT(sec(kHalfPi), 1e16);
  EXPECT_GT(cosec(kPi), 1e15);
}

TEST(Arctan2, FirstArgumentIsY) {
  struct Case {
    double y, x, expected;
  } cases[] = {
      {1.0, 0.0, kHalfPi}, {0.0, -1.0, kPi}, {-1.0, 0.0, -kHalfPi}, {0.0, 0.0, 0.0},
      {1.0, 1.0, kPi / 4}, {-1.0, -1.0, -3 * kPi / 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << ", " << c.x);
    EXPECT_EQ(arctan2(c.y, c.x), c.expected);
  }
  EXPECT_NEAR(arctan2(2.0, 1.0), 1.1071487177940904, 1e-16);
}

TEST(DegDmsPoints, SideShotSineGoesToX) {
  struct Case {
    double angle_deg, angle_dms, x, y;
  } cases[] = {
      {0.0, 0.0, 1.0, 12.0},       {90.0, 90.0, 11.0, 2.0},    {180.0, 180.0, 1.0, -8.0},
      {270.0, 270.0, -9.0, 2.0},   {-90.0, -90.0, -9.0, 2.0},  {30.0, 30.0, 6.0, 2.0 + 5.0 * std::sqrt(3.0)},
      {135.0, 135.0, 1.0 + 5.0 * std::sqrt(2.0), 2.0 - 5.0 * std::sqrt(2.0)},
      {35.5, 35.3, 1.0 + 10.0 * std::sin(35.5 * kPi / 180), 2.0 + 10.0 * std::cos(35.5 * kPi / 180)},
  };
  // From (1, 2) at distance 10. The DMS guard moves the angle by up to 3e-14 deg
  // (5e-16 rad) and radians are rounded: 1e-13 m covers both at 10 m.
  for (const auto& c : cases) {
    SCOPED_TRACE(c.angle_deg);
    double x = 0, y = 0;
    DEGside_shot(1.0, 2.0, 10.0, c.angle_deg, &x, &y);
    EXPECT_NEAR(x, c.x, 1e-13);
    EXPECT_NEAR(y, c.y, 1e-13);
    DMSside_shot(1.0, 2.0, 10.0, c.angle_dms, &x, &y);
    EXPECT_NEAR(x, c.x, 1e-13);
    EXPECT_NEAR(y, c.y, 1e-13);
  }
  double x = 0, y = 0;
  DMSside_shot(0.0, 0.0, 10.0, 90.0, &x, &y);
  EXPECT_EQ(x, 10.0);
  EXPECT_NEAR(y, 0.0, 1e-14);
}

TEST(DegDmsPoints, DirectionAngles) {
  struct Case {
    double x2, y2, deg, dms;
  } cases[] = {
      {0, 1, 0.0, 0.0},     {1, 0, 90.0, 90.0},    {0, -1, 180.0, 180.0}, {-1, 0, 270.0, 270.0},
      {1, 1, 45.0, 45.0},   {-1, 1, 315.0, 315.0}, {0, 0, 0.0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x2 << ", " << c.y2);
    EXPECT_EQ(DEGang(0, 0, c.x2, c.y2), c.deg);
    EXPECT_EQ(DMSang(0, 0, c.x2, c.y2), c.dms);
  }
  const double s3 = std::sqrt(3.0);
  EXPECT_NEAR(DEGang(0, 0, 0.5, s3 / 2), 30.0, 1e-13);
  // 240 deg (down and left) comes out a hair under; packed without carry it reads
  // 239d59'60" (239.596), which dms2deg brings back.
  EXPECT_NEAR(dms2deg(DMSang(10, 10, 10 - s3, 9)), 240.0, 1e-12);
}

TEST(DegDmsPoints, DistangConvertsOnlyTheAngle) {
  double d = 0, a = 0, dx = 0, dy = 0;
  DEGdistang(1.0, 1.0, 4.0, -3.0, &d, &a, &dx, &dy);
  EXPECT_EQ(d, 5.0);
  EXPECT_EQ(dx, 3.0);
  EXPECT_EQ(dy, -4.0);
  EXPECT_NEAR(a, 180.0 - std::atan(0.75) * 180.0 / kPi, 1e-13);
  double dm = 0, am = 0, dxm = 0, dym = 0;
  DMSdistang(1.0, 1.0, 4.0, -3.0, &dm, &am, &dxm, &dym);
  EXPECT_EQ(dm, 5.0);
  EXPECT_EQ(dxm, 3.0);
  EXPECT_EQ(dym, -4.0);
  EXPECT_EQ(am, deg2dms(a));
  // 143.13010235415598 deg is 143d07'48.37"
  EXPECT_NEAR(am, 143.074837, 1e-6);
  DMSdistang(0, 0, -1, 0, &dm, &am, &dxm, &dym);
  EXPECT_EQ(am, 270.0);
}

}  // namespace
