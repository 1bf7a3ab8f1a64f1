#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "survey/survey.h"
#include "reference_solve_test.h"

namespace {

constexpr int kLead = 11;
constexpr double kUntouched = -777.25;  // marks cells the solver must not write

using survey_test::reference_solve;

TEST(GaussC, SolvesTheTwoByTwoExample) {
  // 2x + y = 5, x + 3y = 10 in rows 0 and 1 of the row-major matrix.
  double m[kLead * kLead];
  std::fill(std::begin(m), std::end(m), kUntouched);
  const double rows[2][3] = {{2, 1, 5}, {1, 3, 10}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j) m[kLead * i + j] = rows[i][j];
  gauss_c(2, m);
  EXPECT_EQ(m[kLead * 0 + 2], 1.0);
  EXPECT_EQ(m[kLead * 1 + 2], 3.0);
  // The coefficient block becomes the identity; nothing beyond column n is touched.
  EXPECT_EQ(m[0], 1.0);
  EXPECT_EQ(m[1], 0.0);
  EXPECT_EQ(m[kLead], 0.0);
  EXPECT_EQ(m[kLead + 1], 1.0);
  for (int i = 0; i < kLead; ++i)
    for (int j = 0; j < kLead; ++j) {
      if (i < 2 && j < 3) continue;
      SCOPED_TRACE(testing::Message() << "row " << i << " col " << j);
      EXPECT_EQ(m[kLead * i + j], kUntouched);
    }
}

TEST(Gauss, ColumnMajorCarriesASecondRightHandSide) {
  // Same system column-major; column 3 holds the right-hand side (3, 4), whose
  // solution is (1, 1). Column 4 onward must stay as it was.
  double m[kLead * kLead];
  std::fill(std::begin(m), std::end(m), kUntouched);
  const double rows[2][4] = {{2, 1, 5, 3}, {1, 3, 10, 4}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 4; ++j) m[kLead * j + i] = rows[i][j];
  gauss(2, m);
  EXPECT_EQ(m[kLead * 2 + 0], 1.0);
  EXPECT_EQ(m[kLead * 2 + 1], 3.0);
  EXPECT_EQ(m[kLead * 3 + 0], 1.0);
  EXPECT_EQ(m[kLead * 3 + 1], 1.0);
  for (int j = 0; j < kLead; ++j)
    for (int i = 0; i < kLead; ++i) {
      if (i < 2 && j < 4) continue;
      SCOPED_TRACE(testing::Message() << "row " << i << " col " << j);
      EXPECT_EQ(m[kLead * j + i], kUntouched);
    }
}

// Random well-conditioned systems of every size: both layouts agree bit for bit
// (they perform the same operations in the same order) and match the pivoting
// reference within 1e-11 relative (the systems are diagonally dominant, so the
// elimination without pivoting is stable; the bound is a few hundred ulps).
TEST(Gauss, BothLayoutsMatchAReferenceSolver) {
  std::mt19937 rng(20240609);
  std::uniform_real_distribution<double> u(-10.0, 10.0);
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(testing::Message() << "n = " << n);
    std::vector<long double> a(n * n), b(n), b2(n);
    for (int i = 0; i < n; ++i) {
      double row = 0;
      for (int j = 0; j < n; ++j) {
        a[i * n + j] = u(rng);
        row += std::fabs(static_cast<double>(a[i * n + j]));
      }
      a[i * n + i] = (i % 2 ? -1 : 1) * (row + 1.0);
      b[i] = u(rng);
      b2[i] = u(rng);
    }
    double rowm[kLead * kLead] = {}, colm[kLead * 13] = {};
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        rowm[kLead * i + j] = static_cast<double>(a[i * n + j]);
        colm[kLead * j + i] = static_cast<double>(a[i * n + j]);
      }
      rowm[kLead * i + n] = colm[kLead * n + i] = static_cast<double>(b[i]);
      colm[kLead * (n + 1) + i] = static_cast<double>(b2[i]);
    }
    gauss_c(static_cast<int16_t>(n), rowm);
    // For n = 10 the column-major matrix needs a twelfth column for the second
    // right-hand side; colm has room for it.
    gauss(static_cast<int16_t>(n), colm);
    const auto x = reference_solve(n, a, b);
    const auto x2 = reference_solve(n, a, b2);
    for (int i = 0; i < n; ++i) {
      SCOPED_TRACE(testing::Message() << "row " << i);
      EXPECT_EQ(rowm[kLead * i + n], colm[kLead * n + i]);
      EXPECT_NEAR(rowm[kLead * i + n], x[i], 1e-11 * std::fabs(x[i]) + 1e-14);
      EXPECT_NEAR(colm[kLead * (n + 1) + i], x2[i], 1e-11 * std::fabs(x2[i]) + 1e-14);
    }
  }
}

// Without a pivot search a zero pivot leaves its row undivided; elimination goes on
// and ends with finite but meaningless values instead of failing or hanging.
TEST(Gauss, ZeroPivotIsNotReported) {
  struct Case {
    const char* name;
    int n;
    std::vector<double> rows;  // n rows of n + 1 values
    std::vector<double> expected;
  } cases[] = {
      // y = 2, x = 3 with the equations in the "wrong" order. k = 0: pivot 0, row 0
      // stays; row 1 -= row 0 -> (1, -1, 1). k = 1: pivot -1 -> (-1, 1, -1); row 0 -=
      // row 1 -> (1, 0, 3). Column 2 ends as (3, -1), not the solution (3, 2).
      {"swapped rows", 2, {0, 1, 2, 1, 0, 3}, {3, -1}},
      // A zero matrix stays zero.
      {"all zero", 3, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0}},
      // Singular: the second row is twice the first; its pivot becomes 0 after row 0
      // is eliminated, so row 1 stays (0, 0, 1); row 0 -= 2 * row 1 gives (1, 2, 1).
      {"singular", 2, {1, 2, 3, 2, 4, 7}, {1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    double rowm[kLead * kLead] = {}, colm[kLead * kLead] = {};
    for (int i = 0; i < c.n; ++i)
      for (int j = 0; j <= c.n; ++j) {
        rowm[kLead * i + j] = c.rows[i * (c.n + 1) + j];
        colm[kLead * j + i] = c.rows[i * (c.n + 1) + j];
      }
    gauss_c(static_cast<int16_t>(c.n), rowm);
    gauss(static_cast<int16_t>(c.n), colm);
    for (int i = 0; i < c.n; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(rowm[kLead * i + c.n], c.expected[i]);
      EXPECT_EQ(colm[kLead * c.n + i], c.expected[i]);
    }
  }
}

TEST(Gauss, CountsOutsideTheLayoutDoNothing) {
  struct Case {
    int16_t n;
    bool row_major;
  } cases[] = {{0, true}, {-3, true}, {11, true}, {0, false}, {-1, false}, {12, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << (c.row_major ? " row-major" : " column-major"));
    double m[kLead * kLead];
    for (int i = 0; i < kLead * kLead; ++i) m[i] = 2.0 + i;
    if (c.row_major)
      gauss_c(c.n, m);
    else
      gauss(c.n, m);
    for (int i = 0; i < kLead * kLead; ++i) EXPECT_EQ(m[i], 2.0 + i) << i;
  }
}

TEST(Gauss, FullSizeIdentityKeepsTheRightHandSide) {
  // gauss_c with n = 10 uses every column; gauss with n = 11 uses every row (and a
  // caller-provided thirteenth column).
  double rowm[kLead * kLead] = {};
  double colm[kLead * 13] = {};
  for (int i = 0; i < 10; ++i) {
    rowm[kLead * i + i] = 1.0;
    rowm[kLead * i + 10] = 0.5 * i - 1.0;
  }
  for (int i = 0; i < 11; ++i) {
    colm[kLead * i + i] = 4.0;
    colm[kLead * 11 + i] = i;
    colm[kLead * 12 + i] = -2.0 * i;
  }
  gauss_c(10, rowm);
  gauss(11, colm);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(rowm[kLead * i + 10], 0.5 * i - 1.0) << i;
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(colm[kLead * 11 + i], i / 4.0) << i;
    EXPECT_EQ(colm[kLead * 12 + i], -i / 2.0) << i;
  }
}

}  // namespace
