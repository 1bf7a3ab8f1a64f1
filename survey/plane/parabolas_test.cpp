// Parabolas: vertex, line intersections and tangents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "hits_test.h"
#include "survey/survey.h"

namespace {

#include "conics_reference_test.inc"

using survey_test::expect_hits;
using survey_test::Hits;
using survey_test::kSentinel;

TEST(Apex2, Vertex) {
  double x = kSentinel, y = kSentinel;
  apex2(2, -8, 3, &x, &y);
  EXPECT_EQ(x, 2.0);
  EXPECT_EQ(y, -5.0);
}

// Points within 1e-12 of the exact ones; tangents from P pass through P.
TEST(HoubutuSen, MatchesExactReference) {
  for (const auto& t : kParabolaLine) {
    SCOPED_TRACE(testing::Message() << t[3] << " " << t[4] << " " << t[5]);
    Hits h;
    houbutu_sen(t[0], t[1], t[2], t[3], t[4], t[5], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    expect_hits(h, t + 6, 1e-12);
    if (h.n == 0) {  // n and x written, y left
      EXPECT_EQ(h.x1, 0.0);
      EXPECT_EQ(h.y1, kSentinel);
    }
  }
  for (const auto& t : kParabolaTangent) {
    SCOPED_TRACE(testing::Message() << t[3] << " " << t[4]);
    Hits h;
    houbutu_setu(t[0], t[1], t[2], t[3], t[4], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    expect_hits(h, t + 5, 1e-12);
    int16_t n = 9;
    double m1 = kSentinel, k1 = kSentinel, m2 = kSentinel, k2 = kSentinel;
    houbutu_hotei(t[0], t[1], t[2], t[3], t[4], &n, &m1, &k1, &m2, &k2);
    EXPECT_EQ(n, h.n);
    if (h.n == 0) {
      EXPECT_EQ(h.y1, kSentinel);  // y left unwritten without a tangent
      EXPECT_EQ(m1, kSentinel);
      continue;
    }
    EXPECT_NEAR(m1 * h.x1 + k1, h.y1, 1e-13);
    EXPECT_NEAR(m1 * t[3] + k1, t[4], 1e-13);
    EXPECT_NEAR(m2 * h.x2 + k2, h.y2, 1e-13);
    EXPECT_NEAR(m2 * t[3] + k2, t[4], 1e-13);
  }
}

TEST(HoubutuSen, VerticalLineAndZeroCurvature) {
  Hits v;  // x = 3 (b = 0) meets y = x^2 - 1 once
  houbutu_sen(1, 0, -1, 2, 0, -6, &v.n, &v.x1, &v.y1, &v.x2, &v.y2);
  EXPECT_EQ(v.n, 1);
  EXPECT_EQ(v.x1, 3.0);
  EXPECT_EQ(v.x2, 3.0);
  EXPECT_EQ(v.y1, 8.0);
  EXPECT_EQ(v.y2, 8.0);
  // p = 0 (a straight line y = q x + r) with b != 0: nothing written, and values of
  // an earlier call are not recomputed into a fresh result.
  Hits h;
  houbutu_sen(1, 0, 0, -1, 1, -2, &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
  ASSERT_EQ(h.n, 2);
  const Hits before = h;
  houbutu_sen(0, 1, 1, 1, 1, -4, &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
  EXPECT_EQ(h.n, before.n);
  EXPECT_EQ(h.y1, before.y1);
  EXPECT_EQ(h.y2, before.y2);
}

}  // namespace
