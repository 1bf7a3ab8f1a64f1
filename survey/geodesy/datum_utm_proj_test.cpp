// The datum shifts and UTM compared with PROJ, an independent implementation:
// the shifts with the pipeline cart / helmert (x, y, z) / inverse cart, UTM with
// PROJ's exact transverse Mercator (Poder/Engsager), scale 0.9996, false easting
// 500000 m. Ellipsoids are given as +a/+rf (PROJ's named Bessel and WGS84 differ
// in their last digits from those used here).
#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "survey/geodesy/proj_reference_test.hpp"
#include "survey/survey.h"

namespace {

constexpr double kDeg = 0.017453292519943295;


const char* const kTokyo = "+a=6377397.155 +rf=299.152813";
const char* const kWgs84 = "+a=6378137 +rf=298.257223";
const char* const kItrf94 = "+a=6378137 +rf=298.257222101";

TEST(AgainstProj, DatumShifts) {
  using Fn = void(SURVEY_CALL*)(int16_t, double, double, double*, double*);
  const struct {
    Fn f;
    int16_t target;
    const char *from, *to;
    bool forward;
  } shifts[] = {{Tokyo_Wgs84, 1, kTokyo, kWgs84, true},
                {Wgs84_Tokyo, 1, kWgs84, kTokyo, false},
                {Tokyo_Itrf94, 2, kTokyo, kItrf94, true},
                {Itrf94_Tokyo, 2, kItrf94, kTokyo, false}};
  double worst = 0.0;
  for (const auto& s : shifts) {
    for (int16_t model : {96, 97}) {
      double dx = 0, dy = 0, dz = 0;
      Tokyo_Param(model, s.target, &dx, &dy, &dz);
      char def[512];
      std::snprintf(def, sizeof def,
                    "+proj=pipeline +step +proj=cart %s +step %s +proj=helmert +x=%.17g +y=%.17g +z=%.17g "
                    "+step +inv +proj=cart %s",
                    s.from, s.forward ? "" : "+inv", dx, dy, dz, s.to);
      const Proj p(def);
      ASSERT_NE(p.get(), nullptr) << def;
      // Japan and its seas, and a sparse grid over the whole globe.
      for (int i = 0; i <= 60; ++i) {
        for (int j = 0; j <= 60; ++j) {
          const bool japan = (i + j) % 2 == 0;
          const double lat = japan ? 20.0 + 0.45 * i + 0.0031 * j : -89.0 + 2.95 * i + 0.0017 * j;
          const double lon = japan ? 122.0 + 0.55 * j + 0.0023 * i : -179.0 + 5.95 * j + 0.0013 * i;
          double la = 0, lo = 0;
          s.f(model, deg2dms(lat), deg2dms(lon), &la, &lo);
          const PJ_COORD r = p.trans(PJ_FWD, dms2deg(deg2dms(lon)) * kDeg, dms2deg(deg2dms(lat)) * kDeg);
          double dlon = std::fabs(dms2deg(lo) - r.lp.lam / kDeg);
          if (dlon > 180.0) dlon = 360.0 - dlon;
          const double d = std::max(std::fabs(dms2deg(la) - r.lp.phi / kDeg), dlon) * 3600.0;
          worst = std::max(worst, d);
          EXPECT_LT(d, 3e-9) << lat << ", " << lon;
        }
      }
    }
  }
  std::printf("datum shifts: largest difference from PROJ %.3g arc-seconds\n", worst);
}

// The series (UTM_sub, scaled as the projections scale it) out to 3.5 degrees from
// the central meridian, and the inverse of PROJ's coordinates. Truncation of the
// sixth-order series grows with the longitude difference: millimetres at 3 degrees.
TEST(AgainstProj, Utm) {
  const struct {
    const char* ell;
    int16_t kind;
    void(SURVEY_CALL* inverse)(double, double, double, double*, double*);
  } ells[] = {{kTokyo, 1, UTM2BL}, {kItrf94, 2, JGD2000_UTM2BL}};
  double fwd[2] = {0, 0}, inv[2] = {0, 0};  // within 3 degrees, 3 to 3.5 degrees
  for (const auto& el : ells) {
    const Proj p(std::string("+proj=tmerc +lat_0=0 +lon_0=141 +k=0.9996 +x_0=500000 +y_0=0 ") + el.ell);
    ASSERT_NE(p.get(), nullptr);
    for (int i = -92; i <= 92; ++i) {
      for (int j = -35; j <= 35; ++j) {
        const double lat = 0.5 * i + 0.00123 * j, dl = 0.1 * j + 0.00017 * i;
        const int band = std::fabs(dl) <= 3.0 ? 0 : 1;
        double x = 0, y = 0;
        UTM_sub(el.kind, lat * kDeg, dl * kDeg, &x, &y);
        const PJ_COORD r = p.trans(PJ_FWD, (141.0 + dl) * kDeg, lat * kDeg);
        const double d = std::max(std::fabs(x * 0.9996 - r.enu.n), std::fabs(y * 0.9996 + 500000.0 - r.enu.e));
        fwd[band] = std::max(fwd[band], d);
        EXPECT_LT(d, band == 0 ? 2.2e-3 : 4.7e-3) << lat << ", " << dl;
        double la = 0, lo = 0;
        el.inverse(54.0, r.enu.n, r.enu.e, &la, &lo);
        const double err = std::max(std::fabs(dms2deg(la) - lat), std::fabs(dms2deg(lo) - 141.0 - dl)) * 3600.0;
        inv[band] = std::max(inv[band], err);
      }
    }
  }
  std::printf("UTM, |lat| <= 46 deg: series against PROJ %.3g mm within 3 deg of the central meridian, %.3g mm "
              "to 3.5 deg;\n  inverse of PROJ's coordinates %.3g and %.3g arc-seconds\n",
              fwd[0] * 1e3, fwd[1] * 1e3, inv[0], inv[1]);
  EXPECT_LT(inv[0], 0.002);  // the 0.06 arc-second stop leaves up to about 0.001
  EXPECT_LT(inv[1], 0.002);
}

}  // namespace
