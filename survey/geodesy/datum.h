/* datum.h - geodetic and geocentric coordinates, and the three-parameter shift
 * between the Tokyo datum (Bessel 1841) and WGS84 or ITRF94.
 *
 * Latitudes and longitudes at the transformations and at blh2xyz are packed DMS
 * (D + M/100 + S/10000); xyz2blh and xyz2blh1 return radians. Lengths are metres.
 * e is the first eccentricity (risin1 of the inverse flattening).
 * model: 96 or 97 (parameter sets of those years); target: 1 WGS84, 2 ITRF94.
 * With another model or target nothing is written.
 */
#ifndef SURVEY_GEODESY_DATUM_H
#define SURVEY_GEODESY_DATUM_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Translation (m) added to Tokyo-datum geocentric coordinates to reach the target. */
SURVEY_API void SURVEY_CALL Tokyo_Param(int16_t model, int16_t target, double* dx, double* dy, double* dz);

/* Geodetic latitude, longitude (packed DMS) and height h to geocentric X, Y, Z. */
SURVEY_API void SURVEY_CALL blh2xyz(double lat, double lon, double h, double a, double e, double* X, double* Y,
                                    double* Z);
/* Geocentric to geodetic by fixed-point iteration on tan(latitude). Nothing is
 * written at the origin; 0, 0, 0 where no latitude can be found (non-finite input,
 * points near the Earth's centre). On the polar axis the pole is returned. */
SURVEY_API void SURVEY_CALL xyz2blh(double X, double Y, double Z, double a, double e, double* lat, double* lon,
                                    double* h);
/* Geocentric to geodetic by Bowring's closed form. */
SURVEY_API void SURVEY_CALL xyz2blh1(double X, double Y, double Z, double a, double e, double* lat, double* lon,
                                     double* h);

/* Datum shifts of a latitude and longitude (packed DMS) at height 0; the height on
 * the target datum is dropped. */
SURVEY_API void SURVEY_CALL Tokyo_Wgs84(int16_t model, double lat, double lon, double* lat_out, double* lon_out);
SURVEY_API void SURVEY_CALL Wgs84_Tokyo(int16_t model, double lat, double lon, double* lat_out, double* lon_out);
SURVEY_API void SURVEY_CALL Tokyo_Itrf94(int16_t model, double lat, double lon, double* lat_out, double* lon_out);
SURVEY_API void SURVEY_CALL Itrf94_Tokyo(int16_t model, double lat, double lon, double* lat_out, double* lon_out);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_DATUM_H */
