// JIS Z 8401 rounding, rules A and B, halves within 1e-12, signs, zeros and NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "survey/survey.h"

namespace {

TEST(JisRounding, Table) {
  struct Case {
    double x;
    int16_t n;
    double a, b;  // rule A (half to even), rule B (half away from zero)
  } cases[] = {
      {2.5, 0, 2, 3},           {3.5, 0, 4, 4},          {-2.5, 0, -2, -3},      {-3.5, 0, -4, -4},
      {0.125, 2, 0.12, 0.13},   {1.005, 2, 1.0, 1.01},   {1.2345, 3, 1.234, 1.235}, {2.50000000001, 0, 3, 3},
      {2.4999999999999, 0, 2, 3},  // within 1e-12 of a half: a tie
      {2.49999999999, 0, 2, 2},    // 1e-11 below: not a tie
      {2.5, -1, 2, 3},          // n < 1 rounds to an integer
      {1.26, 1, 1.3, 1.3},      {1.24, 1, 1.2, 1.2},     {-1.26, 1, -1.3, -1.3}, {123456.785, 2, 123456.78, 123456.79},
      {7.0, 3, 7.0, 7.0},       {0.5, 0, 0, 1},          {-0.5, 0, -0.0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.n);
    EXPECT_DOUBLE_EQ(round5(c.x, c.n), c.a);
    EXPECT_DOUBLE_EQ(roundB(c.x, c.n), c.b);
    EXPECT_EQ(JIS8401(1, c.x, c.n), round5(c.x, c.n));
    EXPECT_EQ(JIS8401(2, c.x, c.n), roundB(c.x, c.n));
  }
}

TEST(JisRounding, ZerosNanInfinityAndRules) {
  for (double zero : {0.0, -0.0}) {
    EXPECT_EQ(round5(zero, 0), 0.0);
    EXPECT_TRUE(std::signbit(round5(zero, 0)));
    EXPECT_TRUE(std::signbit(roundB(zero, 2)));
  }
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(std::isnan(round5(std::nan(""), 2)));
  EXPECT_TRUE(std::isnan(roundB(std::nan(""), 0)));
  EXPECT_EQ(round5(inf, 2), inf);
  EXPECT_EQ(roundB(-inf, 0), -inf);
  EXPECT_EQ(JIS8401(3, 1.5, 0), 0.0);
  EXPECT_EQ(JIS8401(0, 1.5, 0), 0.0);
  // Rule A and rule B agree everywhere but on halves.
  for (int k = -2000; k <= 2000; ++k) {
    const double x = k * 0.001 + 0.0003;
    ASSERT_EQ(round5(x, 2), roundB(x, 2)) << x;
  }
}

}  // namespace
