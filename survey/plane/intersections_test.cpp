// Intersections of lines.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;

struct Line {
  double a, b, c;
};

TEST(LineKouten1, EachBranch) {
  struct Case {
    const char* what;
    Line l1, l2;
    double x, y;
  } cases[] = {
      {"a1 = 0, b2 = 0", {0, 1, -3}, {1, 0, -2}, 2, 3},
      {"a2 = 0, b1 = 0", {1, 0, -2}, {0, 1, -3}, 2, 3},
      {"a1 = 0", {0, 2, -6}, {1, 1, -5}, 2, 3},
      {"general", {1, 1, -5}, {1, -1, -1}, 3, 2},
      {"general, a2 = 0", {1, 1, -5}, {0, 2, -4}, 3, 2},
      {"identical", {0.6, 0.8, -1}, {0.6, 0.8, -1}, 0, 0},
      {"parallel: equal normals", {0.6, 0.8, -1}, {0.6, 0.8, 7}, 0, 0},
      {"-0.0 equals 0.0 in the parallel test", {-0.0, 1, -3}, {0, 1, -2}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    double x = 99, y = 99;  // both are set, also for parallel lines
    line_kouten1(c.l1.a, c.l1.b, c.l1.c, c.l2.a, c.l2.b, c.l2.c, &x, &y);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

TEST(LineKouten1, OppositeNormalsAreNotCaught) {
  // Parallel lines whose normals point opposite ways are not equal-normal lines:
  // the elimination divides by zero and the result is not finite.
  double x = 0, y = 0;
  line_kouten1(1, 1, -2, -1, -1, 5, &x, &y);
  EXPECT_FALSE(std::isfinite(x) && std::isfinite(y));
}

TEST(LineKouten, FromPointsAndDirections) {
  double x = 0, y = 0;
  line_kouten2(0, 0, 2, 2, 0, 2, 2, 0, &x, &y);  // diagonals of a square
  EXPECT_NEAR(x, 1.0, 1e-15);
  EXPECT_NEAR(y, 1.0, 1e-15);
  line_kouten2(0, 0, 1, 0, 5, 1, 9, 1, &x, &y);  // parallel, same direction
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);
  line_kouten2(3, -1, 3, 1, -5, 4, 5, 4, &x, &y);  // vertical and horizontal
  EXPECT_EQ(x, 3.0);
  EXPECT_EQ(y, 4.0);
  line_kouten3(3, -1, 3, 1, 0, 1, -4, &x, &y);
  EXPECT_EQ(x, 3.0);
  EXPECT_EQ(y, 4.0);
  // Directions go through a second point 100 away and rounded sines and cosines:
  // 1e-13 at these distances.
  angline_kouten(0, 0, kPi / 2, 5, -5, 5, 5, &x, &y);  // heading +x, meets x = 5
  EXPECT_NEAR(x, 5.0, 1e-13);
  EXPECT_NEAR(y, 0.0, 1e-13);
  angang_kouten(0, 0, kPi / 4, 10, 0, 7 * kPi / 4, &x, &y);
  EXPECT_NEAR(x, 5.0, 1e-13);
  EXPECT_NEAR(y, 5.0, 1e-13);
  angang_kouten(100, 200, 0.3, 100, 200, 2.1, &x, &y);  // through the same point
  EXPECT_NEAR(x, 100.0, 1e-12);
  EXPECT_NEAR(y, 200.0, 1e-12);
}

TEST(LineNKouten, ChainPairsWithTheFirstLine) {
  // y = 0, x = 4, y = x, x + y = 10
  const std::vector<double> a = {0, 1, -1, 1}, b = {1, 0, 1, 1}, c = {0, -4, 0, -10};
  std::vector<double> xo(4, 99), yo(4, 99);
  lineN_kouten(3, a.data(), b.data(), c.data(), xo.data(), yo.data());  // a triangle
  EXPECT_EQ(xo, (std::vector<double>{4, 4, 0, 99}));
  EXPECT_EQ(yo, (std::vector<double>{0, 4, 0, 99}));
  lineN_kouten(4, a.data(), b.data(), c.data(), xo.data(), yo.data());
  EXPECT_EQ(xo, (std::vector<double>{4, 4, 0, 10}));  // 3rd: line 3 with line 1, not 4
  EXPECT_EQ(yo, (std::vector<double>{0, 4, 0, 0}));
  // Two lines cannot close a chain: nothing is read beyond them, nothing written.
  const std::vector<double> a2 = {0, 1}, b2 = {1, 0}, c2 = {0, -4};
  std::vector<double> x2(2, 99), y2(2, 99);
  for (int16_t n : {2, 1, 0, -1}) {
    SCOPED_TRACE(n);
    lineN_kouten(n, a2.data(), b2.data(), c2.data(), x2.data(), y2.data());
    EXPECT_EQ(x2, (std::vector<double>{99, 99}));
    EXPECT_EQ(y2, (std::vector<double>{99, 99}));
  }
}

struct NiniCase {
  const char* what;
  std::vector<double> xs, ys;
  double y0;
  int16_t count;                // expected count; -7 = left as preset
  std::vector<double> xo, yo;  // expected slots (two, preset 99)
};

TEST(NiniKouten, CrossingsWithAHorizontalLine) {
  const NiniCase cases[] = {
      {"square", {1, 1, 3, 3, 1}, {1, 3, 3, 1, 1}, 2.0, 2, {1, 3}, {2, 2}},
      {"vertex shared by two crossing segments counts twice",
       {0, 1, 2}, {0, 1, 0}, 1.0, 2, {1, 1}, {1, 1}},
      {"slanted", {0, 4}, {0, 8}, 2.0, 1, {1, 99}, {2, 99}},
      {"no crossing", {0, 4}, {0, 8}, 9.0, 0, {99, 99}, {99, 99}},
      {"a third crossing stops the search; count untouched",
       {0, 1, 2, 3}, {0, 2, 0, 2}, 1.0, -7, {0.5, 1.5}, {1, 1}},
      {"fewer than two points", {5}, {5}, 5.0, 0, {99, 99}, {99, 99}},
      {"no points", {}, {}, 0.0, 0, {99, 99}, {99, 99}},
      // A horizontal segment off the line has no crossing, even when it runs
      // through the origin (where the parallel rule puts its point).
      {"horizontal through the origin, line elsewhere", {-1, 1}, {0, 0}, 5.0, 0, {99, 99}, {99, 99}},
      {"horizontal leftward, line elsewhere", {1, -1}, {0, 0}, 5.0, 0, {99, 99}, {99, 99}},
      {"horizontal on the line y = 0 through the origin", {-1, 1}, {0, 0}, 0.0, 1, {0, 99}, {0, 99}},
      {"horizontal on the line, away from the origin", {2, 6}, {3, 3}, 3.0, 0, {99, 99}, {99, 99}},
      {"a step along the line: both ends found by the risers",
       {0, 0, 4, 4}, {0, 3, 3, 6}, 3.0, 2, {0, 4}, {3, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<double> xo = {99, 99}, yo = {99, 99};
    int16_t count = -7;
    nini_kouten(static_cast<int16_t>(c.xs.size()), c.xs.data(), c.ys.data(), c.y0, &count, xo.data(),
                yo.data());
    EXPECT_EQ(count, c.count);
    for (int i = 0; i < 2; ++i) {
      EXPECT_NEAR(xo[i], c.xo[i], 1e-15) << i;
      EXPECT_NEAR(yo[i], c.yo[i], 1e-15) << i;
    }
  }
}

}  // namespace
