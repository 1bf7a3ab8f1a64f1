/* numtheory.h - greatest common divisor and least common multiple, primes, reduced
 * fractions and fraction arithmetic, recurring decimals, Pythagorean triples,
 * Fibonacci numbers and the golden section, sums of progressions.
 *
 * Integers are 32-bit; products wrap modulo 2^32 as 32-bit integer arithmetic does.
 * A divisor that comes out 0 never traps: the functions below say what they give.
 */
#ifndef SURVEY_NUMERICS_NUMTHEORY_H
#define SURVEY_NUMERICS_NUMTHEORY_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Greatest common divisor by Euclid's algorithm, started from the larger argument
 * (remainders keep the sign of the dividend); 0 when the smaller argument is 0. */
SURVEY_API int32_t SURVEY_CALL LGcm(int32_t a, int32_t b);
/* Least common multiple a*b / LGcm(a, b), the product wrapped to 32 bits; 0 when
 * LGcm(a, b) is 0. */
SURVEY_API int32_t SURVEY_CALL LLcm(int32_t a, int32_t b);
/* The fraction a/b reduced by g = LGcm(a, b): *p = a/g, *q = b/g; when g is 0 the
 * fraction is written unreduced (*p = a, *q = b). */
SURVEY_API void SURVEY_CALL yakubun(int32_t a, int32_t b, int32_t* p, int32_t* q);
/* a/b op c/d reduced with yakubun; op's first character: '+' (bc + ad)/(bd),
 * '-' (ad - bc)/(bd), '*' (ac)/(bd), '/' (ad)/(bc); any other op (or none) reduces a/a. */
SURVEY_API void SURVEY_CALL b_calc(int32_t a, int32_t b, const char* op, int32_t c, int32_t d, int32_t* p,
                                   int32_t* q);
/* The recurring decimal 0.nnn... as a reduced fraction n / (10^k - 1), k the number of
 * decimal digits of |n| (1 for 0), 10^k wrapped to 32 bits. */
SURVEY_API void SURVEY_CALL jyunkan(int32_t n, int32_t* p, int32_t* q);
/* 1 when n is prime, else 0. */
SURVEY_API int16_t SURVEY_CALL sosu(int32_t n);
/* The largest prime <= n; 0 for n < 2. */
SURVEY_API int32_t SURVEY_CALL sosu_max(int32_t n);
/* Pythagorean triple (n, *b, *c): odd n, b = (n^2 - 1)/2 and c = (n^2 + 1)/2; even n,
 * b = n^2/4 - 1 and c = n^2/4 + 1 (n^2 wrapped to 32 bits); returns c. For n < 3
 * nothing is written and n is returned. */
SURVEY_API int32_t SURVEY_CALL pythagoras_num(int32_t n, int32_t* b, int32_t* c);
/* The roots of x^2 - x - 1 = 0: *x1 = (1 + sqrt 5)/2, *x2 = (1 - sqrt 5)/2. */
SURVEY_API void SURVEY_CALL golden_section(double* x1, double* x2);
/* n-th Fibonacci number by Binet's formula, rounded to an integer (exact for
 * -68 <= n <= 70; relative error about 1e-14 beyond). */
SURVEY_API double SURVEY_CALL fibonacci(int32_t n);
/* Sum of n terms: kind 1 arithmetic, first term a and difference r,
 * n((n - 1)r + 2a)/2; kind 2 geometric, a(r^n - 1)/(r - 1), 0.0 for r = 1;
 * any other kind 0.0. */
SURVEY_API double SURVEY_CALL Tprogres(int16_t kind, double a, double r, int16_t n);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_NUMTHEORY_H */
