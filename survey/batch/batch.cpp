// Whole arrays through the single-point functions, one call of each per point.
#include "batch.h"

#include "../geodesy/datum.h"
#include "../geodesy/plane_rect.h"
#include "../geodesy/utm.h"
#include "../plane/polygons.h"

#ifndef SURVEY_VERSION_STRING
#error "SURVEY_VERSION_STRING is defined by the build"
#endif

namespace {

using Forward = void(SURVEY_CALL*)(int16_t, double, double, double*, double*, int16_t*);
using Inverse = void(SURVEY_CALL*)(int16_t, double*, double*, double, double, double*, int16_t*);
using Shift = void(SURVEY_CALL*)(int16_t, double, double, double*, double*);
using UtmForward = void(SURVEY_CALL*)(double, double, double*, double*, double*, double*);
using UtmInverse = void(SURVEY_CALL*)(double, double, double, double*, double*);

void forward(Forward f, int16_t zone, int32_t npts, const double* lat, const double* lon, double* x, double* y,
             int16_t* err) {
  for (int32_t i = 0; i < npts; ++i) {
    x[i] = y[i] = 0.0;
    err[i] = 0;
    f(zone, lat[i], lon[i], &x[i], &y[i], &err[i]);
  }
}

void inverse(Inverse f, int16_t zone, int32_t npts, double* lat, double* lon, const double* x, const double* y,
             double* gamma, int16_t* err) {
  for (int32_t i = 0; i < npts; ++i) {
    lat[i] = lon[i] = gamma[i] = 0.0;
    err[i] = 0;
    f(zone, &lat[i], &lon[i], x[i], y[i], &gamma[i], &err[i]);
  }
}

void shift(Shift f, int16_t model, int32_t npts, const double* lat, const double* lon, double* lat_out,
           double* lon_out) {
  for (int32_t i = 0; i < npts; ++i) {
    lat_out[i] = lon_out[i] = 0.0;
    f(model, lat[i], lon[i], &lat_out[i], &lon_out[i]);
  }
}

void utm_forward(UtmForward f, int32_t npts, const double* lat, const double* lon, double* zone, double* lon0,
                 double* northing, double* easting) {
  for (int32_t i = 0; i < npts; ++i) {
    zone[i] = lon0[i] = northing[i] = easting[i] = 0.0;
    f(lat[i], lon[i], &zone[i], &lon0[i], &northing[i], &easting[i]);
  }
}

void utm_inverse(UtmInverse f, int32_t npts, const double* zone, const double* northing, const double* easting,
                 double* lat, double* lon) {
  for (int32_t i = 0; i < npts; ++i) {
    lat[i] = lon[i] = 0.0;
    f(zone[i], northing[i], easting[i], &lat[i], &lon[i]);
  }
}

}  // namespace

const char* SURVEY_CALL survey_version(void) { return SURVEY_VERSION_STRING; }

void SURVEY_CALL klola1_v(int16_t zone, int32_t npts, const double* lat, const double* lon, double* x,
                                     double* y, int16_t* err) {
  forward(klola1, zone, npts, lat, lon, x, y, err);
}
void SURVEY_CALL klola2_v(int16_t zone, int32_t npts, double* lat, double* lon, const double* x,
                                     const double* y, double* gamma, int16_t* err) {
  inverse(klola2, zone, npts, lat, lon, x, y, gamma, err);
}
void SURVEY_CALL JGD2000_klola1_v(int16_t zone, int32_t npts, const double* lat, const double* lon,
                                             double* x, double* y, int16_t* err) {
  forward(JGD2000_klola1, zone, npts, lat, lon, x, y, err);
}
void SURVEY_CALL JGD2000_klola2_v(int16_t zone, int32_t npts, double* lat, double* lon,
                                             const double* x, const double* y, double* gamma, int16_t* err) {
  inverse(JGD2000_klola2, zone, npts, lat, lon, x, y, gamma, err);
}

void SURVEY_CALL UTM_v(int32_t npts, const double* lat, const double* lon, double* zone, double* lon0,
                                  double* northing, double* easting) {
  utm_forward(UTM, npts, lat, lon, zone, lon0, northing, easting);
}
void SURVEY_CALL UTM2BL_v(int32_t npts, const double* zone, const double* northing,
                                     const double* easting, double* lat, double* lon) {
  utm_inverse(UTM2BL, npts, zone, northing, easting, lat, lon);
}
void SURVEY_CALL JGD2000_UTM_v(int32_t npts, const double* lat, const double* lon, double* zone,
                                          double* lon0, double* northing, double* easting) {
  utm_forward(JGD2000_UTM, npts, lat, lon, zone, lon0, northing, easting);
}
void SURVEY_CALL JGD2000_UTM2BL_v(int32_t npts, const double* zone, const double* northing,
                                             const double* easting, double* lat, double* lon) {
  utm_inverse(JGD2000_UTM2BL, npts, zone, northing, easting, lat, lon);
}

void SURVEY_CALL Tokyo_Wgs84_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                          double* lat_out, double* lon_out) {
  shift(Tokyo_Wgs84, model, npts, lat, lon, lat_out, lon_out);
}
void SURVEY_CALL Wgs84_Tokyo_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                          double* lat_out, double* lon_out) {
  shift(Wgs84_Tokyo, model, npts, lat, lon, lat_out, lon_out);
}
void SURVEY_CALL Tokyo_Itrf94_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                           double* lat_out, double* lon_out) {
  shift(Tokyo_Itrf94, model, npts, lat, lon, lat_out, lon_out);
}
void SURVEY_CALL Itrf94_Tokyo_v(int16_t model, int32_t npts, const double* lat, const double* lon,
                                           double* lat_out, double* lon_out) {
  shift(Itrf94_Tokyo, model, npts, lat, lon, lat_out, lon_out);
}

void SURVEY_CALL InPolygon_v(int16_t n, const double* xs, const double* ys, int32_t npts,
                                        const double* x, const double* y, int16_t* result) {
  for (int32_t i = 0; i < npts; ++i) result[i] = InPolygon(n, xs, ys, x[i], y[i]);
}
