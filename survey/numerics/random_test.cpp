// Random numbers: the draws are the process's rand() sequence, n_rnd never takes
// the logarithm of 0, and the distributions have their moments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kStep = 3.051850947599719e-5;  // 1 / 32767

int draw15() { return static_cast<int>(static_cast<unsigned>(std::rand()) / ((RAND_MAX + 1u) / 32768u)); }

TEST(Random, SameSequenceAsRandAfterSrand) {
  if (RAND_MAX == 2147483647) {
    EXPECT_EQ((RAND_MAX + 1u) / 32768u, 65536u);  // glibc: rand() >> 16
  }
  for (unsigned seed : {1u, 2u, 12345u, 4294967295u}) {
    SCOPED_TRACE(seed);
    std::srand(seed);
    std::vector<double> got;
    for (int i = 0; i < 1000; ++i) got.push_back(rnd());
    std::srand(seed);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(got[i], draw15() * kStep) << i;
  }
  // Library draws and the caller's own rand() calls take turns on one state.
  std::srand(7);
  const double first = rnd();
  const int second = draw15();
  std::srand(7);
  EXPECT_EQ(draw15() * kStep, first);
  EXPECT_EQ(rnd(), second * kStep);
  EXPECT_LE(32767 * kStep, 1.0);
}

TEST(Random, NormalDrawSkipsZero) {
  // A seed whose first 15-bit draw is 0 (about one seed in 32768).
  unsigned seed = 1;
  for (;; ++seed) {
    std::srand(seed);
    if (draw15() == 0) break;
    ASSERT_LT(seed, 10000000u);
  }
  std::srand(seed);
  draw15();
  double u1 = draw15() * kStep;
  while (u1 == 0.0) u1 = draw15() * kStep;
  const double u2 = draw15() * kStep;
  const double expected = 10.0 + 2.0 * std::sin(2.0 * 3.141592653589793 * u2) * std::sqrt(-2.0 * std::log(u1));
  std::srand(seed);
  const double got = n_rnd(10.0, 2.0);
  EXPECT_TRUE(std::isfinite(got)) << "seed " << seed;
  EXPECT_EQ(got, expected) << "seed " << seed;
}

TEST(Random, MomentsWithinFourSigma) {
  constexpr int kN = 100000;
  std::srand(2024);
  struct Moments {
    double sum = 0, sum2 = 0;
    void add(double v) {
      sum += v;
      sum2 += v * v;
    }
    double mean() const { return sum / kN; }
    double var() const { return sum2 / kN - mean() * mean(); }
  } u, g, p;
  double lo = 1.0, hi = 0.0;
  for (int i = 0; i < kN; ++i) {
    const double v = rnd();
    lo = std::min(lo, v);
    hi = std::max(hi, v);
    u.add(v);
    g.add(n_rnd(5.0, 3.0));
    p.add(p_rnd(3.0));
  }
  EXPECT_GE(lo, 0.0);
  EXPECT_LE(hi, 1.0);
  const double n = kN;
  // Uniform: mean 1/2, variance 1/12 (its own variance 1/180).
  EXPECT_NEAR(u.mean(), 0.5, 4 * std::sqrt(1.0 / 12 / n));
  EXPECT_NEAR(u.var(), 1.0 / 12, 4 * std::sqrt(1.0 / 180 / n));
  // Normal N(5, 3^2): sample variance has variance 2 sigma^4 / n.
  EXPECT_NEAR(g.mean(), 5.0, 4 * 3.0 / std::sqrt(n));
  EXPECT_NEAR(g.var(), 9.0, 4 * std::sqrt(2 * 81.0 / n));
  // Poisson(3): mean 3, variance 3 (variance of the sample variance l + 2 l^2).
  EXPECT_NEAR(p.mean(), 3.0, 4 * std::sqrt(3.0 / n));
  EXPECT_NEAR(p.var(), 3.0, 4 * std::sqrt((3.0 + 2 * 9.0) / n));
}

TEST(Random, PoissonOutsideItsRange) {
  for (double lambda : {0.0, -1.0, 10.0, 11.5, HUGE_VAL, -HUGE_VAL}) EXPECT_EQ(p_rnd(lambda), 0) << lambda;
  EXPECT_EQ(p_rnd(std::nan("")), 0);
  std::srand(3);
  for (int i = 0; i < 1000; ++i) {
    const int32_t k = p_rnd(9.99);
    ASSERT_GE(k, 0);
    ASSERT_LT(k, 60);
  }
}

}  // namespace
