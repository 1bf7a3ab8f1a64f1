// Quadratic roots and the circle cut by a line in slope form or a vertical line.
#include "quadratics.h"

#include <cmath>

#include "../basics/helpers.h"

extern "C" {

// The three tests on the discriminant are separate, so a NaN one passes none of
// them and leaves the preset n = 0 and roots 0.
void SURVEY_CALL kai_kousiki(double A, double B, double C, int16_t* n, double* r1, double* r2) {
  if (A == 0.0) return;
  *n = 0;
  *r1 = 0.0;
  *r2 = 0.0;
  const double d = B * B - 4.0 * A * C;
  if (d < 0.0) return;
  if (d == 0.0) *n = 1;
  if (d > 0.0) *n = 2;
  if (d >= 0.0) {
    const double s = std::sqrt(d);
    *r1 = (s - B) / (2.0 * A);
    *r2 = (-B - s) / (2.0 * A);
  }
}

int16_t SURVEY_CALL hanbetu(double A, double B, double C) {
  if (A == 0.0) return -2;
  return static_cast<int16_t>(sign(B * B - 4.0 * A * C));
}

void SURVEY_CALL kai_work1(double D, double E, double F, double m, double k, int16_t* n, double* x1,
                           double* y1, double* x2, double* y2) {
  *n = 0;
  *x1 = 0.0;
  *y1 = 0.0;
  *x2 = 0.0;
  *y2 = 0.0;
  kai_kousiki(m * m + 1.0, (2.0 * k + E) * m + D, (E + k) * k + F, n, x1, x2);
  *y1 = m * *x1 + k;
  *y2 = m * *x2 + k;
}

void SURVEY_CALL kai_work2(double D, double E, double F, double x0, int16_t* n, double* x1,
                           double* y1, double* x2, double* y2) {
  *n = 0;
  *x1 = 0.0;
  *y1 = 0.0;
  *x2 = 0.0;
  *y2 = 0.0;
  kai_kousiki(1.0, E, (D + x0) * x0 + F, n, y1, y2);
  *x1 = x0;
  *x2 = x0;
}

}  // extern "C"
