// Circular curves between two tangents.
#include "curves.h"

#include <cmath>

#include "angle_reduce.hpp"
#include "circles.h"
#include "construct.h"
#include "directions.h"
#include "intersections.h"
#include "lines.h"

using survey::plane::kPi;
using survey::plane::kTwoPi;

namespace {

struct Elements {
  double T, SL, CL;
};

Elements elements(double I, double R) {
  return {R * std::tan(I / 2.0), R * (1.0 / std::cos(I / 2.0) - 1.0), R * I};
}

// The elements of a turn I of either sense and any number of whole turns: I is
// brought to (-pi, pi] exactly (remainder is exact) and taken by its size. On
// [0, pi] this is I itself.
Elements turn_elements(double I, double R) { return elements(std::fabs(std::remainder(I, kTwoPi)), R); }

// Centre: the perpendicular to P1P2 through Q1 meets the perpendicular to P3P4
// through Q2.
void centre(double x1, double y1, double x2, double y2, double qx1, double qy1, double x3,
            double y3, double x4, double y4, double qx2, double qy2, double* ox, double* oy) {
  double a = 0.0, b = 0.0, c = 0.0;
  double a1 = 0.0, b1 = 0.0, c1 = 0.0, a2 = 0.0, b2 = 0.0, c2 = 0.0;
  line_hotei(x1, y1, x2, y2, &a, &b, &c);
  choku_line(a, b, c, qx1, qy1, &a1, &b1, &c1);
  line_hotei(x3, y3, x4, y4, &a, &b, &c);
  choku_line(a, b, c, qx2, qy2, &a2, &b2, &c2);
  line_kouten1(a1, b1, c1, a2, b2, c2, ox, oy);
}

}  // namespace

extern "C" {

void SURVEY_CALL get_TSC(double I, double R, double* T, double* SL, double* CL) {
  if (!(I >= 0.0 && I <= kPi)) return;
  const Elements e = elements(I, R);
  *T = e.T;
  *SL = e.SL;
  *CL = e.CL;
}

void SURVEY_CALL ip_setu(double ax, double ay, double ipx, double ipy, double bx, double by,
                         double R, double* bcx, double* bcy, double* ecx, double* ecy, double* ox,
                         double* oy, double* I, double* T, double* SL, double* CL) {
  const double turn = ang(ipx, ipy, bx, by) - ang(ax, ay, ipx, ipy);
  const Elements e = turn_elements(turn, R);
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0, xo = 0.0, yo = 0.0;
  naibun(ipx, ipy, ax, ay, e.T, &x1, &y1);
  naibun(ipx, ipy, bx, by, e.T, &x2, &y2);
  centre(ax, ay, ipx, ipy, x1, y1, ipx, ipy, bx, by, x2, y2, &xo, &yo);
  *bcx = x1;
  *bcy = y1;
  *ecx = x2;
  *ecy = y2;
  *ox = xo;
  *oy = yo;
  *I = turn;
  *T = e.T;
  *SL = e.SL;
  *CL = e.CL;
}

void SURVEY_CALL ip_setu3(double ax, double ay, double ipx, double ipy, double I, double R,
                          double* bcx, double* bcy, double* ecx, double* ecy, double* ox,
                          double* oy, double* T, double* SL, double* CL) {
  const Elements e = turn_elements(I, R);
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0, xo = 0.0, yo = 0.0;
  naibun(ipx, ipy, ax, ay, e.T, &x1, &y1);
  side_shot(ipx, ipy, e.T, ang(ax, ay, ipx, ipy) + I, &x2, &y2);
  centre(ax, ay, ipx, ipy, x1, y1, ipx, ipy, x2, y2, x2, y2, &xo, &yo);
  *bcx = x1;
  *bcy = y1;
  *ecx = x2;
  *ecy = y2;
  *ox = xo;
  *oy = yo;
  *T = e.T;
  *SL = e.SL;
  *CL = e.CL;
}

void SURVEY_CALL ip_setu2(double ipx, double ipy, double ox, double oy, double R, double* p1x,
                          double* p1y, double* p2x, double* p2y, double* I, double* T, double* SL,
                          double* CL) {
  double D = 0.0, E = 0.0, F = 0.0;
  en_keisu(ox, oy, R, &D, &E, &F);
  if (Point_IO(ipx, ipy, D, E, F) <= 0) return;
  int16_t n = 0;
  en_setu(D, E, F, ipx, ipy, &n, p1x, p1y, p2x, p2y);
  const double d = dist(ipx, ipy, ox, oy);
  const double t = std::sqrt(std::pow(d, 2.0) - std::pow(R, 2.0));
  const double i = 2.0 * std::atan(t / R);
  const Elements e = elements(i, R);
  *I = i;
  *T = t;
  *SL = e.SL;
  *CL = e.CL;
}

}  // extern "C"
