#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "common/host.hpp"
#include "common/paths.hpp"
#include "common/text.hpp"

namespace conv {
namespace {

TEST(NumberText, FifteenSignificantDigitsWithoutLeadingZero) {
  struct Case {
    double v;
    const char* text;
  } cases[] = {
      {200, "200"},
      {-12345.678, "-12345.678"},
      {0.5, ".5"},
      {-0.25, "-.25"},
      {-0.75, "-.75"},
      {0, "0"},
      {-0.0, "0"},
      {1e99, "1E+99"},
      {-1e99, "-1E+99"},
      {100.5, "100.5"},
      {210.25, "210.25"},
      {9999999999999.0, "9999999999999"},
      {-9999999999999.0, "-9999999999999"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {0.1 + 0.2, ".3"},
      {-36512.1234567, "-36512.1234567"},
      {1e-5, "1E-05"},
      {0.0001, ".0001"},
      {1.5e-7, "1.5E-07"},
      {1, "1"},
      {-1, "-1"},
      {2147483647, "2147483647"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(number_text(c.v), c.text);
  }
}

TEST(LeadingNumber, TheLongestLeadingDecimalNumber) {
  struct Case {
    const char* field;
    double v;
  } cases[] = {
      {"123", 123},        {"  12.5", 12.5},     {"1 2 3", 123},    {"\t-4\t5", -45},   {"- 7", -7},
      {"+8", 8},           {"abc", 0},           {"", 0},           {".", 0},           {"-", 0},
      {".5", 0.5},         {"3.", 3},            {"1.2.3", 1.2},    {"12abc", 12},      {"1e3", 1000},
      {"1E+3x", 1000},     {"2.5e-1", 0.25},     {"1e", 1},         {"1e+", 1},         {"7D2", 700},
      {"1 e 2", 100},      {"0012", 12},         {"1e-400", 0},     {"-0", -0.0},       {"5,6", 5},
      {"-12345.678", -12345.678},                {"36512.1234", 36512.1234},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    EXPECT_EQ(leading_number(c.field), c.v);
  }
  const std::string many_digits(400, '9');
  EXPECT_THROW(leading_number(many_digits), RuntimeFailure);  // 400 digits overflow a double
  EXPECT_EQ(leading_number(std::string(100, '1') + "e-100"), leading_number(std::string("0.") + std::string(100, '1')));
  try {
    leading_number("1e400");
    FAIL();
  } catch (const RuntimeFailure& f) {
    EXPECT_EQ(f.number(), 6);
  }
}

TEST(Rounding, HalvesToEven) {
  struct Case {
    double v;
    int expected;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {32767.4, 32767}, {-32768.5, -32768}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.v);
    EXPECT_EQ(round_to_int16(c.v), c.expected);
    EXPECT_EQ(round_to_int32(c.v), c.expected);
  }
  for (double bad : {32767.5, -32769.0, std::numeric_limits<double>::quiet_NaN()}) EXPECT_THROW(round_to_int16(bad), RuntimeFailure);
  EXPECT_EQ(round_to_int32(32767.5), 32768);
  EXPECT_THROW(round_to_int32(2147483647.5), RuntimeFailure);
}

TEST(Cp932, RoundTripAndReplacement) {
  Cp932 codec;
  const std::string sjis = "\x92\x6e\x94\xd4 12-3";  // 地番 12-3
  const std::string utf8 = codec.to_utf8(sjis);
  EXPECT_EQ(utf8, "地番 12-3");
  EXPECT_EQ(codec.to_cp932(utf8), sjis);
  EXPECT_EQ(codec.to_cp932("a\xF0\x9F\x98\x80" "b"), "a?b");   // an emoji has no code-page-932 form
  EXPECT_EQ(codec.to_cp932("\xC3\xA9t\xC3\xA9"), "?t?");        // nor é
  EXPECT_EQ(codec.to_utf8("x\x81"), "x?");                      // a lead byte without its trail byte
  EXPECT_EQ(codec.to_utf8("\xA0z"), "?z");                      // a byte that is no character
  EXPECT_EQ(codec.to_cp932("ｶﾀｶﾅ"), "\xB6\xC0\xB6\xC5");        // half-width katakana stay single bytes
  std::string big(100000, 'a');
  big += "漢";
  EXPECT_EQ(codec.to_cp932(big).size(), 100002u);
}

TEST(Cp932, EncodingInPlaceMatchesACopy) {
  Cp932 codec;
  const std::string long_ascii(5000, 'a');
  const std::string cases[] = {
      "",
      "plain ASCII text of some length, more than eight bytes",
      "地番",
      "<Name>本町1-2</Name> then ASCII after the first shrink, 0123456789",
      "ｱｲｳ half-width katakana: three UTF-8 bytes, one in code page 932",
      "\xce\xb1\xce\xb2 Greek, two bytes each way",
      "outside: \xf0\x9f\x98\x80 \xe2\x82\xac invalid: \xff\xfe end",
      long_ascii + "東" + long_ascii + "京",
  };
  for (const std::string& utf8 : cases) {
    SCOPED_TRACE(utf8.substr(0, 40));
    std::string text = utf8;
    codec.encode_in_place(text);
    EXPECT_EQ(text, codec.to_cp932(utf8));
  }
}

TEST(XmlEscape, EveryMarkupCharacter) {
  std::string out;
  append_xml_escaped(out, "a&b<c>d\"e'f");
  EXPECT_EQ(out, "a&amp;b&lt;c&gt;d&quot;e&apos;f");
  out.clear();
  append_xml_escaped(out, "plain 地番");
  EXPECT_EQ(out, "plain 地番");
}

TEST(Paths, OutputProposalAndCategory) {
  const std::string s(1, kSeparator);
  struct Case {
    std::string folder, input, proposal;
  } cases[] = {
      {s + "survey", s + "survey" + s + "lot.sim", s + "survey" + s + "lot.XML"},
      {s + "survey", s + "x" + s + "a.b.sim", s + "survey" + s + "a.XML"},
      {s + "out" + s, "plain", s + "out" + s + "XML"},
      {s, s + "top.sim", s + "top.XML"},
      {"", "town.sim", "town.XML"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(output_proposal(c.folder, c.input), c.proposal);
  }
  EXPECT_EQ(category_of(s + "data" + s + "town12.sim"), "town12");
  EXPECT_EQ(category_of("a.b.sim"), "a.b");
  EXPECT_EQ(category_of(".sim"), "");
  EXPECT_THROW(category_of(s + "x.y" + s + "noext"), RuntimeFailure);
  EXPECT_EQ(folder_of(s + "a.sim"), s);
  EXPECT_EQ(folder_of("a.sim"), "");
  EXPECT_EQ(last_component(s + "d" + s + "a.sim"), "a.sim");
}

}  // namespace
}  // namespace conv

namespace conv {
namespace {

// The fast layout of survey-sized numbers against printf's "%.15G" itself.
TEST(NumberText, AgreesWithPrintfOverManyValues) {
  std::uint64_t state = 88172645463325252ull;
  auto next = [&] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  auto printf_form = [](double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    std::string s = buf;
    const auto at = s.find("0.");
    if (at == 0 || (at == 1 && s[0] == '-')) s.erase(at, 1);
    return s == "-0" ? std::string("0") : s;
  };
  for (int i = 0; i < 300000; ++i) {
    double v;
    switch (i % 4) {
      case 0:  // a survey coordinate with up to 6 decimals
        v = static_cast<double>(static_cast<std::int64_t>(next() % 20000000000ull) - 10000000000ll) /
            std::pow(10.0, static_cast<double>(next() % 7));
        break;
      case 1:  // any bit pattern that is a finite double
        do {
          std::uint64_t bits = next();
          std::memcpy(&v, &bits, sizeof v);
        } while (!std::isfinite(v));
        break;
      case 2:  // a value with noise in the last digits
        v = (static_cast<double>(next() % 1000000) / 7.0) * ((next() & 1) ? 1 : -1);
        break;
      default:  // around the switch points of the layout
        v = std::pow(10.0, static_cast<double>(static_cast<int>(next() % 40) - 20)) *
            (1.0 + static_cast<double>(next() % 1000) / 1000.0);
    }
    ASSERT_EQ(number_text(v), printf_form(v)) << std::hexfloat << v;
  }
}

}  // namespace
}  // namespace conv
