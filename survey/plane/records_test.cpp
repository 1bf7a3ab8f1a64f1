// Point, line and rectangle records; crossings and chaining of records; oriented extents.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kUnset = -7.5;  // what an output holds when nothing was written

using Line = std::array<double, 4>;
Line fields(const survey_line& l) { return {l.x1, l.y1, l.x2, l.y2}; }

TEST(PlaneRecords, BuildersAndConverters) {
  survey_line l{}, r{};
  EXPECT_EQ(torect(&l, 1, 2, 3, 4), &l);
  EXPECT_EQ(fields(l), Line({1, 2, 3, 4}));
  const survey_point p{-1.5, 2.5}, q{3.25, -4};
  EXPECT_EQ(tolineP(&l, &p, &q), &l);
  EXPECT_EQ(fields(l), Line({-1.5, 2.5, 3.25, -4}));
  EXPECT_EQ(point2rect(&r, &p, &q), &r);
  EXPECT_EQ(fields(r), fields(l));
  survey_point a{}, b{};
  line2point(&l, &a, &b);
  EXPECT_TRUE(a.x == p.x && a.y == p.y && b.x == q.x && b.y == q.y);
  rect2point(&r, &b, &a);
  EXPECT_TRUE(b.x == p.x && a.y == q.y);
  Line out{};
  line2xy(&l, &out[0], &out[1], &out[2], &out[3]);
  EXPECT_EQ(out, fields(l));
  double x = 0, y = 0;
  point2xy(&q, &x, &y);
  EXPECT_TRUE(x == 3.25 && y == -4);
  EXPECT_EQ(lineCPpoint(&a, 1, &l), &a);
  EXPECT_TRUE(a.x == -1.5 && a.y == 2.5);
  for (int16_t which : {2, 0, -1}) {
    lineCPpoint(&a, which, &l);
    EXPECT_TRUE(a.x == 3.25 && a.y == -4) << which;
  }
  EXPECT_EQ(crt_rect(&r, &p, 2, 3), &r);
  EXPECT_EQ(fields(r), Line({-1.5, 2.5, 0.5, 5.5}));
  double w = 0, h = 0;
  EXPECT_EQ(rect_extent(&r, &w, &h), 6.0);
  EXPECT_TRUE(w == 2 && h == 3);
  point_swap(&l);
  EXPECT_EQ(fields(l), Line({3.25, -4, -1.5, 2.5}));
  line_swap(&l, &r);
  EXPECT_EQ(fields(r), Line({3.25, -4, -1.5, 2.5}));
  EXPECT_EQ(fields(l), Line({-1.5, 2.5, 0.5, 5.5}));
}

TEST(PlaneRecords, RectangleCornersAndContainment) {
  const survey_rect r{1, 2, 5, 8};
  const double want[][3] = {{1, 1, 8}, {2, 5, 8}, {3, 5, 2}, {4, 1, 2}, {5, 3, 5}, {6, kUnset, kUnset},
                            {0, kUnset, kUnset}, {-1, kUnset, kUnset}};
  for (const auto& c : want) {
    double x = kUnset, y = kUnset;
    GetRectXY(static_cast<int16_t>(c[0]), &r, &x, &y);
    EXPECT_TRUE(x == c[1] && y == c[2]) << c[0];
  }
  const double pts[][3] = {{1, 2, -1}, {5, 8, -1}, {3, 5, -1}, {0.999, 5, 0}, {3, 8.001, 0}, {6, 9, 0}};
  for (const auto& c : pts) {
    const survey_point p{c[0], c[1]};
    EXPECT_EQ(zah_cmpR(&p, &r), c[2]) << c[0] << "," << c[1];
  }
}

TEST(PlaneRecords, ArraysRoundTrip) {
  const double xs[] = {1, 2, 3, -4}, ys[] = {5, -6, 7, 8};
  std::vector<survey_point> pts(5, survey_point{kUnset, kUnset});
  double bx[5] = {}, by[5] = {};
  topointsxys(4, xs, ys, pts.data());
  points2xys(4, pts.data(), bx, by);
  EXPECT_TRUE(std::equal(xs, xs + 4, bx) && std::equal(ys, ys + 4, by));
  EXPECT_EQ(pts[4].x, kUnset);
  // closed 0 as listed, -1 with the first point again, anything else nothing.
  for (int16_t closed : {0, -1, 1}) {
    std::vector<survey_point> r(5, survey_point{kUnset, kUnset});
    dmat_pt(4, xs, ys, closed, r.data());
    std::fill(bx, bx + 5, kUnset);
    std::fill(by, by + 5, kUnset);
    dmat_xy(5, r.data(), bx, by);
    const double ex = closed == 1 ? kUnset : 1, ey = closed == 1 ? kUnset : 5;
    EXPECT_TRUE(bx[0] == ex && by[0] == ey && bx[3] == (closed == 1 ? kUnset : -4)) << closed;
    EXPECT_TRUE(bx[4] == (closed == -1 ? 1 : kUnset) && by[4] == (closed == -1 ? 5 : kUnset)) << closed;
  }
  std::vector<survey_line> ring(4);
  topoly(4, xs, ys, ring.data());
  EXPECT_EQ(fields(ring[0]), Line({1, 5, 2, -6}));
  EXPECT_EQ(fields(ring[3]), Line({-4, 8, 1, 5}));
  poly2xy(4, ring.data(), bx, by);
  EXPECT_TRUE(std::equal(xs, xs + 4, bx) && std::equal(ys, ys + 4, by));
}

TEST(PlaneRecords, Measures) {
  const survey_point p{1, 1}, q{4, 5};
  EXPECT_EQ(p_dist(&p, &q), 5.0);
  EXPECT_EQ(p_ang(&p, &q), ang(1, 1, 4, 5));
  EXPECT_EQ(p_eqE(&p, &q, 5.0), 1);
  EXPECT_EQ(p_eqE(&p, &q, 4.999999), 0);
  EXPECT_EQ(p_eqE(&p, &p, 0.0), 1);
  const survey_line l{1, 1, 4, 5};
  EXPECT_EQ(l_dist(&l), 5.0);
  EXPECT_EQ(l_ang(&l), ang(1, 1, 4, 5));
  double vx = 0, vy = 0;
  EXPECT_EQ(l_getvect(&l, &vx, &vy), 5.0);
  EXPECT_TRUE(vx == 0.6 && vy == 0.8);
  std::array<double, 5> g{}, e{};
  get_lineL(&l, &g[0], &g[1], &g[2], &g[3], &g[4]);
  get_line(1, 1, 4, 5, &e[0], &e[1], &e[2], &e[3], &e[4]);
  EXPECT_EQ(g, e);
  std::array<double, 3> c{}, d{};
  line_hoteiL(&l, &c[0], &c[1], &c[2]);
  line_hotei(1, 1, 4, 5, &d[0], &d[1], &d[2]);
  EXPECT_EQ(c, d);
}

TEST(PlaneRecords, PointLineinWidensBy00001) {
  const survey_line l{10, 20, 0, 0};  // box 0..10 x 0..20 whatever the direction
  const double cases[][3] = {{5, 5, 1},           {0, 0, 1},        {-0.0001, 20.0001, 1}, {10.0001, -0.0001, 1},
                             {-0.00011, 5, 0},    {5, 20.00011, 0}, {10.00011, 0, 0},       {5, -0.00011, 0}};
  for (const auto& c : cases) {
    const survey_point p{c[0], c[1]};
    EXPECT_EQ(point_linein(&l, &p), c[2]) << c[0] << "," << c[1];
  }
}

TEST(PlaneRecords, LineJoint) {
  struct Case {
    survey_line a, b;
    double tol;
    int16_t want;
  } cases[] = {
      {{0, 0, 1, 0}, {1, 0, 2, 0}, 0.001, 3},          // end of A to start of B
      {{0, 0, 1, 0}, {2, 0, 1, 0}, 0.001, 4},          // end to end
      {{0, 0, 1, 0}, {0, 0, 0, 5}, 0.001, 1},          // start to start
      {{0, 0, 1, 0}, {5, 5, 0, 0}, 0.001, 2},          // start of A to end of B
      {{0, 0, 1, 0}, {3, 3, 4, 4}, 0.001, 0},          // nothing shared
      {{0, 0, 1, 0}, {1.0005, 0, 2, 0}, 0.001, 3},     // within tol
      {{0, 0, 1, 0}, {1.0015, 0, 2, 0}, 0.001, 0},     // beyond tol
      {{0, 0, 1, 0}, {1, 0, 0, 0}, 0.001, 6},          // the same segment turned: 2 + 3, then 6
      {{0, 0, 1, 0}, {0, 0, 1, 0}, 0.001, 5},          // the same segment: 1 + 4
      {{0, 0, 0, 0}, {0, 0, 0, 0}, 0.001, 10},         // all four ends coincide
  };
  for (const auto& c : cases) EXPECT_EQ(line_joint(&c.a, &c.b, c.tol), c.want) << fields(c.a)[2] << " " << c.want;
}

TEST(PlaneRecords, CrossingsOfRecords) {
  survey_point p{kUnset, kUnset};
  const survey_line a{0, 0, 10, 10}, b{0, 10, 10, 0};
  EXPECT_EQ(line_koutenL(&p, &a, &b), &p);
  EXPECT_NEAR(p.x, 5, 1e-12);
  EXPECT_NEAR(p.y, 5, 1e-12);
  // A square's sides against the line y = 5 and against a diagonal through two
  // vertices: the sides along the line's direction (parallel) yield no point, and
  // the parallel rule's (0, 0) is not taken for a crossing of the side at the origin.
  const survey_line sides[] = {{0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}};
  std::vector<survey_point> out(8, survey_point{kUnset, kUnset});
  const survey_line y5{-20, 5, 20, 5};
  ASSERT_EQ(polyline_kou(4, sides, &y5, out.data()), 2);
  EXPECT_TRUE(std::fabs(out[0].x - 10) < 1e-12 && std::fabs(out[0].y - 5) < 1e-12);
  EXPECT_TRUE(std::fabs(out[1].x) < 1e-12 && std::fabs(out[1].y - 5) < 1e-12);
  EXPECT_EQ(out[2].x, kUnset);
  const survey_line shortL{20, 5, 30, 5};  // its own box excludes every crossing
  EXPECT_EQ(polyline_kou(4, sides, &shortL, out.data()), 0);
  double la = 0, lb = 0, lc = 0;
  line_hotei(-20, 5, 20, 5, &la, &lb, &lc);
  ASSERT_EQ(polyline_kou2(4, sides, la, lb, lc, out.data()), 2);
  EXPECT_NEAR(out[1].x, 0, 1e-12);
  // Through two vertices: each found by both of its sides.
  line_hotei(-1, -1, 11, 11, &la, &lb, &lc);
  ASSERT_EQ(polyline_kou2(4, sides, la, lb, lc, out.data()), 4);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(out[i].x, out[i].y, 1e-9);
  // The line y = 0 itself along the bottom side (parallel, equal normal): the side
  // yields nothing, the two upright sides meet it at their ends.
  line_hotei(-20, 0, 20, 0, &la, &lb, &lc);
  EXPECT_EQ(polyline_kou2(4, sides, la, lb, lc, out.data()), 2);
}

TEST(PlaneRecords, ChainsShuffledSidesIntoTheRing) {
  std::mt19937 gen(7);
  for (int trial = 0; trial < 50; ++trial) {
    const int n = 3 + trial % 9;
    std::vector<double> xs(n), ys(n);
    for (int k = 0; k < n; ++k) {
      const double t = 2 * kPi * k / n;
      xs[k] = -35000 + 100 * std::sin(t) + 0.25 * k;
      ys[k] = -5000 + 100 * std::cos(t);
    }
    std::vector<survey_line> lines(n);
    topoly(n, xs.data(), ys.data(), lines.data());
    std::shuffle(lines.begin() + 1, lines.end(), gen);
    for (int k = 1; k < n; ++k)
      if (gen() % 2) point_swap(&lines[k]);
    std::vector<survey_point> pts(n + 2, survey_point{kUnset, kUnset});
    ASSERT_EQ(line2polyline(static_cast<int16_t>(n), 0.001, lines.data(), pts.data()), n + 1);
    for (int k = 0; k <= n; ++k) {
      EXPECT_EQ(pts[k].x, xs[k % n]) << trial << " " << k;
      EXPECT_EQ(pts[k].y, ys[k % n]) << trial << " " << k;
    }
    for (int k = 0; k < n; ++k) EXPECT_TRUE(lines[k].x1 == pts[k].x && lines[k].x2 == pts[k + 1].x);
    EXPECT_EQ(pts[n + 1].x, kUnset);
  }
  // An open chain ends at its end point; fewer than three records give 0.
  survey_line open[] = {{2, 0, 3, 1}, {1, 0, 0, 0}, {1, 0, 2, 0}};
  std::swap(open[0], open[1]);
  point_swap(&open[0]);  // (0,0)-(1,0), (2,0)-(3,1), (1,0)-(2,0)
  survey_point pts[4] = {};
  ASSERT_EQ(line2polyline(3, 0.001, open, pts), 4);
  const double want[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}};
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(pts[k].x == want[k][0] && pts[k].y == want[k][1]) << k;
  EXPECT_EQ(line2polyline(2, 0.001, open, pts), 0);
}

TEST(PlaneExtents, TurnedRectangleAndRegressionLine) {
  // A 30 x 12 rectangle turned by pi/6 about an arbitrary point: turning back by
  // -pi/6 about its first vertex gives its own width and height and corners.
  const double w0 = 30, h0 = 12, c = std::cos(kPi / 6), s = std::sin(kPi / 6);
  const double bx[] = {0, 0, w0, w0, w0 / 2}, by[] = {0, h0, h0, 0, 0};
  double xs[5], ys[5];
  for (int k = 0; k < 5; ++k) {
    const double x = bx[k] + 1234.5, y = by[k] - 987.25;
    xs[k] = 1000 + c * (x - 1000) - s * (y - 50);
    ys[k] = 50 + s * (x - 1000) + c * (y - 50);
  }
  double cx[4], cy[4], w = 0, h = 0;
  EXPECT_NEAR(Rot_ExtentXY(5, -kPi / 6, xs, ys, cx, cy, &w, &h), w0 * h0, 1e-8);
  EXPECT_NEAR(w, w0, 1e-9);
  EXPECT_NEAR(h, h0, 1e-9);
  const int order[] = {0, 1, 2, 3};  // corners (xmin,ymin), (xmin,ymax), (xmax,ymax), (xmax,ymin)
  for (int k : order) {
    EXPECT_NEAR(cx[k], xs[k], 1e-9);
    EXPECT_NEAR(cy[k], ys[k], 1e-9);
  }
  // Points on y = 2x + 1: the regression angle atan(0.5) turns them upright.
  const double px[] = {0, 1, 3, 4, 7}, py[] = {1, 3, 7, 9, 15};
  EXPECT_NEAR(Poly_Extent(5, px, py, cx, cy, &w, &h), 0.0, 1e-9);
  EXPECT_NEAR(w, 0.0, 1e-12);
  EXPECT_NEAR(h, 7 * std::sqrt(5.0), 1e-12);
  double ew = 0, eh = 0, ex[4], ey[4], m = 0, k = 0, t = 0;
  kaiki_line2(5, px, py, &m, &k, &t);
  EXPECT_NEAR(t, std::atan(0.5), 1e-15);
  Rot_ExtentXY(5, t, px, py, ex, ey, &ew, &eh);
  EXPECT_TRUE(ew == w && eh == h && std::equal(ex, ex + 4, cx) && std::equal(ey, ey + 4, cy));
  survey_line l1{}, l2{};
  Poly_CL(5, px, py, cx, cy, &l1, &l2);
  EXPECT_NEAR(l_dist(&l1), 7 * std::sqrt(5.0), 1e-12);
  EXPECT_NEAR(l_dist(&l2), 0.0, 1e-12);
  for (const auto& e : {std::array<double, 2>{l1.x1, l1.y1}, std::array<double, 2>{l1.x2, l1.y2}})
    EXPECT_NEAR(e[1], 2 * e[0] + 1, 1e-12);
  EXPECT_NEAR(std::min(l1.x1, l1.x2), 0, 1e-12);
  EXPECT_NEAR(std::max(l1.x1, l1.x2), 7, 1e-12);
  // A wide rectangle: L1 is the long centre line whichever side it starts from.
  const double rx[] = {0, 10, 10, 0}, ry[] = {0, 0, 2, 2};
  Poly_CL(4, rx, ry, cx, cy, &l1, &l2);
  EXPECT_NEAR(l_dist(&l1), 10, 1e-12);
  EXPECT_NEAR(l_dist(&l2), 2, 1e-12);
  // No points: nothing written.
  double ux[4] = {kUnset, kUnset, kUnset, kUnset}, uy[4] = {kUnset, kUnset, kUnset, kUnset}, uw = kUnset, uh = kUnset;
  EXPECT_EQ(Rot_ExtentXY(0, 0.5, px, py, ux, uy, &uw, &uh), 0.0);
  EXPECT_EQ(Poly_Extent(0, px, py, ux, uy, &uw, &uh), 0.0);
  survey_line u1{kUnset, kUnset, kUnset, kUnset}, u2 = u1;
  Poly_CL(-3, px, py, ux, uy, &u1, &u2);
  EXPECT_TRUE(ux[0] == kUnset && uy[3] == kUnset && uw == kUnset && uh == kUnset && u1.x1 == kUnset && u2.y2 == kUnset);
}

}  // namespace
