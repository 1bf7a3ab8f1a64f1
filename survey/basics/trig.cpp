// Trigonometry in degrees and packed DMS; degree / DMS forms of point computations.
#include "trig.h"

#include <cmath>

#include "../plane/directions.h"
#include "angles.h"
#include "helpers.h"

extern "C" {

double SURVEY_CALL degsin(double d) { return std::sin(deg2rad(d)); }
double SURVEY_CALL degcos(double d) { return std::cos(deg2rad(d)); }
double SURVEY_CALL degtan(double d) { return std::tan(deg2rad(d)); }

double SURVEY_CALL deg_arcsin(double v) { return rad2deg(arcsin(v)); }
double SURVEY_CALL deg_arccos(double v) { return rad2deg(arccos(v)); }
double SURVEY_CALL deg_arctan(double v) { return rad2deg(std::atan(v)); }

double SURVEY_CALL dmssin(double p) { return std::sin(deg2rad(dms2deg(p))); }
double SURVEY_CALL dmscos(double p) { return std::cos(deg2rad(dms2deg(p))); }
double SURVEY_CALL dmstan(double p) { return std::tan(deg2rad(dms2deg(p))); }

double SURVEY_CALL dms_arcsin(double v) { return deg2dms(deg_arcsin(v)); }
double SURVEY_CALL dms_arccos(double v) { return deg2dms(deg_arccos(v)); }
double SURVEY_CALL dms_arctan(double v) { return deg2dms(deg_arctan(v)); }

// Through the arctangent: at |v| = 1 the quotient is infinite and the arctangent
// gives exactly +-pi/2; beyond, the square root of a negative number gives NaN.
double SURVEY_CALL arcsin(double v) { return std::atan(v / std::sqrt(1.0 - v * v)); }

double SURVEY_CALL arccos(double v) {
  return 1.5707963267948966 - std::atan(v / std::sqrt(1.0 - v * v));
}

double SURVEY_CALL arctan2(double y, double x) { return std::atan2(y, x); }

double SURVEY_CALL cosec(double r) { return gy(std::sin(r)); }
double SURVEY_CALL sec(double r) { return gy(std::cos(r)); }
double SURVEY_CALL cot(double r) { return gy(std::tan(r)); }

// The sine of the direction angle goes to x, its cosine to y.
void SURVEY_CALL DEGside_shot(double x0, double y0, double distance, double angle, double* x,
                              double* y) {
  *x = x0 + distance * degsin(angle);
  *y = y0 + distance * degcos(angle);
}

void SURVEY_CALL DMSside_shot(double x0, double y0, double distance, double angle, double* x,
                              double* y) {
  *x = x0 + distance * dmssin(angle);
  *y = y0 + distance * dmscos(angle);
}

double SURVEY_CALL DEGang(double x1, double y1, double x2, double y2) {
  return rad2deg(ang(x1, y1, x2, y2));
}

double SURVEY_CALL DMSang(double x1, double y1, double x2, double y2) {
  return deg2dms(rad2deg(ang(x1, y1, x2, y2)));
}

void SURVEY_CALL DEGdistang(double x1, double y1, double x2, double y2, double* distance,
                            double* angle, double* dx, double* dy) {
  distang(x1, y1, x2, y2, distance, angle, dx, dy);
  *angle = rad2deg(*angle);
}

void SURVEY_CALL DMSdistang(double x1, double y1, double x2, double y2, double* distance,
                            double* angle, double* dx, double* dy) {
  distang(x1, y1, x2, y2, distance, angle, dx, dy);
  *angle = rad2deg(*angle);
  *angle = deg2dms(*angle);
}

}  // extern "C"
