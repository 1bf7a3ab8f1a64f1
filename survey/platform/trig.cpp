// Circular functions in double-double arithmetic, rounded once at the end: the
// results are the correctly rounded ones on all but the rarest arguments, which
// is what the C library of the Linux build returns too.
//
// sine, cosine, tangent: Cody-Waite reduction by pi/2 in four parts (kept as a
// double-double), then Taylor series on [-pi/4, pi/4] summed in double-double.
// Inverse functions: a starting angle good to about 1e-15 from a short series,
// corrected in double-double by the angle between the starting ray and the point,
// atan((y cos a - x sin a) / (x cos a + y sin a)).
#include "trig.hpp"

#include <cmath>
#include <limits>

#include "dd.hpp"

namespace survey::platform {
namespace {

using dd::DD;

// pi/2 as p1 + p2 + p3 + p4; p1..p3 carry 33 significant bits, so n * pi for
// n < 2^20 is exact in each of them.
constexpr double kP1 = 0x1.921fb54400000p+0;
constexpr double kP2 = 0x1.0b4611a600000p-34;
constexpr double kP3 = 0x1.3198a2e000000p-69;
constexpr double kP4 = 0x1.b839a252049c1p-104;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kLimit = 823549.0;
constexpr double kPi = 0x1.921fb54442d18p+1;      // nearest double to pi
constexpr double kHalfPi = 0x1.921fb54442d18p+0;  // to pi/2
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;
constexpr double kThreeQuarterPi = 0x1.2d97c7f3321d2p+1;

// pi/2 as q1 + q2 + q3 + q4 (about 2^-217 short), for the arguments beyond 2^19
// quarter turns, where the products n * q are kept exact as double-doubles.
constexpr double kQ1 = 0x1.921fb54442d18p+0;
constexpr double kQ2 = 0x1.1a62633145c07p-54;
constexpr double kQ3 = -0x1.f1976b7ed8fbcp-110;
constexpr double kQ4 = 0x1.4cf98e804177dp-164;
constexpr double kFarLimit = 0x1p50;

// x - n pi/2 as a double-double and n mod 4.
struct Reduced {
  int quadrant;
  DD r;
};

Reduced reduce(double x) {
  double n = std::nearbyint(x * kTwoOverPi);
  DD r;
  if (std::fabs(x) < kLimit) {
    r = dd::two_sum(x, -(n * kP1));
    r = dd::add(r, -(n * kP2));
    r = dd::add(r, -(n * kP3));
    r = dd::add(r, dd::neg(dd::two_prod(n, kP4)));
  } else {
    r = dd::add(dd::neg(dd::two_prod(n, kQ1)), x);
    r = dd::add(r, dd::neg(dd::two_prod(n, kQ2)));
    r = dd::add(r, dd::neg(dd::two_prod(n, kQ3)));
    r = dd::add(r, -(n * kQ4));
  }
  return {static_cast<int>(std::fmod(n, 4.0) + 4.0) & 3, r};
}

// sin r and cos r for |r| <= pi/4 (up to 1 far out): Taylor series until the next
// term is below 2^-110 of the sum.
void kernels(DD r, DD& s, DD& c) {
  DD z = dd::mul(r, r);
  DD ts = r, tc{1.0, 0.0};
  s = r;
  c = tc;
  for (int k = 1; k <= 18; ++k) {
    tc = dd::div(dd::mul(tc, z), -static_cast<double>((2 * k - 1) * (2 * k)));
    ts = dd::div(dd::mul(ts, z), -static_cast<double>((2 * k) * (2 * k + 1)));
    c = dd::add(c, tc);
    s = dd::add(s, ts);
    if (std::fabs(tc.hi) < 0x1p-110) break;  // |c| > 0.7 and ts < tc
  }
}

// sin x and cos x of a finite x as double-doubles. Beyond 2^50 the argument is
// first reduced by the runtime's (exact) fmod against the double nearest 2 pi.
void sincos_dd(double x, DD& s, DD& c) {
  if (std::fabs(x) >= kFarLimit) x = std::fmod(x, 2 * kPi);
  Reduced red = reduce(x);
  DD sr, cr;
  kernels(red.r, sr, cr);
  switch (red.quadrant) {
    case 0: s = sr, c = cr; break;
    case 1: s = cr, c = dd::neg(sr); break;
    case 2: s = dd::neg(sr), c = dd::neg(cr); break;
    default: s = dd::neg(cr), c = sr; break;
  }
}

// atan t for 0 <= t <= 1 to about 1e-15: two halvings of the angle
// (atan t = 2 atan(t / (1 + sqrt(1 + t^2)))), then the series to u^21.
double atan_start(double t) {
  double u = t / (1.0 + std::sqrt(1.0 + t * t));
  u = u / (1.0 + std::sqrt(1.0 + u * u));
  double z = u * u, p = 0.0;
  for (int k = 10; k >= 1; --k) p = (k % 2 ? -1.0 : 1.0) / (2 * k + 1) + z * p;
  return 4.0 * (u + u * z * p);
}

// The angle of (x, y), both finite and not both zero (y as a double-double for the
// inverse cosine), |x|, |y| < 2^900 and not both below 2^-900.
DD angle_dd(DD y, double x) {
  double ax = std::fabs(x), ay = std::fabs(y.hi);
  double a = ay <= ax ? atan_start(ay / ax) : kHalfPi - atan_start(ax / ay);
  if (x < 0) a = kPi - a;
  if (y.hi < 0) a = -a;
  DD s, c;
  sincos_dd(a, s, c);
  DD num = dd::sub(dd::mul(c, y), dd::mul(s, x));
  DD den = dd::add(dd::mul(c, x), dd::mul(s, y));
  DD d = dd::div(num, den);  // tan of the remaining angle, about 1e-15
  d = dd::add(d, -d.hi * d.hi * d.hi / 3.0);
  return dd::add(d, a);
}

}  // namespace

double sine(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return x;  // keeps the sign of zero
  DD s, c;
  sincos_dd(x, s, c);
  return dd::round(s);
}

double cosine(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return 1.0;
  DD s, c;
  sincos_dd(x, s, c);
  return dd::round(c);
}

void sine_cosine(double x, double& s, double& c) {
  if (!std::isfinite(x)) {
    s = c = x - x;
  } else if (std::fabs(x) < 0x1p-27) {
    s = x, c = 1.0;
  } else {
    DD sd, cd;
    sincos_dd(x, sd, cd);
    s = dd::round(sd), c = dd::round(cd);
  }
}

double tangent(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return x;
  DD s, c;
  sincos_dd(x, s, c);
  return dd::round(dd::div(s, c));
}

double arctangent2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  if (y == 0.0) return x > 0.0 || (x == 0.0 && !std::signbit(x)) ? y : std::copysign(kPi, y);
  if (x == 0.0) return std::copysign(kHalfPi, y);
  if (std::isinf(x)) {
    if (std::isinf(y)) return std::copysign(x > 0 ? kQuarterPi : kThreeQuarterPi, y);
    return x > 0 ? std::copysign(0.0, y) : std::copysign(kPi, y);
  }
  if (std::isinf(y)) return std::copysign(kHalfPi, y);
  double ax = std::fabs(x), ay = std::fabs(y);
  // Far from the axes' neighbourhood the double-double steps would underflow; there
  // the result is y/x, or pi/2 or pi less a part below half an ulp.
  if (ay < 0x1p-600 * ax) return x > 0 ? y / x : std::copysign(kPi, y);
  if (ax < 0x1p-600 * ay) return std::copysign(kHalfPi, y);
  double m = std::fmax(ax, ay);
  double scale = m > 0x1p500 ? 0x1p-600 : m < 0x1p-500 ? 0x1p600 : 1.0;
  return dd::round(angle_dd({y * scale, 0.0}, x * scale));
}

double arctangent(double x) {
  if (std::isnan(x)) return x;
  if (std::fabs(x) < 0x1p-27) return x;
  if (std::fabs(x) > 0x1p60) return std::copysign(kHalfPi, x);
  return dd::round(angle_dd({x, 0.0}, 1.0));
}

double arccosine(double x) {
  if (std::isnan(x)) return x;
  if (std::fabs(x) > 1.0) return std::numeric_limits<double>::quiet_NaN();  // positive, as the C library's
  if (x == 1.0) return 0.0;
  if (x == -1.0) return kPi;
  if (std::fabs(x) < 0x1p-57) return kHalfPi;
  DD y = dd::sqrt(dd::mul(dd::two_sum(1.0, -x), dd::two_sum(1.0, x)));
  return dd::round(angle_dd(y, x));
}

}  // namespace survey::platform

#if defined(_WIN32)
// The library's own calls (from every family) bind here rather than to the
// runtime's x87 versions; the compiler joins sin and cos of one angle into sincos.
extern "C" double sin(double x) { return survey::platform::sine(x); }
extern "C" double cos(double x) { return survey::platform::cosine(x); }
extern "C" void sincos(double x, double* s, double* c) { survey::platform::sine_cosine(x, *s, *c); }
extern "C" double tan(double x) { return survey::platform::tangent(x); }
extern "C" double atan(double x) { return survey::platform::arctangent(x); }
extern "C" double atan2(double y, double x) { return survey::platform::arctangent2(y, x); }
extern "C" double acos(double x) { return survey::platform::arccosine(x); }
#endif
