#include "sima/sima.hpp"

#include <gtest/gtest.h>

#include <string>

#include "common/recording_host.hpp"
#include "common/survey_binding.hpp"
#include "common/test_support.hpp"

namespace conv {
namespace {

struct Result {
  Outcome outcome;
  RecordingHost host;
  std::string output;  // bytes of the output file afterwards
};

class Sima : public testing::Test {
 protected:
  Result convert(const std::string& sima, bool xy = true, const std::string& name = "town.sim",
              const std::string& library = SurveyLibrary::default_name()) {
    Request req{dir_.write(name, sima), dir_.file("out.XML"), xy};
    Result run;
    SurveyLibrary lib(library);
    run.outcome = convert_sima(req, run.host, lib);
    run.output = test::slurp(req.output);
    return run;
  }
  // The second line of a document: everything after the XML declaration.
  static std::string body(const std::string& doc) {
    const auto at = doc.find("\r\n");
    return at == std::string::npos ? doc : doc.substr(at + 2);
  }
  // The LinearRing coordinates of feature i (0-based).
  static std::string ring(const std::string& doc, int i) {
    std::size_t at = 0;
    for (int k = 0; k <= i; ++k) at = doc.find("<LinearRing>", at) + 1;
    const auto from = doc.find('>', doc.find("<Coordinates", at)) + 1;
    return doc.substr(from, doc.find("</Coordinates>", from) - from);
  }
  test::ScratchDir dir_;
};

const char* kTown =
    "G00,01,town\r\n"
    "D00,1, 12-3 ,1,\r\n"
    "B01,1,\r\nB01,2,\r\nB01,3,\r\n"
    "D99,\r\n"
    "A01,1,P1,200,100.5,0\r\n"
    "A01,2,P2,210.25,110,0\r\n"
    "A01,3,P3,200,110,0\r\n";

TEST_F(Sima, PointsAfterParcelsAndTheDefaultXyOrder) {
  auto run = convert(kTown);
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_TRUE(run.host.messages.empty());
  // XY on: each pair is (field 4, field 3); the ring is closed and runs so that its
  // signed area is not negative.
  EXPECT_EQ(ring(run.output, 0), "100.5,200 110,210.25 110,200 100.5,200");
  EXPECT_NE(run.output.find("<GeometricFeature id=\"0\" category=\"town\">"), std::string::npos);
  EXPECT_NE(run.output.find("<Property propertytypename=\"Id\" datatype=\"integer\">1</Property>"
                            "<Property propertytypename=\"Chiban\" datatype=\"string\">12-3</Property>"),
            std::string::npos);
  EXPECT_NE(run.output.find("<Rectangle><Coordinates unit.location=\"m\">100.5,200 110,210.25</Coordinates>"
                            "</Rectangle></Boundary><GeometricFeature"),
            std::string::npos);
  EXPECT_EQ(run.host.count_text, "1");
  EXPECT_EQ(run.host.yields, 1);
  EXPECT_FALSE(run.host.progress_shown);
  EXPECT_FALSE(run.host.busy_now);
  EXPECT_EQ(run.host.busy_count, 1);
  EXPECT_TRUE(test::well_formed(dir_.file("out.XML")));
}

TEST_F(Sima, XyOffKeepsFileOrder) {
  auto run = convert(kTown, false);
  ASSERT_EQ(run.outcome, Outcome::kDone);
  // (field 3, field 4): (200,100.5) (210.25,110) (200,110) runs the other way, so
  // the ring is reversed.
  EXPECT_EQ(ring(run.output, 0), "200,100.5 200,110 210.25,110 200,100.5");
}

TEST_F(Sima, RingsAreOrientedAndClosedAsAsked) {
  const std::string points =
      "A01,1,,0,0,\nA01,2,,0,10,\nA01,3,,10,10,\nA01,4,,10,0,\n";  // xy on: (y, x)
  struct Case {
    std::string parcel, ring;
  } cases[] = {
      // Counter-clockwise in (first, second) with first to the right: reversed,
      // after closing by the flag.
      {"D00,1,a,1\nB01,1\nB01,2\nB01,3\nB01,4\nD99\n", "0,0 0,10 10,10 10,0 0,0"},
      // Clockwise: written as read.
      {"D00,1,a,1\nB01,4\nB01,3\nB01,2\nB01,1\nD99\n", "0,10 10,10 10,0 0,0 0,10"},
      // Flag 0: not closed; the orientation still counts every point.
      {"D00,1,a,0\nB01,4\nB01,3\nB01,2\nB01,1\nD99\n", "0,10 10,10 10,0 0,0"},
      // A repeated closing point listed by the file.
      {"D00,1,a,2\nB01,1\nB01,2\nB01,3\nB01,4\nB01,1\nD99\n", "0,0 0,10 10,10 10,0 0,0"},
      // Zero area: as read.
      {"D00,1,a,1\nB01,1\nB01,3\nD99\n", "0,0 10,10 0,0"},
      // An undefined point number gives (0, 0) without a message.
      {"D00,1,a,0\nB01,3\nB01,77\nD99\n", "10,10 0,0"},
      // Flag 1.4 rounds to 1; 1.5 rounds to 2 (halves to even).
      {"D00,1,a,1.4\nB01,2\nB01,3\nD99\n", "10,0 10,10 10,0"},
      {"D00,1,a,1.5\nB01,2\nB01,3\nD99\n", "10,0 10,10"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.parcel);
    auto run = convert(points + c.parcel);
    ASSERT_EQ(run.outcome, Outcome::kDone);
    EXPECT_TRUE(run.host.messages.empty());
    EXPECT_EQ(ring(run.output, 0), c.ring);
  }
}

TEST_F(Sima, OpenRingGetsItsWholeRectangle) {
  auto run = convert("A01,1,,0,0\nA01,2,,0,10\nA01,3,,10,10\nD00,1,a,0\nB01,1\nB01,2\nB01,3\nD99\n");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_NE(run.output.find("<GeometricFeature id=\"0\" category=\"town\"><Boundary><Rectangle><Coordinates "
                            "unit.location=\"m\">0,0 10,10</Coordinates>"),
            std::string::npos);
}

TEST_F(Sima, RecordOrderIsNotEnforced) {
  // B01 before any D00 adds to the buffers; the next D00 empties them; a D99 writes
  // whatever the buffers hold.
  auto run = convert("A01,1,,1,2\nB01,1\nD00,1,a,0\nB01,1\nD99\nD99\n");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_EQ(ring(run.output, 0), "2,1");
  EXPECT_EQ(ring(run.output, 1), "2,1");
  // Both features belong to the one D00 seen: both are number 1.
  EXPECT_EQ(run.output.find("<GeometricFeature id=\"1\""), std::string::npos);
  EXPECT_NE(run.output.find("<GeometricFeature id=\"0\"", run.output.find("<GeometricFeature id=\"0\"") + 1),
            std::string::npos);
  // The stray B01 widened the document extent too.
  EXPECT_NE(run.output.find("<Boundary><Rectangle><Coordinates unit.location=\"m\">2,1 2,1</Coordinates>"),
            std::string::npos);
}

TEST_F(Sima, EmptyDocumentAndIgnoredLines) {
  auto run = convert("a01,1,,5,5\nd00,1,x,1\nb01,1\nd99\nZ99\nD0\nA01,1,,1,1\n");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_EQ(body(run.output),
            "<G-XML><Metadata><Metadata.gxml><Name>town</Name><Purpose>\x8d\x91\x93\x79\x92\xa1\x83\x74\x83\x48\x81"
            "\x5b\x83\x7d\x83\x62\x83\x67\x82\xf0G-XML\x82\xd6\x95\xcf\x8a\xb7</Purpose><Author>Mirevo</Author>"
            "<Description>\x8d\x91\x93\x79\x92\xa1\x83\x74\x83\x48\x81\x5b\x83\x7d\x83\x62\x83\x67\x82\xf0G-XML\x82"
            "\xd6\x95\xcf\x8a\xb7</Description></Metadata.gxml></Metadata><MetricGeospace category=\"town\" "
            "unit.location=\"m\"><Boundary><Rectangle><Coordinates unit.location=\"m\">1E+99,1E+99 "
            "-1E+99,-1E+99</Coordinates></Rectangle></Boundary></MetricGeospace></G-XML>");
  EXPECT_EQ(run.host.count_text, "");
}

TEST_F(Sima, ShiftJisNamesAndMarkupInNames) {
  // 地番 in code page 932, and a name with markup characters.
  auto run = convert("A01,1,,1,1\nD00,1, \x92\x6e\x94\xd4 ,0\nB01,1\nD99\nD00,2,A&B<C>,0\nB01,1\nD99\n");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_NE(run.output.find("datatype=\"string\">\x92\x6e\x94\xd4</Property>"), std::string::npos);
  EXPECT_NE(run.output.find("datatype=\"string\">A&amp;B&lt;C&gt;</Property>"), std::string::npos);
  EXPECT_TRUE(test::well_formed(dir_.file("out.XML")));
}

TEST_F(Sima, FileNamesBecomeTheCategoryInShiftJis) {
  struct Case {
    std::string name, category;
  } cases[] = {
      {"街区 7.sim", "\x8a\x58\x8b\xe6 7"},   // UTF-8 file name, Shift_JIS in the document
      {"a&b.v2.sim", "a&amp;b.v2"},
      {"\xF0\x9F\x98\x80.sim", "?"},          // no code-page-932 form
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto run = convert("A01,1,,1,1\nD00,1,a,0\nB01,1\nD99\n", true, c.name);
    ASSERT_EQ(run.outcome, Outcome::kDone);
    EXPECT_NE(run.output.find("<MetricGeospace category=\"" + c.category + "\""), std::string::npos);
    EXPECT_NE(run.output.find("<GeometricFeature id=\"0\" category=\"" + c.category + "\""), std::string::npos);
  }
}

TEST_F(Sima, LineEndingsOfEveryKind) {
  auto run = convert("A01,1,,3,4\rA01,2,,5,6\nD00,1,a,1\r\nB01,1\rB01,2\nD99");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_EQ(ring(run.output, 0), "4,3 6,5 4,3");
}

TEST_F(Sima, PointTableLimit) {
  auto ok = convert("A01,15000,,1,2\nD00,1,a,0\nB01,15000\nD99\n");
  ASSERT_EQ(ok.outcome, Outcome::kDone);
  EXPECT_EQ(ring(ok.output, 0), "2,1");

  dir_.write("out.XML", "previous");
  auto over = convert("A01,15001,,1,2\nD00,1,a,0\nD99\n");
  EXPECT_EQ(over.outcome, Outcome::kStopped);
  ASSERT_EQ(over.host.messages.size(), 1u);
  EXPECT_EQ(over.host.messages[0].text, "座標が、15000点を超えました。");
  EXPECT_EQ(over.host.messages[0].title, "座標点数");
  EXPECT_TRUE(over.host.messages[0].critical);
  EXPECT_EQ(over.output, "previous");  // the first pass never touches the output
  EXPECT_FALSE(over.host.busy_now);
  EXPECT_TRUE(over.host.progress_values.empty());
}

TEST_F(Sima, ParcelPointLimit) {
  auto parcel = [](int points, int closing) {
    std::string s = "A01,1,,1,1\nD00,1,big," + std::to_string(closing) + "\n";
    for (int i = 0; i < points; ++i) s += "B01,1\n";
    return s + "D99\n";
  };
  EXPECT_EQ(convert(parcel(5000, 0)).outcome, Outcome::kDone);
  EXPECT_EQ(convert(parcel(4999, 1)).outcome, Outcome::kDone);
  for (const auto& [points, closing] : {std::pair{5001, 0}, std::pair{5000, 1}}) {
    SCOPED_TRACE(points);
    dir_.write("out.XML", "previous");
    auto run = convert(parcel(points, closing));
    EXPECT_EQ(run.outcome, Outcome::kStopped);
    ASSERT_EQ(run.host.messages.size(), 1u);
    EXPECT_EQ(run.host.messages[0].text, "座標が、5000点を超えました。");
    EXPECT_EQ(run.host.messages[0].title, "筆構成点数");
    EXPECT_EQ(run.output, "");         // emptied by the second pass, and left so
    EXPECT_TRUE(run.host.progress_shown);  // the bar stays after a stop
    EXPECT_FALSE(run.host.busy_now);
  }
}

TEST_F(Sima, RunTimeFailuresAndTheOutputsState) {
  struct Case {
    std::string sima;
    std::string name;
    int number;
    bool output_emptied;
  } cases[] = {
      {"A01,1,,1\n", "t.sim", 9, false},             // too few fields in A01
      {"A01,-1,,1,2\n", "t.sim", 9, false},          // negative point number
      {"A01,-0.5,,1,2\n", "t.sim", 0, false},        // rounds to 0: accepted
      {"A01,1,,1e999,2\n", "t.sim", 6, false},       // overflow
      {"D00,1\n", "t.sim", 9, true},                 // D00 without its name field
      {"D00,1,a,99999\n", "t.sim", 6, true},         // closing flag beyond 16 bits
      {"B01,15001\n", "t.sim", 9, true},             // point number outside the table
      {"B01,-1\n", "t.sim", 9, true},
      {"B01\n", "t.sim", 9, true},
      {"D00,1,a,1\nD99\n", "noext", 5, true},        // a category without "."
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sima);
    dir_.write("out.XML", "previous");
    auto run = convert(c.sima, true, c.name);
    if (c.number == 0) {
      EXPECT_EQ(run.outcome, Outcome::kDone);
      continue;
    }
    EXPECT_EQ(run.outcome, Outcome::kFailed);
    ASSERT_EQ(run.host.messages.size(), 1u);
    EXPECT_EQ(run.host.messages[0].title, "Bentrim");
    EXPECT_EQ(run.host.messages[0].text.rfind("エラー番号" + std::to_string(c.number) + "\r\n", 0), 0u)
        << run.host.messages[0].text;
    EXPECT_EQ(run.output, c.output_emptied ? "" : "previous");
    EXPECT_FALSE(run.host.busy_now);
  }
}

TEST_F(Sima, MissingFilesAndNames) {
  RecordingHost host;
  SurveyLibrary lib;
  struct Case {
    Request req;
    std::string text, title;
  } cases[] = {
      {{"", dir_.file("o.XML"), true}, "ファイルが選択されていません。", "ファイル選択"},
      {{dir_.file("a.sim"), "", true}, "ファイルが選択されていません。", "ファイル選択"},
      {{dir_.file("gone.sim"), dir_.file("o.XML"), true}, "エラー番号53\r\n", "Bentrim"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RecordingHost h;
    EXPECT_NE(convert_sima(c.req, h, lib), Outcome::kDone);
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].text.substr(0, c.text.size()), c.text);
    EXPECT_EQ(h.messages[0].title, c.title);
    EXPECT_FALSE(h.busy_now);
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.file("o.XML")));
}

TEST_F(Sima, OutputThatIsTheInputIsRefused) {
  const std::string input = dir_.write("lot.XML", kTown);
  SurveyLibrary lib;
  for (const std::string& output : {input, dir_.path().string() + "/./lot.XML"}) {
    RecordingHost host;
    EXPECT_EQ(convert_sima({input, output, true}, host, lib), Outcome::kStopped);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "出力ファイルが入力ファイルと同じです。");
    EXPECT_EQ(host.messages[0].title, "ファイル選択");
    EXPECT_EQ(test::slurp(input), kTown);
  }
}

TEST_F(Sima, LibraryOutOfReach) {
  dir_.write("out.XML", "previous");
  // Without parcels the library is never called, so the conversion succeeds.
  EXPECT_EQ(convert("A01,1,,1,1\n", true, "t.sim", "libsurvey-missing.so").outcome, Outcome::kDone);
  auto run = convert(kTown, true, "t.sim", "libsurvey-missing.so");
  EXPECT_EQ(run.outcome, Outcome::kFailed);
  ASSERT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messages[0].text.rfind("エラー番号53\r\n", 0), 0u);
  EXPECT_EQ(run.output, "");
}

TEST_F(Sima, ProgressCountsBytesFromOne) {
  const std::string sima = "D00,1,a,0\r\nB01,1\r\nD99\r\n";
  auto run = convert(sima);
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_EQ(run.host.progress_min, 0);
  EXPECT_EQ(run.host.progress_max, static_cast<std::int64_t>(sima.size()) + 1);
  const std::vector<std::int64_t> expected = {1, 12, 19, 24};
  EXPECT_EQ(run.host.progress_values, expected);
}

}  // namespace
}  // namespace conv
