/* parabolas.h - the parabola y = p x^2 + q x + r: vertex, intersection with a
 * coefficient line, tangents from a point. Root counts are 0, 1 or 2.
 */
#ifndef SURVEY_PLANE_PARABOLAS_H
#define SURVEY_PLANE_PARABOLAS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Vertex; nothing when p = 0. */
SURVEY_API void SURVEY_CALL apex2(double p, double q, double r, double* x, double* y);
/* Parabola cut by a x + b y + c = 0: a vertical line gives one point (n = 1, written
 * twice); otherwise nothing when p = 0, only n = 0 and x1 = x2 = 0 without a crossing. */
SURVEY_API void SURVEY_CALL houbutu_sen(double p, double q, double r, double a, double b, double c,
                                        int16_t* n, double* x1, double* y1, double* x2, double* y2);
/* Points where the tangents from (px, py) touch the parabola; nothing when p = 0,
 * only n = 0 and x1 = x2 = 0 when there is no tangent. */
SURVEY_API void SURVEY_CALL houbutu_setu(double p, double q, double r, double px, double py,
                                         int16_t* n, double* x1, double* y1, double* x2,
                                         double* y2);
/* The tangents from (px, py) as y = m x + k; nothing when p = 0, only n = 0 when there
 * is no tangent. */
SURVEY_API void SURVEY_CALL houbutu_hotei(double p, double q, double r, double px, double py,
                                          int16_t* n, double* m1, double* k1, double* m2,
                                          double* k2);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_PARABOLAS_H */
