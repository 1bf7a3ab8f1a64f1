/* arrayops.h - element-wise arithmetic on double arrays, comparison filters,
 * distinct values, k-th smallest/largest, product through logarithms, ring closure
 * and rectangular-to-polar conversion.
 *
 * Arrays are caller-owned doubles indexed from 0; counts are 16-bit.
 * Operator strings are NUL-terminated; only their first one or two characters count.
 */
#ifndef SURVEY_NUMERICS_ARRAYOPS_H
#define SURVEY_NUMERICS_ARRAYOPS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* out[i] = a[i] op b[i] for i < n, op "+", "-", "*" or "/" (first character); "/"
 * skips the elements where b[i] = 0 (out[i] unchanged); any other op writes nothing. */
SURVEY_API void SURVEY_CALL dmat_calc(int16_t n, const double* a, const double* b, const char* op, double* out);
/* Appends to out, in index order, the a[i] for which a[i] op v holds (op "=", ">",
 * ">=", "<", "<=", "<>"); returns their count. An op beginning with none of '=',
 * '>', '<' takes nothing. out holds n elements. */
SURVEY_API int16_t SURVEY_CALL dmat_cmp(int16_t n, const double* a, const char* op, double v, double* out);
/* Copies the distinct values of a (exact equality) to out in first-occurrence order;
 * returns their count. out holds n elements. */
SURVEY_API int16_t SURVEY_CALL dmat_squ(int16_t n, const double* a, double* out);
/* k-th smallest element (k from 1): sorts a ascending in place and returns a[k-1];
 * k > n (or k < 1) returns 0.0 and leaves a unchanged. */
SURVEY_API double SURVEY_CALL smallno(int16_t n, double* a, int16_t k);
/* k-th largest element (k from 1): sorts a descending in place and returns a[k-1];
 * k > n (or k < 1) returns 0.0 and leaves a unchanged. */
SURVEY_API double SURVEY_CALL maxno(int16_t n, double* a, int16_t k);
/* Product of the non-zero elements, as 10 to the sum of their decimal logarithms
 * (a negative element gives not-a-number); 0.0 for n < 1. */
SURVEY_API double SURVEY_CALL product(int16_t n, const double* a);
/* 1 when the ring of n points is closed (first point equals last exactly), else 0. */
SURVEY_API int16_t SURVEY_CALL oc(int16_t n, const double* x, const double* y);
/* Rectangular to polar: *r = sqrt(x^2 + y^2), *theta = arcsin(y / r) in radians,
 * [-pi/2, pi/2] (the quadrant is lost). At the origin nothing is written. */
SURVEY_API void SURVEY_CALL trans(double x, double y, double* r, double* theta);
/* As trans with *theta = arcsin(x / r), the angle measured from the y axis. */
SURVEY_API void SURVEY_CALL trans1(double x, double y, double* r, double* theta);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_ARRAYOPS_H */
