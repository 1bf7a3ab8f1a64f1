// Circles: conversions, circles through points, intersections, tangents, arcs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "hits_test.h"
#include "survey/survey.h"

namespace {

#include "conics_reference_test.inc"

constexpr double kPi = 3.141592653589793;
using survey_test::expect_hits;
using survey_test::Hits;
using survey_test::kSentinel;

TEST(CircleCoefficients, RoundTripAndPosition) {
  double D = 0, E = 0, F = 0, xc = 0, yc = 0, r = 0;
  en_keisu(3, -4, 2, &D, &E, &F);
  EXPECT_EQ(D, -6.0);
  EXPECT_EQ(E, 8.0);
  EXPECT_EQ(F, 21.0);
  get_rad_org(D, E, F, &xc, &yc, &r);
  EXPECT_EQ(xc, 3.0);
  EXPECT_EQ(yc, -4.0);
  EXPECT_EQ(r, 2.0);
  EXPECT_EQ(Point_IO(5, -4, D, E, F), 0);
  EXPECT_EQ(Point_IO(5.5, -4, D, E, F), 1);
  EXPECT_EQ(Point_IO(3, -4, D, E, F), -1);
  get_rad_org(0, 0, 1, &xc, &yc, &r);  // r^2 < 0: NaN radius
  EXPECT_TRUE(std::isnan(r));
}

// D, E, F within 1e-12 relative to the largest of them (seen: 4e-14); centre and
// radius within 1e-8 (seen: 2.5e-10 for the last row, 1.3e4 from the origin with a
// radius of 35: r^2 = 1242 is the difference of (D^2 + E^2)/4 and F, both near 2e8).
TEST(Rad3Point, MatchesExactReference) {
  for (const auto& t : kCircles3) {
    SCOPED_TRACE(testing::Message() << t[0] << " " << t[1] << " " << t[2] << " " << t[3]);
    const double xs[3] = {t[0], t[2], t[4]}, ys[3] = {t[1], t[3], t[5]};
    double D = kSentinel, E = kSentinel, F = kSentinel;
    rad_3point(xs, ys, &D, &E, &F);
    const double scale = std::max({1.0, std::fabs(t[6]), std::fabs(t[7]), std::fabs(t[8])});
    EXPECT_NEAR(D, t[6], 1e-12 * scale);
    EXPECT_NEAR(E, t[7], 1e-12 * scale);
    EXPECT_NEAR(F, t[8], 1e-12 * scale);
    double xc = kSentinel, yc = kSentinel, r = kSentinel;
    rad_org(xs, ys, &xc, &yc, &r);
    EXPECT_NEAR(xc, t[9], 1e-8);
    EXPECT_NEAR(yc, t[10], 1e-8);
    EXPECT_NEAR(r, t[11], 1e-8);
  }
}

// Zero pivots: exchanged rows give the true circle (collinear or coincident points
// write nothing: unwritten_test.cpp).
TEST(Rad3Point, ZeroPivotsExchangeRows) {
  const double xs1[3] = {0, 2, 0}, ys1[3] = {0, 0, 2};
  double xc = kSentinel, yc = kSentinel, r = kSentinel;
  rad_org(xs1, ys1, &xc, &yc, &r);
  EXPECT_EQ(xc, 1.0);
  EXPECT_EQ(yc, 1.0);
  EXPECT_EQ(r, std::sqrt(2.0));
  const double xs2[3] = {1, 2, 3}, ys2[3] = {1, 2, 0};
  rad_org(xs2, ys2, &xc, &yc, &r);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(std::hypot(xs2[i] - xc, ys2[i] - yc), r, 1e-14);
}

// Where no pivot is zero the solution is the library's unpivoted solver's, bit for bit.
TEST(Rad3Point, BitIdenticalToTheSolverWithoutZeroPivots) {
  std::mt19937_64 rng(14);
  std::uniform_real_distribution<double> u(-1e4, 1e4);
  for (int k = 0; k < 200000; ++k) {
    double xs[3], ys[3];
    for (int i = 0; i < 3; ++i) {
      xs[i] = (k % 3 == 0) ? std::round(u(rng) / 1000) : u(rng);  // small integers too
      ys[i] = (k % 3 == 0) ? std::round(u(rng) / 1000) : u(rng);
    }
    double m[11 * 11] = {};
    for (int i = 0; i < 3; ++i) {
      m[11 * i + 0] = xs[i];
      m[11 * i + 1] = ys[i];
      m[11 * i + 2] = 1.0;
      m[11 * i + 3] = -(xs[i] * xs[i] + ys[i] * ys[i]);
    }
    // Pivots of the unpivoted elimination, replayed to skip the zero ones.
    double g[11 * 11];
    std::copy(m, m + 121, g);
    gauss_c(3, g);
    const bool zero_pivot = xs[0] == 0.0 || !std::isfinite(g[3]) || !std::isfinite(g[14]) ||
                            !std::isfinite(g[25]) || g[0] != 1.0 || g[12] != 1.0 || g[24] != 1.0;
    if (zero_pivot) continue;
    double D = 0, E = 0, F = 0;
    rad_3point(xs, ys, &D, &E, &F);
    ASSERT_EQ(D, g[3]) << k;
    ASSERT_EQ(E, g[14]) << k;
    ASSERT_EQ(F, g[25]) << k;
  }
}

TEST(TwoPointCircles, DiameterAndRadius) {
  double D = 0, E = 0, F = 0;
  rad_2point(1, 2, 5, 2, &D, &E, &F);
  EXPECT_EQ(D, -6.0);
  EXPECT_EQ(E, -4.0);
  EXPECT_EQ(F, 9.0);
  double xa = kSentinel, ya = kSentinel, xb = kSentinel, yb = kSentinel;
  rad_2pointr(0, 0, 2, 0, 1, &xa, &ya, &xb, &yb);
  EXPECT_EQ(xa, 1.0);
  EXPECT_EQ(ya, 0.0);
  EXPECT_EQ(xb, 1.0);
  EXPECT_EQ(yb, 0.0);
  rad_2pointr(0, 0, 2, 0, std::sqrt(2.0), &xa, &ya, &xb, &yb);
  EXPECT_NEAR(xa, 1.0, 1e-15);
  EXPECT_NEAR(ya, -1.0, 1e-15);  // A right of P1 -> P2
  EXPECT_NEAR(yb, 1.0, 1e-15);
}

TEST(Apollonius, RatioOfDistancesOnTheCircle) {
  double D = kSentinel, E = kSentinel, F = kSentinel;
  apollo_circle(0, 0, 6, 0, 2, 1, &D, &E, &F);
  double xc = 0, yc = 0, r = 0;
  get_rad_org(D, E, F, &xc, &yc, &r);
  for (double t = 0; t < 6.3; t += 0.5) {
    const double x = xc + r * std::cos(t), y = yc + r * std::sin(t);
    EXPECT_NEAR(std::hypot(x, y) / std::hypot(x - 6, y), 2.0, 1e-13);
  }
  double x = kSentinel, y = kSentinel;
  naibun2(0, 0, 6, 3, 1, 2, &x, &y);
  EXPECT_EQ(x, 2.0);
  EXPECT_EQ(y, 1.0);
  naibun2(0, 0, 6, 3, 2, -1, &x, &y);  // external
  EXPECT_EQ(x, 12.0);
}

// Points within 1e-12 of the exact ones, relative to the coordinates' size.
TEST(CircleIntersections, MatchExactReference) {
  for (const auto& t : kCircleLine) {
    SCOPED_TRACE(testing::Message() << "line " << t[3] << " " << t[4] << " " << t[5]);
    double D = 0, E = 0, F = 0;
    en_keisu(t[0], t[1], t[2], &D, &E, &F);
    Hits h;
    en_sen(D, E, F, t[3], t[4], t[5], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    expect_hits(h, t + 6, 1e-12 * std::max(1.0, std::fabs(t[0]) + std::fabs(t[1]) + t[2]));
  }
  for (const auto& t : kCircleCircle) {
    SCOPED_TRACE(testing::Message() << "circles " << t[0] << " " << t[3]);
    Hits h;
    en_en2(t[0], t[1], t[2], t[3], t[4], t[5], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    expect_hits(h, t + 6, 1e-12 * 32);
  }
  for (const auto& t : kCircleTangent) {
    SCOPED_TRACE(testing::Message() << "tangents from " << t[3] << " " << t[4]);
    double D = 0, E = 0, F = 0;
    en_keisu(t[0], t[1], t[2], &D, &E, &F);
    Hits h;
    en_setu(D, E, F, t[3], t[4], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    expect_hits(h, t + 5, 1e-12 * 16);
    if (h.n == 2) {  // the tangent at each point passes through P
      for (auto [x, y] : {std::pair{h.x1, h.y1}, std::pair{h.x2, h.y2}}) {
        EXPECT_NEAR((x - t[0]) * (t[3] - x) + (y - t[1]) * (t[4] - y), 0.0, 1e-12 * 64);
      }
    }
  }
}

TEST(CircleIntersections, OrderAndSpecialCases) {
  Hits h;  // unit circle with y = 0: (1, 0) then (-1, 0)
  en_sen(0, 0, -1, 0, 1, 0, &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
  EXPECT_EQ(h.n, 2);
  EXPECT_EQ(h.x1, 1.0);
  EXPECT_EQ(h.y1, 0.0);
  EXPECT_EQ(h.x2, -1.0);
  EXPECT_EQ(h.y2, 0.0);
  Hits v;  // vertical line x = 0 (b = 0): upper point first
  en_sen(0, 0, -4, 1, 0, 0, &v.n, &v.x1, &v.y1, &v.x2, &v.y2);
  EXPECT_EQ(v.n, 2);
  EXPECT_EQ(v.x1, 0.0);
  EXPECT_EQ(v.y1, 2.0);
  EXPECT_EQ(v.y2, -2.0);
  Hits t;  // tangent line x = 2: one point, written twice
  en_sen(0, 0, -4, 1, 0, -2, &t.n, &t.x1, &t.y1, &t.x2, &t.y2);
  EXPECT_EQ(t.n, 1);
  EXPECT_EQ(t.x1, 2.0);
  EXPECT_EQ(t.y1, 0.0);
  EXPECT_EQ(t.y2, 0.0);
  Hits e;  // equal circles: no radical line, n = 0 with NaN abscissas
  en_en(-2, 0, -3, -2, 0, -3, &e.n, &e.x1, &e.y1, &e.x2, &e.y2);
  EXPECT_EQ(e.n, 0);
  EXPECT_TRUE(std::isnan(e.x1));
  EXPECT_TRUE(std::isnan(e.x2));
  EXPECT_EQ(e.y1, 0.0);
  Hits c;  // concentric circles: the radical line is at infinity, no points
  en_en2(1, 1, 2, 1, 1, 3, &c.n, &c.x1, &c.y1, &c.x2, &c.y2);
  EXPECT_EQ(c.n, 0);
  Hits in;  // touching from inside
  en_en2(0, 0, 5, 2, 0, 3, &in.n, &in.x1, &in.y1, &in.x2, &in.y2);
  EXPECT_EQ(in.n, 1);
  EXPECT_EQ(in.x1, 5.0);
  EXPECT_EQ(in.y1, 0.0);
  double a = 0, b = 0, cc = 0;
  en2_kou(1, 2, 3, 4, 6, 8, &a, &b, &cc);
  EXPECT_EQ(a, -3.0);
  EXPECT_EQ(b, -4.0);
  EXPECT_EQ(cc, -5.0);
  Hits ak;  // direction angle pi/2 (toward +x) from (-5, 0) through the unit circle
  angen_kouten(-5, 0, kPi / 2, 0, 0, 1, &ak.n, &ak.x1, &ak.y1, &ak.x2, &ak.y2);
  EXPECT_EQ(ak.n, 2);
  ak.sort();
  EXPECT_NEAR(ak.x1, -1.0, 1e-14);
  EXPECT_NEAR(ak.x2, 1.0, 1e-14);
  EXPECT_NEAR(ak.y1, 0.0, 1e-14);
}

TEST(ChordAndArc, AnglesLengthsAndHeights) {
  EXPECT_NEAR(center_ang(1, std::sqrt(2.0)), kPi / 2, 1e-15);
  EXPECT_EQ(center_ang(1, 2), kPi);
  EXPECT_EQ(center_ang(1, 2.5), 0.0);
  EXPECT_EQ(center_ang(0, 1), 0.0);
  EXPECT_NEAR(center_ang2(2, 2 - std::sqrt(2.0)), kPi / 2, 1e-15);
  EXPECT_EQ(center_ang2(2, 2), kPi);
  EXPECT_EQ(center_ang2(2, 3), 0.0);  // beyond a half circle: refused
  EXPECT_EQ(center_ang2(-1, 0.5), 0.0);
  EXPECT_EQ(center_ang3(2, 3), 1.5);
  EXPECT_EQ(center_ang3(2, 0), 0.0);
  double L = kSentinel, h = kSentinel, s = kSentinel;
  center_var(2, kPi / 2, &L, &h, &s);
  EXPECT_NEAR(L, 2 * std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(h, 2 - std::sqrt(2.0), 1e-15);
  EXPECT_EQ(s, kPi);
  // Half circle of radius 5 on a chord of 10: height over the chord at x is the
  // circle's ordinate, and the inverse finds x again.
  for (double x = 0; x <= 10; x += 1.25) {
    const double y = work_dokata(5, kPi, x);
    EXPECT_NEAR(y, std::sqrt(25 - (x - 5) * (x - 5)), 1e-14);
    EXPECT_NEAR(dokata(5, 10, x), y, 1e-14);
    EXPECT_NEAR(dokata2(5, 5, x), y, 1e-14);
    if (x <= 5) {
      EXPECT_NEAR(work_dokata2(5, kPi, y), x, 1e-12) << x;
    }
  }
  EXPECT_EQ(work_dokata(5, 1, -1), 0.0);
  EXPECT_EQ(work_dokata2(5, 1, -1), 0.0);
  EXPECT_EQ(dokata(5, 11, 1), 0.0);
  EXPECT_EQ(dokata2(5, 6, 1), 0.0);
  EXPECT_EQ(dokata2(5, 1, -1), 0.0);
  // Lines y = 0 (direction pi/2) and x = 0 written as (1, 0, 0): direction pi.
  EXPECT_NEAR(len2_ang(0, 1, 0, 1, 0, 0), kPi / 2, 1e-15);
  EXPECT_NEAR(len2_ang(0, 1, 0, 0, -1, 5), kPi, 1e-15);
}

}  // namespace
