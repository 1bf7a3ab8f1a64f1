// Plane rectangular coordinates: zone table, forward and inverse projections,
// scale factor, convergence and the error out-value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "survey/geodesy/plane_rect_series.hpp"
#include "survey/survey.h"

namespace {

constexpr double kUntouched = -12345.678;
constexpr int16_t kErrUntouched = 77;
// Packed DMS results pass through rad2deg/deg2dms, whose truncating splits leave
// a few units in the last place: 1e-12 (a few micro-arcseconds).
constexpr double kDmsTol = 1e-12;

TEST(ZoneTable, OriginsInDegrees) {
  // The origins in decimal degrees, to check the packed DMS table against.
  const double lat[19] = {33, 33, 36, 33, 36, 36, 36, 36, 36, 40, 44, 44, 44, 26, 26, 26, 26, 20, 26};
  const double lon[19] = {129.5,  131.0,  132.0 + 1.0 / 6, 133.5, 134 + 1.0 / 3, 136.0,  137 + 1.0 / 6,
                          138.5,  139 + 5.0 / 6, 140 + 5.0 / 6, 140.25, 142.25, 144.25, 142.0,
                          127.5,  124.0,  131.0,  136.0,  154.0};
  for (int16_t zone = 1; zone <= 19; ++zone) {
    SCOPED_TRACE(zone);
    double lat0 = kUntouched, lon0 = kUntouched;
    int16_t flag = 5;
    comd(zone, &lat0, &lon0, &flag);
    EXPECT_EQ(flag, 0);
    EXPECT_NEAR(dms2deg(lat0), lat[zone - 1], 1e-12);
    EXPECT_NEAR(dms2deg(lon0), lon[zone - 1], 1e-12);
  }
  for (int16_t zone : {0, 20, -1, 100}) {
    SCOPED_TRACE(zone);
    double lat0 = kUntouched, lon0 = kUntouched;
    int16_t flag = 0;
    comd(zone, &lat0, &lon0, &flag);
    EXPECT_EQ(flag, 8);
    EXPECT_EQ(lat0, kUntouched);
    EXPECT_EQ(lon0, kUntouched);
  }
}

struct Forward {
  const char* name;
  void (*f)(int16_t, double, double, double*, double*, int16_t*);
  double x, y;
};

TEST(Projection, Zone9CheckPoint) {
  // 36d06'00", 140d05'00" in zone 9; coordinates given to 0.1 mm.
  const Forward cases[] = {{"GRS80", JGD2000_klola1, 11123.8185, 22510.2007},
                           {"Bessel", klola1, 11122.6360, 22507.5113}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    double x = 0.0, y = 0.0;
    int16_t err = 0;
    c.f(9, 36.06, 140.05, &x, &y, &err);
    EXPECT_EQ(err, 0);
    EXPECT_NEAR(x, c.x, 5e-5);
    EXPECT_NEAR(y, c.y, 5e-5);
  }
}

TEST(Projection, Zone9InverseCheckPoint) {
  double x = 0.0, y = 0.0;
  int16_t err = 0;
  JGD2000_klola1(9, 36.06, 140.05, &x, &y, &err);
  double lat = 0.0, lon = 0.0, gamma = 0.0;
  JGD2000_klola2(9, &lat, &lon, x, y, &gamma, &err);
  EXPECT_EQ(err, 0);
  EXPECT_NEAR(lat, 36.06, kDmsTol);
  EXPECT_NEAR(lon, 140.05, kDmsTol);
  EXPECT_NEAR(gamma, 0.0850279, 5e-8);  // 0d08'50.279", to the printed digit

  // Halley's iteration from the origin latitude settles on its third step.
  namespace g = survey::geodesy;
  const g::ZoneConstants& z9 = g::zone_constants(2, 9);
  double phi1 = 0.0;
  EXPECT_EQ(g::footpoint_by_halley(g::kGrs80, x * g::kInvM0 + z9.B0, z9, &phi1), 3);
}

// The generated table of zone-origin quantities holds exactly what the runtime
// computes from the zone table (every entry: the set is finite).
TEST(ZoneConstants, EqualTheirDefinitionBitForBit) {
  namespace g = survey::geodesy;
  for (int16_t kind : {1, 2}) {
    const g::Ellipsoid& E = *g::ellipsoid(kind);
    for (int16_t zone = 1; zone <= 19; ++zone) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " zone " << zone);
      const g::ZoneOrigin& o = *g::zone_origin(zone);
      const g::ZoneConstants& z = g::zone_constants(kind, zone);
      const double phi0 = g::dms_to_rad(o.lat);
      const double sn = std::sin(phi0), cs = std::cos(phi0);
      const double W2 = 1.0 - E.e2 * (sn * sn);
      EXPECT_EQ(z.phi0, phi0);
      EXPECT_EQ(z.lam0, g::dms_to_rad(o.lon));
      EXPECT_EQ(z.B0, g::meridian_arc(E, phi0));
      EXPECT_EQ(z.sin0, sn);
      EXPECT_EQ(z.cos0, cs);
      EXPECT_EQ(z.w2_pow15, std::pow(W2, 1.5));
      EXPECT_EQ(z.sqrt_w2, std::sqrt(W2));
    }
  }
}

TEST(Projection, OriginMapsToZero) {
  for (int16_t kind : {1, 2}) {
    for (int16_t zone = 1; zone <= 19; ++zone) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " zone " << zone);
      double lat0 = 0.0, lon0 = 0.0;
      int16_t err = 0;
      comd(zone, &lat0, &lon0, &err);
      double x = kUntouched, y = kUntouched;
      Wklola1(kind, zone, lat0, lon0, &x, &y, &err);
      EXPECT_EQ(x, 0.0);
      EXPECT_EQ(y, 0.0);
      double lat = kUntouched, lon = kUntouched, gamma = kUntouched;
      Wklola2(kind, zone, &lat, &lon, 0.0, 0.0, &gamma, &err);
      EXPECT_NEAR(lat, lat0, kDmsTol);
      EXPECT_NEAR(lon, lon0, kDmsTol);
      EXPECT_EQ(gamma, 0.0);
      EXPECT_EQ(Wsyusa(kind, zone, 0.0, 0.0), 0.0);
      EXPECT_EQ(err, 0);
    }
  }
}

TEST(Projection, RoundTripThroughTheInverse) {
  // Forward then inverse within 1.5 degrees of each origin: the two series agree
  // to well below a micro-arcsecond (1e-10 packed DMS is 1e-6 arc-seconds).
  for (int16_t kind : {1, 2}) {
    for (int16_t zone = 1; zone <= 19; ++zone) {
      double lat0 = 0.0, lon0 = 0.0;
      int16_t err = 0;
      comd(zone, &lat0, &lon0, &err);
      for (double dlat = -1.5; dlat <= 1.5; dlat += 0.75) {
        for (double dlon = -1.5; dlon <= 1.5; dlon += 0.75) {
          SCOPED_TRACE(testing::Message() << kind << " zone " << zone << " " << dlat << " " << dlon);
          const double lat = deg2dms(dms2deg(lat0) + dlat), lon = deg2dms(dms2deg(lon0) + dlon);
          double x = 0, y = 0, blat = 0, blon = 0, gamma = 0;
          Wklola1(kind, zone, lat, lon, &x, &y, &err);
          Wklola2(kind, zone, &blat, &blon, x, y, &gamma, &err);
          EXPECT_EQ(err, 0);
          EXPECT_NEAR(dms2deg(blat), dms2deg(lat), 3e-10);
          EXPECT_NEAR(dms2deg(blon), dms2deg(lon), 3e-10);
          // The series footpoint of Wsyusa agrees with Halley's footpoint.
          EXPECT_NEAR(dms2deg(Wsyusa(kind, zone, x, y)), dms2deg(gamma), 1e-10);
        }
      }
    }
  }
}

TEST(Errors, InvalidZoneSetsEightAndWritesNothing) {
  for (int16_t kind : {1, 2}) {
    for (int16_t zone : {0, 20, -3}) {
      SCOPED_TRACE(testing::Message() << kind << " zone " << zone);
      double x = kUntouched, y = kUntouched;
      int16_t err = 0;
      Wklola1(kind, zone, 36.0, 139.5, &x, &y, &err);
      EXPECT_EQ(err, 8);
      EXPECT_EQ(x, kUntouched);
      EXPECT_EQ(y, kUntouched);
      double lat = kUntouched, lon = kUntouched, gamma = kUntouched;
      err = 0;
      Wklola2(kind, zone, &lat, &lon, 100.0, 100.0, &gamma, &err);
      EXPECT_EQ(err, 8);
      EXPECT_EQ(lat, kUntouched);
      EXPECT_EQ(lon, kUntouched);
      EXPECT_EQ(gamma, kUntouched);
      EXPECT_EQ(Wzoudai(kind, zone, 1000.0), 0.0);
      EXPECT_EQ(Wsyusa(kind, zone, 1000.0, 1000.0), 0.0);
    }
  }
}

TEST(Errors, OtherSelectorsWriteNothingAtAll) {
  for (int16_t kind : {0, 3, -1}) {
    for (int16_t zone : {9, 0}) {
      SCOPED_TRACE(testing::Message() << kind << " zone " << zone);
      double x = kUntouched, y = kUntouched;
      int16_t err = kErrUntouched;
      Wklola1(kind, zone, 36.06, 140.05, &x, &y, &err);
      EXPECT_EQ(err, kErrUntouched);
      EXPECT_EQ(x, kUntouched);
      EXPECT_EQ(y, kUntouched);
      double lat = kUntouched, lon = kUntouched, gamma = kUntouched;
      Wklola2(kind, zone, &lat, &lon, 100.0, 100.0, &gamma, &err);
      EXPECT_EQ(err, kErrUntouched);
      EXPECT_EQ(lat, kUntouched);
      EXPECT_EQ(lon, kUntouched);
      EXPECT_EQ(gamma, kUntouched);
      EXPECT_EQ(Wsyusa(kind, zone, 1000.0, 1000.0), 0.0);
      EXPECT_EQ(Wzoudai(kind, zone, 1000.0), 0.0);
      EXPECT_EQ(Wscallfact(kind, 0, 36.0, 1000.0), 0.0);
    }
  }
}

TEST(Errors, SuccessNeverClearsTheErrorValue) {
  double x = 0, y = 0, lat = 0, lon = 0, gamma = 0;
  int16_t err = kErrUntouched;
  klola1(9, 36.06, 140.05, &x, &y, &err);
  klola2(9, &lat, &lon, x, y, &gamma, &err);
  EXPECT_EQ(err, kErrUntouched);
  EXPECT_NEAR(lat, 36.06, kDmsTol);
}

TEST(Errors, UnsettledIterationSetsEightAndWritesNothing) {
  // A coordinate that is not a number never meets the tolerance: after 100 steps
  // the inverse gives up.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double x : {nan, std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(x);
    double lat = kUntouched, lon = kUntouched, gamma = kUntouched;
    int16_t err = 0;
    JGD2000_klola2(9, &lat, &lon, x, 0.0, &gamma, &err);
    EXPECT_EQ(err, 8);
    EXPECT_EQ(lat, kUntouched);
    EXPECT_EQ(lon, kUntouched);
    EXPECT_EQ(gamma, kUntouched);
  }
}

TEST(ScaleFactor, CentralMeridianAndGrowth) {
  for (int16_t kind : {1, 2}) {
    for (int16_t zone = 1; zone <= 19; ++zone) {
      SCOPED_TRACE(testing::Message() << kind << " zone " << zone);
      EXPECT_EQ(Wzoudai(kind, zone, 0.0), 0.9999);
      // Symmetric in y and growing away from the central meridian.
      EXPECT_EQ(Wzoudai(kind, zone, 90000.0), Wzoudai(kind, zone, -90000.0));
      EXPECT_GT(Wzoudai(kind, zone, 90000.0), Wzoudai(kind, zone, 45000.0));
    }
  }
  // About 90 km from the central meridian the factor passes 1 (m0 (1 + y^2/2R^2)).
  EXPECT_LT(JGD2000_zoudai(9, 89000.0), 1.0);
  EXPECT_GT(JGD2000_zoudai(9, 91000.0), 1.0);
  // Wscallfact at the zone's origin latitude is Wzoudai; its second argument is not read.
  for (int32_t unused : {0, 1, -70000}) {
    SCOPED_TRACE(unused);
    EXPECT_EQ(JGD2000_scallfact(unused, 36.0, 50000.0), JGD2000_zoudai(9, 50000.0));
    EXPECT_EQ(scallfact(unused, 44.0, 50000.0), zoudai(12, 50000.0));
    EXPECT_EQ(Wscallfact(2, unused, 26.0, -20000.0), Wzoudai(2, 19, -20000.0));
  }
}

TEST(Wrappers, ForwardToTheSelectedEllipsoid) {
  struct Kind {
    int16_t kind;
    void (*k1)(int16_t, double, double, double*, double*, int16_t*);
    void (*k2)(int16_t, double*, double*, double, double, double*, int16_t*);
    double (*zd)(int16_t, double);
    double (*sf)(int32_t, double, double);
    double (*sy)(int16_t, double, double);
  } kinds[] = {{1, klola1, klola2, zoudai, scallfact, syusa},
               {2, JGD2000_klola1, JGD2000_klola2, JGD2000_zoudai, JGD2000_scallfact, JGD2000_syusa}};
  for (const auto& k : kinds) {
    SCOPED_TRACE(k.kind);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int16_t err = 0;
    k.k1(3, 35.3, 132.5, &x1, &y1, &err);
    Wklola1(k.kind, 3, 35.3, 132.5, &x2, &y2, &err);
    EXPECT_EQ(x1, x2);
    EXPECT_EQ(y1, y2);
    double a[3] = {0, 0, 0}, b[3] = {0, 0, 0};
    k.k2(3, &a[0], &a[1], x1, y1, &a[2], &err);
    Wklola2(k.kind, 3, &b[0], &b[1], x1, y1, &b[2], &err);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a[i], b[i]);
    EXPECT_EQ(k.zd(3, y1), Wzoudai(k.kind, 3, y1));
    EXPECT_EQ(k.sf(9, 35.3, y1), Wscallfact(k.kind, 9, 35.3, y1));
    EXPECT_EQ(k.sy(3, x1, y1), Wsyusa(k.kind, 3, x1, y1));
    EXPECT_EQ(err, 0);
  }
  // The two ellipsoids differ at the zone 9 check point by about 1.2 m and 2.7 m.
  double xb = 0, yb = 0, xg = 0, yg = 0;
  int16_t err = 0;
  klola1(9, 36.06, 140.05, &xb, &yb, &err);
  JGD2000_klola1(9, 36.06, 140.05, &xg, &yg, &err);
  EXPECT_NEAR(xg - xb, 1.1825, 1e-4);
  EXPECT_NEAR(yg - yb, 2.6894, 1e-4);
}

TEST(Wrappers, DecoratedNamesBind) {
  using K1 = void(SURVEY_CALL*)(int16_t, int16_t, double, double, double*, double*, int16_t*);
  using K2 = void(SURVEY_CALL*)(int16_t, int16_t, double*, double*, double, double, double*, int16_t*);
  using Zd = double(SURVEY_CALL*)(int16_t, int16_t, double);
  using Sy = double(SURVEY_CALL*)(int16_t, int16_t, double, double);
  EXPECT_EQ(reinterpret_cast<K1>(survey_bind("_Wklola1@36")), &Wklola1);
  EXPECT_EQ(reinterpret_cast<K2>(survey_bind("_Wklola2@40")), &Wklola2);
  EXPECT_EQ(reinterpret_cast<Zd>(survey_bind("_Wzoudai@16")), &Wzoudai);
  EXPECT_EQ(reinterpret_cast<Sy>(survey_bind("_Wsyusa@24")), &Wsyusa);
  auto k1 = reinterpret_cast<K1>(survey_bind("_Wklola1@36"));
  ASSERT_NE(k1, nullptr);
  double x = 0, y = 0;
  int16_t err = 0;
  k1(2, 9, 36.06, 140.05, &x, &y, &err);
  EXPECT_NEAR(x, 11123.8185, 5e-5);
}

}  // namespace
