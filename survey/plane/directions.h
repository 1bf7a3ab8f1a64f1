/* directions.h - distances and direction angles between points, conversion between
 * direction angles and mathematical angles, angles at a traverse vertex.
 *
 * A direction angle is in radians from the +y axis turning toward the +x axis
 * (clockwise with x right and y up): +y is 0, +x is pi/2, -y is pi, -x is 3pi/2.
 * A mathematical angle is in radians counter-clockwise from the +x axis.
 */
#ifndef SURVEY_PLANE_DIRECTIONS_H
#define SURVEY_PLANE_DIRECTIONS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Distance between P1 and P2. */
SURVEY_API double SURVEY_CALL dist(double x1, double y1, double x2, double y2);
/* Direction angle of the displacement (dx, dy) from its reduced angle
 * t0 = atan(|dy/dx|) (pi/2 when dx = 0), by quadrant; radians. */
SURVEY_API double SURVEY_CALL work_houkou1(double t0, double dx, double dy);
/* Direction angle of the direction vector (b, -a) of the line a x + b y + c = 0,
 * from its reduced angle t0: work_houkou1(t0, b, -a). */
SURVEY_API double SURVEY_CALL work_houkou2(double t0, double a, double b);
/* Direction angle of P1 -> P2 in [0, 2pi); 0 for equal points. */
SURVEY_API double SURVEY_CALL ang(double x1, double y1, double x2, double y2);
/* Distance, direction angle and coordinate differences x2 - x1, y2 - y1 of P1 -> P2. */
SURVEY_API void SURVEY_CALL distang(double x1, double y1, double x2, double y2, double* distance,
                                    double* angle, double* dx, double* dy);
/* Polar form of (x, y) about the origin: radius and mathematical angle in (-pi, pi]. */
SURVEY_API void SURVEY_CALL d2p(double x, double y, double* r, double* theta);
/* Direction angle to mathematical angle, (pi/2 - a) reduced to [0, 2pi). */
SURVEY_API double SURVEY_CALL ang2lang(double a);
/* Mathematical angle to direction angle; the same map as ang2lang. */
SURVEY_API double SURVEY_CALL lang2ang(double a);
/* Quadrant reflection of t: pi - t on [0, pi), 2pi - t from pi on; t < 0 unchanged. */
SURVEY_API double SURVEY_CALL ang2rang(double t);
/* Angle at a vertex between back direction t1 and forward direction t2, against the
 * direction sense: (t1 - t2 + pi) reduced to [0, 2pi); radians. */
SURVEY_API double SURVEY_CALL naikaku(double t1, double t2);
/* Angle at a vertex from back direction t1 to forward direction t2, with the direction
 * sense: (t2 - t1 - pi) reduced to (0, 2pi]; radians. */
SURVEY_API double SURVEY_CALL kyoukaku(double t1, double t2);
/* Sum of the interior angles of an n-gon, (n - 2) pi; 0.0 when n < 3. */
SURVEY_API double SURVEY_CALL inter_ang(int16_t n);
/* Third side by the law of cosines from sides a, b and their angle theta (radians);
 * 0.0 when theta, a or b is not positive. */
SURVEY_API double SURVEY_CALL yogen2(double a, double b, double theta);
/* 0-based index of the point of x/y (n points) nearest to (px, py); the first of
 * equally near points; 0 when n < 1 or no point is nearer than 9999999999.999. */
SURVEY_API int32_t SURVEY_CALL Get_kinbou(int16_t n, const double* x, const double* y, double px,
                                          double py);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_DIRECTIONS_H */
