// Quadratic and cubic equations, Newton's iteration for a polynomial root,
// polynomial value and integral, and the closed-form trigonometric sums.
#include "equations.h"

#include <cmath>

#include "complex.h"
#include "special_functions.h"

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

extern "C" {

int16_t SURVEY_CALL kai_kousiki1(double a, double b, double c, survey_complex* z1, survey_complex* z2) {
  if (a == 0.0) return -2;
  const double D = b * b - 4.0 * a * c;
  const int16_t kind = D < 0.0 ? 0 : (D == 0.0 ? 1 : 2);
  const double k = 1.0 / (2.0 * a);
  survey_complex r;
  d_sqrt(&r, D);
  const survey_complex plus{r.re - b, r.im}, minus{-r.re - b, -r.im};
  c_scale(z1, &plus, k);
  c_scale(z2, &minus, k);
  return kind;
}

int16_t SURVEY_CALL equ1(double s, double p, survey_complex* z1, survey_complex* z2) {
  return kai_kousiki1(1.0, -s, p, z1, z2);
}

void SURVEY_CALL cardano(double a, double b, double c, double d, survey_complex* z1, survey_complex* z2,
                         survey_complex* z3) {
  if (a == 0.0) return;
  // Depressed cubic t^3 + 3p t - q = 0 for x = t - s.
  const double s = (b / a) / 3.0;
  const double p = (c / a - (b * b) / (3.0 * a * a)) / 3.0;
  const double q = -((2.0 * b * b * b) / (27.0 * a * a * a) - (b * c) / (3.0 * a * a) + d / a);
  const double D = 4.0 * p * p * p + q * q;
  const double w = std::sqrt(std::fabs(D));
  if (D >= 0.0) {
    const double u = Cbrt((w + q) / 2.0);
    const double v = Cbrt((q - w) / 2.0);
    const double re = -(u + v) / 2.0 - s;
    const double im = std::sqrt(3.0) * (u - v) / 2.0;
    *z1 = {u + v - s, 0.0};
    *z2 = {re, im};
    *z3 = {re, -im};
    return;
  }
  // Three real roots: the trigonometric form.
  const double phi = std::atan2(w, q);
  const double m = 2.0 * std::sqrt(-p);
  *z1 = {m * std::cos(phi / 3.0) - s, 0.0};
  *z2 = {-m * std::cos((kPi - phi) / 3.0) - s, 0.0};
  *z3 = {-m * std::cos((phi + kPi) / 3.0) - s, 0.0};
}

void SURVEY_CALL equ2(double s1, double s2, double s3, survey_complex* z1, survey_complex* z2,
                      survey_complex* z3) {
  cardano(1.0, -s1, s2, -s3, z1, z2, z3);
}

double SURVEY_CALL Newton(const double* a, int16_t n, double eps, int16_t maxiter) {
  if (n < 2 || a[0] == 0.0 || eps <= 0.0 || maxiter < 1) return 0.0;
  double M = 0.0, S = 0.0;
  for (int i = 0; i <= n; ++i) {
    if (std::fabs(a[i]) > M) M = std::fabs(a[i]);
    S += a[i];
  }
  double x = -S / (n + 1);
  for (int k = 1; k <= maxiter; ++k) {
    double p = a[0];
    for (int i = 1; i <= n; ++i) p = p * x + a[i];
    double d = n * a[0];
    for (int i = 1; i < n; ++i) d = d * x + (n - i) * a[i];
    double delta = 0.0;
    if (d != 0.0) {
      delta = -p / d;
    } else {
      // Stationary point: step by the second-order term instead.
      double e = n * (n - 1) * a[0];
      for (int i = 1; i < n - 1; ++i) e = e * x + (n - i) * (n - i - 1) * a[i];
      if (p * (p - 2.0 * e) > 0.0) delta = -2.0 * p / std::sqrt(p * (p - 2.0 * e));
    }
    x = x + delta;
    if (std::fabs(delta) / M <= eps) return x;
  }
  return x;
}

double SURVEY_CALL takou(int16_t n, const double* a, double x) {
  double r = a[0];
  for (int i = 1; i <= n; ++i) r = r * x + a[i];
  return r;
}

double SURVEY_CALL Tsekibun(int16_t n, const double* a, double x1, double x2) {
  if (n < 0) return 0.0;
  auto F = [&](double x) {
    double s = 0.0;
    for (int i = 0; i <= n; ++i) {
      const int k = n + 1 - i;
      s += a[i] * std::pow(x, static_cast<double>(k)) / k;
    }
    return s;
  };
  return F(x2) - F(x1);
}

double SURVEY_CALL sin_sigma(int16_t n, double x) {
  if (n < 1) return 0.0;
  return std::sin((n + 1) * x / 2.0) * std::sin(n * x / 2.0) / std::sin(x / 2.0);
}

double SURVEY_CALL cos_sigma(int16_t n, double x) {
  if (n < 1) return 0.0;
  return std::cos((n + 1) * x / 2.0) * std::sin(n * x / 2.0) / std::sin(x / 2.0);
}

}  // extern "C"
