// Universal Transverse Mercator projection, forward by series and inverse by
// repeated forward projection.
#include "utm.h"

#include "../basics/angles.h"
#include "utm_series.hpp"

namespace {

namespace g = survey::geodesy;

void forward(const g::UtmEllipsoid& U, double lat, double lon, double* zone, double* lon0, double* northing,
             double* easting) {
  // The zone from the packed longitude itself, all in doubles (a NaN or a huge
  // longitude gives a NaN or huge zone, never an undefined conversion). A boundary
  // meridian belongs to the zone east of it; 180 degrees wraps to zone 1.
  const double z = std::fmod(std::floor((lon + 180.0) * (1.0 / 6.0)), 60.0) + 1.0;
  const double l0 = z * 6.0 - 183.0;
  double dl = dms2deg(lon) - l0;
  // Longitude 180 lies in zone 1, 357 degrees east of its central meridian: the
  // same meridian 3 degrees west of it.
  if (dl > 180.0) dl -= 360.0;
  const g::UtmXY p = g::utm_series(g::utm_latitude(U, deg2rad(dms2deg(lat))), deg2rad(dl));
  *zone = z;
  *lon0 = l0;
  *northing = p.x * g::kUtmScale;
  *easting = p.y * g::kUtmScale + g::kUtmFalseEasting;
}

// Latitude and longitude by correcting an estimate with the forward series until
// both corrections are within 0.06 arc-second (at most 100 passes; the last
// estimate stands, so a NaN input returns NaN).
void inverse(const g::UtmEllipsoid& U, double zone, double northing, double easting, double* lat, double* lon) {
  const double l0 = zone * 6.0 - 183.0;
  const double xp = northing * g::kUtmInvScale;
  const double yp = (easting - g::kUtmFalseEasting) * g::kUtmInvScale;
  double phi = xp / U.k;
  g::UtmLatitude q = g::utm_latitude(U, phi);
  double lam = yp / q.Ncs;
  for (int pass = 1; pass <= g::kUtmMaxPasses; ++pass) {
    if (pass > 1) q = g::utm_latitude(U, phi);
    const g::UtmXY p = g::utm_series(q, lam);
    const double dphi = (xp - p.x) / U.k;
    const double dlam = (yp - p.y) / q.Ncs;
    phi += dphi;
    lam += dlam;
    if (std::fabs(dphi) <= g::kUtmTolerance && std::fabs(dlam) <= g::kUtmTolerance) break;
  }
  *lat = deg2dms(rad2deg(phi));
  *lon = deg2dms(rad2deg(lam) + l0);
}

}  // namespace

extern "C" {

void SURVEY_CALL UTM_sub(int16_t kind, double phi, double dlam, double* x, double* y) {
  const g::UtmEllipsoid* U = g::utm_ellipsoid(kind);
  if (U == nullptr) return;
  const g::UtmXY p = g::utm_series(g::utm_latitude(*U, phi), dlam);
  *x = p.x;
  *y = p.y;
}

void SURVEY_CALL UTM(double lat, double lon, double* zone, double* lon0, double* northing, double* easting) {
  forward(g::kUtmBessel, lat, lon, zone, lon0, northing, easting);
}
void SURVEY_CALL JGD2000_UTM(double lat, double lon, double* zone, double* lon0, double* northing,
                             double* easting) {
  forward(g::kUtmGrs80, lat, lon, zone, lon0, northing, easting);
}
void SURVEY_CALL UTM2BL(double zone, double northing, double easting, double* lat, double* lon) {
  inverse(g::kUtmBessel, zone, northing, easting, lat, lon);
}
void SURVEY_CALL JGD2000_UTM2BL(double zone, double northing, double easting, double* lat, double* lon) {
  inverse(g::kUtmGrs80, zone, northing, easting, lat, lon);
}

}  // extern "C"
