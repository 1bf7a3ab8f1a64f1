#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "converters/common/test_support.hpp"
#include "survey/survey.h"

namespace {

constexpr double kUnset = -777.0;

class GridCorrection : public testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& bytes) const { return dir_.write(name, bytes); }
  conv::test::ScratchDir dir_;
};

TEST_F(GridCorrection, OneSquare) {
  const std::string title = "grid correction parameters, Tokyo to JGD2000\n";
  const std::string piece255 = std::string(255, 'a');
  struct Case {
    const char* name;
    std::string bytes;
    double code;
    int16_t result;
    double first, second;
  } cases[] = {
      {"plain", title + "53394500 1 2\n53394600 12.5 -8.25\n", 53394600, 1, 12.5, -8.25},
      {"zero skipped", "53394600 0.0 -8.25\n", 53394600, 1, -8.25, kUnset},
      {"zeros between", "53394600  0 0.000 3   0 4 0\n", 53394600, 1, 3, 4},
      {"third value", "53394600 1 2 3\n53394600 5 6\n", 53394600, 0, 1, 2},  // what came before stays
      {"code only", "53394600\n53394600 5 6\n", 53394600, 1, kUnset, kUnset},
      {"first line wins", "53394600 1 2\n53394600 3 4\n", 53394600, 1, 1, 2},
      {"absent", title + "53394601 1 2\n", 53394600, 0, kUnset, kUnset},
      {"crlf", "53394600 12.5 -8.25\r\n", 53394600, 1, 12.5, -8.25},
      {"tabs", "53394600\t12.5\t-8.25\n", 53394600, 1, kUnset, kUnset},  // a tab separates nothing
      {"space tab", "53394600 12.5\t-8.25\n", 53394600, 1, 12.5, kUnset},
      {"no final newline", "53394500 1 2\n53394600   12.5    -8.25", 53394600, 1, 12.5, -8.25},
      {"empty", "", 53394600, 0, kUnset, kUnset},
      {"nul in line", std::string("53394600 1\0 2 3\n", 16), 53394600, 1, 1, kUnset},
      {"nul before code", std::string("5339\0" "4600 1 2\n53394600 5 6\n", 27), 53394600, 1, 5, 6},
      // A long line is several pieces, each taken as a line; a number across the
      // boundary is read cut.
      {"second piece", piece255 + "53394600 7 8\n", 53394600, 1, 7, 8},
      {"cut value", "53394600" + std::string(245, ' ') + "12.5 -8.25\n", 53394600, 1, 12, kUnset},
      {"huge line", std::string(100000, '7') + "\n53394600 5 6\n", 53394600, 1, 5, 6},
      {"huge line code", std::string(100000, '7') + "\n", 77777777, 1, kUnset, kUnset},
      {"short head", "5339 1 2\n", 5339, 1, 1, 2},  // fewer than eight characters
      {"title as code 0", title, 0, 1, kUnset, kUnset},  // its leading number reads 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    double first = kUnset, second = kUnset;
    EXPECT_EQ(Get_Tky2Jgd(write("one.par", c.bytes).c_str(), c.code, &first, &second), c.result);
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(second, c.second);
  }
  for (const std::string& path : {dir_.file("missing.par"), dir_.path().string()}) {
    double first = kUnset, second = kUnset;
    EXPECT_EQ(Get_Tky2Jgd(path.c_str(), 53394600, &first, &second), 0);
    EXPECT_TRUE(first == kUnset && second == kUnset);
  }
  double first = kUnset, second = kUnset;
  EXPECT_EQ(Get_Tky2Jgd(nullptr, 53394600, &first, &second), 0);
  EXPECT_TRUE(first == kUnset && second == kUnset);
}

// A sorted file of the squares around the square holding (lat, lon); each value
// pair is the code's own digits so that a mix-up shows.
std::string file_for(const double codes[4], const std::string& extra = "") {
  double sorted[4] = {codes[0], codes[1], codes[2], codes[3]};
  std::sort(sorted, sorted + 4);
  std::string s = "header\n" + extra;
  for (double c : sorted) {
    const long v = static_cast<long>(c);
    s += std::to_string(v) + " " + std::to_string(v % 100) + ".5 -" + std::to_string(v % 1000) + ".25\n";
  }
  return s;
}

TEST_F(GridCorrection, FourSquares) {
  // The usual order (own, east, north, north-east ascending) and the squares of
  // w = 9, r != 9, where the east square's code follows the north one's.
  const double points[][2] = {{35.4015, 139.454}, {35.4010, 139.4435}, {35.3955, 139.4455}};
  for (const auto& pt : points) {
    SCOPED_TRACE(testing::Message() << pt[0] << " " << pt[1]);
    double codes[4], dlat, dlon, fx, fy;
    adjoin_mesh(pt[0], pt[1], codes, &dlat, &dlon, &fx, &fy);
    const std::string path = write("four.par", file_for(codes));
    double first[4], second[4];
    ASSERT_EQ(Get_Tky2Jgd2(path.c_str(), codes, first, second), 1);
    for (int k = 0; k < 4; ++k) {
      const long v = static_cast<long>(codes[k]);
      EXPECT_EQ(first[k], v % 100 + 0.5) << k;
      EXPECT_EQ(second[k], -(v % 1000 + 0.25)) << k;
    }
  }
}

TEST_F(GridCorrection, FourSquaresFailures) {
  const double codes[4] = {53394600, 53394610, 53394611, 53394601};
  const double unset[4] = {kUnset, kUnset, kUnset, kUnset};
  struct Case {
    const char* name;
    std::string bytes;
    int16_t result;
    bool written;
    double first[4], second[4];
  } cases[] = {
      {"all", "53394600 1 2\n53394601 3 4\n53394610 5 6\n53394611 7 8\n", 1, true, {1, 5, 7, 3}, {2, 6, 8, 4}},
      {"stops at the fourth", "53394600 1 2\n53394601 3 4\n53394610 5 6\n53394611 7 8\n53394611 1 2 3\n", 1, true,
       {1, 5, 7, 3}, {2, 6, 8, 4}},
      {"missing code", "53394600 1 2\n53394601 3 4\n53394611 7 8\n", 0, true, {1, 0, 0, 3}, {2, 0, 0, 4}},
      {"missing value", "53394600 1\n53394601 0 4\n53394610\n53394611 7 8\n", 1, true, {1, 0, 7, 4}, {0, 0, 8, 0}},
      {"unsorted", "53394610 5 6\n53394600 1 2\n53394601 3 4\n53394611 7 8\n", 0, true, {1, 0, 0, 3}, {2, 0, 0, 4}},
      {"third value", "53394600 1 2\n53394601 3 4 5\n53394610 5 6\n53394611 7 8\n", 0, false, {}, {}},
      {"empty", "", 0, true, {0, 0, 0, 0}, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    double first[4] = {kUnset, kUnset, kUnset, kUnset}, second[4] = {kUnset, kUnset, kUnset, kUnset};
    EXPECT_EQ(Get_Tky2Jgd2(write("four.par", c.bytes).c_str(), codes, first, second), c.result);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(first[k], c.written ? c.first[k] : unset[k]) << k;
      EXPECT_EQ(second[k], c.written ? c.second[k] : unset[k]) << k;
    }
  }
  const std::string missing = dir_.file("missing.par"), folder = dir_.path().string();
  for (const char* path : {missing.c_str(), folder.c_str(), static_cast<const char*>(nullptr)}) {
    double first[4] = {kUnset, kUnset, kUnset, kUnset}, second[4] = {kUnset, kUnset, kUnset, kUnset};
    EXPECT_EQ(Get_Tky2Jgd2(path, codes, first, second), 0);
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(first[k] == kUnset && second[k] == kUnset);
  }
}

TEST(Bilinear, CornersEdgesAndOutside) {
  const double v[4] = {1.0, 2.0, 3.0, 4.0};  // own, north, north-east, east
  const float vf[4] = {1.1f, 2.2f, 3.3f, 4.4f};
  const double vd[4] = {vf[0], vf[1], vf[2], vf[3]};
  struct Case {
    double a, b, want;
  } cases[] = {
      {0, 0, 1},   {1, 0, 4},          {0, 1, 2},   {1, 1, 3},  {0.5, 0.5, 2.5}, {0.25, 0, 1.75},
      {1.0000001, 0, 0}, {-1e-300, 0.5, 0}, {0.5, 1.0000001, 0}, {0.5, -0.0, 2.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b);
    EXPECT_EQ(by_linear(v, c.a, c.b), c.want);
    EXPECT_EQ(by_linearF(vf, c.a, c.b), by_linear(vd, c.a, c.b));
  }
}

// A field linear in position, read at the four squares' corners from a file and
// interpolated at the point, gives the field at the point.
TEST_F(GridCorrection, InterpolatesALinearField) {
  const double lat = 35.3955, lon = 139.4455;  // 35 39' 55", 139 44' 55"
  double codes[4], dlat, dlon, fx, fy;
  adjoin_mesh(lat, lon, codes, &dlat, &dlon, &fx, &fy);
  auto field = [](double lat_s, double lon_s) { return 0.25 * lat_s - 0.125 * lon_s + 3.0; };
  std::string s;
  double corner_lat[4], corner_lon[4];
  for (int k = 0; k < 4; ++k) Mesh2BL2(codes[k], &corner_lat[k], &corner_lon[k]);
  int order[4] = {0, 3, 1, 2};
  for (int k : order) {
    const double ls = dms2deg(corner_lat[k]) * 3600.0, os = dms2deg(corner_lon[k]) * 3600.0;
    char line[96];
    std::snprintf(line, sizeof line, "%.0f %.17g 1\n", codes[k], field(ls, os));
    s += line;
  }
  double first[4], second[4];
  ASSERT_EQ(Get_Tky2Jgd2(write("field.par", s).c_str(), codes, first, second), 1);
  const double want = field(dms2deg(lat) * 3600.0, dms2deg(lon) * 3600.0);
  EXPECT_NEAR(by_linear(first, fx, fy), want, 1e-6);
}

}  // namespace
