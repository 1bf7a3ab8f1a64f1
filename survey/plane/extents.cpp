// Oriented bounding rectangles.
#include "extents.h"

#include <memory>
#include <new>

#include "../basics/arrays.h"
#include "../numerics/regression.hpp"
#include "construct.h"
#include "records.h"

namespace {

// Direction angle of the regression line of the points.
double regression_angle(int32_t n, const double* xs, const double* ys) {
  double m = 0.0, k = 0.0, t = 0.0;
  survey::numerics::regression_line(n, xs, ys, &m, &k, &t);
  return t;
}

}  // namespace

extern "C" {

double SURVEY_CALL Rot_ExtentXY(int32_t n, double theta, const double* xs, const double* ys, double* cx,
                                double* cy, double* w, double* h) {
  if (n < 1) return 0.0;
  const std::unique_ptr<double[]> turned(new (std::nothrow) double[2 * static_cast<size_t>(n)]);
  if (!turned) return 0.0;
  double* tx = turned.get();
  double* ty = tx + n;
  const double ox = xs[0], oy = ys[0];
  rotate_xyD(n, xs, ys, ox, oy, theta, tx, ty);
  const double r = Get_ExtentXY(n, tx, ty, cx, cy, w, h);
  rotate_xyD(4, cx, cy, ox, oy, -theta, cx, cy);
  return r;
}

double SURVEY_CALL Poly_Extent(int32_t n, const double* xs, const double* ys, double* cx, double* cy, double* w,
                               double* h) {
  if (n < 1) return 0.0;
  return Rot_ExtentXY(n, regression_angle(n, xs, ys), xs, ys, cx, cy, w, h);
}

void SURVEY_CALL Poly_CL(int32_t n, const double* xs, const double* ys, double* cx, double* cy, survey_line* l1,
                         survey_line* l2) {
  if (n < 1) return;
  double w = 0.0, h = 0.0;
  Rot_ExtentXY(n, regression_angle(n, xs, ys), xs, ys, cx, cy, &w, &h);
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
  get_mid(cx[0], cy[0], cx[3], cy[3], &x1, &y1);
  get_mid(cx[1], cy[1], cx[2], cy[2], &x2, &y2);
  torect(l1, x1, y1, x2, y2);
  get_mid(cx[0], cy[0], cx[1], cy[1], &x1, &y1);
  get_mid(cx[2], cy[2], cx[3], cy[3], &x2, &y2);
  torect(l2, x1, y1, x2, y2);
  if (l_dist(l2) > l_dist(l1)) line_swap(l1, l2);
}

}  // extern "C"
