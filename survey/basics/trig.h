/* trig.h - trigonometry in degrees and packed DMS, arcsine and arccosine through the
 * arctangent, reciprocal functions, and the degree / packed-DMS forms of the basic
 * point computations (radiation, direction angle, distance and direction).
 *
 * Direction angles here are measured from the +y axis toward the +x axis, in
 * decimal degrees (DEG...) or packed DMS (DMS...).
 */
#ifndef SURVEY_BASICS_TRIG_H
#define SURVEY_BASICS_TRIG_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Sine, cosine, tangent of an angle in decimal degrees. */
SURVEY_API double SURVEY_CALL degsin(double d);
SURVEY_API double SURVEY_CALL degcos(double d);
SURVEY_API double SURVEY_CALL degtan(double d);
/* Arcsine, arccosine, arctangent in decimal degrees (NaN for |v| > 1 where it applies). */
SURVEY_API double SURVEY_CALL deg_arcsin(double v);
SURVEY_API double SURVEY_CALL deg_arccos(double v);
SURVEY_API double SURVEY_CALL deg_arctan(double v);
/* Sine, cosine, tangent of an angle in packed DMS. */
SURVEY_API double SURVEY_CALL dmssin(double p);
SURVEY_API double SURVEY_CALL dmscos(double p);
SURVEY_API double SURVEY_CALL dmstan(double p);
/* Arcsine, arccosine, arctangent in packed DMS. */
SURVEY_API double SURVEY_CALL dms_arcsin(double v);
SURVEY_API double SURVEY_CALL dms_arccos(double v);
SURVEY_API double SURVEY_CALL dms_arctan(double v);
/* Arcsine as atan(v / sqrt(1 - v^2)), radians in [-pi/2, pi/2]; NaN for |v| > 1. */
SURVEY_API double SURVEY_CALL arcsin(double v);
/* Arccosine as pi/2 - arcsin(v), radians in [0, pi]; NaN for |v| > 1. */
SURVEY_API double SURVEY_CALL arccos(double v);
/* Four-quadrant arctangent of y/x, radians; y first. */
SURVEY_API double SURVEY_CALL arctan2(double y, double x);
/* 1/sin r, 1/cos r, 1/tan r (r in radians); 0.0 where the divisor is exactly 0. */
SURVEY_API double SURVEY_CALL cosec(double r);
SURVEY_API double SURVEY_CALL sec(double r);
SURVEY_API double SURVEY_CALL cot(double r);

/* Radiation from (x0, y0) by distance and direction angle in degrees / packed DMS. */
SURVEY_API void SURVEY_CALL DEGside_shot(double x0, double y0, double distance, double angle,
                                         double* x, double* y);
SURVEY_API void SURVEY_CALL DMSside_shot(double x0, double y0, double distance, double angle,
                                         double* x, double* y);
/* Direction angle of P1 -> P2 in degrees / packed DMS. */
SURVEY_API double SURVEY_CALL DEGang(double x1, double y1, double x2, double y2);
SURVEY_API double SURVEY_CALL DMSang(double x1, double y1, double x2, double y2);
/* Distance, direction angle (degrees / packed DMS) and x2 - x1, y2 - y1 of P1 -> P2. */
SURVEY_API void SURVEY_CALL DEGdistang(double x1, double y1, double x2, double y2,
                                       double* distance, double* angle, double* dx, double* dy);
SURVEY_API void SURVEY_CALL DMSdistang(double x1, double y1, double x2, double y2,
                                       double* distance, double* angle, double* dx, double* dy);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_TRIG_H */
