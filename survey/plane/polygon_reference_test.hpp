// Test-only: the boundary and inside tests of a ring written out step by step as
// the method states them, the arrays reversed in place for a positive area and
// restored afterwards. The tests and the benchmark compare the library with these.
#ifndef SURVEY_PLANE_POLYGON_REFERENCE_TEST_HPP
#define SURVEY_PLANE_POLYGON_REFERENCE_TEST_HPP

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "survey/survey.h"

namespace survey_test {

inline int16_t literal_on_polygon(int16_t n, const double* xs, const double* ys, double x, double y) {
  if (n < 2) return -1;
  for (int k = 0; k < n; ++k) {
    const int j = (k == n - 1) ? 0 : k + 1;
    double a = 0, b = 0, c = 0;
    line_hotei(xs[k], ys[k], xs[j], ys[j], &a, &b, &c);
    if (std::fabs(a * x + b * y + c) <= 1e-05 && std::min(xs[k], xs[j]) <= x && x <= std::max(xs[k], xs[j]) &&
        std::min(ys[k], ys[j]) <= y && y <= std::max(ys[k], ys[j]))
      return 0;
  }
  return -1;
}

inline int16_t literal_in_polygon(int16_t n, double* xs, double* ys, double x, double y) {
  if (n < 3) return 1;
  if (literal_on_polygon(n, xs, ys, x, y) == 0) return 0;
  const double s = work_area(n, xs, ys);
  if (s > 0) {
    dmat_mirror(n, xs);
    dmat_mirror(n, ys);
  }
  int m = n;
  if (xs[0] == xs[n - 1] && ys[0] == ys[n - 1]) m = n - 1;
  double sum = 0.0;
  for (int k = 0; k < m; ++k) {
    const int j = (k == m - 1) ? 0 : k + 1;
    double d = std::atan2(ys[j] - y, xs[j] - x) - std::atan2(ys[k] - y, xs[k] - x);
    if (std::fabs(d) > 3.141592653589793) d = d - sign(d) * 6.283185307179586;
    sum = sum + d;
  }
  if (s > 0) {
    dmat_mirror(n, xs);
    dmat_mirror(n, ys);
  }
  return std::fabs(sum - 6.283185307179586) <= 1e-05 ? -1 : 1;
}

}  // namespace survey_test

#endif  // SURVEY_PLANE_POLYGON_REFERENCE_TEST_HPP
