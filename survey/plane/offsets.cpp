// Points at a distance across a line, segment offsets, a directed line cut by a circle.
#include "offsets.h"

#include "circles.h"
#include "ellipses.h"
#include "intersections.h"
#include "lines.h"

namespace {

// Of the two points at distance d from P on the perpendicular to the line, the one
// on the given side.
void offset_point(double a, double b, double c, double x, double y, double d, int16_t side,
                  double* xo, double* yo) {
  double u1 = 0.0, v1 = 0.0, u2 = 0.0, v2 = 0.0;
  line_fixdist(a, b, c, x, y, d, &u1, &v1, &u2, &v2);
  if (Point_UD(u1, v1, a, b, c) == side) {
    *xo = u1;
    *yo = v1;
  } else {
    *xo = u2;
    *yo = v2;
  }
}

}  // namespace

extern "C" {

void SURVEY_CALL line_fixdist(double a, double b, double c, double x0, double y0, double d,
                              double* x1, double* y1, double* x2, double* y2) {
  double cp = 0.0, cm = 0.0;
  setu_hotei2(x0, y0, d, a, b, c, &cp, &cm);
  double pa = 0.0, pb = 0.0, pc = 0.0;
  choku_line(a, b, c, x0, y0, &pa, &pb, &pc);
  line_kouten1(pa, pb, pc, a, b, cp, x1, y1);
  line_kouten1(pa, pb, pc, a, b, cm, x2, y2);
}

void SURVEY_CALL line_fixdist2(double x1, double y1, double x2, double y2, double d, int16_t side,
                               double* xa, double* ya, double* xb, double* yb) {
  if (side != 1 && side != -1) return;
  double a = 0.0, b = 0.0, c = 0.0;
  line_hotei(x1, y1, x2, y2, &a, &b, &c);
  offset_point(a, b, c, x1, y1, d, side, xa, ya);
  offset_point(a, b, c, x2, y2, d, side, xb, yb);
}

void SURVEY_CALL angen_kouten(double x, double y, double t, double cx, double cy, double r,
                              int16_t* n, double* x1, double* y1, double* x2, double* y2) {
  double a = 0.0, b = 0.0, c = 0.0;
  line_hoteiPA(x, y, t, &a, &b, &c);
  double D = 0.0, E = 0.0, F = 0.0;
  en_keisu(cx, cy, r, &D, &E, &F);
  en_sen(D, E, F, a, b, c, n, x1, y1, x2, y2);
}

}  // extern "C"
