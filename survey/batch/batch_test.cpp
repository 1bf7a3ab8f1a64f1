// The array forms against one call of the single-point function per point: the
// same bits for every point, unwritten outputs reading 0, each point its own flag.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "survey/survey.h"

namespace {

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Packed DMS latitudes and longitudes over Japan and beyond, with a pole, NaN and
// points that the inverse cannot settle.
const std::vector<double> kLat = {36.0, 35.3927, 43.0, 26.1201, 20.3, 45.31, 89.5959, 0.0, -10.0, 1e300, NAN};
const std::vector<double> kLon = {139.5, 139.4448, 141.2, 127.4, 136.0, 148.59, 10.0, 139.5, 139.0, 139.0, 139.0};
// Plane coordinates (m) for the inverse.
const std::vector<double> kX = {0.0, -36500.25, 120000.0, -400000.0, 1e7, 3e7, 0.0, -1e-3, NAN, 5.0, 1e12};
const std::vector<double> kY = {0.0, 23100.5, -80000.0, 150000.0, 1e6, 0.0, 4e6, 1e-3, 0.0, NAN, 0.0};

using Forward = void(SURVEY_CALL*)(int16_t, double, double, double*, double*, int16_t*);
using ForwardV = void(SURVEY_CALL*)(int16_t, int32_t, const double*, const double*, double*, double*, int16_t*);
using Inverse = void(SURVEY_CALL*)(int16_t, double*, double*, double, double, double*, int16_t*);
using InverseV = void(SURVEY_CALL*)(int16_t, int32_t, double*, double*, const double*, const double*, double*,
                                     int16_t*);

TEST(Batch, PlaneRectangularForward) {
  const struct { const char* name; Forward one; ForwardV many; } kCases[] = {
      {"klola1", klola1, klola1_v}, {"JGD2000_klola1", JGD2000_klola1, JGD2000_klola1_v}};
  const int32_t n = static_cast<int32_t>(kLat.size());
  for (const auto& c : kCases) {
    for (int16_t zone : {1, 9, 19, 0, 20}) {
      SCOPED_TRACE(std::string(c.name) + " zone " + std::to_string(zone));
      std::vector<double> x(n, -1.0), y(n, -1.0);
      std::vector<int16_t> err(n, 99);
      c.many(zone, n, kLat.data(), kLon.data(), x.data(), y.data(), err.data());
      for (int32_t i = 0; i < n; ++i) {
        double x1 = 0.0, y1 = 0.0;
        int16_t e1 = 0;
        c.one(zone, kLat[i], kLon[i], &x1, &y1, &e1);
        EXPECT_TRUE(same(x[i], x1) && same(y[i], y1)) << i;
        EXPECT_EQ(err[i], e1) << i;
      }
      if (zone == 0 || zone == 20) {
        EXPECT_EQ(err[0], 8);
      }
    }
  }
}

TEST(Batch, PlaneRectangularInverse) {
  const struct { const char* name; Inverse one; InverseV many; } kCases[] = {
      {"klola2", klola2, klola2_v}, {"JGD2000_klola2", JGD2000_klola2, JGD2000_klola2_v}};
  const int32_t n = static_cast<int32_t>(kX.size());
  for (const auto& c : kCases) {
    for (int16_t zone : {2, 9, 19, 0, 20}) {
      SCOPED_TRACE(std::string(c.name) + " zone " + std::to_string(zone));
      std::vector<double> lat(n, -1.0), lon(n, -1.0), gamma(n, -1.0);
      std::vector<int16_t> err(n, 99);
      c.many(zone, n, lat.data(), lon.data(), kX.data(), kY.data(), gamma.data(), err.data());
      for (int32_t i = 0; i < n; ++i) {
        double b = 0.0, l = 0.0, g = 0.0;
        int16_t e1 = 0;
        c.one(zone, &b, &l, kX[i], kY[i], &g, &e1);
        EXPECT_TRUE(same(lat[i], b) && same(lon[i], l) && same(gamma[i], g)) << i;
        EXPECT_EQ(err[i], e1) << i;
      }
    }
  }
}

TEST(Batch, Utm) {
  const struct {
    void(SURVEY_CALL* one)(double, double, double*, double*, double*, double*);
    void(SURVEY_CALL* many)(int32_t, const double*, const double*, double*, double*, double*, double*);
    void(SURVEY_CALL* inv)(double, double, double, double*, double*);
    void(SURVEY_CALL* inv_many)(int32_t, const double*, const double*, const double*, double*, double*);
  } kCases[] = {{UTM, UTM_v, UTM2BL, UTM2BL_v}, {JGD2000_UTM, JGD2000_UTM_v, JGD2000_UTM2BL, JGD2000_UTM2BL_v}};
  const int32_t n = static_cast<int32_t>(kLat.size());
  for (const auto& c : kCases) {
    std::vector<double> zone(n, -1.0), lon0(n, -1.0), north(n, -1.0), east(n, -1.0);
    c.many(n, kLat.data(), kLon.data(), zone.data(), lon0.data(), north.data(), east.data());
    std::vector<double> lat(n, -1.0), lon(n, -1.0);
    c.inv_many(n, zone.data(), north.data(), east.data(), lat.data(), lon.data());
    for (int32_t i = 0; i < n; ++i) {
      double z = 0, l0 = 0, no = 0, ea = 0, b = 0, l = 0;
      c.one(kLat[i], kLon[i], &z, &l0, &no, &ea);
      EXPECT_TRUE(same(zone[i], z) && same(lon0[i], l0) && same(north[i], no) && same(east[i], ea)) << i;
      c.inv(z, no, ea, &b, &l);
      EXPECT_TRUE(same(lat[i], b) && same(lon[i], l)) << i;
    }
  }
}

TEST(Batch, DatumShifts) {
  using Shift = void(SURVEY_CALL*)(int16_t, double, double, double*, double*);
  using ShiftV = void(SURVEY_CALL*)(int16_t, int32_t, const double*, const double*, double*, double*);
  const struct { Shift one; ShiftV many; } kCases[] = {{Tokyo_Wgs84, Tokyo_Wgs84_v},
                                                       {Wgs84_Tokyo, Wgs84_Tokyo_v},
                                                       {Tokyo_Itrf94, Tokyo_Itrf94_v},
                                                       {Itrf94_Tokyo, Itrf94_Tokyo_v}};
  const int32_t n = static_cast<int32_t>(kLat.size());
  for (const auto& c : kCases) {
    for (int16_t model : {96, 97, 0}) {
      SCOPED_TRACE(model);
      std::vector<double> b(n, -1.0), l(n, -1.0);
      c.many(model, n, kLat.data(), kLon.data(), b.data(), l.data());
      for (int32_t i = 0; i < n; ++i) {
        double b1 = 0.0, l1 = 0.0;
        c.one(model, kLat[i], kLon[i], &b1, &l1);
        EXPECT_TRUE(same(b[i], b1) && same(l[i], l1)) << i;
      }
      if (model == 0) {
        EXPECT_TRUE(b[0] == 0.0 && l[0] == 0.0);
      }
    }
  }
}

TEST(Batch, InPolygon) {
  // A concave ring; points inside, outside, on an edge and at a vertex.
  const double xs[] = {0, 10, 10, 5, 0}, ys[] = {0, 0, 10, 4, 10};
  const std::vector<double> x = {1, 5, 5, 10, 0, -1, 9.999, 5, NAN};
  const std::vector<double> y = {1, 3, 6, 5, 0, -1, 9.0, 0, 1};
  const int32_t n = static_cast<int32_t>(x.size());
  for (int16_t nv : {5, 3, 2}) {
    std::vector<int16_t> r(n, 99);
    InPolygon_v(nv, xs, ys, n, x.data(), y.data(), r.data());
    for (int32_t i = 0; i < n; ++i) EXPECT_EQ(r[i], InPolygon(nv, xs, ys, x[i], y[i])) << nv << " " << i;
  }
}

TEST(Batch, NothingForNoPoints) {
  double out = 7.0;
  int16_t err = 7;
  for (int32_t npts : {0, -5}) {
    klola1_v(9, npts, nullptr, nullptr, &out, &out, &err);
    InPolygon_v(3, nullptr, nullptr, npts, nullptr, nullptr, &err);
  }
  EXPECT_EQ(out, 7.0);
  EXPECT_EQ(err, 7);
}

TEST(Batch, Version) { EXPECT_STREQ(survey_version(), SURVEY_VERSION_STRING); }

}  // namespace
