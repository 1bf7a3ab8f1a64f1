// Test-only reference: Gaussian elimination with partial pivoting in long double,
// independent of the library's solver.
#ifndef SURVEY_NUMERICS_REFERENCE_SOLVE_TEST_H
#define SURVEY_NUMERICS_REFERENCE_SOLVE_TEST_H

#include <cmath>
#include <utility>
#include <vector>

namespace survey_test {

// Solves the dense n x n system a x = b (a row-major).
inline std::vector<double> reference_solve(int n, std::vector<long double> a, std::vector<long double> b) {
  for (int k = 0; k < n; ++k) {
    int p = k;
    for (int i = k + 1; i < n; ++i)
      if (std::fabs(a[i * n + k]) > std::fabs(a[p * n + k])) p = i;
    for (int j = 0; j < n; ++j) std::swap(a[k * n + j], a[p * n + j]);
    std::swap(b[k], b[p]);
    for (int i = k + 1; i < n; ++i) {
      const long double f = a[i * n + k] / a[k * n + k];
      for (int j = k; j < n; ++j) a[i * n + j] -= f * a[k * n + j];
      b[i] -= f * b[k];
    }
  }
  std::vector<double> x(n);
  std::vector<long double> xl(n);
  for (int i = n - 1; i >= 0; --i) {
    long double s = b[i];
    for (int j = i + 1; j < n; ++j) s -= a[i * n + j] * xl[j];
    xl[i] = s / a[i * n + i];
    x[i] = static_cast<double>(xl[i]);
  }
  return x;
}

// Least squares by the normal equations of a design matrix: rows of u unknowns
// (row-major, m rows) and observations t; forms A^T A and A^T t in long double.
inline std::vector<double> reference_least_squares(int u, const std::vector<double>& design,
                                                   const std::vector<double>& t) {
  const int m = static_cast<int>(t.size());
  std::vector<long double> n(u * u, 0.0L), r(u, 0.0L);
  for (int k = 0; k < m; ++k)
    for (int i = 0; i < u; ++i) {
      r[i] += static_cast<long double>(design[k * u + i]) * t[k];
      for (int j = 0; j < u; ++j)
        n[i * u + j] += static_cast<long double>(design[k * u + i]) * design[k * u + j];
    }
  return reference_solve(u, n, r);
}

}  // namespace survey_test

#endif  // SURVEY_NUMERICS_REFERENCE_SOLVE_TEST_H
