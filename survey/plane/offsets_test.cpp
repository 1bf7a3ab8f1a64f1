// Points at a distance across a line and segment offsets.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

TEST(LineFixdist, TwoPointsAtDistanceOnThePerpendicular) {
  const double lines[][3] = {{0, 1, 0}, {1, 0, -3}, {3, 4, -10}, {-0.6, 0.8, 2.5}};
  const double points[][3] = {{0, 0, 1}, {5, -2, 2.5}, {-7, 11, 0.125}, {1, 1, 0}};
  for (const auto& l : lines)
    for (const auto& p : points) {
      SCOPED_TRACE(testing::Message() << l[0] << " " << l[1] << " " << l[2] << " / " << p[0]);
      double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      line_fixdist(l[0], l[1], l[2], p[0], p[1], p[2], &x1, &y1, &x2, &y2);
      EXPECT_NEAR(std::hypot(x1 - p[0], y1 - p[1]), p[2], 1e-13);
      EXPECT_NEAR(std::hypot(x2 - p[0], y2 - p[1]), p[2], 1e-13);
      // On the perpendicular through P0: P0 is their midpoint and the offset is
      // along the normal (a, b); point 1 lies against it.
      EXPECT_NEAR((x1 + x2) / 2, p[0], 1e-13);
      EXPECT_NEAR((y1 + y2) / 2, p[1], 1e-13);
      EXPECT_NEAR(l[1] * (x2 - x1) - l[0] * (y2 - y1), 0.0, 1e-13);
      EXPECT_NEAR(l[0] * (x2 - x1) + l[1] * (y2 - y1), 2 * p[2] * std::hypot(l[0], l[1]), 1e-12);
    }
}

TEST(LineFixdist2, OffsetOnTheGivenSide) {
  double xa = 0, ya = 0, xb = 0, yb = 0;
  line_fixdist2(0, 0, 10, 0, 2, 1, &xa, &ya, &xb, &yb);  // left of travel east: north
  EXPECT_NEAR(xa, 0.0, 1e-15);
  EXPECT_NEAR(ya, 2.0, 1e-15);
  EXPECT_NEAR(xb, 10.0, 1e-15);
  EXPECT_NEAR(yb, 2.0, 1e-15);
  line_fixdist2(0, 0, 10, 0, 2, -1, &xa, &ya, &xb, &yb);
  EXPECT_NEAR(ya, -2.0, 1e-15);
  EXPECT_NEAR(yb, -2.0, 1e-15);
  line_fixdist2(1, 1, 4, 5, 2.5, 1, &xa, &ya, &xb, &yb);  // unit direction (0.6, 0.8)
  EXPECT_NEAR(xa, 1 - 2.0, 1e-14);
  EXPECT_NEAR(ya, 1 + 1.5, 1e-14);
  EXPECT_NEAR(xb, 4 - 2.0, 1e-14);
  EXPECT_NEAR(yb, 5 + 1.5, 1e-14);
}

}  // namespace
