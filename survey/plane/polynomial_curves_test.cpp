// Bezier curves and B-spline segments against de Casteljau and the Cox-de Boor basis;
// sample counts and the cells after them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kSentinel = -777.25;

using Coeffs = void(SURVEY_CALL*)(const double*, double*);
using Eval = double(SURVEY_CALL*)(const double*, double);

double casteljau(std::vector<double> p, double t) {
  for (size_t r = p.size() - 1; r > 0; --r)
    for (size_t i = 0; i < r; ++i) p[i] = (1 - t) * p[i] + t * p[i + 1];
  return p[0];
}

// Cox-de Boor basis of degree k on the knots 0, 1, 2, ...
double basis(int i, int k, double u) {
  if (k == 0) return (u >= i && u < i + 1) ? 1.0 : 0.0;
  return (u - i) / k * basis(i, k - 1, u) + (i + k + 1 - u) / k * basis(i + 1, k - 1, u);
}

// The uniform cubic segment over [3, 4], control values p0..p3; t = 1 is taken a
// hair inside, as each basis interval is half-open.
double de_boor(const double* p, double t) {
  double v = 0.0;
  for (int i = 0; i < 4; ++i) v += p[i] * basis(i, 3, 3 + t * (1 - 1e-15));
  return v;
}

// The accumulated parameters that the samplers use.
std::vector<double> params(int n) {
  std::vector<double> t;
  double v = 0.0;
  for (int i = 0; i <= n; ++i, v += 1.0 / n) t.push_back(v);
  return t;
}

TEST(PolynomialCurves, DecoratedNamesOnly) {
  const struct {
    const char* decorated;
    const char* plain;
    void* fn;
  } rows[] = {{"_bezierk@8", "bezierk", reinterpret_cast<void*>(&bezierk)},
              {"_be_honer@12", "be_honer", reinterpret_cast<void*>(&be_honer)},
              {"_bezierk2@8", "bezierk2", reinterpret_cast<void*>(&bezierk2)},
              {"_work_spline@12", "work_spline", reinterpret_cast<void*>(&work_spline)}};
  for (const auto& r : rows) {
    EXPECT_EQ(survey_bind(r.decorated), r.fn) << r.decorated;
    EXPECT_EQ(survey_bind(r.plain), nullptr) << r.plain;
  }
}

TEST(PolynomialCurves, PowerFormsMatchDeCasteljau) {
  auto coeffs = reinterpret_cast<Coeffs>(survey_bind("_bezierk@8"));
  auto horner = reinterpret_cast<Eval>(survey_bind("_be_honer@12"));
  auto coeffs2 = reinterpret_cast<Coeffs>(survey_bind("_bezierk2@8"));
  ASSERT_TRUE(coeffs && horner && coeffs2);
  const double cubics[][4] = {{0, 1, 2, 3}, {1, 5, -2, 4}, {-3.25, 10.5, 7, 0.125},
                              {1000.5, 980.25, 1020, 1001}};
  for (const auto& p : cubics) {
    double k[4];
    coeffs(p, k);
    EXPECT_EQ(horner(k, 0.0), p[0]);
    EXPECT_NEAR(horner(k, 1.0), p[3], 1e-12);
    for (double t = 0; t <= 1; t += 0.0625)
      EXPECT_NEAR(horner(k, t), casteljau({p[0], p[1], p[2], p[3]}, t), 1e-12);
  }
  double k[4] = {1, 2, 3, 4};
  EXPECT_EQ(horner(k, 2.0), 26.0);  // ((2 + 2) 2 + 3) 2 + 4
  const double quads[][3] = {{0, 1, 2}, {1, 5, -2}, {-3.25, 10.5, 7}};
  for (const auto& p : quads) {
    double kq[3];
    coeffs2(p, kq);
    for (double t = 0; t <= 1; t += 0.0625)
      EXPECT_NEAR((kq[0] * t + kq[1]) * t + kq[2], casteljau({p[0], p[1], p[2]}, t), 1e-13);
  }
  // Output may be the input array.
  double p[4] = {1, 5, -2, 4};
  coeffs(p, p);
  EXPECT_EQ(p[0], 3 * (5 - -2) + (4 - 1));
  EXPECT_EQ(p[3], 1.0);
}

TEST(PolynomialCurves, SplineSegmentMatchesCoxDeBoor) {
  auto spline = reinterpret_cast<Eval>(survey_bind("_work_spline@12"));
  ASSERT_NE(spline, nullptr);
  const double ps[][4] = {{0, 1, 2, 3}, {1, 5, -2, 4}, {-3.25, 10.5, 7, 0.125}, {6, 6, 6, 6}};
  for (const auto& p : ps)
    for (double t = 0; t <= 1; t += 0.0625) EXPECT_NEAR(spline(p, t), de_boor(p, t), 1e-13);
  const double p[4] = {0, 6, 12, 0};
  EXPECT_NEAR(spline(p, 0), 6.0, 1e-15);  // (p0 + 4 p1 + p2) / 6
  EXPECT_NEAR(spline(p, 1), 9.0, 1e-15);  // (p1 + 4 p2 + p3) / 6
}

// Runs a plane or spatial sampler for n and checks n + 1 points against want(t, coord)
// and the untouched cell after them.
template <class Sample, class Want>
void check_samples(Sample sample, Want want, int dims) {
  for (int16_t n : {int16_t(-1), int16_t(0), int16_t(1), int16_t(4), int16_t(10)}) {
    SCOPED_TRACE(n);
    const size_t cells = n > 0 ? n + 2 : 2;
    std::vector<double> out[3];
    for (auto& o : out) o.assign(cells, kSentinel);
    sample(n, out[0].data(), out[1].data(), out[2].data());
    if (n < 1) {
      for (int d = 0; d < 3; ++d) EXPECT_EQ(out[d][0], kSentinel);
      continue;
    }
    const auto t = params(n);
    for (int d = 0; d < 3; ++d) {
      for (int i = 0; i <= n; ++i)
        EXPECT_NEAR(out[d][i], d < dims ? want(t[i], d) : kSentinel, 1e-12) << d << " " << i;
      EXPECT_EQ(out[d][n + 1], kSentinel);
    }
    if (n == 10) {
      EXPECT_LT(t[10], 1.0);  // the accumulated step ends a hair short of 1
    }
  }
}

TEST(PolynomialCurves, Samplers) {
  const double px[4] = {0, 10, 20, 40}, py[4] = {5, -5, 15, 0}, pz[4] = {1, 2, 3, 4};
  const double* const p[3] = {px, py, pz};
  auto bez3 = [&](double t, int d) { return casteljau({p[d][0], p[d][1], p[d][2], p[d][3]}, t); };
  auto bez2 = [&](double t, int d) { return casteljau({p[d][0], p[d][1], p[d][2]}, t); };
  auto spl = [&](double t, int d) { return de_boor(p[d], t); };
  check_samples([&](int16_t n, double* x, double* y, double*) { bezier3_1(px, py, n, x, y); }, bez3, 2);
  check_samples([&](int16_t n, double* x, double* y, double* z) { bezier3(px, py, pz, n, x, y, z); },
                bez3, 3);
  check_samples([&](int16_t n, double* x, double* y, double*) { bezier2_1(px, py, n, x, y); }, bez2, 2);
  check_samples([&](int16_t n, double* x, double* y, double* z) { bezier2(px, py, pz, n, x, y, z); },
                bez2, 3);
  check_samples([&](int16_t n, double* x, double* y, double*) { bspline2(px, py, n, x, y); }, spl, 2);
  check_samples([&](int16_t n, double* x, double* y, double* z) { bspline3(px, py, pz, n, x, y, z); },
                spl, 3);
  // The ends: the first point at t = 0, the last at t = 1 up to the accumulated step.
  double x[5], y[5];
  bspline2(px, py, 4, x, y);
  EXPECT_NEAR(x[0], (px[0] + 4 * px[1] + px[2]) / 6, 1e-14);
  EXPECT_NEAR(x[4], (px[1] + 4 * px[2] + px[3]) / 6, 1e-14);
  bezier3_1(px, py, 4, x, y);
  EXPECT_EQ(x[0], px[0]);
  EXPECT_EQ(y[4], py[3]);
}

}  // namespace
