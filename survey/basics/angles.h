/* angles.h - conversions between radians, decimal degrees, packed DMS, seconds of
 * arc and grads, arithmetic on packed DMS, and polar to rectangular coordinates.
 *
 * Packed DMS holds D degrees, M minutes and S seconds as one double
 * D + M/100 + S/10000 (35d12'34.5" is 35.12345); a negative angle has all three
 * parts negative.
 */
#ifndef SURVEY_BASICS_ANGLES_H
#define SURVEY_BASICS_ANGLES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Radians to decimal degrees: r * 57.29577951308232. */
SURVEY_API double SURVEY_CALL rad2deg(double r);
/* Decimal degrees to radians: d * 0.017453292519943295. */
SURVEY_API double SURVEY_CALL deg2rad(double d);
/* Decimal degrees to packed DMS (truncating split; no rounding, no carry). */
SURVEY_API double SURVEY_CALL deg2dms(double d);
/* Packed DMS to decimal degrees (with a small guard so 35.3 keeps its 30 minutes). */
SURVEY_API double SURVEY_CALL dms2deg(double p);
/* Decimal degrees to seconds of arc: d * 3600. */
SURVEY_API double SURVEY_CALL deg2sec(double d);
/* Seconds of arc to decimal degrees: s / 3600 (as a multiplication). */
SURVEY_API double SURVEY_CALL sec2deg(double s);
/* Grads to decimal degrees: g * 0.9. */
SURVEY_API double SURVEY_CALL grad2deg(double g);
/* Decimal degrees to grads: d * 1.1111111111111112. */
SURVEY_API double SURVEY_CALL deg2grad(double d);
/* Polar to rectangular with a mathematical angle (radians, counter-clockwise from +x):
 * *x = r cos(theta), *y = r sin(theta). */
SURVEY_API void SURVEY_CALL p2d(double r, double theta, double* x, double* y);

/* Packed DMS arithmetic: both operands through dms2deg, the result through deg2dms. */
SURVEY_API double SURVEY_CALL add_dms(double a, double b);
SURVEY_API double SURVEY_CALL sub_dms(double a, double b);
/* Product and quotient of two angles; div_dms has no guard against a zero divisor. */
SURVEY_API double SURVEY_CALL mul_dms(double a, double b);
SURVEY_API double SURVEY_CALL div_dms(double a, double b);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_ANGLES_H */
