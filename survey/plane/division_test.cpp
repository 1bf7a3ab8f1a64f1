// Parcel division.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

#include "ring_test_support.hpp"
#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kUnset = -7.5;

using survey_test::boundary_distance;
using survey_test::Ring;

// Shoelace in the library's sign (positive clockwise), on coordinates relative to
// the first point so that plane-coordinate offsets cost no digits.
double shoelace(const std::vector<double>& x, const std::vector<double>& y) {
  long double s = 0;
  const size_t n = x.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    const long double x1 = x[i] - x[0], y1 = y[i] - y[0], x2 = x[j] - x[0], y2 = y[j] - y[0];
    s += x2 * y1 - x1 * y2;
  }
  return static_cast<double>(s * 0.5L);
}

// The part of the ring left of the directed line P->Q (cross product > 0).
Ring clip_left(const Ring& r, double px, double py, double qx, double qy) {
  Ring out;
  const size_t n = r.x.size();
  auto side = [&](size_t i) {
    return static_cast<double>((static_cast<long double>(qx) - px) * (r.y[i] - py) -
                               (static_cast<long double>(qy) - py) * (r.x[i] - px));
  };
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    const double si = side(i), sj = side(j);
    if (si >= 0) {
      out.x.push_back(r.x[i]);
      out.y.push_back(r.y[i]);
    }
    if ((si > 0 && sj < 0) || (si < 0 && sj > 0)) {
      const double f = si / (si - sj);
      out.x.push_back(r.x[i] + f * (r.x[j] - r.x[i]));
      out.y.push_back(r.y[i] + f * (r.y[j] - r.y[i]));
    }
  }
  return out;
}

// A random ring (survey_test::random_ring), made clockwise: positive work_area.
Ring random_ring(std::mt19937_64& g, int n, bool star, double ox, double oy, double size) {
  Ring r = survey_test::random_ring(g, n, star, ox, oy, size);
  std::reverse(r.x.begin(), r.x.end());
  std::reverse(r.y.begin(), r.y.end());
  return r;
}

struct Check {
  double area_err = 0, angle_err = 0, end_err = 0, left_err = 0;
};

// A successful pol_dev2 result, verified independently: chord along t, ends on the
// boundary, the ring split by the chord gives T on the left (Aleft) and the rest.
void verify_chord(const Ring& r, double t, double T, const survey_line& c, double left, double right, Check* worst,
                  const char* what) {
  const double S = shoelace(r.x, r.y);
  const double ux = std::sin(t), uy = std::cos(t);
  double dx = c.x2 - c.x1, dy = c.y2 - c.y1;
  if (dx * ux + dy * uy < 0) {
    dx = -dx;
    dy = -dy;
  }
  const double len = std::hypot(dx, dy);
  ASSERT_GT(len, 0) << what;
  const double off = std::fabs(ux * dy - uy * dx) / len;
  EXPECT_LE(off, 1e-8) << what;
  const double e = std::max(boundary_distance(r, c.x1, c.y1), boundary_distance(r, c.x2, c.y2));
  EXPECT_LE(e, 1e-6) << what;
  const double px = (dx == c.x2 - c.x1) ? c.x1 : c.x2, py = (dx == c.x2 - c.x1) ? c.y1 : c.y2;
  const Ring L = clip_left(r, px, py, px + dx, py + dy);
  const Ring R = clip_left(r, px + dx, py + dy, px, py);
  const double al = std::fabs(shoelace(L.x, L.y)), ar = std::fabs(shoelace(R.x, R.y));
  EXPECT_LE(std::fabs(al - T), 1e-05 + 1e-9 * S) << what;
  EXPECT_LE(std::fabs(al - left), 1e-9 * S) << what;
  EXPECT_LE(std::fabs(al + ar - S), 1e-9 * S) << what;
  EXPECT_EQ(right, work_area(r.n(), r.x.data(), r.y.data()) - left) << what;
  worst->area_err = std::max(worst->area_err, std::fabs(al - T));
  worst->left_err = std::max(worst->left_err, std::fabs(al - left));
  worst->angle_err = std::max(worst->angle_err, off);
  worst->end_err = std::max(worst->end_err, e);
}

double to_dms(double rad) { return deg2dms(rad2deg(rad)); }

const Ring kSquare{{0, 0, 10, 10}, {0, 10, 10, 0}};

TEST(Division, FanMethod) {
  struct Case {
    int16_t k;
    double A;
    int16_t ok;
    double x, y;
  } cases[] = {
      {1, 25, 1, 5, 10},    {1, 50, 1, 10, 10},  // a fan area gives the vertex itself
      {1, 100, 1, 10, 0},   {2, 75, 1, 5, 0},    {1, 150, 0, 0, 0},
      {1, 0, 0, 0, 0},      {1, -5, 0, 0, 0},    {1, std::nan(""), 0, 0, 0},  // no bracket
      {0, 25, 0, 0, 0},     {5, 25, 0, 0, 0},
  };
  for (const Case& c : cases) {
    double x = kUnset, y = kUnset;
    ASSERT_EQ(pol_dev(4, kSquare.x.data(), kSquare.y.data(), c.k, c.A, &x, &y), c.ok) << c.k << " " << c.A;
    EXPECT_EQ(x, c.ok ? c.x : kUnset);
    EXPECT_EQ(y, c.ok ? c.y : kUnset);
  }
  // From a point along edge 1; a negative distance would start outside the parcel.
  double xa = kUnset, ya = kUnset, x = kUnset, y = kUnset;
  EXPECT_EQ(pol_dev1(4, kSquare.x.data(), kSquare.y.data(), 1, -2, 25, &xa, &ya, &x, &y), 0);
  EXPECT_EQ(pol_dev1(4, kSquare.x.data(), kSquare.y.data(), 1, 11, 25, &xa, &ya, &x, &y), 0);
  EXPECT_EQ(x, kUnset);
  ASSERT_EQ(pol_dev1(4, kSquare.x.data(), kSquare.y.data(), 1, 2, 25, &xa, &ya, &x, &y), 1);
  EXPECT_EQ(xa, 0);
  EXPECT_EQ(ya, 2);
  // Triangle Q, (0,10), (x,10) has area 25.
  EXPECT_DOUBLE_EQ(x, 6.25);
  EXPECT_EQ(y, 10);

  // Random convex rings: V1..V(j), P cut off area A and the rest S - A.
  std::mt19937_64 g(3);
  std::uniform_real_distribution<double> u(0.02, 0.98);
  for (int trial = 0; trial < 300; ++trial) {
    const double ox = trial % 3 == 0 ? 0 : trial % 3 == 1 ? -35000 : -250000;
    const double oy = trial % 3 == 0 ? 0 : trial % 3 == 1 ? -5000 : 180000;
    const Ring r = random_ring(g, 3 + trial % 10, false, ox, oy, 30);
    const double S = shoelace(r.x, r.y), A = u(g) * S;
    const int16_t k = static_cast<int16_t>(1 + trial % r.n());
    ASSERT_EQ(pol_dev(r.n(), r.x.data(), r.y.data(), k, A, &x, &y), 1);
    Ring piece;
    for (int i = 0; i < r.n(); ++i) {
      const int v = (k - 1 + i) % r.n();
      piece.x.push_back(r.x[v]);
      piece.y.push_back(r.y[v]);
      // Stop at the vertex before the point: P lies on the edge after it.
      const int w = (v + 1) % r.n();
      const double cross = (r.x[w] - r.x[v]) * (y - r.y[v]) - (r.y[w] - r.y[v]) * (x - r.x[v]);
      const double along = (x - r.x[v]) * (r.x[w] - r.x[v]) + (y - r.y[v]) * (r.y[w] - r.y[v]);
      const double l2 = std::pow(r.x[w] - r.x[v], 2) + std::pow(r.y[w] - r.y[v], 2);
      if (i > 0 && std::fabs(cross) <= 1e-9 * l2 && along >= 0 && along <= l2) break;
    }
    piece.x.push_back(x);
    piece.y.push_back(y);
    EXPECT_NEAR(shoelace(piece.x, piece.y), A, 1e-9 * S) << trial;
  }
}

TEST(Division, SideAndCrossings) {
  // Point_UD2: the left of a directed line or on it is 1; t taken modulo 2 pi; a
  // line parallel to the y axis compares x.
  struct Case {
    double t_deg, x, y;
    int16_t side;
  } cases[] = {{90, 0, 1, 1},  {90, 0, -1, 2}, {270, 0, 1, 2}, {450, 0, 1, 1}, {-270, 0, 1, 1},
               {0, -1, 5, 1},  {0, 1, 5, 2},   {180, -1, 5, 2}, {180, 1, 5, 1}, {540, 1, 5, 1},
               {30, -1, 1, 1}, {30, 1, -1, 2}, {90, 3, 0, 1}};
  for (const Case& c : cases) {
    double a = 0, b = 0, cc = 0;
    line_hoteiPA(0, 0, c.t_deg * kPi / 180, &a, &b, &cc);
    EXPECT_EQ(Point_UD2(a, b, cc, c.t_deg * kPi / 180, c.x, c.y), c.side) << c.t_deg << " " << c.x;
  }
  // Crossings: a vertex counted once; an edge along the line has none.
  const survey_line edges[4] = {{0, 0, 0, 10}, {0, 10, 10, 10}, {10, 10, 10, 0}, {10, 0, 0, 0}};
  survey_point pts[4];
  int16_t eno[4];
  double a = 0, b = 0, c = 0;
  line_hotei(0, 0, 10, 10, &a, &b, &c);
  ASSERT_EQ(polyline_kou3(4, edges, a, b, c, pts, eno), 2);
  EXPECT_EQ(eno[0], 1);
  EXPECT_EQ(eno[1], 3);
  EXPECT_NEAR(pts[1].x, 10, 1e-12);
  line_hotei(0, 0, 0, 10, &a, &b, &c);  // along edge 1
  ASSERT_EQ(polyline_kou3(4, edges, a, b, c, pts, eno), 1);
  EXPECT_EQ(eno[0], 2);
  EXPECT_EQ(polyline_kou3(0, edges, a, b, c, pts, eno), 0);

  // A line through V1 and within 1e-4 of V2 leaves a piece of two points: area 0,
  // whichever side it is on.
  survey_line ch{};
  double left = kUnset;
  line_hotei(0, 0, 0.00005, 10, &a, &b, &c);
  ASSERT_EQ(polyline_devarea(4, kSquare.x.data(), kSquare.y.data(), a, b, c, std::atan2(0.00005, 10), &ch, &left), 1);
  EXPECT_EQ(left, 0.0);
  line_hotei(0.00005, 10, 0, 0, &a, &b, &c);
  ASSERT_EQ(polyline_devarea(4, kSquare.x.data(), kSquare.y.data(), a, b, c, kPi + std::atan2(0.00005, 10), &ch,
                             &left),
            1);
  EXPECT_NEAR(left, 100 - 0.00025, 1e-9);

  // Selection sort carrying indexes; ties keep the first.
  double v[5] = {3, 1, 2, 1, 0};
  int16_t idx[5] = {0, 1, 2, 3, 4};
  dsortNO(5, v, idx);
  EXPECT_EQ(std::vector<double>(v, v + 5), (std::vector<double>{0, 1, 1, 2, 3}));
  EXPECT_EQ(std::vector<int16_t>(idx, idx + 5), (std::vector<int16_t>{4, 1, 3, 2, 0}));
  survey_point p[2] = {{1, 2}, {3, 4}}, q[2] = {{5, 6}, {7, 8}};
  Pswap(1, p, q);
  EXPECT_EQ(p[0].x, 5);
  EXPECT_EQ(q[0].y, 2);
  EXPECT_EQ(p[1].x, 3);
}

TEST(Division, ByDirectionFixedCases) {
  Check worst;
  struct Case {
    Ring r;
    double t_dms, a, b;
    int16_t ok;
  } cases[] = {
      // An edge parallel to the line: 1:1 and 4:1 at 90 degrees.
      {{{-10, -12, -5, 5, 10}, {-10, -3, 0, 0, -10}}, 90, 1, 1, 1},
      {{{-10, -12, -5, 5, 10}, {-10, -3, 0, 0, -10}}, 90, 4, 1, 1},
      // t beyond a whole turn.
      {{{0, 2, 10, 12, 5}, {0, 9, 11, 3, -4}}, 420, 3, 7, 1},
      {{{0, 2, 10, 12, 5}, {0, 9, 11, 3, -4}}, 60, 3, 7, 1},
      // The diamond at 0 degrees (a line parallel to the y axis).
      {{{0, 10, 0, -10}, {10, 0, -10, 0}}, 0, 1, 3, 1},
      {{{0, 10, 0, -10}, {10, 0, -10, 0}}, 180, 1, 3, 1},
      // A rectangle cut parallel to its sides has no vertex chord; at 90 degrees the
      // packed-DMS conversion tilts the line by a rounding step, and the near-edge
      // vertex lines give chords that lead to the right cut.
      {{{0, 0, 20, 20}, {0, 10, 10, 0}}, 0, 1, 3, 0},
      {{{0, 0, 20, 20}, {0, 10, 10, 0}}, 90, 1, 1, 1},
      // A square halved along its diagonal: the target equals a vertex line's area.
      {kSquare, 45, 1, 1, 0},
      // The reversed ring is refused.
      {{{0, 10, 10, 0}, {0, 0, 10, 10}}, 30, 1, 1, 0},
      {kSquare, 30, 0, 1, 0},
      {kSquare, 30, 1, -1, 0},
  };
  for (const Case& c : cases) {
    survey_line ch{};
    double left = kUnset, right = kUnset;
    const int16_t r = pol_dev2(c.r.n(), c.r.x.data(), c.r.y.data(), c.t_dms, c.a, c.b, &ch, &left, &right);
    ASSERT_EQ(r, c.ok) << c.t_dms << " " << c.a;
    const double S = work_area(c.r.n(), c.r.x.data(), c.r.y.data());
    if (r == 1)
      verify_chord(c.r, dms2deg(c.t_dms) * kPi / 180, c.a / (c.a + c.b) * S, ch, left, right, &worst, "fixed");
    else
      EXPECT_TRUE(left == kUnset && right == kUnset);
  }
  // The pentagon at 420 degrees is the pentagon at 60.
  survey_line ch{};
  double left = 0, right = 0;
  const Ring pent{{0, 2, 10, 12, 5}, {0, 9, 11, 3, -4}};
  ASSERT_EQ(pol_dev2(5, pent.x.data(), pent.y.data(), 420, 3, 7, &ch, &left, &right), 1);
  EXPECT_NEAR(left, 0.3 * 116.5, 1e-05);
  // pol_dev3: A on the left; refused for the wrong sense or A >= S.
  ASSERT_EQ(pol_dev3(5, pent.x.data(), pent.y.data(), 33.3, 40, &ch, &left, &right), 1);
  EXPECT_NEAR(left, 40, 1e-05);
  EXPECT_EQ(right, 116.5 - left);
  const std::vector<double> rx(pent.x.rbegin(), pent.x.rend()), ry(pent.y.rbegin(), pent.y.rend());
  left = right = kUnset;
  EXPECT_EQ(pol_dev3(5, rx.data(), ry.data(), 33.3, 40, &ch, &left, &right), 0);
  EXPECT_EQ(pol_dev3(5, pent.x.data(), pent.y.data(), 33.3, 116.5, &ch, &left, &right), 0);
  EXPECT_EQ(pol_dev3(2, pent.x.data(), pent.y.data(), 33.3, 10, &ch, &left, &right), 0);
  EXPECT_TRUE(left == kUnset && right == kUnset);
  // Brackets are strict.
  int16_t i1 = -1, i2 = -1;
  EXPECT_EQ(pol_areaLimit(4, kSquare.x.data(), kSquare.y.data(), kPi / 4, 50, &i1, &i2), 0);
  ASSERT_EQ(pol_areaLimit(4, kSquare.x.data(), kSquare.y.data(), kPi / 4, 49, &i1, &i2), 1);
  EXPECT_EQ(i1, 1);  // V2's line only touches the ring: nothing on its left
  EXPECT_EQ(i2, 0);  // V1's line is the diagonal: half
  EXPECT_EQ(pol_areaLimit(4, kSquare.x.data(), kSquare.y.data(), kPi / 4, 0, &i1, &i2), 0);
}

TEST(Division, ByDirectionRandomRings) {
  std::mt19937_64 g(17);
  std::uniform_real_distribution<double> u(0, 1);
  const double offsets[3][2] = {{0, 0}, {-35000, -5000}, {-250000, 180000}};
  const double sizes[3] = {40, 40, 10};
  Check worst;
  int tried = 0, succeeded = 0, parallel_triangle = 0, star_tried = 0, star_ok = 0;
  for (int o = 0; o < 3; ++o) {
    for (int trial = 0; trial < 120; ++trial) {
      const Ring r = random_ring(g, 3 + trial % 10, false, offsets[o][0], offsets[o][1], sizes[o]);
      const double e = ang(r.x[0], r.y[0], r.x[1], r.y[1]);
      const double dirs[] = {0, 90, 180, 270, to_dms(e), 420, to_dms(2 * kPi * u(g))};
      for (double t_dms : dirs) {
        const double a = 0.02 + 0.96 * u(g);
        survey_line ch{};
        double left = kUnset, right = kUnset;
        ++tried;
        const int16_t ok = pol_dev2(r.n(), r.x.data(), r.y.data(), t_dms, a, 1 - a, &ch, &left, &right);
        if (ok != 1 && r.n() == 3 && t_dms == dirs[4]) {
          // A triangle cut parallel to an edge: both bracketing vertex lines (the
          // edge's and the apex's) only touch the ring.
          ++parallel_triangle;
          EXPECT_TRUE(left == kUnset && right == kUnset);
          continue;
        }
        if (ok != 1) {
          ADD_FAILURE() << "offset " << o << " trial " << trial << " t " << t_dms << " a " << a;
          continue;
        }
        ++succeeded;
        const double S = work_area(r.n(), r.x.data(), r.y.data());
        verify_chord(r, dms2deg(t_dms) * kPi / 180, a / (a + (1 - a)) * S, ch, left, right, &worst, "convex");
      }
    }
  }
  // Star rings: a failure or a correct chord, never a wrong success.
  for (int trial = 0; trial < 300; ++trial) {
    const Ring r = random_ring(g, 5 + trial % 8, true, -35000, -5000, 40);
    const double t_dms = to_dms(2 * kPi * u(g)), a = 0.02 + 0.96 * u(g);
    survey_line ch{};
    double left = kUnset, right = kUnset;
    ++star_tried;
    if (pol_dev2(r.n(), r.x.data(), r.y.data(), t_dms, a, 1 - a, &ch, &left, &right) != 1) {
      EXPECT_TRUE(left == kUnset && right == kUnset);
      continue;
    }
    ++star_ok;
    const double S = work_area(r.n(), r.x.data(), r.y.data());
    verify_chord(r, dms2deg(t_dms) * kPi / 180, a * S, ch, left, right, &worst, "star");
  }
  std::printf("convex %d of %d (%d triangles parallel to an edge), star %d of %d; largest area error %.3g (library %.3g), direction %.3g rad, end %.3g\n",
              succeeded, tried, parallel_triangle, star_ok, star_tried, worst.area_err, worst.left_err, worst.angle_err, worst.end_err);
}

}  // namespace
