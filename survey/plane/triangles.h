/* triangles.h - triangle centres, vertex angles, solutions from sides and angles,
 * medians and plotting a triangle from its sides.
 *
 * Angles are radians; direction angles run from +y toward +x.
 */
#ifndef SURVEY_PLANE_TRIANGLES_H
#define SURVEY_PLANE_TRIANGLES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Centroid of P1, P2, P3. */
SURVEY_API void SURVEY_CALL gyusin_point3(double x1, double y1, double x2, double y2, double x3,
                                          double y3, double* x, double* y);
/* Incentre (the bisectors at P2 and at P3 intersected) and the inscribed radius. */
SURVEY_API void SURVEY_CALL naisin_point3(double x1, double y1, double x2, double y2, double x3,
                                          double y3, double* x, double* y, double* r);
/* Circumcentre (the perpendicular bisectors of P1P2 and P2P3 intersected) and the
 * circumradius. */
SURVEY_API void SURVEY_CALL gaisin_point3(double x1, double y1, double x2, double y2, double x3,
                                          double y3, double* x, double* y, double* R);
/* Orthocentre (the altitude through P3, then the one through P1, intersected). */
SURVEY_API void SURVEY_CALL suisin_point3(double x1, double y1, double x2, double y2, double x3,
                                          double y3, double* x, double* y);
/* Angle at B from B->A to B->C in the direction sense, in (0, 2pi]. */
SURVEY_API double SURVEY_CALL kyoukaku_point3(double xa, double ya, double xb, double yb,
                                              double xc, double yc);
/* The same angle counted the other way, in [0, 2pi). */
SURVEY_API double SURVEY_CALL naikaku_point3(double xa, double ya, double xb, double yb,
                                             double xc, double yc);
/* Angles of the triangle of sides a, b, c by the law of cosines: *a1 between a and c,
 * *a2 between a and b, *a3 between b and c. NaN for impossible or flat sides. */
SURVEY_API void SURVEY_CALL Angl3(double a, double b, double c, double* a1, double* a2, double* a3);
/* Interior angles at P1, P2, P3 (Angl3 of |P1P2|, |P2P3|, |P3P1|). */
SURVEY_API void SURVEY_CALL Angl_point3(double x1, double y1, double x2, double y2, double x3,
                                        double y3, double* a1, double* a2, double* a3);
/* Two sides a, b and their angle theta: nothing when theta <= 0; else the third side
 * *c, and, for a proper triangle, the angle *beta opposite b and *alpha opposite a. */
SURVEY_API void SURVEY_CALL len2ang1(double a, double b, double theta, double* c, double* beta,
                                     double* alpha);
/* Side c and the angles alpha, beta at its ends (both > 0): the third angle
 * *gamma = pi - (alpha + beta), and when it is positive the other sides
 * *a = sin(beta) c / sin(gamma) (beside alpha) and *b = sin(alpha) c / sin(gamma). */
SURVEY_API void SURVEY_CALL len1ang2(double c, double alpha, double beta, double* a, double* b,
                                     double* gamma);
/* Median to side b of the triangle of sides a, b, c; 0.0 when they make none. */
SURVEY_API double SURVEY_CALL cyusen(double a, double b, double c);
/* Plots the triangle of sides a, b, c from (x0, y0): P2 = (x0 + a, y0) and P3 at
 * distance c from (x0, y0) above the base; nothing for sides that make no triangle. */
SURVEY_API void SURVEY_CALL zah_len3(double a, double b, double c, double x0, double y0, double* x3,
                                     double* y3, double* x2, double* y2);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_TRIANGLES_H */
