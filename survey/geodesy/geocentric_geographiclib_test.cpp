// The geocentric conversions compared with GeographicLib's Geocentric, an
// independent implementation accurate to a few nanometres at any point: the
// iteration at every latitude (the pole's neighbourhood and the equatorial plane
// included) and heights from -5 km to 100 km, Bowring's closed form for heights
// within 10 km.
#include <GeographicLib/Geocentric.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "survey/survey.h"

namespace {

constexpr double kDeg = 0.017453292519943295;

TEST(AgainstGeographicLib, GeocentricToGeodetic) {
  const struct {
    double a, F;
  } ells[] = {{6377397.155, 299.152813}, {6378137.0, 298.257223}, {6378137.0, 298.257222101}};
  std::mt19937_64 rng(2000);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  double it_phi = 0, it_h = 0, cf_phi = 0, cf_h = 0, cf_polar_h = 0;
  for (const auto& el : ells) {
    const GeographicLib::Geocentric ref(el.a, 1.0 / el.F);
    const double e = risin1(el.F);
    for (int i = 0; i < 30000; ++i) {
      // A third uniform in latitude, a third above 83 degrees, a third within
      // 0.01 degree of the equator.
      const int part = i % 3;
      const double sgn = i % 2 ? 1.0 : -1.0;
      const double lat = part == 0 ? -90.0 + 180.0 * u(rng)
                                   : sgn * (part == 1 ? 83.0 + 7.0 * u(rng) : 0.01 * std::pow(u(rng), 4.0));
      const double lon = -180.0 + 360.0 * u(rng), h = -5000.0 + 105000.0 * u(rng);
      double X, Y, Z;
      ref.Forward(lat, lon, h, X, Y, Z);
      double rlat, rlon, rh;
      ref.Reverse(X, Y, Z, rlat, rlon, rh);
      double b[3], c[3];
      xyz2blh(X, Y, Z, el.a, e, &b[0], &b[1], &b[2]);
      const double dphi = std::fabs(b[0] - rlat * kDeg), dh = std::fabs(b[2] - rh);
      it_phi = std::max(it_phi, dphi);
      it_h = std::max(it_h, dh);
      EXPECT_LT(dphi, 2e-15) << lat << " " << h;  // the iteration stops at 1e-15 in tan(latitude)
      EXPECT_LT(dh, 1e-6) << lat << " " << h;  // the Z/t form just outside the equatorial band: 0.6 um
      if (std::fabs(h) > 10000.0) continue;
      xyz2blh1(X, Y, Z, el.a, e, &c[0], &c[1], &c[2]);
      cf_phi = std::max(cf_phi, std::fabs(c[0] - rlat * kDeg));
      // p / cos(phi) loses digits near the pole (cos(phi) under 0.12 above 83 degrees).
      double& worst_h = part == 1 ? cf_polar_h : cf_h;
      worst_h = std::max(worst_h, std::fabs(c[2] - rh));
    }
    // On the polar axis.
    for (double Z : {6356000.0, -6400000.0}) {
      double rlat, rlon, rh, b[3], c[3];
      ref.Reverse(0.0, 0.0, Z, rlat, rlon, rh);
      xyz2blh(0.0, 0.0, Z, el.a, e, &b[0], &b[1], &b[2]);
      xyz2blh1(0.0, 0.0, Z, el.a, e, &c[0], &c[1], &c[2]);
      EXPECT_NEAR(b[0], rlat * kDeg, 1e-15);
      EXPECT_NEAR(b[2], rh, 1e-8);
      EXPECT_NEAR(c[2], rh, 1e-8);
    }
  }
  std::printf("iteration: largest difference %.2g rad, %.2g m; closed form (|h| <= 10 km): %.2g rad, %.2g m "
              "(%.2g m above 83 deg)\n",
              it_phi, it_h, cf_phi, cf_h, cf_polar_h);
  EXPECT_LT(cf_phi, 2e-13);
  EXPECT_LT(cf_h, 1.5e-6);
  EXPECT_LT(cf_polar_h, 1e-4);
}

}  // namespace
