// Test support: a direct transcription of the ellipsoid and plane-coordinate
// formulas, every quantity recomputed where it is used (eccentricities from the
// inverse flattening, every sine by the runtime, every power as a product, the
// meridian arc at the origin recomputed in Halley's first step). The library
// computes the ellipsoid constants once, at compile time, and shares sines and
// powers; its results must equal these to the last bit.
#ifndef SURVEY_GEODESY_PLANE_RECT_REFERENCE_TEST_HPP
#define SURVEY_GEODESY_PLANE_RECT_REFERENCE_TEST_HPP

#include <cmath>
#include <cstdint>

#include "survey/basics/angles.h"

namespace reference {

using std::cos;
using std::pow;
using std::sin;
using std::sqrt;
using std::tan;

inline bool axes(int kind, double& a, double& F) {
  if (kind == 1) {
    a = 6377397.155;
    F = 299.152813;
    return true;
  }
  if (kind == 2) {
    a = 6378137.0;
    F = 298.257222101;
    return true;
  }
  return false;
}

inline double pw(double x, int n) {
  double p = x;
  for (int i = 1; i < n; ++i) p = p * x;
  return p;
}

inline double ecc(double F) { return sqrt(2.0 * F - 1.0) / F; }
inline double ecc2nd(double F) { return sqrt(2.0 * F - 1.0) / (F - 1.0); }

// Leading coefficient A of the meridian arc series, e the first eccentricity.
inline double arc_A(double e) {
  const double e2 = pw(e, 2), e4 = pw(e, 4), e6 = pw(e, 6), e8 = pw(e, 8), e10 = pw(e, 10),
               e12 = pw(e, 12), e14 = pw(e, 14), e16 = pw(e, 16);
  return 703956825.0 / 1073741824.0 * e16 + 2760615.0 / 4194304.0 * e14 + 693693.0 / 1048576.0 * e12 +
         43659.0 / 65536.0 * e10 + 11025.0 / 16384.0 * e8 + 175.0 / 256.0 * e6 + 45.0 / 64.0 * e4 +
         3.0 / 4.0 * e2 + 1.0;
}

inline bool calcb(int kind, double phi, double* out) {
  double a, F;
  if (!axes(kind, a, F)) return false;
  const double e = ecc(F);
  const double e2 = pw(e, 2), e4 = pw(e, 4), e6 = pw(e, 6), e8 = pw(e, 8), e10 = pw(e, 10),
               e12 = pw(e, 12), e14 = pw(e, 14), e16 = pw(e, 16);
  const double A = arc_A(e);
  const double B = 78217425.0 / 67108864.0 * e16 + 19324305.0 / 16777216.0 * e14 +
                   297297.0 / 262144.0 * e12 + 72765.0 / 65536.0 * e10 + 2205.0 / 2048.0 * e8 +
                   525.0 / 512.0 * e6 + 15.0 / 16.0 * e4 + 3.0 / 4.0 * e2;
  const double C = 109504395.0 / 134217728.0 * e16 + 6441435.0 / 8388608.0 * e14 +
                   1486485.0 / 2097152.0 * e12 + 10395.0 / 16384.0 * e10 + 2205.0 / 4096.0 * e8 +
                   105.0 / 256.0 * e6 + 15.0 / 64.0 * e4;
  const double D = 29864835.0 / 67108864.0 * e16 + 6441435.0 / 16777216.0 * e14 +
                   165165.0 / 524288.0 * e12 + 31185.0 / 131072.0 * e10 + 315.0 / 2048.0 * e8 +
                   35.0 / 512.0 * e6;
  const double E = 49774725.0 / 268435456.0 * e16 + 585585.0 / 4194304.0 * e14 +
                   99099.0 / 1048576.0 * e12 + 3465.0 / 65536.0 * e10 + 315.0 / 16384.0 * e8;
  const double F1 = 3828825.0 / 67108864.0 * e16 + 585585.0 / 16777216.0 * e14 +
                    9009.0 / 524288.0 * e12 + 693.0 / 131072.0 * e10;
  const double G = 1640925.0 / 134217728.0 * e16 + 45045.0 / 8388608.0 * e14 + 3003.0 / 2097152.0 * e12;
  const double H = 109395.0 / 67108864.0 * e16 + 6435.0 / 16777216.0 * e14;
  const double I = 109395.0 / 1073741824.0 * e16;
  *out = a * (1.0 - e2) *
         (A * phi + B * -0.5 * sin(2.0 * phi) + C * 0.25 * sin(4.0 * phi) + D * (-1.0 / 6.0) * sin(6.0 * phi) +
          E * 0.125 * sin(8.0 * phi) + F1 * -0.1 * sin(10.0 * phi) + G * (1.0 / 12.0) * sin(12.0 * phi) +
          H * (-1.0 / 14.0) * sin(14.0 * phi) + I * 0.0625 * sin(16.0 * phi));
  return true;
}

inline bool calcn(int kind, double phi, double* out) {
  double a, F;
  if (!axes(kind, a, F)) return false;
  const double c = a * F / (F - 1.0);
  const double ep = ecc2nd(F);
  const double V = sqrt(1.0 + pw(ep, 2) * pw(cos(phi), 2));
  *out = c / V;
  return true;
}

inline bool calcm(int kind, double phi, double* out) {
  double a, F;
  if (!axes(kind, a, F)) return false;
  const double c = a * F / (F - 1.0);
  const double ep = ecc2nd(F);
  const double V = sqrt(1.0 + pw(ep, 2) * pw(cos(phi), 2));
  *out = c / pw(V, 3);
  return true;
}

inline bool calcp(int kind, double S, double* out) {
  double a, F;
  if (!axes(kind, a, F)) return false;
  const double e = ecc(F);
  const double e2 = pw(e, 2), e4 = pw(e, 4), e6 = pw(e, 6), e8 = pw(e, 8);
  const double x = S / a;
  const double P = 1.0 + 1.0 / 4.0 * e2 + 7.0 / 64.0 * e4 + 15.0 / 256.0 * e6 + 579.0 / 16384.0 * e8 +
                   (3.0 / 16.0 * e4 + 45.0 / 256.0 * e6 + 285.0 / 2048.0 * e8) * cos(2.0 * x) +
                   (21.0 / 256.0 * e6 + 483.0 / 4096.0 * e8) * cos(4.0 * x) + 71.0 / 2048.0 * e8 * cos(6.0 * x) -
                   27.0 / 1024.0 * e8 * sin(4.0 * x) * sin(2.0 * x) +
                   x * (-(3.0 / 64.0 * e6 + 33.0 / 512.0 * e8) * sin(2.0 * x) -
                        1.0 / 128.0 * e8 * x * cos(2.0 * x) - 21.0 / 512.0 * e8 * sin(4.0 * x));
  const double Q2 = 3.0 / 8.0 * e2 + 3.0 / 16.0 * e4 + 93.0 / 1024.0 * e6 + 87.0 / 2048.0 * e8 -
                    (27.0 / 1024.0 * e6 + 81.0 / 2048.0 * e8) * cos(4.0 * x);
  const double Q4 = 21.0 / 256.0 * (e4 + e6) + 261.0 / 4096.0 * e8;
  const double Q6 = 29.0 / 768.0 * e6 + 231.0 / 4096.0 * e8 + 11.0 / 1024.0 * e8 * cos(2.0 * x);
  *out = x * P + Q2 * sin(2.0 * x) + Q4 * sin(4.0 * x) + Q6 * sin(6.0 * x) + 921.0 / 131072.0 * e8 * sin(8.0 * x);
  return true;
}

struct Zone {
  double lat, lon;
};
inline bool zone(int z, Zone& o) {
  static const Zone t[19] = {{33.0, 129.3}, {33.0, 131.0}, {36.0, 132.1},  {33.0, 133.3},  {36.0, 134.2},
                             {36.0, 136.0}, {36.0, 137.1}, {36.0, 138.3},  {36.0, 139.5},  {40.0, 140.5},
                             {44.0, 140.15}, {44.0, 142.15}, {44.0, 144.15}, {26.0, 142.0}, {26.0, 127.3},
                             {26.0, 124.0}, {26.0, 131.0}, {20.0, 136.0},  {26.0, 154.0}};
  if (z < 1 || z > 19) return false;
  o = t[z - 1];
  return true;
}

inline void klola1(int kind, int z, double lat, double lon, double* x, double* y, int16_t* err) {
  double a, F;
  if (!axes(kind, a, F)) return;
  Zone o;
  if (!zone(z, o)) {
    *err = 8;
    return;
  }
  const double phi = deg2rad(dms2deg(lat));
  const double lam = deg2rad(dms2deg(lon));
  const double phi0 = deg2rad(dms2deg(o.lat));
  const double lam0 = deg2rad(dms2deg(o.lon));
  const double dl = lam - lam0;
  double B = 0.0, B0 = 0.0, N = 0.0;
  calcb(kind, phi, &B);
  calcb(kind, phi0, &B0);
  calcn(kind, phi, &N);
  const double t = tan(phi);
  const double ep = ecc2nd(F);
  const double eta2 = pw(ep * cos(phi), 2), eta4 = pw(ep * cos(phi), 4);
  *x = 0.9999 * ((B - B0) + N * t * 0.5 * pw(cos(phi), 2) * pw(dl, 2) +
                 N * t * (1.0 / 24.0) * pw(cos(phi), 4) * pw(dl, 4) * (5.0 - pw(t, 2) + 9.0 * eta2 + 4.0 * eta4) +
                 N * t * (1.0 / 720.0) * pw(cos(phi), 6) * pw(dl, 6) *
                     (61.0 - 58.0 * pw(t, 2) + pw(t, 4) + 270.0 * eta2 - 330.0 * pw(t, 2) * eta2) +
                 N * t * 2.48015873015873e-05 * pw(cos(phi), 8) * pw(dl, 8) *
                     (1385.0 - 3111.0 * pw(t, 2) + 543.0 * pw(t, 4) - pw(t, 6)));
  *y = 0.9999 * (N * cos(phi) * dl + N * (1.0 / 6.0) * pw(cos(phi), 3) * pw(dl, 3) * (1.0 - pw(t, 2) + eta2) +
                 N * (1.0 / 120.0) * pw(cos(phi), 5) * pw(dl, 5) *
                     (5.0 - 18.0 * pw(t, 2) + pw(t, 4) + 14.0 * eta2 - 58.0 * pw(t, 2) * eta2) +
                 N * 0.0001984126984126984 * pw(cos(phi), 7) * pw(dl, 7) *
                     (61.0 - 479.0 * pw(t, 2) + 179.0 * pw(t, 4) - pw(t, 6)));
}

inline double convergence(double yp, double t, double N, double eta2) {
  return yp * t / N - pw(yp, 3) * t * (1.0 + pw(t, 2) - eta2) / (3.0 * pw(N, 3)) +
         pw(yp, 5) * t * (2.0 + 3.0 * pw(t, 2)) * (1.0 + pw(t, 2)) / (15.0 * pw(N, 5));
}

// Returns the number of iterations (0 when not settled), as a test hook.
inline int klola2(int kind, int z, double* lat, double* lon, double x, double y, double* gamma, int16_t* err) {
  double a, F;
  if (!axes(kind, a, F)) return 0;
  Zone o;
  if (!zone(z, o)) {
    *err = 8;
    return 0;
  }
  const double phi0 = deg2rad(dms2deg(o.lat));
  const double lam0 = deg2rad(dms2deg(o.lon));
  double B0;
  calcb(kind, phi0, &B0);
  const double S = x * 1.000100010001 + B0;
  const double e2 = pw(ecc(F), 2);
  double phi = phi0, phi1 = 0.0;
  int iterations = 0;
  for (int i = 1; i <= 100; ++i) {
    double B = 0.0;
    calcb(kind, phi, &B);
    const double d = B - S;
    const double W2 = 1.0 - e2 * pw(sin(phi), 2);
    const double next = phi + 2.0 * d * pow(W2, 1.5) /
                                  (3.0 * e2 * d * sin(phi) * cos(phi) * pow(W2, 0.5) - 2.0 * a * (1.0 - e2));
    if (std::fabs(next - phi) <= 1e-15) {
      phi1 = next;
      iterations = i;
      break;
    }
    phi = next;
  }
  if (iterations == 0) {
    *err = 8;
    return 0;
  }
  double N = 0.0;
  calcn(kind, phi1, &N);
  const double t = tan(phi1);
  const double ep = ecc2nd(F);
  const double eta2 = pw(ep * cos(phi1), 2), eta4 = pw(ep * cos(phi1), 4);
  const double yp = y * 1.000100010001;
  const double la =
      phi1 - (1.0 + eta2) * t * pw(yp, 2) / (2.0 * pw(N, 2)) +
      t * pw(yp, 4) / (24.0 * pw(N, 4)) *
          (5.0 + 3.0 * pw(t, 2) + 6.0 * eta2 - 6.0 * pw(t, 2) * eta2 - 3.0 * eta4 - 9.0 * pw(t, 2) * eta4) -
      t * pw(yp, 6) / (720.0 * pw(N, 6)) *
          (61.0 + 90.0 * pw(t, 2) + 45.0 * pw(t, 4) + 107.0 * eta2 - 162.0 * pw(t, 2) * eta2 -
           45.0 * pw(t, 4) * eta2) +
      t * pw(yp, 8) / (40320.0 * pw(N, 8)) * (1385.0 + 3633.0 * pw(t, 2) + 4095.0 * pw(t, 4) + 1575.0 * pw(t, 6));
  const double lo = lam0 + yp / (N * cos(phi1)) - pw(yp, 3) * (1.0 + 2.0 * pw(t, 2) + eta2) / (6.0 * pw(N, 3) * cos(phi1)) +
                    pw(yp, 5) * (5.0 + 28.0 * pw(t, 2) + 24.0 * pw(t, 4) + 6.0 * eta2 + 8.0 * pw(t, 2) * eta2) /
                        (120.0 * pw(N, 5) * cos(phi1)) -
                    pw(yp, 7) * (61.0 + 662.0 * pw(t, 2) + 1320.0 * pw(t, 4) + 720.0 * pw(t, 6)) /
                        (5040.0 * pw(N, 7) * cos(phi1));
  *lat = deg2dms(rad2deg(la));
  *lon = deg2dms(rad2deg(lo));
  *gamma = deg2dms(rad2deg(convergence(yp, t, N, eta2)));
  return iterations;
}

inline double scale(int kind, double phi, double y) {
  double M = 0.0, N = 0.0;
  calcm(kind, phi, &M);
  calcn(kind, phi, &N);
  const double m0 = 0.9999;
  return m0 * (1.0 + pw(y, 2) / (2.0 * pw(m0, 2) * M * N) + pw(y, 4) / (24.0 * pw(m0, 4) * pw(M, 2) * pw(N, 2)));
}

inline double zoudai(int kind, int z, double y) {
  double a, F;
  Zone o;
  if (!axes(kind, a, F) || !zone(z, o)) return 0.0;
  return scale(kind, deg2rad(dms2deg(o.lat)), y);
}

inline double scallfact(int kind, double lat, double y) {
  double a, F;
  if (!axes(kind, a, F)) return 0.0;
  return scale(kind, deg2rad(dms2deg(lat)), y);
}

inline double syusa(int kind, int z, double x, double y) {
  double a, F;
  Zone o;
  if (!axes(kind, a, F) || !zone(z, o)) return 0.0;
  double B0 = 0.0, phi1 = 0.0, N = 0.0;
  calcb(kind, deg2rad(dms2deg(o.lat)), &B0);
  calcp(kind, x * 1.000100010001 + B0, &phi1);
  calcn(kind, phi1, &N);
  const double ep = ecc2nd(F);
  return deg2dms(rad2deg(convergence(y * 1.000100010001, tan(phi1), N, pw(ep * cos(phi1), 2))));
}

}  // namespace reference

#endif  // SURVEY_GEODESY_PLANE_RECT_REFERENCE_TEST_HPP
