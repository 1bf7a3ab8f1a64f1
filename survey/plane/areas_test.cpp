// Areas, ring moments, traverse double area, segment and arc division.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kUnset = -7.5;

TEST(Areas, TrianglesAndQuadrilaterals) {
  double longest = 0, height = 0;
  EXPECT_DOUBLE_EQ(heron(3, 4, 5, &longest, &height), 6.0);
  EXPECT_DOUBLE_EQ(longest, 5.0);
  EXPECT_DOUBLE_EQ(height, 2.4);
  EXPECT_DOUBLE_EQ(heron_point3(0, 0, 4, 0, 0, 3, &longest, &height), 6.0);
  double d12 = 0, d23 = 0, d31 = 0;
  len_point3(0, 0, 4, 0, 0, 3, &d12, &d23, &d31);
  EXPECT_EQ(d12, 4.0);
  EXPECT_EQ(d23, 5.0);
  EXPECT_EQ(d31, 3.0);
  // Impossible triangles give 0.0.
  EXPECT_EQ(tri_area1(1, 1, kPi), 0.0);
  EXPECT_EQ(tri_area1(1, 1, 0), 0.0);
  EXPECT_EQ(tri_area1(-1, 1, 1), 0.0);
  EXPECT_EQ(tri_area2(1, 2, 2), 0.0);
  EXPECT_EQ(tri_area2(1, 0, 1), 0.0);
  std::mt19937_64 g(5);
  std::uniform_real_distribution<double> u(0.1, 1.0);
  for (int i = 0; i < 200; ++i) {
    const double a = 10 * u(g), b = 10 * u(g), th = 3 * u(g);
    EXPECT_NEAR(tri_area1(a, b, th), 0.5 * a * b * std::sin(th), 1e-12 * a * b);
    const double c = 10 * u(g), al = 1.4 * u(g), be = 1.4 * u(g);
    const double ga = kPi - al - be;
    EXPECT_NEAR(tri_area2(c, al, be), 0.5 * c * c * std::sin(al) * std::sin(be) / std::sin(ga), 1e-9 * c * c);
    // Brahmagupta on a rectangle a x b.
    EXPECT_NEAR(sihen_area(a, b, a, b), a * b, 1e-12 * a * b);
  }
}

TEST(Areas, SegmentsAndCornerCuts) {
  double th = 0;
  EXPECT_NEAR(enko_area(-5, 0, 5, 0, 5, &th), kPi * 25 / 2, 1e-12);
  EXPECT_NEAR(th, kPi, 1e-15);
  EXPECT_NEAR(enko_area2(3, 2 * kPi), kPi * 9, 1e-12);
  EXPECT_EQ(enko_area2(3, -0.1), 0.0);
  EXPECT_EQ(enko_area2(3, 7), 0.0);
  EXPECT_EQ(enko_area3(2, kPi * 4 / 2, 1e-12), 0.0);
  EXPECT_EQ(enko_area3(2, -1, 1e-12), 0.0);
  // Newton inverts enko_area2 over [0, pi r^2/2).
  for (double r : {0.5, 3.0, 120.0}) {
    for (int i = 1; i < 100; ++i) {
      const double A = i / 100.0 * kPi * r * r / 2;
      const double t = enko_area3(r, A, 1e-13);
      ASSERT_GT(t, 0.0);
      EXPECT_NEAR(enko_area2(r, t), A, 1e-10 * r * r) << r << " " << A;
    }
  }
  // Corner cuts against independent closed forms.
  for (double deg : {30.0, 60.0, 90.0, 120.0, 150.0}) {
    const double theta = deg * kPi / 180;
    double side = kUnset, T = kUnset;
    const double a1 = sumikiri1(3.0, theta, &side);
    EXPECT_NEAR(a1, 0.5 * side * side * std::sin(theta), 1e-12);
    EXPECT_NEAR(2 * side * std::sin(theta / 2), 3.0, 1e-12);
    const double phi = kPi - theta, R = 4.0;
    EXPECT_NEAR(sumikiri2(R, theta, &T), R * R * (std::tan(phi / 2) - phi / 2), 1e-12);
    EXPECT_NEAR(T, R * std::tan(phi / 2), 1e-12);
  }
  double side = kUnset;
  EXPECT_EQ(sumikiri1(3.0, 0.0, &side), 0.0);
  EXPECT_EQ(side, kUnset);
}

TEST(Areas, RingMomentsAndLabelPoint) {
  // Rectangle 4 x 2 at (1, 1): centroid (3, 2), Ix = b h^3 / 12, Iy = h b^3 / 12;
  // both senses, arrays unchanged.
  std::vector<double> x{1, 1, 5, 5}, y{1, 3, 3, 1};
  for (int sense = 0; sense < 2; ++sense) {
    const std::vector<double> x0 = x, y0 = y;
    double A = 0, gx = 0, gy = 0, Ix = 0, Iy = 0;
    danmen2(4, x.data(), y.data(), &A, &gx, &gy, &Ix, &Iy);
    EXPECT_DOUBLE_EQ(A, 8);
    EXPECT_DOUBLE_EQ(gx, 3);
    EXPECT_DOUBLE_EQ(gy, 2);
    EXPECT_NEAR(Ix, 4.0 * 8 / 12, 1e-13);
    EXPECT_NEAR(Iy, 2.0 * 64 / 12, 1e-13);
    EXPECT_EQ(x, x0);
    EXPECT_EQ(y, y0);
    std::reverse(x.begin(), x.end());
    std::reverse(y.begin(), y.end());
  }
  double A = kUnset, gx = kUnset, gy = kUnset;
  danmen(2, x.data(), y.data(), &A, &gx, &gy);
  EXPECT_EQ(A, kUnset);
  // A north-south edge a rounding step off vertical.
  const double e = 5.000000000000001;
  const std::vector<double> qx{5, e, 12, 10}, qy{0, 10, 10, 0};
  danmen(4, qx.data(), qy.data(), &A, &gx, &gy);
  // Exact: trapezoid of parallel sides 7 (top) and 5 (bottom), height 10.
  EXPECT_NEAR(A, 60, 1e-12);
  double cx = 0, cy = 0;
  {
    double sa = 0, sx = 0, sy = 0;  // shoelace centroid
    for (int i = 0; i < 4; ++i) {
      const int j = (i + 1) % 4;
      const double cr = qx[i] * qy[j] - qx[j] * qy[i];
      sa += cr;
      sx += (qx[i] + qx[j]) * cr;
      sy += (qy[i] + qy[j]) * cr;
    }
    cx = sx / (3 * sa);
    cy = sy / (3 * sa);
  }
  EXPECT_NEAR(gx, cx, 1e-12);
  EXPECT_NEAR(gy, cy, 1e-12);
  // Records give the same as the arrays.
  std::vector<survey_point> pts;
  std::vector<survey_line> lines;
  for (int i = 0; i < 4; ++i) {
    pts.push_back({qx[i], qy[i]});
    lines.push_back({qx[i], qy[i], qx[(i + 1) % 4], qy[(i + 1) % 4]});
  }
  double A2 = 0, gx2 = 0, gy2 = 0;
  danmenPoint(4, pts.data(), &A2, &gx2, &gy2);
  EXPECT_EQ(A2, A);
  EXPECT_EQ(gx2, gx);
  danmenP(4, lines.data(), &A2, &gx2, &gy2);
  EXPECT_EQ(gy2, gy);
  // A C-shaped ring has its centroid in the notch: the label point moves inside.
  const std::vector<double> cxs{0, 0, 10, 10, 2, 2, 10, 10}, cys{0, 10, 10, 8, 8, 2, 2, 0};
  double px = 0, py = 0;
  poly_inside(8, cxs.data(), cys.data(), &A, &px, &py);
  EXPECT_EQ(A, 52);
  EXPECT_EQ(InPolygon(8, cxs.data(), cys.data(), px, py), -1);
}

TEST(Areas, TraverseDoubleArea) {
  std::mt19937_64 g(11);
  std::uniform_real_distribution<double> u(0, 1);
  for (int trial = 0; trial < 50; ++trial) {
    const int n = 3 + trial % 8;
    std::vector<double> X(n), Y(n);
    for (int k = 0; k < n; ++k) {
      const double t = (k + 0.4 * u(g)) * 2 * kPi / n * (trial % 2 ? 1 : -1);
      X[k] = -35000 + 80 * std::cos(t);
      Y[k] = -5000 + 60 * std::sin(t);
    }
    std::vector<double> ang(n), len(n), dir(n), dY(n), dX(n), dmd(n), dbl(n);
    double total = 0;
    dmds(static_cast<int16_t>(n), X.data(), Y.data(), ang.data(), len.data(), dir.data(), dY.data(), dX.data(),
         dmd.data(), dbl.data(), &total);
    EXPECT_NEAR(total, 2 * work_area(static_cast<int16_t>(n), Y.data(), X.data()), 0.001 * 200 * n);
    double sum = 0;
    for (int k = 0; k < n; ++k) {
      sum += dms2deg(ang[k]);
      EXPECT_EQ(len[k], survey_round(dist(Y[k], X[k], Y[(k + 1) % n], X[(k + 1) % n]), 3));
      EXPECT_EQ(survey_round(dmd[k] * dY[k], 6), dbl[k]);
    }
    const double interior = (n - 2) * 180.0, exterior = (n + 2) * 180.0;
    EXPECT_TRUE(std::fabs(sum - interior) < 0.01 || std::fabs(sum - exterior) < 0.01) << sum;
    // The angle stored at station 2 lies between side 1 (arriving) and side 2.
    EXPECT_NEAR(dms2deg(ang[1]),
                rad2deg(kyoukaku(deg2rad(dms2deg(dir[0])), deg2rad(dms2deg(dir[1])))), 0.001);
  }
}

TEST(Areas, SegmentAndArcDivision) {
  double xo[8], yo[8], len = 0;
  line_dev(4, 0, 0, 8, 4, xo, yo, &len);
  EXPECT_DOUBLE_EQ(len, std::sqrt(80.0) / 4);
  EXPECT_EQ(xo[0], 2);
  EXPECT_EQ(yo[3], 4);
  struct Case {
    double step;
    int16_t mode;
    std::vector<double> at;
  } cases[] = {{3, 1, {3, 6, 9}}, {3, 2, {1, 4, 7}}, {11, 1, {}}, {3, 3, {}},
               {0, 1, {}},       {-2, 1, {}},      {1e-4, 1, {}}, {std::nan(""), 1, {}}};
  for (const Case& c : cases) {
    std::fill(xo, xo + 8, kUnset);
    const int16_t k = line_devL(0, 0, 0, 10, c.step, c.mode, xo, yo);
    ASSERT_EQ(k, static_cast<int16_t>(c.at.size())) << c.step;
    for (size_t i = 0; i < c.at.size(); ++i) EXPECT_NEAR(yo[i], c.at[i], 1e-12);
    if (c.at.empty()) {
      EXPECT_EQ(xo[0], kUnset);
    }
  }
  // Quarter circle from north to east, turning clockwise: 3 parts of 30 degrees.
  double arclen = 0, dth = 0;
  circ_dev(0, 0, 0, 10, 10, 0, 3, xo, yo, &arclen, &dth);
  EXPECT_NEAR(dth, kPi / 6, 1e-15);
  EXPECT_NEAR(arclen, 10 * kPi / 6, 1e-13);
  EXPECT_NEAR(xo[0], 5, 1e-12);
  EXPECT_NEAR(xo[2], 10, 1e-12);
  EXPECT_NEAR(yo[2], 0, 1e-12);
  const int16_t k1 = circ_devL(0, 0, 0, 10, 10, 0, 4, 1, xo, yo);
  EXPECT_EQ(k1, 3);  // 15.7 of arc
  EXPECT_NEAR(std::atan2(xo[0], yo[0]) * 10, 4, 1e-12);
  const int16_t k2 = circ_devL(0, 0, 0, 10, 10, 0, 4, 2, xo, yo);
  EXPECT_EQ(k2, 3);
  EXPECT_NEAR(std::atan2(xo[2], yo[2]) * 10, 5 * kPi - 4, 1e-12);
  for (double step : {0.0, -1.0, 1e-4, 20.0}) EXPECT_EQ(circ_devL(0, 0, 0, 10, 10, 0, step, 1, xo, yo), 0);
}

}  // namespace
