// Geographic distance by the mean-latitude plane approximation.
#include "distance.h"

#include <cmath>

#include "../basics/angles.h"
#include "ellipsoid.h"

namespace {

double dms_to_rad(double p) { return deg2rad(dms2deg(p)); }

}  // namespace

extern "C" {

double SURVEY_CALL WBL_Dist(int16_t kind, double lat1, double lon1, double lat2, double lon2) {
  const double phi1 = dms_to_rad(lat1);
  const double lam1 = dms_to_rad(lon1);
  const double phi2 = dms_to_rad(lat2);
  const double lam2 = dms_to_rad(lon2);
  const double phim = (phi1 + phi2) * 0.5;
  // An unknown kind leaves both radii at 0 and the distance 0.0.
  double M = 0.0;
  double N = 0.0;
  Wcalcm(kind, phim, &M);
  Wcalcn(kind, phim, &N);
  const double east = N * std::cos(phim) * (lam2 - lam1);
  const double north = M * (phi2 - phi1);
  return std::sqrt(east * east + north * north);
}

double SURVEY_CALL BL_Dist(double lat1, double lon1, double lat2, double lon2) {
  return WBL_Dist(1, lat1, lon1, lat2, lon2);
}

double SURVEY_CALL JGD2000_BL_Dist(double lat1, double lon1, double lat2, double lon2) {
  return WBL_Dist(2, lat1, lon1, lat2, lon2);
}

}  // extern "C"
