// Integer number theory, fractions, Fibonacci numbers and progressions.
//
// Quotients and remainders are taken in 64 bits, where INT32_MIN / -1 does not trap,
// and products in unsigned 32 bits, where wrapping is defined; results are brought
// back to 32 bits modulo 2^32.
#include "numtheory.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "../basics/helpers.h"
#include "../plane/quadratics.h"

namespace {

int32_t wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

int32_t mul32(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
int32_t add32(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int32_t sub32(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }

// The primality test on 64 bits, so that d*d cannot overflow near 2^31.
bool is_prime(int64_t n) {
  if (n < 2) return false;
  if (n == 2 || n == 3 || n == 5) return true;
  if (n % 2 == 0 || n % 3 == 0 || n % 5 == 0) return false;
  if (n < 49) return true;
  for (int64_t d = 7; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

}  // namespace

extern "C" {

int32_t SURVEY_CALL LGcm(int32_t a, int32_t b) {
  int64_t x = a > b ? a : b;
  int64_t y = a > b ? b : a;
  if (y == 0) return 0;
  for (;;) {
    const int64_t r = x % y;
    if (r == 0) return static_cast<int32_t>(y);  // |y| never exceeds |a| or |b|
    x = y;
    y = r;
  }
}

int32_t SURVEY_CALL LLcm(int32_t a, int32_t b) {
  const int32_t g = LGcm(a, b);
  if (g == 0) return 0;
  return wrap32(static_cast<int64_t>(mul32(a, b)) / g);
}

void SURVEY_CALL yakubun(int32_t a, int32_t b, int32_t* p, int32_t* q) {
  const int32_t g = LGcm(a, b);
  if (g == 0) {
    *p = a;
    *q = b;
    return;
  }
  *p = wrap32(static_cast<int64_t>(a) / g);
  *q = wrap32(static_cast<int64_t>(b) / g);
}

void SURVEY_CALL b_calc(int32_t a, int32_t b, const char* op, int32_t c, int32_t d, int32_t* p, int32_t* q) {
  switch (op != nullptr ? op[0] : '\0') {
    case '+':
      yakubun(add32(mul32(b, c), mul32(a, d)), mul32(b, d), p, q);
      break;
    case '-':
      yakubun(sub32(mul32(a, d), mul32(b, c)), mul32(b, d), p, q);
      break;
    case '*':
      yakubun(mul32(a, c), mul32(b, d), p, q);
      break;
    case '/':
      yakubun(mul32(a, d), mul32(b, c), p, q);
      break;
    default:
      yakubun(a, a, p, q);
      break;
  }
}

void SURVEY_CALL jyunkan(int32_t n, int32_t* p, int32_t* q) {
  int64_t rest = n < 0 ? -static_cast<int64_t>(n) : n;
  uint32_t power = 10;
  while (rest >= 10) {
    rest /= 10;
    power *= 10u;
  }
  yakubun(n, static_cast<int32_t>(power - 1u), p, q);
}

int16_t SURVEY_CALL sosu(int32_t n) { return is_prime(n) ? 1 : 0; }

int32_t SURVEY_CALL sosu_max(int32_t n) {
  if (n < 2) return 0;
  for (int64_t k = n / 4 + 1; k >= 1; --k) {
    for (const int64_t c : {4 * k + 1, 4 * k - 1})
      if (c <= n && is_prime(c)) return static_cast<int32_t>(c);
  }
  return 2;
}

int32_t SURVEY_CALL pythagoras_num(int32_t n, int32_t* b, int32_t* c) {
  if (n < 3) return n;
  const uint32_t sq = static_cast<uint32_t>(n) * static_cast<uint32_t>(n);
  if (n % 2 != 0) {
    *b = static_cast<int32_t>(sq - 1u) / 2;
    *c = static_cast<int32_t>(sq + 1u) / 2;
  } else {
    const int32_t quarter = static_cast<int32_t>(sq) / 4;
    *b = quarter - 1;
    *c = quarter + 1;
  }
  return *c;
}

void SURVEY_CALL golden_section(double* x1, double* x2) {
  int16_t n = 0;
  kai_kousiki(1.0, -1.0, -1.0, &n, x1, x2);
}

double SURVEY_CALL fibonacci(int32_t n) {
  double x1 = 0.0;
  double x2 = 0.0;
  golden_section(&x1, &x2);
  return survey_round((std::pow(x1, n) - std::pow(x2, n)) / std::pow(5.0, 0.5), 0);
}

double SURVEY_CALL Tprogres(int16_t kind, double a, double r, int16_t n) {
  switch (kind) {
    case 1:
      return n * ((n - 1) * r + 2.0 * a) * 0.5;
    case 2:
      if (r == 1.0) return 0.0;
      return a * (std::pow(r, n) - 1.0) / (r - 1.0);
    default:
      return 0.0;
  }
}

}  // extern "C"
