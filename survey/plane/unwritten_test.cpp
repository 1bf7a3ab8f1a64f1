// Calls that must write nothing: every out-value keeps the caller's sentinel, so a
// value left by an earlier call is never taken for a fresh result.
#include <gtest/gtest.h>

#include "hits_test.h"
#include "survey/survey.h"

namespace {

using survey_test::kSentinel;

struct Case {
  const char* what;
  void (*call)(int16_t* n, double* o);  // o has 8 slots
};

const double kLine3[3] = {1, 2, 3}, kZero3[3] = {0, 0, 0};
const double kTwinX[3] = {1, 1, 4}, kTwinY[3] = {2, 2, 5};  // the first two coincide

const Case kCases[] = {
    {"kai_kousiki A = 0", [](int16_t* n, double* o) { kai_kousiki(0, 2, 1, n, o, o + 1); }},
    {"rad_3point collinear", [](int16_t*, double* o) { rad_3point(kLine3, kZero3, o, o + 1, o + 2); }},
    {"rad_3point on x = 0", [](int16_t*, double* o) { rad_3point(kZero3, kLine3, o, o + 1, o + 2); }},
    {"rad_3point diagonal", [](int16_t*, double* o) { rad_3point(kLine3, kLine3, o, o + 1, o + 2); }},
    {"rad_3point twin points", [](int16_t*, double* o) { rad_3point(kTwinX, kTwinY, o, o + 1, o + 2); }},
    {"rad_org one point", [](int16_t*, double* o) { rad_org(kZero3, kZero3, o, o + 1, o + 2); }},
    {"rad_org collinear", [](int16_t*, double* o) { rad_org(kLine3, kLine3, o, o + 1, o + 2); }},
    {"rad_2pointr R < d/2", [](int16_t*, double* o) { rad_2pointr(0, 0, 2, 0, 0.99, o, o + 1, o + 2, o + 3); }},
    {"rad_2pointr P1 = P2", [](int16_t*, double* o) { rad_2pointr(3, 3, 3, 3, 5, o, o + 1, o + 2, o + 3); }},
    {"apollo_circle m = n", [](int16_t*, double* o) { apollo_circle(0, 0, 6, 0, 1, 1, o, o + 1, o + 2); }},
    {"apollo_circle m = 0", [](int16_t*, double* o) { apollo_circle(0, 0, 6, 0, 0, 1, o, o + 1, o + 2); }},
    {"naibun2 m = n = 0", [](int16_t*, double* o) { naibun2(0, 0, 6, 3, 0, 0, o, o + 1); }},
    {"naibun2 m = n < 0", [](int16_t*, double* o) { naibun2(0, 0, 6, 3, -1, -1, o, o + 1); }},
    {"center_var theta > pi", [](int16_t*, double* o) { center_var(2, 3.2, o, o + 1, o + 2); }},
    {"center_var theta < 0", [](int16_t*, double* o) { center_var(2, -0.1, o, o + 1, o + 2); }},
    {"len2ang1 theta = 0", [](int16_t*, double* o) { len2ang1(3, 4, 0, o, o + 1, o + 2); }},
    {"len1ang2 alpha = 0", [](int16_t*, double* o) { len1ang2(5, 0, 1, o, o + 1, o + 2); }},
    {"zah_len3 flat", [](int16_t*, double* o) { zah_len3(1, 1, 2, 0, 0, o, o + 1, o + 2, o + 3); }},
    {"zah_len3 zero side", [](int16_t*, double* o) { zah_len3(0, 1, 1, 0, 0, o, o + 1, o + 2, o + 3); }},
    {"daen_on a = 0", [](int16_t*, double* o) { daen_on(1, 2, 0, 3, 1, 2, o, o + 1); }},
    {"daen_on mode 3", [](int16_t*, double* o) { daen_on(1, 2, 5, 3, 3, 2, o, o + 1); }},
    {"daen_on beyond", [](int16_t*, double* o) { daen_on(1, 2, 5, 3, 1, 6.5, o, o + 1); }},
    {"daen_on2 b = 0", [](int16_t*, double* o) { daen_on2(0, 0, 4, 0, 1, o, o + 1); }},
    {"daen_sen no line",
     [](int16_t* n, double* o) { daen_sen(0, 0, 4, 2, 0, 0, 1, n, o, o + 1, o + 2, o + 3); }},
    {"daen_sen a = 0",
     [](int16_t* n, double* o) { daen_sen(0, 0, 0, 2, 1, 1, 1, n, o, o + 1, o + 2, o + 3); }},
    {"setu_slope b = 0",
     [](int16_t* n, double* o) { setu_slope(0, 0, 4, 0, 1, 1, n, o, o + 1, o + 2, o + 3); }},
    {"setu_hotei a = 0",
     [](int16_t* n, double* o) { setu_hotei(0, 0, 0, 2, 5, 5, n, o, o + 1, o + 2, o + 3, o + 4, o + 5); }},
    {"daen_setu inside",
     [](int16_t* n, double* o) { daen_setu(0, 0, 4, 2, 1, 1, n, o, o + 1, o + 2, o + 3); }},
    {"daen_setu b = 0",
     [](int16_t* n, double* o) { daen_setu(0, 0, 4, 0, 5, 5, n, o, o + 1, o + 2, o + 3); }},
    {"daen_setu2 P at centre", [](int16_t* n, double* o) { daen_setu2(3, 1, 4, 2, 3, 1, n, o, o + 1); }},
    {"daen_setu2 a = 0", [](int16_t* n, double* o) { daen_setu2(3, 1, 0, 2, 9, 5, n, o, o + 1); }},
    {"daen_setu2 p = 0", [](int16_t* n, double* o) { daen_setu2(3, 1, 4, 0, 9, 5, n, o, o + 1); }},
    {"apex2 p = 0", [](int16_t*, double* o) { apex2(0, 1, 1, o, o + 1); }},
    {"houbutu_sen p = 0",
     [](int16_t* n, double* o) { houbutu_sen(0, 1, 1, 1, 1, -4, n, o, o + 1, o + 2, o + 3); }},
    {"houbutu_setu p = 0",
     [](int16_t* n, double* o) { houbutu_setu(0, 1, 1, 0, 5, n, o, o + 1, o + 2, o + 3); }},
    {"houbutu_hotei p = 0",
     [](int16_t* n, double* o) { houbutu_hotei(0, 1, 1, 0, 5, n, o, o + 1, o + 2, o + 3); }},
    {"line_fixdist2 side 0",
     [](int16_t*, double* o) { line_fixdist2(0, 0, 10, 0, 2, 0, o, o + 1, o + 2, o + 3); }},
    {"line_fixdist2 side 2",
     [](int16_t*, double* o) { line_fixdist2(0, 0, 10, 0, 2, 2, o, o + 1, o + 2, o + 3); }},
};

TEST(NothingWritten, SentinelsSurvive) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    int16_t n = 9;
    double o[8];
    for (double& v : o) v = kSentinel;
    c.call(&n, o);
    EXPECT_EQ(n, 9);
    for (double v : o) EXPECT_EQ(v, kSentinel);
  }
}

}  // namespace
