/* areas.h - areas of triangles, quadrilaterals, circular segments and corner cuts;
 * area, centroid and second moments of a ring; the double area of a closed
 * traverse by double meridian distances; equal division of a segment or an arc.
 * A ring is n points in two arrays, closed implicitly (the last joins the first).
 * Angles are radians.
 */
#ifndef SURVEY_PLANE_AREAS_H
#define SURVEY_PLANE_AREAS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Heron's area of the sides a, b, c; writes the longest side and the height onto it. */
SURVEY_API double SURVEY_CALL heron(double a, double b, double c, double* longest, double* height);
/* The side lengths |P1P2|, |P2P3|, |P3P1|. */
SURVEY_API void SURVEY_CALL len_point3(double x1, double y1, double x2, double y2, double x3, double y3,
                                       double* d12, double* d23, double* d31);
/* heron of the triangle P1P2P3. */
SURVEY_API double SURVEY_CALL heron_point3(double x1, double y1, double x2, double y2, double x3,
                                           double y3, double* longest, double* height);
/* Triangle from two sides and their angle; 0.0 for an impossible triangle. */
SURVEY_API double SURVEY_CALL tri_area1(double a, double b, double theta);
/* Triangle from a side and its two adjacent angles; 0.0 for an impossible triangle. */
SURVEY_API double SURVEY_CALL tri_area2(double c, double alpha, double beta);
/* Quadrilateral inscribed in a circle (Brahmagupta). */
SURVEY_API double SURVEY_CALL sihen_area(double a, double b, double c, double d);

/* Segment cut off by the chord P1P2 in a circle of radius r; writes its central angle. */
SURVEY_API double SURVEY_CALL enko_area(double x1, double y1, double x2, double y2, double r,
                                        double* theta);
/* Segment of central angle theta: (theta - sin theta) r^2 / 2; 0.0 outside [0, 2pi]. */
SURVEY_API double SURVEY_CALL enko_area2(double r, double theta);
/* Central angle whose segment has area A (Newton from pi/2, stops when a step is at
 * most tol, at most 2001 steps); 0.0 when A < 0, A >= pi r^2 / 2 or no convergence. */
SURVEY_API double SURVEY_CALL enko_area3(double r, double A, double tol);
/* Straight corner cut of chord L at a corner of angle theta: the cut-off triangle;
 * writes the set-back along each street line. 0.0 (nothing written) when degenerate. */
SURVEY_API double SURVEY_CALL sumikiri1(double L, double theta, double* side);
/* Rounded corner of radius R at a corner of angle theta: the area between the street
 * lines and the arc; writes the tangent length. 0.0 when tan(theta/2) = 0. */
SURVEY_API double SURVEY_CALL sumikiri2(double R, double theta, double* T);

/* Area and centroid of a ring; nothing written when n < 3. The arrays are only read. */
SURVEY_API void SURVEY_CALL danmen(int16_t n, const double* xs, const double* ys, double* A, double* xg,
                                   double* yg);
/* As danmen, plus the second moments about the centroid axes parallel to x (Ix)
 * and to y (Iy). */
SURVEY_API void SURVEY_CALL danmen2(int16_t n, const double* xs, const double* ys, double* A, double* xg,
                                    double* yg, double* Ix, double* Iy);
/* Closed traverse of n stations (X north-like, Y east-like) by double meridian
 * distances: per side its length, direction (packed DMS), dY, dX, DMD and double
 * area; per station its angle (packed DMS, between the arriving and leaving sides);
 * total = the double area. Every output array holds n values. */
SURVEY_API void SURVEY_CALL dmds(int16_t n, const double* X, const double* Y, double* angles, double* dists,
                                 double* dirs, double* dY, double* dX, double* dmd, double* dblarea,
                                 double* total);
/* Area and a label point: the centroid, or an inner point when the centroid is not
 * inside the ring; nothing written when n < 3. */
SURVEY_API void SURVEY_CALL poly_inside(int16_t n, const double* xs, const double* ys, double* A, double* x,
                                        double* y);
/* danmen of the start points of n line records. */
SURVEY_API void SURVEY_CALL danmenP(int16_t n, const survey_line* lines, double* A, double* x, double* y);
/* danmen of n point records. */
SURVEY_API void SURVEY_CALL danmenPoint(int16_t n, const survey_point* points, double* A, double* x,
                                        double* y);

/* n equal parts of P1P2: point k = ((n-k) P1 + k P2) / n, k = 1..n; len = L/n.
 * Nothing written when n < 1. */
SURVEY_API void SURVEY_CALL line_dev(int16_t n, double x1, double y1, double x2, double y2, double* xo,
                                     double* yo, double* len);
/* Points every step along P1P2 (mode 1: from P1; mode 2: the remainder first);
 * returns their count, 0 for another mode, step <= 0, step > L or more than 32767. */
SURVEY_API int16_t SURVEY_CALL line_devL(double x1, double y1, double x2, double y2, double step,
                                         int16_t mode, double* xo, double* yo);
/* n equal parts of the arc about C from S toward the ray C->E, turning in the
 * direction-angle sense; writes the part's arc length and angle. Nothing when n < 1. */
SURVEY_API void SURVEY_CALL circ_dev(double xc, double yc, double xs, double ys, double xe, double ye,
                                     int16_t n, double* xo, double* yo, double* arclen, double* dtheta);
/* Points every arc length step along that arc (modes as line_devL); their count. */
SURVEY_API int16_t SURVEY_CALL circ_devL(double xc, double yc, double xs, double ys, double xe, double ye,
                                         double step, int16_t mode, double* xo, double* yo);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_AREAS_H */
