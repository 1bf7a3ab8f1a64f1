/* utm.h - Universal Transverse Mercator coordinates on Bessel 1841 (UTM, UTM2BL)
 * and GRS80 (JGD2000_UTM, JGD2000_UTM2BL).
 *
 * Zones 6 degrees wide, central meridian zone * 6 - 183 degrees, scale factor
 * 0.9996, false easting 500000 m, no false northing (south is negative).
 * Latitudes and longitudes are packed DMS; the zone and the central meridian
 * (decimal degrees) are doubles. No range is tested: any zone just moves the
 * central meridian.
 */
#ifndef SURVEY_GEODESY_UTM_H
#define SURVEY_GEODESY_UTM_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Unscaled series of latitude phi and longitude difference dlam (radians) on
 * kind 1 Bessel or 2 GRS80: x = northing / 0.9996, y = easting offset / 0.9996.
 * Another kind writes nothing. */
SURVEY_API void SURVEY_CALL UTM_sub(int16_t kind, double phi, double dlam, double* x, double* y);

/* Forward projection: zone, central meridian (degrees), northing, easting (m). */
SURVEY_API void SURVEY_CALL UTM(double lat, double lon, double* zone, double* lon0, double* northing,
                                double* easting);
SURVEY_API void SURVEY_CALL JGD2000_UTM(double lat, double lon, double* zone, double* lon0, double* northing,
                                        double* easting);

/* Inverse projection by repeated forward projection (at most 100 passes; the last
 * estimate is returned). */
SURVEY_API void SURVEY_CALL UTM2BL(double zone, double northing, double easting, double* lat, double* lon);
SURVEY_API void SURVEY_CALL JGD2000_UTM2BL(double zone, double northing, double easting, double* lat,
                                           double* lon);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_UTM_H */
