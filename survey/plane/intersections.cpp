// Intersections of lines.
#include "intersections.h"

#include "lines.h"

extern "C" {

// Solved by elimination, with the axis-parallel pairs taken first so that no
// division by a zero coefficient is needed for them. Parallel lines are caught
// only when their normals are exactly equal.
void SURVEY_CALL line_kouten1(double a1, double b1, double c1, double a2, double b2, double c2,
                              double* x, double* y) {
  *x = 0.0;
  *y = 0.0;
  if (a1 == a2 && b1 == b2) return;
  if (a1 == 0.0 && b2 == 0.0) {
    *x = -c2 / a2;
    *y = -c1 / b1;
  } else if (a2 == 0.0 && b1 == 0.0) {
    *x = -c1 / a1;
    *y = -c2 / b2;
  } else if (a1 == 0.0) {
    const double yy = -c1 / b1;
    *y = yy;
    *x = -(yy * b2 + c2) / a2;
  } else {
    const double yy = (a1 * c2 - c1 * a2) / (b1 * a2 - a1 * b2);
    *y = yy;
    *x = -(yy * b1 + c1) / a1;
  }
}

void SURVEY_CALL line_kouten2(double x1, double y1, double x2, double y2, double x3, double y3,
                              double x4, double y4, double* x, double* y) {
  double a1 = 0.0, b1 = 0.0, c1 = 0.0;
  double a2 = 0.0, b2 = 0.0, c2 = 0.0;
  line_hotei(x1, y1, x2, y2, &a1, &b1, &c1);
  line_hotei(x3, y3, x4, y4, &a2, &b2, &c2);
  line_kouten1(a1, b1, c1, a2, b2, c2, x, y);
}

void SURVEY_CALL line_kouten3(double x1, double y1, double x2, double y2, double a, double b,
                              double c, double* x, double* y) {
  double a1 = 0.0, b1 = 0.0, c1 = 0.0;
  line_hotei(x1, y1, x2, y2, &a1, &b1, &c1);
  line_kouten1(a1, b1, c1, a, b, c, x, y);
}

void SURVEY_CALL angline_kouten(double x1, double y1, double t1, double x3, double y3, double x4,
                                double y4, double* x, double* y) {
  double a1 = 0.0, b1 = 0.0, c1 = 0.0;
  double a2 = 0.0, b2 = 0.0, c2 = 0.0;
  line_hoteiPA(x1, y1, t1, &a1, &b1, &c1);
  line_hotei(x3, y3, x4, y4, &a2, &b2, &c2);
  line_kouten1(a1, b1, c1, a2, b2, c2, x, y);
}

void SURVEY_CALL angang_kouten(double x1, double y1, double t1, double x2, double y2, double t2,
                               double* x, double* y) {
  double a1 = 0.0, b1 = 0.0, c1 = 0.0;
  double a2 = 0.0, b2 = 0.0, c2 = 0.0;
  line_hoteiPA(x1, y1, t1, &a1, &b1, &c1);
  line_hoteiPA(x2, y2, t2, &a2, &b2, &c2);
  line_kouten1(a1, b1, c1, a2, b2, c2, x, y);
}

// Corner k (0-based) is line k with line k + 1 for the first two corners, and
// line k with line 0 from the third on. Two lines would need a third one to
// close the chain, so n = 2 does nothing, as n < 2 does.
void SURVEY_CALL lineN_kouten(int16_t n, const double* a, const double* b, const double* c,
                              double* xo, double* yo) {
  if (n < 3) return;
  for (int k = 0; k < n; ++k) {
    const int j = (k < 2) ? k + 1 : 0;
    line_kouten1(a[k], b[k], c[k], a[j], b[j], c[j], &xo[k], &yo[k]);
  }
}

void SURVEY_CALL nini_kouten(int16_t n, const double* xs, const double* ys, double y0,
                             int16_t* count, double* xo, double* yo) {
  if (n < 2) {
    *count = 0;
    return;
  }
  int16_t found = 0;
  for (int k = 0; k + 1 < n; ++k) {
    // A horizontal segment off the line cannot meet it. Its intersection would
    // come from the parallel rule as (0, 0), which a segment through the origin
    // would wrongly accept.
    if (ys[k] == ys[k + 1] && ys[k] != y0) continue;
    double x = 0.0, y = 0.0;
    line_kouten3(xs[k], ys[k], xs[k + 1], ys[k + 1], 0.0, 1.0, -y0, &x, &y);
    const double xlo = xs[k] < xs[k + 1] ? xs[k] : xs[k + 1];
    const double xhi = xs[k] < xs[k + 1] ? xs[k + 1] : xs[k];
    const double ylo = ys[k] < ys[k + 1] ? ys[k] : ys[k + 1];
    const double yhi = ys[k] < ys[k + 1] ? ys[k + 1] : ys[k];
    if (xlo <= x && x <= xhi && ylo <= y && y <= yhi) {
      ++found;
      if (found > 2) return;  // a third crossing: stop, count left as it was
      xo[found - 1] = x;
      yo[found - 1] = y;
    }
  }
  *count = found;
}

}  // extern "C"
