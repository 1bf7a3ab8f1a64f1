#include "cadastral/kestrin.hpp"

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
  std::string output;
};

class Kestrin : public testing::Test {
 protected:
  // Writes town.pnt and town.pol and converts, naming `pick` in Text7.
  Result convert(const std::string& pnt, const std::string& pol, bool xy = true, const std::string& pick = "town.pol") {
    if (!pnt.empty()) dir_.write("town.pnt", pnt);
    if (!pol.empty()) dir_.write("town.pol", pol);
    return run({dir_.file(pick), dir_.file("out.XML"), xy});
  }
  Result run(const Request& req) {
    Result r;
    SurveyLibrary lib;
    r.outcome = convert_kestrin(req, r.host, lib);
    r.output = test::slurp(req.output);
    return r;
  }
  static std::string ring(const std::string& doc, int i) {
    std::size_t at = 0;
    for (int k = 0; k <= i; ++k) at = doc.find("<LinearRing>", at) + 1;
    const auto from = doc.find('>', doc.find("<Coordinates", at)) + 1;
    return doc.substr(from, doc.find("</Coordinates>", from) - from);
  }
  static void expect_message(const Result& r, const std::string& text, const std::string& title) {
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0].text, text);
    EXPECT_EQ(r.host.messages[0].title, title);
    EXPECT_TRUE(r.host.messages[0].critical);
    EXPECT_FALSE(r.host.busy_now);
  }
  test::ScratchDir dir_;
};

// Points (field 1, field 2); a square listed clockwise in (field 2, field 1).
const char* kPnt = "P1,0,0\r\nP2,10,0\r\nP3,10,10\r\nP4,0,10\r\n";
const char* kPol = "101,2,\x96\x7b\x92\xac, \x88\xea\x92\x9a\x96\xda ,12-3 ,5\r\nP1\r\nP2,x\r\nP3\r\nP4\r\nP1\r\n";

TEST_F(Kestrin, EitherFileOfThePairOrAnyNameWithItsBase) {
  for (const char* pick : {"town.pol", "town.pnt", "town.txt"}) {
    SCOPED_TRACE(pick);
    auto r = convert(kPnt, kPol, true, pick);
    ASSERT_EQ(r.outcome, Outcome::kDone);
    EXPECT_TRUE(r.host.messages.empty());
    // XY on: (field 2, field 1): (0,0) (0,10) (10,10) (10,0) runs clockwise.
    EXPECT_EQ(ring(r.output, 0), "0,0 0,10 10,10 10,0 0,0");
  }
  EXPECT_TRUE(test::well_formed(dir_.file("out.XML")));
}

TEST_F(Kestrin, PropertiesInTheirOrder) {
  auto r = convert(kPnt, kPol);
  ASSERT_EQ(r.outcome, Outcome::kDone);
  EXPECT_NE(r.output.find("<GeometricFeature id=\"0\" category=\"town\">"), std::string::npos);
  EXPECT_NE(r.output.find("<Property propertytypename=\"Id\" datatype=\"integer\">1</Property>"
                          "<Property propertytypename=\"OAza\" datatype=\"integer\">101</Property>"
                          "<Property propertytypename=\"KAza\" datatype=\"integer\">2</Property>"
                          "<Property propertytypename=\"OAza_NAME\" datatype=\"string\">\x96\x7b\x92\xac</Property>"
                          "<Property propertytypename=\"KAza_NAME\" datatype=\"string\">\x88\xea\x92\x9a\x96\xda"
                          "</Property><Property propertytypename=\"Chiban\" datatype=\"string\">12-3</Property>"
                          "</GeometricFeature>"),
            std::string::npos);
  EXPECT_NE(r.output.find("\x8d\x91\x93\x79\x92\xa1"), std::string::npos);  // the purpose text
  EXPECT_EQ(r.host.count_text, "1");
  EXPECT_EQ(r.host.yields, 1);
  EXPECT_FALSE(r.host.progress_shown);
}

TEST_F(Kestrin, XyOffAndOrientation) {
  auto r = convert(kPnt, kPol, false);
  ASSERT_EQ(r.outcome, Outcome::kDone);
  // (field 1, field 2): (0,0) (10,0) (10,10) (0,10) runs counter-clockwise: reversed.
  EXPECT_EQ(ring(r.output, 0), "0,0 0,10 10,10 10,0 0,0");
  // An open ring (no repeated first name) is written as listed, oriented over all points.
  auto open = convert(kPnt, "1,1,a,b,c,3\nP4\nP3\nP2\n");
  ASSERT_EQ(open.outcome, Outcome::kDone);
  EXPECT_EQ(ring(open.output, 0), "0,10 10,10 10,0");
  EXPECT_NE(open.output.find("<GeometricFeature id=\"0\" category=\"town\"><Boundary><Rectangle><Coordinates "
                             "unit.location=\"m\">0,0 10,10</Coordinates>"),
            std::string::npos);
}

TEST_F(Kestrin, NamesFirstEntryWinsTrimmedAndCaseSensitive) {
  auto r = convert(" A1 ,1,2\nA1,5,6\na1,7,8\n", "1,1,x,y,z,2\n  A1\t\na1 ,q\n");
  // "A1\t": a tab is not a blank, so that name is not in the table.
  expect_message(r, "座標が見つかりません。", "Kestrin=>G-XML");
  auto ok = convert(" A1 ,1,2\nA1,5,6\na1,7,8\n", "1,1,x,y,z,2\n  A1  \na1 ,q\n");
  ASSERT_EQ(ok.outcome, Outcome::kDone);
  EXPECT_EQ(ring(ok.output, 0), "2,1 8,7");
}

TEST_F(Kestrin, PointTableLimit) {
  std::string pnt;
  for (int i = 1; i <= 30000; ++i) pnt += "P" + std::to_string(i) + "," + std::to_string(i) + ",1\n";
  auto ok = convert(pnt, "1,1,a,b,c,1\nP30000\n");
  ASSERT_EQ(ok.outcome, Outcome::kDone);
  EXPECT_EQ(ring(ok.output, 0), "1,30000");
  dir_.write("out.XML", "previous");
  auto over = convert(pnt + "P30001,1,1\n", "1,1,a,b,c,1\nP1\n");
  expect_message(over, "座標個数が、 30000個を超えましたので,中止します。", "Kestrin=>SHP");
  EXPECT_EQ(over.output, "previous");  // the coordinate file is read before the output is opened
}

TEST_F(Kestrin, MissingFiles) {
  auto r = convert("", "");
  expect_message(r, "座標ファイルがありません。", "ファイル選択");
  dir_.write("town.pnt", kPnt);
  auto no_pol = run({dir_.file("town.pnt"), dir_.file("out.XML"), true});
  expect_message(no_pol, "ポリゴンファイルがありません。", "ファイル選択");
  auto empty = run({"", dir_.file("out.XML"), true});
  expect_message(empty, "ファイルが選択されていません。", "ファイル選択");
}

TEST_F(Kestrin, FilesFromACaseInsensitivePlatform) {
  dir_.write("TOWN.PNT", kPnt);
  dir_.write("Town.Pol", kPol);
  auto r = run({dir_.file("town.pol"), dir_.file("out.XML"), true});
  ASSERT_EQ(r.outcome, Outcome::kDone) << (r.host.messages.empty() ? "" : r.host.messages[0].text);
  EXPECT_EQ(ring(r.output, 0), "0,0 0,10 10,10 10,0 0,0");
}

TEST_F(Kestrin, OutputThatIsAnInputIsRefused) {
  for (const char* out : {"town.pol", "town.pnt"}) {
    SCOPED_TRACE(out);
    dir_.write("town.pnt", kPnt);
    dir_.write("town.pol", kPol);
    auto r = run({dir_.file("town.txt"), dir_.file(out), true});
    expect_message(r, "出力ファイルが入力ファイルと同じです。", "ファイル選択");
    EXPECT_EQ(test::slurp(dir_.file("town.pnt")), kPnt);
    EXPECT_EQ(test::slurp(dir_.file("town.pol")), kPol);
  }
}

TEST_F(Kestrin, MalformedInputsGetTheirOwnMessages) {
  const std::string pol_path = dir_.file("town.pol"), pnt_path = dir_.file("town.pnt");
  struct Case {
    std::string pnt, pol, message;
  } cases[] = {
      {kPnt, "1,1,a,b,c\nP1\n", "ポリゴンファイル " + pol_path + " の 1 行目: ヘッダ行の項目が6個ありません。"},
      {kPnt, "1,1,a,b,c,1\nP1\n\n", "ポリゴンファイル " + pol_path + " の 3 行目: ヘッダ行の項目が6個ありません。"},
      {kPnt, "1,1,a,b,c,-2\nP1\n", "ポリゴンファイル " + pol_path + " の 1 行目: 点数 -2 が負です。"},
      {kPnt, "1,1,a,b,c,5001\nP1\n", "ポリゴンファイル " + pol_path + " の 1 行目: 点数 5001 が 5000 を超えています。"},
      {kPnt, "1,1,a,b,c,1\nP1\n7,7,a,b,c,3\nP1\nP2",
       "ポリゴンファイル " + pol_path + " は 5 行で終わり、3 行目の地番の 3 点のうち 2 点しかありません。"},
      {"P1,0,0\nP2,1\n", kPol, "座標ファイル " + pnt_path + " の 2 行目: 項目が3個ありません（点名,座標1,座標2）。"},
      {"P1,0,0\n\nP2,1,1\n", kPol, "座標ファイル " + pnt_path + " の 2 行目: 項目が3個ありません（点名,座標1,座標2）。"},
      {kPnt, "\n", "ポリゴンファイル " + pol_path + " の 1 行目: ヘッダ行の項目が6個ありません。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pol);
    dir_.write("out.XML", "previous");
    auto r = convert(c.pnt, c.pol);
    EXPECT_EQ(r.outcome, Outcome::kStopped);
    expect_message(r, c.message, "Kestrin=>G-XML");
    EXPECT_EQ(r.output, c.pnt == kPnt ? "" : "previous");  // never a partial document
  }
}

// An empty polygon file converts: a document without features and the initial
// rectangle, and a bar from 0 to 1.
TEST_F(Kestrin, EmptyPolygonFileGivesADocumentWithoutFeatures) {
  dir_.write("out.XML", "previous");
  dir_.write("town.pol", "");
  auto r = convert(kPnt, "");
  ASSERT_EQ(r.outcome, Outcome::kDone);
  EXPECT_TRUE(r.host.messages.empty());
  EXPECT_EQ(r.output,
            "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<G-XML><Metadata><Metadata.gxml><Name>town</Name>"
            "<Purpose>\x8d\x91\x93\x79\x92\xa1\x83\x74\x83\x48\x81\x5b\x83\x7d\x83\x62\x83\x67\x82\xf0G-XML\x82\xd6"
            "\x95\xcf\x8a\xb7</Purpose><Author>Mirevo</Author><Description>\x8d\x91\x93\x79\x92\xa1\x83\x74\x83\x48\x81"
            "\x5b\x83\x7d\x83\x62\x83\x67\x82\xf0G-XML\x82\xd6\x95\xcf\x8a\xb7</Description></Metadata.gxml></Metadata>"
            "<MetricGeospace category=\"town\" unit.location=\"m\"><Boundary><Rectangle><Coordinates "
            "unit.location=\"m\">1E+99,1E+99 -1E+99,-1E+99</Coordinates></Rectangle></Boundary>"
            "</MetricGeospace></G-XML>");
  EXPECT_EQ(r.host.progress_min, 0);
  EXPECT_EQ(r.host.progress_max, 1);
  EXPECT_FALSE(r.host.progress_shown);
  EXPECT_EQ(r.host.count_text, "");
  EXPECT_TRUE(test::well_formed(dir_.file("out.XML")));
}

TEST_F(Kestrin, StopsInTheParcelsLeaveAnEmptyOutput) {
  dir_.write("out.XML", "previous");
  auto r = convert(kPnt, "1,1,a,b,c,1\nNOPE\n");
  expect_message(r, "座標が見つかりません。", "Kestrin=>G-XML");
  EXPECT_EQ(r.output, "");
  EXPECT_TRUE(r.host.progress_shown);
}

TEST_F(Kestrin, ProgressEveryFiftiethLine) {
  std::string pol;
  for (int p = 0; p < 30; ++p) pol += "1,1,a,b,c,4\nP1\nP2\nP3\nP1\n";  // 150 lines
  auto r = convert(kPnt, pol);
  ASSERT_EQ(r.outcome, Outcome::kDone);
  EXPECT_EQ(r.host.progress_min, 0);
  EXPECT_EQ(r.host.progress_max, 150);
  EXPECT_EQ(r.host.progress_values, (std::vector<std::int64_t>{50, 100, 150}));
  EXPECT_EQ(r.host.count_text, "30");
  EXPECT_EQ(r.host.yields, 30);
}

TEST_F(Kestrin, RunTimeFailures) {
  dir_.write("out.XML", "previous");
  auto r = convert(kPnt, "1e400,1,a,b,c,1\nP1\n");
  EXPECT_EQ(r.outcome, Outcome::kFailed);
  ASSERT_EQ(r.host.messages.size(), 1u);
  EXPECT_EQ(r.host.messages[0].title, "Kestrin=>G-XML");
  EXPECT_EQ(r.host.messages[0].text.rfind("エラー番号6\r\n", 0), 0u);
  EXPECT_EQ(r.output, "");
  // Halves of the district codes round to even.
  auto codes = convert(kPnt, "2.5,3.5,a,b,c,0\n");
  ASSERT_EQ(codes.outcome, Outcome::kDone);
  EXPECT_NE(codes.output.find("\"OAza\" datatype=\"integer\">2<"), std::string::npos);
  EXPECT_NE(codes.output.find("\"KAza\" datatype=\"integer\">4<"), std::string::npos);
}

}  // namespace
}  // namespace conv
