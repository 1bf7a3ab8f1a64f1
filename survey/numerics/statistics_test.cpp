// Sums, means and deviations, correlation, regression lines and curves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "survey/survey.h"

#ifdef SURVEY_TEST_HAVE_GSL
#include <gsl/gsl_fit.h>
#include <gsl/gsl_multifit.h>
#include <gsl/gsl_statistics_double.h>
#endif

namespace {

constexpr double kPi = 3.141592653589793;

using Vec = std::vector<double>;

int16_t n16(const Vec& v) { return static_cast<int16_t>(v.size()); }

TEST(Sums, SmallIntegerSeries) {
  const Vec x = {1, -2, 3, 4}, y = {2, 5, -1, 3};
  EXPECT_EQ(sigma(4, x.data()), 6.0);
  EXPECT_EQ(sigma_sq(4, x.data()), 30.0);
  EXPECT_EQ(sigma_xy(4, x.data(), y.data()), 1.0);
  struct Case {
    int16_t mode;
    double sum;
  } modes[] = {{1, 69.0}, {2, -9.0}, {3, 71.0}, {4, 67.0}, {0, 0.0}, {5, 0.0}, {-1, 0.0}};
  for (const auto& c : modes) EXPECT_EQ(sigma_x2y2(4, x.data(), y.data(), c.mode), c.sum) << c.mode;
  EXPECT_EQ(sa_sq(4, x.data()), 4 * 30.0 - 36.0);
  EXPECT_EQ(sa_xy(4, x.data(), y.data()), 4 * 1.0 - 6.0 * 9.0);
  // Empty and negative counts read nothing and give 0.0.
  for (int16_t n : {0, -3}) {
    EXPECT_EQ(sigma(n, nullptr), 0.0);
    EXPECT_EQ(sigma_sq(n, nullptr), 0.0);
    EXPECT_EQ(sigma_xy(n, nullptr, nullptr), 0.0);
    EXPECT_EQ(sigma_x2y2(n, nullptr, nullptr, 1), 0.0);
    EXPECT_EQ(sigma_cmp(n, nullptr, ">", 0.0), 0.0);
    EXPECT_EQ(sa_sq(n, nullptr), 0.0);
    EXPECT_EQ(sa_xy(n, nullptr, nullptr), 0.0);
    EXPECT_EQ(pearson(n, nullptr, nullptr), 0.0);
    EXPECT_EQ(s_sigma(n, 1, 1, 1, 1, 1, 1), 0.0);  // the closed form is not 0 for n < 0
  }
}

TEST(Sums, ConditionalSumFollowsTheFilterOperators) {
  const Vec a = {1, 2, 3, 2, -6};
  struct Case {
    const char* op;
    double sum;
  } cases[] = {
      {"=", 4.0},  {">", 3.0},   {">=", 7.0},  {"<", -5.0}, {"<=", -1.0}, {"<>", -2.0},
      {"=>", 4.0},  // only the first character counts here: "="
      {">x", 3.0}, {"<=junk", -1.0}, {"<>=", -2.0}, {"", 0.0}, {"!=", 0.0}, {"x", 0.0}, {" <", 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.op);
    EXPECT_EQ(sigma_cmp(n16(a), a.data(), c.op, 2.0), c.sum);
    Vec out(a.size());
    const int16_t k = dmat_cmp(n16(a), a.data(), c.op, 2.0, out.data());
    EXPECT_EQ(sigma(k, out.data()), c.sum);  // same selection as the filter
  }
  EXPECT_EQ(sigma_cmp(n16(a), a.data(), nullptr, 2.0), 0.0);
  EXPECT_EQ(sigma_cmp(n16(a), a.data(), "<>", std::nan("")), 2.0);  // NaN differs from all
}

TEST(Sums, ClosedFormPowerSumsAreExact) {
  EXPECT_EQ(s_sigma(3, 0, 0, 0, 1, 0, 0), 14.0);
  EXPECT_EQ(s_sigma(2, 1, 0, 0, 0, 0, 0), 33.0);
  for (int16_t n = 1; n <= 200; ++n) {
    double brute[6] = {};  // sums of k^0 .. k^5, exact integers below 2^53
    for (int k = 1; k <= n; ++k) {
      double p = 1.0;
      for (int e = 0; e <= 5; ++e, p *= k) brute[e] += p;
    }
    SCOPED_TRACE(n);
    EXPECT_EQ(s_sigma(n, 1, 0, 0, 0, 0, 0), brute[5]);
    EXPECT_EQ(s_sigma(n, 0, 1, 0, 0, 0, 0), brute[4]);
    EXPECT_EQ(s_sigma(n, 0, 0, 1, 0, 0, 0), brute[3]);
    EXPECT_EQ(s_sigma(n, 0, 0, 0, 1, 0, 0), brute[2]);
    EXPECT_EQ(s_sigma(n, 0, 0, 0, 0, 1, 0), brute[1]);
    EXPECT_EQ(s_sigma(n, 0, 0, 0, 0, 0, 1), brute[0]);
    EXPECT_EQ(s_sigma(n, 2, -3, 1, 5, -7, 4),
              2 * brute[5] - 3 * brute[4] + brute[3] + 5 * brute[2] - 7 * brute[1] + 4 * brute[0]);
  }
}

TEST(Means, CheckValues) {
  const Vec a = {2, 4, 4, 4, 5, 5, 7, 9};
  EXPECT_EQ(work_ave(n16(a), a.data()), 5.0);
  EXPECT_EQ(work_hensa(n16(a), a.data()), 2.0);  // population form
  EXPECT_EQ(heikin_hensa(n16(a), a.data()), 1.5);
  double mean = 0, sd = 0, mx = 0, mn = 0;
  heikin(n16(a), a.data(), &mean, &sd, &mx, &mn);
  EXPECT_EQ(Vec({mean, sd, mx, mn}), Vec({5, 2, 9, 2}));
  EXPECT_TRUE(std::isnan(work_ave(0, nullptr)));

  struct MedianCase {
    Vec in;
    double median;
  } medians[] = {{{3, 1, 2}, 2.0}, {{4, 1, 3, 2}, 2.5}, {{7}, 7.0}, {{-1, 5}, 2.0}, {{2, 2, 1, 2}, 2.0}};
  for (auto& c : medians) {
    Vec sorted = c.in;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(median(n16(c.in), c.in.data()), c.median);
    EXPECT_EQ(c.in, sorted);  // left sorted
  }

  const Vec h = {1, 0, 2};
  EXPECT_EQ(chouwa_heikin(3, h.data()), 2.0 / 1.5);
  const Vec g = {1, 0, 100};
  EXPECT_EQ(soujou_heikin(3, g.data()), 10.0);
  const Vec zeros = {0, 0};
  const Vec negative = {4, -1};
  EXPECT_TRUE(std::isnan(chouwa_heikin(2, zeros.data())) && std::isnan(soujou_heikin(2, zeros.data())) &&
              std::isnan(soujou_heikin(2, negative.data())));
  EXPECT_EQ(Vec({chouwa_heikin(0, nullptr), soujou_heikin(0, nullptr), median(0, nullptr)}), Vec({0, 0, 0}));
}

// median sorts by std::sort where that gives the same array as dsort_shou (no NaN,
// no +0 beside -0): the arrays and results must agree bit for bit, special values
// included.
TEST(Means, MedianSortsLikeTheSelectionSort) {
  std::mt19937_64 gen(1207);
  std::uniform_int_distribution<int> count(1, 300), pick(0, 15);
  std::uniform_real_distribution<double> value(-50.0, 50.0);
  const double specials[] = {0.0, -0.0, std::nan(""), -std::nan(""), HUGE_VAL, -HUGE_VAL, 5e-324, 1.0};
  long elements = 0;
  for (int trial = 0; trial < 70000; ++trial) {
    const int n = count(gen);
    const int special_rate = trial % 4;  // none, few, some, many special values
    Vec a(n);
    for (auto& v : a) {
      v = std::round(value(gen) * (trial % 3 == 0 ? 1.0 : 100.0)) / 8.0;  // many ties
      if (special_rate > 0 && pick(gen) < special_rate * special_rate) v = specials[pick(gen) % 8];
    }
    Vec fast = a, slow = a;
    const double m = median(static_cast<int16_t>(n), fast.data());
    dsort_shou(static_cast<int16_t>(n), slow.data());
    const double literal = (n % 2 == 1) ? slow[(n + 1) / 2 - 1] : (slow[n / 2 - 1] + slow[n / 2]) * 0.5;
    ASSERT_EQ(std::memcmp(fast.data(), slow.data(), n * sizeof(double)), 0) << "trial " << trial;
    // Which NaN a sum of two NaNs keeps depends on the compiler's operand order.
    if (std::isnan(literal))
      ASSERT_TRUE(std::isnan(m)) << "trial " << trial;
    else
      ASSERT_EQ(std::memcmp(&m, &literal, sizeof m), 0) << "trial " << trial;
    elements += n;
  }
  EXPECT_GT(elements, 10000000);  // inputs compared
}

TEST(Means, WeightedMeanAndDistribution) {
  const Vec v = {1, 2, 4}, w = {1, 2, 1};
  double mean = -7, sd = -7;
  heikin2(3, v.data(), w.data(), &mean, &sd);
  EXPECT_EQ(mean, 9.0 / 4.0);
  EXPECT_EQ(sd, std::sqrt(25.0 / 4.0 - 81.0 / 16.0));
  mean = sd = -7;
  heikin2(0, v.data(), w.data(), &mean, &sd);
  EXPECT_EQ(mean, -7.0);
  EXPECT_EQ(sd, -7.0);

  const Vec a = {1, 3};
  Vec out = {-7, -7};
  double diff = -7;
  kajyu_heikin(2, a.data(), 8.0, out.data(), &diff);
  EXPECT_EQ(diff, 4.0);
  EXPECT_EQ(out, (Vec{2, 6}));
  out = {-7, -7};
  diff = -7;
  kajyu_heikin(2, a.data(), 0.0, out.data(), &diff);  // total 0 is refused
  EXPECT_EQ(diff, -7.0);
  EXPECT_EQ(out, (Vec{-7, -7}));
  const Vec b = {0.1, 0.7, 2.2};
  out.assign(3, 0.0);
  kajyu_heikin(3, b.data(), 10.0, out.data(), &diff);
  EXPECT_NEAR(sigma(3, out.data()), 10.0, 1e-14);
}

// A constant series: the radicand of the deviation can round below zero, which
// used to give NaN; now it gives 0.
TEST(Means, ConstantSeriesHaveZeroDeviation) {
  const Vec tenth = {0.1, 0.1, 0.1};
  const double m = work_ave(3, tenth.data());
  ASSERT_LT(sigma_sq(3, tenth.data()) / 3 - m * m, 0.0);  // the case that rounds below 0
  EXPECT_EQ(work_hensa(3, tenth.data()), 0.0);
  const Vec ones = {1, 1, 1};
  double mean = 0, sd = -7;
  heikin2(3, tenth.data(), ones.data(), &mean, &sd);
  EXPECT_EQ(sd, 0.0);

  std::mt19937_64 gen(7);
  std::uniform_real_distribution<double> value(-1000.0, 1000.0);
  std::uniform_int_distribution<int> count(1, 50);
  int negative = 0;
  for (int i = 0; i < 20000; ++i) {
    const Vec c(count(gen), value(gen));
    const Vec w(c.size(), 0.5 + (i % 7));
    const double mc = work_ave(n16(c), c.data());
    if (sigma_sq(n16(c), c.data()) / n16(c) - mc * mc < 0.0) ++negative;
    const double s = work_hensa(n16(c), c.data());
    ASSERT_FALSE(std::isnan(s)) << c[0] << " x " << c.size();
    ASSERT_LE(s, 1e-7 * std::fabs(c[0]));  // the square root of a rounding of c^2
    heikin2(n16(c), c.data(), w.data(), &mean, &sd);
    ASSERT_FALSE(std::isnan(sd)) << c[0] << " x " << c.size();
  }
  EXPECT_GT(negative, 1000);  // the fault is common, not a corner case
}

// An empty series reads no element for the largest and smallest, and leaves them.
TEST(Means, EmptySeriesLeavesMaxAndMin) {
  double mean = 0, sd = 0, mx = -7, mn = -7;
  heikin(0, nullptr, &mean, &sd, &mx, &mn);
  EXPECT_TRUE(std::isnan(mean));
  EXPECT_TRUE(std::isnan(sd));
  EXPECT_EQ(mx, -7.0);
  EXPECT_EQ(mn, -7.0);
  heikin(-2, nullptr, &mean, &sd, &mx, &mn);
  EXPECT_EQ(mx, -7.0);
}

TEST(Correlation, ProportionalAndIndependentSeries) {
  const Vec x = {1, 2, 3, 4, 5}, y = {2, 4, 6, 8, 10}, z = {5, 4, 3, 2, 1};
  EXPECT_DOUBLE_EQ(pearson(5, x.data(), y.data()), 1.0);  // within rounding of the roots
  EXPECT_DOUBLE_EQ(pearson(5, x.data(), z.data()), -1.0);
  const Vec u = {0, 2}, v = {0, 4};  // sa_sq 4 and 16, sa_xy 8: exact
  EXPECT_EQ(pearson(2, u.data(), v.data()), 1.0);
  double mx = 0, my = 0, cov = 0, r = 0;
  correl(5, x.data(), y.data(), &mx, &my, &cov, &r);
  EXPECT_EQ(Vec({mx, my, cov}), Vec({3, 6, 4}));
  EXPECT_DOUBLE_EQ(r, 1.0);
  correl(0, nullptr, nullptr, &mx, &my, &cov, &r);  // 0/0 throughout
  EXPECT_TRUE(std::isnan(mx) && std::isnan(my) && std::isnan(cov) && std::isnan(r));
}

TEST(Regression, LinesAndTheirDirection) {
  const Vec x = {0, 1, 2}, y = {1, 3, 5};
  double slope = 0, intercept = 0;
  EXPECT_EQ(kaiki_line(3, x.data(), y.data(), &slope, &intercept), 3);
  EXPECT_EQ(Vec({slope, intercept}), Vec({2, 1}));
  double mx = 0, my = 0, sxy = 0, sxx = 0;
  EXPECT_EQ(kaiki_work(3, x.data(), y.data(), &mx, &my, &sxy, &sxx), 3);
  EXPECT_EQ(Vec({mx, my, sxy, sxx}), Vec({1, 3, 4, 2}));

  // Direction angle of the line: from +y, clockwise; a rising line lies in [0, pi/2].
  struct Case {
    Vec y;
    double slope, angle;
  } lines[] = {
      {{0, 1, 2, 3}, 1.0, kPi / 4},  {{3, 2, 1, 0}, -1.0, 3 * kPi / 4}, {{5, 5, 5, 5}, 0.0, kPi / 2},
      {{0, 3, 6, 9}, 3.0, std::atan(1.0 / 3.0)},
  };
  const Vec xs = {10, 11, 12, 13};
  for (const auto& c : lines) {
    SCOPED_TRACE(c.slope);
    double m = 0, k = 0, t = 0;
    kaiki_line2(4, xs.data(), c.y.data(), &m, &k, &t);
    EXPECT_EQ(m, c.slope);
    EXPECT_DOUBLE_EQ(t, c.angle);
    double m1 = 0, k1 = 0;
    kaiki_line(4, xs.data(), c.y.data(), &m1, &k1);
    EXPECT_EQ(Vec({m, k}), Vec({m1, k1}));
  }

  // n < 1: kaiki_work returns 0 with zero sums and leaves the means; the lines
  // write nothing.
  mx = my = sxy = sxx = -7;
  EXPECT_EQ(kaiki_work(0, nullptr, nullptr, &mx, &my, &sxy, &sxx), 0);
  EXPECT_EQ(Vec({mx, my, sxy, sxx}), Vec({-7, -7, 0, 0}));
  EXPECT_EQ(kaiki_work(-5, nullptr, nullptr, &mx, &my, &sxy, &sxx), 0);
  slope = intercept = -7;
  double t = -7;
  EXPECT_EQ(kaiki_line(0, nullptr, nullptr, &slope, &intercept), 0);
  kaiki_line2(-1, nullptr, nullptr, &slope, &intercept, &t);
  EXPECT_EQ(Vec({slope, intercept, t}), Vec({-7, -7, -7}));
  // A single point: 0/0, as the method has it.
  const double one = 4.0;
  EXPECT_EQ(kaiki_line(1, &one, &one, &slope, &intercept), 1);
  EXPECT_TRUE(std::isnan(slope));
}

TEST(Regression, Curves) {
  Vec x, y;
  for (int i = -3; i <= 6; ++i) {
    x.push_back(0.5 * i);
    y.push_back(2.0 * std::exp(0.5 * x.back()));
  }
  double A = -7, B = -7;
  kaiki_sisu(n16(x), x.data(), y.data(), &A, &B);
  EXPECT_NEAR(A, 2.0, 1e-14);
  EXPECT_NEAR(B, 0.5, 1e-14);
  y[2] = -1.0;  // a non-positive y: NaN
  kaiki_sisu(n16(x), x.data(), y.data(), &A, &B);
  EXPECT_TRUE(std::isnan(A));

  for (auto& v : y) v = 0;
  for (size_t i = 0; i < x.size(); ++i) y[i] = x[i] * x[i] - 1.0;
  double a = -7, b = -7, c = -7;
  kaiki_houbutu(n16(x), x.data(), y.data(), &a, &b, &c);
  EXPECT_NEAR(a, 1.0, 1e-14);
  EXPECT_NEAR(b, 0.0, 1e-14);
  EXPECT_NEAR(c, -1.0, 1e-14);
  a = b = c = -7;
  kaiki_houbutu(0, nullptr, nullptr, &a, &b, &c);
  EXPECT_EQ(Vec({a, b, c}), Vec({-7, -7, -7}));

  // The raw normal equations lose the intercept away from the origin: 11 points
  // x0 .. x0 + 10 of y = x^2 - 1.
  struct Range {
    double x0, c_tolerance;
  } ranges[] = {{0, 1e-13}, {30, 1e-8}, {100, 1e-5}, {500, 0.05}, {1000, 0.5}};
  for (const auto& r : ranges) {
    Vec px, py;
    for (int i = 0; i <= 10; ++i) {
      px.push_back(r.x0 + i);
      py.push_back(px.back() * px.back() - 1.0);
    }
    kaiki_houbutu(11, px.data(), py.data(), &a, &b, &c);
    EXPECT_NEAR(c, -1.0, r.c_tolerance) << r.x0;
  }
}

#ifdef SURVEY_TEST_HAVE_GSL
// Random series against GSL. Tolerances are relative to the scale of the result
// and cover the rounding of sums over at most 500 terms of this spread.
TEST(Reference, AgainstGsl) {
  std::mt19937_64 gen(15);
  std::uniform_int_distribution<int> count(2, 500);
  std::uniform_real_distribution<double> offset(-100.0, 100.0), spread(0.1, 50.0), unit(-1.0, 1.0);
  for (int trial = 0; trial < 300; ++trial) {
    const int n = count(gen);
    const double ox = offset(gen), sx = spread(gen), slope = 3 * unit(gen);
    Vec x(n), y(n), w(n);
    for (int i = 0; i < n; ++i) {
      x[i] = ox + sx * unit(gen);
      y[i] = slope * x[i] + 2.0 + sx * unit(gen);
      w[i] = 1.0 + unit(gen) * 0.9;
    }
    const int16_t k = static_cast<int16_t>(n);
    SCOPED_TRACE(testing::Message() << "trial " << trial << " n " << n);
    const double mean = gsl_stats_mean(x.data(), 1, n);
    EXPECT_NEAR(work_ave(k, x.data()), mean, 1e-13 * (std::fabs(ox) + sx));
    const double sd = gsl_stats_sd_with_fixed_mean(x.data(), 1, n, mean);
    // sum a^2 / n - mean^2 cancels (mean/sd)^2 digits: 1e-14 relative to mean^2 / sd.
    EXPECT_NEAR(work_hensa(k, x.data()), sd, 1e-14 * (1 + mean * mean / sd));
    EXPECT_NEAR(heikin_hensa(k, x.data()), gsl_stats_absdev_m(x.data(), 1, n, mean), 1e-12 * sx);

    double wm = 0, wsd = 0;
    heikin2(k, x.data(), w.data(), &wm, &wsd);
    const double gwm = gsl_stats_wmean(w.data(), 1, x.data(), 1, n);
    EXPECT_NEAR(wm, gwm, 1e-13 * (std::fabs(ox) + sx));
    const double gwsd = std::sqrt(gsl_stats_wvariance_with_fixed_mean(w.data(), 1, x.data(), 1, n, gwm));
    EXPECT_NEAR(wsd, gwsd, 1e-14 * (1 + gwm * gwm / gwsd));

    double mx = 0, my = 0, cov = 0, r = 0;
    correl(k, x.data(), y.data(), &mx, &my, &cov, &r);
    const double gr = gsl_stats_correlation(x.data(), 1, y.data(), 1, n);
    EXPECT_NEAR(r, gr, 1e-12);
    EXPECT_NEAR(cov, gsl_stats_covariance(x.data(), 1, y.data(), 1, n) * (n - 1) / n,
                1e-12 * gsl_stats_sd(x.data(), 1, n) * gsl_stats_sd(y.data(), 1, n));
    // n*sum xy - sum x * sum y cancels like the deviation.
    EXPECT_NEAR(pearson(k, x.data(), y.data()), gr, 1e-12 * (1 + (ox * ox + 4) / (sx * sx)));

    double c0 = 0, c1 = 0, c00 = 0, c01 = 0, c11 = 0, ss = 0;
    gsl_fit_linear(x.data(), 1, y.data(), 1, n, &c0, &c1, &c00, &c01, &c11, &ss);
    double m = 0, b = 0, t = 0;
    kaiki_line2(k, x.data(), y.data(), &m, &b, &t);
    EXPECT_NEAR(m, c1, 1e-12 * (1 + std::fabs(c1)));
    EXPECT_NEAR(b, c0, 1e-12 * (1 + std::fabs(c0) + std::fabs(c1 * ox)));
    EXPECT_NEAR(std::tan(kPi / 2 - t), c1, 1e-11 * (1 + c1 * c1));  // direction of slope c1

    // Exponential curve through ln y.
    Vec ey(n), ly(n);
    for (int i = 0; i < n; ++i) {
      ey[i] = 3.0 * std::exp(0.01 * slope * x[i]) * (1 + 0.01 * unit(gen));
      ly[i] = std::log(ey[i]);
    }
    gsl_fit_linear(x.data(), 1, ly.data(), 1, n, &c0, &c1, &c00, &c01, &c11, &ss);
    double A = 0, B = 0;
    kaiki_sisu(k, x.data(), ey.data(), &A, &B);
    EXPECT_NEAR(std::log(A), c0, 1e-10 * (1 + ox * ox / (sx * sx)));
    EXPECT_NEAR(B, c1, 1e-10 * (1 + std::fabs(ox) / sx) / sx);

    // Median: GSL sorts a copy; ours sorts in place.
    Vec sorted = x;
    std::sort(sorted.begin(), sorted.end());
    Vec mine = x;
    EXPECT_EQ(median(k, mine.data()), gsl_stats_median_from_sorted_data(sorted.data(), 1, n));
    EXPECT_EQ(mine, sorted);

    // Harmonic and geometric means of positive values, against long double sums.
    Vec pos(n);
    long double inv = 0, logs = 0;
    for (int i = 0; i < n; ++i) {
      pos[i] = 1.0 + std::fabs(x[i]);
      inv += 1.0L / pos[i];
      logs += std::log10(static_cast<long double>(pos[i]));
    }
    EXPECT_NEAR(chouwa_heikin(k, pos.data()), static_cast<double>(n / inv), 1e-13 * (1 + std::fabs(ox) + sx));
    EXPECT_NEAR(soujou_heikin(k, pos.data()), static_cast<double>(std::pow(10.0L, logs / n)),
                1e-12 * (1 + std::fabs(ox) + sx));
  }
}

// Quadratic fits within the range where the normal equations hold (|x| <= 30),
// against GSL's least squares by singular value decomposition.
TEST(Reference, QuadraticAgainstGsl) {
  std::mt19937_64 gen(16);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (int trial = 0; trial < 100; ++trial) {
    const int n = 5 + trial;
    const double ox = 20 * unit(gen), sx = 1 + 9 * std::fabs(unit(gen));
    gsl_matrix* X = gsl_matrix_alloc(n, 3);
    gsl_vector* Y = gsl_vector_alloc(n);
    gsl_vector* C = gsl_vector_alloc(3);
    gsl_matrix* cov = gsl_matrix_alloc(3, 3);
    gsl_multifit_linear_workspace* work = gsl_multifit_linear_alloc(n, 3);
    Vec x(n), y(n);
    for (int i = 0; i < n; ++i) {
      x[i] = ox + sx * unit(gen);
      y[i] = 0.7 * x[i] * x[i] - 3 * x[i] + 5 + unit(gen);
      gsl_matrix_set(X, i, 0, x[i] * x[i]);
      gsl_matrix_set(X, i, 1, x[i]);
      gsl_matrix_set(X, i, 2, 1.0);
      gsl_vector_set(Y, i, y[i]);
    }
    double chisq = 0;
    gsl_multifit_linear(X, Y, C, cov, &chisq, work);
    double a = 0, b = 0, c = 0;
    kaiki_houbutu(static_cast<int16_t>(n), x.data(), y.data(), &a, &b, &c);
    SCOPED_TRACE(testing::Message() << "trial " << trial << " x0 " << ox << " spread " << sx);
    // Condition of the normal equations ~ (|x0| + spread)^4 / spread^4.
    const double cond = std::pow((std::fabs(ox) + sx) / sx, 4.0);
    EXPECT_NEAR(a, gsl_vector_get(C, 0), 1e-13 * cond);
    EXPECT_NEAR(b, gsl_vector_get(C, 1), 1e-13 * cond * (1 + std::fabs(ox)));
    EXPECT_NEAR(c, gsl_vector_get(C, 2), 1e-13 * cond * (1 + ox * ox));
    gsl_multifit_linear_free(work);
    gsl_matrix_free(cov);
    gsl_vector_free(C);
    gsl_vector_free(Y);
    gsl_matrix_free(X);
  }
}
#endif

}  // namespace
