// Sine and cosine: Cody-Waite reduction by pi/2 in four parts, kept as a
// double-double, then Taylor kernels on [-pi/4, pi/4] (terms to x^17 and x^18; the
// first omitted term is below 2^-60 of the result there).
#include "trig.hpp"

#include <cmath>

namespace survey::platform {
namespace {

// pi/2 as p1 + p2 + p3 + p4; p1..p3 carry 33 significant bits, so n * pi for
// n < 2^20 is exact in each of them.
constexpr double kP1 = 0x1.921fb54400000p+0;
constexpr double kP2 = 0x1.0b4611a600000p-34;
constexpr double kP3 = 0x1.3198a2e000000p-69;
constexpr double kP4 = 0x1.b839a252049c1p-104;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kLimit = 823549.0;

struct Reduced {
  int quadrant;  // n mod 4
  double hi, lo; // x - n pi/2 as an unevaluated sum, |hi| <= pi/4 (a hair more)
};

// s + e = a + b exactly.
inline void two_sum(double a, double b, double& s, double& e) {
  s = a + b;
  double bb = s - a;
  e = (a - (s - bb)) + (b - bb);
}

Reduced reduce(double x) {
  double n = std::nearbyint(x * kTwoOverPi);
  double s, e1, e2;
  two_sum(x - n * kP1, -(n * kP2), s, e1);
  two_sum(s, -(n * kP3), s, e2);
  double e = (e1 + e2) - n * kP4;
  Reduced r;
  two_sum(s, e, r.hi, r.lo);
  r.quadrant = static_cast<int>(static_cast<long long>(n) & 3);
  return r;
}

// sin(h + l) for |h| <= pi/4, |l| <= ulp(h).
double sin_kernel(double h, double l) {
  constexpr double s3 = -1.0 / 6, s5 = 1.0 / 120, s7 = -1.0 / 5040, s9 = 1.0 / 362880,
                   s11 = -1.0 / 39916800, s13 = 1.0 / 6227020800, s15 = -1.0 / 1307674368000,
                   s17 = 1.0 / 355687428096000;
  double z = h * h;
  double p = s5 + z * (s7 + z * (s9 + z * (s11 + z * (s13 + z * (s15 + z * s17)))));
  return h + (h * z * (s3 + z * p) + l * (1.0 - 0.5 * z));
}

// cos(h + l) for |h| <= pi/4, |l| <= ulp(h).
double cos_kernel(double h, double l) {
  constexpr double c4 = 1.0 / 24, c6 = -1.0 / 720, c8 = 1.0 / 40320, c10 = -1.0 / 3628800,
                   c12 = 1.0 / 479001600, c14 = -1.0 / 87178291200, c16 = 1.0 / 20922789888000,
                   c18 = -1.0 / 6402373705728000;
  double z = h * h;
  double tail = z * z * (c4 + z * (c6 + z * (c8 + z * (c10 + z * (c12 + z * (c14 + z * (c16 + z * c18)))))));
  double hz = 0.5 * z;
  double w = 1.0 - hz;
  return w + (((1.0 - w) - hz) + (tail - h * l));
}

double large(double x) { return std::fmod(x, 2 * 3.141592653589793); }

}  // namespace

double sine(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return x;  // keeps the sign of zero
  if (std::fabs(x) >= kLimit) x = large(x);
  Reduced r = reduce(x);
  switch (r.quadrant) {
    case 0: return sin_kernel(r.hi, r.lo);
    case 1: return cos_kernel(r.hi, r.lo);
    case 2: return -sin_kernel(r.hi, r.lo);
    default: return -cos_kernel(r.hi, r.lo);
  }
}

double cosine(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) >= kLimit) x = large(x);
  Reduced r = reduce(x);
  switch (r.quadrant) {
    case 0: return cos_kernel(r.hi, r.lo);
    case 1: return -sin_kernel(r.hi, r.lo);
    case 2: return -cos_kernel(r.hi, r.lo);
    default: return sin_kernel(r.hi, r.lo);
  }
}

}  // namespace survey::platform

#if defined(_WIN32)
// The library's own calls of sin and cos (from every family) bind here rather than
// to the runtime's x87 versions.
extern "C" double sin(double x) { return survey::platform::sine(x); }
extern "C" double cos(double x) { return survey::platform::cosine(x); }
#endif
