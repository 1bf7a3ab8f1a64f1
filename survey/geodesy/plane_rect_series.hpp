// Internal: the zone table of the plane rectangular coordinate system of Japan
// and the transverse Mercator series (Gauss-Krueger) behind its forward and
// inverse projections.
#ifndef SURVEY_GEODESY_PLANE_RECT_SERIES_HPP
#define SURVEY_GEODESY_PLANE_RECT_SERIES_HPP

#include <cmath>
#include <cstdint>

#include "../basics/angles.h"
#include "ellipsoid_series.hpp"
#include "zone_constants.hpp"

namespace survey::geodesy {

// Origin of a zone: latitude and central meridian, packed DMS.
struct ZoneOrigin {
  double lat;
  double lon;
};

inline constexpr ZoneOrigin kZoneOrigins[19] = {
    {33.0, 129.3}, {33.0, 131.0}, {36.0, 132.1},  {33.0, 133.3},  {36.0, 134.2},
    {36.0, 136.0}, {36.0, 137.1}, {36.0, 138.3},  {36.0, 139.5},  {40.0, 140.5},
    {44.0, 140.15}, {44.0, 142.15}, {44.0, 144.15}, {26.0, 142.0}, {26.0, 127.3},
    {26.0, 124.0}, {26.0, 131.0}, {20.0, 136.0},  {26.0, 154.0},
};

// The origin of zone 1..19, or nullptr.
inline const ZoneOrigin* zone_origin(int16_t zone) {
  return (zone >= 1 && zone <= 19) ? &kZoneOrigins[zone - 1] : nullptr;
}

// Scale factor on the central meridian, and the factor by which a plane
// coordinate is divided by it (the multiplication stands for the division).
inline constexpr double kM0 = 0.9999;
inline constexpr double kInvM0 = 1.000100010001;

// Halley's iteration: tolerance (radians) and cap.
inline constexpr double kHalleyTolerance = 1e-15;
inline constexpr int kHalleyMaxIterations = 100;

inline double dms_to_rad(double dms) { return deg2rad(dms2deg(dms)); }
inline double rad_to_dms(double rad) { return deg2dms(rad2deg(rad)); }

struct PlaneXY {
  double x;  // northing from the origin (m)
  double y;  // easting from the origin (m)
};

// The origin quantities of a zone on an ellipsoid (kind 1 or 2, zone 1..19).
inline const ZoneConstants& zone_constants(int16_t kind, int16_t zone) { return kZoneConstants[kind - 1][zone - 1]; }

// Forward projection of (phi, lambda) (radians) in a zone whose origin has the
// meridian arc B0 and the central meridian lam0 (radians); terms to the eighth
// power of the longitude difference.
inline PlaneXY tm_forward(const Ellipsoid& E, double phi, double lam, double B0, double lam0) {
  const double dl = lam - lam0;
  const double B = meridian_arc(E, phi);
  const double cs = std::cos(phi);
  const double N = prime_vertical_radius(E, cs);
  const double t = std::tan(phi);
  const double h = E.ep * cs;
  const double h2 = h * h, h4 = h2 * h * h;
  const double t2 = t * t, t4 = t2 * t * t, t6 = t4 * t * t;
  const double c2 = cs * cs, c3 = c2 * cs, c4 = c3 * cs, c5 = c4 * cs, c6 = c5 * cs, c7 = c6 * cs,
               c8 = c7 * cs;
  const double d2 = dl * dl, d3 = d2 * dl, d4 = d3 * dl, d5 = d4 * dl, d6 = d5 * dl, d7 = d6 * dl,
               d8 = d7 * dl;
  const double Nt = N * t;
  const double x =
      kM0 * ((B - B0) + Nt * 0.5 * c2 * d2 + Nt * (1.0 / 24.0) * c4 * d4 * (5.0 - t2 + 9.0 * h2 + 4.0 * h4) +
             Nt * (1.0 / 720.0) * c6 * d6 * (61.0 - 58.0 * t2 + t4 + 270.0 * h2 - 330.0 * t2 * h2) +
             Nt * 2.48015873015873e-05 * c8 * d8 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6));
  const double y =
      kM0 * (N * cs * dl + N * (1.0 / 6.0) * c3 * d3 * (1.0 - t2 + h2) +
             N * (1.0 / 120.0) * c5 * d5 * (5.0 - 18.0 * t2 + t4 + 14.0 * h2 - 58.0 * t2 * h2) +
             N * 0.0001984126984126984 * c7 * d7 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6));
  return {x, y};
}

// Latitude whose meridian arc is S, by Halley's iteration on B(phi) = S from the
// zone origin's latitude phi0, whose arc, sine, cosine and W terms are known:
//   phi' = phi + 2 d W^3 / (3 e^2 d sin(phi) cos(phi) W - 2a(1 - e^2)),
//   d = B(phi) - S, W^2 = 1 - e^2 sin^2(phi).
// Returns the number of iterations taken and writes *phi, or returns 0 (and
// writes nothing) when the step is not within the tolerance after the cap.
//
// The first step, from the origin latitude, is the large one (up to a few
// hundredths of a radian): a unit in the last place of its factors would move the
// new latitude, so it takes sin, cos and (W^2)^1.5 from the runtime as they
// stand. From the second step on the correction is below 2e-8 rad and a few
// units in the last place of its factors change it by less than 1e-23 rad, far
// below the latitude's own rounding (1e-16); those steps take
// sin^2(phi) = (1 - cos 2phi)/2, sin(phi)cos(phi) = sin(2phi)/2 and W^3 = W^2 W
// from the sines the meridian arc needs anyway.
inline int footpoint_by_halley(const Ellipsoid& E, double S, const ZoneConstants& z, double* phi_out) {
  double phi = z.phi0;
  double next;
  {
    // sin, cos, (W^2)^1.5 and sqrt(W^2) at phi0 as the runtime computes them.
    const double d = z.B0 - S;
    next = phi + 2.0 * d * z.w2_pow15 / (E.three_e2 * d * z.sin0 * z.cos0 * z.sqrt_w2 - E.two_a_one_minus_e2);
  }
  for (int it = 2; it <= kHalleyMaxIterations + 1; ++it) {
    if (std::fabs(next - phi) <= kHalleyTolerance) {
      *phi_out = next;
      return it - 1;
    }
    if (it > kHalleyMaxIterations) break;
    phi = next;
    const ArcTrig tr = arc_trig(phi);
    const double d = meridian_arc(E, phi, tr) - S;
    const double W2 = 1.0 - E.e2 * ((1.0 - tr.c2) * 0.5);
    const double W = std::sqrt(W2);
    next = phi + 2.0 * d * (W2 * W) / (E.three_e2 * d * (tr.s2 * 0.5) * W - E.two_a_one_minus_e2);
  }
  return 0;
}

// Quantities at the footpoint latitude phi1 shared by the inverse series.
struct FootpointTerms {
  double t, t2, h, h2, N, cs;
};

inline FootpointTerms footpoint_terms(const Ellipsoid& E, double phi1) {
  FootpointTerms f{};
  f.cs = std::cos(phi1);
  f.N = prime_vertical_radius(E, f.cs);
  f.t = std::tan(phi1);
  f.t2 = f.t * f.t;
  f.h = E.ep * f.cs;
  f.h2 = f.h * f.h;
  return f;
}

// Meridian convergence (radians) at easting yp (already divided by m0).
inline double tm_convergence(const FootpointTerms& f, double yp) {
  const double t = f.t, t2 = f.t2, h2 = f.h2, N = f.N;
  const double yp3 = yp * yp * yp, yp5 = yp3 * yp * yp;
  const double N3 = N * N * N, N5 = N3 * N * N;
  return yp * t / N - yp3 * t * (1.0 + t2 - h2) / (3.0 * N3) +
         yp5 * t * (2.0 + 3.0 * t2) * (1.0 + t2) / (15.0 * N5);
}

struct Geographic {
  double lat;  // radians
  double lon;  // radians
  double gamma;  // meridian convergence, radians
};

// Inverse series from the footpoint latitude phi1 at easting yp (already divided
// by m0), central meridian lam0 (radians).
inline Geographic tm_inverse(const Ellipsoid& E, double phi1, double lam0, double yp) {
  const FootpointTerms f = footpoint_terms(E, phi1);
  const double t = f.t, t2 = f.t2, h2 = f.h2, N = f.N, cs = f.cs;
  const double t4 = t2 * t * t, t6 = t4 * t * t;
  const double h4 = h2 * f.h * f.h;
  const double yp2 = yp * yp, yp3 = yp2 * yp, yp4 = yp3 * yp, yp5 = yp4 * yp, yp6 = yp5 * yp,
               yp7 = yp6 * yp, yp8 = yp7 * yp;
  const double N2 = N * N, N3 = N2 * N, N4 = N3 * N, N5 = N4 * N, N6 = N5 * N, N7 = N6 * N, N8 = N7 * N;
  Geographic g{};
  g.lat = phi1 - (1.0 + h2) * t * yp2 / (2.0 * N2) +
          t * yp4 / (24.0 * N4) * (5.0 + 3.0 * t2 + 6.0 * h2 - 6.0 * t2 * h2 - 3.0 * h4 - 9.0 * t2 * h4) -
          t * yp6 / (720.0 * N6) * (61.0 + 90.0 * t2 + 45.0 * t4 + 107.0 * h2 - 162.0 * t2 * h2 - 45.0 * t4 * h2) +
          t * yp8 / (40320.0 * N8) * (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6);
  g.lon = lam0 + yp / (N * cs) - yp3 * (1.0 + 2.0 * t2 + h2) / (6.0 * N3 * cs) +
          yp5 * (5.0 + 28.0 * t2 + 24.0 * t4 + 6.0 * h2 + 8.0 * t2 * h2) / (120.0 * N5 * cs) -
          yp7 * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6) / (5040.0 * N7 * cs);
  g.gamma = tm_convergence(f, yp);
  return g;
}

// Scale factor at easting y with the radii M, N of the reference latitude.
inline double tm_scale(double M, double N, double y) {
  const double m02 = kM0 * kM0, m04 = m02 * kM0 * kM0;
  const double y2 = y * y, y4 = y2 * y * y;
  return kM0 * (1.0 + y2 / (2.0 * m02 * M * N) + y4 / (24.0 * m04 * (M * M) * (N * N)));
}

}  // namespace survey::geodesy

#endif  // SURVEY_GEODESY_PLANE_RECT_SERIES_HPP
