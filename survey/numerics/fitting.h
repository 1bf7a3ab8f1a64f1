/* fitting.h - Helmert (four-parameter similarity) and affine (six-parameter)
 * transformations of plane coordinates: least-squares fits from common points,
 * application to point lists, and rotation/scale decomposition.
 *
 * Helmert parameters (a, b, c, d):  X = a*x - b*y + c,  Y = b*x + a*y + d.
 * Affine parameters a[2], b[2], c[2]: X = a[0]*x + b[0]*y + c[0],
 *                                     Y = a[1]*x + b[1]*y + c[1].
 * Point lists are parallel double arrays of n elements. Angles are radians.
 */
#ifndef SURVEY_NUMERICS_FITTING_H
#define SURVEY_NUMERICS_FITTING_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Least-squares Helmert parameters mapping (x, y) onto (X, Y) over n common points
 * (normal equations solved with gauss_c). n < 1 leaves a, b, c, d unchanged. */
SURVEY_API void SURVEY_CALL helmert_keisu(int16_t n, const double* x, const double* y, const double* X,
                                          const double* Y, double* a, double* b, double* c, double* d);
/* Applies the Helmert parameters to n points: X[i] = a*x[i] - b*y[i] + c,
 * Y[i] = a*y[i] + b*x[i] + d. Returns n. */
SURVEY_API int16_t SURVEY_CALL helmert(int16_t n, const double* x, const double* y, double* X, double* Y,
                                       double a, double b, double c, double d);
/* Rotation theta = atan(b/a) (radians, in (-pi/2, pi/2)) and scale s = sqrt(a^2 + b^2)
 * of a Helmert transformation; a = 0 leaves both unchanged. */
SURVEY_API void SURVEY_CALL helmert_spec(double a, double b, double* theta, double* s);

/* Least-squares fit of one coordinate, T = a*x + b*y + c, over n points (normal
 * equations solved with gauss_c). n <= 0 leaves a, b, c unchanged.
 * Exported only under its stdcall-decorated name _affine_work@28. */
SURVEY_API void SURVEY_CALL affine_work(int16_t n, const double* x, const double* y, const double* T,
                                        double* a, double* b, double* c);
/* Both affine rows: the fit of X into a[0], b[0], c[0], then of Y into a[1], b[1], c[1]. */
SURVEY_API void SURVEY_CALL affine_keisu(int16_t n, const double* x, const double* y, const double* X,
                                         const double* Y, double* a, double* b, double* c);
/* Applies the affine parameters to n points: X[i] = x[i]*a[0] + b[0]*y[i] + c[0],
 * Y[i] = x[i]*a[1] + y[i]*b[1] + c[1]. Returns n. */
SURVEY_API int16_t SURVEY_CALL affine(int16_t n, const double* x, const double* y, double* X, double* Y,
                                      const double* a, const double* b, const double* c);
/* Decomposes affine parameters: theta = (x-axis rotation, skew between the axes),
 * s = (x scale, y scale), o = origin terms (all arrays of 2; angles in radians). */
SURVEY_API void SURVEY_CALL affine_spec(const double* a, const double* b, const double* c, double* theta,
                                        double* s, double* o);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_FITTING_H */
