// The double-only sine and cosine that the Windows library uses, against the C
// library's over the whole range that survey angles take.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

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
    for (int i = 0; i < 2'000'000; ++i) {
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
