// Angle conversions and packed DMS arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
// The DMS guard of dms2deg shifts a value by up to a few 1e-14 degrees, and the
// truncating splits of deg2dms leave a few units in the last place, so packed
// values are compared within 1e-12 (about 4 micro-arcseconds).
constexpr double kDmsTol = 1e-12;

TEST(AngleConversion, ExactConstants) {
  struct Case {
    const char* what;
    double got, expected;
  } cases[] = {
      {"rad2deg(pi)", rad2deg(kPi), 180.0},
      {"rad2deg(pi/2)", rad2deg(1.5707963267948966), 90.0},
      {"deg2rad(180)", deg2rad(180.0), kPi},
      {"deg2rad(90)", deg2rad(90.0), 1.5707963267948966},
      {"deg2rad(-180)", deg2rad(-180.0), -kPi},
      {"deg2sec(1.5)", deg2sec(1.5), 5400.0},
      {"sec2deg(3600)", sec2deg(3600.0), 1.0},
      {"sec2deg(-1800)", sec2deg(-1800.0), -0.5},
      {"grad2deg(400)", grad2deg(400.0), 360.0},
      {"grad2deg(100)", grad2deg(100.0), 90.0},
      {"deg2grad(90)", deg2grad(90.0), 100.0},
      // The factors are the rounded constants themselves, not divisions.
      {"rad2deg(1)", rad2deg(1.0), 57.29577951308232},
      {"sec2deg(1)", sec2deg(1.0), 0.0002777777777777778},
      {"deg2grad(1)", deg2grad(1.0), 1.1111111111111112},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.got, c.expected);
  }
}

TEST(DmsToDeg, GuardKeepsMinutesAndSeconds) {
  struct Case {
    double dms, deg;
    double whole_minutes;  // minutes of arc of |deg| past its whole degrees
  } cases[] = {
      {35.3, 35.5, 30},  // without the guard: 35d29m59.99..s
      {30.3, 30.5, 30},
      {12.3045, 12.5125, 30},
      {35.12345, 35.0 + 12.0 / 60.0 + 34.5 / 3600.0, 12},
      {-0.3, -0.5, 30},
      {-35.3, -35.5, 30},
      {100.0, 100.0, 0},  // the 1e-13 guard
      {359.5959, 359.0 + 59.0 / 60.0 + 59.0 / 3600.0, 59},
      {0.0001, 1.0 / 3600.0, 0},
      {9.5959, 9.0 + 59.0 / 60.0 + 59.0 / 3600.0, 59},  // just under the 1e-14 step
      {10.0001, 10.0 + 1.0 / 3600.0, 0},                // just over it
      {10.70, 11.0 + 10.0 / 60.0, 10},                  // 70 minutes are read, not checked
      {0.06, 0.1, 6},
      {0.0060, 1.0 / 60.0, 1},  // 60 seconds are read as one minute
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dms);
    const double deg = dms2deg(c.dms);
    EXPECT_NEAR(deg, c.deg, kDmsTol);
    const double a = std::fabs(deg);
    EXPECT_EQ(std::floor((a - std::floor(a)) * 60.0), c.whole_minutes);
  }
}

TEST(DmsToDeg, SignHandling) {
  for (double p : {0.3, 35.3, 12.3045, 100.0, 359.5959, 1e-4}) {
    SCOPED_TRACE(p);
    EXPECT_EQ(dms2deg(-p), -dms2deg(p));  // all parts carry the sign
    EXPECT_EQ(deg2dms(-dms2deg(p)), -deg2dms(dms2deg(p)));
  }
  // Zero is lifted by the guard too, and a negative zero is not negative.
  EXPECT_GT(dms2deg(0.0), 0.0);
  EXPECT_LT(dms2deg(0.0), 1e-14);
  EXPECT_EQ(dms2deg(-0.0), dms2deg(0.0));
  EXPECT_FALSE(std::signbit(dms2deg(-0.0)));
}

TEST(DegToDms, TruncatingSplit) {
  struct Case {
    double deg, dms;
  } cases[] = {
      {35.5, 35.3}, {-0.5, -0.3}, {90.0, 90.0}, {100.0, 100.0}, {0.1, 0.06}, {1.0 / 3.0, 0.2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.deg);
    EXPECT_EQ(deg2dms(c.deg), c.dms);  // exact for these values
  }
  EXPECT_NEAR(deg2dms(12.5125), 12.3045, kDmsTol);
  EXPECT_NEAR(deg2dms(-12.5125), -12.3045, kDmsTol);
  // No carry: a hair under 1 degree stays 0d59m59.99..s instead of becoming 1.0.
  const double under = deg2dms(1.0 - 1e-12);
  EXPECT_GT(under, 0.5959);
  EXPECT_LT(under, 0.596);
  EXPECT_TRUE(std::isnan(deg2dms(std::numeric_limits<double>::quiet_NaN())));
}

TEST(DegToDms, RoundTrip) {
  for (double p : {35.3, 30.3, 12.3045, 0.0001, -0.3, -179.5959, 359.5959, 45.0, 10.0, 9.5959}) {
    SCOPED_TRACE(p);
    EXPECT_NEAR(deg2dms(dms2deg(p)), p, kDmsTol);
  }
}

TEST(DmsArithmetic, CarriesAndSigns) {
  struct Case {
    const char* what;
    double got, expected;
  } cases[] = {
      {"10d30'30\" + 0d30'30\"", add_dms(10.3030, 0.3030), 11.0100},
      {"0d59'59\" + 1\" carries twice", add_dms(0.5959, 0.0001), 1.0},
      {"59' + 1' carries", add_dms(0.59, 0.01), 1.0},
      {"11d01' - 0d30'30\" borrows", sub_dms(11.01, 0.3030), 10.3030},
      {"negative difference", sub_dms(0.3030, 10.3030), -10.0},
      {"negative operand", add_dms(-0.3, 1.0), 0.3},
      {"2 x 10d30'", mul_dms(10.3, 2.0), 21.0},
      {"10d30' / 2", div_dms(10.3, 2.0), 5.15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(c.got, c.expected, kDmsTol);
  }
  // No carry on the way back: 20d / 0d30' comes out a hair under 40 (both guards
  // lift the operands) and stays 39d59'59.99..".
  const double q = div_dms(20.0, 0.3);
  EXPECT_GT(q, 39.5959);
  EXPECT_LT(q, 39.596);
  // A zero divisor is read through the guard of dms2deg as a few 1e-15 degrees,
  // so the quotient is huge but finite.
  EXPECT_GT(std::fabs(div_dms(1.0, 0.0)), 1e14);
}

TEST(PolarToRectangular, MathematicalAngle) {
  double x = -1, y = -1;
  p2d(2.0, 0.0, &x, &y);
  EXPECT_EQ(x, 2.0);
  EXPECT_EQ(y, 0.0);
  p2d(2.0, kPi / 2, &x, &y);  // counter-clockwise from +x: onto +y
  EXPECT_NEAR(x, 0.0, 1e-15);
  EXPECT_EQ(y, 2.0);
  p2d(1.0, -kPi / 2, &x, &y);
  EXPECT_NEAR(x, 0.0, 1e-15);
  EXPECT_EQ(y, -1.0);
  p2d(-3.0, kPi / 4, &x, &y);
  EXPECT_NEAR(x, -3.0 * std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(y, -3.0 * std::sqrt(0.5), 1e-15);
}

}  // namespace
