// What the fuzz targets share: a host that records nothing, a scratch folder for
// the files that a conversion reads and writes, and the checks that hold after any
// conversion, whatever its input.
#ifndef FUZZ_FUZZ_SUPPORT_HPP
#define FUZZ_FUZZ_SUPPORT_HPP

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "common/host.hpp"
#include "common/null_host.hpp"
#include "common/survey_binding.hpp"

namespace fuzz {

[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

// A folder of this process (in memory where /dev/shm is there), removed at exit.
class Scratch {
 public:
  Scratch() {
    std::error_code ec;
    std::filesystem::path base = "/dev/shm";
    if (!std::filesystem::is_directory(base, ec)) base = std::filesystem::temp_directory_path();
    std::string templ = (base / "survey_fuzz_XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) fail("no scratch folder");
    dir_ = templ;
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string file(const std::string& name) const { return (dir_ / name).string(); }
  std::string write(const std::string& name, std::string_view bytes) const {
    const std::string path = file(name);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) fail("cannot write an input");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
  }
  std::string read(const std::string& name) const {
    std::ifstream f(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  // Every name in the folder.
  std::set<std::string> names() const {
    std::set<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) out.insert(e.path().filename().string());
    return out;
  }
  // Empties the folder.
  void clear() const {
    for (const auto& e : std::filesystem::directory_iterator(dir_)) std::filesystem::remove_all(e.path());
  }

 private:
  std::filesystem::path dir_;
};

// The survey library: the one of this build, or in the fuzzing build (whose compiler
// may not build the library) the one named at configuration.
inline conv::SurveyLibrary& library() {
#ifdef FUZZ_SURVEY_LIBRARY
  static conv::SurveyLibrary lib(FUZZ_SURVEY_LIBRARY);
#else
  static conv::SurveyLibrary lib;
#endif
  return lib;
}

inline Scratch& scratch() {
  static Scratch s;
  return s;
}

// The data split into two files: the first four bytes (little-endian) give the
// length of the first file, the rest of the data is taken in order.
inline void split(const std::uint8_t* data, std::size_t size, std::string_view& a, std::string_view& b) {
  const char* p = reinterpret_cast<const char*>(data);
  if (size < 4) {
    a = std::string_view(p, size);
    b = {};
    return;
  }
  const std::uint32_t n = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 | std::uint32_t{data[2]} << 16 |
                          std::uint32_t{data[3]} << 24;
  const std::size_t first = std::min<std::size_t>(n, size - 4);
  a = std::string_view(p + 4, first);
  b = std::string_view(p + 4 + first, size - 4 - first);
}

inline constexpr std::string_view kPrevious = "previous output";

// The output file before a conversion: a user's earlier file.
inline void prepare_output(const std::string& name) { scratch().write(name, kPrevious); }

// What may stand in the output after a conversion: the earlier file (a stop before
// the output was opened), nothing (a stop or failure after), or a whole document
// (done); and no file but the inputs and the output.
inline void check_output(conv::Outcome outcome, const std::string& output, const std::set<std::string>& files) {
  const std::string doc = scratch().read(output);
  if (outcome == conv::Outcome::kDone) {
    constexpr std::string_view head = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<G-XML>";
    constexpr std::string_view foot = "</MetricGeospace></G-XML>";
    if (doc.size() < head.size() + foot.size() || doc.compare(0, head.size(), head) != 0 ||
        doc.compare(doc.size() - foot.size(), foot.size(), foot) != 0)
      fail("a conversion that ended well left no whole document");
  } else if (!doc.empty() && doc != kPrevious) {
    fail("a stopped conversion left a partial document");
  }
  if (scratch().names() != files) fail("files other than the inputs and the output are left in the folder");
}

// One conversion of `files` (name, bytes) with `input` named in Text7, into f.XML
// over an earlier file; then the checks above.
inline void convert_files(std::initializer_list<std::pair<const char*, std::string_view>> files, const char* input,
                          conv::Outcome (*convert)(const conv::Request&, conv::Host&, conv::SurveyLibrary&), bool xy) {
  Scratch& dir = scratch();
  dir.clear();
  std::set<std::string> names{"f.XML"};
  for (const auto& [name, bytes] : files) {
    dir.write(name, bytes);
    names.insert(name);
  }
  prepare_output("f.XML");
  conv::NullHost host;
  const conv::Outcome outcome = convert({dir.file(input), dir.file("f.XML"), xy}, host, library());
  check_output(outcome, "f.XML", names);
}

}  // namespace fuzz

#endif
