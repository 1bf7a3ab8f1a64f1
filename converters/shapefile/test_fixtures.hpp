// Test fixtures of the shapefile converter: real shapefiles and dBASE tables written
// by independent writers (pyshp, python3-dbf) through make_fixtures.py.
#ifndef CONVERTERS_SHAPEFILE_TEST_FIXTURES_HPP
#define CONVERTERS_SHAPEFILE_TEST_FIXTURES_HPP

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/test_support.hpp"

namespace conv::test {

// Writes the named fixtures (NAME.shp, NAME.shx, NAME.dbf) into dir.
inline ::testing::AssertionResult make_fixtures(const ScratchDir& dir, const std::vector<std::string>& names) {
  std::string cmd = std::string("'") + SHAPE_FIXTURE_PYTHON + "' '" + SHAPE_FIXTURE_SCRIPT + "' '" +
                    dir.path().string() + "'";
  for (const auto& n : names) cmd += " " + n;
  if (std::system(cmd.c_str()) != 0)
    return ::testing::AssertionFailure() << "fixture writer failed (needs python3-pyshp and python3-dbf): " << cmd;
  return ::testing::AssertionSuccess();
}

// data with the bytes from `at` on replaced by `bytes`.
inline std::string patched(const std::string& data, std::size_t at, const std::string& bytes) {
  std::string s = data;
  s.replace(at, bytes.size(), bytes);
  return s;
}

inline std::string le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

}  // namespace conv::test

#endif
