// Internal: the sixth-order transverse Mercator series of the UTM projection and
// the constants it takes per ellipsoid.
//
// Integer powers are repeated products taken from the left, as in the plane
// rectangular series (cos^5 = cos*cos*cos*cos*cos, l^4 = l*l*l*l, t^4 = t^2*t^2,
// eta^4 = eta^2*eta^2).
#ifndef SURVEY_GEODESY_UTM_SERIES_HPP
#define SURVEY_GEODESY_UTM_SERIES_HPP

#include <cmath>
#include <cstdint>

#include "ellipsoid_series.hpp"

namespace survey::geodesy {

inline constexpr double kUtmScale = 0.9996;
inline constexpr double kUtmInvScale = 1.0004001600640255;  // stands for the division by 0.9996
inline constexpr double kUtmFalseEasting = 500000.0;
inline constexpr double kUtmTolerance = 2.9088820866572157e-07;  // 0.06 arc-second
inline constexpr int kUtmMaxPasses = 100;

struct UtmEllipsoid {
  const Ellipsoid* E;
  double c;  // polar radius of curvature, as written in the series
  double k;  // a(1 - e^2) A: meridian arc per radian at the equator
};

inline constexpr UtmEllipsoid kUtmBessel{&kBessel, 6398786.848059848, kBessel.arc_scale * kBessel.arc[0]};
inline constexpr UtmEllipsoid kUtmGrs80{&kGrs80, 6399593.625864023, kGrs80.arc_scale * kGrs80.arc[0]};

inline const UtmEllipsoid* utm_ellipsoid(int16_t kind) {
  if (kind == 1) return &kUtmBessel;
  if (kind == 2) return &kUtmGrs80;
  return nullptr;
}

// What the series needs of the latitude alone (it serves every pass of the
// inverse projection at one latitude).
struct UtmLatitude {
  double B;       // meridian arc
  double s, cs;   // sin, cos
  double N;       // prime-vertical radius c / sqrt(1 + eta^2)
  double Ncs;     // N cos
  double t2, eta2, c3, c5;
};

inline UtmLatitude utm_latitude(const UtmEllipsoid& U, double phi) {
  UtmLatitude q{};
  // The meridian arc takes sin 2phi, sin 4phi and cos 4phi (not cos 2phi).
  const double two = 2.0 * phi, four = 4.0 * phi;
  q.B = meridian_arc(*U.E, phi, ArcTrig{std::sin(two), 0.0, std::sin(four), std::cos(four)});
  q.s = std::sin(phi);
  q.cs = std::cos(phi);
  const double c2 = q.cs * q.cs;
  q.t2 = q.s * q.s / c2;
  q.eta2 = U.E->ep2 * c2;
  q.N = U.c / std::sqrt(1.0 + q.eta2);
  q.Ncs = q.N * q.cs;
  q.c3 = q.cs * q.cs * q.cs;
  q.c5 = q.cs * q.cs * q.cs * q.cs * q.cs;
  return q;
}

struct UtmXY {
  double x, y;  // northing and easting offset, both divided by 0.9996
};

// The series at longitude difference l (radians).
inline UtmXY utm_series(const UtmLatitude& q, double l) {
  const double l2 = l * l, l4 = l * l * l * l;
  const double t2 = q.t2, t4 = q.t2 * q.t2, eta2 = q.eta2, eta4 = q.eta2 * q.eta2;
  const double N = q.N;
  const double x =
      q.B + q.s * (q.Ncs * l2 / 2.0 + N * l4 * (q.c3 * (5.0 - t2 + 9.0 * eta2 + 4.0 * eta4) * 0.041666666666666664 +
                                                  q.c5 * l2 * (61.0 - 58.0 * t2 + t4) * 0.001388888888888889));
  const double y = l * (q.Ncs + N * (q.c3 * l2 * (1.0 - t2 + eta2) * 0.16666666666666666 +
                                     q.c5 * l4 * (5.0 - 18.0 * t2 + t4) * 0.008333333333333333));
  return {x, y};
}

}  // namespace survey::geodesy

#endif  // SURVEY_GEODESY_UTM_SERIES_HPP
