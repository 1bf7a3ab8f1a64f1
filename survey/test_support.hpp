// Helpers shared by the library's tests.
#ifndef SURVEY_TEST_SUPPORT_HPP
#define SURVEY_TEST_SUPPORT_HPP

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "survey/survey.h"

namespace survey::test {

// The bytes of a string result, which is freed.
inline std::string take(BSTR b) {
  std::string s(reinterpret_cast<const char*>(b), SysStringByteLen(b));
  SysFreeString(b);
  return s;
}

// The whole content of a file, as bytes.
inline std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace survey::test

#endif
