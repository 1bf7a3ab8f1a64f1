// The library shares sines, powers and compile-time ellipsoid constants; its
// results must stay bit-identical to a direct transcription of the formulas that
// recomputes everything (plane_rect_reference_test.hpp).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "survey/geodesy/plane_rect_reference_test.hpp"
#include "survey/survey.h"

namespace {

constexpr double kDeg = 0.017453292519943295;

// Bitwise equality (also -0.0 versus 0.0).
::testing::AssertionResult Same(double got, double want) {
  if (std::memcmp(&got, &want, sizeof got) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::hexfloat << got << " != " << want;
}

TEST(Literal, EllipsoidQuantities) {
  using Fn = void(SURVEY_CALL*)(int16_t, double, double*);
  using Ref = bool (*)(int, double, double*);
  const struct {
    const char* name;
    Fn f;
    Ref ref;
    double scale;  // argument per step
  } fns[] = {{"Wcalcb", Wcalcb, reference::calcb, kDeg},
             {"Wcalcm", Wcalcm, reference::calcm, kDeg},
             {"Wcalcn", Wcalcn, reference::calcn, kDeg},
             {"Wcalcp", Wcalcp, reference::calcp, 111000.0}};
  for (const auto& fn : fns) {
    for (int16_t kind : {1, 2}) {
      int mismatches = 0;
      for (int i = -90000; i <= 90000; ++i) {
        const double v = i * 0.001 * fn.scale;
        double got = 0.0, want = 0.0;
        fn.f(kind, v, &got);
        fn.ref(kind, v, &want);
        if (!Same(got, want)) {
          if (++mismatches <= 3) ADD_FAILURE() << fn.name << " kind " << kind << " at " << v << ": " << Same(got, want).message();
        }
      }
      EXPECT_EQ(mismatches, 0) << fn.name << " kind " << kind;
    }
  }
}

TEST(Literal, ProjectionsOverEveryZone) {
  // A 47 x 47 grid: every 0.075 degrees within 1.5 degrees of each origin, and
  // out to 4 degrees, both ellipsoids: forward, inverse of the forward result, the scale
  // factors and the convergence by series.
  std::vector<double> offsets;
  for (int i = -20; i <= 20; ++i) offsets.push_back(i * 0.075);
  for (double wide : {-4.0, -3.0, -2.0, 2.0, 3.0, 4.0}) offsets.push_back(wide);
  long points = 0;
  int mismatches = 0;
  auto check = [&](const char* what, double got, double want, int kind, int zone, double lat, double lon) {
    if (!Same(got, want) && ++mismatches <= 5)
      ADD_FAILURE() << what << " kind " << kind << " zone " << zone << " at " << lat << ", " << lon << ": "
                    << Same(got, want).message();
  };
  for (int16_t kind : {1, 2}) {
    for (int16_t zone = 1; zone <= 19; ++zone) {
      double lat0 = 0, lon0 = 0;
      int16_t flag = 0;
      comd(zone, &lat0, &lon0, &flag);
      const double p0 = dms2deg(lat0), l0 = dms2deg(lon0);
      for (double dlat : offsets) {
        for (double dlon : offsets) {
          // Irrational-looking jitter keeps the points off round DMS values.
          const double lat = deg2dms(p0 + dlat + 0.0123457 * dlon * 1e-3);
          const double lon = deg2dms(l0 + dlon + 0.0234568 * dlat * 1e-3);
          double x = 0, y = 0, rx = 0, ry = 0;
          int16_t err = 0, rerr = 0;
          Wklola1(kind, zone, lat, lon, &x, &y, &err);
          reference::klola1(kind, zone, lat, lon, &rx, &ry, &rerr);
          check("x", x, rx, kind, zone, lat, lon);
          check("y", y, ry, kind, zone, lat, lon);
          double g[3] = {0, 0, 0}, r[3] = {0, 0, 0};
          Wklola2(kind, zone, &g[0], &g[1], rx, ry, &g[2], &err);
          reference::klola2(kind, zone, &r[0], &r[1], rx, ry, &r[2], &rerr);
          check("lat", g[0], r[0], kind, zone, lat, lon);
          check("lon", g[1], r[1], kind, zone, lat, lon);
          check("gamma", g[2], r[2], kind, zone, lat, lon);
          check("syusa", Wsyusa(kind, zone, rx, ry), reference::syusa(kind, zone, rx, ry), kind, zone, lat, lon);
          check("zoudai", Wzoudai(kind, zone, ry), reference::zoudai(kind, zone, ry), kind, zone, lat, lon);
          check("scallfact", Wscallfact(kind, 0, lat, ry), reference::scallfact(kind, lat, ry), kind, zone, lat, lon);
          EXPECT_EQ(err, 0);
          EXPECT_EQ(rerr, 0);
          ++points;
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0) << "of " << points << " points";
}

}  // namespace
