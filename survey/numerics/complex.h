/* complex.h - complex arithmetic and the elementary complex functions.
 *
 * A complex number is the two-double record (re, im). A function with a complex
 * result takes a pointer to the caller's result record first, writes it and
 * returns that pointer; the result may be one of the operands. Nothing is
 * guarded beyond what is stated: division by zero and the logarithm of zero give
 * infinities or not-a-number. Angles are radians.
 */
#ifndef SURVEY_NUMERICS_COMPLEX_H
#define SURVEY_NUMERICS_COMPLEX_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Polar to complex: (r cos theta, r sin theta). */
SURVEY_API survey_complex* SURVEY_CALL p2g(survey_complex* result, double r, double theta);
/* Square root of a real number: (sqrt x, 0) for x >= 0, (0, sqrt(-x)) otherwise. */
SURVEY_API survey_complex* SURVEY_CALL d_sqrt(survey_complex* result, double x);
/* Real and imaginary part. */
SURVEY_API double SURVEY_CALL c_real(const survey_complex* z);
SURVEY_API double SURVEY_CALL c_imaginary(const survey_complex* z);
/* Modulus sr(re, im). */
SURVEY_API double SURVEY_CALL c_abs(const survey_complex* z);
/* Argument atan2(im, re) in [-pi, pi]; 0.0 when the modulus is 0. */
SURVEY_API double SURVEY_CALL c_arg(const survey_complex* z);

/* a + b, a - b, a b, a / b (no guard for b = 0). */
SURVEY_API survey_complex* SURVEY_CALL c_add(survey_complex* result, const survey_complex* a,
                                             const survey_complex* b);
SURVEY_API survey_complex* SURVEY_CALL c_sub(survey_complex* result, const survey_complex* a,
                                             const survey_complex* b);
SURVEY_API survey_complex* SURVEY_CALL c_mul(survey_complex* result, const survey_complex* a,
                                             const survey_complex* b);
SURVEY_API survey_complex* SURVEY_CALL c_div(survey_complex* result, const survey_complex* a,
                                             const survey_complex* b);
/* The same with both operands by value. Exported only under the decorated names
 * _c_addc@32, _c_subc@32, _c_mulc@32 and _c_divc@32: the count leaves out the
 * result pointer. */
SURVEY_API survey_complex* SURVEY_CALL c_addc(survey_complex* result, double a_re, double a_im, double b_re,
                                              double b_im);
SURVEY_API survey_complex* SURVEY_CALL c_subc(survey_complex* result, double a_re, double a_im, double b_re,
                                              double b_im);
SURVEY_API survey_complex* SURVEY_CALL c_mulc(survey_complex* result, double a_re, double a_im, double b_re,
                                              double b_im);
SURVEY_API survey_complex* SURVEY_CALL c_divc(survey_complex* result, double a_re, double a_im, double b_re,
                                              double b_im);
/* Conjugate (re, -im). */
SURVEY_API survey_complex* SURVEY_CALL c_onj(survey_complex* result, const survey_complex* z);
/* (k re, k im). */
SURVEY_API survey_complex* SURVEY_CALL c_scale(survey_complex* result, const survey_complex* z, double k);
/* Reciprocal 1/z (no guard for z = 0). */
SURVEY_API survey_complex* SURVEY_CALL c_gy(survey_complex* result, const survey_complex* z);
/* Value at z of the degree-n polynomial with the n + 1 complex coefficients a,
 * highest power first (Horner's rule); a[0] for n < 1. */
SURVEY_API survey_complex* SURVEY_CALL c_takou(survey_complex* result, int16_t n, const survey_complex* a,
                                               const survey_complex* z);

/* Principal square root and real power k, from modulus and argument. */
SURVEY_API survey_complex* SURVEY_CALL c_sqrt(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_pow(survey_complex* result, const survey_complex* z, double k);
/* e^z; principal logarithms to the bases e, 10 and 2. */
SURVEY_API survey_complex* SURVEY_CALL c_exp(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_ln(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_log10(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_log2(survey_complex* result, const survey_complex* z);
/* Sine, cosine and tangent (the real part reduced by whole turns beyond 2 pi);
 * c_tan gives (0, 0) where the cosine is 0. */
SURVEY_API survey_complex* SURVEY_CALL c_sin(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_cos(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_tan(survey_complex* result, const survey_complex* z);
/* Inverse sine, cosine and tangent through the logarithm: -i ln(i z + w),
 * -i ln(z + i w) with w = sqrt((1 + z)(1 - z)), and -i/2 ln((1 + i z)/(1 - i z)).
 * The sine and cosine take -ln of the reciprocal argument (w - i z, z - i w) where
 * that is the larger, so that no digits cancel far from the origin. */
SURVEY_API survey_complex* SURVEY_CALL c_asin(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_acos(survey_complex* result, const survey_complex* z);
SURVEY_API survey_complex* SURVEY_CALL c_atan(survey_complex* result, const survey_complex* z);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_COMPLEX_H */
