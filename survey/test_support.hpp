// Helpers shared by the library's tests.
#ifndef SURVEY_TEST_SUPPORT_HPP
#define SURVEY_TEST_SUPPORT_HPP

#include <string>

#include "survey/survey.h"

namespace survey::test {

// The bytes of a string result, which is freed.
inline std::string take(BSTR b) {
  std::string s(reinterpret_cast<const char*>(b), SysStringByteLen(b));
  SysFreeString(b);
  return s;
}

}  // namespace survey::test

#endif
