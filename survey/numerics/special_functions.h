/* special_functions.h - error, gamma and beta functions by rational approximation,
 * factorials and counting formulas, inverse hyperbolic and Gudermannian functions,
 * guarded logarithms, powers and roots.
 *
 * Out-of-range input gives the guard value stated per function (mostly 0.0);
 * nothing is reported otherwise.
 */
#ifndef SURVEY_NUMERICS_SPECIAL_FUNCTIONS_H
#define SURVEY_NUMERICS_SPECIAL_FUNCTIONS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Error function, Abramowitz and Stegun 7.1.28 (|error| <= 3e-7): 1 - 1/s^16 with
 * s = 1 + 0.0705230784 x + ... + 0.0000430638 x^6. 0.0 for x <= 0 (also for
 * negative x, not -erf|x|), 1.0 for x >= 10. */
SURVEY_API double SURVEY_CALL errf(double x);
/* Gamma function: the argument is reduced to (0, 1] by the recurrence, then
 * Abramowitz and Stegun 6.1.36 for Gamma(1 + x). 0.0 for x <= 0 and for x >= 34.
 * Bound as "gammaf"; the symbol carries a prefix (the C library has a gammaf). */
SURVEY_API double SURVEY_CALL survey_gammaf(double x);
/* Beta function gammaf(a) gammaf(b) / gammaf(a + b); 0.0 when a + b = 0. Infinite
 * or not a number for a + b >= 34, where gammaf is 0.0. */
SURVEY_API double SURVEY_CALL betaf(double a, double b);
/* Double factorial n (n-2) (n-4) ... with n >> 1 factors (ends at 2 or 3); 1.0 for n < 2. */
SURVEY_API double SURVEY_CALL kaijo2(int16_t n);
/* Multinomial coefficient (k[0] + ... + k[n-1])! / (product of k[i]! over k[i] != 0);
 * the sum wraps as a 16-bit integer. 1.0 for n < 1. */
SURVEY_API double SURVEY_CALL takou_keisu(int16_t n, const int16_t* k);
/* Binomial coefficient through sums of logarithms, exp(lf(n) - lf(k) - lf(n-k)) with
 * lf(m) = ln 2 + ... + ln m; 0.0 when n < k or k < 0, 1.0 when k = 0 or k = n. */
SURVEY_API double SURVEY_CALL Nikou_Keisu(int16_t n, int16_t k);
/* Counting formulas for n things taken r at a time, written to out[5]:
 * out[0] = n!/(n-r)!, out[1] = out[0]/r (circular; infinite for r = 0),
 * out[2] = out[1]/2 for n >= 3 else 0 (necklaces), out[3] = n^r, out[4] = n!/(r!(n-r)!).
 * Nothing is written unless 0 <= r <= n. */
SURVEY_API void SURVEY_CALL combine(int16_t n, int16_t r, double* out);

/* Inverse hyperbolic sine ln(sqrt(x^2 + 1) + x), odd in x; 0.0 when the sum is not
 * positive (NaN). Infinite once x^2 overflows (|x| > 1.3e154). */
SURVEY_API double SURVEY_CALL arcsinH(double x);
/* Inverse hyperbolic cosine ln(sqrt(x^2 - 1) + x); 0.0 when the sum is not positive
 * or not a number (|x| < 1). */
SURVEY_API double SURVEY_CALL arccosH(double x);
/* Inverse hyperbolic tangent 0.5 ln((x + 1)/(1 - x)); 0.0 for x = 1 and when the
 * quotient is not positive. */
SURVEY_API double SURVEY_CALL arctanH(double x);
/* Gudermannian 2 atan(e^x) - pi/2 and its inverse 0.5 ln((1 + sin x)/(1 - sin x)). */
SURVEY_API double SURVEY_CALL gudermann(double x);
SURVEY_API double SURVEY_CALL arc_gudermann(double x);
/* e^x; x^y. */
SURVEY_API double SURVEY_CALL epow(double x);
SURVEY_API double SURVEY_CALL fpow(double x, double y);
/* Real cube root: sign(x) |x|^(1/3) and one refinement step; 0.0 for x = 0.
 * Infinite above about 6e307 (3x overflows). */
SURVEY_API double SURVEY_CALL Cbrt(double x);
/* ln x and log10 x for x > 0, else 0.0. */
SURVEY_API double SURVEY_CALL floge(double x);
SURVEY_API double SURVEY_CALL flog10(double x);
/* ln x / ln base; 0.0 when base = 0 or x = 0. */
SURVEY_API double SURVEY_CALL flog(double base, double x);
/* flog(2, x). */
SURVEY_API double SURVEY_CALL flog2(double x);
/* sqrt(x pi). */
SURVEY_API double SURVEY_CALL sqrt_pi(double x);
/* sqrt(a op b) for the first character of op: '+', '-' (0.0 when a - b < 0), '*',
 * '/' (0.0 when b = 0); any other op, or none, gives 0.0. */
SURVEY_API double SURVEY_CALL sqrt_xy(double a, double b, const char* op);
/* Radiocarbon age -5600 log2(p) of the remaining fraction p, 0 <= p <= 1 (half-life
 * 5600 years); 0.0 for p outside [0, 1]. */
SURVEY_API double SURVEY_CALL c14(double p);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_SPECIAL_FUNCTIONS_H */
