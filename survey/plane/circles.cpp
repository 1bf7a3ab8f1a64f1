// Circles in coefficient form: conversions, circles through points, intersections,
// tangent points, chord and arc relations.
#include "circles.h"

#include <cmath>

#include "../basics/helpers.h"
#include "../basics/trig.h"
#include "../numerics/gauss_jordan.hpp"
#include "construct.h"
#include "directions.h"
#include "lines.h"
#include "quadratics.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Solves the rows (x, y, 1 | -(x^2 + y^2)) of the three points for D, E, F by the
// solvers' Gauss-Jordan elimination in the rows' given order, so that the result is
// the unpivoted solver's bit for bit wherever it meets no zero pivot; a zero pivot's
// row is exchanged with the later row largest in that column. A pivot still 0 means
// the points are collinear or two coincide: false, nothing solved.
bool circle_through(const double* xs, const double* ys, double out[3]) {
  double m[3][4];
  for (int i = 0; i < 3; ++i) {
    m[i][0] = xs[i];
    m[i][1] = ys[i];
    m[i][2] = 1.0;
    m[i][3] = -(xs[i] * xs[i] + ys[i] * ys[i]);
  }
  if (!survey::numerics::gauss_jordan(3, 3, &m[0][0], [](int i, int j) { return 4 * i + j; },
                                      survey::numerics::ZeroPivot::kExchange))
    return false;
  for (int i = 0; i < 3; ++i) out[i] = m[i][3];
  return true;
}

}  // namespace

extern "C" {

void SURVEY_CALL get_rad_org(double D, double E, double F, double* xc, double* yc, double* r) {
  *xc = -0.5 * D;
  *yc = -0.5 * E;
  *r = std::sqrt((D * D + E * E) * 0.25 - F);
}

void SURVEY_CALL en_keisu(double xc, double yc, double r, double* D, double* E, double* F) {
  *D = -2.0 * xc;
  *E = -2.0 * yc;
  *F = xc * xc + yc * yc - r * r;
}

int16_t SURVEY_CALL Point_IO(double x, double y, double D, double E, double F) {
  return static_cast<int16_t>(sign(x * x + y * y + D * x + E * y + F));
}

void SURVEY_CALL rad_3point(const double* xs, const double* ys, double* D, double* E, double* F) {
  double s[3];
  if (!circle_through(xs, ys, s)) return;
  *D = s[0];
  *E = s[1];
  *F = s[2];
}

void SURVEY_CALL rad_org(const double* xs, const double* ys, double* xc, double* yc, double* r) {
  double s[3];
  if (!circle_through(xs, ys, s)) return;
  get_rad_org(s[0], s[1], s[2], xc, yc, r);
}

void SURVEY_CALL rad_2point(double x1, double y1, double x2, double y2, double* D, double* E,
                            double* F) {
  double mx = 0.0, my = 0.0;
  get_mid(x1, y1, x2, y2, &mx, &my);
  en_keisu(mx, my, dist(x1, y1, x2, y2) * 0.5, D, E, F);
}

void SURVEY_CALL rad_2pointr(double x1, double y1, double x2, double y2, double R, double* xa,
                             double* ya, double* xb, double* yb) {
  const double d = dist(x1, y1, x2, y2);
  if (d == 0.0) return;
  const double h2 = R * R - d * d * 0.25;
  if (h2 < 0.0) return;
  const double h = std::sqrt(h2);
  double mx = 0.0, my = 0.0;
  get_mid(x1, y1, x2, y2, &mx, &my);
  *xa = mx + (y2 - y1) * h / d;
  *ya = my - (x2 - x1) * h / d;
  *xb = mx - (y2 - y1) * h / d;
  *yb = my + (x2 - x1) * h / d;
}

void SURVEY_CALL apollo_circle(double x1, double y1, double x2, double y2, double m, double n,
                               double* D, double* E, double* F) {
  if (!(m > 0.0 && n > 0.0 && m != n)) return;
  double xi = 0.0, yi = 0.0, xe = 0.0, ye = 0.0;
  naibun2(x1, y1, x2, y2, m, n, &xi, &yi);
  naibun2(x1, y1, x2, y2, m, -n, &xe, &ye);
  rad_2point(xi, yi, xe, ye, D, E, F);
}

void SURVEY_CALL naibun2(double x1, double y1, double x2, double y2, double m, double n, double* x,
                         double* y) {
  if ((m <= 0.0 && n == 0.0) || (n < 0.0 && m == n)) return;
  *x = (n * x1 + m * x2) / (m + n);
  *y = (n * y1 + m * y2) / (m + n);
}

void SURVEY_CALL en_sen(double D, double E, double F, double a, double b, double c, int16_t* n,
                        double* x1, double* y1, double* x2, double* y2) {
  if (b == 0.0)
    kai_work2(D, E, F, -c / a, n, x1, y1, x2, y2);
  else
    kai_work1(D, E, F, -a / b, -c / b, n, x1, y1, x2, y2);
}

void SURVEY_CALL en_en(double D1, double E1, double F1, double D2, double E2, double F2, int16_t* n,
                       double* x1, double* y1, double* x2, double* y2) {
  double a = 0.0, b = 0.0, c = 0.0;
  en2_kou(D1, E1, F1, D2, E2, F2, &a, &b, &c);
  en_sen(D1, E1, F1, a, b, c, n, x1, y1, x2, y2);
}

void SURVEY_CALL en_en2(double xc1, double yc1, double r1, double xc2, double yc2, double r2,
                        int16_t* n, double* x1, double* y1, double* x2, double* y2) {
  double D1 = 0.0, E1 = 0.0, F1 = 0.0, D2 = 0.0, E2 = 0.0, F2 = 0.0;
  en_keisu(xc1, yc1, r1, &D1, &E1, &F1);
  en_keisu(xc2, yc2, r2, &D2, &E2, &F2);
  en_en(D1, E1, F1, D2, E2, F2, n, x1, y1, x2, y2);
}

void SURVEY_CALL en2_kou(double D1, double E1, double F1, double D2, double E2, double F2,
                         double* a, double* b, double* c) {
  *a = D1 - D2;
  *b = E1 - E2;
  *c = F1 - F2;
}

// The tangent points lie on the polar line of P.
void SURVEY_CALL en_setu(double D, double E, double F, double px, double py, int16_t* n,
                         double* x1, double* y1, double* x2, double* y2) {
  double xc = 0.0, yc = 0.0, r = 0.0;
  get_rad_org(D, E, F, &xc, &yc, &r);
  const double c = xc * xc + yc * yc - xc * px - yc * py - r * r;
  en_sen(D, E, F, px - xc, py - yc, c, n, x1, y1, x2, y2);
}

double SURVEY_CALL center_ang(double r, double L) {
  if (r <= 0.0 || 2.0 * r < L) return 0.0;
  return 2.0 * arcsin(L / (2.0 * r));
}

double SURVEY_CALL center_ang2(double r, double h) {
  if (r <= 0.0 || h > r) return 0.0;
  return 2.0 * arccos(1.0 - h / r);
}

double SURVEY_CALL center_ang3(double r, double s) {
  if (r <= 0.0 || s <= 0.0) return 0.0;
  return s / r;
}

void SURVEY_CALL center_var(double r, double theta, double* L, double* h, double* s) {
  if (!(0.0 <= theta && theta <= fpi(1.0))) return;
  *L = 2.0 * r * std::sin(theta / 2.0);
  *h = (1.0 - std::cos(theta / 2.0)) * r;
  *s = r * theta;
}

double SURVEY_CALL work_dokata(double r, double theta, double x) {
  if (x < 0.0) return 0.0;
  const double u = x - r * std::sin(theta / 2.0);
  return std::sqrt(r * r - u * u) - r * std::cos(theta / 2.0);
}

double SURVEY_CALL work_dokata2(double r, double theta, double h) {
  if (h < 0.0) return 0.0;
  const double v = r * std::cos(theta / 2.0) + h;
  return r * std::sin(theta / 2.0) - std::sqrt(r * r - v * v);
}

double SURVEY_CALL dokata(double r, double L, double x) {
  if (2.0 * r < L || x < 0.0) return 0.0;
  return work_dokata(r, center_ang(r, L), x);
}

double SURVEY_CALL dokata2(double r, double h, double x) {
  if (h > r || x < 0.0) return 0.0;
  return work_dokata(r, center_ang2(r, h), x);
}

double SURVEY_CALL len2_ang(double a1, double b1, double c1, double a2, double b2, double c2) {
  double vx = 0.0, vy = 0.0, t1 = 0.0, t2 = 0.0;
  get_line2(a1, b1, c1, &vx, &vy, &t1);
  get_line2(a2, b2, c2, &vx, &vy, &t2);
  double d = std::fabs(t2 - t1);
  if (d >= kTwoPi) d -= kTwoPi;
  return d;
}

}  // extern "C"
