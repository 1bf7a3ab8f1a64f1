#include "common/gxml.hpp"

#include <gtest/gtest.h>

#include "common/host.hpp"
#include "common/survey_binding.hpp"
#include "common/text.hpp"

namespace conv {
namespace {

TEST(GXml, WorkedExampleByteForByte) {
  SurveyLibrary lib;
  const double first[] = {100.5, 110, 110, 100.5}, second[] = {200, 210.25, 200, 200};
  std::string features;
  const gxml::Property props[] = {{"Id", "integer", "1"}, {"Chiban", "string", "12-3"}};
  gxml::GXml_Feature(features, lib, "sample", 1, props, 4, first, second);
  const std::string head = gxml::document_head("sample", gxml::kPurposeKokudo, {100.5, 200, 110, 210.25});
  const std::string doc = head + features + gxml::GXml_Footer();
  const std::string expected =
      "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
      "<G-XML><Metadata><Metadata.gxml><Name>sample</Name><Purpose>国土庁フォーマットをG-XMLへ変換</Purpose>"
      "<Author>Mirevo</Author><Description>国土庁フォーマットをG-XMLへ変換</Description></Metadata.gxml></Metadata>"
      "<MetricGeospace category=\"sample\" unit.location=\"m\"><Boundary><Rectangle><Coordinates "
      "unit.location=\"m\">100.5,200 110,210.25</Coordinates></Rectangle></Boundary>"
      "<GeometricFeature id=\"0\" category=\"sample\"><Boundary><Rectangle><Coordinates "
      "unit.location=\"m\">100.5,200 110,210.25</Coordinates></Rectangle></Boundary>"
      "<Geometry><Polygon><OuterBoundary><LinearRing><Coordinates unit.location=\"m\">100.5,200 110,210.25 "
      "110,200 100.5,200</Coordinates></LinearRing></OuterBoundary></Polygon></Geometry>"
      "<Property propertytypename=\"Id\" datatype=\"integer\">1</Property><Property "
      "propertytypename=\"Chiban\" datatype=\"string\">12-3</Property></GeometricFeature>"
      "</MetricGeospace></G-XML>";
  EXPECT_EQ(doc, expected);
}

TEST(GXml, SmallPieces) {
  EXPECT_EQ(gxml::GXml_Tag(0, "Rectangle"), "<Rectangle>");
  EXPECT_EQ(gxml::GXml_Tag(1, "Rectangle"), "</Rectangle>");
  EXPECT_EQ(gxml::GXml_Tag(-1, "Boundary"), "</Boundary>");
  EXPECT_EQ(gxml::GXml_Footer(), "</MetricGeospace></G-XML>");
  std::string s;
  gxml::GXml_Coordinates(s, 0, nullptr, nullptr);
  EXPECT_EQ(s, "<Coordinates unit.location=\"m\"></Coordinates>");
  s.clear();
  const double f[] = {0.5, -0.75}, g[] = {-0.25, 3};
  gxml::GXml_Coordinates(s, 2, f, g);
  EXPECT_EQ(s, "<Coordinates unit.location=\"m\">.5,-.25 -.75,3</Coordinates>");
}

TEST(GXml, DegenerateFeaturesAndEscaping) {
  SurveyLibrary lib;
  const double one_f[] = {5.5}, one_s[] = {-2};
  std::string s;
  const gxml::Property props[] = {{"Chiban", "string", "A&B<1>"}};
  gxml::GXml_Feature(s, lib, "c&t", 3, props, 1, one_f, one_s);
  // A one-point feature's rectangle is the point itself.
  EXPECT_EQ(s,
            "<GeometricFeature id=\"2\" category=\"c&amp;t\"><Boundary><Rectangle><Coordinates unit.location=\"m\">"
            "5.5,-2 5.5,-2</Coordinates></Rectangle></Boundary><Geometry><Polygon><OuterBoundary><LinearRing>"
            "<Coordinates unit.location=\"m\">5.5,-2</Coordinates></LinearRing></OuterBoundary></Polygon>"
            "</Geometry><Property propertytypename=\"Chiban\" datatype=\"string\">A&amp;B&lt;1&gt;</Property>"
            "</GeometricFeature>");
  s.clear();
  gxml::GXml_Feature(s, lib, "c", 1, {}, 0, nullptr, nullptr);
  EXPECT_NE(s.find("<Rectangle><Coordinates unit.location=\"m\">9999999999999,9999999999999 "
                   "-9999999999999,-9999999999999</Coordinates>"),
            std::string::npos);
  EXPECT_NE(s.find("<LinearRing><Coordinates unit.location=\"m\"></Coordinates></LinearRing>"), std::string::npos);

  // A ring listed without its closing point keeps its last vertex inside the box.
  const double open_f[] = {0, 10, 10}, open_s[] = {0, 0, 10};
  s.clear();
  gxml::GXml_Feature(s, lib, "c", 1, {}, 3, open_f, open_s);
  EXPECT_NE(s.find("<Rectangle><Coordinates unit.location=\"m\">0,0 10,10</Coordinates>"), std::string::npos);
}

TEST(GXml, HeaderTrimsTheNameNotTheCategory) {
  std::string s;
  gxml::GXml_Header(s, "  lot 7 ", "  lot 7 ", gxml::kPurposeShape);
  EXPECT_NE(s.find("<Name>lot 7</Name><Purpose>SHPをG-XMLへ変換</Purpose>"), std::string::npos);
  EXPECT_NE(s.find("<MetricGeospace category=\"  lot 7 \" unit.location=\"m\"><Boundary><Rectangle>"),
            std::string::npos);
  const std::string empty = gxml::document_head("e", gxml::kPurposeKokudo, gxml::Extent{});
  EXPECT_NE(empty.find(">1E+99,1E+99 -1E+99,-1E+99</Coordinates></Rectangle></Boundary>"), std::string::npos);
}

TEST(SurveyBinding, LibraryOutOfReachIsFailure53) {
  SurveyLibrary missing("libsurvey-not-here.so.0");
  try {
    missing.work_area(0, nullptr, nullptr);
    FAIL() << "no failure";
  } catch (const RuntimeFailure& f) {
    EXPECT_EQ(f.number(), 53);
  }
  // A library that loads but lacks the name: 453.
  SurveyLibrary other("libm.so.6");
  try {
    other.dswap(nullptr, nullptr);
    FAIL() << "no failure";
  } catch (const RuntimeFailure& f) {
    EXPECT_EQ(f.number(), 453);
    EXPECT_NE(std::string(f.what()).find("dswap"), std::string::npos);
  }
}

}  // namespace
}  // namespace conv
