/* arrays.h - swaps, minimum/maximum, whole-array operations, sorting,
 * binary search, extent and signed area of point lists.
 *
 * Type letters: i = int16_t, l = int32_t, f = float, d = double.
 * Arrays are caller-owned, indexed from 0; counts are element counts.
 * No function checks an array's size against its count.
 */
#ifndef SURVEY_BASICS_ARRAYS_H
#define SURVEY_BASICS_ARRAYS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Exchange two 16-bit integers. */
SURVEY_API void SURVEY_CALL iswap(int16_t* a, int16_t* b);
/* Exchange two 32-bit integers. */
SURVEY_API void SURVEY_CALL lswap(int32_t* a, int32_t* b);
/* Exchange two singles. */
SURVEY_API void SURVEY_CALL fswap(float* a, float* b);
/* Exchange two doubles. */
SURVEY_API void SURVEY_CALL dswap(double* a, double* b);
/* Exchange two strings of at most 255 characters through a 256-byte temporary; each
 * buffer must hold the other string. Returns 0. */
SURVEY_API int16_t SURVEY_CALL cswap(char* a, char* b);

/* Maximum and minimum of a[0..n-1] (a holds at least one element). */
SURVEY_API void SURVEY_CALL imaxmin(int16_t n, const int16_t* a, int16_t* max, int16_t* min);
SURVEY_API void SURVEY_CALL lmaxmin(int16_t n, const int32_t* a, int32_t* max, int32_t* min);
SURVEY_API void SURVEY_CALL fmaxmin(int16_t n, const float* a, float* max, float* min);
SURVEY_API void SURVEY_CALL dmaxmin(int16_t n, const double* a, double* max, double* min);

/* a[0..n-1] = 0. lmat_zero is a second name of fmat_zero (4-byte elements). */
SURVEY_API void SURVEY_CALL imat_zero(int16_t n, int16_t* a);
SURVEY_API void SURVEY_CALL fmat_zero(int16_t n, float* a);
SURVEY_API void SURVEY_CALL lmat_zero(int16_t n, int32_t* a);
SURVEY_API void SURVEY_CALL dmat_zero(int16_t n, double* a);

/* dst[i] = src[i] for i < n. lmat_copy is a second name of fmat_copy. */
SURVEY_API void SURVEY_CALL imat_copy(int16_t n, const int16_t* src, int16_t* dst);
SURVEY_API void SURVEY_CALL fmat_copy(int16_t n, const float* src, float* dst);
SURVEY_API void SURVEY_CALL lmat_copy(int16_t n, const int32_t* src, int32_t* dst);
SURVEY_API void SURVEY_CALL dmat_copy(int16_t n, const double* src, double* dst);

/* dst = a[0..n-1] followed by b[0..m-1]. lmat_marg is a second name of fmat_marg. */
SURVEY_API void SURVEY_CALL imat_marg(int16_t n, const int16_t* a, int16_t m, const int16_t* b, int16_t* dst);
SURVEY_API void SURVEY_CALL fmat_marg(int16_t n, const float* a, int16_t m, const float* b, float* dst);
SURVEY_API void SURVEY_CALL lmat_marg(int16_t n, const int32_t* a, int16_t m, const int32_t* b, int32_t* dst);
SURVEY_API void SURVEY_CALL dmat_marg(int16_t n, const double* a, int16_t m, const double* b, double* dst);

/* Rotate: the element at 1-based position k (1..n) of src becomes dst[0], order kept
 * cyclically; k outside 1..n writes nothing. dst must not be src. lmat_rot is a
 * second name of fmat_rot. */
SURVEY_API void SURVEY_CALL imat_rot(int16_t n, const int16_t* src, int16_t k, int16_t* dst);
SURVEY_API void SURVEY_CALL fmat_rot(int16_t n, const float* src, int16_t k, float* dst);
SURVEY_API void SURVEY_CALL lmat_rot(int16_t n, const int32_t* src, int16_t k, int32_t* dst);
SURVEY_API void SURVEY_CALL dmat_rot(int16_t n, const double* src, int16_t k, double* dst);

/* Reverse a[0..n-1] in place. */
SURVEY_API void SURVEY_CALL imat_mirror(int16_t n, int16_t* a);
SURVEY_API void SURVEY_CALL lmat_mirror(int16_t n, int32_t* a);
SURVEY_API void SURVEY_CALL fmat_mirror(int16_t n, float* a);
SURVEY_API void SURVEY_CALL dmat_mirror(int16_t n, double* a);

/* Selection sort in place: ascending (shou) and descending (kou). */
SURVEY_API void SURVEY_CALL dsort_shou(int16_t n, double* a);
SURVEY_API void SURVEY_CALL dsort_kou(int16_t n, double* a);

/* Binary search of key in a[0..last] (ascending): an index whose element equals key
 * exactly, or -1. */
SURVEY_API int32_t SURVEY_CALL BinSrc(int32_t last, const double* a, double key);

/* Bounding box of n points: writes xmin, ymin, xmax, ymax, width, height and returns
 * width * height. With n <= 0 the box is the sentinel +-9999999999999.0. */
SURVEY_API double SURVEY_CALL Get_Extent(int32_t n, const double* x, const double* y, double* xmin,
                                         double* ymin, double* xmax, double* ymax, double* width,
                                         double* height);
/* As Get_Extent; writes the corners (xmin,ymin), (xmin,ymax), (xmax,ymax), (xmax,ymin)
 * to cx[0..3], cy[0..3]. */
SURVEY_API double SURVEY_CALL Get_ExtentXY(int32_t n, const double* x, const double* y, double* cx,
                                           double* cy, double* width, double* height);

/* Signed area of the ring x[0..n-1], y[0..n-1] (closed implicitly): positive when it
 * runs clockwise with x to the right and y up. Square units. */
SURVEY_API double SURVEY_CALL work_area(int16_t n, const double* x, const double* y);
/* Absolute value of work_area. */
SURVEY_API double SURVEY_CALL area(int16_t n, const double* x, const double* y);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_ARRAYS_H */
