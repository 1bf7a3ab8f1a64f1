// Angle conversions: radians, decimal degrees, packed DMS, seconds, grads.
#include "angles.h"

#include <cmath>

namespace {

constexpr double kDegPerRad = 57.29577951308232;     // 180/pi
constexpr double kRadPerDeg = 0.017453292519943295;  // pi/180
constexpr double kOneOver3600 = 0.0002777777777777778;
constexpr double kOneOver60 = 0.016666666666666666;

}  // namespace

extern "C" {

double SURVEY_CALL rad2deg(double r) { return r * kDegPerRad; }
double SURVEY_CALL deg2rad(double d) { return d * kRadPerDeg; }

// Each split truncates toward zero (modf), so every part carries the sign of d.
// Nothing is rounded or carried: seconds that come out as 59.9999999 stay so.
double SURVEY_CALL deg2dms(double d) {
  double deg = 0.0;
  const double f = std::modf(d, &deg);
  double min = 0.0;
  const double g = std::modf(f * 60.0, &min);
  double sec = 0.0;
  const double h = std::modf(g * 60.0, &sec);
  return (h + sec) * 0.0001 + min * 0.01 + deg;
}

// A decimal such as 30.3 is stored a hair below its value, which would read as
// 30 deg 29 min 59.99... s. A guard of about a hundred units in the last place
// (by the magnitude of the degrees) lifts it back over the minute before the split.
double SURVEY_CALL dms2deg(double p) {
  double a = std::fabs(p);
  if (a >= 100.0) {
    a = a + 1e-13;
  } else if (a >= 10.0) {
    a = a + 1e-14;
  } else {
    a = a + 1e-15;
  }
  double deg = 0.0;
  const double f = std::modf(a, &deg);
  double min = 0.0;
  const double g = std::modf(f * 100.0, &min);
  const double sec = g * 100.0;
  const double r = sec * kOneOver3600 + min * kOneOver60 + deg;
  return p < 0.0 ? -r : r;
}

double SURVEY_CALL deg2sec(double d) { return d * 3600.0; }
double SURVEY_CALL sec2deg(double s) { return s * kOneOver3600; }
double SURVEY_CALL grad2deg(double g) { return g * 0.9; }
double SURVEY_CALL deg2grad(double d) { return d * 1.1111111111111112; }

void SURVEY_CALL p2d(double r, double theta, double* x, double* y) {
  *x = r * std::cos(theta);
  *y = r * std::sin(theta);
}

double SURVEY_CALL add_dms(double a, double b) { return deg2dms(dms2deg(a) + dms2deg(b)); }
double SURVEY_CALL sub_dms(double a, double b) { return deg2dms(dms2deg(a) - dms2deg(b)); }
double SURVEY_CALL mul_dms(double a, double b) { return deg2dms(dms2deg(a) * dms2deg(b)); }
double SURVEY_CALL div_dms(double a, double b) { return deg2dms(dms2deg(a) / dms2deg(b)); }

}  // extern "C"
