// The document on its way to the output: the same bytes as the whole document
// encoded in memory, the output's states after a stop at every stage, and no
// scratch file left behind on any path, full disks included.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "cadastral/kestrin.hpp"
#include "common/files.hpp"
#include "common/gxml.hpp"
#include "common/recording_host.hpp"
#include "common/survey_binding.hpp"
#include "common/test_support.hpp"
#include "common/text.hpp"
#include "shapefile/shape.hpp"
#include "shapefile/test_fixtures.hpp"
#include "sima/sima.hpp"

namespace conv {
namespace {

namespace fs = std::filesystem;

std::set<std::string> names_in(const fs::path& dir) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
  return out;
}

TEST(DocumentWriter, SameBytesAsTheWholeDocumentEncodedInMemory) {
  test::ScratchDir dir;
  SurveyLibrary lib;
  Cp932 codec;
  const double first[] = {-.5, 110, 1e99, -.5}, second[] = {200, 2.5e-7, 200, 200};
  const std::string head = gxml::document_head("区域", gxml::kPurposeKokudo, {-.5, 2.5e-7, 1e99, 200});
  for (const std::size_t block : {std::size_t{1}, std::size_t{997}, std::size_t{65536}, gxml::DocumentWriter::kBlock}) {
    SCOPED_TRACE(block);
    std::string whole;
    {
      File out(dir.file("out.XML"), File::Mode::kWrite);
      gxml::DocumentWriter doc(out, codec, block);
      for (int k = 1; k <= 400; ++k) {
        const std::string id = std::to_string(k), name = "地番 " + id + " 🙂 &<";  // 🙂: not in code page 932
        const gxml::Property props[] = {{"Id", "integer", id}, {"Chiban", "string", name}};
        const std::size_t before = doc.text().size();
        gxml::GXml_Feature(doc.text(), lib, "区域", k, props, 4, first, second);
        whole.append(doc.text(), before);
        doc.feature_done();
      }
      EXPECT_EQ(doc.spilled(), block < whole.size());
      doc.finish(head);
    }
    EXPECT_EQ(test::slurp(dir.file("out.XML")), codec.to_cp932(head + whole + gxml::GXml_Footer()));
    EXPECT_EQ(names_in(dir.path()), std::set<std::string>{"out.XML"});
  }
}

TEST(ScratchFile, BesideItsOwnerUnderAFreshNameAndGoneAfterwards) {
  test::ScratchDir dir;
  dir.write("out.XML", "user's");
  {
    ScratchFile a(dir.file("out.XML")), b(dir.file("out.XML"));
    a.write("first");
    b.write("second");
    a.rewind();
    char buf[16];
    EXPECT_EQ(std::string(buf, a.read(buf, sizeof buf)), "first");
  }
  EXPECT_EQ(names_in(dir.path()), std::set<std::string>{"out.XML"});
  EXPECT_EQ(test::slurp(dir.file("out.XML")), "user's");
  try {
    ScratchFile none(dir.file("missing/out.XML"));
    ADD_FAILURE() << "a scratch file in a missing folder";
  } catch (const RuntimeFailure& f) {
    EXPECT_EQ(f.number(), kPathNotFound);
  }
}

// Inputs of some megabytes of document each: the scratch file is in use when they stop.
std::string big_sima(int parcels, const std::string& tail = "") {
  std::string s;
  for (int p = 1; p <= 500; ++p) s += "A01," + std::to_string(p) + ",P," + std::to_string(p * 1.5) + "," +
                                      std::to_string(p * 2.25) + ",0\r\n";
  for (int k = 1; k <= parcels; ++k) {
    s += "D00," + std::to_string(k) + ",\x92\x6e\x94\xd4 " + std::to_string(k) + ",1\r\n";
    for (int i = 0; i < 30; ++i) s += "B01," + std::to_string((k + i * 7) % 500 + 1) + "\r\n";
    s += "D99\r\n";
  }
  return s + tail;
}

std::string big_pol(int parcels, const std::string& tail = "") {
  std::string s;
  for (int k = 1; k <= parcels; ++k) {
    s += "101,2,a,b," + std::to_string(k) + ",30\r\n";
    for (int i = 0; i < 30; ++i) s += "P" + std::to_string((k + i * 7) % 500 + 1) + "\r\n";
  }
  return s + tail;
}

std::string big_pnt(const std::string& tail = "") {
  std::string s;
  for (int p = 1; p <= 500; ++p) s += "P" + std::to_string(p) + "," + std::to_string(p * 1.5) + ",-7.25\r\n";
  return s + tail;
}

// The main file of a shapefile fixture with one more record of the given shape type.
std::string with_record(const std::string& shp, std::int32_t type) {
  return shp + std::string("\0\0\0\x01\0\0\0\x0a", 8) + test::le32(static_cast<std::uint32_t>(type)) +
         std::string(40, '\0');
}

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

class OutputStates : public testing::Test {
 protected:
  struct Run {
    Outcome outcome;
    RecordingHost host;
    std::string output;
  };
  Run run(Outcome (*convert)(const Request&, Host&, SurveyLibrary&), const std::string& input, bool xy,
          const std::string& output = "") {
    Run r;
    const std::string out = output.empty() ? dir_.file("out.XML") : output;
    if (output.empty()) dir_.write("out.XML", "previous");
    SurveyLibrary lib;
    r.outcome = convert({dir_.file(input), out, xy}, r.host, lib);
    if (out != "/dev/full") r.output = test::slurp(out);
    return r;
  }
  test::ScratchDir dir_;
};

TEST_F(OutputStates, UntouchedBeforeTheOutputOpensEmptyAfterWholeOnlyWhenDone) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"shapes40000"}));
  const std::string shp = test::slurp(dir_.file("shapes40000.shp"));
  struct Case {
    const char* what;
    Outcome (*convert)(const Request&, Host&, SurveyLibrary&);
    std::vector<std::pair<std::string, std::string>> files;  // name, bytes
    Outcome outcome;
    const char* output;  // "previous", "" or "document"
  } cases[] = {
      {"sima done", convert_sima, {{"in.sim", big_sima(6000)}}, Outcome::kDone, "document"},
      {"sima, point table full", convert_sima, {{"in.sim", big_sima(6000, "A01,15001,P,1,1\r\n")}}, Outcome::kStopped,
       "previous"},
      {"sima, parcel of 5001 points", convert_sima, {{"in.sim", big_sima(6000, "D00,9,x,0\r\n" + repeat("B01,1\r\n", 5001))}},
       Outcome::kStopped, ""},
      {"sima, point number beyond the table", convert_sima, {{"in.sim", big_sima(6000, "B01,15001\r\n")}},
       Outcome::kFailed, ""},
      {"kestrin done", convert_kestrin, {{"in.pnt", big_pnt()}, {"in.pol", big_pol(6000)}}, Outcome::kDone, "document"},
      {"kestrin, coordinate file full", convert_kestrin,
       {{"in.pnt", big_pnt(repeat("Q,1,1\r\n", 29501))}, {"in.pol", big_pol(6000)}}, Outcome::kStopped, "previous"},
      {"kestrin, unknown point", convert_kestrin, {{"in.pnt", big_pnt()}, {"in.pol", big_pol(6000, "1,1,a,b,c,1\r\nQ\r\n")}},
       Outcome::kStopped, ""},
      {"shape done", convert_shape, {{"in.shp", shp}, {"in.dbf", test::slurp(dir_.file("shapes40000.dbf"))}},
       Outcome::kDone, "document"},
      {"shape, a point shape ends the program", convert_shape,
       {{"in.shp", with_record(shp, 1)}, {"in.dbf", test::slurp(dir_.file("shapes40000.dbf"))}}, Outcome::kStopped, ""},
      {"shape, a record cut short", convert_shape,
       {{"in.shp", with_record(shp, 5).substr(0, shp.size() + 30)}, {"in.dbf", test::slurp(dir_.file("shapes40000.dbf"))}},
       Outcome::kStopped, ""},
  };
  for (const char* f : {"shapes40000.shp", "shapes40000.shx", "shapes40000.dbf"}) fs::remove(dir_.file(f));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::set<std::string> names{"out.XML"};
    for (const auto& [name, bytes] : c.files) {
      dir_.write(name, bytes);
      names.insert(name);
    }
    const Run r = run(c.convert, c.files.front().first, true);
    EXPECT_EQ(r.outcome, c.outcome);
    if (std::string(c.output) == "document") {
      EXPECT_TRUE(r.host.messages.empty());
      EXPECT_GT(r.output.size(), 2 * gxml::DocumentWriter::kBlock);  // the scratch file was used
      EXPECT_TRUE(test::well_formed(dir_.file("out.XML")));
    } else {
      EXPECT_EQ(r.output, c.output);
      EXPECT_EQ(r.host.messages.size(), 1u);
    }
    EXPECT_EQ(names_in(dir_.path()), names);
    for (const auto& [name, bytes] : c.files) fs::remove(dir_.file(name));
  }
}

// A full disk: the run-time failure of today, an empty output, no scratch file.
TEST_F(OutputStates, FullDisk) {
  dir_.write("in.sim", big_sima(20));
  const Run r = run(convert_sima, "in.sim", true, "/dev/full");
  EXPECT_EQ(r.outcome, Outcome::kFailed);
  ASSERT_EQ(r.host.messages.size(), 1u);
  EXPECT_EQ(r.host.messages[0].text, "エラー番号61\r\nDisk full: /dev/full");
  EXPECT_EQ(r.host.messages[0].title, "Bentrim");

  // A small file system: full while the features go to the scratch file, and full
  // while the output receives them.
  dir_.write("in.sim", big_sima(6000));
  EXPECT_EQ(run(convert_sima, "in.sim", true).outcome, Outcome::kDone);
  const auto size = fs::file_size(dir_.file("out.XML"));
  const fs::path small = dir_.path() / "small";
  fs::create_directory(small);
  for (const double fraction : {0.5, 1.5}) {
    SCOPED_TRACE(fraction);
    const std::string options = "size=" + std::to_string(static_cast<long>(size * fraction));
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, options.c_str()) != 0)
      GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << "); needs root";
    const std::string out = (small / "out.XML").string();
    const Run full = run(convert_sima, "in.sim", true, out);
    const std::set<std::string> left = names_in(small);
    ::umount(small.c_str());
    EXPECT_EQ(full.outcome, Outcome::kFailed);
    ASSERT_EQ(full.host.messages.size(), 1u);
    EXPECT_EQ(full.host.messages[0].text, "エラー番号61\r\nDisk full: " + out);
    EXPECT_EQ(full.output, "");
    EXPECT_EQ(left, std::set<std::string>{"out.XML"});
  }
}

}  // namespace
}  // namespace conv
