// Point-in-ring and point-on-boundary tests (InPolygon, OnPolygon) on star-shaped
// rings of 8, 64 and 1000 vertices at plane-coordinate size, a tenth of the
// queries within 1e-05 of an edge, beside the method written out literally (angle
// sum over the arrays reversed in place, line_hotei before the box test). Prints
// nanoseconds per call (best of several rounds) and the ratios, and checks that
// every answer equals the literal one.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench_timing.hpp"
#include "survey/plane/polygon_reference_test.hpp"
#include "survey/survey.h"

namespace {

constexpr int kRounds = 5;

struct Xorshift {
  uint64_t s = 88172645463325252ull;
  double operator()() {  // in [0, 1)
    s ^= s << 13;
    s ^= s >> 7;
    s ^= s << 17;
    return (s >> 11) * (1.0 / 9007199254740992.0);
  }
};

}  // namespace

int main() {
  Xorshift u;
  const double ox = -35000.0, oy = -5000.0;  // plane rectangular coordinates, metres
  const int sizes[] = {8, 64, 1000};
  const int queries[] = {200000, 50000, 5000};
  long mismatches = 0, compared = 0;
  std::printf("%8s %10s %10s %10s %8s | %10s %10s %8s\n", "vertices", "In ns", "literal", "ratio", "", "On ns",
              "literal", "ratio");
  for (int s = 0; s < 3; ++s) {
    const int n = sizes[s], nq = queries[s];
    std::vector<double> xs(n), ys(n);
    for (int k = 0; k < n; ++k) {  // star-shaped about (ox, oy), clockwise
      const double t = (k + 0.45 * u()) * 6.283185307179586 / n, r = 300.0 * (0.4 + 0.6 * u());
      xs[k] = ox + r * std::sin(t);
      ys[k] = oy + r * std::cos(t);
    }
    std::vector<double> qx(nq), qy(nq);
    for (int q = 0; q < nq; ++q) {
      if (q % 10 == 0) {  // within 1e-05 of an edge
        const int k = static_cast<int>(u() * n), j = (k + 1) % n;
        const double t = u(), ex = xs[j] - xs[k], ey = ys[j] - ys[k], len = std::hypot(ex, ey);
        const double e = (2.0 * u() - 1.0) * 1e-5 / len;
        qx[q] = xs[k] + t * ex - ey * e;
        qy[q] = ys[k] + t * ey + ex * e;
      } else {
        qx[q] = ox + 700.0 * (u() - 0.5);
        qy[q] = oy + 700.0 * (u() - 0.5);
      }
    }
    std::vector<int16_t> in(nq), in_lit(nq), on(nq), on_lit(nq);
    std::vector<double> lx = xs, ly = ys;  // the literal method reverses these in place
    const int16_t m = static_cast<int16_t>(n);
    double t_in = 1e300, t_in_lit = 1e300, t_on = 1e300, t_on_lit = 1e300;
    for (int r = 0; r < kRounds; ++r) {
      t_in = std::min(t_in, ns_per_point(nq, [&] {
                        for (int q = 0; q < nq; ++q) in[q] = InPolygon(m, xs.data(), ys.data(), qx[q], qy[q]);
                      }));
      t_in_lit = std::min(t_in_lit, ns_per_point(nq, [&] {
                            for (int q = 0; q < nq; ++q)
                              in_lit[q] = survey_test::literal_in_polygon(m, lx.data(), ly.data(), qx[q], qy[q]);
                          }));
      t_on = std::min(t_on, ns_per_point(nq, [&] {
                        for (int q = 0; q < nq; ++q) on[q] = OnPolygon(m, xs.data(), ys.data(), qx[q], qy[q]);
                      }));
      t_on_lit = std::min(t_on_lit, ns_per_point(nq, [&] {
                            for (int q = 0; q < nq; ++q)
                              on_lit[q] = survey_test::literal_on_polygon(m, xs.data(), ys.data(), qx[q], qy[q]);
                          }));
    }
    int inside = 0, boundary = 0;
    for (int q = 0; q < nq; ++q) {
      compared += 2;
      mismatches += (in[q] != in_lit[q]) + (on[q] != on_lit[q]);
      inside += in[q] == -1;
      boundary += in[q] == 0;
    }
    std::printf("%8d %10.1f %10.1f %9.1fx %8s | %10.1f %10.1f %7.1fx   (%d inside, %d on the boundary of %d)\n", n,
                t_in, t_in_lit, t_in_lit / t_in, "", t_on, t_on_lit, t_on_lit / t_on, inside, boundary, nq);
  }
  std::printf("answers compared: %ld, different: %ld\n", compared, mismatches);
  return mismatches == 0 ? 0 : 1;
}
