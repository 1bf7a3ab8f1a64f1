// Number theory: primes against a sieve, divisors and fractions (including the
// arguments that would divide by zero or overflow), triples and progressions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(Primes, AgainstSieve) {
  constexpr int kN = 1000000;
  std::vector<bool> composite(kN + 1, false);
  composite[0] = composite[1] = true;
  for (int i = 2; i * i <= kN; ++i)
    if (!composite[i])
      for (int j = i * i; j <= kN; j += i) composite[j] = true;
  int largest = 0;
  for (int n = 0; n <= kN; ++n) {
    if (!composite[n]) largest = n;
    ASSERT_EQ(sosu(n), composite[n] ? 0 : 1) << n;
    if (n <= 100000 || n % 997 == 0) {
      ASSERT_EQ(sosu_max(n), largest) << n;
    }
  }
  struct Case {
    int32_t n;
    int16_t prime;
    int32_t largest;
  } cases[] = {
      {kMax, 1, kMax},  {kMax - 1, 0, 2147483629}, {49, 0, 47}, {97, 1, 97}, {100, 0, 97},
      {2, 1, 2},        {3, 1, 3},                  {1, 0, 0},  {0, 0, 0},   {-7, 0, 0},
      {kMin, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(sosu(c.n), c.prime);
    EXPECT_EQ(sosu_max(c.n), c.largest);
  }
}

TEST(Divisors, GcdAndLcm) {
  struct Case {
    int32_t a, b, gcd, lcm;
  } cases[] = {
      {12, 18, 6, 36},      {18, 12, 6, 36},   {4, 6, 2, 12},   {7, 7, 7, 7},   {1, kMax, 1, kMax},
      {-4, 6, 2, -12},      {-4, -6, -2, -12}, {5, 0, 0, 0},    {0, 5, 0, 0},   {0, 0, 0, 0},
      {-3, 0, -3, 0},       // the smaller argument is the one that must not be 0
      {kMin, -1, -1, kMin},  // 64-bit remainders and quotient: no trap, the quotient wraps
      {kMin, kMin, kMin, 0}, {65536, 65536, 65536, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << ", " << c.b);
    EXPECT_EQ(LGcm(c.a, c.b), c.gcd);
    EXPECT_EQ(LLcm(c.a, c.b), c.lcm);
  }
  std::mt19937 gen(24);
  std::uniform_int_distribution<int32_t> pick(1, 46340);  // products within 32 bits
  for (int i = 0; i < 100000; ++i) {
    const int32_t a = pick(gen), b = pick(gen);
    ASSERT_EQ(LGcm(a, b), std::gcd(a, b)) << a << ", " << b;
    ASSERT_EQ(LLcm(a, b), std::lcm(a, b)) << a << ", " << b;
  }
}

TEST(Fractions, ReduceCombineRecurring) {
  struct Case {
    const char* what;
    int32_t p, q, ep, eq;
  };
  std::vector<Case> cases;
  const auto reduce = [&](const char* what, int32_t a, int32_t b, int32_t ep, int32_t eq) {
    int32_t p = 99, q = 99;
    yakubun(a, b, &p, &q);
    cases.push_back({what, p, q, ep, eq});
  };
  const auto calc = [&](const char* what, int32_t a, int32_t b, const char* op, int32_t c, int32_t d, int32_t ep,
                        int32_t eq) {
    int32_t p = 99, q = 99;
    b_calc(a, b, op, c, d, &p, &q);
    cases.push_back({what, p, q, ep, eq});
  };
  const auto recurring = [&](const char* what, int32_t n, int32_t ep, int32_t eq) {
    int32_t p = 99, q = 99;
    jyunkan(n, &p, &q);
    cases.push_back({what, p, q, ep, eq});
  };
  reduce("6/8", 6, 8, 3, 4);
  reduce("0/4 stays unreduced", 0, 4, 0, 4);
  reduce("5/0 stays unreduced", 5, 0, 5, 0);
  reduce("min/-1", kMin, -1, kMin, 1);
  calc("1/2 + 1/3", 1, 2, "+", 1, 3, 5, 6);
  calc("1/2 - 1/3", 1, 2, "-", 1, 3, 1, 6);
  calc("1/2 - 1/2", 1, 2, "-", 1, 2, 0, 4);
  calc("2/3 * 3/4", 2, 3, "*", 3, 4, 1, 2);
  calc("1/2 / 1/4", 1, 2, "/", 1, 4, 2, 1);
  calc("1/2 / 0/4", 1, 2, "/", 0, 4, 4, 0);
  calc("other op", 7, 2, "%", 1, 3, 1, 1);
  calc("no op", 7, 2, nullptr, 1, 3, 1, 1);
  calc("0 other op", 0, 2, "x", 1, 3, 0, 0);
  calc("wrapping", 65536, 65536, "*", 65536, 1, 0, 65536);
  recurring("0.333...", 3, 1, 3);
  recurring("0.1212...", 12, 4, 33);
  recurring("-0.142857...", -142857, 1, -7);  // Euclid from the larger argument keeps its signs
  recurring("0", 0, 0, 9);
  recurring("ten digits", 1000000000, 1000000000, 1410065407);  // 10^10 wrapped, minus 1
  recurring("min", kMin, kMin, 1410065407);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.p, c.ep);
    EXPECT_EQ(c.q, c.eq);
  }
}

TEST(Triples, PythagorasModulo32Bits) {
  int32_t b = 0, c = 0;
  EXPECT_EQ(pythagoras_num(3, &b, &c), 5);
  EXPECT_EQ(b, 4);
  EXPECT_EQ(pythagoras_num(8, &b, &c), 17);
  EXPECT_EQ(b, 15);
  b = c = 77;
  EXPECT_EQ(pythagoras_num(2, &b, &c), 2);
  EXPECT_EQ(pythagoras_num(kMin, &b, &c), kMin);
  EXPECT_EQ(b, 77);
  EXPECT_EQ(c, 77);
  // n^2 + b^2 = c^2 holds exactly up to n = 92681 and modulo 2^32 everywhere.
  std::mt19937 gen(24);
  std::uniform_int_distribution<int32_t> pick(3, kMax);
  for (int i = 0; i < 200000; ++i) {
    const int32_t n = i < 1000 ? 3 + i : (i < 1010 ? kMax - (i - 1000) : pick(gen));
    ASSERT_EQ(pythagoras_num(n, &b, &c), c);
    const auto u = [](int32_t v) { return static_cast<uint32_t>(v); };
    ASSERT_EQ(u(n) * u(n) + u(b) * u(b), u(c) * u(c)) << n;
    ASSERT_EQ(c - b, n % 2 != 0 ? 1 : 2) << n;
    if (n <= 1000) {
      ASSERT_EQ(static_cast<int64_t>(n) * n + static_cast<int64_t>(b) * b, static_cast<int64_t>(c) * c);
    }
  }
}

TEST(Fibonacci, GoldenSectionAndBinet) {
  double x1 = 0, x2 = 0;
  golden_section(&x1, &x2);
  EXPECT_DOUBLE_EQ(x1, (1 + std::sqrt(5.0)) / 2);
  EXPECT_DOUBLE_EQ(x2, (1 - std::sqrt(5.0)) / 2);
  EXPECT_NEAR(x1 * x2, -1.0, 1e-15);
  // Exact against the recurrence up to n = 70 (F(70) = 190392490709135 < 2^53),
  // and for negative n, F(-n) = (-1)^(n+1) F(n), to n = -68 (measured: the first
  // wrong values are F(71) and F(-69)).
  int64_t a = 0, b = 1;
  for (int32_t n = 0; n <= 70; ++n) {
    ASSERT_EQ(fibonacci(n), static_cast<double>(a)) << n;
    if (n <= 68) {
      ASSERT_EQ(fibonacci(-n), static_cast<double>(n % 2 == 0 ? -a : a)) << -n;
    }
    const int64_t next = a + b;
    a = b;
    b = next;
  }
  EXPECT_EQ(fibonacci(10), 55.0);
  EXPECT_NEAR(fibonacci(90), 2880067194370816120.0, 2880067194370816120.0 * 1e-13);
}

TEST(Progressions, Sums) {
  struct Case {
    int16_t kind;
    double a, r;
    int16_t n;
    double expected;
  } cases[] = {
      {1, 1, 1, 10, 55},    {1, 3, -2, 4, 0},      {1, 2.5, 0, 4, 10}, {2, 1, 2, 10, 1023}, {2, 1, 1, 10, 0},
      {2, 3, 0.5, 3, 5.25}, {2, 1, -1, 5, 1},      {3, 1, 2, 10, 0},   {0, 1, 2, 10, 0},    {1, 1, 1, 0, 0},
      {2, 2, 3, 0, 0},      {1, 1, 1, 32767, 536854528.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.a << " " << c.r << " " << c.n);
    EXPECT_DOUBLE_EQ(Tprogres(c.kind, c.a, c.r, c.n), c.expected);
  }
}

}  // namespace
