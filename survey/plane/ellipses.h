/* ellipses.h - ellipses with axes along the coordinate axes: centre (xc, yc),
 * semi-axis a along x, b along y. Ordinates and abscissas on the curve, points by
 * direction, intersection with a coefficient line, tangents from a point; the
 * parallels to a line that touch a circle.
 *
 * A tangent direction is a pair (p, q): (1, m) for slope m, (0, 1) for a vertical
 * tangent. Root counts are 0, 1 or 2.
 */
#ifndef SURVEY_PLANE_ELLIPSES_H
#define SURVEY_PLANE_ELLIPSES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Flattening (a - b)/a. */
SURVEY_API double SURVEY_CALL EllipseRatio(double a, double b);
/* Semi-minor axis (m - 1) a / m from the inverse flattening m. */
SURVEY_API double SURVEY_CALL ShortRadius(double a, double m);
/* The two ordinates yc +- sqrt(v) at abscissa x, v = b^2 - ((x - xc) b / a)^2;
 * nothing when v < 0. Bound by its decorated name "_work_on@48" only. */
SURVEY_API void SURVEY_CALL work_on(double xc, double yc, double a, double b, double x, double* y1,
                                    double* y2);
/* mode 1: the ordinates at abscissa v; mode 2: the abscissas at ordinate v; nothing
 * when a = 0 or b = 0 or for another mode. */
SURVEY_API void SURVEY_CALL daen_on(double xc, double yc, double a, double b, int16_t mode,
                                    double v, double* o1, double* o2);
/* Point of the ellipse in the mathematical direction theta from the centre; nothing
 * when a = 0 or b = 0. */
SURVEY_API void SURVEY_CALL daen_on2(double xc, double yc, double a, double b, double theta,
                                     double* x, double* y);
/* Ellipse cut by the line la x + lb y + lc = 0; nothing when a = 0, b = 0 or
 * la = lb = 0. A vertical line with one root writes x2 = 0 and leaves y2; the slope
 * form with one root writes x2 = 0. */
SURVEY_API void SURVEY_CALL daen_sen(double xc, double yc, double a, double b, double la,
                                     double lb, double lc, int16_t* n, double* x1, double* y1,
                                     double* x2, double* y2);
/* Directions of the tangents from (px, py); nothing when a = 0 or b = 0. */
SURVEY_API void SURVEY_CALL setu_slope(double xc, double yc, double a, double b, double px,
                                       double py, int16_t* n, double* p1, double* q1, double* p2,
                                       double* q2);
/* The tangents from (px, py) as coefficient lines; *n is written whenever a != 0 and
 * b != 0, the lines only when n > 0. */
SURVEY_API void SURVEY_CALL setu_hotei(double xc, double yc, double a, double b, double px,
                                       double py, int16_t* n, double* a1, double* b1, double* c1,
                                       double* a2, double* b2, double* c2);
/* Points where the tangents from (px, py) touch the ellipse; nothing when a = 0,
 * b = 0 or there is no tangent. */
SURVEY_API void SURVEY_CALL daen_setu(double xc, double yc, double a, double b, double px,
                                      double py, int16_t* n, double* x1, double* y1, double* x2,
                                      double* y2);
/* Abscissas of the tangent points from (px, py) to the ellipse of semi-axes a and
 * a - p; nothing when a = 0, p = 0 or (px, py) is the centre. */
SURVEY_API void SURVEY_CALL daen_setu2(double xc, double yc, double a, double p, double px,
                                       double py, int16_t* n, double* x1, double* x2);
/* c of the two lines parallel to a x + b y + c = 0 that touch the circle of radius d
 * about (x0, y0): -(a x0 + b y0) +- d |(a, b)|. */
SURVEY_API void SURVEY_CALL setu_hotei2(double x0, double y0, double d, double a, double b,
                                        double c, double* c1, double* c2);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_ELLIPSES_H */
