// Point, line and rectangle records.
#include "records.h"

#include "../basics/helpers.h"
#include "construct.h"
#include "directions.h"
#include "lines.h"
#include "vectors.h"

namespace {

constexpr double kBoxMargin = 0.0001;  // widening of a record's box in point_linein

// Two ends within tol of each other (distance as sr of the differences).
bool ends_meet(double x1, double y1, double x2, double y2, double tol) { return sr(x1 - x2, y1 - y2) <= tol; }

}  // namespace

extern "C" {

survey_line* SURVEY_CALL torect(survey_line* result, double x1, double y1, double x2, double y2) {
  result->x1 = x1;
  result->y1 = y1;
  result->x2 = x2;
  result->y2 = y2;
  return result;
}

survey_line* SURVEY_CALL tolineP(survey_line* result, const survey_point* p1, const survey_point* p2) {
  return torect(result, p1->x, p1->y, p2->x, p2->y);
}

survey_rect* SURVEY_CALL point2rect(survey_rect* result, const survey_point* p1, const survey_point* p2) {
  return tolineP(result, p1, p2);
}

void SURVEY_CALL line2point(const survey_line* line, survey_point* p1, survey_point* p2) {
  // Read everything first: the caller's point records may overlap the line record.
  const survey_line l = *line;
  topoint(p1, l.x1, l.y1);
  topoint(p2, l.x2, l.y2);
}

void SURVEY_CALL rect2point(const survey_rect* rect, survey_point* p1, survey_point* p2) {
  line2point(rect, p1, p2);
}

void SURVEY_CALL point2xy(const survey_point* p, double* x, double* y) {
  const survey_point q = *p;
  *x = q.x;
  *y = q.y;
}

void SURVEY_CALL line2xy(const survey_line* line, double* x1, double* y1, double* x2, double* y2) {
  const survey_line l = *line;
  *x1 = l.x1;
  *y1 = l.y1;
  *x2 = l.x2;
  *y2 = l.y2;
}

survey_point* SURVEY_CALL lineCPpoint(survey_point* result, int16_t which, const survey_line* line) {
  return which == 1 ? topoint(result, line->x1, line->y1) : topoint(result, line->x2, line->y2);
}

survey_rect* SURVEY_CALL crt_rect(survey_rect* result, const survey_point* p, double w, double h) {
  return torect(result, p->x, p->y, p->x + w, p->y + h);
}

void SURVEY_CALL GetRectXY(int16_t which, const survey_rect* rect, double* x, double* y) {
  const survey_rect r = *rect;
  switch (which) {
    case 1: *x = r.x1, *y = r.y2; break;
    case 2: *x = r.x2, *y = r.y2; break;
    case 3: *x = r.x2, *y = r.y1; break;
    case 4: *x = r.x1, *y = r.y1; break;
    case 5: *x = (r.x1 + r.x2) * 0.5, *y = (r.y1 + r.y2) * 0.5; break;
    default: break;
  }
}

double SURVEY_CALL rect_extent(const survey_rect* rect, double* w, double* h) {
  const double ww = rect->x2 - rect->x1;
  const double hh = rect->y2 - rect->y1;
  *w = ww;
  *h = hh;
  return ww * hh;
}

int16_t SURVEY_CALL zah_cmpR(const survey_point* p, const survey_rect* rect) {
  return zah_cmp(p->x, p->y, rect->x1, rect->y1, rect->x2, rect->y2);
}

void SURVEY_CALL topointsxys(int32_t n, const double* xs, const double* ys, survey_point* points) {
  for (int32_t i = 0; i < n; ++i) topoint(&points[i], xs[i], ys[i]);
}

void SURVEY_CALL points2xys(int32_t n, const survey_point* points, double* xs, double* ys) {
  for (int32_t i = 0; i < n; ++i) point2xy(&points[i], &xs[i], &ys[i]);
}

void SURVEY_CALL dmat_pt(int16_t n, const double* xs, const double* ys, int16_t closed, survey_point* points) {
  if (closed != 0 && closed != -1) return;
  topointsxys(n, xs, ys, points);
  if (closed == -1 && n > 0) topoint(&points[n], xs[0], ys[0]);
}

void SURVEY_CALL dmat_xy(int16_t n, const survey_point* points, double* xs, double* ys) {
  points2xys(n, points, xs, ys);
}

void SURVEY_CALL topoly(int32_t n, const double* xs, const double* ys, survey_line* lines) {
  for (int32_t i = 0; i < n; ++i) {
    const int32_t j = (i + 1 < n) ? i + 1 : 0;
    torect(&lines[i], xs[i], ys[i], xs[j], ys[j]);
  }
}

void SURVEY_CALL poly2xy(int32_t n, const survey_line* lines, double* xs, double* ys) {
  for (int32_t i = 0; i < n; ++i) {
    xs[i] = lines[i].x1;
    ys[i] = lines[i].y1;
  }
}

void SURVEY_CALL point_swap(survey_line* line) {
  const survey_line l = *line;
  torect(line, l.x2, l.y2, l.x1, l.y1);
}

void SURVEY_CALL line_swap(survey_line* a, survey_line* b) {
  const survey_line t = *a;
  *a = *b;
  *b = t;
}

double SURVEY_CALL p_dist(const survey_point* p, const survey_point* q) { return dist(p->x, p->y, q->x, q->y); }

double SURVEY_CALL p_ang(const survey_point* p, const survey_point* q) { return ang(p->x, p->y, q->x, q->y); }

int16_t SURVEY_CALL p_eqE(const survey_point* p, const survey_point* q, double tol) {
  return p_dist(p, q) <= tol ? 1 : 0;
}

double SURVEY_CALL l_dist(const survey_line* line) { return dist(line->x1, line->y1, line->x2, line->y2); }

double SURVEY_CALL l_ang(const survey_line* line) { return ang(line->x1, line->y1, line->x2, line->y2); }

double SURVEY_CALL l_getvect(const survey_line* line, double* vx, double* vy) {
  const survey_line l = *line;
  return get_vect2(l.x1, l.y1, l.x2, l.y2, vx, vy);
}

void SURVEY_CALL get_lineL(const survey_line* line, double* mx, double* my, double* vx, double* vy, double* t) {
  const survey_line l = *line;
  get_line(l.x1, l.y1, l.x2, l.y2, mx, my, vx, vy, t);
}

void SURVEY_CALL line_hoteiL(const survey_line* line, double* a, double* b, double* c) {
  const survey_line l = *line;
  line_hotei(l.x1, l.y1, l.x2, l.y2, a, b, c);
}

int16_t SURVEY_CALL point_linein(const survey_line* line, const survey_point* p) {
  const double xlo = dMin(line->x1, line->x2) - kBoxMargin, xhi = dMax(line->x1, line->x2) + kBoxMargin;
  const double ylo = dMin(line->y1, line->y2) - kBoxMargin, yhi = dMax(line->y1, line->y2) + kBoxMargin;
  return (xlo <= p->x && p->x <= xhi && ylo <= p->y && p->y <= yhi) ? 1 : 0;
}

int16_t SURVEY_CALL line_joint(const survey_line* a, const survey_line* b, double tol) {
  const bool s_s = ends_meet(a->x1, a->y1, b->x1, b->y1, tol);
  const bool s_e = ends_meet(a->x1, a->y1, b->x2, b->y2, tol);
  int16_t r = s_s ? 1 : 0;
  if (s_e) r = s_s ? 3 : 2;
  if (ends_meet(a->x2, a->y2, b->x1, b->y1, tol)) r += 3;
  if (ends_meet(a->x2, a->y2, b->x2, b->y2, tol)) r += 4;
  if (r == 5 && s_e) r = 6;
  return r;
}

}  // extern "C"
