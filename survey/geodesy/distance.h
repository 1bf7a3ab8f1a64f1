/* distance.h - distance between two geographic points on the reference ellipsoid
 * by the mean-latitude plane approximation.
 *
 * Latitudes and longitudes are packed DMS; distances metres. The approximation
 * treats the quadrilateral between the points as plane at the mean latitude; its
 * error grows as the cube of the distance (about 1.5e-15 s^3 in Japan: 1.4 mm at
 * 10 km, 1.4 m at 100 km).
 */
#ifndef SURVEY_GEODESY_DISTANCE_H
#define SURVEY_GEODESY_DISTANCE_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Distance from (lat1, lon1) to (lat2, lon2) on ellipsoid kind (1 Bessel 1841,
 * 2 GRS80): sqrt((N cos phi_m dlambda)^2 + (M dphi)^2) with the radii of curvature
 * M and N at the mean latitude phi_m. Any other kind gives 0.0. */
SURVEY_API double SURVEY_CALL WBL_Dist(int16_t kind, double lat1, double lon1, double lat2, double lon2);
/* WBL_Dist on Bessel 1841 (Tokyo datum). */
SURVEY_API double SURVEY_CALL BL_Dist(double lat1, double lon1, double lat2, double lon2);
/* WBL_Dist on GRS80 (JGD2000). */
SURVEY_API double SURVEY_CALL JGD2000_BL_Dist(double lat1, double lon1, double lat2, double lon2);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_DISTANCE_H */
