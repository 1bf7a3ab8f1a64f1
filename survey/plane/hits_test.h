// Test-only: the root count and two points that the intersection and tangent
// functions write, preset to sentinels, and their comparison with a reference row.
#ifndef SURVEY_PLANE_HITS_TEST_H
#define SURVEY_PLANE_HITS_TEST_H

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace survey_test {

inline constexpr double kSentinel = -777.25;

struct Hits {
  int16_t n = 9;
  double x1 = kSentinel, y1 = kSentinel, x2 = kSentinel, y2 = kSentinel;
  // The two points sorted by x then y, as the references list them.
  void sort() {
    if (x2 < x1 || (x2 == x1 && y2 < y1)) {
      std::swap(x1, x2);
      std::swap(y1, y2);
    }
  }
};

// Compares with a reference row n, x1, y1, x2, y2 (points sorted); with n = 0 only
// the count.
inline void expect_hits(Hits h, const double* ref, double tol) {
  EXPECT_EQ(h.n, static_cast<int16_t>(ref[0]));
  if (h.n == 0) return;
  h.sort();
  EXPECT_NEAR(h.x1, ref[1], tol);
  EXPECT_NEAR(h.y1, ref[2], tol);
  EXPECT_NEAR(h.x2, ref[3], tol);
  EXPECT_NEAR(h.y2, ref[4], tol);
}

}  // namespace survey_test

#endif  // SURVEY_PLANE_HITS_TEST_H
