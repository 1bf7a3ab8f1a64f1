// The double-only transcendental functions that the Windows library uses, against
// the C library's over the whole range that survey arguments take.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "exp_log.hpp"
#include "trig.hpp"

namespace {

int64_t ulp_distance(double a, double b) {
  int64_t x, y;
  std::memcpy(&x, &a, 8);
  std::memcpy(&y, &b, 8);
  if (x < 0) x = INT64_MIN - x;
  if (y < 0) y = INT64_MIN - y;
  return x > y ? x - y : y - x;
}

TEST(Trig, WithinOneUlpOfTheCLibrary) {
  struct Range {
    double lo, hi;
  } ranges[] = {{-1e-8, 1e-8}, {-0.8, 0.8}, {-7.0, 7.0}, {-1000.0, 1000.0}, {-823548.0, 823548.0}};
  std::mt19937_64 g(12);
  int64_t worst = 0;
  for (const auto& r : ranges) {
    std::uniform_real_distribution<double> d(r.lo, r.hi);
    for (int i = 0; i < 500'000; ++i) {
      double x = d(g);
      worst = std::max({worst, ulp_distance(survey::platform::sine(x), std::sin(x)),
                        ulp_distance(survey::platform::cosine(x), std::cos(x))});
    }
  }
  EXPECT_LE(worst, 1);
}

TEST(Trig, NearMultiplesOfAQuarterTurnAndSpecialValues) {
  // Zeros of sine and cosine are where the x87 instructions fail; the results here
  // are tiny and must keep their relative accuracy.
  for (int k = -2000; k <= 2000; ++k) {
    double x = k * 1.5707963267948966;
    for (double y : {std::nextafter(x, -1e300), x, std::nextafter(x, 1e300)}) {
      EXPECT_LE(ulp_distance(survey::platform::sine(y), std::sin(y)), 1) << y;
      EXPECT_LE(ulp_distance(survey::platform::cosine(y), std::cos(y)), 1) << y;
    }
  }
  EXPECT_TRUE(std::isnan(survey::platform::sine(INFINITY)));
  EXPECT_TRUE(std::isnan(survey::platform::cosine(NAN)));
  EXPECT_TRUE(std::signbit(survey::platform::sine(-0.0)));
  EXPECT_EQ(survey::platform::cosine(0.0), 1.0);
}

}  // namespace

// The whole set that the Windows library takes from us, against the C library of
// this build: over a wide spread of arguments each, the share of results that agree
// bit for bit, and the largest difference. Where they differ, the correctly rounded
// result is ours (tools/libm_check.py checks that against mpmath); the C library
// here is within 1 ulp for the circular functions, exp, log and pow, within 2 for
// log10 and the hyperbolic functions.

namespace {

namespace sp = survey::platform;

double log_uniform(std::mt19937_64& g, double lo_exp, double hi_exp) {
  std::uniform_real_distribution<double> e(lo_exp, hi_exp);
  return std::exp2(e(g));
}

struct Family {
  const char* name;
  double (*ours)(double, double);
  double (*libc)(double, double);
  double (*draw)(std::mt19937_64&);
  double min_agreement;  // share of equal results
  int64_t max_ulp;
};

double span(std::mt19937_64& g, double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(g); }
double signed_wide(std::mt19937_64& g) {
  double v = log_uniform(g, -30, 60);
  return g() & 1 ? -v : v;
}

const Family kFamilies[] = {
    {"sin", [](double x, double) { return sp::sine(x); }, [](double x, double) { return std::sin(x); },
     [](std::mt19937_64& g) { return span(g, -1e5, 1e5); }, 0.997, 1},
    {"cos", [](double x, double) { return sp::cosine(x); }, [](double x, double) { return std::cos(x); },
     [](std::mt19937_64& g) { return span(g, -7, 7); }, 0.997, 1},
    {"cos, far out", [](double x, double) { return sp::cosine(x); }, [](double x, double) { return std::cos(x); },
     [](std::mt19937_64& g) { return std::copysign(log_uniform(g, 19, 49.9), span(g, -1, 1)); }, 0.997, 1},
    {"sincos", [](double x, double y) { double s, c; sp::sine_cosine(x, s, c); return y > 0 ? s : c; },
     [](double x, double y) { return y > 0 ? std::sin(x) : std::cos(x); },
     [](std::mt19937_64& g) { return span(g, -400, 400); }, 0.997, 1},
    {"tan", [](double x, double) { return sp::tangent(x); }, [](double x, double) { return std::tan(x); },
     [](std::mt19937_64& g) { return span(g, -100, 100); }, 0.995, 1},
    {"atan", [](double x, double) { return sp::arctangent(x); }, [](double x, double) { return std::atan(x); },
     signed_wide, 0.999, 1},
    {"atan2", [](double y, double x) { return sp::arctangent2(y, x); },
     [](double y, double x) { return std::atan2(y, x); }, [](std::mt19937_64& g) { return span(g, -1e4, 1e4); },
     0.998, 1},
    {"acos", [](double x, double) { return sp::arccosine(x); }, [](double x, double) { return std::acos(x); },
     [](std::mt19937_64& g) { return span(g, -1, 1); }, 0.998, 1},
    {"exp", [](double x, double) { return sp::exponential(x); }, [](double x, double) { return std::exp(x); },
     [](std::mt19937_64& g) { return span(g, -708, 709.7); }, 0.998, 1},
    {"log", [](double x, double) { return sp::logarithm(x); }, [](double x, double) { return std::log(x); },
     [](std::mt19937_64& g) { return log_uniform(g, -1070, 1023); }, 0.998, 1},
    {"log near 1", [](double x, double) { return sp::logarithm(x); }, [](double x, double) { return std::log(x); },
     [](std::mt19937_64& g) { return span(g, 0.7, 1.5); }, 0.997, 1},
    {"log10", [](double x, double) { return sp::logarithm10(x); }, [](double x, double) { return std::log10(x); },
     [](std::mt19937_64& g) { return log_uniform(g, -100, 100); }, 0.98, 2},
    {"pow", [](double x, double y) { return sp::power(x, y); }, [](double x, double y) { return std::pow(x, y); },
     [](std::mt19937_64& g) { return span(g, 0, 40); }, 0.998, 1},
    {"pow, negative base", [](double x, double y) { return sp::power(-x, std::round(y) - 20); },
     [](double x, double y) { return std::pow(-x, std::round(y) - 20); },
     [](std::mt19937_64& g) { return span(g, 0, 40); }, 0.998, 1},
    {"sinh", [](double x, double) { return sp::hyperbolic_sine(x); }, [](double x, double) { return std::sinh(x); },
     [](std::mt19937_64& g) { return span(g, -50, 50); }, 0.75, 2},
    {"cosh", [](double x, double) { return sp::hyperbolic_cosine(x); },
     [](double x, double) { return std::cosh(x); }, [](std::mt19937_64& g) { return span(g, -50, 50); }, 0.75, 2},
    {"tanh", [](double x, double) { return sp::hyperbolic_tangent(x); },
     [](double x, double) { return std::tanh(x); }, [](std::mt19937_64& g) { return span(g, -5, 5); }, 0.8, 2},
};

// With SURVEY_MATH_SAMPLE set, every argument where the two differ and every 100th
// other one go to that file ("family x y ours libc", hexadecimal) for the check
// against mpmath.
TEST(WindowsMath, AgreesWithTheCLibraryOverItsDomain) {
  std::mt19937_64 g(2024);
  const int n = 200'000;
  const char* sample_path = std::getenv("SURVEY_MATH_SAMPLE");
  std::FILE* sample = sample_path ? std::fopen(sample_path, "w") : nullptr;
  for (const Family& f : kFamilies) {
    int64_t worst = 0, equal = 0;
    double at_x = 0, at_y = 0;
    for (int i = 0; i < n; ++i) {
      double x = f.draw(g), y = f.draw(g);
      double ours = f.ours(x, y), libc = f.libc(x, y);
      int64_t d = ulp_distance(ours, libc);
      if (sample && (d != 0 || i % 100 == 0)) std::fprintf(sample, "%s|%a|%a|%a|%a\n", f.name, x, y, ours, libc);
      equal += d == 0;
      if (d > worst) worst = d, at_x = x, at_y = y;
    }
    double share = static_cast<double>(equal) / n;
    std::printf("%-20s %9.5f %% equal, largest difference %lld ulp\n", f.name, 100 * share,
                static_cast<long long>(worst));
    EXPECT_GE(share, f.min_agreement) << f.name;
    EXPECT_LE(worst, f.max_ulp) << f.name << " at " << at_x << ", " << at_y;
  }
  if (sample) std::fclose(sample);
}

// Zeros, infinities, NaN, the edges of overflow and underflow and exact cases: the
// C library follows the C standard's table of special values, so these must be
// equal bit for bit (both NaN counts as equal).
TEST(WindowsMath, SpecialValuesAsTheCLibrary) {
  const double inf = INFINITY, nan = NAN, tiny = 0x1p-1074, big = 0x1.fffffffffffffp+1023;
  const double one_args[] = {0.0,  -0.0, inf,  -inf, nan,     tiny,        -tiny,    0x1p-1022,
                             1.0,  -1.0, 0.5,  -0.5, 1e-300,  0x1p-28,     -0x1p-28, 1.5707963267948966,
                             22.0, 1e-10, 1000.0, 1e10, -1e15, 0x1.921fb54442d18p+40};
  const Family* unary[] = {&kFamilies[0], &kFamilies[1], &kFamilies[4], &kFamilies[5], &kFamilies[7],
                           &kFamilies[8], &kFamilies[9], &kFamilies[11], &kFamilies[14], &kFamilies[15],
                           &kFamilies[16]};
  // Bit for bit, down to the signs of zeros and of NaN.
  auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  for (const Family* f : unary)
    for (double x : one_args) EXPECT_TRUE(same(f->ours(x, 0), f->libc(x, 0))) << f->name << "(" << x << ")";
  // Overflow and underflow edges.
  const struct {
    double (*f)(double);
    double x, want;
  } edges[] = {{sp::exponential, 709.782712893384, 0x1.fffffffffff2ap+1023},
               {sp::exponential, 709.7827128933841, inf},
               {sp::exponential, -745.1332191019411, tiny},
               {sp::exponential, -745.1332191019412, 0.0},
               {sp::hyperbolic_cosine, 0x1.633ce8fb9f87dp+9, 0x1.ffffffffffd3bp+1023},
               {sp::hyperbolic_cosine, 0x1.633ce8fb9f87ep+9, inf},
               {sp::hyperbolic_sine, -0x1.633ce8fb9f87ep+9, -inf},
               {sp::logarithm, big, 0x1.62e42fefa39efp+9},
               {sp::logarithm, tiny, -0x1.74385446d71c3p+9}};
  for (const auto& e : edges) EXPECT_EQ(e.f(e.x), e.want) << e.x;
  const double two_args[] = {0.0, -0.0, inf, -inf, nan, 1.0, -1.0, 2.0, -2.0, 0.5, -0.5, 3.0, -3.0, 1e-310,
                             -1e-310, 1e300, -1e300, 1075.0, -1075.0, 0x1p53, 0x1p54 + 2, -0x1p53 - 1};
  for (double y : two_args)
    for (double x : two_args) {
      EXPECT_TRUE(same(sp::arctangent2(y, x), std::atan2(y, x))) << "atan2(" << y << ", " << x << ")";
      EXPECT_TRUE(same(sp::power(x, y), std::pow(x, y))) << "pow(" << x << ", " << y << ")";
    }
  // modf, whose MinGW version loses the sign of a zero fraction.
  for (double x : {-3.0, 3.0, -0.0, 0.0, -2.5, 2.5, -1e300, 1e-300, -0x1p52 - 0.5, inf, -inf, nan, -tiny}) {
    double w1 = 0, w2 = 0;
    double f1 = sp::fraction(x, &w1), f2 = std::modf(x, &w2);
    EXPECT_TRUE(same(f1, f2) && same(w1, w2)) << "modf(" << x << ")";
  }
  // Exact powers and logarithms stay exact.
  for (int k = -22; k <= 22; ++k) {
    EXPECT_EQ(sp::power(10.0, k), std::pow(10.0, k)) << k;
    EXPECT_EQ(sp::logarithm10(std::pow(10.0, k)), k) << k;
    EXPECT_EQ(sp::power(2.0, 50 * k), std::ldexp(1.0, 50 * k)) << k;
  }
}

}  // namespace
