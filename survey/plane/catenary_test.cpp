// The catenary: half ordinate, arc length and area.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

TEST(Catenary, HalfOrdinateArcAndArea) {
  double y = -1, s = -1, area = -1;
  catenary(10, 0, &y, &s, &area);
  EXPECT_EQ(y, 5.0);  // half of a cosh(0) = a
  EXPECT_EQ(s, 0.0);
  EXPECT_EQ(area, 0.0);
  const double rows[][2] = {{10, 5}, {10, -12}, {250, 80}, {3.5, 7}, {-20, 15}};
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r[0] << " " << r[1]);
    const double a = r[0], x = r[1];
    catenary(a, x, &y, &s, &area);
    // The full ordinate 2y and the arc length s satisfy (2y)^2 - s^2 = a^2; the
    // area under the curve is a s.
    EXPECT_NEAR(4 * y * y - s * s, a * a, 1e-12 * 4 * y * y);
    EXPECT_NEAR(area, a * s, 1e-12 * std::fabs(area));
    EXPECT_EQ(std::signbit(s), std::signbit(x));
  }
}

}  // namespace
