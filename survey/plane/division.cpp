// Parcel division: fan method from a vertex, bisection between vertex lines of a
// given direction.
#include "division.h"

#include <cmath>
#include <utility>
#include <vector>

#include "../basics/angles.h"
#include "../basics/arrays.h"
#include "angle_reduce.hpp"
#include "areas.h"
#include "construct.h"
#include "directions.h"
#include "intersections.h"
#include "lines.h"
#include "records.h"

namespace {

constexpr double kSame = 0.0001;      // two points count as one within this, per coordinate
constexpr double kAreaMatch = 1e-05;  // area match of the bisection
constexpr int kTrialCap = 1001;       // the bisection gives up when its counter reaches this

bool same_point(double x1, double y1, double x2, double y2) {
  return std::fabs(x1 - x2) <= kSame && std::fabs(y1 - y2) <= kSame;
}

// A steep line (|b| < |a|) is handled in x = f(y) form, every other in slope form.
bool steep(double a, double b) { return std::fabs(b) < std::fabs(a); }

struct Piece {
  std::vector<double> x, y;
  void add(double px, double py) {
    x.push_back(px);
    y.push_back(py);
  }
  // Area and centroid; a piece of under three points or of no area has area 0 and
  // the mean of its points as centroid.
  void measure(double* A, double* gx, double* gy) const {
    const int16_t n = static_cast<int16_t>(x.size());
    *A = 0.0;
    if (n >= 3) danmen(n, x.data(), y.data(), A, gx, gy);
    if (*A == 0.0) {
      double sx = 0.0, sy = 0.0;
      for (int i = 0; i < n; ++i) {
        sx += x[i];
        sy += y[i];
      }
      *gx = sx / n;
      *gy = sy / n;
    }
  }
};

// The chord with its x values (y values for a steep line) put on the line (a, b, c).
survey_line onto_line(const survey_line& from, double a, double b, double c) {
  survey_line r = from;
  if (steep(a, b)) {
    r.x1 = -(b * r.y1 + c) / a;
    r.x2 = -(b * r.y2 + c) / a;
  } else {
    double m = 0.0, k = 0.0;
    line_hen1(a, b, c, &m, &k);
    r.y1 = m * r.x1 + k;
    r.y2 = m * r.x2 + k;
  }
  return r;
}

// Orders the chord's ends along the direction (ux, uy).
void order_along(survey_line* l, double ux, double uy) {
  if ((l->x2 - l->x1) * ux + (l->y2 - l->y1) * uy < 0) {
    std::swap(l->x1, l->x2);
    std::swap(l->y1, l->y2);
  }
}

}  // namespace

extern "C" {

int16_t SURVEY_CALL Point_UD2(double a, double b, double c, double t, double x, double y) {
  t = survey::plane::reduce_turns(t);
  if (steep(a, b)) {
    const double xl = -(b * y + c) / a;
    if (std::cos(t) > 0) return x <= xl ? 1 : 2;
    return x >= xl ? 1 : 2;
  }
  double m = 0.0, k = 0.0;
  line_hen1(a, b, c, &m, &k);
  if (0 <= t && t <= survey::plane::kPi) return m * x + k <= y ? 1 : 2;
  return m * x + k >= y ? 1 : 2;
}

void SURVEY_CALL dsortNO(int16_t n, double* v, int16_t* idx) {
  for (int i = 0; i < n - 1; ++i) {
    int best = i;
    for (int j = i + 1; j < n; ++j)
      if (v[j] < v[best]) best = j;
    std::swap(v[i], v[best]);
    std::swap(idx[i], idx[best]);
  }
}

void SURVEY_CALL Pswap(int16_t n, survey_point* p, survey_point* q) {
  for (int i = 0; i < n; ++i) std::swap(p[i], q[i]);
}

int16_t SURVEY_CALL polyline_kou3(int16_t n, const survey_line* edges, double a, double b, double c,
                                  survey_point* pts, int16_t* edgeNo) {
  int16_t count = 0;
  for (int e = 0; e < n; ++e) {
    const survey_line& l = edges[e];
    double ea = 0.0, eb = 0.0, ec = 0.0;
    line_hotei(l.x1, l.y1, l.x2, l.y2, &ea, &eb, &ec);
    // A parallel edge has no crossing (the intersection routine would give (0, 0)).
    if ((ea == a && eb == b) || (ea == -a && eb == -b)) continue;
    survey_point p{0.0, 0.0};
    line_kouten3(l.x1, l.y1, l.x2, l.y2, a, b, c, &p.x, &p.y);
    if (point_linein(&l, &p) != 1 || same_point(p.x, p.y, l.x2, l.y2)) continue;
    pts[count] = p;
    edgeNo[count] = static_cast<int16_t>(e + 1);
    ++count;
  }
  return count;
}

int16_t SURVEY_CALL polyline_devarea(int16_t n, const double* xs, const double* ys, double a, double b, double c,
                                     double t, survey_line* chord, double* Aleft) {
  if (n < 3) return 0;
  std::vector<survey_line> edges(n);
  for (int i = 0; i < n; ++i) {
    const int j = (i == n - 1) ? 0 : i + 1;
    edges[i] = survey_line{xs[i], ys[i], xs[j], ys[j]};
  }
  std::vector<survey_point> pts(n);
  std::vector<int16_t> eno(n);
  if (polyline_kou3(n, edges.data(), a, b, c, pts.data(), eno.data()) != 2) return 0;
  const survey_point p1 = pts[0], p2 = pts[1];
  const int e1 = eno[0], e2 = eno[1];  // 1-based, e1 < e2
  *chord = survey_line{p1.x, p1.y, p2.x, p2.y};

  // 0-based: V(e) is index e - 1; V(e2 + 1) is V1 when e2 = n.
  const int after2 = (e2 == n) ? 0 : e2;
  Piece pa, pb;
  for (int i = 0; i < e1; ++i) pa.add(xs[i], ys[i]);
  if (!same_point(p1.x, p1.y, xs[e1 - 1], ys[e1 - 1])) pa.add(p1.x, p1.y);
  if (!same_point(p2.x, p2.y, xs[after2], ys[after2])) pa.add(p2.x, p2.y);
  for (int i = e2; i < n; ++i) pa.add(xs[i], ys[i]);

  if (!same_point(p1.x, p1.y, xs[e1], ys[e1])) pb.add(p1.x, p1.y);
  for (int i = e1; i < e2; ++i) pb.add(xs[i], ys[i]);
  if (!same_point(p2.x, p2.y, xs[e2 - 1], ys[e2 - 1])) pb.add(p2.x, p2.y);

  double areaA = 0.0, gxA = 0.0, gyA = 0.0, areaB = 0.0, gxB = 0.0, gyB = 0.0;
  pa.measure(&areaA, &gxA, &gyA);
  pb.measure(&areaB, &gxB, &gyB);
  // The side is told by the centroid of a piece with an area (an empty piece's
  // points lie on the line).
  if (areaA > 0.0 || areaB == 0.0)
    *Aleft = (Point_UD2(a, b, c, t, gxA, gyA) == 1) ? areaA : areaB;
  else
    *Aleft = (Point_UD2(a, b, c, t, gxB, gyB) == 1) ? areaB : areaA;
  return 1;
}

int16_t SURVEY_CALL pol_areaLimit(int16_t n, const double* xs, const double* ys, double t, double A, int16_t* i1,
                                  int16_t* i2) {
  if (n < 3 || !(A > 0)) return 0;
  double atot = 0.0, gx = 0.0, gy = 0.0;
  danmen(n, xs, ys, &atot, &gx, &gy);
  double a0 = 0.0, b0 = 0.0, c0 = 0.0;
  line_hoteiPA(gx, gy, t, &a0, &b0, &c0);
  std::vector<double> left(n);
  std::vector<int16_t> idx(n);
  for (int i = 0; i < n; ++i) {
    double a = 0.0, b = 0.0, c = 0.0, al = 0.0;
    survey_line chord{};
    line_hoteiPA(xs[i], ys[i], t, &a, &b, &c);
    if (polyline_devarea(n, xs, ys, a, b, c, t, &chord, &al) == 1)
      left[i] = al;
    else
      left[i] = (Point_UD2(a0, b0, c0, t, xs[i], ys[i]) == 1) ? 0.0 : atot;
    idx[i] = static_cast<int16_t>(i);
  }
  dsortNO(n, left.data(), idx.data());
  for (int k = 0; k + 1 < n; ++k) {
    if (left[k] < A && A < left[k + 1]) {
      *i1 = idx[k];
      *i2 = idx[k + 1];
      return 1;
    }
  }
  return 0;
}

int16_t SURVEY_CALL pol_dev2(int16_t n, const double* xs, const double* ys, double t, double a, double b,
                             survey_line* chord, double* Aleft, double* Aright) {
  if (n < 3 || !(a > 0) || !(b > 0)) return 0;
  const double S = work_area(n, xs, ys);
  const double T = a / (a + b) * S;
  const double tr = deg2rad(dms2deg(t));
  int16_t i1 = 0, i2 = 0;
  if (pol_areaLimit(n, xs, ys, tr, T, &i1, &i2) != 1) return 0;

  double a1 = 0.0, b1 = 0.0, c1 = 0.0, a2 = 0.0, b2 = 0.0, c2 = 0.0, al = 0.0;
  line_hoteiPA(xs[i1], ys[i1], tr, &a1, &b1, &c1);
  line_hoteiPA(xs[i2], ys[i2], tr, &a2, &b2, &c2);
  survey_line ch1{}, ch2{};
  const int16_t s1 = polyline_devarea(n, xs, ys, a1, b1, c1, tr, &ch1, &al);
  const int16_t s2 = polyline_devarea(n, xs, ys, a2, b2, c2, tr, &ch2, &al);
  if (s1 != 1 && s2 != 1) return 0;
  if (s1 == 1 && s2 != 1)
    ch2 = onto_line(ch1, a2, b2, c2);
  else if (s1 != 1)
    ch1 = onto_line(ch2, a1, b1, c1);

  // Midpoints pair the ends in the order along the direction, whatever edge order
  // the chords came in.
  const double ux = std::sin(tr), uy = std::cos(tr);
  order_along(&ch1, ux, uy);
  order_along(&ch2, ux, uy);
  for (int counter = 1;;) {
    double la = 0.0, lb = 0.0, lc = 0.0;
    line_hotei((ch1.x1 + ch2.x1) * 0.5, (ch1.y1 + ch2.y1) * 0.5, (ch1.x2 + ch2.x2) * 0.5,
               (ch1.y2 + ch2.y2) * 0.5, &la, &lb, &lc);
    if (polyline_devarea(n, xs, ys, la, lb, lc, tr, chord, &al) != 1) return 0;
    if (std::fabs(al - T) <= kAreaMatch) break;
    survey_line ct = *chord;
    order_along(&ct, ux, uy);
    if (al >= T)
      ch2 = ct;
    else
      ch1 = ct;
    if (++counter == kTrialCap) return 0;
  }
  *Aleft = al;
  *Aright = S - al;
  return 1;
}

int16_t SURVEY_CALL pol_dev3(int16_t n, const double* xs, const double* ys, double t, double A, survey_line* chord,
                             double* Aleft, double* Aright) {
  if (n < 3) return 0;
  const double S = work_area(n, xs, ys);
  if (S <= 0 || S <= A) return 0;
  return pol_dev2(n, xs, ys, t, A, S - A, chord, Aleft, Aright);
}

int16_t SURVEY_CALL pol_dev(int16_t n, const double* xs, const double* ys, int16_t k, double A, double* x,
                            double* y) {
  if (n < 3 || k < 1 || k > n) return 0;
  const double S = work_area(n, xs, ys);
  if (S < A || !(A > 0)) return 0;
  std::vector<double> rx(n), ry(n);
  dmat_rot(n, xs, k, rx.data());
  dmat_rot(n, ys, k, ry.data());
  double prev = 0.0;
  for (int j = 2; j <= n - 1; ++j) {
    const double aj = area(static_cast<int16_t>(j + 1), rx.data(), ry.data());
    if (prev < A && A < aj) {
      const double f = (A - prev) / (aj - prev);
      // V(j) and V(j+1) are rx[j-1] and rx[j].
      *x = rx[j - 1] + f * (rx[j] - rx[j - 1]);
      *y = ry[j - 1] + f * (ry[j] - ry[j - 1]);
      return 1;
    }
    if (A == aj) {
      *x = rx[j];
      *y = ry[j];
      return 1;
    }
    prev = aj;
  }
  return 0;
}

int16_t SURVEY_CALL pol_dev1(int16_t n, const double* xs, const double* ys, int16_t k, double d, double A,
                             double* xa, double* ya, double* x, double* y) {
  if (n < 3 || n == 32767 || k < 1 || k > n) return 0;
  const int next = (k == n) ? 0 : k;
  const double len = dist(xs[k - 1], ys[k - 1], xs[next], ys[next]);
  // A negative distance would start the line outside the parcel.
  if (len < d || !(d >= 0)) return 0;
  double qx = 0.0, qy = 0.0;
  naibun(xs[k - 1], ys[k - 1], xs[next], ys[next], d, &qx, &qy);
  std::vector<double> rx(xs, xs + k), ry(ys, ys + k);
  rx.push_back(qx);
  ry.push_back(qy);
  rx.insert(rx.end(), xs + k, xs + n);
  ry.insert(ry.end(), ys + k, ys + n);
  const int16_t r = pol_dev(static_cast<int16_t>(n + 1), rx.data(), ry.data(), static_cast<int16_t>(k + 1), A, x, y);
  if (r == 1) {
    *xa = qx;
    *ya = qy;
  }
  return r;
}

}  // extern "C"
