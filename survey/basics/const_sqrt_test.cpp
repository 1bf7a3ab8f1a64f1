// The constant-expression square root against the hardware's, bit for bit.
#include "const_sqrt.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

using survey::detail::const_sqrt;
using survey::detail::sqrt_digits;

static_assert(const_sqrt(4.0) == 2.0);
static_assert(const_sqrt(2.0) == 0x1.6a09e667f3bcdp+0);
static_assert(const_sqrt(0x1p-1074) == 0x1p-537);

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

TEST(ConstSqrt, SpecialValuesAsTheHardware) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  for (double v : {0.0, -0.0, inf, 1.0, 0x1p-1022, 0x1.fffffffffffffp+1023, 0x1.fffffffffffffp-1023,
                   0x1p-1074, 3.0, 597.305626, 2.0 * 299.152813 - 1.0})
    EXPECT_EQ(bits(sqrt_digits(v)), bits(std::sqrt(v))) << v;
  for (double v : {-1.0, -inf, std::numeric_limits<double>::quiet_NaN()})
    EXPECT_TRUE(std::isnan(sqrt_digits(v))) << v;
}

// Every positive finite bit pattern is equally likely: all exponents, subnormals
// included, and significands that round either way.
TEST(ConstSqrt, TenMillionPatternsAgreeBitForBit) {
  std::mt19937_64 gen(20261207);
  long differ = 0;
  for (int i = 0; i < 10'000'000; ++i) {
    const double v = std::bit_cast<double>(gen() % 0x7ff0000000000000ULL);
    if (bits(sqrt_digits(v)) != bits(std::sqrt(v)) && ++differ < 5) ADD_FAILURE() << std::hexfloat << v;
  }
  EXPECT_EQ(differ, 0);
}

}  // namespace
