// Polygon tests and ring utilities.
#include "polygons.h"

#include <cmath>
#include <cstring>

#include "../basics/arrays.h"
#include "../basics/helpers.h"
#include "angle_reduce.hpp"
#include "construct.h"
#include "directions.h"
#include "lines.h"
#include "triangles.h"

using survey::plane::kPi;
using survey::plane::kTwoPi;

namespace {

constexpr double kOnEdge = 1e-05;       // distance of a point from an edge's line (OnPolygon)
constexpr double kFullTurn = 1e-05;     // tolerance of the winding-angle sum against 2 pi
constexpr int kScratch = 1024;          // largest ring that pos_rot renumbers
constexpr double kThird = 0.3333333333333333;

// Winding count: a point farther than kNear from every edge is decided by the
// crossing rule; closer ones go to the angle sum. The bound on coordinates keeps
// the sign of every cross product exact enough for that margin.
constexpr double kNear = 1e-4;
constexpr double kFar = 1e8;

double lo(double a, double b) { return a < b ? a : b; }
double hi(double a, double b) { return a < b ? b : a; }

// P on the edge (x1, y1)-(x2, y2): within the edge's box and within kOnEdge of its
// line. The box is looked at first; both must hold.
bool on_edge(double x1, double y1, double x2, double y2, double x, double y) {
  if (!(lo(x1, x2) <= x && x <= hi(x1, x2) && lo(y1, y2) <= y && y <= hi(y1, y2))) return false;
  double a = 0.0, b = 0.0, c = 0.0;
  line_hotei(x1, y1, x2, y2, &a, &b, &c);
  return std::fabs(a * x + b * y + c) <= kOnEdge;
}

// The winding-angle sum over the ring, taken in the negative area sense (the
// indices walked backwards when the area is positive), a closing point equal to
// the first left out: -1 when the sum is one full turn, else 1.
int16_t angle_sum(int n, const double* xs, const double* ys, double x, double y) {
  const bool backwards = work_area(static_cast<int16_t>(n), xs, ys) > 0.0;
  const int m = (xs[0] == xs[n - 1] && ys[0] == ys[n - 1]) ? n - 1 : n;
  auto at = [&](int k) { return backwards ? n - 1 - k : k; };
  double sum = 0.0;
  for (int k = 0; k < m; ++k) {
    const int i = at(k), j = at(k + 1 < m ? k + 1 : 0);
    double d = std::atan2(ys[j] - y, xs[j] - x) - std::atan2(ys[i] - y, xs[i] - x);
    if (std::fabs(d) > kPi) d = d - sign(d) * kTwoPi;
    sum += d;
  }
  return std::fabs(sum - kTwoPi) <= kFullTurn ? -1 : 1;
}

// Floored edge lengths in units of step into pos[1..n], pos[0] = 0.
void chainage(int n, const double* xs, const double* ys, double step, bool floor_each, double* pos) {
  pos[0] = 0.0;
  for (int i = 1; i <= n; ++i) {
    const int j = (i < n) ? i : 0;
    const double d = dist(xs[i - 1], ys[i - 1], xs[j], ys[j]) / step;
    pos[i] = pos[i - 1] + (floor_each ? std::floor(d) : d);
  }
}

}  // namespace

extern "C" {

int16_t SURVEY_CALL OnPolygon(int16_t n, const double* xs, const double* ys, double x, double y) {
  if (n < 2) return -1;
  for (int k = 0; k < n; ++k) {
    const int j = (k + 1 < n) ? k + 1 : 0;
    if (on_edge(xs[k], ys[k], xs[j], ys[j], x, y)) return 0;
  }
  return -1;
}

// One pass over the edges: the boundary test for edges whose box (widened by kNear)
// holds P, and the winding count. Only a point within kNear of an edge, or a ring
// beyond kFar of it, needs the angle sum. The arrays are never written.
int16_t SURVEY_CALL InPolygon(int16_t n, const double* xs, const double* ys, double x, double y) {
  if (n < 3) return 1;
  double px = xs[n - 1] - x, py = ys[n - 1] - y;
  if (!(std::fabs(px) <= kFar && std::fabs(py) <= kFar)) {
    return OnPolygon(n, xs, ys, x, y) == 0 ? 0 : angle_sum(n, xs, ys, x, y);
  }
  int winding = 0;
  bool close_call = false;
  int j = n - 1;
  for (int k = 0; k < n; j = k, ++k) {
    const double qx = xs[k] - x, qy = ys[k] - y;
    if (!(std::fabs(qx) <= kFar && std::fabs(qy) <= kFar)) {
      return OnPolygon(n, xs, ys, x, y) == 0 ? 0 : angle_sum(n, xs, ys, x, y);
    }
    const bool in_box = lo(px, qx) - kNear <= 0.0 && 0.0 <= hi(px, qx) + kNear && lo(py, qy) - kNear <= 0.0 &&
                        0.0 <= hi(py, qy) + kNear;
    if (in_box) {
      if (on_edge(xs[j], ys[j], xs[k], ys[k], x, y)) return 0;
      const double cross = px * qy - qx * py;
      if (std::fabs(cross) <= 2.0 * kNear * (std::fabs(qx - px) + std::fabs(qy - py))) close_call = true;
    }
    if (py <= 0.0) {
      if (qy > 0.0 && px * qy - qx * py > 0.0) ++winding;
    } else if (qy <= 0.0 && px * qy - qx * py < 0.0) {
      --winding;
    }
    px = qx;
    py = qy;
  }
  if (close_call) return angle_sum(n, xs, ys, x, y);
  if (winding != 1 && winding != -1) return 1;
  // The angle sum runs against the positive area sense.
  const int turns = work_area(n, xs, ys) > 0.0 ? -winding : winding;
  return turns == 1 ? -1 : 1;
}

void SURVEY_CALL poly_gyusin(int16_t n, const double* xs, const double* ys, double* x, double* y) {
  for (int k = 0; k + 2 < n; ++k) {
    const double gx = (xs[k] + xs[k + 1] + xs[k + 2]) * kThird;
    const double gy = (ys[k] + ys[k + 1] + ys[k + 2]) * kThird;
    if (InPolygon(n, xs, ys, gx, gy) < 0) {
      *x = gx;
      *y = gy;
      return;
    }
  }
}

double SURVEY_CALL poly_leng(int16_t n, const double* xs, const double* ys, int16_t closed) {
  if (n < 2 || (closed != 0 && closed != -1)) return 0.0;
  double s = 0.0;
  for (int k = 0; k + 1 < n; ++k) s += dist(xs[k], ys[k], xs[k + 1], ys[k + 1]);
  if (closed == -1) s += dist(xs[n - 1], ys[n - 1], xs[0], ys[0]);
  return s;
}

void SURVEY_CALL work_kado(int16_t n, const double* xs, const double* ys, double step, int16_t mode,
                           double* pos) {
  if (n < 1 || (mode != 0 && mode != 1)) return;
  chainage(n, xs, ys, step, mode == 1, pos);
  if (mode == 0) {
    for (int i = 0; i < n; ++i) pos[i] = std::floor(pos[i]);
  }
}

void SURVEY_CALL pos_rot(int16_t n, double* xs, double* ys, int16_t k, int16_t reverse) {
  if (n < 3 || n > kScratch || k < 1 || k > n) return;
  if (reverse == 1) {
    dmat_mirror(n, xs);
    dmat_mirror(n, ys);
    k = static_cast<int16_t>(n - k + 1);
  }
  double scratch[kScratch];
  dmat_copy(n, xs, scratch);
  dmat_rot(n, scratch, k, xs);
  dmat_copy(n, ys, scratch);
  dmat_rot(n, scratch, k, ys);
}

// pos_rot refuses rings beyond its scratch area; without the renumbering the
// chainage would silently start at vertex 1, so such rings write nothing.
void SURVEY_CALL kado_ban(int16_t n, double* xs, double* ys, int16_t k, int16_t sense, double step,
                          int16_t mode, double* pos) {
  if (n < 3 || n > kScratch || k < 1 || k > n) return;
  if ((sense != 1 && sense != -1) || !(step > 0.0) || (mode != 0 && mode != 1)) return;
  const int32_t s = sign(work_area(n, xs, ys)) * sense;
  pos_rot(n, xs, ys, k, s == -1 ? 1 : 0);
  work_kado(n, xs, ys, step, mode, pos);
}

void SURVEY_CALL poly_inpoly(int16_t n, const double* xs, const double* ys, double d, double* xo, double* yo) {
  if (n < 3) return;
  for (int k = 0; k < n; ++k) {
    const int p = (k > 0) ? k - 1 : n - 1, q = (k + 1 < n) ? k + 1 : 0;
    double ix = 0.0, iy = 0.0, r = 0.0;
    naisin_point3(xs[p], ys[p], xs[k], ys[k], xs[q], ys[q], &ix, &iy, &r);
    naibun(xs[k], ys[k], ix, iy, d, &xo[k], &yo[k]);
  }
}

void SURVEY_CALL get_polyxy(double x, double y, int16_t n, double r, double* xo, double* yo) {
  if (n < 3 || !(r > 0.0)) return;
  for (int k = 0; k < n; ++k) side_shot(x, y, r, k * kTwoPi / n, &xo[k], &yo[k]);
}

// Each field is copied alone before conversion (a2d would read on into the next
// one); the copy stops at the code's end.
void SURVEY_CALL zcd2xy(const char* code, double* a, double* b, double* x, double* y) {
  const char* p = code != nullptr ? code : "";
  auto field = [&p](int width) {
    char buf[8] = {};
    for (int i = 0; i < width && *p != '\0'; ++i) buf[i] = *p++;
    return a2d(buf);
  };
  const double fa = field(2), fb = field(2), fx = field(5), fy = field(5);
  *a = fa * 250.0;
  *b = fb;
  *x = fx * 75.0 - 300000.0;
  *y = fy * 100.0 - 160000.0;
}

}  // extern "C"
