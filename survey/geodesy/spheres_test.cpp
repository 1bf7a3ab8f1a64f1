// Spheres by their general equation, the polar plane and the circles cut by a
// plane or a second sphere, checked on known figures and on random ones by
// putting points of the resulting circle back into both equations.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "survey/survey.h"

namespace {

constexpr double kStale = -777.0;  // preset out-values that must not leak into results

double sphere_value(const double* s, const double* p) {
  return p[0] * p[0] + p[1] * p[1] + p[2] * p[2] + s[0] * p[0] + s[1] * p[1] + s[2] * p[2] + s[3];
}
double plane_value(const double* e, const double* p) { return e[0] * p[0] + e[1] * p[1] + e[2] * p[2] + e[3]; }

void expect_array(const double* got, std::initializer_list<double> want, double tol = 0.0) {
  int k = 0;
  for (double w : want) {
    EXPECT_NEAR(got[k], w, tol) << "element " << k;
    ++k;
  }
}

TEST(Spheres, EquationsAndPolarPlane) {
  const double c[3] = {1, 2, 3};
  double eq[4] = {kStale, kStale, kStale, kStale};
  sphere_e2g(c, 2.0, eq);
  expect_array(eq, {-2, -4, -6, 10});
  double back[3] = {kStale, kStale, kStale}, r = kStale;
  sphere_g2e(eq, back, &r);
  expect_array(back, {1, 2, 3});
  EXPECT_EQ(r, 2.0);
  // No real sphere: x^2 + y^2 + z^2 + 1 = 0, and the point sphere of radius 0.
  for (const double none : {1.0, 0.0}) {
    const double imaginary[4] = {0, 0, 0, none};
    back[0] = back[1] = back[2] = r = kStale;
    sphere_g2e(imaginary, back, &r);
    expect_array(back, {0, 0, 0});
    EXPECT_EQ(r, 0.0);
  }
  const double p0[3] = {0, 0, 0}, p2[3] = {2, 0, 0};
  eq[0] = eq[1] = eq[2] = eq[3] = kStale;
  sphere_2point(p0, p2, eq);
  expect_array(eq, {-2, 0, 0, 0});
  // The polar plane of (2, 0, 0) for the unit sphere is x = 1/2; of a point on the
  // sphere, its tangent plane.
  double plane[4] = {kStale, kStale, kStale, kStale};
  sphere_plane(p0, 1.0, p2, plane);
  expect_array(plane, {2, 0, 0, -1});
  const double on[3] = {1 + 2.0 * 0.6, 2 + 2.0 * 0.8, 3};
  sphere_plane(c, 2.0, on, plane);
  EXPECT_NEAR(plane_value(plane, on), 0.0, 1e-14);
  expect_array(plane, {1.2, 1.6, 0}, 1e-15);
  // In place: the out array may be the input.
  double same[4] = {1, 2, 3, 0};
  sphere_e2g(same, 2.0, same);
  expect_array(same, {-2, -4, -6, 10});
}

TEST(Spheres, CirclesOfKnownFigures) {
  double centre[3] = {kStale, kStale, kStale}, radius = kStale;
  const double unit0[4] = {0, 0, 0, -1}, unit1[4] = {-2, 0, 0, 0};  // centres (0,0,0), (1,0,0)
  sphere_sphere(unit0, unit1, centre, &radius);
  expect_array(centre, {0.5, 0, 0});
  EXPECT_DOUBLE_EQ(radius, std::sqrt(0.75));
  // Centre (1, 2, 3), radius 5, cut by z = 6: centre (1, 2, 6), radius 4.
  double s[4];
  const double c[3] = {1, 2, 3};
  sphere_e2g(c, 5.0, s);
  const double z6[4] = {0, 0, 2, -12};
  sphere_circle(s, z6, centre, &radius);
  expect_array(centre, {1, 2, 6}, 1e-15);
  EXPECT_NEAR(radius, 4.0, 1e-14);
  // Touching and missing planes: the foot of the perpendicular, radius 0.0.
  for (const double level : {8.0, 9.0}) {
    const double z[4] = {0, 0, 1, -level};
    radius = kStale;
    sphere_circle(s, z, centre, &radius);
    expect_array(centre, {1, 2, level}, 1e-15);
    EXPECT_EQ(radius, 0.0);
  }
}

TEST(Spheres, NoNormalLeavesCentreAndGivesZeroRadius) {
  double s[4];
  const double c[3] = {1, 2, 3};
  sphere_e2g(c, 5.0, s);
  const double flat[4] = {0, 0, 0, 4};
  double centre[3] = {kStale, kStale, kStale}, radius = kStale;
  sphere_circle(s, flat, centre, &radius);
  expect_array(centre, {kStale, kStale, kStale});
  EXPECT_EQ(radius, 0.0);
  // Concentric spheres have no radical plane.
  double s2[4];
  sphere_e2g(c, 3.0, s2);
  radius = kStale;
  sphere_sphere(s, s2, centre, &radius);
  expect_array(centre, {kStale, kStale, kStale});
  EXPECT_EQ(radius, 0.0);
  // A normal too small to square counts as none.
  const double tiny[4] = {1e-170, 0, 0, 0};
  radius = kStale;
  sphere_circle(s, tiny, centre, &radius);
  expect_array(centre, {kStale, kStale, kStale});
  EXPECT_EQ(radius, 0.0);
}

TEST(Spheres, RandomCirclesLieOnBothSurfaces) {
  std::mt19937_64 gen(24);
  std::uniform_real_distribution<double> u(-10.0, 10.0), rad(0.5, 8.0), angle(0.0, 6.283185307179586);
  int cut = 0;
  for (int i = 0; i < 5000; ++i) {
    const double c1[3] = {u(gen), u(gen), u(gen)}, c2[3] = {u(gen), u(gen), u(gen)};
    double s1[4], s2[4];
    sphere_e2g(c1, rad(gen), s1);
    sphere_e2g(c2, rad(gen), s2);
    double centre[3], radius = kStale;
    sphere_sphere(s1, s2, centre, &radius);
    if (radius == 0.0) continue;
    ++cut;
    // A unit vector perpendicular to the line of centres, anywhere around it.
    const double n[3] = {c2[0] - c1[0], c2[1] - c1[1], c2[2] - c1[2]};
    const double nl = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    const double a[3] = {std::fabs(n[0]) < 0.5 * nl ? 1.0 : 0.0, std::fabs(n[0]) < 0.5 * nl ? 0.0 : 1.0, 0.0};
    double e1[3] = {n[1] * a[2] - n[2] * a[1], n[2] * a[0] - n[0] * a[2], n[0] * a[1] - n[1] * a[0]};
    const double e1l = std::sqrt(e1[0] * e1[0] + e1[1] * e1[1] + e1[2] * e1[2]);
    for (double& v : e1) v /= e1l;
    const double e2[3] = {(n[1] * e1[2] - n[2] * e1[1]) / nl, (n[2] * e1[0] - n[0] * e1[2]) / nl,
                          (n[0] * e1[1] - n[1] * e1[0]) / nl};
    const double t = angle(gen);
    double p[3];
    for (int k = 0; k < 3; ++k) p[k] = centre[k] + radius * (std::cos(t) * e1[k] + std::sin(t) * e2[k]);
    ASSERT_NEAR(sphere_value(s1, p), 0.0, 1e-9) << i;
    ASSERT_NEAR(sphere_value(s2, p), 0.0, 1e-9) << i;
  }
  EXPECT_GT(cut, 500);
}

}  // namespace
