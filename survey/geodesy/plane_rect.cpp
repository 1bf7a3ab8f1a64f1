// Plane rectangular coordinates of Japan: forward and inverse transverse Mercator
// projection, scale factor and meridian convergence.
#include "plane_rect.h"

#include "plane_rect_series.hpp"

namespace {

namespace g = survey::geodesy;

// The ellipsoid and zone of a projection call: nullptr for another selector (then
// nothing is written), and the error value 8 for a zone outside 1..19.
const g::ZoneConstants* projection_zone(int16_t kind, int16_t zone, int16_t* err) {
  if (g::ellipsoid(kind) == nullptr) return nullptr;
  if (g::zone_origin(zone) == nullptr) {
    *err = 8;
    return nullptr;
  }
  return &g::zone_constants(kind, zone);
}

}  // namespace

extern "C" {

void SURVEY_CALL comd(int16_t zone, double* lat0, double* lon0, int16_t* flag) {
  *flag = 0;
  const g::ZoneOrigin* z = g::zone_origin(zone);
  if (z == nullptr) {
    *flag = 8;
    return;
  }
  *lat0 = z->lat;
  *lon0 = z->lon;
}

void SURVEY_CALL Wklola1(int16_t kind, int16_t zone, double lat, double lon, double* x, double* y,
                         int16_t* err) {
  const g::ZoneConstants* zc = projection_zone(kind, zone, err);
  if (zc == nullptr) return;
  const g::PlaneXY p = g::tm_forward(*g::ellipsoid(kind), g::dms_to_rad(lat), g::dms_to_rad(lon), zc->B0, zc->lam0);
  *x = p.x;
  *y = p.y;
}

void SURVEY_CALL Wklola2(int16_t kind, int16_t zone, double* lat, double* lon, double x, double y,
                         double* gamma, int16_t* err) {
  const g::ZoneConstants* zc = projection_zone(kind, zone, err);
  if (zc == nullptr) return;
  const g::Ellipsoid& E = *g::ellipsoid(kind);
  const double S = x * g::kInvM0 + zc->B0;
  double phi1 = 0.0;
  if (g::footpoint_by_halley(E, S, *zc, &phi1) == 0) {
    *err = 8;
    return;
  }
  const g::Geographic r = g::tm_inverse(E, phi1, zc->lam0, y * g::kInvM0);
  *lat = g::rad_to_dms(r.lat);
  *lon = g::rad_to_dms(r.lon);
  *gamma = g::rad_to_dms(r.gamma);
}

double SURVEY_CALL Wzoudai(int16_t kind, int16_t zone, double y) {
  const g::Ellipsoid* E = g::ellipsoid(kind);
  const g::ZoneOrigin* z = g::zone_origin(zone);
  if (E == nullptr || z == nullptr) return 0.0;
  const double cs = std::cos(g::dms_to_rad(z->lat));
  return g::tm_scale(g::meridian_radius(*E, cs), g::prime_vertical_radius(*E, cs), y);
}

double SURVEY_CALL Wscallfact(int16_t kind, int32_t /*unused*/, double lat, double y) {
  const g::Ellipsoid* E = g::ellipsoid(kind);
  if (E == nullptr) return 0.0;
  const double cs = std::cos(g::dms_to_rad(lat));
  return g::tm_scale(g::meridian_radius(*E, cs), g::prime_vertical_radius(*E, cs), y);
}

double SURVEY_CALL Wsyusa(int16_t kind, int16_t zone, double x, double y) {
  const g::Ellipsoid* E = g::ellipsoid(kind);
  const g::ZoneOrigin* z = g::zone_origin(zone);
  if (E == nullptr || z == nullptr) return 0.0;
  const double phi1 = g::footpoint_latitude(*E, x * g::kInvM0 + g::zone_constants(kind, zone).B0);
  return g::rad_to_dms(g::tm_convergence(g::footpoint_terms(*E, phi1), y * g::kInvM0));
}

void SURVEY_CALL klola1(int16_t zone, double lat, double lon, double* x, double* y, int16_t* err) {
  Wklola1(1, zone, lat, lon, x, y, err);
}
void SURVEY_CALL klola2(int16_t zone, double* lat, double* lon, double x, double y, double* gamma,
                        int16_t* err) {
  Wklola2(1, zone, lat, lon, x, y, gamma, err);
}
double SURVEY_CALL zoudai(int16_t zone, double y) { return Wzoudai(1, zone, y); }
double SURVEY_CALL scallfact(int32_t unused, double lat, double y) { return Wscallfact(1, unused, lat, y); }
double SURVEY_CALL syusa(int16_t zone, double x, double y) { return Wsyusa(1, zone, x, y); }

void SURVEY_CALL JGD2000_klola1(int16_t zone, double lat, double lon, double* x, double* y, int16_t* err) {
  Wklola1(2, zone, lat, lon, x, y, err);
}
void SURVEY_CALL JGD2000_klola2(int16_t zone, double* lat, double* lon, double x, double y, double* gamma,
                                int16_t* err) {
  Wklola2(2, zone, lat, lon, x, y, gamma, err);
}
double SURVEY_CALL JGD2000_zoudai(int16_t zone, double y) { return Wzoudai(2, zone, y); }
double SURVEY_CALL JGD2000_scallfact(int32_t unused, double lat, double y) {
  return Wscallfact(2, unused, lat, y);
}
double SURVEY_CALL JGD2000_syusa(int16_t zone, double x, double y) { return Wsyusa(2, zone, x, y); }

}  // extern "C"
