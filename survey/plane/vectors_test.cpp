// Plane and spatial vectors, planes in space, circle and sphere of one radius.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "survey/survey.h"

namespace {

using V3 = std::array<double, 3>;

constexpr double kPi = 3.141592653589793;

double dot(const V3& a, const V3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double norm(const V3& a) { return std::sqrt(dot(a, a)); }

// Residual of a point in a plane, relative to the sizes involved.
double plane_residual(const double* pl, const V3& p) {
  const double s = std::fabs(pl[0] * p[0]) + std::fabs(pl[1] * p[1]) + std::fabs(pl[2] * p[2]) + std::fabs(pl[3]);
  return std::fabs(pl[0] * p[0] + pl[1] * p[1] + pl[2] * p[2] + pl[3]) / (s == 0.0 ? 1.0 : s);
}

struct Random3 {
  std::mt19937_64 gen{20261207};
  std::uniform_real_distribution<double> u{-100.0, 100.0};
  V3 operator()() { return {u(gen), u(gen), u(gen)}; }
};

TEST(PlaneVectors, Values) {
  double dx = 0, dy = 0;
  vect(1, 2, 4, -2, &dx, &dy);
  EXPECT_EQ(dx, 3.0);
  EXPECT_EQ(dy, -4.0);
  EXPECT_EQ(vdist(3, -4), 5.0);
  EXPECT_EQ(vdist(3, -4), dist(0, 0, 3, -4));
  // Direction angles from +y, clockwise.
  struct Case {
    double x, y, t;
  } angles[] = {{0, 1, 0.0}, {1, 0, kPi / 2}, {0, -1, kPi}, {-1, 0, 3 * kPi / 2}, {1, 1, kPi / 4}, {0, 0, 0.0}};
  for (const auto& c : angles) EXPECT_DOUBLE_EQ(vang(c.x, c.y), c.t) << c.x << "," << c.y;

  double ux = 9, uy = 9;
  EXPECT_EQ(uvect(-3, 4, &ux, &uy), 5.0);
  EXPECT_EQ(ux, -0.6);
  EXPECT_EQ(uy, 0.8);
  EXPECT_EQ(uvect(0, -2, &ux, &uy), 2.0);
  EXPECT_EQ(ux, 0.0);  // zero component stays exactly zero
  EXPECT_EQ(uy, -1.0);
  EXPECT_EQ(uvect(0, 0, &ux, &uy), 0.0);
  EXPECT_EQ(ux, 0.0);
  EXPECT_EQ(uy, 0.0);
  EXPECT_EQ(get_vect2(1, 1, 4, 5, &ux, &uy), 5.0);
  EXPECT_EQ(ux, 0.6);
  EXPECT_EQ(uy, 0.8);

  EXPECT_EQ(dot_product(1, 2, 3, 4), 11.0);
  EXPECT_EQ(cross_product(1, 0, 0, 1), 1.0);
  EXPECT_EQ(cross_product(0, 1, 1, 0), -1.0);
  EXPECT_EQ(cross_product(2, 3, 4, 5), -2.0);
}

TEST(SpatialVectors, ProductsLengthsUnitVectors) {
  const double a[3] = {1, 2, 3}, b[3] = {4, 5, 6};
  double p[3] = {};
  dot_product_3d(a, b, p);  // the products, not their sum
  EXPECT_EQ(p[0], 4.0);
  EXPECT_EQ(p[1], 10.0);
  EXPECT_EQ(p[2], 18.0);
  cross_product_3d(a, b, p);
  EXPECT_EQ(p[0], -3.0);
  EXPECT_EQ(p[1], 6.0);
  EXPECT_EQ(p[2], -3.0);
  vect_3d(a, b, p);
  EXPECT_EQ(p[0], 3.0);
  EXPECT_EQ(p[2], 3.0);
  EXPECT_EQ(dist_3d(a, b), std::sqrt(27.0));
  const double v[3] = {2, -3, 6};
  EXPECT_EQ(vdist_3d(v), 7.0);
  double u[3] = {9, 9, 9};
  EXPECT_EQ(uvect_3d(v, u), 7.0);
  EXPECT_EQ(u[0], 2.0 / 7.0);
  EXPECT_EQ(u[1], -3.0 / 7.0);
  const double zero[3] = {0, 0, 0};
  u[0] = u[1] = u[2] = 9;
  EXPECT_EQ(uvect_3d(zero, u), 0.0);
  EXPECT_EQ(u[0], 9.0);  // not written

  // The cross product is perpendicular to both inputs; an output may be an input.
  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {
    const V3 x = rnd(), y = rnd();
    V3 c;
    cross_product_3d(x.data(), y.data(), c.data());
    EXPECT_LE(std::fabs(dot(c, x)), 1e-12 * norm(c) * norm(x));
    EXPECT_LE(std::fabs(dot(c, y)), 1e-12 * norm(c) * norm(y));
    V3 same = x;
    cross_product_3d(same.data(), y.data(), same.data());
    EXPECT_EQ(same, c);
  }
}

TEST(SpatialVectors, DivisionAndCentroid) {
  const double p1[3] = {1, 2, 3}, p2[3] = {4, 6, 3};  // 5 apart
  struct Case {
    double m, n;
    bool written;
    V3 p;
  } ratios[] = {
      {1, 1, true, {2.5, 4, 3}},  {2, 3, true, {2.2, 3.6, 3}}, {3, -1, true, {5.5, 8, 3}},
      {0, 0, false, {}},          {-1, 0, false, {}},          {-2, -2, false, {}},
      {2, 0, true, {4, 6, 3}},  // m > 0, n = 0: P2
  };
  for (const auto& c : ratios) {
    SCOPED_TRACE(testing::Message() << c.m << ":" << c.n);
    double p[3] = {-7, -7, -7};
    naibun2_3d(p1, p2, c.m, c.n, p);
    if (!c.written) {
      EXPECT_EQ(p[0], -7.0);
      continue;
    }
    for (int k = 0; k < 3; ++k) EXPECT_DOUBLE_EQ(p[k], c.p[k]);
  }
  double p[3] = {-7, -7, -7};
  naibun_3d(p1, p2, 5.5, p);  // beyond the segment
  EXPECT_EQ(p[0], -7.0);
  naibun_3d(p1, p2, 0.0, p);
  EXPECT_EQ(p[0], 1.0);
  EXPECT_EQ(p[1], 2.0);
  naibun_3d(p1, p2, 5.0, p);
  EXPECT_EQ(p[0], 4.0);
  EXPECT_EQ(p[1], 6.0);
  naibun_3d(p1, p2, 2.5, p);
  EXPECT_DOUBLE_EQ(p[0], 2.5);
  EXPECT_DOUBLE_EQ(p[1], 4.0);
  naibun_3d(p1, p1, 0.0, p);  // coincident points: 0/0
  EXPECT_TRUE(std::isnan(p[0]));

  const double p3[3] = {1, 1, 0};
  double g[4] = {9, 9, 9, 9};
  gyusin_point3_3d(p1, p2, p3, g);
  EXPECT_EQ(g[0], 6.0 * 0.3333333333333333);
  EXPECT_EQ(g[1], 9.0 * 0.3333333333333333);
  EXPECT_EQ(g[2], 6.0 * 0.3333333333333333);
  EXPECT_EQ(g[3], 0.0);
}

TEST(Planes, ThroughPointsLinesAndPoint) {
  const double o[3] = {0, 0, 0}, ex[3] = {1, 0, 0}, ey[3] = {0, 1, 0};
  double pl[4] = {};
  plane_equ_3point(o, ex, ey, &pl[0], &pl[1], &pl[2], &pl[3]);
  EXPECT_EQ(pl[0], 0.0);
  EXPECT_EQ(pl[1], 0.0);
  EXPECT_EQ(pl[2], 1.0);
  EXPECT_EQ(pl[3], 0.0);

  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {
    const V3 p1 = rnd(), p2 = rnd(), p3 = rnd(), e = rnd(), f = rnd();
    plane_equ_3point(p1.data(), p2.data(), p3.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
    for (const V3& p : {p1, p2, p3}) EXPECT_LE(plane_residual(pl, p), 1e-13);
    // Line (p1, e) and point p2: the line's second point is in the plane too.
    const V3 q1 = {p1[0] + e[0], p1[1] + e[1], p1[2] + e[2]};
    plane_equ_lp(e.data(), p1.data(), p2.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
    for (const V3& p : {p1, q1, p2}) EXPECT_LE(plane_residual(pl, p), 1e-13);
    // Two lines through p1 with directions e and f.
    const V3 q2 = {p1[0] + f[0], p1[1] + f[1], p1[2] + f[2]};
    plane_equ_ll(e.data(), p1.data(), f.data(), q2.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
    for (const V3& p : {p1, q1, q2}) EXPECT_LE(plane_residual(pl, p), 1e-13);
  }
  // Parallel lines: the plane through line 1 and P2.
  const double e[3] = {1, 2, 3}, f[3] = {-2, -4, -6}, p1[3] = {1, 0, 0}, p2[3] = {0, 5, 1};
  double lp[4] = {};
  plane_equ_ll(e, p1, f, p2, &pl[0], &pl[1], &pl[2], &pl[3]);
  plane_equ_lp(e, p1, p2, &lp[0], &lp[1], &lp[2], &lp[3]);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(pl[k], lp[k]);
  EXPECT_NE(pl[0] * pl[0] + pl[1] * pl[1] + pl[2] * pl[2], 0.0);
}

TEST(Planes, LineIntersections) {
  double t = -7, p[3] = {-7, -7, -7};
  const double v[3] = {1, 1, 1}, p0[3] = {0, 0, 0};
  plane_line(0, 0, 1, -3, v, p0, &t, p);  // z = 3
  EXPECT_EQ(t, 3.0);
  EXPECT_EQ(p[0], 3.0);
  EXPECT_EQ(p[2], 3.0);
  t = -7;
  p[0] = -7;
  const double along[3] = {1, -1, 0};
  plane_line(0, 0, 1, -3, along, p0, &t, p);  // parallel: nothing
  EXPECT_EQ(t, -7.0);
  EXPECT_EQ(p[0], -7.0);

  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {
    const V3 n = rnd(), q0 = rnd(), d = rnd();
    const double pl[4] = {n[0], n[1], n[2], rnd()[0]};
    V3 q;
    plane_line(pl[0], pl[1], pl[2], pl[3], d.data(), q0.data(), &t, q.data());
    EXPECT_LE(plane_residual(pl, q), 1e-9 * (1 + std::fabs(t)));
    double x = 0, y = 0, z = 0;
    line2_kou(q0[0], q0[1], q0[2], d[0], d[1], d[2], n[0], n[1], &x, &y, &z);  // a x + b y + z = 0
    const double pz[4] = {n[0], n[1], 1.0, 0.0};
    EXPECT_LE(plane_residual(pz, {x, y, z}), 1e-9);
  }
  double x = -7, y = -7, z = -7;
  line2_kou(0, 0, 5, 1, 0, -1, 1, 0, &x, &y, &z);  // x + z = 0 is parallel to (1, 0, -1)
  EXPECT_EQ(x, -7.0);
  line2_kou(0, 0, 5, 0, 0, 1, 1, 1, &x, &y, &z);  // meets z = -x - y at (0, 0, 0)
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(z, 0.0);
}

TEST(Planes, DistanceAndMirror) {
  const double p[3] = {1, 2, 10};
  EXPECT_EQ(p2pl_dist(0, 0, 2, -4, p), 8.0);
  EXPECT_EQ(p2pl_dist(0, 0, 0, 5, p), 0.0);
  EXPECT_EQ(p2pl_dist(3, 0, 4, 0, p), 43.0 / 5.0);
  double q[3] = {-7, -7, -7};
  taisho_point_3d(0, 0, 0, 5, p, q);
  EXPECT_EQ(q[0], -7.0);
  taisho_point_3d(0, 0, 2, -4, p, q);
  EXPECT_EQ(q[0], 1.0);
  EXPECT_EQ(q[2], -6.0);

  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {
    const V3 n = rnd(), x = rnd();
    const double d = rnd()[0];
    V3 m, back;
    taisho_point_3d(n[0], n[1], n[2], d, x.data(), m.data());
    taisho_point_3d(n[0], n[1], n[2], d, m.data(), back.data());
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(back[k], x[k], 1e-11);
    const V3 mid = {(x[0] + m[0]) / 2, (x[1] + m[1]) / 2, (x[2] + m[2]) / 2};
    const double pl[4] = {n[0], n[1], n[2], d};
    EXPECT_LE(plane_residual(pl, mid), 1e-12);
    EXPECT_NEAR(p2pl_dist(n[0], n[1], n[2], d, m.data()), p2pl_dist(n[0], n[1], n[2], d, x.data()), 1e-11);
  }
}

TEST(Planes, AngleOfParallelPlanesIsZero) {
  struct Case {
    double a1, b1, c1, a2, b2, c2, angle;
  } cases[] = {
      {1, 1, 1, 1, 1, 1, 0.0},  // 3 / (sqrt 3 * sqrt 3) rounds to 1 + 2.2e-16
      {1, 1, 1, -2, -2, -2, 0.0}, {0, 0, 1, 1, 0, 0, kPi / 2}, {0, 0, 1, 0, 1, 1, kPi / 4},
      {0, 0, 1, 0, 1, -1, kPi / 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a1 << "," << c.b1 << "," << c.c1 << " / " << c.a2 << "," << c.b2 << "," << c.c2);
    EXPECT_NEAR(plane_ang(c.a1, c.b1, c.c1, c.a2, c.b2, c.c2), c.angle, 1e-15);
  }
  EXPECT_TRUE(std::isnan(plane_ang(0, 0, 0, 1, 0, 0)));  // no normal: 0/0
  // Parallel pairs over random normals: every angle is a number in [0, 1e-7].
  Random3 rnd;
  std::uniform_real_distribution<double> scale(-10.0, 10.0);
  for (int i = 0; i < 10000; ++i) {
    const V3 n = rnd();
    const double s = scale(rnd.gen);
    const double ang = plane_ang(n[0], n[1], n[2], s * n[0], s * n[1], s * n[2]);
    ASSERT_FALSE(std::isnan(ang));
    ASSERT_LE(ang, 1e-7);
  }
}

TEST(Alsv, MeasuresOfOneRadius) {
  double m[4] = {-7, -7, -7, -7};
  alsv(1.0, m);
  EXPECT_EQ(m[0], kPi);
  EXPECT_EQ(m[1], 2 * kPi);
  EXPECT_EQ(m[2], 4 * kPi);
  EXPECT_EQ(m[3], 4.1887902047863905);
  const double r = 0.1;
  alsv(r, m);  // constant times r, r, r, left to right
  EXPECT_EQ(m[0], 3.141592653589793 * r * r);
  EXPECT_EQ(m[2], 12.566370614359172 * r * r);
  EXPECT_EQ(m[3], 4.1887902047863905 * r * r * r);
  for (double bad : {0.0, -1.0, std::nan("")}) {
    double k[4] = {-7, -7, -7, -7};
    alsv(bad, k);
    EXPECT_EQ(k[0], -7.0) << bad;
  }
}

}  // namespace
