// Internal: the two reference ellipsoids, their derived constants and the
// meridian-arc, footpoint-latitude and radius-of-curvature series shared by the
// ellipsoid and plane-coordinate families.
//
// Every quantity that depends on the ellipsoid alone (eccentricities, polar
// radius, series coefficients) is a compile-time constant, evaluated with the
// same operations, in the same order, as the run-time parameter functions
// risin1, risin2 and kyokuhan would give (square roots through const_sqrt, which
// rounds in constant expressions as the hardware square root does).
// Integer powers are repeated products taken from the left: x^4 = ((x*x)*x)*x.
#ifndef SURVEY_GEODESY_ELLIPSOID_SERIES_HPP
#define SURVEY_GEODESY_ELLIPSOID_SERIES_HPP

#include <cmath>
#include <cstdint>

#include "../basics/const_sqrt.hpp"

namespace survey::geodesy {

// First eccentricity e = sqrt(2F - 1) / F of inverse flattening F.
constexpr double first_eccentricity(double F) { return detail::const_sqrt(2.0 * F - 1.0) / F; }
// Second eccentricity e' = sqrt(2F - 1) / (F - 1).
constexpr double second_eccentricity(double F) { return detail::const_sqrt(2.0 * F - 1.0) / (F - 1.0); }
// Polar radius of curvature c = a F / (F - 1) = a / (1 - f).
constexpr double polar_radius(double a, double F) { return a * F / (F - 1.0); }

// x^n as a left-to-right product (n >= 1).
constexpr double power(double x, int n) {
  double p = x;
  for (int i = 1; i < n; ++i) p = p * x;
  return p;
}

struct Ellipsoid {
  double a;    // semi-major axis (m)
  double F;    // inverse flattening
  double e2;   // e^2, e the first eccentricity
  double ep;   // e', the second eccentricity
  double ep2;  // e'^2
  double c;    // polar radius of curvature (m)

  // Meridian arc B(phi) = arc_scale * (arc[0] phi + sum_k arc[k] sin(2k phi)),
  // arc_scale = a(1 - e^2); arc[0] = A and arc[k] the k-th harmonic coefficient
  // already multiplied by its factor -1/2, 1/4, -1/6, ... 1/16.
  double arc_scale;
  double arc[9];

  // Footpoint latitude series in x = S/a (see footpoint_latitude).
  double p0, p2, p4, p6, p44, px2, px8, px4;
  double q20, q24, q4, q60, q62, q8;

  // Halley's step for the footpoint latitude: 3e^2 and 2a(1 - e^2).
  double three_e2, two_a_one_minus_e2;
};

constexpr Ellipsoid make_ellipsoid(double a, double F) {
  Ellipsoid E{};
  E.a = a;
  E.F = F;
  const double e = first_eccentricity(F);
  const double e2 = power(e, 2), e4 = power(e, 4), e6 = power(e, 6), e8 = power(e, 8);
  const double e10 = power(e, 10), e12 = power(e, 12), e14 = power(e, 14), e16 = power(e, 16);
  E.e2 = e2;
  E.ep = second_eccentricity(F);
  E.ep2 = E.ep * E.ep;
  E.c = polar_radius(a, F);

  // Meridian arc expanded in e^2 to e^16 (Helmert's series); each coefficient is
  // summed from its highest power down. The fractions have power-of-two
  // denominators and are exact doubles.
  const double A = 703956825.0 / 1073741824.0 * e16 + 2760615.0 / 4194304.0 * e14 +
                   693693.0 / 1048576.0 * e12 + 43659.0 / 65536.0 * e10 + 11025.0 / 16384.0 * e8 +
                   175.0 / 256.0 * e6 + 45.0 / 64.0 * e4 + 3.0 / 4.0 * e2 + 1.0;
  const double B1 = 78217425.0 / 67108864.0 * e16 + 19324305.0 / 16777216.0 * e14 +
                    297297.0 / 262144.0 * e12 + 72765.0 / 65536.0 * e10 + 2205.0 / 2048.0 * e8 +
                    525.0 / 512.0 * e6 + 15.0 / 16.0 * e4 + 3.0 / 4.0 * e2;
  const double C = 109504395.0 / 134217728.0 * e16 + 6441435.0 / 8388608.0 * e14 +
                   1486485.0 / 2097152.0 * e12 + 10395.0 / 16384.0 * e10 + 2205.0 / 4096.0 * e8 +
                   105.0 / 256.0 * e6 + 15.0 / 64.0 * e4;
  const double D = 29864835.0 / 67108864.0 * e16 + 6441435.0 / 16777216.0 * e14 +
                   165165.0 / 524288.0 * e12 + 31185.0 / 131072.0 * e10 + 315.0 / 2048.0 * e8 +
                   35.0 / 512.0 * e6;
  const double Ec = 49774725.0 / 268435456.0 * e16 + 585585.0 / 4194304.0 * e14 +
                    99099.0 / 1048576.0 * e12 + 3465.0 / 65536.0 * e10 + 315.0 / 16384.0 * e8;
  const double F1 = 3828825.0 / 67108864.0 * e16 + 585585.0 / 16777216.0 * e14 +
                    9009.0 / 524288.0 * e12 + 693.0 / 131072.0 * e10;
  const double G = 1640925.0 / 134217728.0 * e16 + 45045.0 / 8388608.0 * e14 + 3003.0 / 2097152.0 * e12;
  const double H = 109395.0 / 67108864.0 * e16 + 6435.0 / 16777216.0 * e14;
  const double I = 109395.0 / 1073741824.0 * e16;
  E.arc_scale = a * (1.0 - e2);
  E.arc[0] = A;
  E.arc[1] = B1 * -0.5;
  E.arc[2] = C * 0.25;
  E.arc[3] = D * (-1.0 / 6.0);
  E.arc[4] = Ec * 0.125;
  E.arc[5] = F1 * -0.1;
  E.arc[6] = G * (1.0 / 12.0);
  E.arc[7] = H * (-1.0 / 14.0);
  E.arc[8] = I * 0.0625;

  // Footpoint latitude, a closed series in x = S/a and e^2 ... e^8.
  E.p0 = 1.0 + 1.0 / 4.0 * e2 + 7.0 / 64.0 * e4 + 15.0 / 256.0 * e6 + 579.0 / 16384.0 * e8;
  E.p2 = 3.0 / 16.0 * e4 + 45.0 / 256.0 * e6 + 285.0 / 2048.0 * e8;
  E.p4 = 21.0 / 256.0 * e6 + 483.0 / 4096.0 * e8;
  E.p6 = 71.0 / 2048.0 * e8;
  E.p44 = 27.0 / 1024.0 * e8;
  E.px2 = 3.0 / 64.0 * e6 + 33.0 / 512.0 * e8;
  E.px8 = 1.0 / 128.0 * e8;
  E.px4 = 21.0 / 512.0 * e8;
  E.q20 = 3.0 / 8.0 * e2 + 3.0 / 16.0 * e4 + 93.0 / 1024.0 * e6 + 87.0 / 2048.0 * e8;
  E.q24 = 27.0 / 1024.0 * e6 + 81.0 / 2048.0 * e8;
  E.q4 = 21.0 / 256.0 * (e4 + e6) + 261.0 / 4096.0 * e8;
  E.q60 = 29.0 / 768.0 * e6 + 231.0 / 4096.0 * e8;
  E.q62 = 11.0 / 1024.0 * e8;
  E.q8 = 921.0 / 131072.0 * e8;

  E.three_e2 = 3.0 * e2;
  E.two_a_one_minus_e2 = 2.0 * a * (1.0 - e2);
  return E;
}

// Selector 1: Bessel 1841 (Tokyo datum); selector 2: GRS80 (JGD2000).
inline constexpr Ellipsoid kBessel = make_ellipsoid(6377397.155, 299.152813);
inline constexpr Ellipsoid kGrs80 = make_ellipsoid(6378137.0, 298.257222101);

// The ellipsoid of a selector, or nullptr for any other value.
inline const Ellipsoid* ellipsoid(int16_t kind) {
  if (kind == 1) return &kBessel;
  if (kind == 2) return &kGrs80;
  return nullptr;
}

// sin 2phi, cos 2phi, sin 4phi and cos 4phi for the meridian-arc series (cos 2phi
// serves Halley's iteration).
struct ArcTrig {
  double s2, c2, s4, c4;
};

inline ArcTrig arc_trig(double phi) {
  const double two = 2.0 * phi, four = 4.0 * phi;
  return {std::sin(two), std::cos(two), std::sin(four), std::cos(four)};
}

// Meridian arc length from the equator to latitude phi (radians), metres.
// sin 2phi and sin 4phi come from the runtime as they stand (a unit in their last
// place would show in the result); sin 6phi ... sin 16phi follow from the
// recurrence sin(k+4)phi = 2 cos 4phi sin kphi - sin(k-4)phi. Their terms are at
// most 4e-9 of the sum, so the few units in the last place by which they differ
// from direct sines move the sum by under 1e-24, far below its own rounding.
inline double meridian_arc(const Ellipsoid& E, double phi, const ArcTrig& t) {
  const double u = 2.0 * t.c4;
  const double s6 = t.s2 * (1.0 + u);
  const double s8 = u * t.s4;
  const double s10 = u * s6 - t.s2;
  const double s12 = u * s8 - t.s4;
  const double s14 = u * s10 - s6;
  const double s16 = u * s12 - s8;
  return E.arc_scale * (E.arc[0] * phi + E.arc[1] * t.s2 + E.arc[2] * t.s4 + E.arc[3] * s6 +
                        E.arc[4] * s8 + E.arc[5] * s10 + E.arc[6] * s12 + E.arc[7] * s14 +
                        E.arc[8] * s16);
}

inline double meridian_arc(const Ellipsoid& E, double phi) { return meridian_arc(E, phi, arc_trig(phi)); }

// V = sqrt(1 + e'^2 cos^2 phi) for a latitude with cosine cos_phi.
inline double curvature_v(const Ellipsoid& E, double cos_phi) {
  return std::sqrt(1.0 + E.ep2 * (cos_phi * cos_phi));
}

// Prime-vertical radius of curvature N = c / V.
inline double prime_vertical_radius(const Ellipsoid& E, double cos_phi) {
  return E.c / curvature_v(E, cos_phi);
}

// Meridian radius of curvature M = c / V^3.
inline double meridian_radius(const Ellipsoid& E, double cos_phi) {
  const double V = curvature_v(E, cos_phi);
  return E.c / (V * V * V);
}

// Footpoint latitude (radians) of meridian arc S (metres) by the closed series in
// x = S/a; no iteration.
inline double footpoint_latitude(const Ellipsoid& E, double S) {
  const double x = S / E.a;
  const double s2 = std::sin(2.0 * x), c2 = std::cos(2.0 * x);
  const double s4 = std::sin(4.0 * x), c4 = std::cos(4.0 * x);
  const double s6 = std::sin(6.0 * x), c6 = std::cos(6.0 * x);
  const double s8 = std::sin(8.0 * x);
  const double P = E.p0 + E.p2 * c2 + E.p4 * c4 + E.p6 * c6 - E.p44 * s4 * s2 +
                   x * (-E.px2 * s2 - E.px8 * x * c2 - E.px4 * s4);
  return x * P + (E.q20 - E.q24 * c4) * s2 + E.q4 * s4 + (E.q60 + E.q62 * c2) * s6 + E.q8 * s8;
}

}  // namespace survey::geodesy

#endif  // SURVEY_GEODESY_ELLIPSOID_SERIES_HPP
