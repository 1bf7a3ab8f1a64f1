// Geographic distance: published check values, the meridian case, symmetry and an
// unknown ellipsoid.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

constexpr double kDeg = 0.017453292519943295;

TEST(Distance, CheckValues) {
  // From 35d40' 139d45' to 35d41' 139d46', both datums (millimetre figures).
  EXPECT_NEAR(JGD2000_BL_Dist(35.4, 139.45, 35.41, 139.46), 2386.690, 0.0005);
  EXPECT_NEAR(BL_Dist(35.4, 139.45, 35.41, 139.46), 2386.424, 0.0005);
  EXPECT_EQ(WBL_Dist(2, 35.4, 139.45, 35.41, 139.46), JGD2000_BL_Dist(35.4, 139.45, 35.41, 139.46));
  EXPECT_EQ(WBL_Dist(1, 35.4, 139.45, 35.41, 139.46), BL_Dist(35.4, 139.45, 35.41, 139.46));
}

TEST(Distance, MeridianSymmetryAndZero) {
  struct Pair {
    double lat1, lon1, lat2, lon2;
  } pairs[] = {{35.0, 139.0, 36.0, 139.0}, {20.3, 122.56, 45.3215, 122.56}, {-10.0, 0.0, 10.0, 0.0},
               {35.4, 139.45, 35.41, 139.46}, {43.0, 141.2, 26.1245, 127.4}};
  for (int16_t kind : {1, 2}) {
    for (const auto& p : pairs) {
      SCOPED_TRACE(testing::Message() << kind << ": " << p.lat1 << " " << p.lon1 << " " << p.lat2 << " " << p.lon2);
      const double d = WBL_Dist(kind, p.lat1, p.lon1, p.lat2, p.lon2);
      EXPECT_EQ(WBL_Dist(kind, p.lat2, p.lon2, p.lat1, p.lon1), d);
      EXPECT_EQ(WBL_Dist(kind, p.lat1, p.lon1, p.lat1, p.lon1), 0.0);
      if (p.lon1 == p.lon2) {
        const double phi1 = dms2deg(p.lat1) * kDeg, phi2 = dms2deg(p.lat2) * kDeg;
        double M = 0.0;
        Wcalcm(kind, (phi1 + phi2) * 0.5, &M);
        EXPECT_NEAR(d, M * std::fabs(phi2 - phi1), 1e-9 * d);
      }
    }
  }
  // An unknown ellipsoid has no radii: 0.0, never stale memory.
  for (int16_t kind : {0, 3, -1}) EXPECT_EQ(WBL_Dist(kind, 35.0, 139.0, 36.0, 140.0), 0.0) << kind;
}

}  // namespace
