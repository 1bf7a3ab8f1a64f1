#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "survey/survey.h"

namespace fs = std::filesystem;

namespace {

class Files : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("survey_files_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const std::string& name, const std::string& bytes) {
    const auto p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  fs::path dir_;
};

TEST_F(Files, FDataCountCountsPiecesOf255) {
  struct Case {
    const char* name;
    std::string bytes;
    int32_t lines;
  } cases[] = {
      {"two.txt", "first\nsecond", 2},
      {"empty.txt", "", 0},
      {"long.txt", std::string(600, 'a') + "\n", 3},
      {"exact.txt", std::string(255, 'a') + "\n", 2},  // 255 characters, then the newline alone
      {"crlf.txt", "a\r\nb\r\n", 2},
      {"blank.txt", "\n\n\n", 3},
      {"lf.txt", std::string(254, 'a') + "\n" + std::string(510, 'b'), 3},  // 255 bytes; then 510 without newline
      {"cr.txt", "a\rb\rc", 1},                                        // CR alone ends no line
      {"huge.txt", std::string(200000, 'x') + "\n", 785},              // pieces across read blocks
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FDataCount(write(c.name, c.bytes).c_str()), c.lines);
  }
  EXPECT_EQ(FDataCount((dir_ / "missing.txt").c_str()), 0);
  EXPECT_EQ(FDataCount(dir_.c_str()), 0);  // a folder holds no lines
}

TEST_F(Files, FindFileMatchesWildcardsIgnoringCase) {
  write("Town.PNT", "x");
  write("plan.sim", "x");
  const std::string d = dir_.string() + "/";
  struct Case {
    std::string pattern;
    bool found;
  } cases[] = {
      {d + "Town.PNT", true}, {d + "town.pnt", true},  {d + "*.pnt", true},  {d + "*.shp", false},
      {d + "pla?.sim", true}, {d + "pla??.sim", false}, {d + "*.*", true},    {d + "*", true},
      {d + "p*n.s*", true},   {d + "nothing*", false},  {d + "", false},      {d + "no/dir/*", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    const int32_t r = find_file(c.pattern.c_str());
    if (c.found)
      EXPECT_GE(r, 0);
    else
      EXPECT_EQ(r, -1);
  }
  EXPECT_EQ(find_file(""), -1);
}

TEST_F(Files, FindFileIsRelativeToTheCurrentFolder) {
  write("here.dat", "x");
  const auto old = fs::current_path();
  fs::current_path(dir_);
  EXPECT_GE(find_file("here.dat"), 0);
  EXPECT_GE(find_file("*.DAT"), 0);
  EXPECT_EQ(find_file("there.dat"), -1);
  fs::current_path(old);
}

TEST(Remain, CurrentAndRootAnswerOthersDoNot) {
  // Free space itself varies; what is fixed is which drives answer.
  const auto space = fs::space(".");
  if (space.available > 0 && static_cast<uint32_t>(space.available) != 0xFFFFFFFFu) {
    EXPECT_NE(remain(0), -1);
  }
  EXPECT_NE(remain(3), -1);
  for (int16_t d : {1, 2, 27, -1, 300}) EXPECT_EQ(remain(d), -1) << d;
}

}  // namespace
