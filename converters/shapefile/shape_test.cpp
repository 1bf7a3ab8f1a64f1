#include "shapefile/shape.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/recording_host.hpp"
#include "common/survey_binding.hpp"
#include "common/text.hpp"
#include "shapefile/test_fixtures.hpp"

namespace conv {
namespace {

namespace fs = std::filesystem;

struct Result {
  Outcome outcome;
  RecordingHost host;
  std::string doc;  // the output file afterwards, as UTF-8
};

class Shape : public testing::Test {
 protected:
  Result convert(const std::string& input, bool xy = false, const std::string& output = "out.XML",
                 const std::string& library = SurveyLibrary::default_name()) {
    Result run;
    SurveyLibrary lib(library);
    run.outcome = convert_shape({dir_.file(input), dir_.file(output), xy}, run.host, lib);
    run.doc = codec_.to_utf8(test::slurp(dir_.file(output)));
    return run;
  }
  // Feature i (from 0) of a document.
  static std::string feature(const std::string& doc, int i) {
    std::size_t at = 0;
    for (int k = 0; k <= i; ++k) {
      at = doc.find("<GeometricFeature ", k == 0 ? 0 : at + 1);
      if (at == std::string::npos) return "";
    }
    const auto end = doc.find("</GeometricFeature>", at);
    return doc.substr(at, end + 19 - at);
  }
  static std::string ring(const std::string& doc, int i) {
    const std::string f = feature(doc, i);
    const auto from = f.find('>', f.find("<Coordinates", f.find("<LinearRing>"))) + 1;
    return f.substr(from, f.find("</Coordinates>", from) - from);
  }
  static std::string rectangle(const std::string& doc, int i) {
    const std::string f = feature(doc, i);
    const auto from = f.find('>', f.find("<Coordinates")) + 1;
    return f.substr(from, f.find("</Coordinates>", from) - from);
  }
  static int features(const std::string& doc) {
    int n = 0;
    for (auto at = doc.find("<GeometricFeature "); at != std::string::npos; at = doc.find("<GeometricFeature ", at + 1))
      ++n;
    return n;
  }
  static std::string property(std::string_view name, std::string_view type, std::string_view value) {
    return "<Property propertytypename=\"" + std::string(name) + "\" datatype=\"" + std::string(type) + "\">" +
           std::string(value) + "</Property>";
  }
  void copy(const std::string& from, const std::string& to) {
    fs::copy_file(dir_.file(from), dir_.file(to), fs::copy_options::overwrite_existing);
  }

  test::ScratchDir dir_;
  Cp932 codec_;
};

const char* kHead =
    "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
    "<G-XML><Metadata><Metadata.gxml><Name>parcels</Name><Purpose>SHPをG-XMLへ変換</Purpose>"
    "<Author>Mirevo</Author><Description>SHPをG-XMLへ変換</Description></Metadata.gxml></Metadata>"
    "<MetricGeospace category=\"parcels\" unit.location=\"m\"><Boundary><Rectangle>";

TEST_F(Shape, LotsWithTheirRecords) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  auto run = convert("parcels.shp");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_TRUE(run.host.messages.empty());
  // The document rectangle is the main file's bounding box.
  EXPECT_EQ(run.doc.rfind(std::string(kHead) +
                              "<Coordinates unit.location=\"m\">-8120,-36512 -8037,-36490.5</Coordinates>"
                              "</Rectangle></Boundary><GeometricFeature id=\"0\" category=\"parcels\">",
                          0),
            0u);
  EXPECT_EQ(feature(run.doc, 0),
            "<GeometricFeature id=\"0\" category=\"parcels\"><Boundary><Rectangle><Coordinates unit.location=\"m\">"
            "-8120,-36512 -8110,-36502</Coordinates></Rectangle></Boundary><Geometry><Polygon><OuterBoundary>"
            "<LinearRing><Coordinates unit.location=\"m\">-8120,-36512 -8120,-36502 -8110,-36502 -8110,-36512 "
            "-8120,-36512</Coordinates></LinearRing></OuterBoundary></Polygon></Geometry>" +
                property("地番", "string", "本町1-2") +
                // The "," stays inside its value; CODE and the rest keep their names.
                property("NOTE", "string", "1,2-3") + property("CODE", "integer", "101") +
                property("AREA", "real", "123.45") + property("RATIO", "string", "0.5000") +
                property("SURVEYED", "string", "20200401") + property("CHECKED", "string", "T") +
                "</GeometricFeature>");
  // Counter-clockwise as stored: reversed. Clockwise ones stay as stored.
  EXPECT_EQ(ring(run.doc, 1), "-8100,-36512 -8100,-36499.5 -8087.5,-36499.5 -8087.5,-36512 -8100,-36512");
  EXPECT_EQ(ring(run.doc, 2), "-8080,-36500 -8070.25,-36490.5 -8060,-36500 -8080,-36500");
  EXPECT_NE(feature(run.doc, 1).find(property("地番", "string", "あいうえお") + property("NOTE", "string", "x") +
                                     property("CODE", "integer", "-7")),
            std::string::npos);
  EXPECT_NE(feature(run.doc, 3).find(property("地番", "string", "東町") + property("NOTE", "string", "")),
            std::string::npos);
  // Five shapes, four records: the fifth feature has no property.
  ASSERT_EQ(features(run.doc), 5);
  EXPECT_NE(feature(run.doc, 4).find("</Geometry></GeometricFeature>"), std::string::npos);
  EXPECT_TRUE(run.doc.ends_with("</GeometricFeature></MetricGeospace></G-XML>"));
  EXPECT_EQ(run.host.count_text, "5");
  EXPECT_EQ(run.host.yields, 5);
  // A 100-byte header, then records of 56 + 16 n bytes for n points; the progress is
  // the position after each record header, counted from 1.
  EXPECT_EQ(run.host.progress_max, 764);
  EXPECT_EQ(run.host.progress_values, (std::vector<std::int64_t>{113, 249, 385, 505, 641}));
  EXPECT_FALSE(run.host.ended);
  EXPECT_FALSE(run.host.progress_shown);
  EXPECT_FALSE(run.host.busy_now);
  EXPECT_TRUE(test::well_formed(dir_.file("out.XML")));
}

TEST_F(Shape, XyBoxSwapsRingsAndTheDocumentRectangle) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  auto run = convert("parcels.shp", true);
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_NE(run.doc.find("<Coordinates unit.location=\"m\">-36512,-8120 -36490.5,-8037</Coordinates>"
                         "</Rectangle></Boundary><GeometricFeature"),
            std::string::npos);
  // (Y, X) runs the other way round: the first lot is now reversed, the second kept.
  EXPECT_EQ(ring(run.doc, 0), "-36512,-8120 -36512,-8110 -36502,-8110 -36502,-8120 -36512,-8120");
  EXPECT_EQ(ring(run.doc, 1), "-36512,-8100 -36512,-8087.5 -36499.5,-8087.5 -36499.5,-8100 -36512,-8100");
  EXPECT_EQ(rectangle(run.doc, 0), "-36512,-8120 -36502,-8110");
}

TEST_F(Shape, OpenRingCountsEveryPoint) {
  // (0,0) (1,0) (1,1) (2,-1), not closed: the whole ring has a positive signed area
  // (kept as stored) although its first three points alone have a negative one; the
  // rectangle reaches the last point.
  ASSERT_TRUE(test::make_fixtures(dir_, {"openring"}));
  auto run = convert("openring.shp");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_EQ(ring(run.doc, 0), "0,0 1,0 1,1 2,-1");
  EXPECT_EQ(rectangle(run.doc, 0), "0,-1 2,1");
}

TEST_F(Shape, NamesInAnyLetterCase) {
  // Files from a platform that ignores letter case: the main file and table are
  // found whatever the case of their names, the exact name first.
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels", "points"}));
  fs::rename(dir_.file("parcels.shp"), dir_.file("Town.SHP"));
  fs::rename(dir_.file("parcels.dbf"), dir_.file("town.dbf"));
  auto run = convert("Town.SHP");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_EQ(features(run.doc), 5);
  EXPECT_NE(run.doc.find(property("CODE", "integer", "101")), std::string::npos);
  EXPECT_NE(run.doc.find("category=\"Town\""), std::string::npos);
  // With both Town.Shp and Town.SHP there, the exact name is taken.
  copy("points.shp", "Town.Shp");
  EXPECT_TRUE(convert("Town.SHP").host.ended);
}

TEST_F(Shape, FoxProTableWithADeletedRecord) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"foxpro"}));
  auto run = convert("foxpro.shp");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  ASSERT_EQ(features(run.doc), 3);
  EXPECT_NE(feature(run.doc, 0).find(property("NAME", "string", "西町5") + property("CODE", "integer", "5") +
                                     property("AREA", "real", "12.125") + "</GeometricFeature>"),
            std::string::npos);
  EXPECT_NE(feature(run.doc, 1).find(property("NAME", "string", "削除済み")), std::string::npos);
}

TEST_F(Shape, NulBytesNeverReachTheDocument) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"nuls"}));
  auto run = convert("nuls.shp");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_NE(run.doc.find(property("A", "string", "ab") + property("B", "string", "cd e")), std::string::npos);
  EXPECT_EQ(run.doc.find('\0'), std::string::npos);
  EXPECT_TRUE(test::well_formed(dir_.file("out.XML")));
}

TEST_F(Shape, EmptyShapefile) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"empty"}));
  auto run = convert("empty.shp");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_TRUE(run.doc.ends_with(
      "<MetricGeospace category=\"empty\" unit.location=\"m\"><Boundary><Rectangle><Coordinates "
      "unit.location=\"m\">0,0 0,0</Coordinates></Rectangle></Boundary></MetricGeospace></G-XML>"));
  EXPECT_EQ(run.host.count_text, "");
}

TEST_F(Shape, ShapesThatEndTheProgram) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"points", "holes"}));
  struct Case {
    std::string input, message, count;
  } cases[] = {
      {"points.shp", "シェイプ種別がポリゴンではありません。", "1"},
      // The first lot converts; the second has a courtyard.
      {"holes.shp", "中抜きはサポートしていません。", "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    dir_.write("out.XML", "previous");
    auto run = convert(c.input);
    EXPECT_EQ(run.outcome, Outcome::kStopped);
    EXPECT_TRUE(run.host.ended);
    ASSERT_EQ(run.host.messages.size(), 1u);
    EXPECT_EQ(run.host.messages[0].text, c.message);
    EXPECT_EQ(run.host.messages[0].title, "SHAP_READ");
    EXPECT_TRUE(run.host.messages[0].critical);
    EXPECT_EQ(run.host.count_text, c.count);
    EXPECT_TRUE(fs::exists(dir_.file("out.XML")));
    EXPECT_EQ(run.doc, "");  // emptied, and left so
    EXPECT_FALSE(run.host.busy_now);
  }
}

TEST_F(Shape, DamagedMainFiles) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  const std::string good = test::slurp(dir_.file("parcels.shp"));
  ASSERT_EQ(good.size(), 764u);
  copy("parcels.dbf", "bad.dbf");
  const std::string path = dir_.file("bad.shp");
  // Record 1 starts at 100: shape type at 108, part count at 144, point count at 148.
  // Record 2 starts at 236.
  struct Case {
    const char* what;
    std::string bytes;
    std::string message;  // after the path, or the whole message when the program ends
    bool ends_program;
  } cases[] = {
      {"empty file", "", "のファイルヘッダーが途中で終わっています。", false},
      {"cut in the file header", good.substr(0, 60), "のファイルヘッダーが途中で終わっています。", false},
      {"cut in a record header", good.substr(0, 105), "のレコード1が途中で終わっています。", false},
      {"cut in a polygon box", good.substr(0, 236 + 12 + 10), "のレコード2が途中で終わっています。", false},
      {"cut in the points", good.substr(0, 236 + 56 + 32),
       "のレコード2は1部分、5点とありますが、ファイルがその前に終わっています。", false},
      {"bytes after the last record", good + "\x01\x02\x03\x04\x05", "のレコード6が途中で終わっています。", false},
      {"points beyond the file", test::patched(good, 148, test::le32(0x7fffffff)),
       "のレコード1は1部分、2147483647点とありますが、ファイルがその前に終わっています。", false},
      {"parts beyond the file", test::patched(good, 144, test::le32(0x7fffffff)),
       "のレコード1は2147483647部分、5点とありますが、ファイルがその前に終わっています。", false},
      {"negative point count", test::patched(good, 148, test::le32(0xffffffff)),
       "のレコード1の部分数または点数が負です（1部分、-1点）。", false},
      {"negative part count", test::patched(good, 144, test::le32(0x80000000)),
       "のレコード1の部分数または点数が負です（-2147483648部分、5点）。", false},
      {"no part", test::patched(good, 144, test::le32(0)), "中抜きはサポートしていません。", true},
      {"a null shape", test::patched(good, 108, test::le32(0)), "シェイプ種別がポリゴンではありません。", true},
      {"text", std::string(300, 'a'), "シェイプ種別がポリゴンではありません。", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir_.write("bad.shp", c.bytes);
    dir_.write("out.XML", "previous");
    auto run = convert("bad.shp");
    EXPECT_EQ(run.outcome, Outcome::kStopped);
    EXPECT_EQ(run.host.ended, c.ends_program);
    ASSERT_EQ(run.host.messages.size(), 1u);
    EXPECT_EQ(run.host.messages[0].text, c.ends_program ? c.message : path + c.message);
    EXPECT_EQ(run.host.messages[0].title, "SHAP_READ");
    EXPECT_EQ(run.doc, "");
    EXPECT_FALSE(run.host.busy_now);
  }
}

TEST_F(Shape, PointsPerShape) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"big5000", "big5001"}));
  auto ok = convert("big5000.shp");
  ASSERT_EQ(ok.outcome, Outcome::kDone);
  const std::string r = ring(ok.doc, 0);
  EXPECT_EQ(std::count(r.begin(), r.end(), ' '), 4999);

  auto over = convert("big5001.shp");
  EXPECT_EQ(over.outcome, Outcome::kStopped);
  EXPECT_FALSE(over.host.ended);
  ASSERT_EQ(over.host.messages.size(), 1u);
  EXPECT_EQ(over.host.messages[0].text, dir_.file("big5001.shp") + "のレコード1の点数が、5000点を超えました（5001点）。");
}

TEST_F(Shape, RecordsBeyond32767) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"shapes40000"}));
  auto run = convert("shapes40000.shp");
  ASSERT_EQ(run.outcome, Outcome::kDone);
  EXPECT_EQ(run.host.count_text, "40000");
  EXPECT_NE(feature(run.doc, 32767).find(property("N", "integer", "32768") + "</GeometricFeature>"),
            std::string::npos);
  EXPECT_TRUE(run.doc.ends_with(property("N", "integer", "40000") + "</GeometricFeature></MetricGeospace></G-XML>"));
}

TEST_F(Shape, ShapeAndTableCapacities) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"shapes100001", "records100001", "wide100", "wide101"}));
  auto many = convert("shapes100001.shp");
  EXPECT_EQ(many.outcome, Outcome::kStopped);
  EXPECT_EQ(many.host.count_text, "100000");
  ASSERT_EQ(many.host.messages.size(), 1u);
  EXPECT_EQ(many.host.messages[0].text, dir_.file("shapes100001.shp") + "のシェイプが、100000個を超えました。");
  EXPECT_EQ(many.host.messages[0].title, "SHAP_READ");
  EXPECT_EQ(many.doc, "");

  auto wide = convert("wide100.shp");
  ASSERT_EQ(wide.outcome, Outcome::kDone);
  EXPECT_NE(wide.doc.find(property("F1", "integer", "1") + property("F2", "integer", "2")), std::string::npos);
  EXPECT_NE(wide.doc.find(property("F100", "integer", "100") + "</GeometricFeature>"), std::string::npos);

  struct Case {
    std::string input, message;
  } cases[] = {
      {"wide101.shp", dir_.file("wide101.dbf") + "のフィールドが、100個を超えました。"},
      {"records100001.shp", dir_.file("records100001.dbf") + "のレコードが、100000件を超えました（100001件）。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    dir_.write("out.XML", "previous");
    auto run = convert(c.input);
    EXPECT_EQ(run.outcome, Outcome::kStopped);
    ASSERT_EQ(run.host.messages.size(), 1u);
    EXPECT_EQ(run.host.messages[0].text, c.message);
    EXPECT_EQ(run.host.messages[0].title, "DBF_LODER");
    EXPECT_EQ(run.doc, "previous");  // the table is loaded before the output is opened
    EXPECT_FALSE(run.host.busy_now);
  }
}

TEST_F(Shape, TruncatedTable) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  const std::string dbf = test::slurp(dir_.file("parcels.dbf"));
  dir_.write("parcels.dbf", dbf.substr(0, dbf.size() - 1));
  dir_.write("out.XML", "previous");
  auto run = convert("parcels.shp");
  EXPECT_EQ(run.outcome, Outcome::kStopped);
  ASSERT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messages[0].text, dir_.file("parcels.dbf") + "のレコード4が途中で終わっています（4件のうち）。");
  EXPECT_EQ(run.doc, "previous");
}

TEST_F(Shape, MissingFilesAndNames) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  fs::remove(dir_.file("parcels.dbf"));
  SurveyLibrary lib;
  struct Case {
    Request req;
    std::string text, title;
  } cases[] = {
      {{"", dir_.file("o.XML"), false}, "ファイルが選択されていません。", "ファイル選択"},
      {{dir_.file("parcels.shp"), "", false}, "ファイルが選択されていません。", "ファイル選択"},
      // The main file's name as derived: the input up to its last "." plus "Shp".
      {{dir_.file("gone.shp"), dir_.file("o.XML"), false}, dir_.file("gone.Shp") + "が、ありません。", "ファイル選択"},
      {{dir_.file("parcels.shp"), dir_.file("o.XML"), false}, dir_.file("parcels.DBF") + "が、ありません。",
       "ファイル選択"},
      // A wildcard may match some file, but not a file of that name.
      {{dir_.file("*.shp"), dir_.file("o.XML"), false}, dir_.file("*.Shp") + "が、ありません。", "ファイル選択"},
      {{dir_.file("noext"), dir_.file("o.XML"), false}, "エラー番号5\r\n", "Quorvel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RecordingHost h;
    EXPECT_EQ(convert_shape(c.req, h, lib), c.title == "Quorvel" ? Outcome::kFailed : Outcome::kStopped);
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].text.substr(0, c.text.size()), c.text);
    EXPECT_EQ(h.messages[0].title, c.title);
    EXPECT_FALSE(h.busy_now);
    EXPECT_FALSE(h.ended);
  }
  EXPECT_FALSE(fs::exists(dir_.file("o.XML")));
}

TEST_F(Shape, OutputThatIsAnInputIsRefused) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  const std::string shp = test::slurp(dir_.file("parcels.shp")), dbf = test::slurp(dir_.file("parcels.dbf"));
  for (const std::string output : {"parcels.shp", "parcels.dbf", "./parcels.dbf"}) {
    SCOPED_TRACE(output);
    auto run = convert("parcels.shp", false, output);
    EXPECT_EQ(run.outcome, Outcome::kStopped);
    ASSERT_EQ(run.host.messages.size(), 1u);
    EXPECT_EQ(run.host.messages[0].text, "出力ファイルが入力ファイルと同じです。");
    EXPECT_EQ(run.host.messages[0].title, "ファイル選択");
    EXPECT_EQ(test::slurp(dir_.file("parcels.shp")), shp);
    EXPECT_EQ(test::slurp(dir_.file("parcels.dbf")), dbf);
  }
}

TEST_F(Shape, LibraryOutOfReach) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  dir_.write("out.XML", "previous");
  auto run = convert("parcels.shp", false, "out.XML", "libsurvey-missing.so");
  EXPECT_EQ(run.outcome, Outcome::kFailed);
  ASSERT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messages[0].text.rfind("エラー番号53\r\n", 0), 0u);
  EXPECT_EQ(run.host.messages[0].title, "Quorvel");
  EXPECT_EQ(run.doc, "previous");  // find_file is the first call
}

}  // namespace
}  // namespace conv
