// Test support: a direct transcription of the geocentric, datum-shift and UTM
// formulas, everything recomputed where it is used (eccentricities from the
// inverse flattening, sines by the runtime, powers as products, no shared terms).
// The library precomputes the ellipsoid constants and shares terms between passes;
// its results must equal these to the last bit. `mended = false` gives the
// formulas without the guards for the pole, the equatorial plane and a cycling
// iteration, to show the faults that those guards remove.
#ifndef SURVEY_GEODESY_DATUM_UTM_REFERENCE_TEST_HPP
#define SURVEY_GEODESY_DATUM_UTM_REFERENCE_TEST_HPP

#include <cmath>
#include <cstdint>

#include "survey/geodesy/plane_rect_reference_test.hpp"
#include "survey/survey.h"

namespace literal {

using reference::ecc;
using reference::ecc2nd;
using reference::pw;
using std::atan;
using std::atan2;
using std::cos;
using std::fabs;
using std::sin;
using std::sqrt;

inline void blh2xyz(double lat, double lon, double h, double a, double e, double* X, double* Y, double* Z) {
  const double phi = deg2rad(dms2deg(lat)), lam = deg2rad(dms2deg(lon));
  const double N = a / sqrt(1.0 - e * e * (sin(phi) * sin(phi)));
  *X = (N + h) * cos(phi) * cos(lam);
  *Y = (N + h) * cos(phi) * sin(lam);
  *Z = (N * (1.0 - e * e) + h) * sin(phi);
}

inline void xyz2blh(double X, double Y, double Z, double a, double e, double* lat, double* lon, double* h,
                    bool mended = true) {
  if (X == 0.0 && Y == 0.0 && Z == 0.0) return;
  const double p = sqrt(X * X + Y * Y);
  if (mended && p == 0.0 && Z != 0.0 && std::isfinite(Z)) {
    *lat = Z > 0.0 ? 3.141592653589793 / 2.0 : -3.141592653589793 / 2.0;
    *lon = atan2(Y, X);
    *h = fabs(Z) - a * sqrt(1.0 - e * e);
    return;
  }
  double t = 0.0;
  for (int n = 1; n <= 101; ++n) {
    const double tn = Z / p + (e * e * a / p) * t / sqrt(1.0 + (1.0 - e * e) * (t * t));
    if (fabs(t - tn) <= 1e-15 || (mended && n == 101 && fabs(t - tn) <= 1e-15 * fabs(t))) {
      *lat = atan(t);
      *lon = atan2(Y, X);
      if (mended && fabs(t) < 1e-4)
        *h = (p - a / sqrt(1.0 + (1.0 - e * e) * (t * t))) * sqrt(1.0 + t * t);
      else
        *h = (Z / t - (1.0 - e * e) * a / sqrt(1.0 + (1.0 - e * e) * (t * t))) * sqrt(1.0 + t * t);
      return;
    }
    t = tn;
  }
  *lat = 0.0;
  *lon = 0.0;
  *h = 0.0;
}

// One datum shift: source (a, F), target (a, F), translation sign.
inline void shift(int16_t model, int16_t target, double a1, double F1, double a2, double F2, double sign,
                  double lat, double lon, double* lat_out, double* lon_out, bool mended = true) {
  if (model != 96 && model != 97) return;
  double dx, dy, dz, X, Y, Z, phi = 0.0, lam = 0.0, h = 0.0;
  Tokyo_Param(model, target, &dx, &dy, &dz);
  blh2xyz(lat, lon, 0.0, a1, risin1(F1), &X, &Y, &Z);
  if (sign > 0) {
    X = X + dx, Y = Y + dy, Z = Z + dz;
  } else {
    X = X - dx, Y = Y - dy, Z = Z - dz;
  }
  xyz2blh(X, Y, Z, a2, risin1(F2), &phi, &lam, &h, mended);
  *lat_out = deg2dms(rad2deg(phi));
  *lon_out = deg2dms(rad2deg(lam));
}

inline void utm_sub(int kind, double phi, double l, double* x, double* y) {
  double a = 0, F = 0;
  if (!reference::axes(kind, a, F)) return;
  const double c = kind == 1 ? 6398786.848059848 : 6399593.625864023;
  const double ep = risin2(F);
  const double s = sin(phi), cp = cos(phi);
  const double t2 = s * s / (cp * cp), eta2 = ep * ep * (cp * cp), N = c / sqrt(1.0 + eta2);
  double B = 0.0;
  Wcalcb(static_cast<int16_t>(kind), phi, &B);
  *x = B + s * (N * cp * (l * l) / 2.0 +
                N * (l * l * l * l) *
                    (cp * cp * cp * (5.0 - t2 + 9.0 * eta2 + 4.0 * (eta2 * eta2)) * 0.041666666666666664 +
                     cp * cp * cp * cp * cp * (l * l) * (61.0 - 58.0 * t2 + t2 * t2) * 0.001388888888888889));
  *y = l * (N * cp + N * (cp * cp * cp * (l * l) * (1.0 - t2 + eta2) * 0.16666666666666666 +
                          cp * cp * cp * cp * cp * (l * l * l * l) * (5.0 - 18.0 * t2 + t2 * t2) *
                              0.008333333333333333));
}

inline void utm(int kind, double lat, double lon, double* zone, double* lon0, double* n, double* e,
                bool mended = true) {
  *zone = std::fmod(std::floor((lon + 180.0) * (1.0 / 6.0)), 60.0) + 1.0;
  *lon0 = *zone * 6.0 - 183.0;
  double d = dms2deg(lon) - *lon0;
  if (mended && d > 180.0) d = d - 360.0;
  double x = 0.0, y = 0.0;
  utm_sub(kind, deg2rad(dms2deg(lat)), deg2rad(d), &x, &y);
  *n = x * 0.9996;
  *e = y * 0.9996 + 500000.0;
}

// k = a(1 - e^2) A, A the leading coefficient of the meridian arc.
inline double utm_k(int kind) {
  double a = 0, F = 0;
  reference::axes(kind, a, F);
  const double e2 = pw(ecc(F), 2);
  return a * (1.0 - e2) * reference::arc_A(ecc(F));
}

// Returns the number of passes.
inline int utm2bl(int kind, double zone, double n, double e, double* lat, double* lon) {
  double a = 0, F = 0;
  reference::axes(kind, a, F);
  const double c = kind == 1 ? 6398786.848059848 : 6399593.625864023;
  const double ep = ecc2nd(F);
  const double k = utm_k(kind);
  const double l0 = zone * 6.0 - 183.0;
  const double xp = n * 1.0004001600640255, yp = (e - 500000.0) * 1.0004001600640255;
  double phi = xp / k;
  double lam = yp / (c / sqrt(1.0 + ep * ep * (cos(phi) * cos(phi))) * cos(phi));
  double dphi = 1.0, dlam = 1.0;
  int pass = 0;
  while ((fabs(dphi) > 2.9088820866572157e-07 || fabs(dlam) > 2.9088820866572157e-07) && pass < 100) {
    double x = 0.0, y = 0.0;
    utm_sub(kind, phi, lam, &x, &y);
    dphi = (xp - x) / k;
    dlam = (yp - y) / (c / sqrt(1.0 + ep * ep * (cos(phi) * cos(phi))) * cos(phi));
    phi = phi + dphi;
    lam = lam + dlam;
    ++pass;
  }
  *lat = deg2dms(rad2deg(phi));
  *lon = deg2dms(rad2deg(lam) + l0);
  return pass;
}

}  // namespace literal

#endif  // SURVEY_GEODESY_DATUM_UTM_REFERENCE_TEST_HPP
