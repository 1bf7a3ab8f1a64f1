#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "converters/common/test_support.hpp"
#include "survey/survey.h"
#include "survey/test_support.hpp"

namespace fs = std::filesystem;

namespace {

using conv::test::slurp;
using survey::test::take;

// The Debian interpreter, which has the Debian python packages.
std::string python() { return fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3"; }

// Standard output of a shell command; false when it fails.
bool run(const std::string& cmd, std::string& out) {
  out.clear();
  std::FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return false;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  return ::pclose(p) == 0;
}

class GXmlKit : public testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& bytes) const { return dir_.write(name, bytes); }
  static std::string head_read(const std::string& path) {
    const char* p = path.c_str();
    return take(DBF_HeadRead(&p));
  }
  conv::test::ScratchDir dir_;
};

const char* const kNull = nullptr;

TEST(GXmlTags, Fragments) {
  const char *polygon = "Polygon", *amp = "A&amp;B", *id = "Id", *integer = "integer", *one = "1";
  const double x[] = {1, 2.5, 0.5, 1e15, -0.0}, y[] = {0.25, -3, 0.05, -1e-5, 123456789012345};
  const char *nm = "\x93\x8C\x92\xAC", *pu = "p<", *au = "", *de = " d ";  // 東町
  const struct {
    std::string got;
    std::string want;
  } cases[] = {
      {take(CrtTag(0, &polygon)), "<Polygon>"},
      {take(CrtTag(1, &polygon)), "</Polygon>"},
      {take(CrtTag(-32768, &polygon)), "</Polygon>"},
      {take(CrtTag(0, nullptr)), "<>"},
      {take(CrtTag(1, &kNull)), "</>"},
      {take(CrtTagXY(2, x, y)), "<Coordinates unit.location=\"m\">1,0.25 2.5,-3</Coordinates>"},
      {take(CrtTagXY(5, x, y)),
       "<Coordinates unit.location=\"m\">1,0.25 2.5,-3 0.5,5.e-002 1.e+015,-1.e-005 0,123456789012345</Coordinates>"},
      {take(CrtTagXY(1, x + 2, y + 2)), "<Coordinates unit.location=\"m\">0.5,5.e-002</Coordinates>"},
      {take(CrtTagXY(0, x, y)), "<Coordinates unit.location=\"m\"></Coordinates>"},
      {take(CrtTagXY(-7, nullptr, nullptr)), "<Coordinates unit.location=\"m\"></Coordinates>"},
      {take(CrtTagHEAD()),
       "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?><G-XML><Metadata><Metadata.gxml>"
       "<Name>\x96\xBC\x8F\xCC</Name><Purpose>\x96\xDA\x93\x49</Purpose><Author>\x8D\xEC\x8E\xD2</Author>"
       "<Description>\x90\xE0\x96\xBE</Description></Metadata.gxml></Metadata>"},
      // Texts go in unchanged: not trimmed, not escaped.
      {take(CrtTagHEAD1(&nm, &pu, &au, &de)),
       "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?><G-XML><Metadata><Metadata.gxml>"
       "<Name>\x93\x8C\x92\xAC</Name><Purpose>p<</Purpose><Author></Author><Description> d </Description>"
       "</Metadata.gxml></Metadata>"},
      {take(CrtTagHEAD1(nullptr, &kNull, nullptr, nullptr)),
       "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?><G-XML><Metadata><Metadata.gxml><Name></Name>"
       "<Purpose></Purpose><Author></Author><Description></Description></Metadata.gxml></Metadata>"},
      {take(CrtTagProperty(&id, &integer, &one)), "<Property propertytypename=\"Id\" datatype=\"integer\">1</Property>"},
      {take(CrtTagProperty(&id, nullptr, &amp)), "<Property propertytypename=\"Id\" datatype=\"\">A&amp;B</Property>"},
      {take(GXmlEND()), "</MetricGeospace></G-XML>"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
}

// A document put together from the pieces is well-formed Shift_JIS XML, and an XML
// reader finds the coordinates and properties in it.
TEST_F(GXmlKit, DocumentReadsBack) {
  std::string out;
  if (!run("xmllint --version >/dev/null 2>&1", out)) GTEST_SKIP() << "xmllint (Debian libxml2-utils) is not installed";
  const char *name = "\x96\xBC\x8F\xCC\x82\xCC\x83\x65\x83\x58\x83\x67",  // 名称のテスト
      *purpose = "\x8E\x8E\x8C\xB1", *author = "\x8D\xEC\x8E\xD2", *desc = "\x90\xE0\x96\xBE";
  const char *geo = "MetricGeospace category=\"t\" unit.location=\"m\"", *feature = "GeometricFeature",
             *geometry = "Geometry", *polygon = "Polygon", *outer = "OuterBoundary", *ring = "LinearRing";
  const char *chiban = "Chiban", *str = "string", *value = "\x92\x6E\x94\xD4" "12-3 A&amp;B",  // 地番12-3
      *id = "Id", *integer = "integer", *k = "7";
  const double x[] = {100.5, 110, 0.05, 100.5}, y[] = {200, 210.25, 1e15, 200};
  std::string doc = take(CrtTagHEAD1(&name, &purpose, &author, &desc));
  doc += take(CrtTag(0, &geo));
  doc += take(CrtTag(0, &feature)) + take(CrtTag(0, &geometry)) + take(CrtTag(0, &polygon)) +
         take(CrtTag(0, &outer)) + take(CrtTag(0, &ring));
  doc += take(CrtTagXY(4, x, y));
  doc += take(CrtTag(1, &ring)) + take(CrtTag(1, &outer)) + take(CrtTag(1, &polygon)) + take(CrtTag(1, &geometry));
  doc += take(CrtTagProperty(&id, &integer, &k)) + take(CrtTagProperty(&chiban, &str, &value));
  doc += take(CrtTag(1, &feature)) + take(GXmlEND());
  const std::string file = write("doc.xml", doc);
  ASSERT_TRUE(conv::test::well_formed(file));
  const struct {
    const char* xpath;
    const char* value;  // UTF-8, as xmllint prints it
  } reads[] = {
      {"string(//Name)", "名称のテスト"},
      {"string(//Purpose)", "試験"},
      {"string(//LinearRing/Coordinates)", "100.5,200 110,210.25 5.e-002,1.e+015 100.5,200"},
      {"string(//Coordinates/@unit.location)", "m"},
      {"string(//Property[@propertytypename='Id'])", "7"},
      {"string(//Property[@propertytypename='Chiban']/@datatype)", "string"},
      {"string(//Property[@propertytypename='Chiban'])", "地番12-3 A&B"},
      {"count(/G-XML/MetricGeospace/GeometricFeature)", "1"},
  };
  for (const auto& r : reads) {
    ASSERT_TRUE(run(std::string("xmllint --xpath \"") + r.xpath + "\" '" + file + "'", out)) << r.xpath;
    if (!out.empty() && out.back() == '\n') out.pop_back();
    EXPECT_EQ(out, r.value) << r.xpath;
  }
  // The caller's escaped ampersand is in the file as the caller wrote it.
  EXPECT_NE(doc.find(">\x92\x6E\x94\xD4" "12-3 A&amp;B</Property>"), std::string::npos);
}

// Tables written by pyshp and python3-dbf, their names read back with struct.
TEST_F(GXmlKit, DbfHeadReadReferenceTables) {
  const char* src = std::getenv("SURVEY_SOURCE_DIR");
  const std::string script = std::string(src ? src : "..") + "/survey/output/dbf_reference.py";
  if (!fs::exists(script)) GTEST_SKIP() << "set SURVEY_SOURCE_DIR to the source tree (ctest does)";
  std::string out;
  if (!run(python() + " -c 'import dbf, shapefile' 2>/dev/null", out))
    GTEST_SKIP() << "python3-dbf and python3-pyshp are not installed";
  ASSERT_TRUE(run(python() + " '" + script + "' '" + dir_.path().string() + "'", out));
  std::istringstream list(slurp(dir_.file("tables.txt")));
  int tables = 0;
  for (std::string name; std::getline(list, name); ++tables) {
    SCOPED_TRACE(name);
    EXPECT_EQ(head_read(dir_.file(name + ".dbf")), slurp(dir_.file(name + ".names")));
  }
  EXPECT_EQ(tables, 6);
  // Visual FoxPro's reserved bytes after the terminator are not names; code page
  // 932 and lower-case names come as the file holds them (地番 is 92 6E 94 D4).
  EXPECT_EQ(head_read(dir_.file("vfp.dbf")), "ID,NAME");
  EXPECT_EQ(head_read(dir_.file("db3_dbf.dbf")), "ID,NAME");
  EXPECT_EQ(head_read(dir_.file("cp932.dbf")), "\x92\x6E\x94\xD4,id,ABCDEFGHIJ,\xB6\xC5");
}

// A file header of `length` with the given descriptors (name areas of up to 32
// bytes, padded with NUL to 32).
std::string table(int header_length, const std::vector<std::string>& names, bool terminator = true) {
  std::string s(32, '\0');
  s[0] = 3;
  s[8] = static_cast<char>(header_length & 0xFF);
  s[9] = static_cast<char>((header_length >> 8) & 0xFF);
  for (const auto& n : names) {
    std::string d = n;
    d.resize(32, '\0');
    if (n.size() < 12) d[11] = 'C';
    s += d;
  }
  if (terminator) s += '\x0D';
  return s;
}

TEST_F(GXmlKit, DbfHeadReadDamage) {
  const std::string two = table(97, {"ID", "NAME"});
  const struct {
    const char* what;
    std::string bytes;
    std::string names;
  } cases[] = {
      {"plain", two, "ID,NAME"},
      {"empty and untrimmed names kept", table(129, {"ID", "", " A B"}), "ID,, A B"},
      {"header length 33: no field", table(33, {"ID"}), ""},
      {"header length 0", table(0, {"ID"}), ""},
      {"header length 32768 reads negative", table(32768 + 97, {"ID", "NAME"}), ""},
      {"header length -1", table(0xFFFF, {"ID"}), ""},
      {"terminator before the count", table(32 + 32 * 5 + 1, {"ID", "NAME"}), "ID,NAME"},
      {"count before the terminator", table(65, {"ID", "NAME"}), "ID"},
      {"header length beyond the file", table(2000, {"ID", "NAME"}, false), "ID,NAME"},
      {"no terminator, records follow", table(97, {"ID", "NAME"}, false) + "x12", "ID,NAME"},
      {"11-byte name, type letter follows", table(65, {std::string("ABCDEFGHIJKC", 12)}), "ABCDEFGHIJK"},
      {"name area without NUL, long descriptor", table(65, {std::string(32, 'Z')}), "ZZZZZZZZZZZ"},
      {"bytes after the first NUL", table(65, {std::string("AB\0junk", 7)}), "AB"},
      {"truncated in the second descriptor", two.substr(0, 32 + 32 + 20), "ID"},
      {"truncated in the first descriptor", two.substr(0, 40), ""},
      {"file header only", two.substr(0, 32), ""},
      {"31 bytes", two.substr(0, 31), ""},
      {"empty file", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(head_read(write("t.dbf", c.bytes)), c.names) << c.what;
  // Nothing to open, or not a file.
  EXPECT_EQ(head_read(dir_.file("missing.dbf")), "");
  EXPECT_EQ(head_read(dir_.path().string()), "");
  EXPECT_EQ(head_read(""), "");
  EXPECT_EQ(take(DBF_HeadRead(nullptr)), "");
  EXPECT_EQ(take(DBF_HeadRead(&kNull)), "");
}

TEST(ByteSwaps, AgainstStruct) {
  EXPECT_EQ(Chg_LowHighI(258), 513);
  EXPECT_EQ(Chg_LowHighI(255), -256);
  EXPECT_EQ(Chg_LowHighL(0x04030201), 0x01020304);
  const std::vector<int64_t> values = {0,     1,     -1,     255,    256,         -256,        0x7FFF,     -0x8000,
                                       0x1234, -2,   0x7F80, 128,    0x7FFFFFFF,  -0x7FFFFFFF - 1, 0x01020304,
                                       -123456789,   0x80,   0xFF00, 1000000000,  -2147483647};
  std::string expr;
  for (auto v : values) expr += std::to_string(v) + ",";
  // Each value as a little-endian pattern read big-endian: 16 bits (low half) and 32.
  const std::string cmd = python() + " -c \"import struct\nfor v in [" + expr +
                          "]:\n print(struct.unpack('>h', struct.pack('<H', v & 0xFFFF))[0],"
                          " struct.unpack('>i', struct.pack('<I', v & 0xFFFFFFFF))[0])\"";
  std::string out;
  ASSERT_TRUE(run(cmd, out)) << cmd;
  std::istringstream in(out);
  for (auto v : values) {
    int64_t i16 = 0, i32 = 0;
    ASSERT_TRUE(in >> i16 >> i32);
    EXPECT_EQ(Chg_LowHighI(static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF))), i16) << v;
    EXPECT_EQ(Chg_LowHighL(static_cast<int32_t>(static_cast<uint32_t>(v & 0xFFFFFFFF))), i32) << v;
    EXPECT_EQ(Chg_LowHighI(Chg_LowHighI(static_cast<int16_t>(v & 0xFFFF))), static_cast<int16_t>(v & 0xFFFF));
  }
}

TEST(PartChr, Splitters) {
  const struct {
    const char* text;
    const char* sep;
    const char* left;
    const char* right;
  } cases[] = {
      {"12-3", "-", "12", "3"},
      {"12-3", "/", "12-3", "12-3"},
      {"a::b", "::", "a", ":b"},
      {"a-b-c", "-", "a", "b-c"},
      {"abc", "B", "abc", "abc"},  // case-sensitive
      {"abc", "abc", "", "bc"},
      {"abc", "abcd", "abc", "abc"},
      {"-x", "-", "", "x"},
      {"x-", "-", "x", ""},
      {"abc", "", "", "bc"},  // an empty separator occurs at the start
      {"", "", "", ""},
      {"", "-", "", ""},
      // Shift_JIS: 12－3 (－ 81 7C), ソ\x (ソ 83 5C), 表 (95 5C) before a "\" of its own.
      {"12\x81\x7C" "3", "\x81\x7C", "12", "3"},
      {"12\x81\x7C" "3", "|", "12\x81\x7C" "3", "12\x81\x7C" "3"},
      {"\x83\x5C\\x", "\\", "\x83\x5C", "x"},
      {"\x95\x5C\x83\x5C", "\\", "\x95\x5C\x83\x5C", "\x95\x5C\x83\x5C"},
      {"\x83\x5C" "a", "", "", "a"},
      {"a\x83\x5C" "b", "\x83\x5C", "a", "b"},
      {"a\x83\x5C\x83\x5C", "\x83\x5C\x83", "a\x83\x5C\x83\x5C", "a\x83\x5C\x83\x5C"},  // would end inside a character
      {"x\x81", "\x81", "x", ""},                                                     // a lone lead byte at the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(take(LeftPartChr(&c.text, &c.sep)), c.left) << c.text << " | " << c.sep;
    EXPECT_EQ(take(RightPartChr(&c.text, &c.sep)), c.right) << c.text << " | " << c.sep;
  }
  const char* t = "ab";
  EXPECT_EQ(take(LeftPartChr(&t, nullptr)), "");
  EXPECT_EQ(take(RightPartChr(&t, &kNull)), "b");
  EXPECT_EQ(take(LeftPartChr(nullptr, &t)), "");
  EXPECT_EQ(take(RightPartChr(&kNull, nullptr)), "");
}

}  // namespace
