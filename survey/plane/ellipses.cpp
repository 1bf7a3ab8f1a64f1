// Ellipses with axes along the coordinate axes; tangent parallels to a circle.
#include "ellipses.h"

#include <cmath>

#include "lines.h"
#include "quadratics.h"
#include "roots.hpp"

using survey::plane::solve_quadratic;

namespace {

// Tangent of direction (p, q) through P, as a coefficient line.
void tangent_line(double p, double q, double px, double py, double* a, double* b, double* c) {
  if (p == 0.0) {  // vertical
    *a = 1.0;
    *b = 0.0;
    *c = -px;
  } else {
    *a = -q;
    *b = 1.0;
    *c = px * q - py;
  }
}

// Where the tangent of direction (p, q) from P touches the ellipse, relative to its
// centre; (dx, dy) is P relative to the centre.
void touch_point(double a, double b, double dx, double dy, double p, double m, double* X,
                 double* Y) {
  if (p == 0.0) {  // vertical: it touches at the end of the a axis
    *X = dx;
    *Y = 0.0;
    return;
  }
  const double am = a * m;
  *X = (m * dx - dy) * m * (a * a) / (am * am + b * b);
  *Y = *X * m - m * dx + dy;
}

}  // namespace

extern "C" {

double SURVEY_CALL EllipseRatio(double a, double b) { return (a - b) / a; }

double SURVEY_CALL ShortRadius(double a, double m) { return (m - 1.0) * a / m; }

void SURVEY_CALL work_on(double xc, double yc, double a, double b, double x, double* y1,
                         double* y2) {
  const double t = (x - xc) * b / a;
  const double v = b * b - t * t;
  if (v < 0.0) return;
  *y1 = yc + std::sqrt(v);
  *y2 = yc - std::sqrt(v);
}

void SURVEY_CALL daen_on(double xc, double yc, double a, double b, int16_t mode, double v,
                         double* o1, double* o2) {
  if (a == 0.0 || b == 0.0) return;
  if (mode == 1) work_on(xc, yc, a, b, v, o1, o2);
  if (mode == 2) work_on(yc, xc, b, a, v, o1, o2);
}

void SURVEY_CALL daen_on2(double xc, double yc, double a, double b, double theta, double* x,
                          double* y) {
  if (a == 0.0 || b == 0.0) return;
  const double bc = b * std::cos(theta);
  const double as = a * std::sin(theta);
  const double s = std::sqrt(bc * bc + as * as);
  *x = xc + std::cos(theta) * a * b / s;
  *y = yc + std::sin(theta) * a * b / s;
}

void SURVEY_CALL daen_sen(double xc, double yc, double a, double b, double la, double lb, double lc,
                          int16_t* n, double* x1, double* y1, double* x2, double* y2) {
  if (a == 0.0 || b == 0.0) return;
  if (la == 0.0 && lb == 0.0) return;
  if (lb == 0.0) {
    const double x = -lc / la;
    *x1 = x;
    const double w = std::pow(b, 2.0) - std::pow((x - xc) * b / a, 2.0);
    if (w < 0.0) {
      *n = 0;
      *x1 = 0.0;
      *x2 = 0.0;
    }
    if (w == 0.0) {
      *n = 1;
      *y1 = yc;
      *x2 = 0.0;
    }
    if (w > 0.0) {
      *n = 2;
      *x2 = x;
      *y1 = yc + std::sqrt(w);
      *y2 = yc - std::sqrt(w);
    }
    return;
  }
  const double m = -la / lb;
  const double k = -lc / lb;
  const double ky = k - yc;
  const double a2 = a * a;
  const double b2 = b * b;
  const double bx = b * xc;
  const double ab = a * b;
  const auto q = solve_quadratic(a2 * (m * m) + b2, 2.0 * (a2 * m * ky - b2 * xc),
                                 bx * bx - ab * ab + a2 * (ky * ky));
  if (!q.written) return;
  *n = q.n;
  *x1 = q.r1;
  *x2 = q.r2;
  if (q.n == 0) return;
  *y1 = m * q.r1 + k;
  if (q.n == 1) *x2 = 0.0;
  if (q.n == 2) *y2 = m * q.r2 + k;
}

void SURVEY_CALL setu_slope(double xc, double yc, double a, double b, double px, double py,
                            int16_t* n, double* p1, double* q1, double* p2, double* q2) {
  if (a == 0.0 || b == 0.0) return;
  const double dx = px - xc;
  const double dy = py - yc;
  if (dx * dx == a * a) {
    *p1 = 0.0;
    *q1 = 1.0;
    if (dy != 0.0) {
      *n = 2;
      *p2 = 1.0;
      *q2 = -(b * b - dy * dy) / (2.0 * dx * dy);
    } else {
      *n = 1;
      *p2 = 0.0;
      *q2 = 1.0;
    }
    return;
  }
  *p1 = 1.0;
  *p2 = 1.0;
  kai_kousiki((a - dx) * (dx + a), 2.0 * dx * dy, (b - dy) * (dy + b), n, q1, q2);
}

void SURVEY_CALL setu_hotei(double xc, double yc, double a, double b, double px, double py,
                            int16_t* n, double* a1, double* b1, double* c1, double* a2, double* b2,
                            double* c2) {
  if (a == 0.0 || b == 0.0) return;
  int16_t k = 0;
  double p1 = 0.0, q1 = 0.0, p2 = 0.0, q2 = 0.0;
  setu_slope(xc, yc, a, b, px, py, &k, &p1, &q1, &p2, &q2);
  *n = k;
  if (k == 0) return;
  tangent_line(p1, q1, px, py, a1, b1, c1);
  tangent_line(p2, q2, px, py, a2, b2, c2);
}

void SURVEY_CALL daen_setu(double xc, double yc, double a, double b, double px, double py,
                           int16_t* n, double* x1, double* y1, double* x2, double* y2) {
  if (a == 0.0 || b == 0.0) return;
  int16_t k = 0;
  double p1 = 0.0, q1 = 0.0, p2 = 0.0, q2 = 0.0;
  setu_slope(xc, yc, a, b, px, py, &k, &p1, &q1, &p2, &q2);
  if (k == 0) return;
  const double dx = px - xc;
  const double dy = py - yc;
  double X = 0.0, Y = 0.0;
  *n = k;
  touch_point(a, b, dx, dy, p1, q1, &X, &Y);
  *x1 = xc + X;
  *y1 = yc + Y;
  touch_point(a, b, dx, dy, p2, q2, &X, &Y);
  *x2 = xc + X;
  *y2 = yc + Y;
}

void SURVEY_CALL daen_setu2(double xc, double yc, double a, double p, double px, double py,
                            int16_t* n, double* x1, double* x2) {
  if (a == 0.0 || p == 0.0) return;
  double k = (a - p) / a;
  if (k == 0.0) k = 1.0;
  const double dx = px - xc;
  const double dy = py - yc;
  const double dk = dx * k;
  const double a2 = a * a;
  const double k2 = k * k;
  const double dya = dy * a;
  // P at the centre leaves no quadratic: nothing is written.
  const auto q = solve_quadratic(dk * dk + dy * dy, -2.0 * a2 * k2 * dx, a2 * a2 * k2 - dya * dya);
  if (!q.written) return;
  *n = q.n;
  *x1 = q.r1;
  *x2 = q.r2;
  if (q.n != 0) {
    *x1 = q.r1 + xc;
    *x2 = q.r2 + xc;
  }
}

void SURVEY_CALL setu_hotei2(double x0, double y0, double d, double a, double b, double c,
                             double* c1, double* c2) {
  heikou(a, b, heikou2(a, b, c, x0, y0), d, c1, c2);
}

}  // extern "C"
