// Parabolic vertical curves: heights, refusals and the three ways of giving the curve.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

TEST(VerticalCurve, HeightsAndRefusals) {
  const double rows[][5] = {
      // g, L, x, h0; height
      {0.02, 50, 50, 10, 10.5},     {0.02, 50, 0, 10, 10},      {0.02, 50, 25, 10, 10.375},
      {0.02, 50, 75, 10, 10.375},   {0.02, 50, 100, 10, 0.0},   {0.02, 50, 120, 10, 0.0},
      {-0.03, 40, 40, 5, 4.4},      {1.0, 10, 10, 0, 5},        {1.5, 10, 10, 0, 0.0},
      {-1.5, 10, 10, 0, 0.0},       {0.02, 0, 10, 10, 0.0},     {0.02, -50, -10, 10, 0.0},
      {0.02, 50, -10, 10, 9.78},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r[0] << " " << r[1] << " " << r[2]);
    EXPECT_NEAR(virtical_curv(r[0], r[1], r[2], r[3]), r[4], 1e-14);
  }
  // Symmetric about x = L, with slope g at the start.
  for (double x = 0.5; x < 100; x += 7.25)
    EXPECT_NEAR(virtical_curv(0.04, 50, x, 3), virtical_curv(0.04, 50, 100 - x, 3), 1e-13);
  EXPECT_NEAR((virtical_curv(0.04, 50, 1e-4, 3) - 3) / 1e-4, 0.04, 1e-7);
}

TEST(VerticalCurve, ByRadiusAndByGrade) {
  // g = L/R and L = g R describe the same curve.
  EXPECT_NEAR(virtical_curv2(2500, 50, 50, 10), 10.5, 1e-14);
  EXPECT_NEAR(virtical_curv3(0.02, 2500, 50, 10), 10.5, 1e-14);
  EXPECT_NEAR(virtical_curv2(2500, 50, 30, 10), virtical_curv(0.02, 50, 30, 10), 1e-14);
  EXPECT_NEAR(virtical_curv3(0.02, 2500, 30, 10), virtical_curv(0.02, 50, 30, 10), 1e-14);
  EXPECT_EQ(virtical_curv2(0, 50, 30, 10), 0.0);
  EXPECT_NEAR(virtical_curv2(-2500, 50, 50, 10), 9.5, 1e-14);  // a sag: g = -0.02
  EXPECT_EQ(virtical_curv3(0.02, 0, 30, 10), 0.0);
  EXPECT_EQ(virtical_curv3(0.02, -2500, 30, 10), 0.0);
  EXPECT_EQ(virtical_curv3(1.5, 2500, 30, 10), 0.0);
  EXPECT_EQ(virtical_curv3(-0.02, 2500, 30, 10), 0.0);  // L = g R is negative
}

}  // namespace
