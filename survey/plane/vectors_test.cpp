// Plane and spatial vectors, planes in space, circle and sphere of one radius.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "survey/survey.h"

namespace {

using V3 = std::array<double, 3>;
using V4 = std::array<double, 4>;

constexpr double kPi = 3.141592653589793;
constexpr double kUnset = -7.0;  // what an output holds when nothing was written

double dot(const V3& a, const V3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double norm(const V3& a) { return std::sqrt(dot(a, a)); }
V3 add(const V3& a, const V3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }

// Residual of p in the plane pl, relative to the size of the terms.
double residual(const V4& pl, const V3& p) {
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
  EXPECT_EQ(V3({dx, dy, vdist(3, -4)}), V3({3, -4, 5}));
  struct Angle {  // direction angles: from +y, clockwise
    double x, y, t;
  } angles[] = {{0, 1, 0.0}, {1, 0, kPi / 2}, {0, -1, kPi}, {-1, 0, 3 * kPi / 2}, {1, 1, kPi / 4}, {0, 0, 0.0}};
  for (const auto& c : angles) EXPECT_DOUBLE_EQ(vang(c.x, c.y), c.t) << c.x << "," << c.y;
  struct Unit {  // a zero component stays exactly zero; (0, 0) gives (0, 0)
    double x1, y1, x2, y2, len, ux, uy;
  } units[] = {{0, 0, -3, 4, 5, -0.6, 0.8}, {0, 0, 0, -2, 2, 0, -1}, {0, 0, 0, 0, 0, 0, 0}, {1, 1, 4, 5, 5, 0.6, 0.8}};
  for (const auto& c : units) {
    double ux = 9, uy = 9, vx = 9, vy = 9;
    if (c.x1 == 0 && c.y1 == 0) {
      EXPECT_EQ(uvect(c.x2, c.y2, &ux, &uy), c.len);
      EXPECT_EQ(V3({ux, uy, 0}), V3({c.ux, c.uy, 0}));
    }
    EXPECT_EQ(get_vect2(c.x1, c.y1, c.x2, c.y2, &vx, &vy), c.len);
    EXPECT_EQ(V3({vx, vy, 0}), V3({c.ux, c.uy, 0}));
  }
  EXPECT_EQ(V4({dot_product(1, 2, 3, 4), cross_product(1, 0, 0, 1), cross_product(0, 1, 1, 0), cross_product(2, 3, 4, 5)}),
            V4({11, 1, -1, -2}));
}

TEST(SpatialVectors, ProductsLengthsUnitVectors) {
  const V3 a = {1, 2, 3}, b = {4, 5, 6}, v = {2, -3, 6}, zero = {0, 0, 0};
  V3 p{}, c{}, d{}, u = {kUnset, kUnset, kUnset};
  dot_product_3d(a.data(), b.data(), p.data());  // the products, not their sum
  cross_product_3d(a.data(), b.data(), c.data());
  vect_3d(a.data(), b.data(), d.data());
  EXPECT_EQ(p, V3({4, 10, 18}));
  EXPECT_EQ(c, V3({-3, 6, -3}));
  EXPECT_EQ(d, V3({3, 3, 3}));
  EXPECT_EQ(dist_3d(a.data(), b.data()), std::sqrt(27.0));
  EXPECT_EQ(vdist_3d(v.data()), 7.0);
  EXPECT_EQ(uvect_3d(zero.data(), u.data()), 0.0);
  EXPECT_EQ(u[0], kUnset);  // a zero vector writes nothing
  EXPECT_EQ(uvect_3d(v.data(), u.data()), 7.0);
  EXPECT_EQ(u, V3({2.0 / 7, -3.0 / 7, 6.0 / 7}));

  // The cross product is perpendicular to both inputs; an output may be an input.
  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {
    const V3 x = rnd(), y = rnd();
    V3 z, same = x;
    cross_product_3d(x.data(), y.data(), z.data());
    EXPECT_LE(std::fabs(dot(z, x)), 1e-12 * norm(z) * norm(x));
    EXPECT_LE(std::fabs(dot(z, y)), 1e-12 * norm(z) * norm(y));
    cross_product_3d(same.data(), y.data(), same.data());
    EXPECT_EQ(same, z);
  }
}

TEST(SpatialVectors, DivisionAndCentroid) {
  const V3 p1 = {1, 2, 3}, p2 = {4, 6, 3};  // 5 apart
  const V3 unset = {kUnset, kUnset, kUnset};
  struct Ratio {
    double m, n;
    V3 p;
  } ratios[] = {
      {1, 1, {2.5, 4, 3}}, {2, 3, {2.2, 3.6, 3}}, {3, -1, {5.5, 8, 3}}, {2, 0, {4, 6, 3}},
      {0, 0, unset},       {-1, 0, unset},        {-2, -2, unset},  // refused ratios
  };
  for (const auto& c : ratios) {
    V3 p = unset;
    naibun2_3d(p1.data(), p2.data(), c.m, c.n, p.data());
    for (int k = 0; k < 3; ++k) EXPECT_DOUBLE_EQ(p[k], c.p[k]) << c.m << ":" << c.n;
  }
  struct Distance {
    double d;
    V3 p;
  } distances[] = {{0.0, p1}, {5.0, p2}, {2.5, {2.5, 4, 3}}, {5.5, unset}};  // beyond: nothing
  for (const auto& c : distances) {
    V3 p = unset;
    naibun_3d(p1.data(), p2.data(), c.d, p.data());
    for (int k = 0; k < 3; ++k) EXPECT_DOUBLE_EQ(p[k], c.p[k]) << c.d;
  }
  V3 p = unset;
  naibun_3d(p1.data(), p1.data(), 0.0, p.data());  // coincident points: 0/0
  EXPECT_TRUE(std::isnan(p[0]));

  const V3 p3 = {1, 1, 0};
  V4 g = {9, 9, 9, 9};
  gyusin_point3_3d(p1.data(), p2.data(), p3.data(), g.data());
  const double third = 0.3333333333333333;
  EXPECT_EQ(g, V4({6 * third, 9 * third, 6 * third, 0}));
}

TEST(Planes, ThroughPointsLinesAndPoint) {
  const V3 o = {0, 0, 0}, ex = {1, 0, 0}, ey = {0, 1, 0};
  V4 pl{}, lp{};
  plane_equ_3point(o.data(), ex.data(), ey.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
  EXPECT_EQ(pl, V4({0, 0, 1, 0}));

  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {
    const V3 p1 = rnd(), p2 = rnd(), p3 = rnd(), e = rnd(), f = rnd();
    const V3 q1 = add(p1, e), q2 = add(p1, f);  // second points of the lines (p1, e), (p1, f)
    plane_equ_3point(p1.data(), p2.data(), p3.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
    for (const V3& p : {p1, p2, p3}) EXPECT_LE(residual(pl, p), 1e-13);
    plane_equ_lp(e.data(), p1.data(), p2.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
    for (const V3& p : {p1, q1, p2}) EXPECT_LE(residual(pl, p), 1e-13);
    plane_equ_ll(e.data(), p1.data(), f.data(), q2.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
    for (const V3& p : {p1, q1, q2}) EXPECT_LE(residual(pl, p), 1e-13);
  }
  // Parallel lines: the plane through line 1 and P2.
  const V3 e = {1, 2, 3}, f = {-2, -4, -6}, p1 = {1, 0, 0}, p2 = {0, 5, 1};
  plane_equ_ll(e.data(), p1.data(), f.data(), p2.data(), &pl[0], &pl[1], &pl[2], &pl[3]);
  plane_equ_lp(e.data(), p1.data(), p2.data(), &lp[0], &lp[1], &lp[2], &lp[3]);
  EXPECT_EQ(pl, lp);
  EXPECT_NE(norm({pl[0], pl[1], pl[2]}), 0.0);
}

TEST(Planes, LineIntersections) {
  const V3 up = {1, 1, 1}, along = {1, -1, 0}, o = {0, 0, 0};
  double t = kUnset;
  V3 p = {kUnset, kUnset, kUnset};
  plane_line(0, 0, 1, -3, along.data(), o.data(), &t, p.data());  // parallel to z = 3
  EXPECT_EQ(V4({t, p[0], p[1], p[2]}), V4({kUnset, kUnset, kUnset, kUnset}));
  plane_line(0, 0, 1, -3, up.data(), o.data(), &t, p.data());
  EXPECT_EQ(V4({t, p[0], p[1], p[2]}), V4({3, 3, 3, 3}));
  V3 q = {kUnset, kUnset, kUnset};
  line2_kou(0, 0, 5, 1, 0, -1, 1, 0, &q[0], &q[1], &q[2]);  // x + z = 0 is parallel to (1, 0, -1)
  EXPECT_EQ(q[0], kUnset);
  line2_kou(0, 0, 5, 0, 0, 1, 1, 1, &q[0], &q[1], &q[2]);  // meets z = -x - y at the origin
  EXPECT_EQ(q, o);

  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {
    const V3 n = rnd(), q0 = rnd(), d = rnd();
    const V4 pl = {n[0], n[1], n[2], rnd()[0]};
    plane_line(pl[0], pl[1], pl[2], pl[3], d.data(), q0.data(), &t, p.data());
    EXPECT_LE(residual(pl, p), 1e-9 * (1 + std::fabs(t)));
    line2_kou(q0[0], q0[1], q0[2], d[0], d[1], d[2], n[0], n[1], &q[0], &q[1], &q[2]);
    EXPECT_LE(residual({n[0], n[1], 1.0, 0.0}, q), 1e-9);  // a x + b y + z = 0
  }
}

TEST(Planes, DistanceAndMirror) {
  const V3 p = {1, 2, 10};
  EXPECT_EQ(V3({p2pl_dist(0, 0, 2, -4, p.data()), p2pl_dist(0, 0, 0, 5, p.data()), p2pl_dist(3, 0, 4, 0, p.data())}),
            V3({8, 0, 43.0 / 5}));
  V3 q = {kUnset, kUnset, kUnset};
  taisho_point_3d(0, 0, 0, 5, p.data(), q.data());  // no normal: nothing
  EXPECT_EQ(q[0], kUnset);
  taisho_point_3d(0, 0, 2, -4, p.data(), q.data());
  EXPECT_EQ(q, V3({1, 2, -6}));

  Random3 rnd;
  for (int i = 0; i < 1000; ++i) {  // mirrored back, midpoint on the plane, same distance
    const V3 n = rnd(), x = rnd();
    const V4 pl = {n[0], n[1], n[2], rnd()[0]};
    V3 m, back;
    taisho_point_3d(pl[0], pl[1], pl[2], pl[3], x.data(), m.data());
    taisho_point_3d(pl[0], pl[1], pl[2], pl[3], m.data(), back.data());
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(back[k], x[k], 1e-11);
    EXPECT_LE(residual(pl, {(x[0] + m[0]) / 2, (x[1] + m[1]) / 2, (x[2] + m[2]) / 2}), 1e-12);
    EXPECT_NEAR(p2pl_dist(pl[0], pl[1], pl[2], pl[3], m.data()), p2pl_dist(pl[0], pl[1], pl[2], pl[3], x.data()), 1e-11);
  }
}

// The cosine of parallel normals may round above 1; the angle is then 0, not NaN.
TEST(Planes, AngleOfParallelPlanesIsZero) {
  struct Case {
    double a1, b1, c1, a2, b2, c2, angle;
  } cases[] = {
      {1, 1, 1, 1, 1, 1, 0.0},  // 3 / (sqrt 3 * sqrt 3) = 1 + 2.2e-16
      {1, 1, 1, -2, -2, -2, 0.0}, {0, 0, 1, 1, 0, 0, kPi / 2}, {0, 0, 1, 0, 1, 1, kPi / 4}, {0, 0, 1, 0, 1, -1, kPi / 4},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(plane_ang(c.a1, c.b1, c.c1, c.a2, c.b2, c.c2), c.angle, 1e-15) << c.a2 << "," << c.b2 << "," << c.c2;
  EXPECT_TRUE(std::isnan(plane_ang(0, 0, 0, 1, 0, 0)));  // no normal: 0/0
  Random3 rnd;
  std::uniform_real_distribution<double> scale(-10.0, 10.0);
  for (int i = 0; i < 10000; ++i) {  // about a quarter of these round above 1
    const V3 n = rnd();
    const double s = scale(rnd.gen);
    const double ang = plane_ang(n[0], n[1], n[2], s * n[0], s * n[1], s * n[2]);
    ASSERT_TRUE(ang >= 0.0 && ang <= 1e-7) << ang;
  }
}

TEST(Alsv, MeasuresOfOneRadius) {
  V4 m = {kUnset, kUnset, kUnset, kUnset};
  alsv(1.0, m.data());
  EXPECT_EQ(m, V4({kPi, 2 * kPi, 4 * kPi, 4.1887902047863905}));
  const double r = 0.1;  // constant times r, r, r, left to right
  alsv(r, m.data());
  EXPECT_EQ(m, V4({3.141592653589793 * r * r, 6.283185307179586 * r, 12.566370614359172 * r * r,
                   4.1887902047863905 * r * r * r}));
  for (double bad : {0.0, -1.0, std::nan("")}) {
    V4 k = {kUnset, kUnset, kUnset, kUnset};
    alsv(bad, k.data());
    EXPECT_EQ(k[0], kUnset) << bad;
  }
}

}  // namespace
