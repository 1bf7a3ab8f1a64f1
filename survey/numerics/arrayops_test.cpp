#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "survey/survey.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kKeep = -55.5;  // preset of out-cells that must stay unwritten

TEST(DmatCalc, ElementWiseOperators) {
  const double a[] = {6, -3, 2.5, 7}, b[] = {2, 4, 0, -0.5};
  struct Case {
    const char* op;
    double out[4];
  } cases[] = {
      {"+", {8, 1, 2.5, 6.5}},
      {"-", {4, -7, 2.5, 7.5}},
      {"*", {12, -12, 0, -3.5}},
      {"/", {3, -0.75, kKeep, -14}},  // b = 0 leaves its element as it was
      {"*and more", {12, -12, 0, -3.5}},  // only the first character counts
      {"x", {kKeep, kKeep, kKeep, kKeep}},
      {"", {kKeep, kKeep, kKeep, kKeep}},
      {" +", {kKeep, kKeep, kKeep, kKeep}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "op \"" << c.op << "\"");
    double out[4] = {kKeep, kKeep, kKeep, kKeep};
    dmat_calc(4, a, b, c.op, out);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(out[i], c.out[i]) << i;
  }
  double out[1] = {kKeep};
  dmat_calc(0, a, b, "+", out);
  EXPECT_EQ(out[0], kKeep);
}

TEST(DmatCmp, PrefixTestsOfTheOperator) {
  const double a[] = {1, 2, 3, 2};
  struct Case {
    const char* op;
    std::vector<double> taken;
  } cases[] = {
      {"=", {2, 2}},     {">", {3}},        {">=", {2, 3, 2}}, {"<", {1}},
      {"<=", {1, 2, 2}}, {"<>", {1, 3}},    {"=<", {2, 2}} /* first character '=' only */,
      {"=>", {2, 2}},    {"><", {3}},       {"==", {2, 2}},    {"<<", {1}},
      {"!=", {}},        {"", {}},          {"GT", {}},        {" =", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "op \"" << c.op << "\"");
    double out[4] = {kKeep, kKeep, kKeep, kKeep};
    const int16_t k = dmat_cmp(4, a, c.op, 2.0, out);
    ASSERT_EQ(k, static_cast<int16_t>(c.taken.size()));
    for (int i = 0; i < k; ++i) EXPECT_EQ(out[i], c.taken[i]) << i;
    for (int i = k; i < 4; ++i) EXPECT_EQ(out[i], kKeep) << i;
  }
}

TEST(DmatCmp, NaNIsOnlyUnequal) {
  const double a[] = {kNaN, 1.0};
  double out[2];
  EXPECT_EQ(dmat_cmp(2, a, "<>", 1.0, out), 1);
  EXPECT_TRUE(std::isnan(out[0]));
  EXPECT_EQ(dmat_cmp(2, a, ">=", 0.0, out), 1);
  EXPECT_EQ(out[0], 1.0);
  EXPECT_EQ(dmat_cmp(0, a, "<>", 1.0, out), 0);
}

TEST(DmatSqu, DistinctValuesInFirstOccurrenceOrder) {
  struct Case {
    std::vector<double> in, out;
  } cases[] = {
      {{3, 1, 3, 2, 1}, {3, 1, 2}},
      {{4, 4, 4}, {4}},
      {{1, 2, 3}, {1, 2, 3}},
      {{}, {}},
      {{0.1 + 0.2, 0.3}, {0.1 + 0.2, 0.3}},  // exact comparison: two values
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.in.size() << " values");
    std::vector<double> out(c.in.size() + 1, kKeep);
    const int16_t k = dmat_squ(static_cast<int16_t>(c.in.size()), c.in.data(), out.data());
    ASSERT_EQ(k, static_cast<int16_t>(c.out.size()));
    for (int i = 0; i < k; ++i) EXPECT_EQ(out[i], c.out[i]) << i;
    EXPECT_EQ(out[k], kKeep);
  }
  // -0.0 equals 0.0, so only the first survives; NaN equals nothing, so each stays.
  const double z[] = {-0.0, 0.0, kNaN, kNaN};
  double out[4];
  ASSERT_EQ(dmat_squ(4, z, out), 3);
  EXPECT_TRUE(std::signbit(out[0]));
  EXPECT_TRUE(std::isnan(out[1]));
  EXPECT_TRUE(std::isnan(out[2]));
}

TEST(OrderStatistics, KthSmallestAndLargestSortInPlace) {
  struct Case {
    bool largest;
    std::vector<double> in;
    int16_t k;
    double result;
    std::vector<double> after;
  } cases[] = {
      {true, {5, 9, 1}, 2, 5, {9, 5, 1}},
      {true, {5, 9, 1}, 1, 9, {9, 5, 1}},
      {true, {5, 9, 1}, 3, 1, {9, 5, 1}},
      {false, {5, 9, 1}, 1, 1, {1, 5, 9}},
      {false, {2, 7, 2, -4}, 3, 2, {-4, 2, 2, 7}},
      {true, {5, 9, 1}, 4, 0.0, {5, 9, 1}},   // k > n: 0.0, array untouched
      {false, {5, 9, 1}, 0, 0.0, {5, 9, 1}},  // k < 1: the same
      {true, {5, 9, 1}, -2, 0.0, {5, 9, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.largest ? "maxno" : "smallno") << " k = " << c.k);
    std::vector<double> a = c.in;
    const auto n = static_cast<int16_t>(a.size());
    EXPECT_EQ(c.largest ? maxno(n, a.data(), c.k) : smallno(n, a.data(), c.k), c.result);
    EXPECT_EQ(a, c.after);
  }
  EXPECT_EQ(smallno(0, nullptr, 1), 0.0);
}

TEST(Product, ThroughDecimalLogarithms) {
  struct Case {
    std::vector<double> in;
    double expected;
  } cases[] = {
      {{2, 0, 3}, 6},  // the zero is skipped, not multiplied in
      {{0.5, 8, 0.25}, 1},
      {{1.5e10, 4e-3, 7}, 4.2e8},
      {{5}, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    // log10 and pow each round once per element: a few ulps of the result.
    EXPECT_NEAR(product(static_cast<int16_t>(c.in.size()), c.in.data()), c.expected, 1e-14 * c.expected);
  }
  const double zeros[] = {0, 0}, neg[] = {2, -3};
  EXPECT_EQ(product(2, zeros), 1.0);  // an empty sum of logarithms: 10^0
  EXPECT_EQ(product(0, zeros), 0.0);
  EXPECT_EQ(product(-1, zeros), 0.0);
  EXPECT_TRUE(std::isnan(product(2, neg)));
}

TEST(Oc, RingClosure) {
  struct Case {
    const char* name;
    std::vector<double> x, y;
    int16_t closed;
  } cases[] = {
      {"last repeats first", {0, 1, 1, 0, 0}, {0, 0, 1, 1, 0}, 1},
      {"open ring", {0, 1, 1, 0}, {0, 0, 1, 1}, 0},
      {"x closes, y does not", {0, 1, 0}, {0, 1, 2}, 0},
      {"y closes, x does not", {0, 1, 2}, {5, 1, 5}, 0},
      {"one point", {3}, {4}, 1},
      {"signed zeros are equal", {0.0, 1, -0.0}, {-0.0, 1, 0.0}, 1},
      {"no points", {}, {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(oc(static_cast<int16_t>(c.x.size()), c.x.data(), c.y.data()), c.closed);
  }
}

TEST(Polar, AngleFromTheArcsineLosesTheQuadrant) {
  const double kHalfPi = 1.5707963267948966;
  struct Case {
    double x, y;
    double r, theta_y, theta_x;  // theta of trans (from y / r) and trans1 (from x / r)
  } cases[] = {
      {-1, 0, 1, 0.0, -kHalfPi},  // trans: 0, the quadrant is lost
      {1, 0, 1, 0.0, kHalfPi},
      {0, -2, 2, -kHalfPi, 0.0},  // |v| = 1: atan of an infinite quotient
      {3, 4, 5, arcsin(0.8), arcsin(0.6)},  // 4 / 5 and 3 / 5 round to the literals
      {-3, -4, 5, arcsin(-0.8), arcsin(-0.6)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    double r = 9, t = 9;
    trans(c.x, c.y, &r, &t);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(t, c.theta_y);
    r = t = 9;
    trans1(c.x, c.y, &r, &t);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(t, c.theta_x);
  }
  // At the origin (also when the squares underflow) nothing is written.
  for (double v : {0.0, -0.0, 1e-170}) {
    SCOPED_TRACE(v);
    double r = 9, t = 9;
    trans(v, v, &r, &t);
    trans1(v, v, &r, &t);
    EXPECT_EQ(r, 9);
    EXPECT_EQ(t, 9);
  }
}

}  // namespace
