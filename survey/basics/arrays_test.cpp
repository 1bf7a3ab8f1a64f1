#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "survey/survey.h"

namespace {

TEST(WorkArea, SignFollowsTheRingsSense) {
  struct Case {
    std::vector<double> x, y;
    double expected;
  } cases[] = {
      {{0, 1, 1, 0}, {0, 0, 1, 1}, -1.0},        // counter-clockwise, x right / y up
      {{0, 1, 1, 0}, {1, 1, 0, 0}, 1.0},         // clockwise
      {{0, 1, 1, 0, 0}, {0, 0, 1, 1, 0}, -1.0},  // first point repeated at the end
      {{0, 2, 2, 0}, {0, 0, 3, 3}, -6.0},
      {{5}, {7}, 0.0},
      {{}, {}, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    const auto n = static_cast<int16_t>(c.x.size());
    EXPECT_EQ(work_area(n, c.x.data(), c.y.data()), c.expected);
    EXPECT_EQ(area(n, c.x.data(), c.y.data()), std::fabs(c.expected));
  }
  const double x = 1, y = 2;
  EXPECT_EQ(work_area(-3, &x, &y), 0.0);
}

TEST(GetExtent, BoxOfThePointsWithoutMargin) {
  const double x[] = {3, -1, 4, 1.5}, y[] = {2, 7, -2, 0};
  double xmin, ymin, xmax, ymax, w, h;
  EXPECT_EQ(Get_Extent(4, x, y, &xmin, &ymin, &xmax, &ymax, &w, &h), 5.0 * 9.0);
  EXPECT_EQ(xmin, -1);
  EXPECT_EQ(xmax, 4);
  EXPECT_EQ(ymin, -2);
  EXPECT_EQ(ymax, 7);
  EXPECT_EQ(w, 5);
  EXPECT_EQ(h, 9);

  EXPECT_EQ(Get_Extent(1, x, y, &xmin, &ymin, &xmax, &ymax, &w, &h), 0.0);
  EXPECT_EQ(w, 0.0);
  EXPECT_EQ(h, 0.0);
  EXPECT_EQ(xmin, 3.0);
  EXPECT_EQ(ymax, 2.0);
}

TEST(GetExtent, NoPointsLeavesTheSentinels) {
  double xmin = 1, ymin = 1, xmax = 1, ymax = 1, w = 1, h = 1;
  for (int32_t n : {0, -5}) {
    const double r = Get_Extent(n, nullptr, nullptr, &xmin, &ymin, &xmax, &ymax, &w, &h);
    EXPECT_EQ(xmin, 9999999999999.0);
    EXPECT_EQ(ymin, 9999999999999.0);
    EXPECT_EQ(xmax, -9999999999999.0);
    EXPECT_EQ(ymax, -9999999999999.0);
    EXPECT_EQ(w, 19999999999998.0);
    EXPECT_EQ(h, 19999999999998.0);
    EXPECT_EQ(r, 19999999999998.0 * 19999999999998.0);
  }
}

TEST(GetExtent, CornersInOrder) {
  const double x[] = {1, 3}, y[] = {10, 20};
  double cx[4], cy[4], w, h;
  EXPECT_EQ(Get_ExtentXY(2, x, y, cx, cy, &w, &h), 20.0);
  const double ex[] = {1, 1, 3, 3}, ey[] = {10, 20, 20, 10};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(cx[i], ex[i]) << i;
    EXPECT_EQ(cy[i], ey[i]) << i;
  }
}

TEST(Mirror, ReversesInPlaceKeepingTheMiddle) {
  struct Case {
    std::vector<double> in, out;
  } cases[] = {
      {{1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}}, {{1, 2, 3, 4}, {4, 3, 2, 1}}, {{7}, {7}}, {{}, {}}};
  for (auto c : cases) {
    dmat_mirror(static_cast<int16_t>(c.in.size()), c.in.data());
    EXPECT_EQ(c.in, c.out);
  }
  int16_t i16[] = {1, 2, 3};
  imat_mirror(3, i16);
  EXPECT_EQ(i16[0], 3);
  EXPECT_EQ(i16[2], 1);
  int32_t i32[] = {1, 2};
  lmat_mirror(2, i32);
  EXPECT_EQ(i32[0], 2);
  float f[] = {1.5f, 2.5f};
  fmat_mirror(2, f);
  EXPECT_EQ(f[0], 2.5f);
  double d[] = {1, 2};
  dmat_mirror(-2, d);
  EXPECT_EQ(d[0], 1);
}

TEST(Rot, PositionKBecomesFirst) {
  const int16_t src[] = {10, 20, 30, 40};
  struct Case {
    int16_t k;
    int16_t expected[4];
  } cases[] = {{1, {10, 20, 30, 40}}, {2, {20, 30, 40, 10}}, {3, {30, 40, 10, 20}}, {4, {40, 10, 20, 30}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.k);
    int16_t dst[4] = {};
    imat_rot(4, src, c.k, dst);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dst[i], c.expected[i]);
  }
  const double dsrc[] = {1, 2, 3};
  double ddst[3];
  dmat_rot(3, dsrc, 3, ddst);
  EXPECT_EQ(ddst[0], 3);
  EXPECT_EQ(ddst[1], 1);
  EXPECT_EQ(ddst[2], 2);
}

// A position outside 1..n writes nothing at all (it used to place elements before
// or after dst).
template <class T, class Rot>
void expect_rot_writes_nothing(Rot rot, int16_t k) {
  const T src[] = {1, 2, 3};
  T dst[5] = {7, 7, 7, 7, 7};
  rot(3, src, k, dst + 1);
  for (T v : dst) EXPECT_EQ(v, T(7));
}

TEST(Rot, PositionOutsideTheArrayWritesNothing) {
  for (int16_t k : {int16_t(-32768), int16_t(-3), int16_t(0), int16_t(4), int16_t(5), int16_t(9),
                    int16_t(32767)}) {
    SCOPED_TRACE(k);
    expect_rot_writes_nothing<int16_t>(imat_rot, k);
    expect_rot_writes_nothing<float>(fmat_rot, k);
    expect_rot_writes_nothing<int32_t>(lmat_rot, k);
    expect_rot_writes_nothing<double>(dmat_rot, k);
  }
}

// One 4-byte body serves int32 and float: every bit pattern must survive, the
// signalling-NaN ones included.
TEST(FourByteFamily, MovesBitPatternsUnchanged) {
  const int32_t src[] = {0x7F800001, -1, 0x7FBFFFFF, 123456789};
  int32_t dst[4] = {};
  lmat_copy(4, src, dst);
  EXPECT_EQ(0, std::memcmp(src, dst, sizeof src));
  int32_t rot[4] = {};
  lmat_rot(4, src, 2, rot);
  EXPECT_EQ(rot[0], -1);
  EXPECT_EQ(rot[3], 0x7F800001);
  const int32_t b[] = {5};
  int32_t joined[5] = {};
  lmat_marg(4, src, 1, b, joined);
  EXPECT_EQ(0, std::memcmp(src, joined, sizeof src));
  EXPECT_EQ(joined[4], 5);
  lmat_zero(4, dst);
  for (int32_t v : dst) EXPECT_EQ(v, 0);
}

TEST(WholeArray, ZeroCopyMarg) {
  double a[] = {1, 2, 3}, b[] = {4, 5}, dst[5] = {};
  dmat_marg(3, a, 2, b, dst);
  const double e[] = {1, 2, 3, 4, 5};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(dst[i], e[i]);
  dmat_zero(2, dst);
  EXPECT_EQ(dst[0], 0);
  EXPECT_EQ(dst[1], 0);
  EXPECT_EQ(dst[2], 3);
  int16_t s[] = {4, 5, 6}, d[3] = {};
  imat_copy(3, s, d);
  EXPECT_EQ(d[2], 6);
  imat_zero(3, d);
  EXPECT_EQ(d[2], 0);
  float fa[] = {1}, fb[] = {2}, fd[2];
  fmat_marg(1, fa, 1, fb, fd);
  EXPECT_EQ(fd[1], 2.0f);
}

TEST(Sorts, SelectionSortBothWays) {
  struct Case {
    std::vector<double> in, up, down;
  } cases[] = {
      {{3, 1, 2, 1}, {1, 1, 2, 3}, {3, 2, 1, 1}},
      {{-0.5, 7, -3}, {-3, -0.5, 7}, {7, -0.5, -3}},
      {{4}, {4}, {4}},
  };
  for (auto c : cases) {
    auto up = c.in, down = c.in;
    dsort_shou(static_cast<int16_t>(up.size()), up.data());
    dsort_kou(static_cast<int16_t>(down.size()), down.data());
    EXPECT_EQ(up, c.up);
    EXPECT_EQ(down, c.down);
  }
}

TEST(BinSrc, ExactMatchesAndMisses) {
  const double a[] = {1, 2, 3, 4, 5};
  struct Case {
    int32_t last;
    double key;
    int32_t expected;
  } cases[] = {{4, 3.5, -1}, {4, 5, 4}, {4, 1, 0}, {4, 3, 2}, {4, 2, 1}, {4, 4, 3}, {4, 0, -1},
               {4, 9, -1},   {0, 1, 0}, {0, 2, -1}, {-1, 1, -1}, {1, 2, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.last << " " << c.key);
    EXPECT_EQ(BinSrc(c.last, a, c.key), c.expected);
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(BinSrc(4, a, nan), -1);
}

TEST(MaxMin, StrictComparisonsFromTheFirstElement) {
  const double d[] = {3, -1, 8, 8, -1};
  double dmax, dmin;
  dmaxmin(5, d, &dmax, &dmin);
  EXPECT_EQ(dmax, 8);
  EXPECT_EQ(dmin, -1);
  dmaxmin(0, d, &dmax, &dmin);  // n <= 1: both a[0]
  EXPECT_EQ(dmax, 3);
  EXPECT_EQ(dmin, 3);
  const int16_t i[] = {-4, 9, 2};
  int16_t imax, imin;
  imaxmin(3, i, &imax, &imin);
  EXPECT_EQ(imax, 9);
  EXPECT_EQ(imin, -4);
  const int32_t l[] = {100000, -100000};
  int32_t lmax, lmin;
  lmaxmin(2, l, &lmax, &lmin);
  EXPECT_EQ(lmax, 100000);
  EXPECT_EQ(lmin, -100000);
  const float f[] = {0.5f, 0.25f};
  float fmax, fmin;
  fmaxmin(2, f, &fmax, &fmin);
  EXPECT_EQ(fmax, 0.5f);
  EXPECT_EQ(fmin, 0.25f);
}

TEST(Swaps, ExchangeValuesAndStrings) {
  int16_t a = 1, b = 2;
  iswap(&a, &b);
  EXPECT_EQ(a, 2);
  int32_t la = 7, lb = -7;
  lswap(&la, &lb);
  EXPECT_EQ(la, -7);
  float fa = 1.f, fb = 2.f;
  fswap(&fa, &fb);
  EXPECT_EQ(fa, 2.f);
  double da = -0.0, db = 3;
  dswap(&da, &db);
  EXPECT_EQ(da, 3);
  EXPECT_TRUE(std::signbit(db));
  char s1[256] = "\x93\x8c\x8b\x9e";  // Shift_JIS text moves byte for byte
  char s2[256] = "abc";
  EXPECT_EQ(cswap(s1, s2), 0);
  EXPECT_STREQ(s1, "abc");
  EXPECT_STREQ(s2, "\x93\x8c\x8b\x9e");
  std::string longest(255, 'x');
  char l1[256], l2[256] = "y";
  std::memcpy(l1, longest.c_str(), 256);
  cswap(l1, l2);
  EXPECT_EQ(std::string(l2), longest);
  EXPECT_STREQ(l1, "y");
}

}  // namespace
