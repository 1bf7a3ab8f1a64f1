/* ellipsoid.h - eccentricities, polar radius of curvature, meridian arc,
 * footpoint latitude and radii of curvature of the reference ellipsoids.
 *
 * Ellipsoid selector (kind): 1 = Bessel 1841 (Tokyo datum), 2 = GRS80 (JGD2000).
 * Latitudes are radians, lengths metres. With any other selector the W-functions
 * return at once and leave *out as it was.
 */
#ifndef SURVEY_GEODESY_ELLIPSOID_H
#define SURVEY_GEODESY_ELLIPSOID_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* First eccentricity sqrt(2F - 1) / F of inverse flattening F. */
SURVEY_API double SURVEY_CALL risin1(double F);
/* Second eccentricity sqrt(2F - 1) / (F - 1). */
SURVEY_API double SURVEY_CALL risin2(double F);
/* Polar radius of curvature a F / (F - 1), metres (a in metres). */
SURVEY_API double SURVEY_CALL kyokuhan(double a, double F);
/* Semi-major axis (m) and inverse flattening of 1 Bessel 1841, 2 WGS84, 3 GRS80;
 * writes nothing for another selector. */
SURVEY_API void SURVEY_CALL daen_af(int16_t kind, double* a, double* F);

/* Meridian arc length from the equator to latitude phi, metres. */
SURVEY_API void SURVEY_CALL Wcalcb(int16_t kind, double phi, double* out);
/* Meridian radius of curvature M at latitude phi, metres. */
SURVEY_API void SURVEY_CALL Wcalcm(int16_t kind, double phi, double* out);
/* Prime-vertical radius of curvature N at latitude phi, metres. */
SURVEY_API void SURVEY_CALL Wcalcn(int16_t kind, double phi, double* out);
/* Footpoint latitude (radians) of meridian arc length s (metres), by series. */
SURVEY_API void SURVEY_CALL Wcalcp(int16_t kind, double s, double* out);

/* The same on Bessel 1841. */
SURVEY_API void SURVEY_CALL calcb(double phi, double* out);
SURVEY_API void SURVEY_CALL calcm(double phi, double* out);
SURVEY_API void SURVEY_CALL calcn(double phi, double* out);
SURVEY_API void SURVEY_CALL calcp(double s, double* out);
/* The same on GRS80. */
SURVEY_API void SURVEY_CALL GRS80_calcb(double phi, double* out);
SURVEY_API void SURVEY_CALL GRS80_calcm(double phi, double* out);
SURVEY_API void SURVEY_CALL GRS80_calcn(double phi, double* out);
SURVEY_API void SURVEY_CALL GRS80_calcp(double s, double* out);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_ELLIPSOID_H */
