// Areas, ring moments, traverse double area and equal division of segments and arcs.
#include "areas.h"

#include <cmath>
#include <vector>

#include "../basics/angles.h"
#include "../basics/arrays.h"
#include "../basics/helpers.h"
#include "../basics/trig.h"
#include "construct.h"
#include "directions.h"
#include "polygons.h"
#include "triangles.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr int kNewtonSteps = 2001;
constexpr double kMaxCount = 32767.0;

// Points every `step` (in the measure of `total`) along a path: mode 1 starts at one
// step, mode 2 with the remainder. Returns the count, or 0 when nothing sensible
// can be produced (bad mode, step not positive, step beyond the path, too many).
int16_t step_count(double total, double step, int16_t mode, double* first) {
  if (mode != 1 && mode != 2) return 0;
  if (!(step > 0.0) || !(step <= total)) return 0;
  const double q = std::trunc(total / step);
  if (!(q <= kMaxCount)) return 0;
  const int16_t count = static_cast<int16_t>(q);
  *first = (mode == 1) ? step : total - count * step;
  return count;
}

struct RingMoments {
  double A, xg, yg, Ix, Iy;
};

// Area, centroid and second moments of a ring, integrated edge by edge in the
// mathematical sense on coordinates relative to the first vertex. The closed forms
// need no division by an edge's extent, so nearly axis-parallel edges and large
// plane coordinates keep their accuracy.
RingMoments ring_moments(int16_t n, const double* xs, const double* ys) {
  std::vector<double> x(xs, xs + n), y(ys, ys + n);
  const double S = work_area(n, xs, ys);
  if (S > 0) {
    dmat_mirror(n, x.data());
    dmat_mirror(n, y.data());
  }
  const double x0 = xs[0], y0 = ys[0];
  double s2 = 0.0, mx = 0.0, my = 0.0, jx = 0.0, jy = 0.0;
  for (int i = 0; i < n; ++i) {
    const int j = (i == n - 1) ? 0 : i + 1;
    const double x1 = x[i] - x0, y1 = y[i] - y0, x2 = x[j] - x0, y2 = y[j] - y0;
    s2 += (x2 - x1) * (y1 + y2);
    const double xy = 2 * x1 * y1 + x1 * y2 + x2 * y1 + 2 * x2 * y2;
    mx += (x2 - x1) * xy / 6;
    my += (y2 - y1) * xy / 6;
    jx += (y2 - y1) * (x1 * (3 * y1 * y1 + 2 * y1 * y2 + y2 * y2) + x2 * (y1 * y1 + 2 * y1 * y2 + 3 * y2 * y2)) / 12;
    jy += (x2 - x1) * (y1 * (3 * x1 * x1 + 2 * x1 * x2 + x2 * x2) + y2 * (x1 * x1 + 2 * x1 * x2 + 3 * x2 * x2)) / 12;
  }
  // The area reported is work_area's; the moments divide by the same area taken
  // on the relative coordinates, which keeps its digits far from the origin.
  RingMoments m;
  m.A = std::fabs(S);
  const double ar = std::fabs(s2) * 0.5;
  const double xr = -mx / ar, yr = my / ar;
  m.xg = xr + x0;
  m.yg = yr + y0;
  m.Ix = jx - yr * yr * ar;
  m.Iy = -jy - xr * xr * ar;
  return m;
}

// danmen of the points that `point` takes from n records.
template <typename Record, typename Point>
void danmen_of_records(int16_t n, const Record* recs, Point point, double* A, double* x, double* y) {
  if (n < 3) return;
  std::vector<double> xs(n), ys(n);
  for (int i = 0; i < n; ++i) {
    const survey_point p = point(recs[i]);
    xs[i] = p.x;
    ys[i] = p.y;
  }
  danmen(n, xs.data(), ys.data(), A, x, y);
}

}  // namespace

extern "C" {

double SURVEY_CALL heron(double a, double b, double c, double* longest, double* height) {
  const double s = (a + b + c) * 0.5;
  const double ar = std::sqrt(s * (s - a) * (s - b) * (s - c));
  *longest = dMax3(a, b, c);
  *height = 2 * ar / *longest;
  return ar;
}

void SURVEY_CALL len_point3(double x1, double y1, double x2, double y2, double x3, double y3, double* d12,
                            double* d23, double* d31) {
  *d12 = dist(x1, y1, x2, y2);
  *d23 = dist(x2, y2, x3, y3);
  *d31 = dist(x3, y3, x1, y1);
}

double SURVEY_CALL heron_point3(double x1, double y1, double x2, double y2, double x3, double y3,
                                double* longest, double* height) {
  double a = 0.0, b = 0.0, c = 0.0;
  len_point3(x1, y1, x2, y2, x3, y3, &a, &b, &c);
  return heron(a, b, c, longest, height);
}

double SURVEY_CALL tri_area1(double a, double b, double theta) {
  if (theta <= 0) return 0.0;
  const double c = yogen2(a, b, theta);
  if (c <= 0 || a <= 0 || b <= 0) return 0.0;
  if (dMax3(a, b, c) >= dMin3(a, b, c) + dMid3(a, b, c)) return 0.0;
  return a * b * std::sin(theta) * 0.5;
}

double SURVEY_CALL tri_area2(double c, double alpha, double beta) {
  const double gamma = kPi - (alpha + beta);
  if (!(alpha > 0 && beta > 0 && gamma > 0)) return 0.0;
  const double a = std::sin(alpha) * c / std::sin(gamma);
  const double b = std::sin(beta) * c / std::sin(gamma);
  if (!(dMax3(c, a, b) < dMin3(c, a, b) + dMid3(c, a, b))) return 0.0;
  double longest = 0.0, height = 0.0;
  return heron(c, a, b, &longest, &height);
}

double SURVEY_CALL sihen_area(double a, double b, double c, double d) {
  const double s = (a + b + c + d) * 0.5;
  return std::sqrt((s - a) * (s - b) * (s - c) * (s - d));
}

double SURVEY_CALL enko_area(double x1, double y1, double x2, double y2, double r, double* theta) {
  const double L = dist(x1, y1, x2, y2);
  const double th = 2 * arcsin(L / (2 * r));
  *theta = th;
  return (th - std::sin(th)) * std::pow(r, 2) * 0.5;
}

double SURVEY_CALL enko_area2(double r, double theta) {
  if (theta < 0 || theta > kTwoPi) return 0.0;
  return (theta - std::sin(theta)) * std::pow(r, 2) * 0.5;
}

double SURVEY_CALL enko_area3(double r, double A, double tol) {
  if (A < 0 || A >= kPi * std::pow(r, 2) / 2) return 0.0;
  double th = fpi(0.5);
  for (int step = 0; step < kNewtonSteps; ++step) {
    const double f = 2 * A - (th - std::sin(th)) * std::pow(r, 2);
    const double next = th - f / ((std::cos(th) - 1) * std::pow(r, 2));
    if (std::fabs(next - th) <= tol) return next;
    th = next;
  }
  return 0.0;
}

double SURVEY_CALL sumikiri1(double L, double theta, double* side) {
  const double h = theta / 2;
  if (std::sin(h) == 0 || std::tan(h) == 0) return 0.0;
  *side = L / (2 * std::sin(h));
  return std::pow(L / 2, 2) / std::tan(h);
}

double SURVEY_CALL sumikiri2(double R, double theta, double* T) {
  const double h = theta / 2;
  if (std::tan(h) == 0) return 0.0;
  const double phi = kPi - theta;
  *T = std::tan(phi / 2) * R;
  return std::pow(R * std::sin(phi / 2), 2) / std::tan(h) - (phi - std::sin(phi)) * std::pow(R, 2) * 0.5;
}

void SURVEY_CALL danmen(int16_t n, const double* xs, const double* ys, double* A, double* xg, double* yg) {
  if (n < 3) return;
  const RingMoments m = ring_moments(n, xs, ys);
  *A = m.A;
  *xg = m.xg;
  *yg = m.yg;
}

void SURVEY_CALL danmen2(int16_t n, const double* xs, const double* ys, double* A, double* xg, double* yg,
                         double* Ix, double* Iy) {
  if (n < 3) return;
  const RingMoments m = ring_moments(n, xs, ys);
  *A = m.A;
  *xg = m.xg;
  *yg = m.yg;
  *Ix = m.Ix;
  *Iy = m.Iy;
}

void SURVEY_CALL dmds(int16_t n, const double* X, const double* Y, double* angles, double* dists, double* dirs,
                      double* dY, double* dX, double* dmd, double* dblarea, double* total) {
  if (n < 1) return;
  for (int i = 0; i < n; ++i) {
    const int j = (i == n - 1) ? 0 : i + 1;
    distang(Y[i], X[i], Y[j], X[j], &dists[i], &dirs[i], &dY[i], &dX[i]);
    dists[i] = survey_round(dists[i], 3);
    dX[i] = survey_round(dX[i], 3);
    dY[i] = survey_round(dY[i], 3);
  }
  for (int i = 0; i < n; ++i) angles[i] = kyoukaku(dirs[i], dirs[(i == n - 1) ? 0 : i + 1]);
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    dmd[i] = (i == 0) ? dX[n - 1] + dX[0] : dmd[i - 1] + dX[i - 1] + dX[i];
    dmd[i] = survey_round(dmd[i], 3);
    dblarea[i] = survey_round(dmd[i] * dY[i], 6);
    sum += dblarea[i];
  }
  *total = sum;
  for (int i = 0; i < n; ++i) {
    dirs[i] = survey_round(deg2dms(rad2deg(dirs[i])), 4);
    angles[i] = survey_round(deg2dms(rad2deg(angles[i])), 4);
  }
  const double last = angles[n - 1];
  for (int i = n - 1; i > 0; --i) angles[i] = angles[i - 1];
  angles[0] = last;
}

void SURVEY_CALL poly_inside(int16_t n, const double* xs, const double* ys, double* A, double* x, double* y) {
  if (n < 3) return;
  danmen(n, xs, ys, A, x, y);
  if (InPolygon(n, xs, ys, *x, *y) >= 0) poly_gyusin(n, xs, ys, x, y);
}

void SURVEY_CALL danmenP(int16_t n, const survey_line* lines, double* A, double* x, double* y) {
  danmen_of_records(n, lines, [](const survey_line& l) { return survey_point{l.x1, l.y1}; }, A, x, y);
}

void SURVEY_CALL danmenPoint(int16_t n, const survey_point* points, double* A, double* x, double* y) {
  danmen_of_records(n, points, [](const survey_point& p) { return p; }, A, x, y);
}

void SURVEY_CALL line_dev(int16_t n, double x1, double y1, double x2, double y2, double* xo, double* yo,
                          double* len) {
  if (n < 1) return;
  *len = dist(x1, y1, x2, y2) / n;
  for (int k = 1; k <= n; ++k) {
    xo[k - 1] = ((n - k) * x1 + k * x2) / n;
    yo[k - 1] = ((n - k) * y1 + k * y2) / n;
  }
}

int16_t SURVEY_CALL line_devL(double x1, double y1, double x2, double y2, double step, int16_t mode, double* xo,
                              double* yo) {
  double s = 0.0;
  const int16_t count = step_count(dist(x1, y1, x2, y2), step, mode, &s);
  for (int k = 0; k < count; ++k, s += step) naibun(x1, y1, x2, y2, s, &xo[k], &yo[k]);
  return count;
}

void SURVEY_CALL circ_dev(double xc, double yc, double xs, double ys, double xe, double ye, int16_t n, double* xo,
                          double* yo, double* arclen, double* dtheta) {
  if (n < 1) return;
  const double total = kyoukaku_point3(xs, ys, xc, yc, xe, ye);
  const double dt = total / n;
  *dtheta = dt;
  *arclen = dist(xc, yc, xs, ys) * dt;
  for (int k = 1; k <= n; ++k) rotate_xy(xs, ys, xc, yc, -k * dt, &xo[k - 1], &yo[k - 1]);
}

int16_t SURVEY_CALL circ_devL(double xc, double yc, double xs, double ys, double xe, double ye, double step,
                              int16_t mode, double* xo, double* yo) {
  const double total = kyoukaku_point3(xs, ys, xc, yc, xe, ye);
  const double dt = step / dist(xc, yc, xs, ys);
  double s = 0.0;
  const int16_t count = step_count(total, dt, mode, &s);
  for (int k = 0; k < count; ++k, s += dt) rotate_xy(xs, ys, xc, yc, -s, &xo[k], &yo[k]);
  return count;
}

}  // extern "C"
