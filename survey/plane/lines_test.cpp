// Lines in coefficient form.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;

struct Line {
  double a, b, c;
};

Line hotei(double x1, double y1, double x2, double y2) {
  Line l{};
  line_hotei(x1, y1, x2, y2, &l.a, &l.b, &l.c);
  return l;
}

TEST(LineHotei, UnitNormalFromTwoPoints) {
  const Line h = hotei(0, 0, 10, 0);
  EXPECT_EQ(h.a, 0.0);
  EXPECT_TRUE(std::signbit(h.a));  // -(+0.0)
  EXPECT_EQ(h.b, 1.0);
  EXPECT_EQ(h.c, 0.0);
  const Line v = hotei(2, 0, 2, 7);
  EXPECT_EQ(v.a, -1.0);
  EXPECT_EQ(v.b, 0.0);
  EXPECT_EQ(v.c, 2.0);
  const Line z = hotei(3, 3, 3, 3);  // equal points
  EXPECT_EQ(z.a, 0.0);
  EXPECT_EQ(z.b, 0.0);
  EXPECT_EQ(z.c, 0.0);
  // A general line: unit normal, both points on it, normal to the left of travel.
  const Line g = hotei(1, 2, 4, 6);
  EXPECT_EQ(g.a, -0.8);
  EXPECT_EQ(g.b, 0.6);
  EXPECT_NEAR(g.a * 1 + g.b * 2 + g.c, 0.0, 1e-15);
  EXPECT_NEAR(g.a * 4 + g.b * 6 + g.c, 0.0, 1e-15);
  EXPECT_EQ(Point_UD(0, 10, g.a, g.b, g.c), 1);
}

TEST(LineHoteiPA, SameLineAsRotateAbc) {
  for (double t = -1.0; t < 7.5; t += 0.173) {
    SCOPED_TRACE(t);
    Line p{}, r{};
    line_hoteiPA(12.5, -3.0, t, &p.a, &p.b, &p.c);
    rotate_abc(12.5, -3.0, t, &r.a, &r.b, &r.c);
    EXPECT_EQ(p.a, r.a);
    EXPECT_EQ(p.b, r.b);
    EXPECT_EQ(p.c, r.c);
    // Its direction is t: (b, -a) = (sin t, cos t).
    EXPECT_NEAR(p.b, std::sin(t), 1e-14);
    EXPECT_NEAR(-p.a, std::cos(t), 1e-14);
    EXPECT_NEAR(p.a * 12.5 + p.b * -3.0 + p.c, 0.0, 1e-13);
  }
}

TEST(GetLine2, DirectionOfACoefficientLine) {
  struct Case {
    double a, b, vx, vy, t;
  } cases[] = {
      {0, 1, 1, -0.0, kHalfPi},  // y = const heading +x
      {0, -1, -1, -0.0, 4.71238898038469},
      {1, 0, 0, -1, kPi},  // b = 0: t0 = pi/2
      {-1, 0, 0, 1, 0.0},
      {-3, 3, std::sqrt(0.5), std::sqrt(0.5), kPi / 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << "," << c.b);
    double vx = 9, vy = 9, t = 9;
    get_line2(c.a, c.b, 5.0, &vx, &vy, &t);
    EXPECT_NEAR(vx, c.vx, 1e-16);
    EXPECT_NEAR(vy, c.vy, 1e-16);
    EXPECT_NEAR(t, c.t, 1e-16);
  }
  // Round trip with line_hotei: the direction of P1 -> P2 comes back.
  for (double t = 0.05; t < 6.28; t += 0.4) {
    SCOPED_TRACE(t);
    double x = 0, y = 0;
    side_shot(1, 1, 50, t, &x, &y);
    const Line l = hotei(1, 1, x, y);
    double vx = 0, vy = 0, back = 0;
    get_line2(l.a, l.b, l.c, &vx, &vy, &back);
    EXPECT_NEAR(back, t, 1e-13);
  }
}

TEST(SlopeForm, BothWays) {
  double m = 7, k = 7;
  line_hen1(1, -1, 2, &m, &k);  // x - y + 2 = 0: y = x + 2
  EXPECT_EQ(m, 1.0);
  EXPECT_EQ(k, 2.0);
  m = 7, k = 7;
  line_hen1(1, 0, 2, &m, &k);  // vertical: untouched
  EXPECT_EQ(m, 7.0);
  EXPECT_EQ(k, 7.0);
  Line l{};
  line_hen2(2, 3, &l.a, &l.b, &l.c);
  EXPECT_EQ(l.a, -2.0);
  EXPECT_EQ(l.b, 1.0);
  EXPECT_EQ(l.c, -3.0);
}

TEST(Perpendiculars, ThroughAPoint) {
  Line p{};
  choku_line(1, 2, 99, 3, 4, &p.a, &p.b, &p.c);
  EXPECT_EQ(p.a, -2.0);
  EXPECT_EQ(p.b, 1.0);
  EXPECT_EQ(p.c, 2.0);
  choku_line2(0, 0, 10, 0, 5, 7, &p.a, &p.b, &p.c);  // x = 5
  EXPECT_EQ(p.a, -1.0);
  EXPECT_EQ(p.b, 0.0);
  EXPECT_EQ(p.c, 5.0);
  EXPECT_EQ(Point_UD(5, -100, p.a, p.b, p.c), 0);
}

TEST(Parallels, AtADistanceAndThroughAPoint) {
  double c1 = 0, c2 = 0;
  heikou(3, 4, 1, 2, &c1, &c2);
  EXPECT_EQ(c1, 11.0);
  EXPECT_EQ(c2, -9.0);
  EXPECT_EQ(p2l_dist(3, 4, c1, 0, -0.25), 2.0);  // (0, -0.25) lies on the original
  EXPECT_EQ(heikou2(1, 2, 99, 3, 4), -11.0);
}

TEST(LineAngdev2, BisectorAtTheMiddlePoint) {
  // Arms from (0, 0) toward (0, -10) and (10, 0): the bisector runs along x + y = 0.
  Line l{};
  line_angdev2(0, -10, 0, 0, 10, 0, &l.a, &l.b, &l.c);
  EXPECT_NEAR(l.a * 1 + l.b * -1 + l.c, 0.0, 1e-14);
  EXPECT_NEAR(l.a * -3 + l.b * 3 + l.c, 0.0, 1e-14);
  EXPECT_NEAR(p2l_dist(l.a, l.b, l.c, 1, 1), std::sqrt(2.0), 1e-14);
}

TEST(PointLineDistance, AndSide) {
  EXPECT_EQ(p2l_dist(3, 4, -25, 0, 0), 5.0);
  EXPECT_EQ(p2l_dist(0, 1, -2, 7, 5), 3.0);
  EXPECT_EQ(p2l_dist(0, -2, 4, 7, 5), 3.0);
  struct Case {
    double x, y;
    int32_t side;
  } cases[] = {{0, 5, 1}, {0, 2, 0}, {0, -5, -1}, {1e9, 2, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(Point_UD(c.x, c.y, 0, 1, -2), c.side);  // y = 2, normal +y
  }
}

TEST(LineAng, AcuteAngles) {
  struct Case {
    Line l1, l2;
    double expected, tol;
  } cases[] = {
      {{0, 1, 0}, {1, 0, 0}, kHalfPi, 0.0},        // perpendicular: exactly pi/2
      {{1, 1, 3}, {2, 2, -7}, 0.0, 0.0},           // parallel
      {{1, 1, 3}, {-1, -1, 0}, 0.0, 0.0},          // parallel, opposite normals
      {{-1, 1, 0}, {0, 1, 0}, kPi / 4, 1e-16},     // 45 deg either way round
      {{1, 1, 0}, {0, 1, 0}, kPi / 4, 1e-16},
      {{-std::sqrt(3.0), 1, 0}, {0, 1, 0}, kPi / 3, 1e-15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.l1.a << "," << c.l1.b << " / " << c.l2.a << "," << c.l2.b);
    EXPECT_NEAR(line_ang(c.l1.a, c.l1.b, c.l1.c, c.l2.a, c.l2.b, c.l2.c), c.expected, c.tol);
  }
  EXPECT_NEAR(line_angX(-1, 1, 5), kPi / 4, 1e-16);
  EXPECT_EQ(line_angX(0, 1, 5), 0.0);
  EXPECT_EQ(line_angY(0, 1, 5), kHalfPi);
  EXPECT_EQ(line_angX(1, 0, 5), kHalfPi);
  EXPECT_EQ(line_angY(1, 0, 5), 0.0);
}

TEST(JikuKouten, AxisIntercepts) {
  struct Case {
    Line l;
    double xi, yi;
  } cases[] = {{{2, 4, -8}, 4, 2}, {{0, 4, -8}, 0, 2}, {{2, 0, -8}, 4, 0}, {{1, 1, 0}, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.l.a << "," << c.l.b << "," << c.l.c);
    double xi = 9, yi = 9;
    jiku_kouten(c.l.a, c.l.b, c.l.c, &xi, &yi);
    EXPECT_EQ(xi, c.xi);
    EXPECT_EQ(yi, c.yi);
  }
}

TEST(Line3PointOn, CollinearWithinTolerance) {
  struct Case {
    double x1, y1, x2, y2, x3, y3;
    int16_t expected;
  } cases[] = {
      {0, 0, 1, 1, 5, 5, 0},       {0, 0, 1, 0, 0, 1, -1},   {0, 0, 1, 0, 2, 5e-6, 0},
      {0, 0, 1, 0, 2, 2e-5, -1},   {0, 0, 1, 0, 1, 1e-5, 0}, {3, 3, 3, 3, 3, 3, 0},
      {0, 0, 10, 10, 20, 20.00001, -1},  // s = 1e-4: twice the area grows with the base
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x3 << "," << c.y3);
    EXPECT_EQ(line_3pointon(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3), c.expected);
  }
}

}  // namespace
