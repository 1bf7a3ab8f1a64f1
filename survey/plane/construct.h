/* construct.h - points constructed from points: unit vectors, midpoints, radiation by
 * distance and direction angle, division, rotations, translations, reflections.
 *
 * Direction angles are radians from +y toward +x; rotation angles are mathematical
 * (radians counter-clockwise from +x).
 */
#ifndef SURVEY_PLANE_CONSTRUCT_H
#define SURVEY_PLANE_CONSTRUCT_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Unit vector of P1 -> P2; a component whose difference is exactly 0 is exactly 0,
 * so equal points give (0, 0). */
SURVEY_API void SURVEY_CALL get_vect(double x1, double y1, double x2, double y2, double* vx,
                                     double* vy);
/* Midpoint of P1 and P2. */
SURVEY_API void SURVEY_CALL get_mid(double x1, double y1, double x2, double y2, double* x,
                                    double* y);
/* Midpoint, unit vector and direction angle (radians) of P1 -> P2. */
SURVEY_API void SURVEY_CALL get_line(double x1, double y1, double x2, double y2, double* mx,
                                     double* my, double* vx, double* vy, double* t);
/* Radiation: the point at distance d and direction angle t (radians) from (x, y). */
SURVEY_API void SURVEY_CALL side_shot(double x, double y, double d, double t, double* xo,
                                      double* yo);
/* The point at distance d from P1 toward P2. */
SURVEY_API void SURVEY_CALL naibun(double x1, double y1, double x2, double y2, double d, double* x,
                                   double* y);
/* (x, y) rotated about (cx, cy) by the mathematical angle theta (radians). */
SURVEY_API void SURVEY_CALL rotate_xy(double x, double y, double cx, double cy, double theta,
                                      double* xo, double* yo);
/* rotate_xy applied to n points of xs/ys into xo/yo (which may be xs/ys); nothing
 * when n < 1. */
SURVEY_API void SURVEY_CALL rotate_xyD(int32_t n, const double* xs, const double* ys, double cx,
                                       double cy, double theta, double* xo, double* yo);
/* P3 moved by the vector P1 -> P2. */
SURVEY_API void SURVEY_CALL parallel(double x1, double y1, double x2, double y2, double x3,
                                     double y3, double* x, double* y);
/* (P3 - P1) + R(theta)(P2 - P1), R the rotation by the mathematical angle theta. */
SURVEY_API void SURVEY_CALL rotate_para(double x1, double y1, double x2, double y2, double theta,
                                        double x3, double y3, double* x, double* y);
/* Mirror image of (x, y) in the line a x + b y + c = 0. */
SURVEY_API void SURVEY_CALL taisho_point(double a, double b, double c, double x, double y,
                                         double* xo, double* yo);
/* Offset of (x, y) by d along slope ratio s: case 1 (x - s d, y + d), 2 (x + s d, y + d),
 * 3 (x - s d, y - d), 4 (x + s d, y - d); any other case writes nothing. */
SURVEY_API void SURVEY_CALL line_katamuki(int16_t kind, double x, double y, double s, double d,
                                          double* xo, double* yo);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_CONSTRUCT_H */
