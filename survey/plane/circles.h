/* circles.h - circles as coefficients (D, E, F) of x^2 + y^2 + D x + E y + F = 0:
 * conversion to and from centre and radius, circles through points, intersections
 * with lines and circles, tangent points, division points, chord and arc relations
 * and the arc's height over its chord.
 *
 * Intersections write a root count (0, 1 or 2) and two points; with one root the
 * second point equals the first. Angles are radians.
 */
#ifndef SURVEY_PLANE_CIRCLES_H
#define SURVEY_PLANE_CIRCLES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Centre (-D/2, -E/2) and radius sqrt((D^2 + E^2)/4 - F) (NaN when negative). */
SURVEY_API void SURVEY_CALL get_rad_org(double D, double E, double F, double* xc, double* yc,
                                        double* r);
/* Coefficients of the circle of centre (xc, yc) and radius r. */
SURVEY_API void SURVEY_CALL en_keisu(double xc, double yc, double r, double* D, double* E,
                                     double* F);
/* Position of (x, y): 1 outside the circle, 0 on it, -1 inside. */
SURVEY_API int16_t SURVEY_CALL Point_IO(double x, double y, double D, double E, double F);
/* Circle through the three points xs[0..2], ys[0..2]; nothing is written when the
 * points are collinear or two coincide. */
SURVEY_API void SURVEY_CALL rad_3point(const double* xs, const double* ys, double* D, double* E,
                                       double* F);
/* The same as centre and radius. */
SURVEY_API void SURVEY_CALL rad_org(const double* xs, const double* ys, double* xc, double* yc,
                                    double* r);
/* Circle on the diameter P1P2. */
SURVEY_API void SURVEY_CALL rad_2point(double x1, double y1, double x2, double y2, double* D,
                                       double* E, double* F);
/* Centres of the two circles of radius R through P1 and P2: A right of P1->P2, B left
 * (x right, y up); nothing when P1 = P2 or R is less than half their distance. */
SURVEY_API void SURVEY_CALL rad_2pointr(double x1, double y1, double x2, double y2, double R,
                                        double* xa, double* ya, double* xb, double* yb);
/* Circle of the points whose distances to P1 and P2 are in the ratio m : n; nothing
 * unless m > 0, n > 0 and m != n. */
SURVEY_API void SURVEY_CALL apollo_circle(double x1, double y1, double x2, double y2, double m,
                                          double n, double* D, double* E, double* F);
/* Division point (n P1 + m P2)/(m + n) (external for negative n); nothing when
 * m <= 0 and n = 0, or when n < 0 and m = n. */
SURVEY_API void SURVEY_CALL naibun2(double x1, double y1, double x2, double y2, double m, double n,
                                    double* x, double* y);
/* Circle cut by the line a x + b y + c = 0. */
SURVEY_API void SURVEY_CALL en_sen(double D, double E, double F, double a, double b, double c,
                                   int16_t* n, double* x1, double* y1, double* x2, double* y2);
/* Two circles cut by each other (their radical line with circle 1); equal circles
 * give n = 0 with NaN abscissas. */
SURVEY_API void SURVEY_CALL en_en(double D1, double E1, double F1, double D2, double E2, double F2,
                                  int16_t* n, double* x1, double* y1, double* x2, double* y2);
/* The same from centres and radii. */
SURVEY_API void SURVEY_CALL en_en2(double xc1, double yc1, double r1, double xc2, double yc2,
                                   double r2, int16_t* n, double* x1, double* y1, double* x2,
                                   double* y2);
/* Radical line (D1 - D2, E1 - E2, F1 - F2) of two circles. */
SURVEY_API void SURVEY_CALL en2_kou(double D1, double E1, double F1, double D2, double E2,
                                    double F2, double* a, double* b, double* c);
/* Points where the tangents from (px, py) touch the circle (n = 0 from inside). */
SURVEY_API void SURVEY_CALL en_setu(double D, double E, double F, double px, double py,
                                    int16_t* n, double* x1, double* y1, double* x2, double* y2);
/* Central angle of the chord L: 2 arcsin(L / 2r); 0.0 when r <= 0 or 2r < L. */
SURVEY_API double SURVEY_CALL center_ang(double r, double L);
/* Central angle from the rise h of the arc over its chord: 2 arccos(1 - h/r); 0.0
 * when r <= 0 or h > r. */
SURVEY_API double SURVEY_CALL center_ang2(double r, double h);
/* Central angle from the arc length: s/r; 0.0 when r <= 0 or s <= 0. */
SURVEY_API double SURVEY_CALL center_ang3(double r, double s);
/* Chord *L, rise *h and arc length *s of the central angle theta; nothing unless
 * 0 <= theta <= pi. */
SURVEY_API void SURVEY_CALL center_var(double r, double theta, double* L, double* h, double* s);
/* Height of the arc (radius r, central angle theta) above its chord at distance x
 * from the chord's end; 0.0 when x < 0. */
SURVEY_API double SURVEY_CALL work_dokata(double r, double theta, double x);
/* Distance from the chord's end at which the arc stands h above the chord; 0.0 when
 * h < 0. */
SURVEY_API double SURVEY_CALL work_dokata2(double r, double theta, double h);
/* work_dokata for the arc of chord L; 0.0 when 2r < L or x < 0. */
SURVEY_API double SURVEY_CALL dokata(double r, double L, double x);
/* work_dokata for the arc of rise h; 0.0 when h > r or x < 0. */
SURVEY_API double SURVEY_CALL dokata2(double r, double h, double x);
/* Angle |t2 - t1| between the direction angles of two coefficient lines. */
SURVEY_API double SURVEY_CALL len2_ang(double a1, double b1, double c1, double a2, double b2,
                                       double c2);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_CIRCLES_H */
