// Lines in coefficient form.
#include "lines.h"

#include <cmath>

#include "../basics/helpers.h"
#include "angle_reduce.hpp"
#include "construct.h"
#include "directions.h"

using survey::plane::kHalfPi;
using survey::plane::kPi;

namespace {

constexpr double kAuxDistance = 100.0;  // second point of a line given by a direction

}  // namespace

extern "C" {

void SURVEY_CALL line_hotei(double x1, double y1, double x2, double y2, double* a, double* b,
                            double* c) {
  double vx = 0.0, vy = 0.0;
  get_vect(x1, y1, x2, y2, &vx, &vy);
  double mx = 0.0, my = 0.0;
  get_mid(x1, y1, x2, y2, &mx, &my);
  *a = -vy;
  *b = vx;
  *c = mx * vy - my * vx;
}

void SURVEY_CALL line_hoteiPA(double x, double y, double t, double* a, double* b, double* c) {
  double x2 = 0.0, y2 = 0.0;
  side_shot(x, y, kAuxDistance, t, &x2, &y2);
  line_hotei(x, y, x2, y2, a, b, c);
}

void SURVEY_CALL rotate_abc(double x, double y, double t, double* a, double* b, double* c) {
  const double m = ang2lang(t);
  const double x2 = x + kAuxDistance * std::cos(m);
  const double y2 = y + kAuxDistance * std::sin(m);
  line_hotei(x, y, x2, y2, a, b, c);
}

void SURVEY_CALL get_line2(double a, double b, double c, double* vx, double* vy, double* t) {
  (void)c;
  const double n = std::sqrt(a * a + b * b);
  *vx = b / n;
  *vy = -a / n;
  const double t0 = (b == 0.0) ? kHalfPi : std::atan(std::fabs(a / b));
  *t = work_houkou2(t0, a, b);
}

void SURVEY_CALL line_hen1(double a, double b, double c, double* m, double* k) {
  if (b == 0.0) return;  // vertical: no slope form
  *m = -a / b;
  *k = -c / b;
}

void SURVEY_CALL line_hen2(double m, double k, double* a, double* b, double* c) {
  *a = -m;
  *b = 1.0;
  *c = -k;
}

void SURVEY_CALL choku_line(double a, double b, double c, double x, double y, double* ao,
                            double* bo, double* co) {
  (void)c;
  *ao = -b;
  *bo = a;
  *co = b * x - a * y;
}

void SURVEY_CALL choku_line2(double x1, double y1, double x2, double y2, double x3, double y3,
                             double* ao, double* bo, double* co) {
  double a = 0.0, b = 0.0, c = 0.0;
  line_hotei(x1, y1, x2, y2, &a, &b, &c);
  choku_line(a, b, c, x3, y3, ao, bo, co);
}

void SURVEY_CALL heikou(double a, double b, double c, double d, double* c1, double* c2) {
  const double n = std::sqrt(a * a + b * b);
  *c1 = c + d * n;
  *c2 = c - d * n;
}

double SURVEY_CALL heikou2(double a, double b, double c, double x, double y) {
  (void)c;
  return -(a * x + b * y);
}

// The bisector's direction is the mean of the incoming direction and the reversed
// outgoing one.
void SURVEY_CALL line_angdev2(double x1, double y1, double x2, double y2, double x3, double y3,
                              double* a, double* b, double* c) {
  const double t = (ang(x1, y1, x2, y2) + ang(x2, y2, x3, y3) + kPi) * 0.5;
  line_hoteiPA(x2, y2, t, a, b, c);
}

double SURVEY_CALL p2l_dist(double a, double b, double c, double x, double y) {
  return std::fabs(a * x + b * y + c) / std::sqrt(a * a + b * b);
}

double SURVEY_CALL line_ang(double a1, double b1, double c1, double a2, double b2, double c2) {
  (void)c1;
  (void)c2;
  const double dot = a1 * a2 + b1 * b2;
  if (dot == 0.0) return kHalfPi;
  return std::atan(std::fabs((a1 * b2 - b1 * a2) / dot));
}

double SURVEY_CALL line_angX(double a, double b, double c) { return line_ang(a, b, c, 0.0, 1.0, 0.0); }
double SURVEY_CALL line_angY(double a, double b, double c) { return line_ang(a, b, c, 1.0, 0.0, 0.0); }

int32_t SURVEY_CALL Point_UD(double x, double y, double a, double b, double c) {
  return sign(a * x + b * y + c);
}

void SURVEY_CALL jiku_kouten(double a, double b, double c, double* xi, double* yi) {
  *xi = (a == 0.0) ? 0.0 : -c / a;
  *yi = (b == 0.0) ? 0.0 : -c / b;
}

int16_t SURVEY_CALL line_3pointon(double x1, double y1, double x2, double y2, double x3, double y3) {
  const double s = std::fabs((y3 - y1) * x2 + (y2 - y3) * x1 + (y1 - y2) * x3);
  return (s <= 1e-05) ? 0 : -1;
}

}  // extern "C"
