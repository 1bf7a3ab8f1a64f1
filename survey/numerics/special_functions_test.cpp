#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "survey/survey.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Largest error of f against ref over n evenly spaced points of (lo, hi), relative
// to max(|ref|, floor).
template <class F, class R>
double max_error(F f, R ref, double lo, double hi, int n, double floor, double* where) {
  double worst = 0.0;
  for (int i = 1; i < n; ++i) {
    const double x = lo + (hi - lo) * i / n;
    const double r = ref(x);
    const double e = std::fabs(f(x) - r) / std::fmax(std::fabs(r), floor);
    if (e > worst) {
      worst = e;
      *where = x;
    }
  }
  return worst;
}

TEST(Approximations, WithinTheirPublishedBounds) {
  double at = 0;
  // Absolute bound of the error-function approximation.
  double e = max_error(errf, [](double x) { return std::erf(x); }, 0.0, 10.0, 200000, 1.0, &at);
  EXPECT_LT(e, 3e-7) << at;
  EXPECT_GT(e, 1e-7);  // the approximation, not the library's erf
  // Relative bound of gamma over its whole range.
  e = max_error(survey_gammaf, [](double x) { return std::tgamma(x); }, 0.0, 34.0, 200000, 0.0, &at);
  EXPECT_LT(e, 3e-7) << at;
  e = max_error([](double b) { return betaf(0.7, b); }, [](double b) { return std::beta(0.7, b); }, 0.0, 33.0,
                50000, 0.0, &at);
  EXPECT_LT(e, 1e-6) << at;
  e = max_error([](double a) { return betaf(a, 12.25); }, [](double a) { return std::beta(a, 12.25); }, 0.0, 21.5,
                50000, 0.0, &at);
  EXPECT_LT(e, 1e-6) << at;
}

TEST(Approximations, GuardsAndExactValues) {
  struct Case {
    double (*f)(double);
    double x, expected;
  } cases[] = {{errf, 0.0, 0.0},          {errf, -1.0, 0.0} /* not -erf(1) */, {errf, 10.0, 1.0},
               {errf, 1e300, 1.0},        {survey_gammaf, 0.0, 0.0},          {survey_gammaf, -2.5, 0.0},
               {survey_gammaf, 34.0, 0.0}, {survey_gammaf, 40.0, 0.0}};
  for (const auto& c : cases) EXPECT_EQ(c.f(c.x), c.expected) << c.x;
  EXPECT_NEAR(errf(1.0), 0.8427007929497149, 3e-7);
  EXPECT_NEAR(survey_gammaf(0.5), 1.7724538509055159, 1e-6);
  // The polynomial sums to exactly 1 at x = 1: integers give the factorial exactly.
  double factorial = 1.0;
  for (int n = 1; n <= 23; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(survey_gammaf(n), factorial);
    factorial *= n;
  }
  EXPECT_EQ(survey_gammaf(23.0), 1124000727777607680000.0);
  // Beta: guard at a + b = 0, and gamma's zero from 34 on shows through.
  EXPECT_EQ(betaf(1.5, -1.5), 0.0);
  EXPECT_NEAR(betaf(2.0, 3.0), 1.0 / 12.0, 1e-7);
  EXPECT_EQ(betaf(20.0, 15.0), kInf);
  EXPECT_TRUE(std::isnan(betaf(34.0, 1.0)));
  EXPECT_TRUE(std::isnan(errf(kNaN)));
}

TEST(Approximations, GammaBindsUnderItsOwnNameOnly) {
  using Fn = double(SURVEY_CALL*)(double);
  auto bound = reinterpret_cast<Fn>(survey_bind("gammaf"));
  ASSERT_NE(bound, nullptr);
  EXPECT_EQ(bound(4.5), survey_gammaf(4.5));
  // The C library's log-gamma of that name stays in place.
  void* libm_gammaf = dlsym(RTLD_DEFAULT, "gammaf");
  EXPECT_NE(libm_gammaf, reinterpret_cast<void*>(bound));
}

TEST(Counting, FactorialsAndCoefficients) {
  struct Case {
    int16_t n;
    double expected;
  } double_factorials[] = {{-3, 1.0}, {0, 1.0}, {1, 1.0}, {2, 2.0}, {3, 3.0}, {5, 15.0}, {6, 48.0}, {10, 3840.0}};
  for (const auto& c : double_factorials) EXPECT_EQ(kaijo2(c.n), c.expected) << c.n;

  const int16_t k1[] = {2, 1, 0, 1}, k2[] = {3, 3}, k3[] = {0, 0}, k4[] = {5};
  EXPECT_EQ(takou_keisu(4, k1), 12.0);
  EXPECT_EQ(takou_keisu(2, k2), 20.0);
  EXPECT_EQ(takou_keisu(2, k3), 1.0);
  EXPECT_EQ(takou_keisu(1, k4), 1.0);
  EXPECT_EQ(takou_keisu(0, nullptr), 1.0);

  struct Binomial {
    int16_t n, k;
    double expected, tol;
  } binomials[] = {{5, 2, 10.0, 1e-12},   {5, 6, 0.0, 0.0},  {5, -1, 0.0, 0.0},  {5, 5, 1.0, 0.0},
                   {5, 0, 1.0, 0.0},      {0, 0, 1.0, 0.0},  {-3, -3, 0.0, 0.0} /* k < 0 first */, {52, 5, 2598960.0, 1e-12},
                   {100, 50, 1.0089134454556419e29, 1e-11}};
  for (const auto& c : binomials) {
    SCOPED_TRACE(testing::Message() << c.n << " " << c.k);
    const double got = Nikou_Keisu(c.n, c.k);
    if (c.tol == 0.0) {
      EXPECT_EQ(got, c.expected);
    } else {
      EXPECT_NEAR(got / c.expected, 1.0, c.tol);
    }
  }
}

TEST(Counting, Combine) {
  struct Case {
    int16_t n, r;
    double out[5];
  } cases[] = {
      {5, 2, {20, 10, 5, 25, 10}},
      {2, 1, {2, 2, 0, 2, 2}},  // necklaces only from n = 3
      {4, 4, {24, 6, 3, 256, 1}},
      {5, 0, {1, kInf, kInf, 1, 1}},  // circular permutations of nothing divide by zero
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << " " << c.r);
    double out[5] = {-1, -1, -1, -1, -1};
    combine(c.n, c.r, out);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(out[i], c.out[i]) << i;
  }
  for (auto [n, r] : {std::pair<int16_t, int16_t>{3, 4}, {-1, 0}, {3, -1}}) {
    double out[5] = {-1, -1, -1, -1, -1};
    combine(n, r, out);
    for (double v : out) EXPECT_EQ(v, -1.0) << n << " " << r;
  }
}

TEST(Hyperbolic, AgainstTheStandardLibrary) {
  // Logarithmically spaced magnitudes; tolerances relative to max(|f|, 1).
  struct Case {
    const char* name;
    double (*f)(double);
    double (*ref)(double);
    double lo, hi, sign, shift, tol;
  } cases[] = {
      {"arcsinH+", arcsinH, [](double x) { return std::asinh(x); }, 1e-12, 1e150, 1, 0, 4e-16},
      {"arcsinH-", arcsinH, [](double x) { return std::asinh(x); }, 1e-12, 1e150, -1, 0, 4e-16},
      {"arccosH", arccosH, [](double x) { return std::acosh(x); }, 1e-2, 1e150, 1, 1, 4e-15},
      {"arctanH+", arctanH, [](double x) { return std::atanh(x); }, 1e-12, 0.999, 1, 0, 4e-16},
      {"arctanH-", arctanH, [](double x) { return std::atanh(x); }, 1e-12, 0.999, -1, 0, 4e-16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    double worst = 0.0, at = 0.0;
    const int n = 100000;
    for (int i = 0; i <= n; ++i) {
      const double x = c.sign * (c.shift + c.lo * std::pow(c.hi / c.lo, static_cast<double>(i) / n));
      const double r = c.ref(x);
      const double e = std::fabs(c.f(x) - r) / std::fmax(std::fabs(r), 1.0);
      if (e > worst) worst = e, at = x;
    }
    EXPECT_LT(worst, c.tol) << at;
  }
}

TEST(Hyperbolic, NegativeSineArgumentsKeepTheirDigits) {
  // ln(sqrt(x^2 + 1) + x) cancels for negative x; the function is odd.
  for (double x : {-1e-300, -1e-8, -0.5, -10.0, -1e4, -1e8, -1e9, -1e15, -1e150}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(arcsinH(x), -arcsinH(-x));
    EXPECT_NEAR(arcsinH(x), std::asinh(x), 4e-16 * std::fmax(1.0, std::fabs(x)));
  }
  EXPECT_NEAR(arcsinH(-1e9), -21.416413017506358, 1e-14);
  EXPECT_EQ(arcsinH(0.0), 0.0);
  EXPECT_EQ(arcsinH(kNaN), 0.0);
  EXPECT_EQ(arcsinH(1e160), kInf);  // x^2 overflows
}

TEST(Hyperbolic, Guards) {
  struct Case {
    double (*f)(double);
    double x, expected;
  } cases[] = {
      {arccosH, 0.5, 0.0},   {arccosH, -2.0, 0.0}, {arccosH, 1.0, 0.0},  {arccosH, kNaN, 0.0}, {arctanH, 1.0, 0.0},
      {arctanH, -1.0, 0.0},  {arctanH, 2.0, 0.0},  {arctanH, -3.0, 0.0}, {arctanH, 0.0, 0.0},  {gudermann, 0.0, 0.0},
      {arc_gudermann, 0.0, 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.f(c.x), c.expected) << c.x;
  for (double x : {-3.0, -0.5, 0.25, 1.0, 2.5}) {
    SCOPED_TRACE(x);
    EXPECT_NEAR(gudermann(x), 2.0 * std::atan(std::tanh(x / 2.0)), 1e-15);
    EXPECT_NEAR(arc_gudermann(gudermann(x)), x, 1e-13);
  }
}

TEST(RootsAndLogs, CubeRoot) {
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> exponent(-300.0, 306.5), mantissa(1.0, 10.0);
  double worst = 0.0;
  for (int i = 0; i < 200000; ++i) {
    const double x = (i % 2 ? -1 : 1) * mantissa(rng) * std::pow(10.0, exponent(rng));
    const double r = std::cbrt(x);
    worst = std::fmax(worst, std::fabs(Cbrt(x) - r) / std::fabs(r));
  }
  EXPECT_LT(worst, 1e-15);
  EXPECT_EQ(Cbrt(0.0), 0.0);
  EXPECT_EQ(Cbrt(27.0), 3.0);
  EXPECT_EQ(Cbrt(-8.0), -2.0);
  EXPECT_EQ(Cbrt(1e308), kInf);  // 3x overflows
}

TEST(RootsAndLogs, LogarithmsPowersAndRoots) {
  struct Case {
    const char* name;
    double got, expected, tol;
  } cases[] = {
      {"floge e", floge(2.718281828459045), 1.0, 0}, {"floge 0", floge(0.0), 0.0, 0},
      {"floge -1", floge(-1.0), 0.0, 0},             {"flog10 1000", flog10(1000.0), 3.0, 0},
      {"flog10 -5", flog10(-5.0), 0.0, 0},           {"flog 3 81", flog(3.0, 81.0), 4.0, 1e-15},
      {"flog 0 5", flog(0.0, 5.0), 0.0, 0},          {"flog 5 0", flog(5.0, 0.0), 0.0, 0},
      {"flog2 1024", flog2(1024.0), 10.0, 0},        {"log2 e", flog2(epow(1.0)), 1.4426950408889634, 0},
      {"epow", epow(2.0), std::exp(2.0), 0},         {"log10 e", flog10(epow(1.0)), 0.4342944819032518, 0},
      {"fpow", fpow(2.0, 0.5), std::sqrt(2.0), 0},   {"sqrt_pi", sqrt_pi(4.0), 2.0 * std::sqrt(3.141592653589793), 1e-15},
      {"c14 half", c14(0.5), 5600.0, 0},             {"c14 quarter", c14(0.25), 11200.0, 0},
      {"c14 1", c14(1.0), 0.0, 0},                   {"c14 0", c14(0.0), 0.0, 0},
      {"c14 1.5", c14(1.5), 0.0, 0},                 {"c14 -0.1", c14(-0.1), 0.0, 0},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.expected, c.tol) << c.name;
  struct Op {
    double a, b;
    const char* op;
    double expected;
  } ops[] = {{9, 16, "+", 5},  {25, 9, "-", 4},  {9, 25, "-", 0}, {4, 9, "*", 6},   {18, 2, "/", 3},
             {18, 0, "/", 0},  {4, 5, "%", 0},   {4, 5, "", 0},   {9, 16, "+x", 5}, {4, 5, nullptr, 0}};
  for (const auto& o : ops) EXPECT_EQ(sqrt_xy(o.a, o.b, o.op), o.expected) << o.a << (o.op ? o.op : "null") << o.b;
}

}  // namespace
