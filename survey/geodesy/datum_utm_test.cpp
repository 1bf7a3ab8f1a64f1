#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "survey/geodesy/datum_utm_reference_test.hpp"
#include "survey/geodesy/geocentric.hpp"
#include "survey/geodesy/utm_series.hpp"
#include "survey/survey.h"

namespace {

namespace g = survey::geodesy;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSec = 1.0 / 3600.0;  // degrees per arc-second
constexpr double kGrsF = 298.257222101, kBesF = 299.152813, kWgsF = 298.257223;

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Seconds of arc between two packed-DMS angles.
double dms_sec(double a, double b) { return std::fabs(dms2deg(a) - dms2deg(b)) * 3600.0; }

TEST(DatumUtm, ConstantsEqualTheRuntimeValues) {
  const struct {
    const g::GeocentricEllipsoid& E;
    double a, F;
  } datums[] = {{g::kTokyoDatum, 6377397.155, kBesF}, {g::kWgs84Datum, 6378137.0, kWgsF},
                {g::kItrf94Datum, 6378137.0, kGrsF}};
  for (const auto& d : datums) {
    const g::GeocentricEllipsoid r = g::geocentric_ellipsoid(d.a, risin1(d.F));
    EXPECT_TRUE(same(d.E.e2, r.e2) && same(d.E.one_minus_e2, r.one_minus_e2) && same(d.E.e2a, r.e2a) &&
                same(d.E.one_minus_e2a, r.one_minus_e2a) && same(d.E.a, d.a))
        << d.F;
  }
  // e'^2 of the series and k = a(1 - e^2) A, recomputed as the transcription does.
  for (int16_t kind : {1, 2}) {
    const g::UtmEllipsoid& U = *g::utm_ellipsoid(kind);
    double a = 0, F = 0;
    reference::axes(kind, a, F);
    EXPECT_TRUE(same(U.E->ep2, risin2(F) * risin2(F)));
    EXPECT_TRUE(same(U.k, literal::utm_k(kind)));
    // The series' literal c is the parameter function's value.
    EXPECT_TRUE(same(U.c, kyokuhan(a, F)));
  }
  EXPECT_EQ(g::utm_ellipsoid(3), nullptr);
}

TEST(DatumUtm, DocumentedValues) {
  double dx = 1, dy = 2, dz = 3;
  Tokyo_Param(97, 2, &dx, &dy, &dz);
  EXPECT_EQ(dx, -146.414);
  EXPECT_EQ(dz, 680.507);
  Tokyo_Param(96, 1, &dx, &dy, &dz);
  EXPECT_EQ(dy, 506.8477);
  dx = 9;
  Tokyo_Param(98, 1, &dx, &dy, &dz);
  Tokyo_Param(96, 3, &dx, &dy, &dz);
  EXPECT_EQ(dx, 9.0);

  double lat = 0, lon = 0;
  Tokyo_Itrf94(97, 35.391755155, 139.444050210, &lat, &lon);
  EXPECT_NEAR(lat, 35.392922001, 1e-9);
  EXPECT_NEAR(lon, 139.442887049, 1e-9);
  double blat = 0, blon = 0;
  Itrf94_Tokyo(97, lat, lon, &blat, &blon);
  EXPECT_LT(dms_sec(blat, 35.391755155), 0.001);
  EXPECT_LT(dms_sec(blon, 139.444050210), 0.001);
  lat = lon = 7.0;
  for (auto f : {Tokyo_Wgs84, Wgs84_Tokyo, Tokyo_Itrf94, Itrf94_Tokyo}) f(98, 35.0, 139.0, &lat, &lon);
  EXPECT_EQ(lat, 7.0);
  EXPECT_EQ(lon, 7.0);

  // blh2xyz at 0/0: the dms2deg guard leaves about 3e-10 m in Y and Z.
  const double e = risin1(kGrsF);
  double X, Y, Z;
  blh2xyz(0.0, 0.0, 0.0, 6378137.0, e, &X, &Y, &Z);
  EXPECT_NEAR(X, 6378137.0, 1e-9);
  EXPECT_NEAR(Y, 0.0, 1e-9);
  EXPECT_NEAR(Z, 0.0, 1e-9);
  blh2xyz(90.0, 0.0, 0.0, 6378137.0, e, &X, &Y, &Z);
  EXPECT_NEAR(Z, 6356752.314140356, 1e-8);
  double h = 5;
  lat = lon = 5;
  xyz2blh(0.0, 0.0, 0.0, 6378137.0, e, &lat, &lon, &h);  // the origin writes nothing
  EXPECT_EQ(lat + lon + h, 15.0);
  xyz2blh(6378137.0, 0.0, 0.0, 6378137.0, e, &lat, &lon, &h);
  EXPECT_EQ(lat, 0.0);
  EXPECT_EQ(h, 0.0);

  const struct {
    double lat, lon, zone, lon0, n, e;
    int passes;
  } utm[] = {{36.06, 140.05, 54, 141, 3995428.9329, 417486.3557, 3},
             {44.0, 138.0, 54, 141, std::nan(""), std::nan(""), 4},
             {36.06, 123.0, 51, 123, std::nan(""), 500000.0, 0},
             {36.0, 137.5959, 53, 135, std::nan(""), std::nan(""), 0}};
  for (const auto& u : utm) {
    SCOPED_TRACE(u.lon);
    double zone, lon0, n, ea;
    JGD2000_UTM(u.lat, u.lon, &zone, &lon0, &n, &ea);
    EXPECT_EQ(zone, u.zone);
    EXPECT_EQ(lon0, u.lon0);
    if (!std::isnan(u.n)) {
      EXPECT_NEAR(n, u.n, 5e-5);
    }
    if (!std::isnan(u.e)) {
      EXPECT_NEAR(ea, u.e, u.e == 500000.0 ? 1e-6 : 5e-5);  // 500000.0000000243
    }
    if (u.passes == 0) continue;
    JGD2000_UTM2BL(zone, n, ea, &lat, &lon);
    EXPECT_LT(dms_sec(lat, u.lat), 0.001);
    EXPECT_LT(dms_sec(lon, u.lon), 0.001);
    double llat, llon;
    EXPECT_EQ(literal::utm2bl(2, zone, n, ea, &llat, &llon), u.passes);
  }
  // Every boundary meridian belongs to the zone east of it (180 wraps to zone 1).
  for (int k = 0; k <= 60; ++k) {
    double zone, lon0, n, ea;
    JGD2000_UTM(35.0, k * 6.0 - 180.0, &zone, &lon0, &n, &ea);
    EXPECT_EQ(zone, k % 60 + 1) << k;
  }
  double x = 3, y = 4;
  UTM_sub(0, 0.5, 0.01, &x, &y);
  EXPECT_EQ(x + y, 7.0);
}

// The library equals the direct transcription bit for bit: datum shifts over
// Japan and beyond, geocentric points at any latitude and height, UTM forward and
// inverse over the zones' width on both hemispheres.
TEST(DatumUtm, EqualsTheTranscription) {
  std::mt19937_64 rng(16);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  long mismatches = 0;
  auto check = [&](const char* what, double got, double want) {
    if (!same(got, want) && ++mismatches <= 5) ADD_FAILURE() << what << ": " << got << " != " << want;
  };
  using Fn = void(SURVEY_CALL*)(int16_t, double, double, double*, double*);
  const struct {
    Fn f;
    int16_t target;
    double a1, F1, a2, F2, sign;
  } shifts[] = {{Tokyo_Wgs84, 1, 6377397.155, kBesF, 6378137.0, kWgsF, 1.0},
                {Wgs84_Tokyo, 1, 6378137.0, kWgsF, 6377397.155, kBesF, -1.0},
                {Tokyo_Itrf94, 2, 6377397.155, kBesF, 6378137.0, kGrsF, 1.0},
                {Itrf94_Tokyo, 2, 6378137.0, kGrsF, 6377397.155, kBesF, -1.0}};
  for (int i = 0; i < 200000; ++i) {
    const bool japan = i % 2 == 0;
    const double lat = deg2dms(japan ? 20.0 + 26.0 * u(rng) : -90.0 + 180.0 * u(rng));
    const double lon = deg2dms(japan ? 122.0 + 32.0 * u(rng) : -180.0 + 360.0 * u(rng));
    const auto& s = shifts[i % 4];
    const int16_t model = i % 3 ? 97 : 96;
    double la = 0, lo = 0, rla = 0, rlo = 0;
    s.f(model, lat, lon, &la, &lo);
    literal::shift(model, s.target, s.a1, s.F1, s.a2, s.F2, s.sign, lat, lon, &rla, &rlo);
    check("shift lat", la, rla);
    check("shift lon", lo, rlo);

    const double a = i % 2 ? 6378137.0 : 6377397.155, e = risin1(i % 2 ? kGrsF : kBesF);
    const double h = -5000.0 + 105000.0 * u(rng);
    double X, Y, Z, rX, rY, rZ;
    blh2xyz(lat, lon, h, a, e, &X, &Y, &Z);
    literal::blh2xyz(lat, lon, h, a, e, &rX, &rY, &rZ);
    check("X", X, rX), check("Y", Y, rY), check("Z", Z, rZ);
    double b[3], rb[3];
    xyz2blh(X, Y, Z, a, e, &b[0], &b[1], &b[2]);
    literal::xyz2blh(X, Y, Z, a, e, &rb[0], &rb[1], &rb[2]);
    for (int k = 0; k < 3; ++k) check("xyz2blh", b[k], rb[k]);

    const int16_t kind = i % 2 ? 2 : 1;
    const double ulat = deg2dms(-84.0 + 168.0 * u(rng)), ulon = deg2dms(-180.0 + 360.0 * u(rng));
    double r[4], rr[4];
    (kind == 1 ? UTM : JGD2000_UTM)(ulat, ulon, &r[0], &r[1], &r[2], &r[3]);
    literal::utm(kind, ulat, ulon, &rr[0], &rr[1], &rr[2], &rr[3]);
    for (int k = 0; k < 4; ++k) check("utm", r[k], rr[k]);
    (kind == 1 ? UTM2BL : JGD2000_UTM2BL)(r[0], r[2], r[3], &la, &lo);
    literal::utm2bl(kind, r[0], r[2], r[3], &rla, &rlo);
    check("utm2bl lat", la, rla);
    check("utm2bl lon", lo, rlo);
  }
  EXPECT_EQ(mismatches, 0);
}

// Above about 83 degrees the spacing of doubles in tan(latitude) exceeds the
// 1e-15 tolerance: some points cycle between two neighbours. Random points above
// 83 degrees (both ellipsoids, heights to 100 km) must all give their latitude
// and height back, and so must the datum shifts near the pole.
TEST(DatumUtm, HighLatitudesNeverFallToZero) {
  std::mt19937_64 rng(83);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  int unmended_zeros = 0, zeros = 0;
  double worst_phi = 0, worst_h = 0;
  for (int i = 0; i < 20000; ++i) {
    const double a = i % 2 ? 6378137.0 : 6377397.155, e = risin1(i % 2 ? kGrsF : kBesF);
    const double phi = (83.0 + 7.0 * u(rng)) * (i % 4 < 2 ? 1 : -1), lam = -180.0 + 360.0 * u(rng);
    const double h = -1000.0 + 101000.0 * u(rng);
    double X, Y, Z, b[3], rb[3];
    blh2xyz(deg2dms(phi), deg2dms(lam), h, a, e, &X, &Y, &Z);
    const double want = deg2rad(dms2deg(deg2dms(phi)));
    xyz2blh(X, Y, Z, a, e, &b[0], &b[1], &b[2]);
    literal::xyz2blh(X, Y, Z, a, e, &rb[0], &rb[1], &rb[2], false);
    unmended_zeros += rb[0] == 0.0 && rb[2] == 0.0;
    zeros += b[0] == 0.0;
    worst_phi = std::max(worst_phi, std::fabs(b[0] - want));
    worst_h = std::max(worst_h, std::fabs(b[2] - h));

    double la, lo, rla, rlo;
    Tokyo_Wgs84(97, deg2dms(phi), deg2dms(lam), &la, &lo);
    literal::shift(97, 1, 6377397.155, kBesF, 6378137.0, kWgsF, 1.0, deg2dms(phi), deg2dms(lam), &rla, &rlo,
                   false);
    unmended_zeros += rla == 0.0;
    zeros += la == 0.0;
    EXPECT_LT(std::fabs(dms2deg(la) - phi), 0.01);  // a shift of at most a few arc-seconds
  }
  std::printf("above 83 deg: %d of 40000 fell to zero without the guard, %d with it; "
              "largest error %.2g rad, %.2g m\n", unmended_zeros, zeros, worst_phi, worst_h);
  EXPECT_GT(unmended_zeros, 0);
  EXPECT_EQ(zeros, 0);
  EXPECT_LT(worst_phi, 1e-15);
  EXPECT_LT(worst_h, 1e-7);
}

TEST(DatumUtm, AxisEquatorAndBadInput) {
  const struct {
    double a, F;
  } ells[] = {{6377397.155, kBesF}, {6378137.0, kGrsF}};
  for (const auto& el : ells) {
    const double e = risin1(el.F), b = el.a * std::sqrt(1.0 - e * e);
    for (double Z : {b, -b - 250.0, b + 8000.0, 1.0}) {
      double r[3], r1[3];
      xyz2blh(0.0, 0.0, Z, el.a, e, &r[0], &r[1], &r[2]);
      xyz2blh1(0.0, 0.0, Z, el.a, e, &r1[0], &r1[1], &r1[2]);
      EXPECT_EQ(r[0], std::copysign(1.5707963267948966, Z));
      EXPECT_DOUBLE_EQ(r[2], std::fabs(Z) - b);
      EXPECT_NEAR(r1[0], r[0], 1e-15);
      EXPECT_DOUBLE_EQ(r1[2], r[2]);
    }
    // On the equatorial plane, and within 1e-15 p of it, h = p - a.
    for (double Z : {0.0, 1e-9, -1e-9}) {
      double r[3];
      xyz2blh(el.a + 1234.5, 0.0, Z, el.a, e, &r[0], &r[1], &r[2]);
      EXPECT_EQ(r[0], 0.0);
      EXPECT_EQ(r[2], 1234.5);
    }
    // Next to it Z/t magnifies the error of t; the height comes from p there.
    double unmended = 0;
    for (double deg : {1e-10, 1e-8, -1e-6, 1e-4, 0.004}) {
      double X, Y, Z, r[3], rr[3];
      blh2xyz(deg2dms(deg), 0.3, 1234.5, el.a, e, &X, &Y, &Z);
      xyz2blh(X, Y, Z, el.a, e, &r[0], &r[1], &r[2]);
      literal::xyz2blh(X, Y, Z, el.a, e, &rr[0], &rr[1], &rr[2], false);
      EXPECT_NEAR(r[2], 1234.5, 1e-8) << deg;
      unmended = std::max(unmended, std::fabs(rr[2] - 1234.5));
    }
    EXPECT_GT(unmended, 1.0);
    // Non-finite input and the centre's neighbourhood: the documented zeros.
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& v : {std::array{kNaN, 1.0, 1.0}, std::array{0.0, 0.0, inf}, std::array{0.0, 0.0, kNaN}}) {
      double r[3] = {9, 9, 9};
      xyz2blh(v[0], v[1], v[2], el.a, e, &r[0], &r[1], &r[2]);
      EXPECT_EQ(r[0] + r[1] + r[2], 0.0) << v[0] << " " << v[1] << " " << v[2];
    }
  }
  // Longitude 180 lies in zone 1, 3 degrees west of its central meridian, like -180.
  double z1, l1, n1, e1, z2, l2, n2, e2;
  UTM(35.0, 180.0, &z1, &l1, &n1, &e1);
  UTM(35.0, -180.0, &z2, &l2, &n2, &e2);
  EXPECT_EQ(z1, 1.0);
  EXPECT_EQ(l1, -177.0);
  EXPECT_NEAR(n1, n2, 1e-6);
  EXPECT_NEAR(e1, e2, 1e-6);
  double r[4], rr[4];
  literal::utm(1, 35.0, 180.0, &rr[0], &rr[1], &rr[2], &rr[3], false);
  EXPECT_GT(rr[2], 3e9);  // without the wrap
  // Bad zone-making longitudes stay defined: NaN and huge values.
  UTM(35.0, kNaN, &r[0], &r[1], &r[2], &r[3]);
  EXPECT_TRUE(std::isnan(r[0]) && std::isnan(r[3]));
  JGD2000_UTM(35.0, 1e300, &r[0], &r[1], &r[2], &r[3]);
  // A NaN northing returns after the capped passes, NaN.
  double lat = 0, lon = 0;
  JGD2000_UTM2BL(54.0, kNaN, 400000.0, &lat, &lon);
  EXPECT_TRUE(std::isnan(lat));
  UTM2BL(54.0, 4e7, 4e7, &lat, &lon);  // far outside: returns
}

}  // namespace
