/* plane_rect.h - the plane rectangular coordinate system of Japan: nineteen
 * transverse Mercator zones with scale factor 0.9999 on the central meridian.
 *
 * x is the northing and y the easting from the zone origin, metres. Latitudes,
 * longitudes and meridian convergences are packed DMS (D + M/100 + S/10000).
 * kind: 1 = Bessel 1841 (Tokyo datum), 2 = GRS80 (JGD2000); with another value the
 * projections return without writing anything. zone: 1..19.
 * err: set to 8 for an invalid zone or an inverse iteration that does not settle;
 * never cleared, so the caller presets it to 0.
 */
#ifndef SURVEY_GEODESY_PLANE_RECT_H
#define SURVEY_GEODESY_PLANE_RECT_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Origin latitude and central meridian (packed DMS) of a zone; *flag = 0, or 8 and
 * nothing else written for a zone outside 1..19. */
SURVEY_API void SURVEY_CALL comd(int16_t zone, double* lat0, double* lon0, int16_t* flag);

/* Forward projection of latitude, longitude (packed DMS) to plane x, y (m). */
SURVEY_API void SURVEY_CALL Wklola1(int16_t kind, int16_t zone, double lat, double lon, double* x, double* y,
                                    int16_t* err);
/* Inverse projection of plane x, y (m) to latitude, longitude and meridian
 * convergence (packed DMS); footpoint latitude by Halley's iteration. */
SURVEY_API void SURVEY_CALL Wklola2(int16_t kind, int16_t zone, double* lat, double* lon, double x, double y,
                                    double* gamma, int16_t* err);
/* Scale factor at easting y (m), radii taken at the zone's origin latitude; 0.0 for
 * an invalid zone or kind. */
SURVEY_API double SURVEY_CALL Wzoudai(int16_t kind, int16_t zone, double y);
/* Scale factor at easting y (m), radii taken at latitude lat (packed DMS); the
 * second argument is not used. 0.0 for an invalid kind. */
SURVEY_API double SURVEY_CALL Wscallfact(int16_t kind, int32_t unused, double lat, double y);
/* Meridian convergence (packed DMS) at plane x, y (m), footpoint latitude by
 * series; 0.0 for an invalid zone or kind. */
SURVEY_API double SURVEY_CALL Wsyusa(int16_t kind, int16_t zone, double x, double y);

/* The same on Bessel 1841. */
SURVEY_API void SURVEY_CALL klola1(int16_t zone, double lat, double lon, double* x, double* y, int16_t* err);
SURVEY_API void SURVEY_CALL klola2(int16_t zone, double* lat, double* lon, double x, double y, double* gamma,
                                   int16_t* err);
SURVEY_API double SURVEY_CALL zoudai(int16_t zone, double y);
SURVEY_API double SURVEY_CALL scallfact(int32_t unused, double lat, double y);
SURVEY_API double SURVEY_CALL syusa(int16_t zone, double x, double y);

/* The same on GRS80 (JGD2000). */
SURVEY_API void SURVEY_CALL JGD2000_klola1(int16_t zone, double lat, double lon, double* x, double* y,
                                           int16_t* err);
SURVEY_API void SURVEY_CALL JGD2000_klola2(int16_t zone, double* lat, double* lon, double x, double y,
                                           double* gamma, int16_t* err);
SURVEY_API double SURVEY_CALL JGD2000_zoudai(int16_t zone, double y);
SURVEY_API double SURVEY_CALL JGD2000_scallfact(int32_t unused, double lat, double y);
SURVEY_API double SURVEY_CALL JGD2000_syusa(int16_t zone, double x, double y);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_PLANE_RECT_H */
