// Internal: a square root that the compiler can evaluate in constant expressions
// with the same rounding as the hardware's (IEEE round to nearest even), so that
// compile-time constants built from square roots equal what the run-time
// functions give, with any C++20 compiler (std::sqrt is constexpr in GCC alone).
#ifndef SURVEY_BASICS_CONST_SQRT_HPP
#define SURVEY_BASICS_CONST_SQRT_HPP

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace survey::detail {

// Correctly rounded square root by the binary digit-by-digit method on the
// significand: 55 root bits, then round to nearest even with the remainder as
// sticky bit. Every intermediate fits in 64 bits.
constexpr double sqrt_digits(double v) {
  if (v != v || v < 0.0) return std::numeric_limits<double>::quiet_NaN();
  if (v == 0.0 || v == std::numeric_limits<double>::infinity()) return v;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
  int e = static_cast<int>(bits >> 52);
  if (e == 0) {  // subnormal: normalise
    e = 1;
    while ((m & (std::uint64_t{1} << 52)) == 0) {
      m <<= 1;
      --e;
    }
  } else {
    m |= std::uint64_t{1} << 52;
  }
  int k = e - 1023 - 52;  // v = m * 2^k
  if (k & 1) {
    m <<= 1;
    --k;
  }
  // root = floor(sqrt(m * 2^56)), taken two radicand bits at a time.
  std::uint64_t rem = 0, root = 0;
  for (int i = 54; i >= 0; --i) {
    const int shift = 2 * i - 56;
    const std::uint64_t pair = shift >= 0 ? (m >> shift) & 3 : 0;
    rem = (rem << 2) | pair;
    const std::uint64_t trial = (root << 2) | 1;
    root <<= 1;
    if (rem >= trial) {
      rem -= trial;
      root |= 1;
    }
  }
  std::uint64_t r = root >> 2;  // 53 bits
  const bool guard = (root >> 1) & 1;
  const bool sticky = (root & 1) != 0 || rem != 0;
  if (guard && (sticky || (r & 1))) ++r;
  int exponent = k / 2 + 26;  // result = r * 2^(exponent - 52)
  if (r == (std::uint64_t{1} << 53)) {
    r >>= 1;
    ++exponent;
  }
  return std::bit_cast<double>((static_cast<std::uint64_t>(exponent + 1023) << 52) |
                               (r & ((std::uint64_t{1} << 52) - 1)));
}

// std::sqrt at run time; the same bits at compile time.
constexpr double const_sqrt(double v) {
  if (std::is_constant_evaluated()) return sqrt_digits(v);
  return std::sqrt(v);
}

}  // namespace survey::detail

#endif  // SURVEY_BASICS_CONST_SQRT_HPP
