/* equations.h - quadratic and cubic equations with complex roots, a Newton
 * iteration for a real polynomial root, polynomial value and integral, and the
 * closed-form sums of sin(kx) and cos(kx).
 *
 * A polynomial of degree n is n + 1 doubles, highest power first:
 * a[0] x^n + a[1] x^(n-1) + ... + a[n]. Complex roots are (re, im) records.
 */
#ifndef SURVEY_NUMERICS_EQUATIONS_H
#define SURVEY_NUMERICS_EQUATIONS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Roots of a x^2 + b x + c = 0: z1 = (sqrt(D) - b)/(2a), z2 = (-sqrt(D) - b)/(2a)
 * with D = b b - 4 a c and the complex square root of d_sqrt. Returns the kind:
 * 2 for two real roots (D > 0), 1 for a double root, 0 for a complex pair, and
 * -2 when a = 0 (nothing written). */
SURVEY_API int16_t SURVEY_CALL kai_kousiki1(double a, double b, double c, survey_complex* z1,
                                            survey_complex* z2);
/* The two numbers with sum s and product p: kai_kousiki1(1, -s, p), whose kind it returns. */
SURVEY_API int16_t SURVEY_CALL equ1(double s, double p, survey_complex* z1, survey_complex* z2);
/* The three roots of a x^3 + b x^2 + c x + d = 0 by Cardano's formula (the
 * trigonometric form when all three are real). Nothing is written when a = 0. */
SURVEY_API void SURVEY_CALL cardano(double a, double b, double c, double d, survey_complex* z1,
                                    survey_complex* z2, survey_complex* z3);
/* The three numbers whose elementary symmetric sums are s1, s2, s3:
 * cardano(1, -s1, s2, -s3). */
SURVEY_API void SURVEY_CALL equ2(double s1, double s2, double s3, survey_complex* z1, survey_complex* z2,
                                 survey_complex* z3);
/* One real root of the degree-n polynomial a by Newton's iteration from -sum(a)/(n+1),
 * stopping when |step| / max|a[i]| <= eps or after maxiter steps (whether it converged
 * is not reported). 0.0 when a[0] = 0, n < 2, eps <= 0 or maxiter < 1. */
SURVEY_API double SURVEY_CALL Newton(const double* a, int16_t n, double eps, int16_t maxiter);
/* Value of the degree-n polynomial a at x by Horner's rule; a[0] for n < 1. */
SURVEY_API double SURVEY_CALL takou(int16_t n, const double* a, double x);
/* Integral of the degree-n polynomial a from x1 to x2; 0.0 for n < 0. */
SURVEY_API double SURVEY_CALL Tsekibun(int16_t n, const double* a, double x1, double x2);
/* sin x + sin 2x + ... + sin nx and cos x + ... + cos nx in closed form; 0.0 for
 * n < 1, not a number at x = 0 (0/0). */
SURVEY_API double SURVEY_CALL sin_sigma(int16_t n, double x);
SURVEY_API double SURVEY_CALL cos_sigma(int16_t n, double x);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_EQUATIONS_H */
