// Helpers for the converter tests: a scratch folder and file access.
#ifndef CONVERTERS_COMMON_TEST_SUPPORT_HPP
#define CONVERTERS_COMMON_TEST_SUPPORT_HPP

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace conv::test {

class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("gxml_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return file(name);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// True when xmllint parses the file as well-formed XML.
inline bool well_formed(const std::string& path) {
  const std::string cmd = "xmllint --noout '" + path + "' 2>/dev/null";
  return std::system(cmd.c_str()) == 0;
}

}  // namespace conv::test

#endif
