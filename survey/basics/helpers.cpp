// Pairwise and three-way minimum/maximum, two-double records and elementary
// number helpers.
#include "helpers.h"

#include <locale.h>

#include <climits>
#include <cmath>
#include <cstdlib>

#include "../platform/exp_log.hpp"

namespace {

constexpr double kPi = 3.141592653589793;

template <class T>
T max3(T a, T b, T c) {
  const T m = (a > b) ? a : b;
  return (m <= c) ? c : m;
}

template <class T>
T min3(T a, T b, T c) {
  const T m = (a < b) ? a : b;
  return (m >= c) ? c : m;
}

// atoi/atol of the Windows runtime saturate on overflow; strtol on a 64-bit long
// does not reach the 32-bit limits, so clamp here.
int32_t leading_int(const char* s) {
  const long v = std::strtol(s, nullptr, 10);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

// strtod with "." as the decimal point whatever locale the calling process has set.
// The "C" locale object is made once and never changes.
double strtod_c(const char* s) {
#if defined(_WIN32)
  static const _locale_t c_locale = _create_locale(LC_NUMERIC, "C");
  return c_locale != nullptr ? _strtod_l(s, nullptr, c_locale) : std::strtod(s, nullptr);
#else
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c_locale != locale_t{} ? strtod_l(s, nullptr, c_locale) : std::strtod(s, nullptr);
#endif
}

}  // namespace

extern "C" {

int16_t SURVEY_CALL iMax(int16_t a, int16_t b) { return a > b ? a : b; }
int16_t SURVEY_CALL iMin(int16_t a, int16_t b) { return a < b ? a : b; }
int32_t SURVEY_CALL lMax(int32_t a, int32_t b) { return a > b ? a : b; }
int32_t SURVEY_CALL lMin(int32_t a, int32_t b) { return a < b ? a : b; }
float SURVEY_CALL fMax(float a, float b) { return a > b ? a : b; }
float SURVEY_CALL fMin(float a, float b) { return a >= b ? b : a; }
double SURVEY_CALL dMax(double a, double b) { return a > b ? a : b; }
double SURVEY_CALL dMin(double a, double b) { return a >= b ? b : a; }

double SURVEY_CALL iMax3(int16_t a, int16_t b, int16_t c) { return max3(a, b, c); }
double SURVEY_CALL iMin3(int16_t a, int16_t b, int16_t c) { return min3(a, b, c); }
double SURVEY_CALL lMax3(int32_t a, int32_t b, int32_t c) { return max3(a, b, c); }
double SURVEY_CALL lMin3(int32_t a, int32_t b, int32_t c) { return min3(a, b, c); }
float SURVEY_CALL fMax3(float a, float b, float c) { return max3(a, b, c); }
float SURVEY_CALL fMin3(float a, float b, float c) { return min3(a, b, c); }
double SURVEY_CALL dMax3(double a, double b, double c) { return max3(a, b, c); }
double SURVEY_CALL dMin3(double a, double b, double c) { return min3(a, b, c); }

double SURVEY_CALL dMid3(double a, double b, double c) {
  const double m = dMin3(a, b, c);
  if (m == a) return dMin(b, c);
  if (m == b) return dMin(a, c);
  if (m == c) return dMin(a, b);
  return 0.0;
}

survey_point* SURVEY_CALL topoint(survey_point* result, double x, double y) {
  result->x = x;
  result->y = y;
  return result;
}

int16_t SURVEY_CALL c_eq(const survey_complex* a, const survey_complex* b) {
  return (a->re == b->re && a->im == b->im) ? 1 : 0;
}

double SURVEY_CALL kaijo(int16_t n) {
  double r = 1.0;
  for (int i = 2; i <= n; ++i) r *= i;
  return r;
}

// Our own hyperbolic functions on every platform, so both give the same bits.
double SURVEY_CALL sinH(double x) { return survey::platform::hyperbolic_sine(x); }
double SURVEY_CALL cosH(double x) { return survey::platform::hyperbolic_cosine(x); }
double SURVEY_CALL tanH(double x) { return survey::platform::hyperbolic_tangent(x); }

double SURVEY_CALL kon(double x, double k) {
  if (k == 0.0) return 0.0;
  return std::pow(x, gy(k));
}

double SURVEY_CALL fpi(double x) { return x * kPi; }

double SURVEY_CALL sr(double a, double b) { return std::sqrt(std::pow(a, 2.0) + std::pow(b, 2.0)); }

double SURVEY_CALL srm(double a, double b) {
  const double d = std::pow(a, 2.0) - std::pow(b, 2.0);
  return d >= 0.0 ? std::sqrt(d) : 0.0;
}

int16_t SURVEY_CALL zah_cmp(double x, double y, double xmin, double ymin, double xmax, double ymax) {
  return (xmin <= x && x <= xmax && ymin <= y && y <= ymax) ? -1 : 0;
}

int32_t SURVEY_CALL sign(double v) {
  if (v > 0) return 1;
  if (v < 0) return -1;
  return 0;
}

double SURVEY_CALL gy(double v) { return v == 0.0 ? 0.0 : 1.0 / v; }

int32_t SURVEY_CALL TrapInt(int32_t v, int32_t lo, int32_t hi) {
  int32_t r = v;
  if (v < lo) r = lo;
  if (v > hi) r = hi;
  return r;
}

double SURVEY_CALL Modf(double v, double* ip) { return std::modf(v, ip); }
double SURVEY_CALL Ceil(double v) { return std::ceil(v); }
double SURVEY_CALL Floor(double v) { return std::floor(v); }

// Half away from zero; the addend 0.50000001 lets values a hair below a half
// (binary representation of decimal halves) round up.
double SURVEY_CALL survey_round(double v, int16_t digits) {
  double scale = 1.0;
  for (int i = 0; i < digits; ++i) scale *= 10.0;
  const double r = std::trunc(std::fabs(v) * scale + 0.50000001);
  return v <= 0 ? -r / scale : r / scale;
}

int32_t SURVEY_CALL a2i(const char* s) { return leading_int(s); }
int32_t SURVEY_CALL a2l(const char* s) { return leading_int(s); }
double SURVEY_CALL a2d(const char* s) { return strtod_c(s); }

uint8_t SURVEY_CALL char_clear(char* s) {
  s[0] = '\0';
  return 0;
}

}  // extern "C"
