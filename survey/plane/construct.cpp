// Points constructed from points.
#include "construct.h"

#include <cmath>

#include "directions.h"
#include "intersections.h"
#include "lines.h"

extern "C" {

// A zero difference gives an exact zero without a division, so that coincident
// points yield (0, 0) instead of NaN.
void SURVEY_CALL get_vect(double x1, double y1, double x2, double y2, double* vx, double* vy) {
  const double d = dist(x1, y1, x2, y2);
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  *vx = (dx == 0.0) ? 0.0 : dx / d;
  *vy = (dy == 0.0) ? 0.0 : dy / d;
}

void SURVEY_CALL get_mid(double x1, double y1, double x2, double y2, double* x, double* y) {
  *x = (x1 + x2) * 0.5;
  *y = (y1 + y2) * 0.5;
}

void SURVEY_CALL get_line(double x1, double y1, double x2, double y2, double* mx, double* my,
                          double* vx, double* vy, double* t) {
  get_mid(x1, y1, x2, y2, mx, my);
  get_vect(x1, y1, x2, y2, vx, vy);
  *t = ang(x1, y1, x2, y2);
}

// Through the mathematical angle: x' = x + d cos m, y' = y + d sin m, which is
// x + d sin t, y + d cos t for the direction angle t.
void SURVEY_CALL side_shot(double x, double y, double d, double t, double* xo, double* yo) {
  const double m = ang2lang(t);
  *xo = x + d * std::cos(m);
  *yo = y + d * std::sin(m);
}

void SURVEY_CALL naibun(double x1, double y1, double x2, double y2, double d, double* x, double* y) {
  double vx = 0.0;
  double vy = 0.0;
  get_vect(x1, y1, x2, y2, &vx, &vy);
  *x = x1 + d * vx;
  *y = y1 + d * vy;
}

void SURVEY_CALL rotate_xy(double x, double y, double cx, double cy, double theta, double* xo,
                           double* yo) {
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  const double u = x - cx;
  const double v = y - cy;
  *xo = c * u - s * v + cx;
  *yo = s * u + c * v + cy;
}

void SURVEY_CALL rotate_xyD(int32_t n, const double* xs, const double* ys, double cx, double cy,
                            double theta, double* xo, double* yo) {
  if (n < 1) return;
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  for (int32_t i = 0; i < n; ++i) {
    const double u = xs[i] - cx;  // read both before writing: xo may be xs
    const double v = ys[i] - cy;
    xo[i] = c * u - s * v + cx;
    yo[i] = s * u + c * v + cy;
  }
}

void SURVEY_CALL parallel(double x1, double y1, double x2, double y2, double x3, double y3,
                          double* x, double* y) {
  *x = x3 + x2 - x1;
  *y = y3 + y2 - y1;
}

void SURVEY_CALL rotate_para(double x1, double y1, double x2, double y2, double theta, double x3,
                             double y3, double* x, double* y) {
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  *x = dx * c - dy * s + x3 - x1;
  *y = dx * s + dy * c + y3 - y1;
}

// The foot of the perpendicular through P is the midpoint of P and its image.
void SURVEY_CALL taisho_point(double a, double b, double c, double x, double y, double* xo,
                              double* yo) {
  double pa = 0.0, pb = 0.0, pc = 0.0;
  choku_line(a, b, c, x, y, &pa, &pb, &pc);
  double fx = 0.0, fy = 0.0;
  line_kouten1(a, b, c, pa, pb, pc, &fx, &fy);
  *xo = 2.0 * fx - x;
  *yo = 2.0 * fy - y;
}

void SURVEY_CALL line_katamuki(int16_t kind, double x, double y, double s, double d, double* xo,
                               double* yo) {
  switch (kind) {
    case 1:
      *xo = x - s * d;
      *yo = y + d;
      break;
    case 2:
      *xo = x + s * d;
      *yo = y + d;
      break;
    case 3:
      *xo = x - s * d;
      *yo = y - d;
      break;
    case 4:
      *xo = x + s * d;
      *yo = y - d;
      break;
    default:
      break;
  }
}

}  // extern "C"
