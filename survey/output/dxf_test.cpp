#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "survey/survey.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class Dxf : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("survey_dxf_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
  static int32_t version(const std::string& path) {
    const char* p = path.c_str();
    return DXFVer(&p);
  }
  // What one section copy appends to a fresh destination.
  std::string copy(const std::string& src, int16_t section) {
    const std::string dst = (dir_ / "out.dxf").string();
    fs::remove(dst);
    const char *s = src.c_str(), *d = dst.c_str();
    Pic_Dxfsection(&s, &d, section);
    return fs::exists(dst) ? slurp(dst) : std::string("<none>");
  }
  fs::path dir_;
};

const std::string kHead = "  0\r\nSECTION\r\n  2\r\n";

// Drawings written by ezdxf: versions, and every section as a line split finds it.
TEST_F(Dxf, EzdxfDrawings) {
  const char* src = std::getenv("SURVEY_SOURCE_DIR");
  const std::string python = fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
  const std::string script = std::string(src ? src : "..") + "/survey/output/dxf_reference.py";
  if (!fs::exists(script)) GTEST_SKIP() << "set SURVEY_SOURCE_DIR to the source tree (ctest does)";
  if (std::system((python + " -c 'import ezdxf' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "ezdxf (Debian python3-ezdxf) is not installed";
  ASSERT_EQ(std::system((python + " " + script + " make " + dir_.string()).c_str()), 0);
  const struct {
    const char* name;
    int32_t version;
  } drawings[] = {{"r12", 12},     {"r2000", 2000},    {"r2004", 0},         {"r2018", 0},         {"editAC1006", 3},
                  {"editAC1012", 13}, {"editAC1014", 14}, {"r12crlf", 12}, {"r2000crlf", 2000}};
  for (const auto& d : drawings) {
    SCOPED_TRACE(d.name);
    const std::string path = (dir_ / (std::string(d.name) + ".dxf")).string();
    EXPECT_EQ(version(path), d.version);
    for (int16_t k = 1; k <= 6; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(copy(path, k), slurp(dir_ / (std::string(d.name) + ".sec" + std::to_string(k))));
    }
  }
  // HEADER, ENTITIES and an end of file make a drawing that ezdxf reads back.
  const std::string path = (dir_ / "r12.dxf").string(), out = (dir_ / "joined.dxf").string();
  const char *s = path.c_str(), *d = out.c_str();
  Pic_Dxfsection(&s, &d, 1);
  Pic_Dxfsection(&s, &d, 4);
  std::ofstream(out, std::ios::binary | std::ios::app) << "  0\r\nEOF\r\n";
  EXPECT_EQ(std::system((python + " " + script + " check " + out + " >/dev/null").c_str()), 0);
}

TEST_F(Dxf, VersionFromPieces) {
  const std::string a255(255, 'a');
  struct Case {
    const char* what;
    std::string bytes;
    int32_t version;
  } cases[] = {
      {"first match wins", "AC1014\nAC1015\n", 14},
      {"order of the markers does not matter", "x\nAC1015\nAC1006\n", 2000},
      {"marker inside a line", "  AC1009\n", 0},
      {"second piece of a long line", a255 + "AC1012 and more\n", 13},
      {"not at a piece start", a255.substr(1) + "AC1012\n", 0},
      {"CR LF", "  1\r\nAC1006\r\n", 3},
      {"no line end", "AC1009", 12},
      {"Ctrl-Z ends the text", "x\n\x1A" "AC1009\n", 0},
      {"NUL is data", std::string("AC10\0" "09\nAC1014\n", 15), 14},
      {"empty", "", 0},
      {"far in a 1 MB line", std::string(255 * 4000, 'b') + "AC1015", 2000},
      {"1 MB line without marker", std::string(1 << 20, 'A'), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(version(write("v.dxf", c.bytes)), c.version);
  }
  EXPECT_EQ(version((dir_ / "missing.dxf").string()), 0);
  EXPECT_EQ(version(dir_.string()), 0);
  EXPECT_EQ(version(""), 0);
  EXPECT_EQ(DXFVer(nullptr), 0);
}

TEST_F(Dxf, SectionCopyLineEnds) {
  const std::string tail = "ENTITIES\r\n" + std::string(65525, 'a') + "\r\n" + std::string(1 << 20, 'b') +
                           "\r\nENDSEC\r\nafter\r\n";
  struct Case {
    const char* what;
    std::string bytes;
    std::string appended;
  } cases[] = {
      {"LF becomes CR LF", "x\nENTITIES\n1\nENDSEC\n2\n", kHead + "ENTITIES\r\n1\r\nENDSEC\r\n"},
      {"lone CR is data", "ENTITIES\na\rb\r\nENDSEC", kHead + "ENTITIES\r\na\rb\r\nENDSEC"},
      // A CR LF split between two reads, then a 1 MB line.
      {"CR LF across reads, long lines", tail, kHead + tail.substr(0, tail.size() - 7)},
      {"Ctrl-Z ends the text", "ENTITIES\n1\n\x1A" "ENDSEC\n", kHead + "ENTITIES\r\n1\r\n"},
      {"NUL is data", std::string("ENTITIESX\na\0b\nENDSECT\nz\n", 24), kHead + std::string("ENTITIESX\r\na\0b\r\nENDSECT\r\n", 25)},
      {"no ENDSEC: what was copied stays", "ENTITIES\n1\n", kHead + "ENTITIES\r\n1\r\n"},
      {"section absent: empty destination", "HEADER\nENDSEC\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string src = write("s.dxf", c.bytes);
    EXPECT_EQ(copy(src, 4), c.appended);
  }
}

TEST_F(Dxf, SectionCopyCreatesNothingForBadArguments) {
  const std::string src = write("s.dxf", "ENTITIES\nENDSEC\n");
  for (int16_t k : {0, 7, -1, 300}) EXPECT_EQ(copy(src, k), "<none>");
  EXPECT_EQ(copy((dir_ / "missing.dxf").string(), 4), "<none>");
  EXPECT_EQ(copy(dir_.string(), 4), "<none>");
  const char* s = src.c_str();
  Pic_Dxfsection(&s, nullptr, 4);
  Pic_Dxfsection(nullptr, &s, 4);
  EXPECT_EQ(slurp(src), "ENTITIES\nENDSEC\n");
}

TEST_F(Dxf, SectionCopyAppends) {
  const std::string src = write("s.dxf", "TABLES\nENDSEC\n");
  const std::string dst = write("d.dxf", "kept\r\n");
  const char *s = src.c_str(), *d = dst.c_str();
  Pic_Dxfsection(&s, &d, 2);
  EXPECT_EQ(slurp(dst), "kept\r\n" + kHead + "TABLES\r\nENDSEC\r\n");
}

// The source as its own destination, without ENDSEC: read no further than its
// length at the start (the copy is checked in a child process with a time limit).
TEST_F(Dxf, SectionCopyIntoItselfEnds) {
  const std::string body = "  0\nSECTION\n  2\nENTITIES\n" + std::string(20000, 'e') + "\n";
  const std::string path = write("self.dxf", body);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    alarm(20);
    const char* p = path.c_str();
    Pic_Dxfsection(&p, &p, 4);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "the copy did not end";
  EXPECT_EQ(slurp(path), body + kHead + "ENTITIES\r\n" + std::string(20000, 'e') + "\r\n");
}

TEST(Sheets, GetCoord) {
  struct Case {
    const char* code;
    double xmin, ymin, xmax, ymax;
  } cases[] = {
      {"AH", 270000, 120000, 300000, 160000},
      {"AH00", 297000, 120000, 300000, 124000},
      {"AH0002", 298500, 122000, 300000, 124000},
      {"AH00x2", 298500, 122000, 300000, 124000},  // the fifth character is not examined
      {"AH0000", 297000, 120000, 298500, 122000},
      {"AH0003", 297000, 120000, 298500, 122000},
      {"AH0001", 298500, 120000, 300000, 122000},
      {"AH0004", 297000, 122000, 298500, 124000},
      {"TA", -300000, -160000, -270000, -120000},
      {"TA99", -300000, -124000, -297000, -120000},
      {"KE59", -18000, 36000, -15000, 40000},
      // Faults after the letters: the block's minima in km, maxima 0.
      {"AH0X", 270, 120, 0, 0},
      {"AHX0", 270, 120, 0, 0},
      {"AH0005", 270, 120, 0, 0},
      {"AH000a", 270, 120, 0, 0},
      {"TA99 9", -300, -160, 0, 0},
      // Faults in length or letters: all zero.
      {"ah", 0, 0, 0, 0},
      {"UA", 0, 0, 0, 0},
      {"AI", 0, 0, 0, 0},
      {"@A", 0, 0, 0, 0},
      {"AH0", 0, 0, 0, 0},
      {"AH00000", 0, 0, 0, 0},
      {"", 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    double v[4] = {1, 1, 1, 1};
    getcoord(&c.code, &v[0], &v[1], &v[2], &v[3]);
    EXPECT_EQ(v[0], c.xmin);
    EXPECT_EQ(v[1], c.ymin);
    EXPECT_EQ(v[2], c.xmax);
    EXPECT_EQ(v[3], c.ymax);
  }
  double v[4] = {1, 1, 1, 1};
  getcoord(nullptr, &v[0], &v[1], &v[2], &v[3]);
  EXPECT_EQ(v[0] + v[1] + v[2] + v[3], 0.0);
}

TEST(Sheets, GetDownXY) {
  struct Case {
    double s, x, y, xc, yc;
  } cases[] = {
      {5000, -1, 4500, -3000, 4000},
      {5000, -3000, -4000, -3000, -4000},  // a negative exact multiple stays
      {5000, 0, 0, 0, 0},
      {500, 12345.678, 1, 12300.000000000002, 0},
      {2500, 1499.999, 2000, 0, 2000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    double xc = 7, yc = 7;
    getdownxy(c.s, c.x, c.y, &xc, &yc);
    EXPECT_EQ(xc, c.xc);
    EXPECT_EQ(yc, c.yc);
  }
}

}  // namespace
