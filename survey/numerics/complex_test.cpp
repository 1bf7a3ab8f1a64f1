#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <random>

#include "survey/survey.h"

namespace {

using cd = std::complex<double>;
constexpr double kPi = 3.141592653589793;

cd from(const survey_complex& z) { return {z.re, z.im}; }
// Address of a record that lives to the end of the full expression.
const survey_complex* lit(const survey_complex& z) { return &z; }
bool same_bits(const survey_complex& a, const survey_complex& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

using Unary = survey_complex* (*)(survey_complex*, const survey_complex*);
using Binary = survey_complex* (*)(survey_complex*, const survey_complex*, const survey_complex*);

struct UnaryCase {
  const char* name;
  Unary f;
  cd (*ref)(cd);
};
const UnaryCase kUnary[] = {
    {"c_onj", c_onj, [](cd z) { return std::conj(z); }},
    {"c_gy", c_gy, [](cd z) { return 1.0 / z; }},
    {"c_sqrt", c_sqrt, [](cd z) { return std::sqrt(z); }},
    {"c_exp", c_exp, [](cd z) { return std::exp(z); }},
    {"c_ln", c_ln, [](cd z) { return std::log(z); }},
    {"c_log10", c_log10, [](cd z) { return std::log10(z); }},
    {"c_log2", c_log2, [](cd z) { return std::log(z) / std::log(2.0); }},
    {"c_sin", c_sin, [](cd z) { return std::sin(z); }},
    {"c_cos", c_cos, [](cd z) { return std::cos(z); }},
    {"c_tan", c_tan, [](cd z) { return std::tan(z); }},
    {"c_asin", c_asin, [](cd z) { return std::asin(z); }},
    {"c_acos", c_acos, [](cd z) { return std::acos(z); }},
    {"c_atan", c_atan, [](cd z) { return std::atan(z); }},
};

struct BinaryCase {
  const char* name;
  Binary f;
  cd (*ref)(cd, cd);
};
const BinaryCase kBinary[] = {
    {"c_add", c_add, [](cd a, cd b) { return a + b; }},
    {"c_sub", c_sub, [](cd a, cd b) { return a - b; }},
    {"c_mul", c_mul, [](cd a, cd b) { return a * b; }},
    {"c_div", c_div, [](cd a, cd b) { return a / b; }},
};

double rel(cd got, cd ref) { return std::abs(got - ref) / std::abs(ref); }

TEST(Complex, AgainstStdComplexOffTheCuts) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> u(-5.0, 5.0), k(-3.0, 3.0);
  double worst = 0.0;
  const char* worst_name = "";
  auto note = [&](const char* name, double e) {
    if (e > worst) worst = e, worst_name = name;
  };
  for (int i = 0; i < 20000; ++i) {
    const survey_complex z{u(rng), u(rng)}, w{u(rng), u(rng)};
    survey_complex r;
    for (const auto& c : kUnary) note(c.name, rel(from(*c.f(&r, &z)), c.ref(from(z))));
    for (const auto& c : kBinary) note(c.name, rel(from(*c.f(&r, &z, &w)), c.ref(from(z), from(w))));
    const double kk = k(rng);
    note("c_pow", rel(from(*c_pow(&r, &z, kk)), std::pow(from(z), kk)));
    note("c_scale", rel(from(*c_scale(&r, &z, kk)), kk * from(z)));
    note("c_abs", std::fabs(c_abs(&z) - std::abs(from(z))) / std::abs(from(z)));
    note("c_arg", std::fabs(c_arg(&z) - std::arg(from(z))) / std::fabs(std::arg(from(z))));
    const double rr = std::fabs(u(rng)), t = 2 * u(rng);
    note("p2g", rel(from(*p2g(&r, rr, t)), std::polar(rr, t)));
    const survey_complex poly[] = {z, w, {1.5, -0.25}, {-2, 0}};
    note("c_takou", rel(from(*c_takou(&r, 3, poly, &w)), ((from(z) * from(w) + from(w)) * from(w) + cd(1.5, -0.25)) *
                                                              from(w) + cd(-2, 0)));
  }
  EXPECT_LT(worst, 1e-13) << worst_name;
  RecordProperty("worst", testing::PrintToString(worst) + " " + worst_name);
}

TEST(Complex, TrigonometryReducesWholeTurns) {
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> re(-200.0, 200.0), im(-2.0, 2.0);
  for (int i = 0; i < 20000; ++i) {
    const survey_complex z{re(rng), im(rng)};
    survey_complex s, c;
    const double scale = std::cosh(z.im);  // size of sin and cos at this height
    EXPECT_LT(std::abs(from(*c_sin(&s, &z)) - std::sin(from(z))) / scale, 1e-13) << z.re << " " << z.im;
    EXPECT_LT(std::abs(from(*c_cos(&c, &z)) - std::cos(from(z))) / scale, 1e-13) << z.re << " " << z.im;
  }
  // Far beyond 2^31 turns the reduction still works in double.
  survey_complex big{1e12, 0.0}, r;
  EXPECT_NEAR(c_sin(&r, &big)->re, std::sin(1e12), 1e-3);
}

TEST(Complex, EdgeValues) {
  struct Case {
    const char* name;
    survey_complex got, expected;
    double tol;
  };
  survey_complex r;
  const survey_complex i{0, 1}, one{1, 0}, minus_one{-1, 0}, zero{0, 0}, two_i{0, 2};
  const Case cases[] = {
      {"i*i", *c_mul(&r, &i, &i), {-1, 0}, 0},
      {"1/i", *c_div(&r, &one, &i), {0, -1}, 0},
      {"gy 2i", *c_gy(&r, &two_i), {0, -0.5}, 0},
      {"sqrt -4", *c_sqrt(&r, lit({-4, 0})), {0, 2}, 1e-15},
      {"d_sqrt -4", *d_sqrt(&r, -4), {0, 2}, 0},
      {"d_sqrt 9", *d_sqrt(&r, 9), {3, 0}, 0},
      {"exp i pi", *c_exp(&r, lit({0, kPi})), {-1, 0}, 1e-15},
      {"ln -1", *c_ln(&r, &minus_one), {0, kPi}, 0},
      {"log10 -100", *c_log10(&r, lit({-100, 0})), {2, kPi * 0.4342944819032518}, 1e-15},
      {"sin pi/2", *c_sin(&r, lit({kPi / 2, 0})), {1, 0}, 0},
      {"sin pi/2+4pi", *c_sin(&r, lit({kPi / 2 + 4 * kPi, 0})), {1, 0}, 1e-15},
      {"tan 0", *c_tan(&r, &zero), {0, 0}, 0},
      {"asin 0.5", *c_asin(&r, lit({0.5, 0})), {kPi / 6, 0}, 1e-15},
      {"atan 1", *c_atan(&r, &one), {kPi / 4, 0}, 1e-15},
      {"p2g", *p2g(&r, 2, kPi / 2), {0, 2}, 1e-15},
      {"pow i^2", *c_pow(&r, &i, 2.0), {-1, 0}, 1e-15},
      {"scale", *c_scale(&r, lit({1, -2}), -3), {-3, 6}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(c.got.re, c.expected.re, c.tol);
    EXPECT_NEAR(c.got.im, c.expected.im, c.tol);
  }
  const survey_complex poly[] = {{1, 0}, {0, 0}, {1, 0}};  // z^2 + 1 at i
  EXPECT_TRUE(same_bits(*c_takou(&r, 2, poly, &i), zero));
  EXPECT_TRUE(same_bits(*c_takou(&r, 0, poly, &i), one));
  EXPECT_EQ(c_arg(&zero), 0.0);
  EXPECT_EQ(c_arg(&minus_one), kPi);
  EXPECT_EQ(c_arg(lit({-1, -0.0})), -kPi);  // the sign of zero decides
  EXPECT_EQ(c_abs(lit({3, -4})), 5.0);
  EXPECT_EQ(c_real(lit({3, -4})), 3.0);
  EXPECT_EQ(c_imaginary(lit({3, -4})), -4.0);
  EXPECT_EQ(c_eq(&one, c_mul(&r, &i, c_onj(&r, &i))), 1);
  // The logarithm scales are log10(e) and log2(e) to the last bit.
  c_ln(&r, lit({std::exp(1.0), 0}));
  EXPECT_EQ(c_log10(&r, lit({-7, 3}))->re, c_ln(&r, lit({-7, 3}))->re * 0.4342944819032518);
  EXPECT_EQ(c_log2(&r, lit({-7, 3}))->im, c_arg(lit({-7, 3})) * 1.4426950408889634);
  // No guard against zero: infinities or NaN, never a crash.
  EXPECT_FALSE(std::isfinite(c_div(&r, &one, &zero)->re));
  EXPECT_FALSE(std::isfinite(c_gy(&r, &zero)->re));
  EXPECT_EQ(c_ln(&r, &zero)->re, -INFINITY);
}

TEST(Complex, InverseSineAndCosineFarFromTheOrigin) {
  // i z + w (sine) and z + i w (cosine) cancel on one side of the plane; the other
  // root of their quadratic, whose product with them is 1, keeps the digits.
  double worst = 0.0;
  for (double m : {10.0, 1e3, 1e8, 1e15, 1e50}) {
    for (double t = -3.1; t < 3.2; t += 0.25) {  // off the axes
      const survey_complex z{m * std::cos(t), m * std::sin(t)};
      survey_complex r;
      worst = std::fmax(worst, rel(from(*c_asin(&r, &z)), std::asin(from(z))));
      worst = std::fmax(worst, rel(from(*c_acos(&r, &z)), std::acos(from(z))));
    }
    for (const survey_complex z : {survey_complex{m, 0.0}, {-m, 0.0}, {m, -0.0}, {-m, -0.0}, {0.0, m}, {0.0, -m}}) {
      SCOPED_TRACE(testing::Message() << z.re << " " << z.im);
      survey_complex r;
      c_asin(&r, &z);
      EXPECT_NEAR(std::fabs(r.re), std::fabs(std::asin(from(z)).real()), 1e-15);
      EXPECT_NEAR(std::fabs(r.im), std::fabs(std::asin(from(z)).imag()), 4e-16 * std::fabs(r.im));
      c_acos(&r, &z);
      EXPECT_NEAR(r.re, std::acos(from(z)).real(), 1e-15);
      EXPECT_NEAR(std::fabs(r.im), std::fabs(std::acos(from(z)).imag()), 4e-16 * std::fabs(r.im));
    }
  }
  EXPECT_LT(worst, 1e-15);
}

TEST(Complex, RoundTripsOnTheBranchCuts) {
  for (double x : {-50.0, -3.0, -1.5, -1.0, 1.0, 1.25, 4.0, 1e3}) {
    for (double zero : {0.0, -0.0}) {
      SCOPED_TRACE(testing::Message() << x << " " << zero);
      const survey_complex on_real{x, zero}, on_imag{zero, x};
      survey_complex a, b;
      const double tol = 1e-14 * std::fabs(x);
      c_sin(&b, c_asin(&a, &on_real));
      EXPECT_NEAR(b.re, x, tol);
      EXPECT_NEAR(b.im, 0.0, tol);
      c_cos(&b, c_acos(&a, &on_real));
      EXPECT_NEAR(b.re, x, tol);
      EXPECT_NEAR(b.im, 0.0, tol);
      if (std::fabs(x) != 1.0) {  // atan has its poles at +-i; tan is steep there
        c_tan(&b, c_atan(&a, &on_imag));
        EXPECT_NEAR(b.re, 0.0, 1e-15 * (1 + x * x));
        EXPECT_NEAR(b.im, x, 1e-15 * (1 + x * x));
      }
      c_exp(&b, c_ln(&a, &on_real));
      EXPECT_NEAR(b.re, x, tol);
      EXPECT_NEAR(b.im, 0.0, tol);
      c_mul(&b, c_sqrt(&a, &on_real), &a);
      EXPECT_NEAR(b.re, x, tol);
      EXPECT_NEAR(b.im, 0.0, tol);
    }
  }
}

TEST(Complex, ResultMayBeAnOperand) {
  const survey_complex z0{0.75, -1.25}, w0{-2.5, 0.5};
  for (const auto& c : kUnary) {
    SCOPED_TRACE(c.name);
    survey_complex z = z0, r;
    c.f(&r, &z0);
    EXPECT_EQ(c.f(&z, &z), &z);
    EXPECT_TRUE(same_bits(z, r));
  }
  for (const auto& c : kBinary) {
    SCOPED_TRACE(c.name);
    survey_complex r, z = z0, a = z0, b = w0;
    c.f(&r, &z0, &z0);
    c.f(&z, &z, &z);
    EXPECT_TRUE(same_bits(z, r));
    c.f(&r, &z0, &w0);
    c.f(&a, &a, &b);
    EXPECT_TRUE(same_bits(a, r));
    a = z0;
    c.f(&b, &a, &b);
    EXPECT_TRUE(same_bits(b, r));
  }
  survey_complex r, z = z0;
  c_pow(&r, &z0, 2.5);
  c_pow(&z, &z, 2.5);
  EXPECT_TRUE(same_bits(z, r));
  const survey_complex poly[] = {{1, 1}, {0, 2}, {-3, 0}};
  z = z0;
  c_takou(&r, 2, poly, &z0);
  c_takou(&z, 2, poly, &z);
  EXPECT_TRUE(same_bits(z, r));
}

TEST(Complex, DecoratedNamesBindToTheByValueForms) {
  using ByValue = survey_complex*(SURVEY_CALL*)(survey_complex*, double, double, double, double);
  struct Case {
    const char* name;
    ByValue plain;
    Binary by_pointer;
  } cases[] = {{"_c_addc@32", c_addc, c_add},
               {"_c_subc@32", c_subc, c_sub},
               {"_c_mulc@32", c_mulc, c_mul},
               {"_c_divc@32", c_divc, c_div}};
  const survey_complex a{1.25, -3.5}, b{-0.375, 2.0};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bound = reinterpret_cast<ByValue>(survey_bind(c.name));
    ASSERT_NE(bound, nullptr);
    survey_complex r1, r2, r3;
    EXPECT_EQ(bound(&r1, a.re, a.im, b.re, b.im), &r1);
    c.plain(&r2, a.re, a.im, b.re, b.im);
    c.by_pointer(&r3, &a, &b);
    EXPECT_TRUE(same_bits(r1, r2));
    EXPECT_TRUE(same_bits(r1, r3));
  }
}

}  // namespace
