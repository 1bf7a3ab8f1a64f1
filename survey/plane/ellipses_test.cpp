// Ellipses: ordinates, points by direction, line intersections and tangents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "hits_test.h"
#include "survey/survey.h"

namespace {

#include "conics_reference_test.inc"

using survey_test::expect_hits;
using survey_test::Hits;
using survey_test::kSentinel;

using WorkOn = void(SURVEY_CALL*)(double, double, double, double, double, double*, double*);

double on_ellipse(double xc, double yc, double a, double b, double x, double y) {
  return ((x - xc) / a) * ((x - xc) / a) + ((y - yc) / b) * ((y - yc) / b) - 1.0;
}

TEST(EllipseBasics, RatiosOrdinatesAndDirections) {
  EXPECT_EQ(EllipseRatio(4, 3), 0.25);
  EXPECT_NEAR(ShortRadius(6378137.0, 298.257222101), 6356752.314140356, 1e-6);
  // Bound only by its decorated name.
  auto work = reinterpret_cast<WorkOn>(survey_bind("_work_on@48"));
  ASSERT_NE(work, nullptr);
  EXPECT_EQ(survey_bind("work_on"), nullptr);
  double y1 = kSentinel, y2 = kSentinel;
  work(1, 2, 5, 3, 5, &y1, &y2);  // (x - xc)/a = 0.8: ordinates 2 +- 1.8
  EXPECT_NEAR(y1, 3.8, 1e-15);
  EXPECT_NEAR(y2, 0.2, 1e-15);
  double o1 = kSentinel, o2 = kSentinel;
  daen_on(1, 2, 5, 3, 1, 5, &o1, &o2);
  EXPECT_NEAR(o1, 3.8, 1e-15);
  daen_on(1, 2, 5, 3, 2, 2 + 2.4, &o1, &o2);  // abscissas at an ordinate
  EXPECT_NEAR(o1, 1 + 3.0, 1e-14);
  EXPECT_NEAR(o2, 1 - 3.0, 1e-14);
  double x = kSentinel, y = kSentinel;
  daen_on2(0, 0, 4, 2, 0, &x, &y);
  EXPECT_EQ(x, 4.0);
  EXPECT_EQ(y, 0.0);
  for (double t = 0.05; t < 6.3; t += 0.4) {
    daen_on2(1, -1, 4, 2, t, &x, &y);
    EXPECT_NEAR(on_ellipse(1, -1, 4, 2, x, y), 0.0, 1e-15);
    EXPECT_NEAR(std::atan2(y + 1, x - 1), std::remainder(t, 6.283185307179586), 1e-14);
  }
}

// Points within 1e-12 of the exact ones (coordinates below 10).
TEST(DaenSen, MatchesExactReference) {
  for (const auto& t : kEllipseLine) {
    SCOPED_TRACE(testing::Message() << t[4] << " " << t[5] << " " << t[6]);
    Hits h;
    daen_sen(t[0], t[1], t[2], t[3], t[4], t[5], t[6], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    expect_hits(h, t + 7, 1e-12);
  }
}

TEST(DaenSen, VerticalAndTouchingLines) {
  Hits h;  // x = 4 touches the ellipse (0, 0, 4, 2): n = 1, x2 = 0, y2 untouched
  daen_sen(0, 0, 4, 2, 1, 0, -4, &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
  EXPECT_EQ(h.n, 1);
  EXPECT_EQ(h.x1, 4.0);
  EXPECT_EQ(h.y1, 0.0);
  EXPECT_EQ(h.x2, 0.0);
  EXPECT_EQ(h.y2, kSentinel);
  Hits o;  // x = 5 beyond it: n = 0, both x written 0, y untouched
  daen_sen(0, 0, 4, 2, 1, 0, -5, &o.n, &o.x1, &o.y1, &o.x2, &o.y2);
  EXPECT_EQ(o.n, 0);
  EXPECT_EQ(o.x1, 0.0);
  EXPECT_EQ(o.x2, 0.0);
  EXPECT_EQ(o.y1, kSentinel);
  Hits s;  // y = 2 touches the top: n = 1 with the second x set to 0, y2 untouched
  daen_sen(0, 0, 4, 2, 0, 1, -2, &s.n, &s.x1, &s.y1, &s.x2, &s.y2);
  EXPECT_EQ(s.n, 1);
  EXPECT_EQ(s.x1, 0.0);
  EXPECT_EQ(s.y1, 2.0);
  EXPECT_EQ(s.x2, 0.0);
  EXPECT_EQ(s.y2, kSentinel);
}

TEST(SetuSlope, VerticalTangentsAndQuadratic) {
  int16_t n = 9;
  double p1 = kSentinel, q1 = kSentinel, p2 = kSentinel, q2 = kSentinel;
  for (double dx : {4.0, -4.0}) {  // P on x = xc +- a, above the axis
    setu_slope(1, 1, 4, 2, 1 + dx, 4, &n, &p1, &q1, &p2, &q2);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(p1, 0.0);
    EXPECT_EQ(q1, 1.0);
    EXPECT_EQ(p2, 1.0);
    EXPECT_EQ(q2, -(4.0 - 9.0) / (2 * dx * 3));
  }
  setu_slope(0, 0, 4, 2, 4, 0, &n, &p1, &q1, &p2, &q2);  // at the axis end
  EXPECT_EQ(n, 1);
  EXPECT_EQ(p2, 0.0);
  EXPECT_EQ(q2, 1.0);
  setu_slope(0, 0, 4, 2, 0, 4, &n, &p1, &q1, &p2, &q2);  // slopes +-sqrt(3)/2
  EXPECT_EQ(n, 2);
  EXPECT_EQ(p1, 1.0);
  EXPECT_NEAR(q1 * q1, 0.75, 1e-15);
  EXPECT_EQ(q1, -q2);
  setu_slope(0, 0, 4, 2, 1, 1, &n, &p1, &q1, &p2, &q2);  // inside
  EXPECT_EQ(n, 0);
}

// Tangent points within 1e-12 of the exact ones; each lies on the ellipse and its
// tangent line (from setu_hotei) passes through P and through the point.
TEST(DaenSetu, MatchesExactReferenceAndTouches) {
  for (const auto& t : kEllipseTangent) {
    SCOPED_TRACE(testing::Message() << t[4] << " " << t[5]);
    Hits h;
    daen_setu(t[0], t[1], t[2], t[3], t[4], t[5], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    expect_hits(h, t + 6, 1e-12);
    int16_t n = 9;
    double l[6] = {};
    setu_hotei(t[0], t[1], t[2], t[3], t[4], t[5], &n, &l[0], &l[1], &l[2], &l[3], &l[4], &l[5]);
    EXPECT_EQ(n, h.n);
    for (int k = 0; k < 2; ++k) {
      const double x = k ? h.x2 : h.x1, y = k ? h.y2 : h.y1;
      EXPECT_NEAR(on_ellipse(t[0], t[1], t[2], t[3], x, y), 0.0, 1e-14);
      EXPECT_NEAR(l[3 * k] * t[4] + l[3 * k + 1] * t[5] + l[3 * k + 2], 0.0, 1e-13);
      EXPECT_NEAR(l[3 * k] * x + l[3 * k + 1] * y + l[3 * k + 2], 0.0, 1e-13);
    }
  }
  // From inside: no tangent; setu_hotei writes n = 0 only.
  int16_t n = 9;
  double l[6] = {kSentinel, kSentinel, kSentinel, kSentinel, kSentinel, kSentinel};
  setu_hotei(0, 0, 4, 2, 1, 1, &n, &l[0], &l[1], &l[2], &l[3], &l[4], &l[5]);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(l[0], kSentinel);
  EXPECT_EQ(l[5], kSentinel);
}

// With p = a - b the abscissas are daen_setu's.
TEST(DaenSetu2, AgreesWithDaenSetu) {
  const double cases[][6] = {
      {0, 0, 4, 2, 6, 3}, {1, -2, 5, 3, -7, 4}, {0, 0, 3, 2, 0, 5}, {2, 1, 3, 1.5, 8, -4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c[4] << " " << c[5]);
    Hits h;
    daen_setu(c[0], c[1], c[2], c[3], c[4], c[5], &h.n, &h.x1, &h.y1, &h.x2, &h.y2);
    int16_t n = 9;
    double x1 = kSentinel, x2 = kSentinel;
    daen_setu2(c[0], c[1], c[2], c[2] - c[3], c[4], c[5], &n, &x1, &x2);
    EXPECT_EQ(n, h.n);
    EXPECT_NEAR(std::min(x1, x2), std::min(h.x1, h.x2), 1e-12);
    EXPECT_NEAR(std::max(x1, x2), std::max(h.x1, h.x2), 1e-12);
  }
  // p = a gives k = 0, replaced by 1: the circle of radius a.
  Hits c;
  daen_setu(0, 0, 4, 4, 3, 7, &c.n, &c.x1, &c.y1, &c.x2, &c.y2);
  int16_t n = 9;
  double x1 = kSentinel, x2 = kSentinel;
  daen_setu2(0, 0, 4, 4, 3, 7, &n, &x1, &x2);
  EXPECT_EQ(n, 2);
  EXPECT_NEAR(std::min(x1, x2), std::min(c.x1, c.x2), 1e-12);
  EXPECT_NEAR(std::max(x1, x2), std::max(c.x1, c.x2), 1e-12);
  daen_setu2(0, 0, 4, 2, 0.5, 0.5, &n, &x1, &x2);  // inside: n = 0, roots 0, no shift
  EXPECT_EQ(n, 0);
  EXPECT_EQ(x1, 0.0);
  daen_setu2(7, 0, 4, 2, 7.5, 0.5, &n, &x1, &x2);
  EXPECT_EQ(x1, 0.0);
}

// A value left by an earlier call never comes back as a fresh result.
TEST(DaenSetu2, PointAtTheCentreWritesNothing) {
  int16_t n = 0;
  double x1 = 0, x2 = 0;
  daen_setu2(3, 1, 4, 2, 9, 5, &n, &x1, &x2);  // an earlier call's results
  ASSERT_EQ(n, 2);
  const double e1 = x1, e2 = x2;
  daen_setu2(3, 1, 4, 2, 3, 1, &n, &x1, &x2);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(x1, e1);  // not shifted again
  EXPECT_EQ(x2, e2);
}

TEST(SetuHotei2, ParallelsTouchTheCircle) {
  double c1 = 0, c2 = 0;
  setu_hotei2(1, 2, 3, 3, 4, 99, &c1, &c2);  // c is not used
  EXPECT_EQ(c1, -11.0 + 15.0);
  EXPECT_EQ(c2, -11.0 - 15.0);
  for (double c : {c1, c2}) EXPECT_EQ(std::fabs(3 * 1 + 4 * 2 + c) / 5.0, 3.0);
}

}  // namespace
