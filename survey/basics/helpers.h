/* helpers.h - pairwise and three-way minimum/maximum, two-double records, and the
 * elementary number helpers used throughout the library.
 */
#ifndef SURVEY_BASICS_HELPERS_H
#define SURVEY_BASICS_HELPERS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Larger / smaller of two values (iMax: a if a > b else b; iMin: a if a < b else b). */
SURVEY_API int16_t SURVEY_CALL iMax(int16_t a, int16_t b);
SURVEY_API int16_t SURVEY_CALL iMin(int16_t a, int16_t b);
SURVEY_API int32_t SURVEY_CALL lMax(int32_t a, int32_t b);
SURVEY_API int32_t SURVEY_CALL lMin(int32_t a, int32_t b);
/* fMax: a if a > b else b; fMin: b if a >= b else a. */
SURVEY_API float SURVEY_CALL fMax(float a, float b);
SURVEY_API float SURVEY_CALL fMin(float a, float b);
SURVEY_API double SURVEY_CALL dMax(double a, double b);
SURVEY_API double SURVEY_CALL dMin(double a, double b);

/* Largest / smallest of three values. The integer variants return a double. */
SURVEY_API double SURVEY_CALL iMax3(int16_t a, int16_t b, int16_t c);
SURVEY_API double SURVEY_CALL iMin3(int16_t a, int16_t b, int16_t c);
SURVEY_API double SURVEY_CALL lMax3(int32_t a, int32_t b, int32_t c);
SURVEY_API double SURVEY_CALL lMin3(int32_t a, int32_t b, int32_t c);
SURVEY_API float SURVEY_CALL fMax3(float a, float b, float c);
SURVEY_API float SURVEY_CALL fMin3(float a, float b, float c);
SURVEY_API double SURVEY_CALL dMax3(double a, double b, double c);
SURVEY_API double SURVEY_CALL dMin3(double a, double b, double c);
/* Middle value of three; 0.0 for unordered input (NaN). */
SURVEY_API double SURVEY_CALL dMid3(double a, double b, double c);

/* Writes the record (x, y) to *result and returns result. tocomplex is a second name. */
SURVEY_API survey_point* SURVEY_CALL topoint(survey_point* result, double x, double y);
SURVEY_API survey_complex* SURVEY_CALL tocomplex(survey_complex* result, double re, double im);
/* 1 when both doubles of a equal those of b exactly, else 0. p_eq is a second name. */
SURVEY_API int16_t SURVEY_CALL c_eq(const survey_complex* a, const survey_complex* b);
SURVEY_API int16_t SURVEY_CALL p_eq(const survey_point* a, const survey_point* b);

/* n! as a double (1.0 for n < 2). */
SURVEY_API double SURVEY_CALL kaijo(int16_t n);
/* Hyperbolic sine, cosine and tangent. */
SURVEY_API double SURVEY_CALL sinH(double x);
SURVEY_API double SURVEY_CALL cosH(double x);
SURVEY_API double SURVEY_CALL tanH(double x);
/* k-th root x^(1/k); 0.0 when k = 0. */
SURVEY_API double SURVEY_CALL kon(double x, double k);
/* x * pi. */
SURVEY_API double SURVEY_CALL fpi(double x);
/* sqrt(a^2 + b^2). */
SURVEY_API double SURVEY_CALL sr(double a, double b);
/* sqrt(a^2 - b^2), or 0.0 when a^2 - b^2 < 0. */
SURVEY_API double SURVEY_CALL srm(double a, double b);
/* -1 when xmin <= x <= xmax and ymin <= y <= ymax, else 0. */
SURVEY_API int16_t SURVEY_CALL zah_cmp(double x, double y, double xmin, double ymin, double xmax,
                                       double ymax);
/* 1, -1 or 0 by the sign of v. */
SURVEY_API int32_t SURVEY_CALL sign(double v);
/* 1/v, or 0.0 when v == 0. */
SURVEY_API double SURVEY_CALL gy(double v);
/* v clamped to [lo, hi] (the upper test last). */
SURVEY_API int32_t SURVEY_CALL TrapInt(int32_t v, int32_t lo, int32_t hi);
/* Fractional part of v with the sign of v; the integral part goes to *ip. */
SURVEY_API double SURVEY_CALL Modf(double v, double* ip);
/* Smallest integer >= v; largest integer <= v. */
SURVEY_API double SURVEY_CALL Ceil(double v);
SURVEY_API double SURVEY_CALL Floor(double v);
/* v rounded to `digits` decimals, halves away from zero (bound as "round"; the
 * symbol carries a prefix so that it never stands in for the C library's round). */
SURVEY_API double SURVEY_CALL survey_round(double v, int16_t digits);
/* Leading decimal number of s as atoi, atol and atof read it (0 when none). */
SURVEY_API int32_t SURVEY_CALL a2i(const char* s);
SURVEY_API int32_t SURVEY_CALL a2l(const char* s);
SURVEY_API double SURVEY_CALL a2d(const char* s);
/* Empties the string buffer s (NUL in its first byte); returns 0. */
SURVEY_API uint8_t SURVEY_CALL char_clear(char* s);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_HELPERS_H */
