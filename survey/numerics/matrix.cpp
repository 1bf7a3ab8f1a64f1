// Gauss-Jordan elimination without pivoting on the 11 x 11 solver matrix.
#include "matrix.h"

namespace {

constexpr int kLead = 11;  // leading dimension of the solver matrix

// One elimination over rows 0..n-1 and columns 0..last; at(i, j) maps an element to
// its storage index. For each k: divide row k (columns k..last) by its pivot unless
// the pivot is zero, then clear column k from every other row.
template <class At>
void gauss_jordan(int n, int last, double* m, At at) {
  for (int k = 0; k < n; ++k) {
    const double p = m[at(k, k)];
    if (p != 0.0)
      for (int j = k; j <= last; ++j) m[at(k, j)] /= p;
    for (int i = 0; i < n; ++i) {
      if (i == k) continue;
      const double f = m[at(i, k)];
      for (int j = k; j <= last; ++j) m[at(i, j)] -= f * m[at(k, j)];
    }
  }
}

}  // namespace

extern "C" {

void SURVEY_CALL gauss(int16_t n, double* m) {
  // Row indexes stop at the leading dimension; the column count is the caller's.
  if (n < 1 || n > kLead) return;
  gauss_jordan(n, n + 1, m, [](int i, int j) { return kLead * j + i; });
}

void SURVEY_CALL gauss_c(int16_t n, double* m) {
  // Column n must lie inside a row of 11, or it would alias the next row.
  if (n < 1 || n > kLead - 1) return;
  gauss_jordan(n, n, m, [](int i, int j) { return kLead * i + j; });
}

}  // extern "C"
