// Sums, means and deviations, correlation, regression lines and curves.
#include "statistics.h"

#include <algorithm>
#include <cmath>

#include "../basics/arrays.h"
#include "../plane/vectors.h"
#include "compare.hpp"
#include "matrix.h"
#include "regression.hpp"

namespace {

double sum(int32_t n, const double* a) {
  double s = 0.0;
  for (int32_t i = 0; i < n; ++i) s += a[i];
  return s;
}

double average(int32_t n, const double* a) { return sum(n, a) / n; }

// Square root of a variance formed as mean of squares minus squared mean: for a
// constant series that difference may round below 0, where it is 0. A NaN stays.
double deviation(double radicand) { return radicand < 0.0 ? 0.0 : std::sqrt(radicand); }

// Sum of f(a[i]) over the non-zero elements, k counting them.
template <class F>
double sum_nonzero(int16_t n, const double* a, F f, int& k) {
  double s = 0.0;
  for (int i = 0; i < n; ++i)
    if (a[i] != 0.0) {
      s += f(a[i]);
      ++k;
    }
  return s;
}

// Means and centred sums of the line fit; false (nothing but the zero sums written)
// for n < 1.
bool line_sums(int32_t n, const double* x, const double* y, double* mx, double* my, double* sxy,
               double* sxx) {
  *sxy = 0.0;
  *sxx = 0.0;
  if (n < 1) return false;
  const double xm = average(n, x);
  *mx = xm;
  const double ym = average(n, y);
  *my = ym;
  double sa = 0.0;
  double sb = 0.0;
  for (int32_t i = 0; i < n; ++i) {
    const double dx = x[i] - xm;
    sa += (y[i] - ym) * dx;
    sb += dx * dx;
  }
  *sxy = sa;
  *sxx = sb;
  return true;
}

// Slope and intercept of the regression line, and the sums behind the slope.
bool line_fit(int32_t n, const double* x, const double* y, double* slope, double* intercept, double* sxy,
              double* sxx) {
  double mx = 0.0;
  double my = 0.0;
  if (!line_sums(n, x, y, &mx, &my, sxy, sxx)) return false;
  *slope = *sxy / *sxx;
  *intercept = my - *slope * mx;
  return true;
}

// Sorts a ascending in place, leaving exactly the array that dsort_shou leaves. A
// sorted array of given values is unique unless two values compare equal with
// different bits (+0 and -0) or some value is unordered (NaN); without those,
// std::sort's O(n log n) gives the same array as the quadratic selection sort,
// which still handles the rest.
void sort_ascending(int16_t n, double* a) {
  bool plus_zero = false;
  bool minus_zero = false;
  for (int i = 0; i < n; ++i) {
    if (std::isnan(a[i])) return dsort_shou(n, a);
    if (a[i] == 0.0) (std::signbit(a[i]) ? minus_zero : plus_zero) = true;
  }
  if (plus_zero && minus_zero) return dsort_shou(n, a);
  std::sort(a, a + n);
}

}  // namespace

namespace survey::numerics {

void regression_line(int32_t n, const double* x, const double* y, double* slope, double* intercept,
                     double* angle) {
  double m = 0.0, k = 0.0, sxy = 0.0, sxx = 0.0;
  if (!line_fit(n, x, y, &m, &k, &sxy, &sxx)) return;
  *slope = m;
  *intercept = k;
  *angle = vang(sxx, sxy);
}

}  // namespace survey::numerics

extern "C" {

double SURVEY_CALL sigma(int16_t n, const double* a) { return sum(n, a); }

double SURVEY_CALL sigma_sq(int16_t n, const double* a) {
  double s = 0.0;
  for (int i = 0; i < n; ++i) s += std::pow(a[i], 2.0);
  return s;
}

double SURVEY_CALL sigma_xy(int16_t n, const double* x, const double* y) {
  double s = 0.0;
  for (int i = 0; i < n; ++i) s += x[i] * y[i];
  return s;
}

double SURVEY_CALL sigma_x2y2(int16_t n, const double* x, const double* y, int16_t mode) {
  double s = 0.0;
  for (int i = 0; i < n; ++i) {
    const double u = x[i];
    const double v = y[i];
    switch (mode) {
      case 1: s += u * u + v * v; break;
      case 2: s += u * u - v * v; break;
      case 3: s += (u + v) * (u + v); break;
      case 4: s += (u - v) * (u - v); break;
      default: return 0.0;
    }
  }
  return s;
}

double SURVEY_CALL sigma_cmp(int16_t n, const double* a, const char* op, double v) {
  if (op == nullptr) return 0.0;
  double s = 0.0;
  for (int i = 0; i < n; ++i)
    if (survey::numerics::compare_holds(op, a[i], v)) s += a[i];
  return s;
}

// Faulhaber's sums in closed form; the constants are 1/12, 1/30 and 1/6.
double SURVEY_CALL s_sigma(int16_t n, double a5, double a4, double a3, double a2, double a1, double a0) {
  if (n < 1) return 0.0;
  const double N = n;
  const double T = N * (N + 1.0);
  const double h = T * 0.5;
  const double k5 = T * T * (2.0 * T - 1.0) * 0.08333333333333333;
  const double k4 = (3.0 * T - 1.0) * (2.0 * N + 1.0) * (N + 1.0) * N * 0.03333333333333333;
  const double k3 = h * h;
  const double k2 = (2.0 * N + 1.0) * (N + 1.0) * N * 0.16666666666666666;
  return a5 * k5 + a4 * k4 + a3 * k3 + a2 * k2 + a1 * h + a0 * N;
}

double SURVEY_CALL sa_sq(int16_t n, const double* a) {
  if (n <= 0) return 0.0;
  const double s = sigma(n, a);
  return n * sigma_sq(n, a) - s * s;
}

double SURVEY_CALL sa_xy(int16_t n, const double* x, const double* y) {
  if (n <= 0) return 0.0;
  return n * sigma_xy(n, x, y) - sigma(n, x) * sigma(n, y);
}

double SURVEY_CALL work_ave(int16_t n, const double* a) { return average(n, a); }

double SURVEY_CALL work_hensa(int16_t n, const double* a) {
  const double m = work_ave(n, a);
  return deviation(sigma_sq(n, a) / n - m * m);
}

void SURVEY_CALL heikin(int16_t n, const double* a, double* mean, double* sd, double* max, double* min) {
  *mean = work_ave(n, a);
  *sd = work_hensa(n, a);
  if (n >= 1) dmaxmin(n, a, max, min);
}

void SURVEY_CALL heikin2(int16_t n, const double* v, const double* w, double* mean, double* sd) {
  if (n < 1) return;
  double s1 = 0.0;
  double sw = 0.0;
  double s2 = 0.0;
  for (int i = 0; i < n; ++i) {
    s1 += v[i] * w[i];
    sw += w[i];
    s2 += std::pow(v[i], 2.0) * w[i];
  }
  const double m = s1 / sw;
  *mean = m;
  *sd = deviation(s2 / sw - m * m);
}

double SURVEY_CALL heikin_hensa(int16_t n, const double* a) {
  const double m = work_ave(n, a);
  double s = 0.0;
  for (int i = 0; i < n; ++i) s += std::fabs(a[i] - m);
  return s / n;
}

double SURVEY_CALL median(int16_t n, double* a) {
  if (n < 1) return 0.0;
  sort_ascending(n, a);
  if (n % 2 == 1) return a[(n + 1) / 2 - 1];
  return (a[n / 2 - 1] + a[n / 2]) * 0.5;
}

double SURVEY_CALL chouwa_heikin(int16_t n, const double* a) {
  if (n < 1) return 0.0;
  int k = 0;
  const double s = sum_nonzero(n, a, [](double v) { return 1.0 / v; }, k);
  return k / s;
}

double SURVEY_CALL soujou_heikin(int16_t n, const double* a) {
  if (n < 1) return 0.0;
  int k = 0;
  const double s = sum_nonzero(n, a, [](double v) { return std::log10(v); }, k);
  return std::pow(10.0, s / k);
}

void SURVEY_CALL kajyu_heikin(int16_t n, const double* a, double total, double* out, double* diff) {
  if (total == 0.0) return;
  const double s = sigma(n, a);
  const double d = total - s;
  *diff = d;
  for (int i = 0; i < n; ++i) out[i] = a[i] / s * d + a[i];
}

void SURVEY_CALL correl(int16_t n, const double* x, const double* y, double* mx, double* my, double* cov,
                        double* r) {
  const double xm = work_ave(n, x);
  *mx = xm;
  const double ym = work_ave(n, y);
  *my = ym;
  double sxy = 0.0;
  double sxx = 0.0;
  double syy = 0.0;
  for (int i = 0; i < n; ++i) {
    const double dx = x[i] - xm;
    const double dy = y[i] - ym;
    sxy += dx * dy;
    sxx += dx * dx;
    syy += dy * dy;
  }
  *cov = sxy / n;
  *r = sxy / (std::sqrt(syy) * std::sqrt(sxx));
}

double SURVEY_CALL pearson(int16_t n, const double* x, const double* y) {
  if (n <= 0) return 0.0;
  return sa_xy(n, x, y) / std::sqrt(sa_sq(n, x)) / std::sqrt(sa_sq(n, y));
}

int16_t SURVEY_CALL kaiki_work(int16_t n, const double* x, const double* y, double* mx, double* my,
                               double* sxy, double* sxx) {
  return line_sums(n, x, y, mx, my, sxy, sxx) ? n : 0;
}

int16_t SURVEY_CALL kaiki_line(int16_t n, const double* x, const double* y, double* slope,
                               double* intercept) {
  double m = 0.0, k = 0.0, sxy = 0.0, sxx = 0.0;
  if (!line_fit(n, x, y, &m, &k, &sxy, &sxx)) return 0;
  *slope = m;
  *intercept = k;
  return n;
}

void SURVEY_CALL kaiki_line2(int16_t n, const double* x, const double* y, double* slope, double* intercept,
                             double* angle) {
  survey::numerics::regression_line(n, x, y, slope, intercept, angle);
}

void SURVEY_CALL kaiki_sisu(int16_t n, const double* x, const double* y, double* a, double* b) {
  *a = 0.0;
  *b = 0.0;
  double sx = 0.0;
  double sxx = 0.0;
  double sl = 0.0;
  double sxl = 0.0;
  for (int i = 0; i < n; ++i) {
    const double l = std::log(y[i]);
    sx += x[i];
    sxx += x[i] * x[i];
    sl += l;
    sxl += x[i] * l;
  }
  const double d = n * sxx - sx * sx;
  *a = std::exp((sl * sxx - sxl * sx) / d);
  *b = (n * sxl - sl * sx) / d;
}

// The normal equations of the parabola, row-major with leading dimension 11, solved
// in place; the solution is left in the right-hand-side column.
void SURVEY_CALL kaiki_houbutu(int16_t n, const double* x, const double* y, double* a, double* b,
                               double* c) {
  if (n < 1) return;
  double s1 = 0.0, s2 = 0.0, s3 = 0.0, s4 = 0.0, sy = 0.0, sxy = 0.0, sx2y = 0.0;
  for (int i = 0; i < n; ++i) {
    s1 += x[i];
    s2 += std::pow(x[i], 2.0);
    s3 += std::pow(x[i], 3.0);
    s4 += std::pow(x[i], 4.0);
    sy += y[i];
    sxy += x[i] * y[i];
    sx2y += std::pow(x[i], 2.0) * y[i];
  }
  double m[11 * 11] = {};
  const double rows[3][4] = {{s4, s3, s2, sx2y}, {s3, s2, s1, sxy}, {s2, s1, static_cast<double>(n), sy}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 4; ++j) m[11 * i + j] = rows[i][j];
  gauss_c(3, m);
  *a = m[3];
  *b = m[11 + 3];
  *c = m[22 + 3];
}

}  // extern "C"
