// Internal: the Gauss-Jordan elimination of the library's linear solvers.
#ifndef SURVEY_NUMERICS_GAUSS_JORDAN_HPP
#define SURVEY_NUMERICS_GAUSS_JORDAN_HPP

#include <cmath>
#include <utility>

namespace survey::numerics {

// What a pivot of exactly 0 does: skipped (its row is not divided), or exchanged
// with the later row largest in that column.
enum class ZeroPivot { kSkip, kExchange };

// One elimination over rows 0..n-1 and columns 0..last; at(i, j) maps an element to
// its storage index. For each k: divide row k (columns k..last) by its pivot unless
// the pivot is zero, then clear column k from every other row. Rows are taken in
// their given order; only with ZeroPivot::kExchange is a zero pivot's row exchanged,
// and a pivot still 0 then stops the elimination with false (a singular system).
template <class At>
bool gauss_jordan(int n, int last, double* m, At at, ZeroPivot zero = ZeroPivot::kSkip) {
  for (int k = 0; k < n; ++k) {
    if (zero == ZeroPivot::kExchange && m[at(k, k)] == 0.0) {
      int best = k;
      for (int i = k + 1; i < n; ++i)
        if (std::fabs(m[at(i, k)]) > std::fabs(m[at(best, k)])) best = i;
      if (m[at(best, k)] == 0.0) return false;
      for (int j = 0; j <= last; ++j) std::swap(m[at(k, j)], m[at(best, j)]);
    }
    const double p = m[at(k, k)];
    if (p != 0.0)
      for (int j = k; j <= last; ++j) m[at(k, j)] /= p;
    for (int i = 0; i < n; ++i) {
      if (i == k) continue;
      const double f = m[at(i, k)];
      for (int j = k; j <= last; ++j) m[at(i, j)] -= f * m[at(k, j)];
    }
  }
  return true;
}

}  // namespace survey::numerics

#endif  // SURVEY_NUMERICS_GAUSS_JORDAN_HPP
