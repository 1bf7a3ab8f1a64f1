// Hours and packed HMS, seconds of time, sidereal time, circular orbits and the
// direction cosines there and back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "survey/survey.h"

namespace {

TEST(Hours, Conversions) {
  EXPECT_NEAR(hms2h(6.3845836), 6.0 + 38.0 / 60 + 45.836 / 3600, 1e-13);
  EXPECT_NEAR(h2hms(6.0 + 38.0 / 60 + 45.836 / 3600), 6.3845836, 1e-13);
  EXPECT_NEAR(hms2h(-1.3), -1.5, 1e-13);
  struct Case {
    double h, deg;
  } cases[] = {{1.0, 15.0}, {24.0, 360.0}, {-6.5, -97.5}, {0.0, 0.0}, {13.25, 198.75}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.h);
    EXPECT_NEAR(h2deg(c.h), c.deg, 1e-12);
    EXPECT_NEAR(deg2h(c.deg), c.h, 1e-13);
  }
}

TEST(Hours, SecondsToDaysAndHours) {
  struct Case {
    double s, days, hours;
  } cases[] = {
      {90061.0, 1.0, 1.0 + 1.0 / 60 + 1.0 / 3600},  // 1 d 1 h 1 min 1 s
      {86400.0 * 3 + 1800.0, 3.0, 0.5},
      {3600.0, 0.0, 1.0},
      {-3600.0, 0.0, -1.0},  // truncated toward zero: the rest keeps the sign
      {-90000.0, -1.0, -1.0},
      {8640184.542 * 1.0, 100.0, 184.542 / 3600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.s);
    double days = -99.0;
    EXPECT_NEAR(sec2h(c.s, &days), c.hours, 1e-9);
    EXPECT_EQ(days, c.days);
  }
}

TEST(SiderealTime, Epochs) {
  // At T = 0 (1900 January 0.5) only the constant remains; a day later the
  // linear term has advanced by 236.555 s less than a day.
  EXPECT_NEAR(gst(1899, 12, 31), hms2h(6.3845836) - 0.5 / 36525 * 8640184.542 / 3600, 1e-12);
  // 2000-01-01 0h UT: 6h39m52.27s (IAU 1982 gives 6h39m52.2707s).
  EXPECT_NEAR(gst(2000, 1, 1), 6.0 + 39.0 / 60 + 52.27 / 3600, 0.1 / 3600);
  // The constant plus the day's fraction is not reduced: through a year the
  // result runs from about 6.6 h up past 24 h.
  double lo = 100.0, hi = 0.0;
  for (int16_t m = 1; m <= 12; ++m)
    for (int16_t d = 1; d <= 28; ++d) {
      lo = std::min(lo, gst(2001, m, d));
      hi = std::max(hi, gst(2001, m, d));
    }
  EXPECT_GT(lo, 6.6);
  EXPECT_GT(hi, 24.0);
  EXPECT_LT(hi, 6.65 + 24.0);
}

TEST(Orbit, GeostationaryAndLow) {
  double r = 0, v = 0, h = 0;
  satellite_orbit(86164.09, &r, &v, &h);  // one sidereal day
  EXPECT_NEAR(r, 42165741.24, 0.005);
  EXPECT_NEAR(v, 2 * 3.141592653589793 * r / 86164.09, 1e-9);
  EXPECT_EQ(h, r - 6377397.155);
  satellite_orbit(5400.0, &r, &v, &h);  // 90 minutes: Kepler's third law, r^3 = GM (T / 2 pi)^2
  EXPECT_NEAR(r * r * r, 3.9864502e14 * std::pow(5400.0 / (2 * 3.141592653589793), 2), 1e-12 * r * r * r);
  EXPECT_GT(h, 200e3);
  EXPECT_LT(h, 300e3);
}

TEST(DirectionCosines, RoundTripOverAllLongitudes) {
  double l = 0, m = 0, n = 0, lat = 0, lon = 0;
  // 35 N, 139d45' E: the longitude beyond 90 degrees comes back, not folded to 40d15'.
  direction_cos(35.0, 139.45, &l, &m, &n);
  EXPECT_NEAR(l, std::cos(35 * 0.017453292519943295) * std::cos(139.75 * 0.017453292519943295), 1e-13);
  direction_cos2BL(l, m, n, &lat, &lon);
  EXPECT_NEAR(dms2deg(lat), 35.0, 1e-11);
  EXPECT_NEAR(dms2deg(lon), 139.75, 1e-11);
  int failures = 0;
  for (double phi = -85.0; phi <= 85.0; phi += 1.0) {
    for (double lam = -360.0; lam < 720.0; lam += 0.25) {
      direction_cos(deg2dms(phi), deg2dms(lam), &l, &m, &n);
      direction_cos2BL(l, m, n, &lat, &lon);
      const double want = std::fmod(std::fmod(lam, 360.0) + 360.0, 360.0);
      const double got = dms2deg(lon);
      const double dlon = std::remainder(got - want, 360.0);
      // Near 90 and 270 degrees the arcsine loses half its digits (about 1e-5 degrees).
      const bool ok = got >= 0.0 && got < 360.0 + 1e-9 && std::fabs(dlon) < 2e-5 && std::fabs(dms2deg(lat) - phi) < 1e-9;
      if (!ok && ++failures <= 5) ADD_FAILURE() << phi << ", " << lam << " came back " << dms2deg(lat) << ", " << got;
    }
  }
  EXPECT_EQ(failures, 0);
  // Southern latitudes stay negative.
  direction_cos(-33.5, 151.1, &l, &m, &n);
  direction_cos2BL(l, m, n, &lat, &lon);
  EXPECT_NEAR(lat, -33.5, 1e-9);
  EXPECT_NEAR(lon, 151.1, 1e-9);
}

}  // namespace
