// Polygon tests and ring utilities.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "polygon_reference_test.hpp"
#include "ring_test_support.hpp"
#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kUnset = -7.5;

using survey_test::boundary_distance;
using survey_test::random_ring;
using survey_test::Ring;

// Even-odd crossing test, independent of the library.
bool crossing_inside(const Ring& r, double x, double y) {
  bool in = false;
  for (size_t k = 0, j = r.x.size() - 1; k < r.x.size(); j = k++) {
    if ((r.y[k] > y) != (r.y[j] > y) &&
        x < (r.x[j] - r.x[k]) * (y - r.y[k]) / (r.y[j] - r.y[k]) + r.x[k])
      in = !in;
  }
  return in;
}

// InPolygon against the literal method and (far from the boundary) the crossing
// test; the arrays must come back untouched.
void check_point(const Ring& r, double x, double y) {
  Ring copy = r;
  const int16_t got = InPolygon(r.n(), r.x.data(), r.y.data(), x, y);
  ASSERT_EQ(0, std::memcmp(copy.x.data(), r.x.data(), r.x.size() * sizeof(double)));
  ASSERT_EQ(0, std::memcmp(copy.y.data(), r.y.data(), r.y.size() * sizeof(double)));
  ASSERT_EQ(got, survey_test::literal_in_polygon(copy.n(), copy.x.data(), copy.y.data(), x, y)) << x << " " << y;
  ASSERT_EQ(OnPolygon(r.n(), r.x.data(), r.y.data(), x, y),
            survey_test::literal_on_polygon(r.n(), r.x.data(), r.y.data(), x, y));
  if (boundary_distance(r, x, y) >= 1e-3) {
    ASSERT_EQ(got, crossing_inside(r, x, y) ? -1 : 1) << x << " " << y;
  }
}

TEST(PlanePolygons, SquareAndHandCases) {
  Ring sq{{0, 10, 10, 0}, {0, 0, 10, 10}};
  const double cases[][3] = {
      {5, 5, -1},   {5, 0, 0},     {10, 3, 0},    {0, 0, 0},     {50, 5, 1},     {-1, 5, 1},
      {5, 1e-6, -1},  // just above the bottom edge: off its line, so not on it
      {5, -1e-6, 1},  {1e-6, 5, -1}, {-1e-6, 5, 1}, {5, 10 - 1e-6, -1},
  };
  for (int sense = 0; sense < 2; ++sense) {
    for (int closing = 0; closing < 2; ++closing) {
      Ring r = sq;
      if (sense) {
        std::reverse(r.x.begin(), r.x.end());
        std::reverse(r.y.begin(), r.y.end());
      }
      if (closing) r.x.push_back(r.x[0]), r.y.push_back(r.y[0]);
      for (const auto& c : cases) {
        EXPECT_EQ(InPolygon(r.n(), r.x.data(), r.y.data(), c[0], c[1]), c[2]) << c[0] << "," << c[1];
        check_point(r, c[0], c[1]);
      }
    }
  }
  // A sloping edge: within 1e-05 of its line and in its box is on it.
  Ring tri{{0, 10, 0}, {0, 10, 10}};
  const double off = 0.7e-5 / std::sqrt(2.0);
  EXPECT_EQ(InPolygon(3, tri.x.data(), tri.y.data(), 5 + off, 5 - off), 0);
  EXPECT_EQ(OnPolygon(3, tri.x.data(), tri.y.data(), 5 + off, 5 - off), 0);
  EXPECT_EQ(InPolygon(3, tri.x.data(), tri.y.data(), 5 + 3 * off, 5 - 3 * off), 1);
  EXPECT_EQ(InPolygon(3, tri.x.data(), tri.y.data(), 5 - 3 * off, 5 + 3 * off), -1);
  // Too few points.
  EXPECT_EQ(InPolygon(2, tri.x.data(), tri.y.data(), 0, 0), 1);
  EXPECT_EQ(OnPolygon(1, tri.x.data(), tri.y.data(), 0, 0), -1);
  EXPECT_EQ(OnPolygon(2, tri.x.data(), tri.y.data(), 5, 5), 0);
  // Pentagram: its centre is wound twice and counts as outside; a tip is inside.
  Ring star;
  for (int k = 0; k < 5; ++k) {
    star.x.push_back(std::sin(k * 4 * kPi / 5) * 100);
    star.y.push_back(std::cos(k * 4 * kPi / 5) * 100);
  }
  EXPECT_EQ(InPolygon(5, star.x.data(), star.y.data(), 0, 0), 1);
  EXPECT_EQ(InPolygon(5, star.x.data(), star.y.data(), 0, 80), -1);
  check_point(star, 0, 0);
  check_point(star, 0, 80);
}

TEST(PlanePolygons, RandomRingsBothSensesAndOffsets) {
  std::mt19937_64 g(20261207);
  std::uniform_real_distribution<double> u(0, 1);
  for (int trial = 0; trial < 400; ++trial) {
    const bool star = trial % 2, reversed = (trial / 2) % 2, closing = (trial / 4) % 2;
    const double ox = (trial / 8) % 2 ? -35000 : 0, oy = (trial / 8) % 2 ? -5000 : 0;
    Ring r = random_ring(g, 3 + static_cast<int>(u(g) * 30), star, ox, oy, 100);
    if (reversed) {
      std::reverse(r.x.begin(), r.x.end());
      std::reverse(r.y.begin(), r.y.end());
    }
    if (closing) r.x.push_back(r.x[0]), r.y.push_back(r.y[0]);
    const int n = r.n();
    for (int q = 0; q < 60; ++q) {
      const int k = static_cast<int>(u(g) * n), j = (k + 1) % n;
      const double t = 0.05 + 0.9 * u(g);
      const double ex = r.x[j] - r.x[k], ey = r.y[j] - r.y[k], len = std::hypot(ex, ey);
      double x = r.x[k] + t * ex, y = r.y[k] + t * ey;
      switch (q % 5) {
        case 0: x = ox + 320 * (u(g) - 0.5), y = oy + 320 * (u(g) - 0.5); break;  // anywhere
        case 1: break;                                                            // on an edge
        case 2: {  // within 1e-05 of it
          const double e = len > 0 ? 0.9e-5 * (2 * u(g) - 1) / len : 0.0;
          x += -ey * e, y += ex * e;
          break;
        }
        case 3: {  // just off it, either side
          const double e = len > 0 ? (1.1e-5 + 1e-4 * u(g)) * (q % 2 ? 1 : -1) / len : 0.0;
          x += -ey * e, y += ex * e;
          break;
        }
        case 4: x = r.x[k] + 0.3 * (u(g) - 0.5), y = r.y[k]; break;  // level with a vertex
      }
      check_point(r, x, y);
      if (q % 5 == 1 && len > 1e-3) {
        EXPECT_EQ(InPolygon(r.n(), r.x.data(), r.y.data(), x, y), 0);
      }
    }
  }
}

// The winding count with its fall-back to the angle sum is not the angle sum by
// construction: compare it with the literal method over ten million queries,
// convex, star-shaped, self-intersecting and degenerate rings of every sense and
// size, with many queries on, near and level with the boundary.
TEST(PlanePolygons, WindingCountEqualsAngleSumOver10MillionQueries) {
  std::mt19937_64 g(977);
  std::uniform_real_distribution<double> u(0, 1);
  const double offsets[][2] = {{0, 0}, {-35000, -5000}, {150000, 60000}, {-2e6, 3e6}, {1e8, -1e8}, {0.5, -0.25}};
  const double sizes[] = {1e-3, 1, 100, 5000, 2e5};
  long compared = 0, differ = 0;
  int trial = 0;
  while (compared < 10000000) {
    ++trial;
    const int kind = trial % 4;
    const double* o = offsets[trial % 6];
    const double size = sizes[(trial / 6) % 5];
    const int n = kind == 3 ? 40 : 3 + static_cast<int>(u(g) * 10);
    Ring r;
    if (kind == 2) {  // self-intersecting: vertices anywhere
      for (int k = 0; k < n; ++k) r.x.push_back(o[0] + size * (u(g) - 0.5)), r.y.push_back(o[1] + size * (u(g) - 0.5));
    } else {
      r = random_ring(g, n, kind != 0, o[0], o[1], size);
    }
    if (trial % 5 == 0) {
      std::reverse(r.x.begin(), r.x.end());
      std::reverse(r.y.begin(), r.y.end());
    }
    if (trial % 7 == 0) r.x.push_back(r.x[0]), r.y.push_back(r.y[0]);
    if (trial % 11 == 0) r.x[1] = r.x[0], r.y[1] = r.y[0];        // a repeated vertex
    if (trial % 13 == 0) r.y[2] = r.y[1];                           // a level edge
    if (trial % 17 == 0) r.x[2] = r.x[1];                           // an upright edge
    const int m = r.n();
    Ring lit = r;
    for (int q = 0; q < 100; ++q, ++compared) {
      const int k = static_cast<int>(u(g) * m), j = (k + 1) % m;
      double x = r.x[k] + u(g) * (r.x[j] - r.x[k]), y = r.y[k] + u(g) * (r.y[j] - r.y[k]);
      const double step = std::ldexp(1.0, -static_cast<int>(u(g) * 60)) * 1e-3;
      switch (q % 8) {
        case 0: case 1: case 2:
          x = o[0] + 1.4 * size * (u(g) - 0.5), y = o[1] + 1.4 * size * (u(g) - 0.5);
          break;
        case 3: x += step * (u(g) - 0.5), y += step * (u(g) - 0.5); break;  // near an edge
        case 4: y = r.y[k] + (q % 16 == 4 ? 0 : step); x = o[0] + size * (u(g) - 0.5); break;  // level
        case 5: x = r.x[k] + step * (u(g) - 0.5), y = r.y[k]; break;         // near a vertex
        case 6: break;                                                      // on an edge
        case 7: x = r.x[k], y = r.y[k] + step; break;
      }
      if (q == 99 && trial % 1000 == 0) x = std::numeric_limits<double>::quiet_NaN();
      if (q == 98 && trial % 1000 == 0) y = std::numeric_limits<double>::infinity();
      const int16_t fast = InPolygon(static_cast<int16_t>(m), r.x.data(), r.y.data(), x, y);
      const int16_t ref = survey_test::literal_in_polygon(static_cast<int16_t>(m), lit.x.data(), lit.y.data(), x, y);
      if (fast != ref && ++differ <= 5) ADD_FAILURE() << "trial " << trial << " query " << q << ": " << fast << " vs " << ref;
    }
  }
  EXPECT_EQ(differ, 0);
  EXPECT_GE(compared, 10000000);
}

TEST(PlanePolygons, InnerPointAndPerimeter) {
  // The first triple's centroid lies in the notch, outside: the second is taken.
  const double cx[] = {0, 5, 10, 10, 0}, cy[] = {0, 8, 0, 10, 10};
  double x = kUnset, y = kUnset;
  poly_gyusin(5, cx, cy, &x, &y);
  EXPECT_EQ(x, (5.0 + 10 + 10) * 0.3333333333333333);
  EXPECT_EQ(y, (8.0 + 0 + 10) * 0.3333333333333333);
  // None inside, or too few points: nothing written.
  const double lx[] = {0, 1, 2, 3}, ly[] = {0, 0, 0, 0};
  x = y = kUnset;
  poly_gyusin(4, lx, ly, &x, &y);
  poly_gyusin(2, cx, cy, &x, &y);
  EXPECT_TRUE(x == kUnset && y == kUnset);
  const double tx[] = {0, 3, 3}, ty[] = {0, 0, 4};
  EXPECT_EQ(poly_leng(3, tx, ty, -1), 12.0);
  EXPECT_EQ(poly_leng(3, tx, ty, 0), 7.0);
  EXPECT_EQ(poly_leng(3, tx, ty, 1), 0.0);
  EXPECT_EQ(poly_leng(1, tx, ty, -1), 0.0);
}

TEST(PlanePolygons, ChainageOfA345Triangle) {
  struct Case {
    int16_t k, sense, mode;
    double step;
    std::vector<double> xs, ys, pos;
  } cases[] = {
      // (0,0) (0,3) (4,0) has a positive area: sense 1 walks it as listed, -1 the
      // other way; the listing (0,0) (4,0) (0,3) the opposite.
      {1, 1, 0, 1.0, {0, 0, 4}, {0, 3, 0}, {0, 3, 8, 12}},
      {1, -1, 0, 1.0, {0, 0, 4}, {0, 3, 0}, {0, 4, 9, 12}},
      {1, 1, 0, 1.0, {0, 4, 0}, {0, 0, 3}, {0, 3, 8, 12}},
      {1, -1, 0, 1.0, {0, 4, 0}, {0, 0, 3}, {0, 4, 9, 12}},
      {2, 1, 1, 2.0, {0, 0, 4}, {0, 3, 0}, {0, 2, 4, 5}},
      {1, 1, 0, 2.0, {0, 0, 4}, {0, 3, 0}, {0, 1, 4, 6}},
      {3, -1, 0, 0.5, {0, 4, 0}, {0, 0, 3}, {0, 6, 14, 24}},
      {3, -1, 1, 0.5, {0, 4, 0}, {0, 0, 3}, {0, 6, 14, 24}},
      {2, -1, 0, 0.7, {0, 4, 0}, {0, 0, 3}, {0, 7, 11, 12 / 0.7}},
  };
  for (const auto& c : cases) {
    std::vector<double> xs = c.xs, ys = c.ys, pos(5, kUnset);
    kado_ban(3, xs.data(), ys.data(), c.k, c.sense, c.step, c.mode, pos.data());
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(pos[i], c.pos[i], 1e-12) << c.k << " " << c.sense << " " << i;
    EXPECT_EQ(pos[4], kUnset);
  }
  // work_kado alone, both modes: mode 0 keeps the perimeter unrounded.
  const double tx[] = {0, 3, 3}, ty[] = {0, 0, 4};
  double pos[4];
  work_kado(3, tx, ty, 0.7, 0, pos);
  EXPECT_EQ(pos[1], std::floor(3 / 0.7));
  EXPECT_EQ(pos[3], 3 / 0.7 + 4 / 0.7 + 5 / 0.7);
  work_kado(3, tx, ty, 0.7, 1, pos);
  EXPECT_EQ(pos[3], 4 + 5 + 7);
  double untouched[4] = {kUnset, kUnset, kUnset, kUnset};
  work_kado(3, tx, ty, 1, 2, untouched);
  work_kado(0, tx, ty, 1, 0, untouched);
  EXPECT_EQ(untouched[0], kUnset);
  // Refused arguments write nothing and keep the ring.
  std::vector<double> big_x(1025), big_y(1025);
  for (int i = 0; i < 1025; ++i) big_x[i] = std::sin(i * 2 * kPi / 1025), big_y[i] = std::cos(i * 2 * kPi / 1025);
  const std::vector<double> keep_x = big_x;
  std::vector<double> out(1026, kUnset);
  kado_ban(1025, big_x.data(), big_y.data(), 5, 1, 0.1, 0, out.data());
  pos_rot(1025, big_x.data(), big_y.data(), 5, 1);
  EXPECT_EQ(big_x, keep_x);
  EXPECT_EQ(out[0], kUnset);
  std::vector<double> xs = {0, 0, 4}, ys = {0, 3, 0};
  for (auto bad : {std::array<double, 4>{0, 1, 1, 0}, {4, 1, 1, 0}, {1, 0, 1, 0}, {1, 1, 0, 0}, {1, 1, 1, 2}}) {
    kado_ban(3, xs.data(), ys.data(), static_cast<int16_t>(bad[0]), static_cast<int16_t>(bad[1]), bad[2],
             static_cast<int16_t>(bad[3]), out.data());
  }
  EXPECT_EQ(out[0], kUnset);
  EXPECT_EQ(xs, std::vector<double>({0, 0, 4}));
}

TEST(PlanePolygons, Renumbering) {
  std::vector<double> xs = {1, 2, 3, 4, 5}, ys = {6, 7, 8, 9, 10};
  pos_rot(5, xs.data(), ys.data(), 3, 0);
  EXPECT_EQ(xs, std::vector<double>({3, 4, 5, 1, 2}));
  EXPECT_EQ(ys, std::vector<double>({8, 9, 10, 6, 7}));
  pos_rot(5, xs.data(), ys.data(), 2, 1);  // reversed: 2 1 5 4 3, vertex 2 of the listing first
  EXPECT_EQ(xs, std::vector<double>({4, 3, 2, 1, 5}));
  for (int16_t k : {0, 6}) pos_rot(5, xs.data(), ys.data(), k, 0);
  pos_rot(2, xs.data(), ys.data(), 2, 0);
  EXPECT_EQ(xs, std::vector<double>({4, 3, 2, 1, 5}));
}

TEST(PlanePolygons, OffsetRingAndRegularPolygon) {
  double xo[4], yo[4];
  get_polyxy(0, 0, 4, 1, xo, yo);
  const double wx[] = {0, 1, 0, -1}, wy[] = {1, 0, -1, 0};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(xo[k], wx[k], 1e-15);
    EXPECT_NEAR(yo[k], wy[k], 1e-15);
  }
  double u[3] = {kUnset, kUnset, kUnset};
  get_polyxy(0, 0, 2, 1, u, u);
  get_polyxy(0, 0, 5, 0, u, u);
  EXPECT_EQ(u[0], kUnset);
  // A square's vertices move along the diagonals; the reflex vertex of an L moves outward.
  const double sx[] = {0, 10, 10, 0}, sy[] = {0, 0, 10, 10};
  poly_inpoly(4, sx, sy, std::sqrt(2.0), xo, yo);
  const double ix[] = {1, 9, 9, 1}, iy[] = {1, 1, 9, 9};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(xo[k], ix[k], 1e-12);
    EXPECT_NEAR(yo[k], iy[k], 1e-12);
  }
  const double lx[] = {0, 2, 2, 1, 1, 0}, ly[] = {0, 0, 1, 1, 2, 2};
  double ox[6], oy[6];
  poly_inpoly(6, lx, ly, 0.1, ox, oy);
  EXPECT_EQ(InPolygon(6, lx, ly, ox[0], oy[0]), -1);
  EXPECT_EQ(InPolygon(6, lx, ly, ox[3], oy[3]), 1);
  EXPECT_NEAR(dist(lx[3], ly[3], ox[3], oy[3]), 0.1, 1e-12);
  poly_inpoly(2, sx, sy, 1, u, u);
  EXPECT_EQ(u[0], kUnset);
}

TEST(PlanePolygons, GridCode) {
  struct Case {
    const char* code;
    double a, b, x, y;
  } cases[] = {
      {"01020000100002", 250, 2, -299925, -159800},
      {"0102", 250, 2, -300000, -160000},         // later fields absent
      {"010200001000", 250, 2, -299925, -160000},   // the last field cut short
      {"0102000010012", 250, 2, -299925, -158800},
      {"", 0, 0, -300000, -160000},
      {"99994000050000", 24750, 99, 2.7e6, 4.84e6},
  };
  for (const auto& c : cases) {
    // The code in a buffer of its own length, so that a read past its end shows.
    std::vector<char> buf(c.code, c.code + std::strlen(c.code) + 1);
    double a = kUnset, b = kUnset, x = kUnset, y = kUnset;
    zcd2xy(buf.data(), &a, &b, &x, &y);
    EXPECT_EQ(a, c.a) << c.code;
    EXPECT_EQ(b, c.b) << c.code;
    EXPECT_EQ(x, c.x) << c.code;
    EXPECT_EQ(y, c.y) << c.code;
  }
}

}  // namespace
