/* lines.h - lines in coefficient form a x + b y + c = 0: from points and directions,
 * slope form, perpendiculars, parallels, bisectors, distances, angles and sides.
 *
 * A line made from two points P1, P2 has a unit normal: with (vx, vy) the unit vector
 * of P1 -> P2 and (mx, my) the midpoint, a = -vy, b = vx, c = mx vy - my vx; its
 * direction vector is (b, -a). Direction angles are radians from +y toward +x.
 */
#ifndef SURVEY_PLANE_LINES_H
#define SURVEY_PLANE_LINES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Coefficients of the line P1P2 (unit normal; (0, 0, 0) for equal points). */
SURVEY_API void SURVEY_CALL line_hotei(double x1, double y1, double x2, double y2, double* a,
                                       double* b, double* c);
/* Coefficients of the line through (x, y) with direction angle t (radians); the
 * second point is placed 100.0 away by side_shot. */
SURVEY_API void SURVEY_CALL line_hoteiPA(double x, double y, double t, double* a, double* b,
                                         double* c);
/* The same line as line_hoteiPA, its second point computed in place. */
SURVEY_API void SURVEY_CALL rotate_abc(double x, double y, double t, double* a, double* b,
                                       double* c);
/* Unit direction vector (b, -a)/|(a, b)| of a coefficient line and its direction
 * angle (radians). */
SURVEY_API void SURVEY_CALL get_line2(double a, double b, double c, double* vx, double* vy,
                                      double* t);
/* Slope form y = m x + k of a coefficient line; nothing written when b = 0. */
SURVEY_API void SURVEY_CALL line_hen1(double a, double b, double c, double* m, double* k);
/* Coefficients (-m, 1, -k) of the line y = m x + k. */
SURVEY_API void SURVEY_CALL line_hen2(double m, double k, double* a, double* b, double* c);
/* Perpendicular to a x + b y + c = 0 through (x, y): (-b, a, b x - a y). */
SURVEY_API void SURVEY_CALL choku_line(double a, double b, double c, double x, double y,
                                       double* ao, double* bo, double* co);
/* Perpendicular to the line P1P2 through P3. */
SURVEY_API void SURVEY_CALL choku_line2(double x1, double y1, double x2, double y2, double x3,
                                        double y3, double* ao, double* bo, double* co);
/* c of the two parallels at distance d: c + d |(a, b)| and c - d |(a, b)|. */
SURVEY_API void SURVEY_CALL heikou(double a, double b, double c, double d, double* c1, double* c2);
/* c of the parallel through (x, y): -(a x + b y). */
SURVEY_API double SURVEY_CALL heikou2(double a, double b, double c, double x, double y);
/* Bisector at P2 of the angle P1-P2-P3 as a coefficient line. */
SURVEY_API void SURVEY_CALL line_angdev2(double x1, double y1, double x2, double y2, double x3,
                                         double y3, double* a, double* b, double* c);
/* Distance of (x, y) from the line a x + b y + c = 0. */
SURVEY_API double SURVEY_CALL p2l_dist(double a, double b, double c, double x, double y);
/* Acute angle between two coefficient lines in [0, pi/2]; radians. */
SURVEY_API double SURVEY_CALL line_ang(double a1, double b1, double c1, double a2, double b2,
                                       double c2);
/* Acute angle between a coefficient line and the x axis; radians. */
SURVEY_API double SURVEY_CALL line_angX(double a, double b, double c);
/* Acute angle between a coefficient line and the y axis; radians. */
SURVEY_API double SURVEY_CALL line_angY(double a, double b, double c);
/* Side of (x, y) with respect to the line: 1 where the normal (a, b) points, 0 on the
 * line, -1 on the other side. */
SURVEY_API int32_t SURVEY_CALL Point_UD(double x, double y, double a, double b, double c);
/* Axis intercepts -c/a and -c/b (each 0.0 when its divisor is 0). */
SURVEY_API void SURVEY_CALL jiku_kouten(double a, double b, double c, double* xi, double* yi);
/* 0 when P1, P2, P3 are collinear (twice the triangle's area at most 1e-05), else -1. */
SURVEY_API int16_t SURVEY_CALL line_3pointon(double x1, double y1, double x2, double y2, double x3,
                                             double y3);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_LINES_H */
