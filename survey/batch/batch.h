/* batch.h - whole arrays of points through the projections, the datum shifts and
 * the point-in-polygon test in one call, for callers (scripting languages) that
 * pay for every call they make; and the library's version.
 *
 * Each form calls the function of the same name without "_v" once per point i in
 * 0..npts-1, with the same leading scalars (zone, model, ring) for every point.
 * Outputs are set to 0 before each call, so a point that the function leaves
 * unwritten (an invalid zone or model) reads 0, and err[i] holds that point's own
 * flag. npts <= 0 does nothing. Arrays hold npts elements; outputs must not
 * overlap inputs.
 */
#ifndef SURVEY_BATCH_BATCH_H
#define SURVEY_BATCH_BATCH_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* The library's version, "major.minor.patch". */
SURVEY_API const char* SURVEY_CALL survey_version(void);

/* Plane rectangular forward (latitude, longitude in packed DMS to x, y in metres)
 * and inverse (x, y to latitude, longitude and meridian convergence), Bessel 1841
 * and GRS80. */
SURVEY_API void SURVEY_CALL klola1_v(int16_t zone, int32_t npts, const double* lat, const double* lon, double* x,
                                     double* y, int16_t* err);
SURVEY_API void SURVEY_CALL klola2_v(int16_t zone, int32_t npts, double* lat, double* lon, const double* x,
                                     const double* y, double* gamma, int16_t* err);
SURVEY_API void SURVEY_CALL JGD2000_klola1_v(int16_t zone, int32_t npts, const double* lat, const double* lon,
                                             double* x, double* y, int16_t* err);
SURVEY_API void SURVEY_CALL JGD2000_klola2_v(int16_t zone, int32_t npts, double* lat, double* lon,
                                             const double* x, const double* y, double* gamma, int16_t* err);

/* UTM forward and inverse, Bessel 1841 and GRS80; the zone is per point. */
SURVEY_API void SURVEY_CALL UTM_v(int32_t npts, const double* lat, const double* lon, double* zone, double* lon0,
                                  double* northing, double* easting);
SURVEY_API void SURVEY_CALL UTM2BL_v(int32_t npts, const double* zone, const double* northing,
                                     const double* easting, double* lat, double* lon);
SURVEY_API void SURVEY_CALL JGD2000_UTM_v(int32_t npts, const double* lat, const double* lon, double* zone,
                                          double* lon0, double* northing, double* easting);
SURVEY_API void SURVEY_CALL JGD2000_UTM2BL_v(int32_t npts, const double* zone, const double* northing,
                                             const double* easting, double* lat, double* lon);

/* Datum shifts between Tokyo and WGS84 / ITRF94 (packed DMS). */
SURVEY_API void SURVEY_CALL Tokyo_Wgs84_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                          double* lat_out, double* lon_out);
SURVEY_API void SURVEY_CALL Wgs84_Tokyo_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                          double* lat_out, double* lon_out);
SURVEY_API void SURVEY_CALL Tokyo_Itrf94_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                           double* lat_out, double* lon_out);
SURVEY_API void SURVEY_CALL Itrf94_Tokyo_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                           double* lat_out, double* lon_out);

/* InPolygon of each point (x[i], y[i]) against one ring of n vertices. */
SURVEY_API void SURVEY_CALL InPolygon_v(int16_t n, const double* xs, const double* ys, int32_t npts,
                                        const double* x, const double* y, int16_t* result);

SURVEY_END_DECLS

#endif /* SURVEY_BATCH_BATCH_H */
