// Triangle centres, angles and solutions.
#include "triangles.h"

#include <cmath>

#include "../basics/helpers.h"
#include "../basics/trig.h"
#include "construct.h"
#include "directions.h"
#include "intersections.h"
#include "lines.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kThird = 0.3333333333333333;

// The longest of three sides is shorter than the other two together.
bool makes_triangle(double a, double b, double c) {
  return dMax3(a, b, c) < dMin3(a, b, c) + dMid3(a, b, c);
}

}  // namespace

extern "C" {

void SURVEY_CALL gyusin_point3(double x1, double y1, double x2, double y2, double x3, double y3,
                               double* x, double* y) {
  *x = (x1 + x2 + x3) * kThird;
  *y = (y1 + y2 + y3) * kThird;
}

void SURVEY_CALL naisin_point3(double x1, double y1, double x2, double y2, double x3, double y3,
                               double* x, double* y, double* r) {
  double a1 = 0.0, b1 = 0.0, c1 = 0.0, a2 = 0.0, b2 = 0.0, c2 = 0.0;
  line_angdev2(x1, y1, x2, y2, x3, y3, &a1, &b1, &c1);
  line_angdev2(x2, y2, x3, y3, x1, y1, &a2, &b2, &c2);
  double cx = 0.0, cy = 0.0;
  line_kouten1(a1, b1, c1, a2, b2, c2, &cx, &cy);
  double a = 0.0, b = 0.0, c = 0.0;
  line_hotei(x1, y1, x2, y2, &a, &b, &c);
  *x = cx;
  *y = cy;
  *r = p2l_dist(a, b, c, cx, cy);
}

void SURVEY_CALL gaisin_point3(double x1, double y1, double x2, double y2, double x3, double y3,
                               double* x, double* y, double* R) {
  double mx = 0.0, my = 0.0;
  double a1 = 0.0, b1 = 0.0, c1 = 0.0, a2 = 0.0, b2 = 0.0, c2 = 0.0;
  get_mid(x1, y1, x2, y2, &mx, &my);
  choku_line2(x1, y1, x2, y2, mx, my, &a1, &b1, &c1);
  get_mid(x2, y2, x3, y3, &mx, &my);
  choku_line2(x2, y2, x3, y3, mx, my, &a2, &b2, &c2);
  double cx = 0.0, cy = 0.0;
  line_kouten1(a1, b1, c1, a2, b2, c2, &cx, &cy);
  *x = cx;
  *y = cy;
  *R = dist(cx, cy, x1, y1);
}

void SURVEY_CALL suisin_point3(double x1, double y1, double x2, double y2, double x3, double y3,
                               double* x, double* y) {
  double a1 = 0.0, b1 = 0.0, c1 = 0.0, a2 = 0.0, b2 = 0.0, c2 = 0.0;
  choku_line2(x1, y1, x2, y2, x3, y3, &a1, &b1, &c1);
  choku_line2(x2, y2, x3, y3, x1, y1, &a2, &b2, &c2);
  line_kouten1(a1, b1, c1, a2, b2, c2, x, y);
}

double SURVEY_CALL kyoukaku_point3(double xa, double ya, double xb, double yb, double xc,
                                   double yc) {
  return kyoukaku(ang(xa, ya, xb, yb), ang(xb, yb, xc, yc));
}

double SURVEY_CALL naikaku_point3(double xa, double ya, double xb, double yb, double xc,
                                  double yc) {
  return naikaku(ang(xa, ya, xb, yb), ang(xb, yb, xc, yc));
}

void SURVEY_CALL Angl3(double a, double b, double c, double* a1, double* a2, double* a3) {
  *a1 = arccos((a * a + c * c - b * b) / (2.0 * a * c));
  *a2 = arccos((a * a + b * b - c * c) / (2.0 * a * b));
  *a3 = arccos((b * b + c * c - a * a) / (2.0 * b * c));
}

void SURVEY_CALL Angl_point3(double x1, double y1, double x2, double y2, double x3, double y3,
                             double* a1, double* a2, double* a3) {
  Angl3(dist(x1, y1, x2, y2), dist(x2, y2, x3, y3), dist(x3, y3, x1, y1), a1, a2, a3);
}

void SURVEY_CALL len2ang1(double a, double b, double theta, double* c, double* beta,
                          double* alpha) {
  if (theta <= 0.0) return;
  const double cc = yogen2(a, b, theta);
  *c = cc;
  if (cc > 0.0 && a > 0.0 && b > 0.0 && makes_triangle(a, b, cc)) {
    double t1 = 0.0, t2 = 0.0, t3 = 0.0;
    Angl3(a, b, cc, &t1, &t2, &t3);
    *beta = t1;   // between a and c: opposite b
    *alpha = t3;  // between b and c: opposite a
  }
}

void SURVEY_CALL len1ang2(double c, double alpha, double beta, double* a, double* b,
                          double* gamma) {
  if (!(alpha > 0.0 && beta > 0.0)) return;
  const double g = kPi - (alpha + beta);
  *gamma = g;
  if (g > 0.0) {
    *a = std::sin(beta) * c / std::sin(g);
    *b = std::sin(alpha) * c / std::sin(g);
  }
}

double SURVEY_CALL cyusen(double a, double b, double c) {
  if (!makes_triangle(a, b, c)) return 0.0;
  return std::sqrt((2.0 * a * a + 2.0 * c * c - b * b) * 0.25);
}

void SURVEY_CALL zah_len3(double a, double b, double c, double x0, double y0, double* x3,
                          double* y3, double* x2, double* y2) {
  if (!(a > 0.0 && b > 0.0 && c > 0.0 && makes_triangle(a, b, c))) return;
  *x2 = x0 + a;
  *y2 = y0;
  const double cosf = (a * a + c * c - b * b) / (2.0 * a * c);
  *x3 = x0 + c * cosf;
  *y3 = y0 + c * std::sqrt(1.0 - cosf * cosf);
}

}  // extern "C"
