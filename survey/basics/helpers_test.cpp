#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "survey/survey.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Round, HalfAwayFromZeroWithGuard) {
  struct Case {
    double v;
    int16_t digits;
    double expected;
  } cases[] = {
      {2.345, 2, 2.35}, {-2.345, 2, -2.35}, {1.5, 0, 2.0},     {-1.5, 0, -2.0},     {2.49999998, 0, 2.0},
      {0.125, 2, 0.13}, {1.005, 2, 1.01},   {123.456, -1, 123}, {123.456, -5, 123}, {7.0, 3, 7.0},
      {0.49999998, 0, 0.0}, {0.49999999, 0, 1.0} /* the guard lifts it to 1.0 */,
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.v << " " << c.digits);
    EXPECT_DOUBLE_EQ(survey_round(c.v, c.digits), c.expected);
  }
  // Zero comes back as negative zero (the sign test is v <= 0).
  EXPECT_TRUE(std::signbit(survey_round(0.0, 2)));
  EXPECT_EQ(survey_round(0.3, -1), survey_round(0.3, 0));
}

TEST(MinMax, TieRules) {
  EXPECT_EQ(iMax(2, 2), 2);
  EXPECT_EQ(iMin(-3, 4), -3);
  EXPECT_EQ(lMax(-70000, 70000), 70000);
  EXPECT_EQ(lMin(-70000, 70000), -70000);
  // fMin/dMin return b on a tie, which shows on signed zeros.
  EXPECT_TRUE(std::signbit(dMin(0.0, -0.0)));
  EXPECT_FALSE(std::signbit(dMin(-0.0, 0.0)));
  EXPECT_TRUE(std::signbit(dMax(0.0, -0.0)));  // a > b fails on a tie: b
  EXPECT_TRUE(std::signbit(fMin(0.0f, -0.0f)));
  EXPECT_EQ(fMax(1.5f, 2.5f), 2.5f);
  // NaN: comparisons fail, so Max returns b and Min returns a.
  EXPECT_EQ(dMax(kNaN, 1.0), 1.0);
  EXPECT_TRUE(std::isnan(dMin(kNaN, 1.0)));
}

TEST(MinMax, ThreeWayAndMiddle) {
  EXPECT_EQ(iMax3(2, 2, 1), 2.0);
  EXPECT_EQ(iMin3(5, -2, 3), -2.0);
  EXPECT_EQ(lMax3(1, 2, 300000), 300000.0);
  EXPECT_EQ(lMin3(1, 2, -300000), -300000.0);
  EXPECT_EQ(fMax3(1.f, 3.f, 2.f), 3.f);
  EXPECT_EQ(fMin3(1.f, 3.f, 2.f), 1.f);
  EXPECT_EQ(dMax3(-1, -2, -3), -1);
  EXPECT_EQ(dMin3(-1, -2, -3), -3);
  struct Case {
    double a, b, c, mid;
  } cases[] = {{1, 3, 2, 2}, {3, 1, 2, 2}, {2, 3, 1, 2}, {5, 5, 1, 5}, {1, 1, 1, 1}, {1, kNaN, 2, 0.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c);
    EXPECT_EQ(dMid3(c.a, c.b, c.c), c.mid);
  }
}

TEST(Elementary, SmallHelpers) {
  EXPECT_EQ(kaijo(5), 120.0);
  EXPECT_EQ(kaijo(0), 1.0);
  EXPECT_EQ(kaijo(1), 1.0);
  EXPECT_EQ(kaijo(-4), 1.0);
  EXPECT_EQ(kaijo(20), 2432902008176640000.0);
  EXPECT_EQ(fpi(2.0), 2.0 * 3.141592653589793);
  EXPECT_EQ(sr(3, 4), 5.0);
  EXPECT_EQ(srm(5, 4), 3.0);
  EXPECT_EQ(srm(4, 5), 0.0);
  EXPECT_EQ(kon(27.0, 3.0), std::pow(27.0, 1.0 / 3.0));
  EXPECT_EQ(kon(27.0, 0.0), 0.0);
  EXPECT_EQ(gy(4.0), 0.25);
  EXPECT_EQ(gy(0.0), 0.0);
  EXPECT_EQ(gy(-0.0), 0.0);
  EXPECT_EQ(sign(2.5), 1);
  EXPECT_EQ(sign(-1e-300), -1);
  EXPECT_EQ(sign(-0.0), 0);
  EXPECT_EQ(sign(kNaN), 0);
  EXPECT_DOUBLE_EQ(sinH(1.0), std::sinh(1.0));
  EXPECT_DOUBLE_EQ(cosH(1.0), std::cosh(1.0));
  EXPECT_DOUBLE_EQ(tanH(0.5), std::tanh(0.5));
  double ip = 0;
  EXPECT_EQ(Modf(-3.25, &ip), -0.25);
  EXPECT_EQ(ip, -3.0);
  EXPECT_EQ(Ceil(-1.5), -1.0);
  EXPECT_EQ(Floor(-1.5), -2.0);
}

TEST(Elementary, TrapIntAndBoxTest) {
  struct Case {
    int32_t v, lo, hi, expected;
  } cases[] = {{5, 0, 3, 3}, {-1, 0, 3, 0}, {2, 0, 3, 2}, {0, 0, 3, 0}, {3, 0, 3, 3}, {2, 5, 1, 1} /* upper test last */};
  for (const auto& c : cases) EXPECT_EQ(TrapInt(c.v, c.lo, c.hi), c.expected) << c.v;
  EXPECT_EQ(zah_cmp(1, 1, 0, 0, 2, 2), -1);
  EXPECT_EQ(zah_cmp(0, 2, 0, 0, 2, 2), -1);  // edges are inside
  EXPECT_EQ(zah_cmp(2.0001, 1, 0, 0, 2, 2), 0);
  EXPECT_EQ(zah_cmp(1, kNaN, 0, 0, 2, 2), 0);
}

TEST(Records, PointAndComplexShareTheLayout) {
  survey_point p{};
  EXPECT_EQ(topoint(&p, 1.5, -2.0), &p);
  EXPECT_EQ(p.x, 1.5);
  EXPECT_EQ(p.y, -2.0);
  survey_complex c{};
  EXPECT_EQ(tocomplex(&c, 3, 4), &c);
  EXPECT_EQ(c.im, 4);
  survey_point q{1.5, -2.0};
  EXPECT_EQ(p_eq(&p, &q), 1);
  q.y = -2.0000001;
  EXPECT_EQ(p_eq(&p, &q), 0);
  survey_complex z1{0.0, 1}, z2{-0.0, 1};
  EXPECT_EQ(c_eq(&z1, &z2), 1);
}

TEST(Text, LeadingNumbers) {
  struct Case {
    const char* s;
    int32_t i;
    double d;
  } cases[] = {{"  42abc", 42, 42}, {"-17.9", -17, -17.9}, {"x1", 0, 0}, {"", 0, 0},
               {"+3e2", 3, 300},    {"99999999999", INT32_MAX, 99999999999.0}, {"-99999999999", INT32_MIN, -99999999999.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.s);
    EXPECT_EQ(a2i(c.s), c.i);
    EXPECT_EQ(a2l(c.s), c.i);
    EXPECT_EQ(a2d(c.s), c.d);
  }
  char buf[] = "text";
  EXPECT_EQ(char_clear(buf), 0);
  EXPECT_STREQ(buf, "");
  EXPECT_EQ(buf[1], 'e');
}

}  // namespace
