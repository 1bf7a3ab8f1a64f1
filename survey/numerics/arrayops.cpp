// Element-wise arithmetic, comparison filters, distinct values, k-th order
// statistics, product through logarithms, ring closure and polar conversion.
#include "arrayops.h"

#include <cmath>

#include "../basics/arrays.h"
#include "../basics/trig.h"
#include "compare.hpp"

using survey::numerics::compare_holds;

extern "C" {

void SURVEY_CALL dmat_calc(int16_t n, const double* a, const double* b, const char* op, double* out) {
  switch (op != nullptr ? op[0] : '\0') {
    case '+':
      for (int i = 0; i < n; ++i) out[i] = a[i] + b[i];
      break;
    case '-':
      for (int i = 0; i < n; ++i) out[i] = a[i] - b[i];
      break;
    case '*':
      for (int i = 0; i < n; ++i) out[i] = a[i] * b[i];
      break;
    case '/':
      for (int i = 0; i < n; ++i)
        if (b[i] != 0.0) out[i] = a[i] / b[i];
      break;
    default:
      break;
  }
}

int16_t SURVEY_CALL dmat_cmp(int16_t n, const double* a, const char* op, double v, double* out) {
  if (op == nullptr) return 0;
  int16_t k = 0;
  for (int i = 0; i < n; ++i)
    if (compare_holds(op, a[i], v)) out[k++] = a[i];
  return k;
}

int16_t SURVEY_CALL dmat_squ(int16_t n, const double* a, double* out) {
  int16_t k = 0;
  for (int i = 0; i < n; ++i) {
    bool seen = false;
    for (int j = 0; j < k && !seen; ++j) seen = out[j] == a[i];
    if (!seen) out[k++] = a[i];
  }
  return k;
}

double SURVEY_CALL smallno(int16_t n, double* a, int16_t k) {
  if (k < 1 || k > n) return 0.0;
  dsort_shou(n, a);
  return a[k - 1];
}

double SURVEY_CALL maxno(int16_t n, double* a, int16_t k) {
  if (k < 1 || k > n) return 0.0;
  dsort_kou(n, a);
  return a[k - 1];
}

double SURVEY_CALL product(int16_t n, const double* a) {
  if (n < 1) return 0.0;
  double s = 0.0;
  for (int i = 0; i < n; ++i)
    if (a[i] != 0.0) s += std::log10(a[i]);
  return std::pow(10.0, s);
}

int16_t SURVEY_CALL oc(int16_t n, const double* x, const double* y) {
  if (n < 1) return 0;
  return (x[0] == x[n - 1] && y[0] == y[n - 1]) ? 1 : 0;
}

void SURVEY_CALL trans(double x, double y, double* r, double* theta) {
  const double r2 = x * x + y * y;
  if (r2 == 0.0) return;
  const double len = std::sqrt(r2);
  *r = len;
  *theta = arcsin(y / len);
}

void SURVEY_CALL trans1(double x, double y, double* r, double* theta) {
  const double r2 = x * x + y * y;
  if (r2 == 0.0) return;
  const double len = std::sqrt(r2);
  *r = len;
  *theta = arcsin(x / len);
}

}  // extern "C"
