// Quadratic roots and the circle cut by slope-form and vertical lines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "survey/survey.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSentinel = -777.25;

TEST(KaiKousiki, CountsAndRootsInOrder) {
  struct Case {
    double A, B, C;
    int16_t n;
    double r1, r2;
  } cases[] = {
      {1, -2, 1, 1, 1, 1},       // double root
      {1, 0, 1, 0, 0, 0},        // complex: n = 0, roots 0
      {1, -3, 2, 2, 2, 1},       // (sqrt d - B)/2A first
      {-1, 3, -2, 2, 1, 2},      // negative A turns the order round
      {2, 0, -8, 2, 2, -2},
      {1, kNaN, 1, 0, 0, 0},     // NaN discriminant passes none of the tests
      {1, 1, kNaN, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.A << " " << c.B << " " << c.C);
    int16_t n = 9;
    double r1 = kSentinel, r2 = kSentinel;
    kai_kousiki(c.A, c.B, c.C, &n, &r1, &r2);
    EXPECT_EQ(n, c.n);
    EXPECT_EQ(r1, c.r1);
    EXPECT_EQ(r2, c.r2);
  }
}

// Where B^2 >> |4AC| the root of the smaller size is found by cancellation: it keeps
// only about log10(B^2/|4AC|) fewer digits, which is what callers must allow for.
TEST(KaiKousiki, CancellationIsBoundedByTheCondition) {
  for (double B : {1e2, 1e4, 1e6}) {
    int16_t n = 0;
    double r1 = 0, r2 = 0;
    kai_kousiki(1.0, B, 1.0, &n, &r1, &r2);  // roots -1/B (about) and -B
    ASSERT_EQ(n, 2);
    const double small = -2.0 / (B + std::sqrt(B * B - 4.0));  // the stable form
    const double tol = 4 * std::numeric_limits<double>::epsilon() * B * B * std::fabs(small);
    EXPECT_NEAR(r1, small, tol) << B;
    EXPECT_NEAR(r1 * r2, 1.0, tol * B) << B;
  }
}

TEST(Hanbetu, SignOfTheDiscriminant) {
  EXPECT_EQ(hanbetu(1, -2, 1), 0);
  EXPECT_EQ(hanbetu(1, 0, 1), -1);
  EXPECT_EQ(hanbetu(1, 3, 1), 1);
  EXPECT_EQ(hanbetu(0, 5, 1), -2);
  EXPECT_EQ(hanbetu(1, kNaN, 1), 0);
}

TEST(KaiWork, ZeroedOutputsAndTheLineThroughBothPoints) {
  // Unit circle, y = x: points (+-1/sqrt2, +-1/sqrt2), larger x first.
  int16_t n = 9;
  double x1 = kSentinel, y1 = kSentinel, x2 = kSentinel, y2 = kSentinel;
  kai_work1(0, 0, -1, 1, 0, &n, &x1, &y1, &x2, &y2);
  EXPECT_EQ(n, 2);
  EXPECT_NEAR(x1, std::sqrt(0.5), 1e-15);
  EXPECT_EQ(y1, x1);
  EXPECT_NEAR(x2, -std::sqrt(0.5), 1e-15);
  EXPECT_EQ(y2, x2);
  // No crossing: every output written, both y = k.
  n = 9;
  x1 = y1 = x2 = y2 = kSentinel;
  kai_work1(0, 0, -1, 0.5, 3, &n, &x1, &y1, &x2, &y2);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(x1, 0.0);
  EXPECT_EQ(x2, 0.0);
  EXPECT_EQ(y1, 3.0);
  EXPECT_EQ(y2, 3.0);
  // Vertical line x = 0.6 with the unit circle; beyond it, x still written.
  kai_work2(0, 0, -1, 0.6, &n, &x1, &y1, &x2, &y2);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(x1, 0.6);
  EXPECT_EQ(x2, 0.6);
  EXPECT_NEAR(y1, 0.8, 1e-15);
  EXPECT_NEAR(y2, -0.8, 1e-15);
  x1 = y1 = x2 = y2 = kSentinel;
  kai_work2(0, 0, -1, 1.5, &n, &x1, &y1, &x2, &y2);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(x1, 1.5);
  EXPECT_EQ(x2, 1.5);
  EXPECT_EQ(y1, 0.0);
  EXPECT_EQ(y2, 0.0);
}

}  // namespace
