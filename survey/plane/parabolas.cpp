// The parabola y = p x^2 + q x + r: vertex, line intersection, tangents from a point.
#include "parabolas.h"

#include "quadratics.h"
#include "roots.hpp"

using survey::plane::solve_quadratic;

namespace {

double on_parabola(double p, double q, double r, double x) { return p * (x * x) + q * x + r; }

}  // namespace

extern "C" {

void SURVEY_CALL apex2(double p, double q, double r, double* x, double* y) {
  if (p == 0.0) return;
  *x = -q / (2.0 * p);
  *y = -(q * q - 4.0 * p * r) / (4.0 * p);
}

void SURVEY_CALL houbutu_sen(double p, double q, double r, double a, double b, double c,
                             int16_t* n, double* x1, double* y1, double* x2, double* y2) {
  if (b == 0.0) {
    const double x = -c / a;
    *n = 1;
    *x1 = x;
    *x2 = x;
    const double y = on_parabola(p, q, r, x);
    *y1 = y;
    *y2 = y;
    return;
  }
  // A line of the parabola's own direction (p = 0) leaves no quadratic: nothing.
  const auto s = solve_quadratic(p, a / b + q, c / b + r);
  if (!s.written) return;
  *n = s.n;
  *x1 = s.r1;
  *x2 = s.r2;
  if (s.n == 0) return;
  *y1 = on_parabola(p, q, r, s.r1);
  *y2 = on_parabola(p, q, r, s.r2);
}

void SURVEY_CALL houbutu_setu(double p, double q, double r, double px, double py, int16_t* n,
                              double* x1, double* y1, double* x2, double* y2) {
  if (p == 0.0) return;
  const auto s = solve_quadratic(p, -2.0 * p * px, py - (q * px + r));
  *n = s.n;
  *x1 = s.r1;
  *x2 = s.r2;
  if (s.n == 0) return;
  *y1 = on_parabola(p, q, r, s.r1);
  *y2 = on_parabola(p, q, r, s.r2);
}

void SURVEY_CALL houbutu_hotei(double p, double q, double r, double px, double py, int16_t* n,
                               double* m1, double* k1, double* m2, double* k2) {
  if (p == 0.0) return;
  int16_t k = 0;
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
  houbutu_setu(p, q, r, px, py, &k, &x1, &y1, &x2, &y2);
  *n = k;
  if (k == 0) return;
  *m1 = 2.0 * p * x1 + q;
  *k1 = r - p * (x1 * x1);
  *m2 = 2.0 * p * x2 + q;
  *k2 = r - p * (x2 * x2);
}

}  // extern "C"
