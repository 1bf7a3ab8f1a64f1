#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <thread>

#include "survey/survey.h"

namespace {

std::string take(BSTR b) {
  std::string s(reinterpret_cast<const char*>(b), SysStringByteLen(b));
  SysFreeString(b);
  return s;
}

TEST(NumberRule, Values) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double v;
    const char* text;
  } cases[] = {
      {1, "1"},
      {0.5, "0.5"},
      {-12.25, "-12.25"},
      {1234567.891, "1234567.891"},
      {0.1, "0.1"},
      {123456789012345, "123456789012345"},
      {1.0 / 3, "0.333333333333333"},
      {0.05, "5.e-002"},
      {1e15, "1.e+015"},
      {0.09999999999999999, "0.1"},
      {999999999999999.4, "999999999999999"},
      {999999999999999.6, "1.e+015"},
      {-0.0, "0"},
      {0.0, "0"},
      {-1.5e-7, "-1.5e-007"},
      {1.25e100, "1.25e+100"},
      {1e-300, "1.e-300"},
      {5e-324, "4.94065645841247e-324"},
      {std::numeric_limits<double>::max(), "1.79769313486232e+308"},
      {2.0 / 3 * 1e20, "6.66666666666667e+019"},
      {10.5, "10.5"},
      {100, "100"},
      {inf, "INF"},
      {-inf, "-INF"},
      {std::nan(""), "NaN"},
      {-std::nan(""), "NaN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_STREQ(D_f2a(c.v), c.text);
  }
}

// The text reads back as the correctly rounded 15 digits, and is plain exactly for
// rounded magnitudes from 0.1 to below 1e15.
TEST(NumberRule, RandomDoublesReadBackAsRounded) {
  std::mt19937_64 gen(20261207);
  std::uniform_real_distribution<double> mag(-20, 20);
  char ref[64];
  for (int i = 0; i < 100000; ++i) {
    double v;
    if (i % 2 == 0) {
      const uint64_t bits = gen();
      std::memcpy(&v, &bits, sizeof v);
      if (!std::isfinite(v)) continue;
    } else {
      v = std::pow(10.0, mag(gen)) * ((gen() & 1) ? -1 : 1);
    }
    std::snprintf(ref, sizeof ref, "%.14e", v);
    const double r = std::strtod(ref, nullptr);
    const std::string t = D_f2a(v);
    ASSERT_EQ(std::strtod(t.c_str(), nullptr), r) << v << " " << t;
    const bool plain = t.find('e') == std::string::npos;
    ASSERT_EQ(plain, std::fabs(r) >= 0.1 && std::fabs(r) < 1e15) << t;
    if (plain) {
      ASSERT_NE(t.back(), '.') << t;
      if (t.find('.') != std::string::npos) {
        ASSERT_NE(t.back(), '0') << t;
      }
    } else {
      const auto e = t.find('e');
      ASSERT_NE(t.find('.'), std::string::npos) << t;
      ASSERT_NE(t[e - 1], '0') << t;
      ASSERT_GE(t.size() - e, 5u) << t;  // e, sign, three digits at least
    }
  }
}

TEST(Script, Texts) {
  const char* name = "Road";
  const char* colour = "red";
  const char* just = "MC";
  const char* text = "\x93\xB9\x98\x48";  // Shift_JIS
  const char* none = nullptr;
  const double xs[] = {1, 2.5, -3}, ys[] = {4, 0.05, 6};
  struct Case {
    const char* what;
    std::function<BSTR()> make;
    std::string bytes;
  } cases[] = {
      {"ZOOME", [] { return A_ZOOME(); }, "Zoom E"},
      {"CrtLayer", [&] { return A_CrtLayer(&name, &colour); }, "-layer n Road C red Road "},
      {"CrtLayer null", [&] { return A_CrtLayer(&none, nullptr); }, "-layer n  C   "},
      {"ChgLayer", [&] { return A_ChgLayer(&name); }, "Clayer Road"},
      {"CrtXY", [] { return A_CrtXY(-0.5, 1e20); }, "-0.5,1.e+020"},
      {"LineTO", [] { return A_LineTO(0, 0, 10.5, -2); }, "Line 0,0 10.5,-2 "},
      {"RectDR", [] { return A_RectDR(1, 2, 3, 4); }, "Rectang 1,2 3,4"},
      {"TriAngDR", [] { return A_TriAngDR(1, 2, 3, 4); }, "Line 1,2 4,2 \rLine 4,2 4,6 \rLine 4,6 1,2 "},
      {"PlineDR 0", [] { return A_PlineDR(0, nullptr, nullptr); }, "Pline\r"},
      {"PlineDR -1", [] { return A_PlineDR(-1, nullptr, nullptr); }, "Pline\r"},
      {"PlineDR 3", [&] { return A_PlineDR(3, xs, ys); }, "Pline\r1,4\r2.5,5.e-002\r-3,6\r"},
      {"CircleDR", [] { return A_CircleDR(1, 2, 0.25); }, "Circle 1,2 0.25"},
      {"MojiDR", [&] { return A_MojiDR(&just, 1, 2, 2.5, 90, &text); },
       std::string("Text J MC 1,2 2.5 90 ") + text},
      {"ColorBylayer", [] { return A_ColorBylayer(); }, "Chprop All  C ByLayer "},
      {"InitStyle", [] { return A_InitStyle(); }, "-Style Standard\rBigfont.Shx\r0 1 0 N N N"},
      {"Osnap 5", [] { return A_Osnap(5); }, "Osmode 39"},
      {"Osnap -1", [] { return A_Osnap(-1); }, "Osmode 39"},
      {"Osnap 0", [] { return A_Osnap(0); }, "Osmode 0"},
      {"FinalScript", [] { return A_FinalScript(); }, "Zoom E\r\nFILEDIA 1\r\nOsmode 39"},
      {"UcsMove", [] { return A_UcsMove(); }, "Ucs M @"},
      {"UcsPre", [] { return A_UcsPre(); }, "Ucs P"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(take(c.make()), c.bytes);
  }
  EXPECT_STREQ(D_LineTO(0, 0, 10.5, -2), "Line 0,0 10.5,-2 ");
  EXPECT_STREQ(D_CrtXY(1e-5, 0.1), "1.e-005,0.1");
}

// Each plain-text result stays in its own buffer per thread: other functions of
// the library and other threads leave it alone.
TEST(Script, PlainTextBuffersPerFunctionAndThread) {
  const char* f = D_f2a(1.5);
  const char* xy = D_CrtXY(1, 2);
  const char* line = D_LineTO(1, 2, 3, 4);
  take(A_LineTO(7, 8, 9, 10));
  take(A_TriAngDR(1, 1, 1, 1));
  take(A_CrtXY(5, 6));
  double v[] = {9.75};
  take(JoinX(1, v, nullptr));
  std::thread([] {
    EXPECT_STREQ(D_f2a(-7), "-7");
    EXPECT_STREQ(D_CrtXY(8, 9), "8,9");
    EXPECT_STREQ(D_LineTO(0, 0, 0, 0), "Line 0,0 0,0 ");
  }).join();
  EXPECT_STREQ(f, "1.5");
  EXPECT_STREQ(xy, "1,2");
  EXPECT_STREQ(line, "Line 1,2 3,4 ");
  EXPECT_EQ(D_f2a(2), f);  // the same buffer, refilled by the next call
  EXPECT_STREQ(f, "2");
}

}  // namespace
