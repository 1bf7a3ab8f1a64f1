// Distances, direction angles and their conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(Ang, QuadrantsAndBoundaries) {
  struct Case {
    double x1, y1, x2, y2, expected;
  } cases[] = {
      {0, 0, 0, 1, 0.0},
      {0, 0, 1, 0, kHalfPi},
      {0, 0, 0, -1, kPi},
      {0, 0, -1, 0, kThreeHalfPi},
      {0, 0, -1, 1, 5.497787143782138},  // 7pi/4
      {0, 0, 1, 1, kPi / 4},
      {0, 0, 1, -1, kHalfPi + kPi / 4},
      {0, 0, -1, -1, kThreeHalfPi - kPi / 4},
      {5, 5, 5, 5, 0.0},        // equal points
      {0, 0, -0.0, -0.0, 0.0},  // -0.0 counts as >= 0 (else 3pi/2 - pi/2 = pi)
      {0, 0, -0.0, 1, 0.0},
      {0, 0, 1, -0.0, kHalfPi},
      {0, 0, -1, -0.0, kThreeHalfPi},
      {-3, 2, -3, -7, kPi},
      {1e6, 1e6, 1e6 + 3, 1e6 + 4, kHalfPi - std::atan(4.0 / 3.0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2);
    const double t = ang(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(t, c.expected);
    EXPECT_FALSE(std::signbit(t));
  }
  // Up and a hair to the left: atan(|dy/dx|) rounds to pi/2 and the quadrant rule
  // gives 3pi/2 + pi/2, the same direction as 0 written as 2pi.
  EXPECT_EQ(ang(0, 0, -1e-300, 1), kTwoPi);
  EXPECT_TRUE(std::isnan(ang(0, 0, kNaN, 1)));
}

TEST(Ang, AgreesWithSideShotAllAround) {
  // A point shot at direction t comes back as direction t (to 1e-13 rad at 10 m).
  for (int i = 0; i < 72; ++i) {
    const double t = i * kTwoPi / 72;
    SCOPED_TRACE(t);
    double x = 0, y = 0;
    side_shot(3.0, -2.0, 10.0, t, &x, &y);
    const double back = ang(3.0, -2.0, x, y);
    EXPECT_NEAR(std::remainder(back - t, kTwoPi), 0.0, 1e-13);
    EXPECT_GE(back, 0.0);
    EXPECT_LT(back, kTwoPi);
  }
}

TEST(WorkHoukou, QuadrantRuleOnAGivenReducedAngle) {
  const double t0 = 0.3;
  struct Case {
    double dx, dy, expected;
  } cases[] = {
      {1, 1, kHalfPi - t0},       {1, -1, kHalfPi + t0}, {-1, 1, kThreeHalfPi + t0},
      {-1, -1, kThreeHalfPi - t0}, {0, 0, kHalfPi - t0}, {-1, 0, kThreeHalfPi - t0},
      {0, -1, kHalfPi + t0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    EXPECT_EQ(work_houkou1(t0, c.dx, c.dy), c.expected);
  }
  // work_houkou2 takes the line's normal (a, b): its direction vector is (b, -a).
  EXPECT_EQ(work_houkou2(0.0, 0.0, 1.0), kHalfPi);        // normal +y: heading +x
  EXPECT_EQ(work_houkou2(0.0, 0.0, -1.0), kThreeHalfPi);  // (-1, -0.0): heading -x
  EXPECT_EQ(work_houkou2(kHalfPi, 1.0, 0.0), kPi);        // normal +x: heading -y
  EXPECT_EQ(work_houkou2(kHalfPi, -1.0, 0.0), 0.0);
}

TEST(Dist, AndDistang) {
  EXPECT_EQ(dist(1, 1, 4, 5), 5.0);
  EXPECT_EQ(dist(4, 5, 1, 1), 5.0);
  EXPECT_EQ(dist(2, 2, 2, 2), 0.0);
  double d = 0, t = 0, dx = 0, dy = 0;
  distang(1, 1, -2, -3, &d, &t, &dx, &dy);
  EXPECT_EQ(d, 5.0);
  EXPECT_EQ(t, ang(1, 1, -2, -3));
  EXPECT_EQ(dx, -3.0);
  EXPECT_EQ(dy, -4.0);
}

TEST(D2p, PolarWithAxisRules) {
  struct Case {
    double x, y, r, theta;
  } cases[] = {
      {0, -2, 2, -kHalfPi}, {0, 0, 0, 0.0},     {0, 3, 3, kHalfPi},     {-1, 0, 1, kPi},
      {1, 1, std::sqrt(2.0), kPi / 4},          {-3, -4, 5, std::atan2(-4.0, -3.0)},
      {-0.0, -1, 1, -kHalfPi},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    double r = -1, theta = -1;
    d2p(c.x, c.y, &r, &theta);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(theta, c.theta);
  }
}

TEST(Ang2lang, QuadrantsAndReduction) {
  struct Case {
    double a, expected;
  } cases[] = {
      {0.0, kHalfPi},
      {-0.0, kHalfPi},
      {kHalfPi, 0.0},
      {kPi, kThreeHalfPi},
      {kThreeHalfPi, kPi},
      {-kHalfPi, kPi},  // reduced to 3pi/2 first
      {kTwoPi, kHalfPi},
      {-kTwoPi, kHalfPi},
      {7.853981633974483, 0.0},  // 5pi/2
      {kPi / 4, kPi / 4},
      {5.497787143782138, kPi - (5.497787143782138 - kThreeHalfPi)},  // 7pi/4 -> 3pi/4
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.a);
    EXPECT_EQ(ang2lang(c.a), c.expected);
    EXPECT_EQ(lang2ang(c.a), c.expected);
  }
}

TEST(Ang2lang, RangeAndInvolution) {
  for (double a = -20.0; a <= 20.0; a += 0.0137) {
    SCOPED_TRACE(a);
    const double m = ang2lang(a);
    EXPECT_GE(m, 0.0);
    EXPECT_LT(m, kTwoPi);
    // cos of the mathematical angle is sin of the direction angle (1e-14: the
    // reduction of |a| <= 20 adds at most three roundings of 2pi).
    EXPECT_NEAR(std::cos(m), std::sin(a), 1e-14);
    EXPECT_NEAR(std::sin(m), std::cos(a), 1e-14);
    const double back = lang2ang(m);
    EXPECT_NEAR(std::remainder(back - a, kTwoPi), 0.0, 1e-14);
  }
}

TEST(Ang2lang, FarAndNonFiniteAnglesTerminate) {
  for (double a : {4e5, -4e5, 1e7, -1e7, 1e20, -1e300, 1.7976931348623157e308}) {
    SCOPED_TRACE(a);
    const double m = ang2lang(a);
    EXPECT_GE(m, 0.0);
    EXPECT_LT(m, kTwoPi);
  }
  EXPECT_TRUE(std::isnan(ang2lang(kInf)));
  EXPECT_TRUE(std::isnan(ang2lang(-kInf)));
  EXPECT_TRUE(std::isnan(ang2lang(kNaN)));
  EXPECT_TRUE(std::isnan(naikaku(kInf, 0.0)));
}

TEST(Ang2rang, OverridingTests) {
  struct Case {
    double t, expected;
  } cases[] = {
      {0.0, kPi},
      {kPi / 4, kPi - kPi / 4},
      {kHalfPi, kHalfPi},
      {kPi, kPi},  // pi - pi, then overridden by 2pi - pi
      {kPi + 0.5, kTwoPi - (kPi + 0.5)},
      {kThreeHalfPi, kHalfPi},
      {6.0, kTwoPi - 6.0},
      {7.0, kTwoPi - 7.0},  // not reduced: negative result
      {-0.5, -0.5},         // negative: unchanged
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.t);
    EXPECT_EQ(ang2rang(c.t), c.expected);
  }
}

TEST(VertexAngles, NaikakuAndKyoukaku) {
  struct Case {
    double t1, t2, naikaku, kyoukaku;
  } cases[] = {
      {1.0, 1.0, kPi, kPi},  // straight on
      {0.0, kHalfPi, kHalfPi, kThreeHalfPi},
      {kHalfPi, 0.0, kThreeHalfPi, kHalfPi},
      {0.0, kPi, 0.0, kTwoPi},  // turning back: 2pi, not 0
      {kPi, 0.0, 0.0, kTwoPi},
      {kThreeHalfPi, 0.0, kHalfPi, kThreeHalfPi},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.t1 << ", " << c.t2);
    EXPECT_EQ(naikaku(c.t1, c.t2), c.naikaku);
    EXPECT_EQ(kyoukaku(c.t1, c.t2), c.kyoukaku);
  }
  // The two are complementary to a full turn wherever neither is at its bound.
  for (double t1 = 0.1; t1 < kTwoPi; t1 += 0.7) {
    for (double t2 = 0.05; t2 < kTwoPi; t2 += 0.9) {
      SCOPED_TRACE(testing::Message() << t1 << ", " << t2);
      EXPECT_NEAR(naikaku(t1, t2) + kyoukaku(t1, t2), kTwoPi, 1e-14);
      EXPECT_GT(kyoukaku(t1, t2), 0.0);
      EXPECT_LE(kyoukaku(t1, t2), kTwoPi);
    }
  }
}

TEST(InterAng, PolygonAngleSums) {
  EXPECT_EQ(inter_ang(3), kPi);
  EXPECT_EQ(inter_ang(4), kTwoPi);
  EXPECT_EQ(inter_ang(6), 4.0 * kPi);
  EXPECT_EQ(inter_ang(32767), 32765.0 * kPi);
  for (int16_t n : {2, 1, 0, -5}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(inter_ang(n), 0.0);
  }
}

TEST(Yogen2, LawOfCosines) {
  struct Case {
    double a, b, theta, expected, tol;
  } cases[] = {
      {3, 4, kHalfPi, 5.0, 1e-15},  // cos(pi/2) is 6e-17 here
      {2, 3, kPi, 5.0, 0.0},
      {1, 1, kPi / 3, 1.0, 1e-15},
      {5, 5, 1e-300, 0.0, 0.0},
      {3, 4, 0.0, 0.0, 0.0},  // guards
      {3, 4, -1.0, 0.0, 0.0},
      {0, 4, 1.0, 0.0, 0.0},
      {3, -4, 1.0, 0.0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << "," << c.b << "," << c.theta);
    EXPECT_NEAR(yogen2(c.a, c.b, c.theta), c.expected, c.tol);
  }
}

TEST(GetKinbou, NearestFirstWinsOnTies) {
  const std::vector<double> x = {10, 3, -3, 3, 50};
  const std::vector<double> y = {10, 4, 4, 4, 50};
  struct Case {
    int16_t n;
    double px, py;
    int32_t expected;
  } cases[] = {
      {5, 0, 0, 1},      // 1, 2 and 3 are all 5 away: the first
      {5, -2, 4, 2},
      {5, 49, 49, 4},
      {1, 0, 0, 0},
      {0, 0, 0, 0},      // no points
      {-3, 0, 0, 0},
      {5, 1e11, 0, 0},   // none nearer than the start distance
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << ": " << c.px << "," << c.py);
    EXPECT_EQ(Get_kinbou(c.n, x.data(), y.data(), c.px, c.py), c.expected);
  }
}

}  // namespace
