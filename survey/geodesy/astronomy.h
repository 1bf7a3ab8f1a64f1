/* astronomy.h - hours and packed HMS, hours and degrees, seconds of time to days
 * and hours, Greenwich mean sidereal time, circular orbits and direction cosines of
 * a geographic direction.
 *
 * Packed HMS is laid out as packed DMS: h + m/100 + s/10000 (6h38m45.836s is
 * 6.3845836).
 */
#ifndef SURVEY_GEODESY_ASTRONOMY_H
#define SURVEY_GEODESY_ASTRONOMY_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Packed HMS to decimal hours (dms2deg). */
SURVEY_API double SURVEY_CALL hms2h(double hms);
/* Decimal hours to packed HMS (deg2dms). */
SURVEY_API double SURVEY_CALL h2hms(double h);
/* Hours to degrees, 15 degrees an hour (through radians, pi/12 per hour). */
SURVEY_API double SURVEY_CALL h2deg(double h);
/* Degrees to hours (through radians, 12/pi hours per radian). */
SURVEY_API double SURVEY_CALL deg2h(double deg);
/* Seconds of time s: whole days (truncated toward zero) to *days, the rest of the
 * day returned in hours. */
SURVEY_API double SURVEY_CALL sec2h(double s, double* days);
/* Greenwich mean sidereal time at 0h UT of a date, hours, by Newcomb's expression
 * 6h38m45.836s + 8640184.542 s T + 0.0929 s T^2 (T in Julian centuries from
 * 1900 January 0.5); the linear term is reduced to within a day, the sum is not
 * reduced below 24 h. */
SURVEY_API double SURVEY_CALL gst(int16_t year, int16_t month, int16_t day);
/* Circular orbit of period T seconds about the earth (GM = 3.9864502e14 m^3/s^2):
 * *radius (m), *speed (m/s) and *height above the Bessel semi-major axis (m). */
SURVEY_API void SURVEY_CALL satellite_orbit(double T, double* radius, double* speed, double* height);
/* Direction cosines of the geocentric direction of latitude lat, longitude lon
 * (packed DMS): *l = cos lat cos lon, *m = cos lat sin lon, *n = sin lat. */
SURVEY_API void SURVEY_CALL direction_cos(double lat, double lon, double* l, double* m, double* n);
/* Latitude and longitude (packed DMS) of direction cosines l, m, n: latitude
 * arcsin n (southern latitudes negative), longitude in [0, 360) degrees, its
 * quadrant taken from the signs of l and m. */
SURVEY_API void SURVEY_CALL direction_cos2BL(double l, double m, double n, double* lat, double* lon);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_ASTRONOMY_H */
