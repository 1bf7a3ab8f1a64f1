// Internal: geodetic <-> geocentric conversion shared by blh2xyz, xyz2blh and the
// datum shifts, and the constants of the three datum ellipsoids.
//
// Every constant is computed with the operations, in the order, that the exported
// functions apply to their (a, e) arguments, e being risin1(F); the shifts thus
// give the results of calling blh2xyz and xyz2blh with risin1's value, bit for bit.
#ifndef SURVEY_GEODESY_GEOCENTRIC_HPP
#define SURVEY_GEODESY_GEOCENTRIC_HPP

#include <cmath>
#include <numbers>

#include "ellipsoid_series.hpp"

namespace survey::geodesy {

// What the conversions need of an ellipsoid of semi-major axis a and first
// eccentricity e.
struct GeocentricEllipsoid {
  double a;
  double e2;             // e * e
  double one_minus_e2;   // 1 - e^2
  double e2a;            // e^2 * a
  double one_minus_e2a;  // (1 - e^2) * a
};

constexpr GeocentricEllipsoid geocentric_ellipsoid(double a, double e) {
  const double e2 = e * e;
  return {a, e2, 1.0 - e2, e2 * a, (1.0 - e2) * a};
}

inline constexpr GeocentricEllipsoid kTokyoDatum = geocentric_ellipsoid(6377397.155, first_eccentricity(299.152813));
inline constexpr GeocentricEllipsoid kWgs84Datum = geocentric_ellipsoid(6378137.0, first_eccentricity(298.257223));
inline constexpr GeocentricEllipsoid kItrf94Datum =
    geocentric_ellipsoid(6378137.0, first_eccentricity(298.257222101));

struct Cartesian {
  double X, Y, Z;
};

// Latitude phi, longitude lam (radians) and height h to geocentric coordinates.
inline Cartesian geodetic_to_geocentric(const GeocentricEllipsoid& E, double phi, double lam, double h) {
  const double s = std::sin(phi), c = std::cos(phi);
  const double N = E.a / std::sqrt(1.0 - E.e2 * (s * s));
  return {(N + h) * c * std::cos(lam), (N + h) * c * std::sin(lam), (N * E.one_minus_e2 + h) * s};
}

struct Geodetic {
  double lat, lon, h;  // radians, radians, metres
};

// |tan(latitude)| below which the height is taken from p rather than from Z:
// within 20 arc-seconds of the equator (|Z| under about 640 m). Beyond it the Z
// form is within a micrometre.
inline constexpr double kEquatorialBand = 1e-4;

// Iteration on t = tan(latitude) from t = 0:
//   t' = Z/p + (e^2 a / p) t / sqrt(1 + (1 - e^2) t^2),
// stopped when |t - t'| <= 1e-15, at most 101 evaluations. The latitude is
// atan(t) of the t the test compared against.
//
// Where the iteration does not settle: on the polar axis the pole; above about 83
// degrees the spacing of doubles in t exceeds 1e-15 and t may cycle between two
// neighbours, so a last step within 1e-15 |t| is accepted; anything else (non-
// finite input, points near the centre) gives 0, 0, 0.
// Returns false, with nothing to write, at the origin. WantHeight false leaves h
// at 0 (the datum shifts drop it).
template <bool WantHeight>
bool geocentric_to_geodetic(const GeocentricEllipsoid& E, double X, double Y, double Z, Geodetic* out) {
  if (X == 0.0 && Y == 0.0 && Z == 0.0) return false;
  const double p = std::sqrt(X * X + Y * Y);
  if (p == 0.0 && Z != 0.0 && std::isfinite(Z)) {
    const double b = E.a * std::sqrt(E.one_minus_e2);
    *out = {std::copysign(std::numbers::pi / 2.0, Z), std::atan2(Y, X), WantHeight ? std::fabs(Z) - b : 0.0};
    return true;
  }
  const double zp = Z / p, cp = E.e2a / p;
  auto finish = [&](double t) {
    double h = 0.0;
    if constexpr (WantHeight) {
      // h = Z / sin(phi) - N (1 - e^2). Near the equatorial plane Z/t magnifies
      // the small error left in t by p/t (0.09 mm at |t| = 1e-6, 2 m at 1e-9,
      // up to e^2 a = 43 km as t nears 0) and is 0/0 on the plane itself. There
      // h = p / cos(phi) - N, exact to rounding for small t and p - a at t = 0.
      const double w = std::sqrt(1.0 + t * t);
      h = std::fabs(t) < kEquatorialBand ? (p - E.a / std::sqrt(1.0 + E.one_minus_e2 * (t * t))) * w
                                         : (Z / t - E.one_minus_e2a / std::sqrt(1.0 + E.one_minus_e2 * (t * t))) * w;
    }
    *out = {std::atan(t), std::atan2(Y, X), h};
  };
  double t = 0.0;
  // The first evaluation, at t = 0, where the root is exactly 1 and the quotient
  // the product itself.
  double next = zp + cp * 0.0;
  for (int n = 1;; ++n) {
    const double step = std::fabs(t - next);
    if (step <= 1e-15 || (n == 101 && step <= 1e-15 * std::fabs(t))) {
      finish(t);
      return true;
    }
    if (n == 101) break;
    t = next;
    next = zp + cp * t / std::sqrt(1.0 + E.one_minus_e2 * (t * t));
  }
  *out = {0.0, 0.0, 0.0};
  return true;
}

}  // namespace survey::geodesy

#endif  // SURVEY_GEODESY_GEOCENTRIC_HPP
