// Plane and spatial vectors, planes in space, circle and sphere of one radius.
#include "vectors.h"

#include <cmath>

#include "../basics/arrays.h"
#include "../basics/trig.h"
#include "construct.h"
#include "directions.h"

namespace {

// n . p, summed left to right.
double dot3(const double* n, const double* p) { return n[0] * p[0] + n[1] * p[1] + n[2] * p[2]; }

// The plane with normal n through p (d is formed before anything is written).
void plane_through(const double* n, const double* p, double* a, double* b, double* c, double* d) {
  const double e = -dot3(n, p);
  *a = n[0];
  *b = n[1];
  *c = n[2];
  *d = e;
}

// a*a + b*b + c*c.
double norm2(double a, double b, double c) { return a * a + b * b + c * c; }

}  // namespace

extern "C" {

void SURVEY_CALL vect(double x1, double y1, double x2, double y2, double* dx, double* dy) {
  *dx = x2 - x1;
  *dy = y2 - y1;
}

double SURVEY_CALL vdist(double x, double y) { return dist(0.0, 0.0, x, y); }

double SURVEY_CALL vang(double x, double y) { return ang(0.0, 0.0, x, y); }

double SURVEY_CALL uvect(double x, double y, double* ux, double* uy) { return get_vect2(0.0, 0.0, x, y, ux, uy); }

double SURVEY_CALL get_vect2(double x1, double y1, double x2, double y2, double* vx, double* vy) {
  get_vect(x1, y1, x2, y2, vx, vy);
  return dist(x1, y1, x2, y2);
}

double SURVEY_CALL dot_product(double x1, double y1, double x2, double y2) { return x1 * x2 + y1 * y2; }

double SURVEY_CALL cross_product(double x1, double y1, double x2, double y2) { return x1 * y2 - y1 * x2; }

// Outputs are formed before they are written, so an output may share storage with
// an input.
void SURVEY_CALL vect_3d(const double* p1, const double* p2, double* v) {
  const double r[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
  v[0] = r[0];
  v[1] = r[1];
  v[2] = r[2];
}

double SURVEY_CALL dist_3d(const double* p1, const double* p2) {
  return std::sqrt(std::pow(p2[0] - p1[0], 2.0) + std::pow(p2[1] - p1[1], 2.0) +
                   std::pow(p2[2] - p1[2], 2.0));
}

double SURVEY_CALL vdist_3d(const double* v) {
  const double origin[3] = {0.0, 0.0, 0.0};
  return dist_3d(origin, v);
}

double SURVEY_CALL uvect_3d(const double* v, double* u) {
  const double len = vdist_3d(v);
  if (len == 0.0) return len;
  const double r[3] = {v[0] / len, v[1] / len, v[2] / len};
  u[0] = r[0];
  u[1] = r[1];
  u[2] = r[2];
  return len;
}

void SURVEY_CALL dot_product_3d(const double* a, const double* b, double* p) {
  const double r[3] = {a[0] * b[0], a[1] * b[1], a[2] * b[2]};
  p[0] = r[0];
  p[1] = r[1];
  p[2] = r[2];
}

void SURVEY_CALL cross_product_3d(const double* a, const double* b, double* c) {
  const double r[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - b[0] * a[1]};
  c[0] = r[0];
  c[1] = r[1];
  c[2] = r[2];
}

void SURVEY_CALL naibun2_3d(const double* p1, const double* p2, double m, double n, double* p) {
  if ((m <= 0.0 && n == 0.0) || (n < 0.0 && m == n)) return;
  const double r[3] = {(n * p1[0] + m * p2[0]) / (m + n), (n * p1[1] + m * p2[1]) / (m + n),
                       (n * p1[2] + m * p2[2]) / (m + n)};
  p[0] = r[0];
  p[1] = r[1];
  p[2] = r[2];
}

void SURVEY_CALL naibun_3d(const double* p1, const double* p2, double d, double* p) {
  const double len = dist_3d(p1, p2);
  if (len < d) return;
  naibun2_3d(p1, p2, d / len, 1.0 - d / len, p);
}

void SURVEY_CALL gyusin_point3_3d(const double* p1, const double* p2, const double* p3, double* g) {
  double r[3];
  for (int i = 0; i < 3; ++i) r[i] = (p1[i] + p2[i] + p3[i]) * 0.3333333333333333;
  dmat_zero(4, g);
  g[0] = r[0];
  g[1] = r[1];
  g[2] = r[2];
}

void SURVEY_CALL plane_equ_3point(const double* p1, const double* p2, const double* p3, double* a,
                                  double* b, double* c, double* d) {
  double u[3], w[3], n[3];
  vect_3d(p1, p2, u);
  vect_3d(p1, p3, w);
  cross_product_3d(u, w, n);
  plane_through(n, p1, a, b, c, d);
}

void SURVEY_CALL plane_equ_lp(const double* v, const double* p1, const double* p2, double* a, double* b,
                              double* c, double* d) {
  double u[3], n[3];
  vect_3d(p1, p2, u);
  cross_product_3d(u, v, n);
  plane_through(n, p1, a, b, c, d);
}

void SURVEY_CALL plane_equ_ll(const double* e, const double* p1, const double* f, const double* p2,
                              double* a, double* b, double* c, double* d) {
  double n[3];
  cross_product_3d(e, f, n);
  if (n[0] == 0.0 && n[1] == 0.0 && n[2] == 0.0) {
    plane_equ_lp(e, p1, p2, a, b, c, d);
    return;
  }
  plane_through(n, p1, a, b, c, d);
}

void SURVEY_CALL plane_line(double a, double b, double c, double d, const double* v, const double* p0,
                            double* t, double* p) {
  const double q = a * v[0] + b * v[1] + c * v[2];
  if (q == 0.0) return;
  const double k = -(a * p0[0] + b * p0[1] + c * p0[2] + d) / q;
  const double r[3] = {p0[0] + k * v[0], p0[1] + k * v[1], p0[2] + k * v[2]};
  *t = k;
  p[0] = r[0];
  p[1] = r[1];
  p[2] = r[2];
}

void SURVEY_CALL line2_kou(double x0, double y0, double z0, double dx, double dy, double dz, double a,
                           double b, double* x, double* y, double* z) {
  const double q = dx * a + dy * b + dz;
  if (q == 0.0) return;
  const double t = -(x0 * a + y0 * b + z0) / q;
  *x = x0 + t * dx;
  *y = y0 + t * dy;
  *z = z0 + t * dz;
}

double SURVEY_CALL p2pl_dist(double a, double b, double c, double d, const double* p) {
  const double s = norm2(a, b, c);
  if (s == 0.0) return 0.0;
  return std::fabs(a * p[0] + b * p[1] + c * p[2] + d) / std::sqrt(s);
}

void SURVEY_CALL taisho_point_3d(double a, double b, double c, double d, const double* p, double* q) {
  if (a == 0.0 && b == 0.0 && c == 0.0) return;
  const double k = -2.0 * (a * p[0] + b * p[1] + c * p[2] + d) / norm2(a, b, c);
  const double r[3] = {p[0] + k * a, p[1] + k * b, p[2] + k * c};
  q[0] = r[0];
  q[1] = r[1];
  q[2] = r[2];
}

// For parallel normals the cosine may round just above 1, where the arccosine has
// no value; anything beyond 1 is rounding, so it counts as 1 (angle 0).
double SURVEY_CALL plane_ang(double a1, double b1, double c1, double a2, double b2, double c2) {
  double cosine = std::fabs(a1 * a2 + b1 * b2 + c1 * c2) /
                  (std::sqrt(norm2(a1, b1, c1)) * std::sqrt(norm2(a2, b2, c2)));
  if (cosine > 1.0) cosine = 1.0;
  return arccos(cosine);
}

// 3.14... is pi, 6.28... 2pi, 12.56... 4pi, 4.18... 4pi/3; products left to right.
void SURVEY_CALL alsv(double r, double* m) {
  if (!(r > 0.0)) return;
  m[0] = 3.141592653589793 * r * r;
  m[1] = 6.283185307179586 * r;
  m[2] = 12.566370614359172 * r * r;
  m[3] = 4.1887902047863905 * r * r * r;
}

}  // extern "C"
