// Test-only: random simple rings and the distance of a point to a ring's boundary,
// independent of the library.
#ifndef SURVEY_PLANE_RING_TEST_SUPPORT_HPP
#define SURVEY_PLANE_RING_TEST_SUPPORT_HPP

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace survey_test {

struct Ring {
  std::vector<double> x, y;
  int16_t n() const { return static_cast<int16_t>(x.size()); }
};

// Convex (radius fixed) or star-shaped (radius drawn per vertex) ring about
// (ox, oy), counter-clockwise as drawn.
inline Ring random_ring(std::mt19937_64& g, int n, bool star, double ox, double oy, double size) {
  std::uniform_real_distribution<double> u(0, 1);
  // Every gap between neighbouring angles stays below pi, so the ring is simple.
  std::vector<double> t(n);
  for (int k = 0; k < n; ++k) t[k] = (k + 0.45 * u(g)) * 2 * 3.141592653589793 / n;
  Ring r;
  const double ax = size * (0.5 + u(g)), ay = size * (0.5 + u(g));
  for (int k = 0; k < n; ++k) {
    const double s = star ? 0.2 + 0.8 * u(g) : 1.0;
    r.x.push_back(ox + s * ax * std::cos(t[k]));
    r.y.push_back(oy + s * ay * std::sin(t[k]));
  }
  return r;
}

// Distance of (x, y) to the nearest edge of the ring.
inline double boundary_distance(const Ring& r, double x, double y) {
  double best = std::numeric_limits<double>::infinity();
  for (size_t k = 0, j = r.x.size() - 1; k < r.x.size(); j = k++) {
    const double ex = r.x[k] - r.x[j], ey = r.y[k] - r.y[j], len2 = ex * ex + ey * ey;
    double t = len2 > 0 ? ((x - r.x[j]) * ex + (y - r.y[j]) * ey) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    best = std::min(best, std::hypot(x - r.x[j] - t * ex, y - r.y[j] - t * ey));
  }
  return best;
}

}  // namespace survey_test

#endif
