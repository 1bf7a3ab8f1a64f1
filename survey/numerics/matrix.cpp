// Gauss-Jordan elimination without pivoting on the 11 x 11 solver matrix.
#include "matrix.h"

#include "gauss_jordan.hpp"

namespace {

constexpr int kLead = 11;  // leading dimension of the solver matrix

}  // namespace

using survey::numerics::gauss_jordan;

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
