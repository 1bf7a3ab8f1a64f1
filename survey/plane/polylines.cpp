// Crossings of line records with a line; segments chained into a polyline.
#include "polylines.h"

#include "../basics/helpers.h"
#include "intersections.h"
#include "records.h"

namespace {

constexpr int16_t kEndToStart = 3;  // line_joint: end of one record at the start of the next
constexpr int16_t kEndToEnd = 4;    // line_joint: the next record runs the other way

// Crossing of record r with the line (a, b, c) into p; false when the record's
// own normal is exactly (a, b): a parallel line has no crossing, and the parallel
// rule's (0, 0) must not pass for one.
bool crossing(const survey_line& r, double a, double b, double c, survey_point* p) {
  double ra = 0.0, rb = 0.0, rc = 0.0;
  line_hoteiL(&r, &ra, &rb, &rc);
  if (ra == a && rb == b) return false;
  line_kouten1(ra, rb, rc, a, b, c, &p->x, &p->y);
  return true;
}

bool same_point(const survey_point& p, const survey_point& q) {
  // Point and complex records share their layout.
  return c_eq(reinterpret_cast<const survey_complex*>(&p), reinterpret_cast<const survey_complex*>(&q)) != 0;
}

}  // namespace

extern "C" {

survey_point* SURVEY_CALL line_koutenL(survey_point* result, const survey_line* a, const survey_line* b) {
  const survey_line la = *a, lb = *b;
  double x = 0.0, y = 0.0;
  line_kouten2(la.x1, la.y1, la.x2, la.y2, lb.x1, lb.y1, lb.x2, lb.y2, &x, &y);
  return topoint(result, x, y);
}

int16_t SURVEY_CALL polyline_kou(int16_t n, const survey_line* lines, const survey_line* l, survey_point* points) {
  double a = 0.0, b = 0.0, c = 0.0;
  line_hoteiL(l, &a, &b, &c);
  int16_t count = 0;
  for (int i = 0; i < n; ++i) {
    survey_point p{};
    if (crossing(lines[i], a, b, c, &p) && point_linein(&lines[i], &p) != 0 && point_linein(l, &p) != 0)
      points[count++] = p;
  }
  return count;
}

int16_t SURVEY_CALL polyline_kou2(int16_t n, const survey_line* lines, double a, double b, double c,
                                  survey_point* points) {
  int16_t count = 0;
  for (int i = 0; i < n; ++i) {
    survey_point p{};
    if (crossing(lines[i], a, b, c, &p) && point_linein(&lines[i], &p) != 0) points[count++] = p;
  }
  return count;
}

// Greedy chaining: after record i, the first later record that starts (or, turned,
// starts) where record i ends is moved to the next place of the chain.
int16_t SURVEY_CALL line2polyline(int16_t n, double tol, survey_line* lines, survey_point* points) {
  if (n < 3) return 0;
  int count = 1;
  lineCPpoint(&points[0], 1, &lines[0]);
  for (int i = 0; i + 1 < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      const int16_t r = line_joint(&lines[i], &lines[j], tol);
      if (r != kEndToStart && r != kEndToEnd) continue;
      if (r == kEndToEnd) point_swap(&lines[j]);
      lineCPpoint(&points[count], 1, &lines[j]);
      ++count;
      line_swap(&lines[j], &lines[count - 1]);
      break;
    }
  }
  survey_point first{}, end{};
  lineCPpoint(&first, 1, &lines[0]);
  lineCPpoint(&end, 2, &lines[count - 1]);
  ++count;
  points[count - 1] = same_point(first, end) ? first : end;
  return static_cast<int16_t>(count);
}

}  // extern "C"
