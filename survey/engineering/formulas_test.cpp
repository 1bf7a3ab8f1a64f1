// Fixed-end moments, ring moments, overhead ratio, truncated cone, queue.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr double kPi = 3.141592653589793;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Ends {
  double MA = 0, MB = 0, QA = 0, QB = 0;
};

// A load: linear pieces (w0 at x0 to w1 at x1) and point loads (P at x).
struct Load {
  struct Piece {
    double x0, x1, w0, w1;
  };
  struct Point {
    double x, P;
  };
  std::vector<Piece> pieces;
  std::vector<Point> points;
};

// Fixed-end moments and shears of a load by the influence kernels of the
// fixed-fixed beam, integrated with Simpson's rule piece by piece.
Ends by_integration(double L, const Load& load) {
  const double L2 = L * L, L3 = L2 * L;
  const auto kernels = [&](double x, double w, Ends* e) {
    e->MA -= w * x * (L - x) * (L - x) / L2;
    e->MB += w * x * x * (L - x) / L2;
    e->QA -= w * (L - x) * (L - x) * (L + 2 * x) / L3;
    e->QB -= w * x * x * (3 * L - 2 * x) / L3;
  };
  Ends e;
  for (const auto& p : load.points) kernels(p.x, p.P, &e);
  constexpr int n = 2000;
  for (const auto& pc : load.pieces) {
    const double h = (pc.x1 - pc.x0) / n;
    if (h <= 0) continue;
    for (int i = 0; i <= n; ++i) {
      const double x = pc.x0 + i * h;
      const double w = pc.w0 + (pc.w1 - pc.w0) * i / n;
      const double weight = (i == 0 || i == n) ? 1.0 : (i % 2 ? 4.0 : 2.0);
      kernels(x, w * weight * h / 3.0, &e);
    }
  }
  return e;
}

using Beam = void (*)(double, double, double, double*, double*, double*, double*);

struct BeamCase {
  const char* name;
  int arg_kind;  // 0: (L, w1, w2); 1: (L, a, w), a <= L; 2: (L, a, w), a <= L/2
  Beam fn;
  std::function<Load(double L, double p, double q)> load;
};

std::vector<BeamCase> beam_cases() {
  return {
      {"1", 0, kajyu_kou1, [](double L, double w1, double w2) {
         return Load{{{0, L, w1, w2}}, {}};
       }},
      {"2", 1, kajyu_kou2, [](double, double a, double P) { return Load{{}, {{a, P}}}; }},
      {"3", 1, kajyu_kou3, [](double L, double a, double w) {
         return Load{{{0, a, 0, w}, {a, L, w, 0}}, {}};
       }},
      {"4", 2, kajyu_kou4, [](double L, double a, double w) {
         return Load{{{a, L - a, w, w}}, {}};
       }},
      {"5", 2, kajyu_kou5, [](double L, double a, double w) {
         return Load{{{0, a, w, w}, {L - a, L, w, w}}, {}};
       }},
      {"6", 0, kajyu_kou6, [](double L, double w1, double w2) {
         return Load{{{0, L / 2, w1, w1}, {L / 2, L, w2, w2}}, {}};
       }},
      {"7", 1, kajyu_kou7, [](double, double a, double w) {
         return Load{{{0, a, w, 0}}, {}};
       }},
      {"10", 2, kajyu_kou10, [](double L, double a, double w) {
         return Load{{{0, a, 0, w}, {a, L - a, w, w}, {L - a, L, w, 0}}, {}};
       }},
  };
}

void expect_ends(const Ends& got, const Ends& want, double scale_m, double scale_q) {
  EXPECT_NEAR(got.MA, want.MA, 1e-12 * scale_m);
  EXPECT_NEAR(got.MB, want.MB, 1e-12 * scale_m);
  EXPECT_NEAR(got.QA, want.QA, 1e-12 * scale_q);
  EXPECT_NEAR(got.QB, want.QB, 1e-12 * scale_q);
}

TEST(FixedEndMoments, AgainstIntegration) {
  const double spans[] = {1.0, 4.5, 12.0};
  const double fractions[] = {0.0, 0.1, 0.3, 0.5, 0.7, 1.0};
  const double loads[][2] = {{1, 1}, {2, -0.5}, {0, 3.5}};
  int checked = 0;
  for (const auto& c : beam_cases()) {
    for (double L : spans) {
      for (const auto& w : loads) {
        for (double f : fractions) {
          if (c.arg_kind == 0 && f != 0.0) continue;
          if (c.arg_kind == 2 && f > 0.5) continue;
          const double p = c.arg_kind == 0 ? w[0] : f * L;
          const double q = c.arg_kind == 0 ? w[1] : w[0] + w[1];
          SCOPED_TRACE(testing::Message() << "case " << c.name << " L " << L << " " << p << " " << q);
          Ends e;
          c.fn(L, p, q, &e.MA, &e.MB, &e.QA, &e.QB);
          const double wmax = std::max(std::fabs(w[0]), std::fabs(w[1])) + std::fabs(q);
          expect_ends(e, by_integration(L, c.load(L, p, q)), wmax * L * L, wmax * L);
          ++checked;
        }
      }
    }
  }
  // Equal point loads dividing the span into n parts.
  for (double L : spans) {
    for (double n : {1.0, 2.0, 3.0, 4.0, 7.0}) {
      SCOPED_TRACE(testing::Message() << "case 8 L " << L << " n " << n);
      Load load;
      for (int k = 1; k < n; ++k) load.points.push_back({k * L / n, 2.5});
      Ends e;
      kajyu_kou8(L, 2.5, n, &e.MA, &e.MB, &e.QA, &e.QB);
      expect_ends(e, by_integration(L, load), 2.5 * n * L, 2.5 * n);
      ++checked;
    }
  }
  // A linear load between a from A and b from B.
  const double parts[][2] = {{0, 0}, {0.2, 0.1}, {0, 0.6}, {0.5, 0}, {0.3, 0.7}, {0.25, 0.25}, {0.45, 0.05}};
  for (double L : spans) {
    for (const auto& w : loads) {
      for (const auto& ab : parts) {
        const double a = ab[0] * L, b = ab[1] * L;
        SCOPED_TRACE(testing::Message() << "case 9 L " << L << " a " << a << " b " << b << " w "
                                        << w[0] << "," << w[1]);
        Ends e;
        kajyu_kou9(L, a, b, w[0], w[1], &e.MA, &e.MB, &e.QA, &e.QB);
        const double wmax = std::max(std::fabs(w[0]), std::fabs(w[1]));
        expect_ends(e, by_integration(L, Load{{{a, L - b, w[0], w[1]}}, {}}), wmax * L * L,
                    wmax * L);
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 300);
}

TEST(FixedEndMoments, WorkedValues) {
  Ends e;
  kajyu_kou1(6, 1, 1, &e.MA, &e.MB, &e.QA, &e.QB);
  expect_ends(e, {-3, 3, -3, -3}, 1, 1);
  kajyu_kou2(4, 2, 10, &e.MA, &e.MB, &e.QA, &e.QB);
  expect_ends(e, {-5, 5, -5, -5}, 1, 1);
  Ends four, one;
  kajyu_kou4(5, 0, 1.5, &four.MA, &four.MB, &four.QA, &four.QB);
  kajyu_kou1(5, 1.5, 1.5, &one.MA, &one.MB, &one.QA, &one.QB);
  expect_ends(four, one, 1, 1);
  kajyu_kou10(8, 4, 2, &e.MA, &e.MB, &e.QA, &e.QB);
  EXPECT_NEAR(e.MB, 5.0 * 2 * 64 / 96, 1e-13);
  e = {9, 9, 9, 9};
  kajyu_kou8(3, 7, 1, &e.MA, &e.MB, &e.QA, &e.QB);
  expect_ends(e, {0, 0, 0, 0}, 0, 0);
}

TEST(FixedEndMoments, GuardsWriteNothing) {
  struct Call {
    const char* what;
    std::function<void(Ends*)> call;
  } calls[] = {
      {"1, L = 0", [](Ends* e) { kajyu_kou1(0, 1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"6, L NaN", [](Ends* e) { kajyu_kou6(kNaN, 1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"2, a > L", [](Ends* e) { kajyu_kou2(4, 4.5, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"2, a < 0", [](Ends* e) { kajyu_kou2(4, -0.1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"3, a NaN", [](Ends* e) { kajyu_kou3(4, kNaN, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"7, L < 0", [](Ends* e) { kajyu_kou7(-4, 1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"4, a > L/2", [](Ends* e) { kajyu_kou4(4, 2.01, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"5, a NaN", [](Ends* e) { kajyu_kou5(4, kNaN, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"10, a < 0", [](Ends* e) { kajyu_kou10(4, -1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"8, n < 1", [](Ends* e) { kajyu_kou8(4, 1, 0.5, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"8, n NaN", [](Ends* e) { kajyu_kou8(4, 1, kNaN, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"9, a + b > L", [](Ends* e) { kajyu_kou9(4, 2, 2.5, 1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"9, b < 0", [](Ends* e) { kajyu_kou9(4, 1, -1, 1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
      {"9, a NaN", [](Ends* e) { kajyu_kou9(4, kNaN, 1, 1, 1, &e->MA, &e->MB, &e->QA, &e->QB); }},
  };
  for (const auto& c : calls) {
    SCOPED_TRACE(c.what);
    Ends e{11, 12, 13, 14};
    c.call(&e);
    EXPECT_EQ(e.MA, 11);
    EXPECT_EQ(e.MB, 12);
    EXPECT_EQ(e.QA, 13);
    EXPECT_EQ(e.QB, 14);
  }
}

TEST(OtherFormulas, OverheadRatio) {
  struct Case {
    double cost, ratio;
  } cases[] = {{400000, 0.878}, {500000, 0.878}, {500000.5, 0.878}, {1000000, 0.804},
               {10000000, 0.601}, {kNaN, 0.878}, {-1, 0.878}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cost);
    EXPECT_DOUBLE_EQ(SyokeihiRitu(c.cost), c.ratio);
  }
}

TEST(OtherFormulas, RingMoments) {
  struct Case {
    double got, want;
  } cases[] = {
      {en_maxmo1(0.3, 0.6, 10, 1.2), 0.9510920162429337},
      {en_maxmo1(0.6, 0.6, 10, 1.2), 0.7442940088194193},
      {en_maxmo2(0.6, 10, 1.2), 1.387700844322786},
      {en_maxmo2(0.3, 10, 1.2), 1.7391327252630717},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 1e-13 * c.want);
  EXPECT_TRUE(std::isnan(en_maxmo1(0, 0.6, 10, 1.2)));
}

TEST(OtherFormulas, TruncatedConeAndQueue) {
  double V = 0, S = 0, l = 0;
  ensuidai(2, 1, 3, &V, &S, &l);
  EXPECT_NEAR(V, 7 * kPi, 1e-13);
  EXPECT_NEAR(l, std::sqrt(10.0), 1e-14);
  EXPECT_NEAR(S, 3 * std::sqrt(10.0) * kPi, 1e-13);
  // Written as V, S, l: one shared slot keeps l.
  double one = 0;
  ensuidai(2, 1, 3, &one, &one, &one);
  EXPECT_EQ(one, l);
  for (double R : {0.0, -1.0, kNaN}) {
    V = S = l = 5;
    ensuidai(R, 1, 3, &V, &S, &l);
    EXPECT_EQ(V + S + l, 15.0);
  }

  double rho = 0, Lq = 0, L = 0, Wq = 0, W = 0;
  mm1(10, 5, &rho, &Lq, &L, &Wq, &W);
  EXPECT_EQ(rho, 0.5);
  EXPECT_EQ(Lq, 0.5);
  EXPECT_EQ(L, 1.0);
  EXPECT_DOUBLE_EQ(Wq, 0.1);
  EXPECT_DOUBLE_EQ(W, 0.2);
  // Little's law holds for any stable queue: L = lambda W, Lq = lambda Wq.
  mm1(7, 3, &rho, &Lq, &L, &Wq, &W);
  EXPECT_NEAR(L, 3 * W, 1e-15);
  EXPECT_NEAR(Lq, 3 * Wq, 1e-15);
  const double mus[][2] = {{0, 1}, {1, 0}, {-1, 1}, {kNaN, 1}, {1, kNaN}};
  for (const auto& m : mus) {
    rho = Lq = L = Wq = W = 5;
    mm1(m[0], m[1], &rho, &Lq, &L, &Wq, &W);
    EXPECT_EQ(rho + Lq + L + Wq + W, 25.0);
  }
}

}  // namespace
