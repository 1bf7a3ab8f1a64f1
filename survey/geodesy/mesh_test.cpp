#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "survey/survey.h"

namespace {

// Packed DMS of a whole number of tenths of an arc-second, as a typed decimal reads.
double packed(long tenths) {
  const long d = tenths / 36000, m = tenths % 36000 / 600, s = tenths % 600;
  return static_cast<double>(d * 100000 + m * 1000 + s) / 100000.0;
}

// Reference code of the square holding a point given in tenths of an arc-second
// (rows of 30", columns of 45", from 0 deg N and 100 deg E).
double reference_code(long lat_tenths, long lon_tenths) {
  const long a = lat_tenths, b = lon_tenths - 100 * 36000;
  const long pp = a / 24000, q = a % 24000 / 3000, r = a % 3000 / 300;
  const long uu = b / 36000, v = b % 36000 / 4500, w = b % 4500 / 450;
  return static_cast<double>(pp * 1000000 + uu * 10000 + q * 1000 + v * 100 + r * 10 + w);
}

std::string code_text(double code) {
  char buf[32];
  const long c = static_cast<long>(code);
  std::snprintf(buf, sizeof buf, "%04ld-%02ld-%02ld", c / 10000, c / 100 % 100, c % 100);
  return buf;
}

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Mesh, KnownSquaresAndCorners) {
  EXPECT_EQ(BL2Mesh(35.4, 139.45), 53394600.0);
  EXPECT_EQ(BL2Mesh(35.403, 139.45), 53394610.0);  // on an edge: the square to the north
  EXPECT_EQ(BL2Mesh(35.4029, 139.45), 53394600.0);
  EXPECT_EQ(BL2Mesh(35.4, 139.4445), 53394509.0);
  EXPECT_EQ(BL2Mesh(35.4, 139.4545), 53394601.0);  // on an edge: the square to the east

  char text[] = "5339-46-00";
  double lat = 0, lon = 0;
  Mesh2BL(text, &lat, &lon);
  EXPECT_EQ(lat, 35.4);
  EXPECT_EQ(lon, 139.45000000000002);
  EXPECT_EQ(std::string(text, 10), std::string("5339\0" "46\0" "00", 10));  // cut in place
  double lat2 = 0, lon2 = 0;
  Mesh2BL2(53394600.0, &lat2, &lon2);
  EXPECT_EQ(lat2, 35.4);
  EXPECT_EQ(lon2, 139.45000000000002);

  struct Case {
    const char* text;
    double lat, lon;
  } cases[] = {
      {"5339--46---00", 35.4, 139.45000000000002},  // runs of separators count as one
      {"5339-46-00-77", 35.4, 139.45000000000002},  // parts after the third are ignored
      {"5339-46", 35.4, 139.45000000000002},        // a missing part reads 0
      {"5339-46-13", 35.403, 139.4715},
      {"", 0.0, 100.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string s = c.text;
    Mesh2BL(s.data(), &lat, &lon);
    EXPECT_NEAR(lat, c.lat, 1e-12);
    EXPECT_NEAR(lon, c.lon, 1e-12);
  }
  Mesh2BL(nullptr, &lat, &lon);
  EXPECT_EQ(lon, 100.0);
}

// Every whole arc-second from 20 to 46 deg N and from 122 to 154 deg E, edges
// included: latitude and longitude digits are independent, so each is swept with
// the other held inside a square.
TEST(Mesh, CodesOfEveryArcSecondInJapan) {
  const long lat_in = (35 * 3600 + 40 * 60 + 15) * 10, lon_in = (139 * 3600 + 45 * 60 + 40) * 10;
  int wrong = 0;
  for (long s = 20 * 3600; s <= 46 * 3600; ++s)
    if (BL2Mesh(packed(s * 10), packed(lon_in)) != reference_code(s * 10, lon_in) && ++wrong < 5)
      ADD_FAILURE() << "latitude " << packed(s * 10);
  for (long s = 122 * 3600; s <= 154 * 3600; ++s)
    if (BL2Mesh(packed(lat_in), packed(s * 10)) != reference_code(lat_in, s * 10) && ++wrong < 5)
      ADD_FAILURE() << "longitude " << packed(s * 10);
  EXPECT_EQ(wrong, 0);
}

// Square centres round-trip; corners agree with the reference and between the
// text and numeric forms bit for bit; the corner itself sometimes reads as the
// western neighbour, its packed longitude lying a hair below the edge.
TEST(Mesh, SquaresRoundTripThroughTheirCentres) {
  int checked = 0, western = 0;
  for (long pp = 30; pp <= 68; pp += 2)
    for (long uu = 22; uu <= 53; uu += 3)
      for (long sub = 0; sub < 6400; sub += 7) {
        const long q = sub / 800, v = sub / 100 % 8, r = sub / 10 % 10, w = sub % 10;
        const double code = static_cast<double>(pp * 1000000 + uu * 10000 + q * 1000 + v * 100 + r * 10 + w);
        const long lat_t = pp * 24000 + q * 3000 + r * 300, lon_t = (100 + uu) * 36000 + v * 4500 + w * 450;
        double lat, lon;
        Mesh2BL2(code, &lat, &lon);
        std::string text = code_text(code);
        double tlat, tlon;
        Mesh2BL(text.data(), &tlat, &tlon);
        ++checked;
        ASSERT_TRUE(same_bits(lat, tlat) && same_bits(lon, tlon)) << code_text(code);
        // Compared as angles: a corner may come back as 59' 59.99999...".
        ASSERT_NEAR(dms2deg(lat), lat_t / 36000.0, 1e-11) << code_text(code);
        ASSERT_NEAR(dms2deg(lon), lon_t / 36000.0, 1e-11) << code_text(code);
        ASSERT_EQ(BL2Mesh(packed(lat_t + 150), packed(lon_t + 225)), code) << code_text(code);
        const double at_corner = BL2Mesh(lat, lon);
        if (at_corner != code) {
          ++western;
          ASSERT_EQ(at_corner, BL2Mesh(packed(lat_t + 150), packed(lon_t - 225))) << code_text(code);
        }
      }
  EXPECT_GT(checked, 100000);
  EXPECT_LT(western, checked / 20);
}

TEST(Mesh, AdjoinMesh) {
  struct Case {
    double lat, lon;
    double codes[4];
    double dlat, dlon, fx, fy;
  } cases[] = {
      {35.4, 139.45, {53394600, 53394610, 53394611, 53394601}, 0, 0, 0, 0},
      {35.4015, 139.454, {53394600, 53394610, 53394611, 53394601}, 15, 40, 0.888888888888889, 0.5},
      {35.4010, 139.4435, {53394509, 53394519, 53394610, 53394600}, 10, 20, 20.0 / 45.0, 1.0 / 3.0},
      {35.3955, 139.4455, {53393599, 53394509, 53394600, 53393690}, 25, 40, 40.0 / 45.0, 25.0 / 30.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lat << " " << c.lon);
    double codes[4], dlat, dlon, fx, fy;
    adjoin_mesh(c.lat, c.lon, codes, &dlat, &dlon, &fx, &fy);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(codes[k], c.codes[k]) << k;
    EXPECT_NEAR(dlat, c.dlat, 1e-9);
    EXPECT_NEAR(dlon, c.dlon, 1e-9);
    EXPECT_NEAR(fx, c.fx, 1e-12);
    EXPECT_NEAR(fy, c.fy, 1e-12);
  }
  double codes[4], dlat, dlon, fx, fy;
  adjoin_mesh(35.4, 139.45, codes, &dlat, &dlon, &fx, &fy);
  EXPECT_TRUE(std::signbit(dlat) && std::signbit(dlon) && std::signbit(fx) && std::signbit(fy));  // -0.0
}

// A record of exactly len characters in storage of len + 1, so that any read
// past its NUL is seen by the address sanitizer.
std::unique_ptr<char[]> exact(const std::string& s) {
  std::unique_ptr<char[]> p(new char[s.size() + 1]);
  std::memcpy(p.get(), s.c_str(), s.size() + 1);
  return p;
}

TEST(Mesh, ElevationRecords) {
  std::string full = "533946" "123";
  for (int k = 0; k < 200; ++k) {
    char v[8];
    if (k % 50 == 7)
      std::snprintf(v, sizeof v, "%5s", "");  // a blank field
    else
      std::snprintf(v, sizeof v, "%5d", (k % 3 == 0 ? -1 : 1) * (k * 37 % 10000));
    full += v;
  }
  ASSERT_EQ(full.size(), 1009u);
  auto expect_value = [](int k) { return k % 50 == 7 ? 0.0 : (k % 3 == 0 ? -1 : 1) * (k * 37 % 10000) * 0.1; };
  for (std::size_t len : {std::size_t{1009}, std::size_t{1008}, std::size_t{0}, std::size_t{4}, std::size_t{7},
                          std::size_t{9}, std::size_t{17}}) {
    SCOPED_TRACE(len);
    const auto rec = exact(full.substr(0, len));
    int32_t code = -7, number = -7;
    double values[200];
    Mesh2Z(rec.get(), &code, &number, values);
    EXPECT_EQ(code, len >= 6 ? 533946 : len == 4 ? 5339 : 0);
    EXPECT_EQ(number, len >= 9 ? 123 : len == 7 ? 1 : 0);
    for (std::size_t k = 0; k < 200; ++k) {
      const std::size_t p = 9 + 5 * k;
      double want = p + 5 <= len ? expect_value(static_cast<int>(k)) : 0.0;
      if (p < len && p + 5 > len) want = std::atof(full.substr(p, len - p).c_str()) * 0.1;  // what the cut field holds
      ASSERT_EQ(values[k], want) << k;
    }
  }
  // The rest of a longer record is never read.
  const auto longer = exact(full + "99999");
  int32_t code, number;
  double values[201];
  values[200] = 42.0;
  Mesh2Z(longer.get(), &code, &number, values);
  EXPECT_EQ(values[200], 42.0);
  EXPECT_EQ(values[199], expect_value(199));

  const std::string header = std::string(29, ' ') + "1394500" + "0353000" + "-139300" + "  35400" + "tail";
  double p1[2], p2[2];
  Mesh_BL(exact(header).get(), p1, p2);
  EXPECT_DOUBLE_EQ(p1[0], 139.45);
  EXPECT_DOUBLE_EQ(p1[1], 35.3);
  EXPECT_DOUBLE_EQ(p2[0], -13.93);
  EXPECT_DOUBLE_EQ(p2[1], 3.54);
  Mesh_BL(exact(header.substr(0, 39)).get(), p1, p2);  // ends inside the second field
  EXPECT_DOUBLE_EQ(p1[0], 139.45);
  EXPECT_DOUBLE_EQ(p1[1], 0.0035);
  EXPECT_EQ(p2[0], 0.0);
  EXPECT_EQ(p2[1], 0.0);
}

TEST(Mesh, QuadrilateralCells) {
  // A 6 x 4 rectangle: 3 cells along P0P1, 2 along P1P2, each 2 x 2.
  const double x[4] = {0, 6, 6, 0}, y[4] = {0, 0, 4, 4};
  for (int16_t i = 1; i <= 2; ++i)
    for (int16_t j = 1; j <= 3; ++j) {
      SCOPED_TRACE(testing::Message() << i << "," << j);
      double xo[4], yo[4];
      Mesh_Dev(x, y, 2, 3, i, j, xo, yo);
      const double x0 = 2.0 * (j - 1), y0 = 2.0 * (i - 1);
      const double wx[4] = {x0, x0 + 2, x0 + 2, x0}, wy[4] = {y0, y0, y0 + 2, y0 + 2};
      for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(xo[k], wx[k], 1e-12) << k;
        EXPECT_NEAR(yo[k], wy[k], 1e-12) << k;
      }
    }
  // One cell is the quadrilateral itself.
  const double qx[4] = {1, 9, 11, -2}, qy[4] = {2, 1, 7, 5};
  double xo[4], yo[4];
  Mesh_Dev(qx, qy, 1, 1, 1, 1, xo, yo);
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(xo[k], qx[k], 1e-12);
    EXPECT_NEAR(yo[k], qy[k], 1e-12);
  }
  const int16_t bad[][4] = {{0, 1, 1, 1}, {1, 0, 1, 1}, {1, 1, 0, 1}, {1, 1, 1, 0}, {2, 3, 3, 1}, {2, 3, 1, 4}};
  for (const auto& b : bad) {
    double ox[4] = {7, 7, 7, 7}, oy[4] = {7, 7, 7, 7};
    Mesh_Dev(x, y, b[0], b[1], b[2], b[3], ox, oy);
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(ox[k] == 7 && oy[k] == 7);
  }
}

}  // namespace
