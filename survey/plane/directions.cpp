// Distances and direction angles; direction <-> mathematical angles; vertex angles.
#include "directions.h"

#include <cmath>
#include <limits>

#include "../basics/helpers.h"
#include "angle_reduce.hpp"

using survey::plane::kHalfPi;
using survey::plane::kPi;
using survey::plane::kThreeHalfPi;
using survey::plane::kTwoPi;

extern "C" {

double SURVEY_CALL dist(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

// Quadrants of the direction angle; the zero tests put -0.0 with the positives and
// make a null displacement point to 0.
double SURVEY_CALL work_houkou1(double t0, double dx, double dy) {
  if (dx >= 0.0 && dy >= 0.0) return kHalfPi - t0;
  if (dx >= 0.0 && dy < 0.0) return kHalfPi + t0;
  if (dx < 0.0 && dy > 0.0) return kThreeHalfPi + t0;
  if (dx < 0.0 && dy <= 0.0) return kThreeHalfPi - t0;
  return std::numeric_limits<double>::quiet_NaN();  // a NaN component
}

double SURVEY_CALL work_houkou2(double t0, double a, double b) { return work_houkou1(t0, b, -a); }

double SURVEY_CALL ang(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double t0 = (dx == 0.0) ? kHalfPi : std::atan(std::fabs(dy / dx));
  return work_houkou1(t0, dx, dy);
}

void SURVEY_CALL distang(double x1, double y1, double x2, double y2, double* distance,
                         double* angle, double* dx, double* dy) {
  *distance = dist(x1, y1, x2, y2);
  *angle = ang(x1, y1, x2, y2);
  *dx = x2 - x1;
  *dy = y2 - y1;
}

void SURVEY_CALL d2p(double x, double y, double* r, double* theta) {
  *r = dist(0.0, 0.0, x, y);
  if (x == 0.0) {
    if (y < 0.0) {
      *theta = -kHalfPi;
    } else if (y > 0.0) {
      *theta = kHalfPi;
    } else if (y == 0.0) {
      *theta = 0.0;
    } else {
      *theta = y;  // NaN
    }
  } else {
    *theta = std::atan2(y, x);
  }
}

// Each branch is 5pi/2 - a or pi/2 - a, written per quadrant so that the result
// stays in [0, 2pi).
double SURVEY_CALL ang2lang(double a) {
  a = survey::plane::reduce_turns(a);
  if (a <= kHalfPi) return kHalfPi - a;
  if (a <= kPi) return kTwoPi - (a - kHalfPi);
  if (a <= kThreeHalfPi) return kThreeHalfPi - a + kPi;
  return kPi - (a - kThreeHalfPi);  // also NaN
}

double SURVEY_CALL lang2ang(double a) { return ang2lang(a); }

// Four tests on the unreduced angle, each later one overriding an earlier one on
// their shared bounds: pi maps to pi and 3pi/2 to pi/2.
double SURVEY_CALL ang2rang(double t) {
  double r = t;
  if (0.0 <= t && t <= kHalfPi) r = kPi - t;
  if (kHalfPi <= t && t <= kPi) r = kPi - t;
  if (kPi <= t && t <= kThreeHalfPi) r = kTwoPi - t;
  if (t >= kThreeHalfPi) r = kTwoPi - t;
  return r;
}

double SURVEY_CALL naikaku(double t1, double t2) {
  return survey::plane::reduce_turns(t1 - t2 + kPi);
}

// One correction only: equal directions give pi, opposite ones 2pi (never 0).
double SURVEY_CALL kyoukaku(double t1, double t2) {
  const double d = t2 - t1;
  double e = (d <= 0.0) ? d + kPi : d - kPi;
  if (e <= 0.0) e = e + kTwoPi;
  return e;
}

double SURVEY_CALL inter_ang(int16_t n) {
  if (n < 3) return 0.0;
  return fpi(static_cast<double>(n - 2));
}

double SURVEY_CALL yogen2(double a, double b, double theta) {
  if (theta <= 0.0 || a <= 0.0 || b <= 0.0) return 0.0;
  return std::sqrt(a * a + b * b - 2.0 * a * b * std::cos(theta));
}

int32_t SURVEY_CALL Get_kinbou(int16_t n, const double* x, const double* y, double px, double py) {
  double best = 9999999999.999;
  int32_t index = 0;
  for (int32_t i = 0; i < n; ++i) {
    const double d = dist(px, py, x[i], y[i]);
    if (d < best) {
      best = d;
      index = i;
    }
  }
  return index;
}

}  // extern "C"
