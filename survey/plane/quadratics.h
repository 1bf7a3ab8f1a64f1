/* quadratics.h - the quadratic solver that counts roots, and the circle
 * x^2 + y^2 + D x + E y + F = 0 cut by a slope-form or a vertical line.
 *
 * Root counts are 0, 1 or 2, written through an int16_t pointer.
 */
#ifndef SURVEY_PLANE_QUADRATICS_H
#define SURVEY_PLANE_QUADRATICS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Real roots of A t^2 + B t + C = 0. Nothing is written when A = 0; else *n, *r1, *r2
 * are first set to 0, then with the discriminant d = B^2 - 4AC: d = 0 gives n = 1,
 * d > 0 gives n = 2, each with r1 = (sqrt d - B)/(2A), r2 = (-B - sqrt d)/(2A); d < 0
 * (or NaN) leaves n = 0 and both roots 0. */
SURVEY_API void SURVEY_CALL kai_kousiki(double A, double B, double C, int16_t* n, double* r1,
                                        double* r2);
/* Sign of the discriminant B^2 - 4AC (-1, 0 or 1); -2 when A = 0. */
SURVEY_API int16_t SURVEY_CALL hanbetu(double A, double B, double C);
/* The circle (D, E, F) cut by y = m x + k: every output is first set to 0, then the
 * abscissas come from kai_kousiki and both ordinates are m x + k (k when n = 0). */
SURVEY_API void SURVEY_CALL kai_work1(double D, double E, double F, double m, double k, int16_t* n,
                                      double* x1, double* y1, double* x2, double* y2);
/* The circle (D, E, F) cut by x = x0: every output is first set to 0, then the
 * ordinates come from kai_kousiki and both abscissas are x0 (also when n = 0). */
SURVEY_API void SURVEY_CALL kai_work2(double D, double E, double F, double x0, int16_t* n,
                                      double* x1, double* y1, double* x2, double* y2);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_QUADRATICS_H */
