// Spheres by their general equation; the circles cut by planes and spheres.
//
// Each function reads all its inputs before it writes, so an out array may be
// one of the inputs.
#include "spheres.h"

#include <cmath>

#include "../plane/vectors.h"

extern "C" {

void SURVEY_CALL sphere_e2g(const double* centre, double r, double* eq) {
  const double c[3] = {centre[0], centre[1], centre[2]};
  double d = 0.0;
  for (int k = 0; k < 3; ++k) {
    eq[k] = -2.0 * c[k];
    d += c[k] * c[k];
  }
  eq[3] = d - r * r;
}

void SURVEY_CALL sphere_g2e(const double* eq, double* centre, double* r) {
  const double c[3] = {-0.5 * eq[0], -0.5 * eq[1], -0.5 * eq[2]};
  const double r2 = 0.25 * (eq[0] * eq[0] + eq[1] * eq[1] + eq[2] * eq[2]) - eq[3];
  if (r2 > 0.0) {
    for (int k = 0; k < 3; ++k) centre[k] = c[k];
    *r = std::sqrt(r2);
  } else {
    for (int k = 0; k < 3; ++k) centre[k] = 0.0;
    *r = 0.0;
  }
}

void SURVEY_CALL sphere_2point(const double* p1, const double* p2, double* eq) {
  const double a[3] = {p1[0], p1[1], p1[2]};
  const double b[3] = {p2[0], p2[1], p2[2]};
  double d = 0.0;
  for (int k = 0; k < 3; ++k) {
    eq[k] = -(a[k] + b[k]);
    d += a[k] * b[k];
  }
  eq[3] = d;
}

void SURVEY_CALL sphere_plane(const double* centre, double r, const double* p, double* plane) {
  const double c[3] = {centre[0], centre[1], centre[2]};
  const double q[3] = {p[0], p[1], p[2]};
  double d = 0.0;
  for (int k = 0; k < 3; ++k) {
    plane[k] = q[k] - c[k];
    d += c[k] * c[k] - c[k] * q[k];
  }
  plane[3] = d - r * r;
}

void SURVEY_CALL sphere_circle(const double* sphere, const double* plane, double* centre, double* radius) {
  double c[3];
  double R = 0.0;
  sphere_g2e(sphere, c, &R);
  const double normal[3] = {plane[0], plane[1], plane[2]};
  // The foot of the perpendicular from c; with a zero normal (or one too small to
  // square) there is none, and nothing is written to t or the centre.
  double t = std::nan("");
  plane_line(plane[0], plane[1], plane[2], plane[3], normal, c, &t, centre);
  if (std::isnan(t)) {
    *radius = 0.0;
    return;
  }
  const double d = dist_3d(c, centre);
  const double r2 = R * R - d * d;
  *radius = r2 > 0.0 ? std::sqrt(r2) : 0.0;
}

void SURVEY_CALL sphere_sphere(const double* sphere1, const double* sphere2, double* centre, double* radius) {
  // The radical plane: the difference of the two equations.
  const double plane[4] = {sphere1[0] - sphere2[0], sphere1[1] - sphere2[1], sphere1[2] - sphere2[2],
                           sphere1[3] - sphere2[3]};
  sphere_circle(sphere1, plane, centre, radius);
}

}  // extern "C"
