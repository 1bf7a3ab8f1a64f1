// Hours, sidereal time, circular orbits and direction cosines.
#include "astronomy.h"

#include <cmath>

#include "../basics/angles.h"
#include "../basics/trig.h"
#include "../numerics/calendar.h"

namespace {

constexpr double kGM = 3.9864502e14;           // gravitational constant times earth mass, m^3/s^2
constexpr double kEarthRadius = 6377397.155;   // Bessel 1841 semi-major axis, m

}  // namespace

extern "C" {

double SURVEY_CALL hms2h(double hms) { return dms2deg(hms); }
double SURVEY_CALL h2hms(double h) { return deg2dms(h); }
double SURVEY_CALL h2deg(double h) { return rad2deg(h * 0.2617993877991494); }
double SURVEY_CALL deg2h(double deg) { return deg2rad(deg) * 3.819718634205488; }

double SURVEY_CALL sec2h(double s, double* days) {
  const double f = s * 1.1574074074074073e-05;  // 1/86400
  const double whole = std::trunc(f);
  *days = whole;
  return sec2deg((f - whole) * 86400.0);
}

double SURVEY_CALL gst(int16_t year, int16_t month, int16_t day) {
  // Julian centuries from 1900 January 0.5 (MJD 15019.5).
  const double T = (Sjul_days(year, month, day, 0, 0, 0) - Sjul_days(1899, 12, 31, 12, 0, 0)) * 2.7378507871321012e-05;
  double days = 0.0;
  return hms2h(6.3845836) + sec2h(8640184.542 * T, &days) + hms2h(9.29e-06 * (T * T));
}

void SURVEY_CALL satellite_orbit(double T, double* radius, double* speed, double* height) {
  const double w = T * 0.15915494309189535;  // T / 2 pi
  const double r = std::pow(w * w * kGM, 0.3333333333333333);
  *radius = r;
  *speed = r * 6.283185307179586 / T;
  *height = r - kEarthRadius;
}

void SURVEY_CALL direction_cos(double lat, double lon, double* l, double* m, double* n) {
  const double phi = dms2deg(lat);
  const double lam = dms2deg(lon);
  *l = degcos(phi) * degcos(lam);
  *m = degcos(phi) * degsin(lam);
  *n = degsin(phi);
}

void SURVEY_CALL direction_cos2BL(double l, double m, double n, double* lat, double* lon) {
  const double phi = deg_arcsin(n);
  // At 90 and 270 degrees rounding can carry m / cos(lat) just past 1, whose
  // arcsine is not a number: the ratio is held to [-1, 1].
  double ratio = m / degcos(phi);
  if (ratio > 1.0) ratio = 1.0;
  if (ratio < -1.0) ratio = -1.0;
  // arcsin gives the longitude in [-90, 90]; a negative l puts it on the far side.
  double lam = deg_arcsin(ratio);
  if (l < 0.0) lam = 180.0 - lam;
  if (lam < 0.0) lam += 360.0;
  *lat = deg2dms(phi);
  *lon = deg2dms(lam);
}

}  // extern "C"
