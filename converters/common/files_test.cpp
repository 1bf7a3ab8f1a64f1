#include "common/files.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "common/host.hpp"
#include "common/test_support.hpp"

namespace conv {
namespace {

struct Read {
  std::vector<std::string> lines;
  std::vector<std::int64_t> starts;
};

Read read_lines(const std::string& path) {
  File f(path, File::Mode::kRead);
  LineReader r(f);
  Read out;
  std::string_view line;
  for (;;) {
    const auto at = r.position();
    if (!r.next(line)) break;
    out.lines.emplace_back(line);
    out.starts.push_back(at);
  }
  return out;
}

TEST(LineReader, EveryLineEnding) {
  test::ScratchDir dir;
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
    std::vector<std::int64_t> starts;
  } cases[] = {
      {"a\r\nbb\r\n", {"a", "bb"}, {0, 3}},
      {"a\nbb\n", {"a", "bb"}, {0, 2}},
      {"a\rbb\r", {"a", "bb"}, {0, 2}},
      {"a\r\n\r\nlast", {"a", "", "last"}, {0, 3, 5}},
      {"", {}, {}},
      {"\n", {""}, {0}},
      {"x\r\r\ny", {"x", "", "y"}, {0, 2, 4}},
  };
  int i = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(i);
    const auto got = read_lines(dir.write("f" + std::to_string(i++), c.bytes));
    EXPECT_EQ(got.lines, c.lines);
    EXPECT_EQ(got.starts, c.starts);
  }
}

TEST(LineReader, LongLinesAndCrLfAcrossBufferEdges) {
  test::ScratchDir dir;
  // Lines long enough to cross the reader's buffer, with CR LF straddling its edges.
  std::string bytes;
  std::vector<std::string> expected;
  for (int n : {262143, 1, 262142, 600000, 3, 262144}) {
    expected.emplace_back(static_cast<std::size_t>(n), static_cast<char>('a' + expected.size()));
    bytes += expected.back() + "\r\n";
  }
  const auto got = read_lines(dir.write("long", bytes));
  ASSERT_EQ(got.lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(got.lines[i], expected[i]) << i;
}

TEST(Files, OpenFailuresCarryTheirNumbers) {
  test::ScratchDir dir;
  struct Case {
    std::string path;
    File::Mode mode;
    int number;
  } cases[] = {
      {dir.file("missing.sim"), File::Mode::kRead, 53},
      {dir.file("no/such/folder/out.XML"), File::Mode::kWrite, 76},
      {dir.path().string(), File::Mode::kRead, 75},
      {dir.path().string(), File::Mode::kWrite, 75},
      {"", File::Mode::kRead, 53},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    try {
      File f(c.path, c.mode);
      FAIL() << "opened";
    } catch (const RuntimeFailure& e) {
      EXPECT_EQ(e.number(), c.number);
    }
  }
}

}  // namespace
}  // namespace conv
