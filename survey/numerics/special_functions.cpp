// Error, gamma and beta functions, factorials and counting formulas, inverse
// hyperbolic and Gudermannian functions, guarded logarithms, powers and roots.
#include "special_functions.h"

#include <cmath>

#include "../basics/helpers.h"

namespace {

// Sum of ln 2 + ln 3 + ... + ln m (0 for m < 2): the log-factorial of Nikou_Keisu.
double log_factorial(int m) {
  double s = 0.0;
  for (int j = 2; j <= m; ++j) s += std::log(static_cast<double>(j));
  return s;
}

}  // namespace

extern "C" {

double SURVEY_CALL errf(double x) {
  if (x <= 0.0) return 0.0;
  if (x >= 10.0) return 1.0;
  // Abramowitz and Stegun 7.1.28.
  double s = ((((((0.0000430638 * x + 0.0002765672) * x + 0.0001520143) * x + 0.0092705272) * x +
                0.0422820123) * x + 0.0705230784) * x) + 1.0;
  for (int i = 0; i < 4; ++i) s = s * s;
  return 1.0 - 1.0 / s;
}

double SURVEY_CALL survey_gammaf(double x) {
  if (x <= 0.0 || x >= 34.0) return 0.0;
  double prod = 1.0;
  while (x > 1.0) {
    x = x - 1.0;
    prod = prod * x;
  }
  // Abramowitz and Stegun 6.1.36: Gamma(1 + x) on [0, 1].
  const double g =
      ((((((((0.035868343 * x - 0.193527818) * x + 0.482199394) * x - 0.756704078) * x + 0.918206857) * x -
          0.897056937) * x + 0.988205891) * x - 0.577191652) * x) + 1.0;
  return (g * prod) / x;
}

double SURVEY_CALL betaf(double a, double b) {
  if (a + b == 0.0) return 0.0;
  return survey_gammaf(a) * survey_gammaf(b) / survey_gammaf(a + b);
}

double SURVEY_CALL kaijo2(int16_t n) {
  double r = 1.0;
  for (int i = 0; i < (n >> 1); ++i) r *= static_cast<double>(n - 2 * i);
  return r;
}

double SURVEY_CALL takou_keisu(int16_t n, const int16_t* k) {
  if (n < 1) return 1.0;
  int16_t sum = 0;
  double den = 1.0;
  for (int i = 0; i < n; ++i) {
    sum = static_cast<int16_t>(sum + k[i]);
    if (k[i] != 0) den *= kaijo(k[i]);
  }
  return kaijo(sum) / den;
}

double SURVEY_CALL Nikou_Keisu(int16_t n, int16_t k) {
  if (n < k || k < 0) return 0.0;
  if (k == n || k == 0) return 1.0;
  return std::exp(log_factorial(n) - log_factorial(k) - log_factorial(n - k));
}

void SURVEY_CALL combine(int16_t n, int16_t r, double* out) {
  if (n < 0 || r < 0 || n < r) return;
  const double perm = kaijo(n) / kaijo(static_cast<int16_t>(n - r));
  const double circ = perm / r;
  out[0] = perm;
  out[1] = circ;
  out[2] = n >= 3 ? circ * 0.5 : 0.0;
  out[3] = std::pow(static_cast<double>(n), static_cast<double>(r));
  out[4] = kaijo(n) / (kaijo(r) * kaijo(static_cast<int16_t>(n - r)));
}

double SURVEY_CALL arcsinH(double x) {
  // The function is odd; for negative x the sum below would cancel to nothing.
  if (x < 0.0) return -arcsinH(-x);
  const double s = std::pow(x * x + 1.0, 0.5) + x;
  if (!(s > 0.0)) return 0.0;
  return std::log(s);
}

double SURVEY_CALL arccosH(double x) {
  const double s = std::sqrt(x * x - 1.0) + x;
  if (!(s > 0.0)) return 0.0;
  return std::log(s);
}

double SURVEY_CALL arctanH(double x) {
  if (x == 1.0) return 0.0;
  const double q = (x + 1.0) / (1.0 - x);
  if (!(q > 0.0)) return 0.0;
  return 0.5 * std::log(q);
}

double SURVEY_CALL gudermann(double x) { return 2.0 * std::atan(std::exp(x)) - 1.5707963267948966; }

double SURVEY_CALL arc_gudermann(double x) {
  const double s = std::sin(x);
  return 0.5 * std::log((1.0 + s) / (1.0 - s));
}

double SURVEY_CALL epow(double x) { return std::exp(x); }
double SURVEY_CALL fpow(double x, double y) { return std::pow(x, y); }

double SURVEY_CALL Cbrt(double x) {
  if (x == 0.0) return 0.0;
  const double y = sign(x) * std::pow(std::fabs(x), 0.3333333333333333);
  // One Halley step for y^3 = x.
  return (y + (3.0 * x) / (2.0 * y * y + x / y)) * 0.5;
}

double SURVEY_CALL floge(double x) { return x > 0.0 ? std::log(x) : 0.0; }
double SURVEY_CALL flog10(double x) { return x > 0.0 ? std::log10(x) : 0.0; }

double SURVEY_CALL flog(double base, double x) {
  if (base == 0.0 || x == 0.0) return 0.0;
  return std::log(x) / std::log(base);
}

double SURVEY_CALL flog2(double x) { return flog(2.0, x); }

double SURVEY_CALL sqrt_pi(double x) { return std::sqrt(fpi(x)); }

double SURVEY_CALL sqrt_xy(double a, double b, const char* op) {
  if (op == nullptr) return 0.0;
  switch (op[0]) {
    case '+':
      return std::sqrt(a + b);
    case '-':
      return a - b < 0.0 ? 0.0 : std::sqrt(a - b);
    case '*':
      return std::sqrt(a * b);
    case '/':
      return b == 0.0 ? 0.0 : std::sqrt(a / b);
    default:
      return 0.0;
  }
}

double SURVEY_CALL c14(double p) {
  if (p < 0.0 || p > 1.0) return 0.0;
  return -5600.0 * flog2(p);
}

}  // extern "C"
