// Swaps, minimum/maximum, whole-array operations, sorting, binary search,
// extent and signed area of point lists.
#include "arrays.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

template <class T>
void maxmin(int16_t n, const T* a, T* max, T* min) {
  *min = a[0];
  *max = a[0];
  for (int i = 1; i < n; ++i) {
    if (*min > a[i]) *min = a[i];
    if (*max < a[i]) *max = a[i];
  }
}

template <class T>
void zero(int16_t n, T* a) {
  for (int i = 0; i < n; ++i) a[i] = T(0);
}

// Element copies go through memcpy so that 4-byte bodies shared by the int32 and
// float families move bit patterns unchanged (no float load can quiet a NaN).
template <class T>
void copy(int16_t n, const T* src, T* dst) {
  for (int i = 0; i < n; ++i) std::memcpy(&dst[i], &src[i], sizeof(T));
}

template <class T>
void marg(int16_t n, const T* a, int16_t m, const T* b, T* dst) {
  copy(n, a, dst);
  copy(m, b, dst + (n > 0 ? n : 0));
}

// A position outside 1..n writes nothing (it would place elements outside dst).
template <class T>
void rot(int16_t n, const T* src, int16_t k, T* dst) {
  if (k < 1 || k > n) return;
  for (int i = 0; i < n; ++i) {
    int j = i - k + 1 + n;
    if (j > n - 1) j -= n;
    std::memcpy(&dst[j], &src[i], sizeof(T));
  }
}

template <class T>
void mirror(int16_t n, T* a) {
  for (int i = 0; i < n / 2; ++i) {
    T t;
    std::memcpy(&t, &a[i], sizeof(T));
    std::memcpy(&a[i], &a[n - 1 - i], sizeof(T));
    std::memcpy(&a[n - 1 - i], &t, sizeof(T));
  }
}

// Selection sort: for each i, the first extreme element of a[i..n-1] is exchanged
// with a[i] (also when it is a[i] itself).
template <class Better>
void selection_sort(int16_t n, double* a, Better better) {
  for (int i = 0; i < n - 1; ++i) {
    int k = i;
    for (int j = i + 1; j < n; ++j)
      if (better(a[j], a[k])) k = j;
    std::swap(a[i], a[k]);
  }
}

}  // namespace

extern "C" {

void SURVEY_CALL iswap(int16_t* a, int16_t* b) { std::swap(*a, *b); }
void SURVEY_CALL lswap(int32_t* a, int32_t* b) { std::swap(*a, *b); }
void SURVEY_CALL fswap(float* a, float* b) {
  uint32_t t;
  std::memcpy(&t, a, 4);
  std::memcpy(a, b, 4);
  std::memcpy(b, &t, 4);
}
void SURVEY_CALL dswap(double* a, double* b) {
  uint64_t t;
  std::memcpy(&t, a, 8);
  std::memcpy(a, b, 8);
  std::memcpy(b, &t, 8);
}

int16_t SURVEY_CALL cswap(char* a, char* b) {
  char tmp[256];
  std::strncpy(tmp, a, 255);
  tmp[255] = '\0';
  std::strcpy(a, b);
  std::strcpy(b, tmp);
  return 0;
}

void SURVEY_CALL imaxmin(int16_t n, const int16_t* a, int16_t* max, int16_t* min) { maxmin(n, a, max, min); }
void SURVEY_CALL lmaxmin(int16_t n, const int32_t* a, int32_t* max, int32_t* min) { maxmin(n, a, max, min); }
void SURVEY_CALL fmaxmin(int16_t n, const float* a, float* max, float* min) { maxmin(n, a, max, min); }
void SURVEY_CALL dmaxmin(int16_t n, const double* a, double* max, double* min) { maxmin(n, a, max, min); }

void SURVEY_CALL imat_zero(int16_t n, int16_t* a) { zero(n, a); }
void SURVEY_CALL fmat_zero(int16_t n, float* a) { zero(n, a); }  // 0.0f is all-zero bits
void SURVEY_CALL dmat_zero(int16_t n, double* a) { zero(n, a); }

void SURVEY_CALL imat_copy(int16_t n, const int16_t* src, int16_t* dst) { copy(n, src, dst); }
void SURVEY_CALL fmat_copy(int16_t n, const float* src, float* dst) { copy(n, src, dst); }
void SURVEY_CALL dmat_copy(int16_t n, const double* src, double* dst) { copy(n, src, dst); }

void SURVEY_CALL imat_marg(int16_t n, const int16_t* a, int16_t m, const int16_t* b, int16_t* dst) {
  marg(n, a, m, b, dst);
}
void SURVEY_CALL fmat_marg(int16_t n, const float* a, int16_t m, const float* b, float* dst) {
  marg(n, a, m, b, dst);
}
void SURVEY_CALL dmat_marg(int16_t n, const double* a, int16_t m, const double* b, double* dst) {
  marg(n, a, m, b, dst);
}

void SURVEY_CALL imat_rot(int16_t n, const int16_t* src, int16_t k, int16_t* dst) { rot(n, src, k, dst); }
void SURVEY_CALL fmat_rot(int16_t n, const float* src, int16_t k, float* dst) { rot(n, src, k, dst); }
void SURVEY_CALL dmat_rot(int16_t n, const double* src, int16_t k, double* dst) { rot(n, src, k, dst); }

void SURVEY_CALL imat_mirror(int16_t n, int16_t* a) { mirror(n, a); }
void SURVEY_CALL lmat_mirror(int16_t n, int32_t* a) { mirror(n, a); }
void SURVEY_CALL fmat_mirror(int16_t n, float* a) { mirror(n, a); }
void SURVEY_CALL dmat_mirror(int16_t n, double* a) { mirror(n, a); }

void SURVEY_CALL dsort_shou(int16_t n, double* a) {
  selection_sort(n, a, [](double v, double best) { return v < best; });
}
void SURVEY_CALL dsort_kou(int16_t n, double* a) {
  selection_sort(n, a, [](double v, double best) { return v > best; });
}

int32_t SURVEY_CALL BinSrc(int32_t last, const double* a, double key) {
  int32_t lo = 0;
  int32_t hi = last;
  for (;;) {
    if (lo > hi || hi > last) return -1;
    if (a[hi] == key) return hi;
    if (a[lo] == key) return lo;
    const int32_t mid = lo + (hi - lo) / 2;
    if (a[mid] == key) return mid;
    if (mid == lo || mid == hi) return -1;
    if (a[mid] > key)
      hi = mid - 1;
    else
      lo = mid + 1;
    if (lo < 0) return -1;
  }
}

double SURVEY_CALL Get_Extent(int32_t n, const double* x, const double* y, double* xmin, double* ymin,
                              double* xmax, double* ymax, double* width, double* height) {
  // The sentinels are +-(10^13 - 1); they stay in place when there are no points.
  *xmin = 9999999999999.0;
  *ymin = 9999999999999.0;
  *xmax = -9999999999999.0;
  *ymax = -9999999999999.0;
  for (int32_t i = 0; i < n; ++i) {
    if (*xmin > x[i]) *xmin = x[i];
    if (*ymin > y[i]) *ymin = y[i];
    if (*xmax < x[i]) *xmax = x[i];
    if (*ymax < y[i]) *ymax = y[i];
  }
  *width = std::fabs(*xmax - *xmin);
  *height = std::fabs(*ymax - *ymin);
  return *width * *height;
}

double SURVEY_CALL Get_ExtentXY(int32_t n, const double* x, const double* y, double* cx, double* cy,
                                double* width, double* height) {
  double xmin, ymin, xmax, ymax;
  const double r = Get_Extent(n, x, y, &xmin, &ymin, &xmax, &ymax, width, height);
  cx[0] = xmin, cy[0] = ymin;
  cx[1] = xmin, cy[1] = ymax;
  cx[2] = xmax, cy[2] = ymax;
  cx[3] = xmax, cy[3] = ymin;
  return r;
}

// Trapezoid rule over the implicitly closed ring, summed in index order and halved
// at the end.
double SURVEY_CALL work_area(int16_t n, const double* x, const double* y) {
  double s = 0.0;
  for (int i = 0; i < n; ++i) {
    const int j = (i == n - 1) ? 0 : i + 1;
    s += (x[j] - x[i]) * (y[i] + y[j]);
  }
  return s * 0.5;
}

double SURVEY_CALL area(int16_t n, const double* x, const double* y) { return std::fabs(work_area(n, x, y)); }

}  // extern "C"
