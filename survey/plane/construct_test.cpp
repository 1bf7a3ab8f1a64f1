// Points constructed from points.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;

TEST(GetVect, ZeroDifferencesAreExactZeros) {
  struct Case {
    double x1, y1, x2, y2, vx, vy;
  } cases[] = {
      {0, 0, 3, 4, 0.6, 0.8},  {1, 1, -2, -3, -0.6, -0.8}, {0, 0, 0, 5, 0.0, 1.0},
      {5, 0, 5, -5, 0.0, -1.0}, {2, 2, 2, 2, 0.0, 0.0},     // equal points: no NaN
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2);
    double vx = -9, vy = -9;
    get_vect(c.x1, c.y1, c.x2, c.y2, &vx, &vy);
    EXPECT_EQ(vx, c.vx);
    EXPECT_EQ(vy, c.vy);
    if (c.vx == 0.0) {
      EXPECT_FALSE(std::signbit(vx));  // set, not divided: +0.0
    }
    if (c.vy == 0.0) {
      EXPECT_FALSE(std::signbit(vy));
    }
  }
}

TEST(GetLine, MidpointVectorDirection) {
  double mx = 0, my = 0, vx = 0, vy = 0, t = 0;
  get_line(1, 2, 4, -2, &mx, &my, &vx, &vy, &t);
  EXPECT_EQ(mx, 2.5);
  EXPECT_EQ(my, 0.0);
  EXPECT_EQ(vx, 0.6);
  EXPECT_EQ(vy, -0.8);
  EXPECT_EQ(t, ang(1, 2, 4, -2));
  double x = 0, y = 0;
  get_mid(-1, 3, 2, 4, &x, &y);
  EXPECT_EQ(x, 0.5);
  EXPECT_EQ(y, 3.5);
}

TEST(SideShot, RadiationByDirectionAngle) {
  struct Case {
    double t, x, y;
  } cases[] = {
      {0.0, 1.0, 12.0},  {kHalfPi, 11.0, 2.0}, {kPi, 1.0, -8.0}, {4.71238898038469, -9.0, 2.0},
      {-kHalfPi, -9.0, 2.0},  // outside [0, 2pi): reduced first
      {kPi / 6, 6.0, 2.0 + 5.0 * std::sqrt(3.0)},
  };
  // 1e-14 at 10 m: the sine and cosine of rounded angles.
  for (const auto& c : cases) {
    SCOPED_TRACE(c.t);
    double x = 0, y = 0;
    side_shot(1.0, 2.0, 10.0, c.t, &x, &y);
    EXPECT_NEAR(x, c.x, 1e-14);
    EXPECT_NEAR(y, c.y, 1e-14);
  }
  double x = 0, y = 0;
  side_shot(0, 0, 10, kHalfPi, &x, &y);  // through the mathematical angle 0: exact
  EXPECT_EQ(x, 10.0);
  EXPECT_EQ(y, 0.0);
}

TEST(Naibun, AlongTheLine) {
  double x = 0, y = 0;
  naibun(0, 0, 3, 4, 10, &x, &y);
  EXPECT_EQ(x, 6.0);
  EXPECT_EQ(y, 8.0);
  naibun(1, 1, 4, 5, -5, &x, &y);  // backwards
  EXPECT_EQ(x, -2.0);
  EXPECT_EQ(y, -3.0);
  naibun(7, 7, 7, 7, 3, &x, &y);  // no direction: stays
  EXPECT_EQ(x, 7.0);
  EXPECT_EQ(y, 7.0);
}

TEST(Rotate, AboutACentre) {
  struct Case {
    double x, y, cx, cy, theta, xo, yo;
  } cases[] = {
      {1, 0, 0, 0, kHalfPi, 0, 1},  // counter-clockwise
      {2, 1, 1, 1, kPi, 0, 1},
      {3, 5, 3, 5, 1.234, 3, 5},  // the centre stays
      {1, 1, 0, 0, -kPi / 4, std::sqrt(2.0), 0},
      {4, 2, 1, 1, 0.0, 4, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " by " << c.theta);
    double x = 0, y = 0;
    rotate_xy(c.x, c.y, c.cx, c.cy, c.theta, &x, &y);
    EXPECT_NEAR(x, c.xo, 1e-15);
    EXPECT_NEAR(y, c.yo, 1e-15);
  }
}

TEST(Rotate, ManyPointsInPlace) {
  std::vector<double> xs = {1, 2, 3, -4}, ys = {0, 5, -1, 2};
  std::vector<double> ex(4), ey(4);
  for (size_t i = 0; i < xs.size(); ++i) rotate_xy(xs[i], ys[i], 1.5, -0.5, 0.7, &ex[i], &ey[i]);
  rotate_xyD(4, xs.data(), ys.data(), 1.5, -0.5, 0.7, xs.data(), ys.data());
  EXPECT_EQ(xs, ex);
  EXPECT_EQ(ys, ey);
  std::vector<double> out = {9, 9};
  rotate_xyD(0, xs.data(), ys.data(), 0, 0, 1.0, out.data(), out.data());
  rotate_xyD(-1, xs.data(), ys.data(), 0, 0, 1.0, out.data(), out.data());
  EXPECT_EQ(out, (std::vector<double>{9, 9}));
}

TEST(Parallel, TranslateAndRotateByAVector) {
  double x = 0, y = 0;
  parallel(1, 1, 4, 3, 10, 20, &x, &y);
  EXPECT_EQ(x, 13.0);
  EXPECT_EQ(y, 22.0);
  // (P3 - P1) + R(theta)(P2 - P1)
  rotate_para(1, 1, 3, 1, 0.0, 0, 0, &x, &y);
  EXPECT_EQ(x, 1.0);
  EXPECT_EQ(y, -1.0);
  rotate_para(1, 1, 3, 1, kHalfPi, 5, 5, &x, &y);
  EXPECT_NEAR(x, 4.0, 1e-15);
  EXPECT_NEAR(y, 6.0, 1e-15);
}

TEST(TaishoPoint, MirrorInALine) {
  struct Case {
    double a, b, c, x, y, xo, yo, tol;
  } cases[] = {
      {0, 1, 0, 3, 4, 3, -4, 0.0},     // the x axis
      {1, 0, -1, 3, 5, -1, 5, 0.0},    // x = 1
      {-1, 1, 0, 2, 0, 0, 2, 1e-15},   // y = x
      {3, 4, -25, 0, 0, 6, 8, 1e-14},  // 3x + 4y = 25, normal not unit
      {0, 1, -2, 5, 2, 5, 2, 0.0},     // on the line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << "," << c.b << "," << c.c);
    double x = 0, y = 0;
    taisho_point(c.a, c.b, c.c, c.x, c.y, &x, &y);
    EXPECT_NEAR(x, c.xo, c.tol);
    EXPECT_NEAR(y, c.yo, c.tol);
  }
}

TEST(LineKatamuki, FourCases) {
  struct Case {
    int16_t kind;
    double x, y;
  } cases[] = {{1, 10 - 3, 20 + 2}, {2, 10 + 3, 20 + 2}, {3, 10 - 3, 20 - 2}, {4, 10 + 3, 20 - 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    double x = 0, y = 0;
    line_katamuki(c.kind, 10, 20, 1.5, 2, &x, &y);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
  for (int16_t kind : {0, 5, -1}) {
    SCOPED_TRACE(kind);
    double x = 77, y = 88;
    line_katamuki(kind, 10, 20, 1.5, 2, &x, &y);
    EXPECT_EQ(x, 77.0);
    EXPECT_EQ(y, 88.0);
  }
}

}  // namespace
