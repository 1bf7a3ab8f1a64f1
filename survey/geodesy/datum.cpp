// Geodetic <-> geocentric coordinates and the Tokyo datum shifts to and from WGS84
// and ITRF94.
#include "datum.h"

#include "../basics/angles.h"
#include "geocentric.hpp"

namespace {

namespace g = survey::geodesy;

// Shift a packed-DMS latitude and longitude from the source ellipsoid to the
// target through geocentric coordinates, adding the Tokyo -> target translation
// (sign +1) or subtracting it (sign -1).
void shift(int16_t model, int16_t target, const g::GeocentricEllipsoid& from, const g::GeocentricEllipsoid& to,
           double sign, double lat, double lon, double* lat_out, double* lon_out) {
  if (model != 96 && model != 97) return;
  double dx = 0.0, dy = 0.0, dz = 0.0;
  Tokyo_Param(model, target, &dx, &dy, &dz);
  const g::Cartesian c = g::geodetic_to_geocentric(from, deg2rad(dms2deg(lat)), deg2rad(dms2deg(lon)), 0.0);
  const double X = sign > 0.0 ? c.X + dx : c.X - dx;
  const double Y = sign > 0.0 ? c.Y + dy : c.Y - dy;
  const double Z = sign > 0.0 ? c.Z + dz : c.Z - dz;
  g::Geodetic r{0.0, 0.0, 0.0};
  g::geocentric_to_geodetic<false>(to, X, Y, Z, &r);
  *lat_out = deg2dms(rad2deg(r.lat));
  *lon_out = deg2dms(rad2deg(r.lon));
}

}  // namespace

extern "C" {

void SURVEY_CALL Tokyo_Param(int16_t model, int16_t target, double* dx, double* dy, double* dz) {
  struct Shift {
    double x, y, z;
  };
  static constexpr Shift k96[2] = {{-146.3622, 506.8477, 680.2722}, {-146.4402, 507.3527, 680.5252}};
  static constexpr Shift k97[2] = {{-146.336, 506.832, 680.254}, {-146.414, 507.337, 680.507}};
  if ((model != 96 && model != 97) || (target != 1 && target != 2)) return;
  const Shift& s = (model == 96 ? k96 : k97)[target - 1];
  *dx = s.x;
  *dy = s.y;
  *dz = s.z;
}

void SURVEY_CALL blh2xyz(double lat, double lon, double h, double a, double e, double* X, double* Y, double* Z) {
  const g::Cartesian c =
      g::geodetic_to_geocentric(g::geocentric_ellipsoid(a, e), deg2rad(dms2deg(lat)), deg2rad(dms2deg(lon)), h);
  *X = c.X;
  *Y = c.Y;
  *Z = c.Z;
}

void SURVEY_CALL xyz2blh(double X, double Y, double Z, double a, double e, double* lat, double* lon, double* h) {
  g::Geodetic r{};
  if (!g::geocentric_to_geodetic<true>(g::geocentric_ellipsoid(a, e), X, Y, Z, &r)) return;
  *lat = r.lat;
  *lon = r.lon;
  *h = r.h;
}

void SURVEY_CALL xyz2blh1(double X, double Y, double Z, double a, double e, double* lat, double* lon, double* h) {
  const double e2 = e * e;
  const double p = std::sqrt(X * X + Y * Y);
  const double theta = std::atan2(Z, p * std::sqrt(1.0 - e2));
  const double st = std::sin(theta), ct = std::cos(theta);
  const double phi = std::atan2(Z + e2 * a / std::sqrt(1.0 - e2) * (st * st * st), p - e2 * a * (ct * ct * ct));
  const double sp = std::sin(phi);
  *lat = phi;
  *lon = std::atan2(Y, X);
  // On the polar axis p / cos(phi) is 0 rather than the distance to the pole; the
  // height there is measured from the semi-minor axis.
  *h = (p == 0.0 && Z != 0.0) ? std::fabs(Z) - a * std::sqrt(1.0 - e2)
                              : p / std::cos(phi) - a / std::sqrt(1.0 - e2 * (sp * sp));
}

void SURVEY_CALL Tokyo_Wgs84(int16_t model, double lat, double lon, double* lat_out, double* lon_out) {
  shift(model, 1, g::kTokyoDatum, g::kWgs84Datum, 1.0, lat, lon, lat_out, lon_out);
}
void SURVEY_CALL Wgs84_Tokyo(int16_t model, double lat, double lon, double* lat_out, double* lon_out) {
  shift(model, 1, g::kWgs84Datum, g::kTokyoDatum, -1.0, lat, lon, lat_out, lon_out);
}
void SURVEY_CALL Tokyo_Itrf94(int16_t model, double lat, double lon, double* lat_out, double* lon_out) {
  shift(model, 2, g::kTokyoDatum, g::kItrf94Datum, 1.0, lat, lon, lat_out, lon_out);
}
void SURVEY_CALL Itrf94_Tokyo(int16_t model, double lat, double lon, double* lat_out, double* lon_out) {
  shift(model, 2, g::kItrf94Datum, g::kTokyoDatum, -1.0, lat, lon, lat_out, lon_out);
}

}  // extern "C"
