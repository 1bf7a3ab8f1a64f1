// Exponential, logarithms, power and hyperbolic functions in double-double
// arithmetic, rounded once at the end (see trig.cpp for the circular ones).
//
// exp: x = k ln2 + r with |r| <= ln2/2 (ln2 in three parts), e^r - 1 from the
// series of r/256 squared up eight times in the form (1 + a)^2 = 1 + (2a + a^2).
// log: m in [sqrt(1/2), sqrt 2) from x = 2^e m, a starting value y from the series
// of atanh((m - 1)/(m + 1)), corrected by log1p(m e^-y - 1).
#include "exp_log.hpp"

#include <cmath>
#include <limits>

#include "dd.hpp"

namespace survey::platform {
namespace {

using dd::DD;

// ln 2 as l1 + l2 + l3; l1 and l2 carry at most 42 significant bits, so k * l1
// and k * l2 are exact for |k| < 2^11.
constexpr double kL1 = 0x1.62e42fefa3800p-1;
constexpr double kL2 = 0x1.ef35793c76000p-45;
constexpr double kL3 = 0x1.cc01f97b57a08p-87;
constexpr DD kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr DD kInvLn10{0x1.bcb7b1526e50ep-2, 0x1.95355baaafad3p-57};
constexpr double kInvLn2 = 0x1.71547652b82fep+0;
constexpr double kExpMax = 709.782712893384;       // largest x with finite e^x
constexpr double kExpMin = -745.1332191019412;     // e^x below half the least subnormal
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();  // positive, as the C library's

// e^r - 1 for |r| <= ln2/2 (a hair more) as a double-double.
DD expm1_small(DD r) {
  DD m{r.hi * 0x1p-8, r.lo * 0x1p-8};
  DD term = m, sum = m;
  for (int k = 2; k <= 12; ++k) {
    term = dd::div(dd::mul(term, m), static_cast<double>(k));
    sum = dd::add(sum, term);
    if (std::fabs(term.hi) < 0x1p-112 * std::fabs(sum.hi)) break;
  }
  for (int i = 0; i < 8; ++i) sum = dd::add(dd::mul(sum, 2.0), dd::mul(sum, sum));
  return sum;
}

// e^x for a double-double x with kExpMin <= x.hi <= kExpMax + 1: the double-double
// mantissa 1 + a and the power of two k.
DD exp_parts(DD x, int& k) {
  double n = std::nearbyint(x.hi * kInvLn2);
  DD r = dd::two_sum(x.hi, -(n * kL1));
  r = dd::add(r, -(n * kL2));
  r = dd::add(r, dd::neg(dd::two_prod(n, kL3)));
  r = dd::add(r, x.lo);
  k = static_cast<int>(n);
  return dd::add(expm1_small(r), 1.0);
}

// The double nearest v * 2^k (the mantissa rounded first where the result is
// subnormal, which can differ from the correct rounding by one unit there).
double scaled(DD v, int k) {
  if (k > 1000) return std::ldexp(dd::round(v) * 0x1p1000, k - 1000);
  return std::ldexp(dd::round(v), k);
}

DD exp_dd(DD x) {
  int k;
  DD v = exp_parts(x, k);
  return {std::ldexp(v.hi, k), std::ldexp(v.lo, k)};
}

// log x for finite x > 0 as a double-double.
DD log_dd(double x) {
  int e = 0;
  if (x < 0x1p-1022) {
    x *= 0x1p54;
    e = -54;
  }
  int ex;
  double m = std::frexp(x, &ex);  // [0.5, 1)
  e += ex;
  if (m < 0.70710678118654752) {
    m *= 2.0;
    e -= 1;
  }
  double u = (m - 1.0) / (m + 1.0), z = u * u, p = 0.0;
  for (int k = 11; k >= 1; --k) p = 1.0 / (2 * k + 1) + z * p;
  double y = 2.0 * (u + u * z * p);
  // m e^-y - 1 = (m - 1) + m (e^-y - 1): small, and exact where it matters.
  DD t = dd::add(dd::mul(expm1_small({-y, 0.0}), m), m - 1.0);
  DD l = dd::add(dd::add(t, -0.5 * t.hi * t.hi), y);
  return dd::add(dd::mul(kLn2, static_cast<double>(e)), l);
}

double exp_of(DD x) {
  if (x.hi > kExpMax + 1.0) return HUGE_VAL;
  if (x.hi < kExpMin - 1.0) return 0.0;
  int k;
  DD v = exp_parts(x, k);
  return scaled(v, k);
}

bool is_odd_integer(double y) {
  return std::fabs(y) < 0x1p53 && std::trunc(y) == y && std::fmod(y, 2.0) != 0.0;
}

// sinh x and cosh x for |x| < 1/2 by their series.
void hyperbolic_series(double x, DD& s, DD& c) {
  DD z = dd::two_prod(x, x);
  DD ts{x, 0.0}, tc{1.0, 0.0};
  s = ts, c = tc;
  for (int k = 1; k <= 14; ++k) {
    ts = dd::div(dd::mul(ts, z), static_cast<double>((2 * k) * (2 * k + 1)));
    tc = dd::div(dd::mul(tc, z), static_cast<double>((2 * k - 1) * (2 * k)));
    s = dd::add(s, ts);
    c = dd::add(c, tc);
    if (std::fabs(tc.hi) < 0x1p-112) break;
  }
}

// e^|x| / 2 and e^-|x| / 2 for 1/2 <= |x| <= 40.
void half_exps(double x, DD& up, DD& down) {
  up = exp_dd(dd::sub({std::fabs(x), 0.0}, kLn2));
  down = dd::div({0.25, 0.0}, up);
}

// e^|x| / 2 where e^-|x| is below 2^-115 of it.
double half_exp(double x) { return exp_of(dd::sub({std::fabs(x), 0.0}, kLn2)); }

constexpr double kHyperbolicMax = 0x1.633ce8fb9f87dp+9;  // largest x with finite cosh x

}  // namespace

double exponential(double x) {
  if (std::isnan(x)) return x;
  if (std::fabs(x) < 0x1p-54) return 1.0 + x;
  if (x > kExpMax) return HUGE_VAL;
  if (x < kExpMin) return 0.0;
  return exp_of({x, 0.0});
}

double logarithm(double x) {
  if (std::isnan(x) || x == HUGE_VAL) return x;
  if (x < 0.0) return (x - x) / (x - x);
  if (x == 0.0) return -HUGE_VAL;
  if (x == 1.0) return 0.0;
  return dd::round(log_dd(x));
}

double logarithm10(double x) {
  if (std::isnan(x) || x == HUGE_VAL) return x;
  if (x < 0.0) return kNaN;
  if (x == 0.0) return -HUGE_VAL;
  if (x == 1.0) return 0.0;
  return dd::round(dd::mul(log_dd(x), kInvLn10));
}

double power(double x, double y) {
  if (y == 0.0 || x == 1.0) return 1.0;
  if (std::isnan(x) || std::isnan(y)) return x + y;
  bool odd = is_odd_integer(y);
  if (std::isinf(y)) {
    double ax = std::fabs(x);
    if (ax == 1.0) return 1.0;
    return (ax < 1.0) == (y < 0) ? HUGE_VAL : 0.0;
  }
  if (x == 0.0) return y < 0 ? (odd ? 1.0 / x : HUGE_VAL) : (odd ? x : 0.0);
  if (std::isinf(x)) {
    double r = y < 0 ? 0.0 : HUGE_VAL;
    return x < 0 && odd ? -r : r;
  }
  double sign = 1.0;
  if (x < 0.0) {
    if (std::trunc(y) != y) return (x - x) / (x - x);
    if (odd) sign = -1.0;
    x = -x;
  }
  DD l = log_dd(x);
  double q = y * l.hi;
  if (q > kExpMax + 1.0) return sign * HUGE_VAL;
  if (q < kExpMin - 1.0) return sign * 0.0;
  DD p = dd::two_prod(y, l.hi);
  p = dd::add(p, y * l.lo);
  return sign * exp_of(p);
}

double hyperbolic_sine(double x) {
  if (!std::isfinite(x) || std::fabs(x) < 0x1p-27) return x;
  if (std::fabs(x) < 0.5) {
    DD s, c;
    hyperbolic_series(x, s, c);
    return dd::round(s);
  }
  if (std::fabs(x) > kHyperbolicMax) return std::copysign(HUGE_VAL, x);
  if (std::fabs(x) > 40.0) return std::copysign(half_exp(x), x);
  DD up, down;
  half_exps(x, up, down);
  return std::copysign(dd::round(dd::sub(up, down)), x);
}

double hyperbolic_cosine(double x) {
  if (std::isnan(x)) return x;
  if (std::fabs(x) < 0x1p-27) return 1.0;
  if (std::fabs(x) < 0.5) {
    DD s, c;
    hyperbolic_series(x, s, c);
    return dd::round(c);
  }
  if (std::fabs(x) > kHyperbolicMax) return HUGE_VAL;
  if (std::fabs(x) > 40.0) return half_exp(x);
  DD up, down;
  half_exps(x, up, down);
  return dd::round(dd::add(up, down));
}

double hyperbolic_tangent(double x) {
  if (std::isnan(x) || std::fabs(x) < 0x1p-27) return x;
  if (std::fabs(x) > 22.0) return std::copysign(1.0, x);
  if (std::fabs(x) < 0.5) {
    DD s, c;
    hyperbolic_series(x, s, c);
    return dd::round(dd::div(s, c));
  }
  // 1 - 2 / (e^2|x| + 1)
  DD e2 = exp_dd({2.0 * std::fabs(x), 0.0});
  DD t = dd::add(dd::div({-2.0, 0.0}, dd::add(e2, 1.0)), 1.0);
  return std::copysign(dd::round(t), x);
}

double fraction(double x, double* whole) {
  if (std::isnan(x)) return *whole = x;
  double t = std::copysign(std::trunc(x), x);
  *whole = t;
  return std::isinf(x) ? std::copysign(0.0, x) : std::copysign(x - t, x);
}

}  // namespace survey::platform

#if defined(_WIN32)
// As in trig.cpp: the library's calls bind to these, not to the runtime's.
extern "C" double exp(double x) { return survey::platform::exponential(x); }
extern "C" double log(double x) { return survey::platform::logarithm(x); }
extern "C" double log10(double x) { return survey::platform::logarithm10(x); }
extern "C" double pow(double x, double y) { return survey::platform::power(x, y); }
extern "C" double sinh(double x) { return survey::platform::hyperbolic_sine(x); }
extern "C" double cosh(double x) { return survey::platform::hyperbolic_cosine(x); }
extern "C" double tanh(double x) { return survey::platform::hyperbolic_tangent(x); }
// The runtime's modf gives +0 as the fraction of a negative whole number.
extern "C" double modf(double x, double* whole) { return survey::platform::fraction(x, whole); }
#endif
