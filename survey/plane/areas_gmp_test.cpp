// Ring area, centroid and second moments against exact rational arithmetic.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;

struct Exact {
  mpq_class A, xg, yg, Ix, Iy;
};

// Green's theorem on the exact values of the doubles, either sense.
Exact exact_moments(const std::vector<double>& x, const std::vector<double>& y) {
  mpq_class a2 = 0, sx = 0, sy = 0, syy = 0, sxx = 0;
  const size_t n = x.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    const mpq_class x1 = x[i], y1 = y[i], x2 = x[j], y2 = y[j];
    const mpq_class c = x1 * y2 - x2 * y1;
    a2 += c;
    sx += (x1 + x2) * c;
    sy += (y1 + y2) * c;
    sxx += (x1 * x1 + x1 * x2 + x2 * x2) * c;
    syy += (y1 * y1 + y1 * y2 + y2 * y2) * c;
  }
  if (a2 < 0) {
    a2 = -a2;
    sx = -sx;
    sy = -sy;
    sxx = -sxx;
    syy = -syy;
  }
  Exact e;
  e.A = a2 / 2;
  e.xg = sx / (3 * a2);
  e.yg = sy / (3 * a2);
  e.Ix = syy / 12 - e.A * e.yg * e.yg;
  e.Iy = sxx / 12 - e.A * e.xg * e.xg;
  return e;
}

double rel(double v, const mpq_class& exact) {
  const mpq_class d = mpq_class(v) - exact;
  return std::fabs(d.get_d()) / std::max(std::fabs(exact.get_d()), 1e-300);
}
double abs_err(double v, const mpq_class& exact) { return std::fabs(mpq_class(mpq_class(v) - exact).get_d()); }

TEST(AreasExact, RingMomentsAtPlaneCoordinates) {
  std::mt19937_64 g(29);
  std::uniform_real_distribution<double> u(0, 1);
  const double cases[][3] = {{0, 0, 40}, {-35000, -5000, 40}, {-250000, 180000, 6}, {-250000, 180000, 10}};
  double worst_c = 0, worst_i = 0, worst_a = 0;
  for (const auto& c : cases) {
    for (int trial = 0; trial < 100; ++trial) {
      const int n = 3 + trial % 10;
      std::vector<double> x(n), y(n), t(n);
      for (int k = 0; k < n; ++k) t[k] = (k + 0.45 * u(g)) * 2 * kPi / n;
      const bool star = trial % 3 == 0;
      for (int k = 0; k < n; ++k) {
        const double s = star ? 0.3 + 0.7 * u(g) : 1.0;
        x[k] = c[0] + s * c[2] * std::cos(t[k]);
        y[k] = c[1] + s * c[2] * 0.7 * std::sin(t[k]);
      }
      // A chord a rounding step off north-south: its end shares the x of its start
      // but for one unit in the last place.
      if (trial % 4 == 1) x[1] = std::nextafter(x[0], x[0] + 1);
      if (trial % 2) {
        std::reverse(x.begin(), x.end());
        std::reverse(y.begin(), y.end());
      }
      const std::vector<double> x0 = x, y0 = y;
      double A = 0, gx = 0, gy = 0, Ix = 0, Iy = 0;
      danmen2(static_cast<int16_t>(n), x.data(), y.data(), &A, &gx, &gy, &Ix, &Iy);
      ASSERT_EQ(x, x0);
      ASSERT_EQ(y, y0);
      const Exact e = exact_moments(x, y);
      // The centroid to the rounding of the coordinates (1e-12 m near the origin).
      const double ulp = std::max(1e-12, std::ldexp(1.0, std::ilogb(std::max(std::fabs(c[0]), std::fabs(c[1])) + 1) - 52));
      EXPECT_LE(abs_err(gx, e.xg), ulp) << trial;
      EXPECT_LE(abs_err(gy, e.yg), ulp) << trial;
      EXPECT_LE(rel(A, e.A), 1e-9) << trial;
      EXPECT_LE(rel(Ix, e.Ix), 1e-13) << trial;
      EXPECT_LE(rel(Iy, e.Iy), 1e-13) << trial;
      worst_c = std::max({worst_c, abs_err(gx, e.xg), abs_err(gy, e.yg)});
      worst_i = std::max({worst_i, rel(Ix, e.Ix), rel(Iy, e.Iy)});
      worst_a = std::max(worst_a, rel(A, e.A));
    }
  }
  std::printf("largest centroid error %.3g m, relative moment error %.3g, relative area error %.3g\n", worst_c,
              worst_i, worst_a);
}

}  // namespace
