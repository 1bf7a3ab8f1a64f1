#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "survey/survey.h"

namespace {

std::string take(BSTR b) {
  std::string s(reinterpret_cast<const char*>(b), SysStringByteLen(b));
  SysFreeString(b);
  return s;
}

// Shift_JIS characters whose second byte is an ASCII letter, "\", "|" or "@".
#define A_ "\x83\x41"     // ア
#define I_ "\x83\x43"     // イ
#define U_ "\x83\x45"     // ウ
#define E_ "\x83\x47"     // エ
#define O_ "\x83\x49"     // オ
#define TE "\x83\x65"     // テ
#define SU "\x83\x58"     // ス
#define TO "\x83\x67"     // ト
#define SO "\x83\x5C"     // ソ
#define HYO "\x95\x5C"    // 表
#define PO "\x83\x7C"     // ポ
#define IN "\x89\x40"     // 院
#define WSP "\x81\x40"    // full-width space
#define SHIMIN "\x8E\x73\x96\xAF\x95\x61"  // 市民病

// The tokenisers split and overwrite exactly as strtok does.
TEST(Text, TokenisersMatchStrtok) {
  std::mt19937 gen(17);
  const char alphabet[] = "12.,; -a+";
  const char* delims[] = {",", ", ", ";,", " ", ""};
  for (int round = 0; round < 5000; ++round) {
    std::string s(gen() % 24, ' ');
    for (char& c : s) c = alphabet[gen() % (sizeof alphabet - 1)];
    const char* delim = delims[round % 5];
    std::string ref = s, ours = s;
    std::vector<int32_t> want;
    char* save = nullptr;
    for (char* t = strtok_r(ref.data(), delim, &save); t != nullptr; t = strtok_r(nullptr, delim, &save))
      want.push_back(static_cast<int32_t>(std::strtol(t, nullptr, 10)));
    std::vector<int32_t> got(32, 99);
    const int16_t n = dev_tok(ours.data(), delim, got.data());
    ASSERT_EQ(n, static_cast<int16_t>(want.size())) << s;
    got.resize(want.size());
    ASSERT_EQ(got, want) << s;
    ASSERT_EQ(ours, ref) << s;

    // SplitXY takes two tokens at ","; SplitXYZ three.
    std::string ref2 = s, ours2 = s;
    double xy[2] = {7, 7}, want2[2] = {0, 0};
    save = nullptr;
    for (int k = 0; k < 2; ++k) {
      char* t = strtok_r(k == 0 ? ref2.data() : nullptr, ",", &save);
      if (t == nullptr) break;
      want2[k] = std::strtod(t, nullptr);
    }
    SplitXY(&xy[0], &xy[1], ours2.data());
    ASSERT_EQ(ours2, ref2) << s;
    ASSERT_EQ(xy[0], want2[0]) << s;
    ASSERT_EQ(xy[1], want2[1]) << s;
  }
}

TEST(Text, TokeniserCases) {
  double d[8] = {};
  char a[] = "10,20,30,40";
  EXPECT_EQ(dev_tok2(a, ",", 2, d), 2);
  EXPECT_EQ(d[0], 30);
  EXPECT_EQ(d[1], 40);
  char b[] = "10,20,30,40";
  EXPECT_EQ(dev_tok2(b, ",", 0, d), 4);
  EXPECT_EQ(d[3], 40);
  char c[] = "1,2";
  EXPECT_EQ(dev_tok2(c, ",", -1, d), 0);
  EXPECT_STREQ(c, "1,2");  // untouched
  char e[] = ",,, ,";
  EXPECT_EQ(dev_tok2(e, ", ", 0, d), 0);
  EXPECT_EQ(dev_tok(e, ", ", nullptr), 0);
  EXPECT_EQ(dev_tok(nullptr, ",", nullptr), 0);
  char f[] = "1.5e3 x -2.25";
  EXPECT_EQ(dev_tok2(f, " ", 0, d), 3);
  EXPECT_EQ(d[0], 1500);
  EXPECT_EQ(d[1], 0);
  EXPECT_EQ(d[2], -2.25);
  int32_t l[4] = {};
  char g[] = "12.9|-7|99999999999";
  EXPECT_EQ(dev_tok(g, "|", l), 3);
  EXPECT_EQ(l[0], 12);
  EXPECT_EQ(l[1], -7);
  EXPECT_EQ(l[2], INT32_MAX);

  double x = 9, y = 9, z = 9;
  char s1[] = "1.5";
  SplitXY(&x, &y, s1);
  EXPECT_EQ(x, 1.5);
  EXPECT_EQ(y, 0);
  char s2[] = ",5";
  SplitXY(&x, &y, s2);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 0);
  char s3[] = "1,2,3,4";
  SplitXYZ(&x, &y, &z, s3);
  EXPECT_EQ(x + y * 10 + z * 100, 321);
  EXPECT_EQ(std::memcmp(s3, "1\0" "2\0" "3\0" "4", 8), 0);
  SplitXYZ(&x, &y, &z, nullptr);
  EXPECT_EQ(x + y + z, 0);
}

// Numbers read and written with "." whatever the process locale.
TEST(Text, NumbersIgnoreTheProcessLocale) {
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
    if ((found = std::setlocale(LC_ALL, name)) != nullptr) break;
  if (found == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed (de_DE, fr_FR)";
  double d[2] = {};
  char s[] = "1.5;2,5";
  const int16_t n = dev_tok2(s, ";", 0, d);
  const std::string text = take(JoinX(2, d, nullptr));
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(n, 2);
  EXPECT_EQ(d[0], 1.5);
  EXPECT_EQ(d[1], 2);
  EXPECT_EQ(text, "1.52");
}

// Double-byte characters are never split, matched by their second byte, or
// case-mapped; double-byte delimiters and trim characters match whole.
TEST(Text, ShiftJisCharactersStayWhole) {
  char up[] = A_ I_ U_ E_ O_ "ABC";
  up2low(up);
  EXPECT_STREQ(up, A_ I_ U_ E_ O_ "abc");
  char low[] = TE SU TO "xyz9";
  low2up(low);
  EXPECT_STREQ(low, TE SU TO "XYZ9");
  EXPECT_EQ(up2low(nullptr), 0);

  const char* sp = " " WSP;
  const char* hosp = SHIMIN IN;
  EXPECT_EQ(take(TrimR(&hosp, &sp)), SHIMIN IN);
  const char* hosp2 = WSP " " SHIMIN IN " " WSP WSP;
  EXPECT_EQ(take(TrimLR(&hosp2, &sp)), SHIMIN IN);
  const char* bs = "\\";
  const char* path = "C:\\" SO "\\";
  EXPECT_EQ(take(TrimR(&path, &bs)), "C:\\" SO);
  const char* path2 = "\\\\" SO;
  EXPECT_EQ(take(TrimL(&path2, &bs)), SO);

  double d[4] = {};
  char t1[] = "1" SO "\\2" HYO "\\3";
  EXPECT_EQ(dev_tok2(t1, "\\", 0, d), 3);
  char t2[] = "4" PO "|5|" PO;
  EXPECT_EQ(dev_tok2(t2, "|", 0, d), 3);  // "4ポ", "5", "ポ"
  EXPECT_EQ(d[1], 5);
  char t3[] = "7" WSP "8" WSP WSP "9";
  EXPECT_EQ(dev_tok2(t3, WSP, 0, d), 3);
  EXPECT_EQ(d[2], 9);
  EXPECT_EQ(std::memcmp(t3, "7\0\0" "8\0\0", 6), 0);  // both bytes of the delimiter

  EXPECT_EQ(sep_count(SO "\\" HYO "\\" PO "|", "\\"), 2);
  EXPECT_EQ(sep_count(SO "\\" HYO "\\" PO "|", "|x"), 1);
  EXPECT_EQ(sep_count("a" WSP "b" WSP, WSP), 2);
  EXPECT_EQ(sep_count("a@b" IN, "@"), 1);
  EXPECT_EQ(sep_count("abc", ""), 0);

  // A lead byte without a valid second byte is a character of its own.
  char lone[] = "\x83 a\x83";
  low2up(lone);
  EXPECT_STREQ(lone, "\x83 A\x83");
}

TEST(Text, FixedWidthRecord) {
  std::string rec(124, ' ');
  auto put = [&rec](std::size_t p, const std::string& v) { rec.replace(p + 10 - v.size(), v.size(), v); };
  put(20, "123456");
  put(30, "-1500");
  put(104, "199980");
  put(114, "1");
  double x[5], y[5];
  kfude2xy(rec.c_str(), x, y);
  EXPECT_EQ(x[0], 123.456);
  EXPECT_EQ(y[0], -1.5);
  EXPECT_EQ(x[4], 199.98000000000002);
  EXPECT_EQ(y[4], 0.001);
  EXPECT_EQ(x[1] + y[1] + x[2] + y[2] + x[3] + y[3], 0);

  // Fields touching each other are read on their own; short records end early.
  const std::string packed = std::string(20, '#') + "0000000012" + "0000000034" + "x" + "0000000056";
  kfude2xy(packed.c_str(), x, y);
  EXPECT_EQ(x[0], 0.012);
  EXPECT_EQ(y[0], 0.034);
  EXPECT_EQ(x[1], 0.056);
  EXPECT_EQ(y[1], 0);
  const struct {
    std::size_t len;
    double x0, y0;
  } shorts[] = {{0, 0, 0}, {20, 0, 0}, {25, 99999 * 0.001, 0}, {35, 9999999999 * 0.001, 99999 * 0.001}, {123, 9999999999 * 0.001, 9999999999 * 0.001}};
  for (const auto& c : shorts) {
    SCOPED_TRACE(c.len);
    // Allocated to the exact length, so reading past the NUL would show under ASan.
    const std::string nines(c.len, '9');
    std::vector<char> buf(nines.begin(), nines.end());
    buf.push_back('\0');
    kfude2xy(buf.data(), x, y);
    EXPECT_EQ(x[0], c.x0);
    EXPECT_EQ(y[0], c.y0);
    EXPECT_EQ(y[4], c.len == 123 ? 999999999 * 0.001 : 0);  // 9 of its 10 characters
  }
  x[0] = 5;
  kfude2xy(nullptr, x, y);
  EXPECT_EQ(x[0], 0);
}

TEST(Text, BlanksJoinsTrimsAndCase) {
  EXPECT_EQ(fblanks("  a "), 2);
  EXPECT_EQ(rblanks("  a "), 1);
  EXPECT_EQ(fblanks(""), 0);
  EXPECT_EQ(rblanks(""), 0);
  EXPECT_EQ(fblanks("    "), 4);
  EXPECT_EQ(rblanks("    "), 4);
  EXPECT_EQ(rblanks(nullptr), 0);
  EXPECT_EQ(rblanks("a" WSP), 0);

  const double x[] = {1, 2}, y[] = {3, 4}, a[] = {0.05, -1e15, 1.0 / 3};
  const char *comma = ",", *semi = ";", *none = nullptr;
  EXPECT_EQ(take(JoinXY(2, x, y, &comma, &semi)), "1,3;2,4");
  EXPECT_EQ(take(JoinXY(1, x, y, &comma, &semi)), "1,3");
  EXPECT_EQ(take(JoinXY(0, x, y, &comma, &semi)), "");
  EXPECT_EQ(take(JoinXY(-5, x, y, &comma, &semi)), "");
  EXPECT_EQ(take(JoinXY(2, x, y, nullptr, &none)), "1324");
  EXPECT_EQ(take(JoinX(3, a, &semi)), "5.e-002;-1.e+015;0.333333333333333");

  const char* spaced = " a  b " WSP " ";
  EXPECT_EQ(take(compact(&spaced)), "ab" WSP);
  EXPECT_EQ(take(compact(nullptr)), "");
  const char *xx = "xxabcxx", *setx = "x", *allx = "xxxx", *empty = "";
  EXPECT_EQ(take(TrimLR(&xx, &setx)), "abc");
  EXPECT_EQ(take(TrimL(&xx, &setx)), "abcxx");
  EXPECT_EQ(take(TrimR(&xx, &setx)), "xxabc");
  EXPECT_EQ(take(TrimLR(&allx, &setx)), "");
  EXPECT_EQ(take(TrimR(&allx, &setx)), "");
  EXPECT_EQ(take(TrimL(&xx, &empty)), "xxabcxx");
  EXPECT_EQ(take(TrimLR(&xx, nullptr)), "xxabcxx");

  const std::string bytes("ab\0c" A_ "z\xE0", 8);
  BSTR in = SysAllocStringByteLen(bytes.data(), static_cast<uint32_t>(bytes.size()));
  EXPECT_EQ(take(UpperCaseByVal(in)), std::string("AB\0C" A_ "Z\xE0", 8));
  EXPECT_EQ(take(in), bytes);  // unchanged
  EXPECT_EQ(take(UpperCaseByVal(nullptr)), "");
}

}  // namespace
