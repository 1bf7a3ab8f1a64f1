// Helmert and affine transformations: least-squares fits, application to point
// lists and decomposition of the parameters.
#include "fitting.h"

#include <cmath>

#include "matrix.h"

namespace {

constexpr int kLead = 11;  // row length of the row-major solver matrix

}  // namespace

extern "C" {

// Normal equations of the similarity transformation for the unknowns (a, b, c, d),
// built on the solver matrix row by row and solved by Gauss-Jordan elimination.
void SURVEY_CALL helmert_keisu(int16_t n, const double* x, const double* y, const double* X, const double* Y,
                               double* a, double* b, double* c, double* d) {
  if (n < 1) return;
  double sxx = 0, syy = 0, sx = 0, sy = 0;
  double sxX = 0, syX = 0, sxY = 0, syY = 0, sX = 0, sY = 0;
  for (int i = 0; i < n; ++i) {
    sxx += x[i] * x[i];
    syy += y[i] * y[i];
    sx += x[i];
    sy += y[i];
    sxX += x[i] * X[i];
    syX += y[i] * X[i];
    sxY += x[i] * Y[i];
    syY += y[i] * Y[i];
    sX += X[i];
    sY += Y[i];
  }
  const double s2 = sxx + syy;
  const double cnt = n;
  double m[kLead * kLead] = {};
  const double rows[4][5] = {
      {s2, 0.0, sx, sy, sxX + syY},
      {0.0, s2, -sy, sx, sxY - syX},
      {sx, -sy, cnt, 0.0, sX},
      {sy, sx, 0.0, cnt, sY},
  };
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 5; ++j) m[kLead * i + j] = rows[i][j];
  gauss_c(4, m);
  *a = m[kLead * 0 + 4];
  *b = m[kLead * 1 + 4];
  *c = m[kLead * 2 + 4];
  *d = m[kLead * 3 + 4];
}

int16_t SURVEY_CALL helmert(int16_t n, const double* x, const double* y, double* X, double* Y, double a,
                            double b, double c, double d) {
  for (int i = 0; i < n; ++i) {
    X[i] = a * x[i] - b * y[i] + c;
    Y[i] = a * y[i] + b * x[i] + d;
  }
  return n;
}

void SURVEY_CALL helmert_spec(double a, double b, double* theta, double* s) {
  if (a == 0.0) return;
  *theta = std::atan(b / a);
  *s = std::sqrt(a * a + b * b);
}

void SURVEY_CALL affine_work(int16_t n, const double* x, const double* y, const double* T, double* a,
                             double* b, double* c) {
  if (n <= 0) return;
  double sxx = 0, sxy = 0, syy = 0, sx = 0, sy = 0, sxT = 0, syT = 0, sT = 0;
  for (int i = 0; i < n; ++i) {
    sxx += x[i] * x[i];
    sxy += x[i] * y[i];
    syy += y[i] * y[i];
    sx += x[i];
    sy += y[i];
    sxT += x[i] * T[i];
    syT += y[i] * T[i];
    sT += T[i];
  }
  const double cnt = n;
  double m[kLead * kLead] = {};
  const double rows[3][4] = {
      {sxx, sxy, sx, sxT},
      {sxy, syy, sy, syT},
      {sx, sy, cnt, sT},
  };
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 4; ++j) m[kLead * i + j] = rows[i][j];
  gauss_c(3, m);
  *a = m[kLead * 0 + 3];
  *b = m[kLead * 1 + 3];
  *c = m[kLead * 2 + 3];
}

void SURVEY_CALL affine_keisu(int16_t n, const double* x, const double* y, const double* X, const double* Y,
                              double* a, double* b, double* c) {
  affine_work(n, x, y, X, &a[0], &b[0], &c[0]);
  affine_work(n, x, y, Y, &a[1], &b[1], &c[1]);
}

int16_t SURVEY_CALL affine(int16_t n, const double* x, const double* y, double* X, double* Y, const double* a,
                           const double* b, const double* c) {
  for (int i = 0; i < n; ++i) {
    X[i] = x[i] * a[0] + b[0] * y[i] + c[0];
    Y[i] = x[i] * a[1] + y[i] * b[1] + c[1];
  }
  return n;
}

// The x axis maps onto (a[0], a[1]) and the y axis onto (b[0], b[1]); each is read
// as a Helmert pair. A zero first component leaves that axis's rotation and scale as
// the caller had them, and the rest is computed from those values.
void SURVEY_CALL affine_spec(const double* a, const double* b, const double* c, double* theta, double* s,
                             double* o) {
  helmert_spec(a[0], a[1], &theta[0], &s[0]);
  helmert_spec(b[1], -b[0], &theta[1], &s[1]);
  const double skew = theta[1] - theta[0];
  o[0] = -(std::sin(theta[1]) * c[1] + std::cos(theta[1]) * c[0]) / (std::cos(skew) * s[0]);
  o[1] = (std::sin(theta[0]) * c[0] - std::cos(theta[0]) * c[1]) / (std::cos(skew) * s[1]);
  theta[1] = skew;
}

}  // extern "C"
