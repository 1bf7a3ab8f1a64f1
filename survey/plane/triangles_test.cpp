// Triangle centres, angles and solutions, against exact references.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

#include "conics_reference_test.inc"

constexpr double kPi = 3.141592653589793;
constexpr double kSentinel = -777.25;

// Centres within 1e-10 (coordinates up to 1.3e4 and a few roundings of intersecting
// lines; seen: 4e-12); angles within 1e-14 rad (seen: 9e-16).
TEST(TriangleCentres, MatchExactReference) {
  for (const auto& t : kTriangles) {
    SCOPED_TRACE(testing::Message() << t[0] << " " << t[1] << " " << t[2] << " " << t[3]);
    const double tol = 1e-10;
    double x = 0, y = 0, r = 0;
    gyusin_point3(t[0], t[1], t[2], t[3], t[4], t[5], &x, &y);
    EXPECT_NEAR(x, t[6], tol);
    EXPECT_NEAR(y, t[7], tol);
    naisin_point3(t[0], t[1], t[2], t[3], t[4], t[5], &x, &y, &r);
    EXPECT_NEAR(x, t[8], tol);
    EXPECT_NEAR(y, t[9], tol);
    EXPECT_NEAR(r, t[10], tol);
    gaisin_point3(t[0], t[1], t[2], t[3], t[4], t[5], &x, &y, &r);
    EXPECT_NEAR(x, t[11], tol);
    EXPECT_NEAR(y, t[12], tol);
    EXPECT_NEAR(r, t[13], tol);
    suisin_point3(t[0], t[1], t[2], t[3], t[4], t[5], &x, &y);
    EXPECT_NEAR(x, t[14], tol);
    EXPECT_NEAR(y, t[15], tol);
    double a1 = 0, a2 = 0, a3 = 0;
    Angl_point3(t[0], t[1], t[2], t[3], t[4], t[5], &a1, &a2, &a3);
    EXPECT_NEAR(a1, t[16], 1e-14);
    EXPECT_NEAR(a2, t[17], 1e-14);
    EXPECT_NEAR(a3, t[18], 1e-14);
  }
}

TEST(TriangleCentres, ExactValues) {
  double x = 0, y = 0, r = 0;
  gyusin_point3(0, 0, 3, 0, 0, 3, &x, &y);
  EXPECT_EQ(x, 3 * 0.3333333333333333);
  // Right triangle: the circumcentre is the hypotenuse's midpoint.
  gaisin_point3(0, 0, 4, 0, 0, 3, &x, &y, &r);
  EXPECT_EQ(x, 2.0);
  EXPECT_EQ(y, 1.5);
  EXPECT_EQ(r, 2.5);
  suisin_point3(0, 0, 4, 0, 0, 3, &x, &y);  // the right angle's vertex
  EXPECT_NEAR(x, 0.0, 1e-15);
  EXPECT_NEAR(y, 0.0, 1e-15);
}

TEST(VertexAngles, BothSensesAddToAFullTurn) {
  // A = (0, 1), B = origin, C = (1, 0): B->A points north, B->C east.
  const double k = kyoukaku_point3(0, 1, 0, 0, 1, 0);
  const double n = naikaku_point3(0, 1, 0, 0, 1, 0);
  EXPECT_EQ(k, 0.5 * kPi);  // clockwise from north to east
  EXPECT_EQ(n, 1.5 * kPi);
  for (double t = 0.1; t < 6.2; t += 0.7) {
    const double ax = std::sin(t), ay = std::cos(t);
    EXPECT_NEAR(kyoukaku_point3(ax, ay, 0, 0, 2, 1) + naikaku_point3(ax, ay, 0, 0, 2, 1),
                2 * kPi, 1e-13);
  }
}

TEST(TriangleSolutions, SidesAndAngles) {
  // Angl3 of the 3-4-5 triangle: a = 3, b = 4, c = 5.
  double a1 = 0, a2 = 0, a3 = 0;
  Angl3(3, 4, 5, &a1, &a2, &a3);
  EXPECT_NEAR(a1, std::acos(0.6), 1e-15);   // between a and c
  EXPECT_NEAR(a2, kPi / 2, 1e-15);          // between a and b
  EXPECT_NEAR(a3, std::acos(0.8), 1e-15);   // between b and c
  // len2ang1: right angle between 3 and 4; beta opposite b = 4, alpha opposite a = 3.
  double c = kSentinel, beta = kSentinel, alpha = kSentinel;
  len2ang1(3, 4, kPi / 2, &c, &beta, &alpha);
  EXPECT_NEAR(c, 5.0, 1e-14);
  EXPECT_NEAR(beta, std::asin(0.8), 1e-14);
  EXPECT_NEAR(alpha, std::asin(0.6), 1e-14);
  c = beta = alpha = kSentinel;
  len2ang1(-3, 4, 1.0, &c, &beta, &alpha);  // c written (0.0), no angles
  EXPECT_EQ(c, 0.0);
  EXPECT_EQ(beta, kSentinel);
  // len1ang2: law of sines, a' beside alpha.
  double a = kSentinel, b = kSentinel, g = kSentinel;
  len1ang2(5, std::asin(0.6), std::asin(0.8), &a, &b, &g);
  EXPECT_NEAR(g, kPi / 2, 1e-15);
  EXPECT_NEAR(a, 4.0, 1e-14);
  EXPECT_NEAR(b, 3.0, 1e-14);
  a = b = g = kSentinel;
  len1ang2(5, 2.0, 2.0, &a, &b, &g);  // angles too large: gamma only
  EXPECT_EQ(g, kPi - 4.0);
  EXPECT_EQ(a, kSentinel);
  // cyusen: the median to the hypotenuse of a right triangle is half of it.
  EXPECT_EQ(cyusen(3, 5, 4), 2.5);
  EXPECT_EQ(cyusen(1, 2, 3), 0.0);  // flat
  EXPECT_EQ(cyusen(1, 5, 1), 0.0);
}

TEST(ZahLen3, PlotsTheSides) {
  double x3 = kSentinel, y3 = kSentinel, x2 = kSentinel, y2 = kSentinel;
  zah_len3(4, 5, 3, 10, 20, &x3, &y3, &x2, &y2);  // right angle at the origin point
  EXPECT_EQ(x2, 14.0);
  EXPECT_EQ(y2, 20.0);
  EXPECT_EQ(x3, 10.0);
  EXPECT_EQ(y3, 23.0);
  EXPECT_NEAR(std::hypot(x3 - x2, y3 - y2), 5.0, 1e-14);
}

}  // namespace
