// A large shapefile for the conversion benchmark: 100,000 simple polygons of 20 to 60
// points (closing point included; half of them stored counter-clockwise) in plane
// rectangular coordinates rounded to millimetres, with its index and a six-field
// dBASE table in code page 932.
#ifndef BENCHMARKS_SHAPE_INPUT_HPP
#define BENCHMARKS_SHAPE_INPUT_HPP

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace bench {

inline void put_be32(std::string& s, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) s.push_back(static_cast<char>(v >> shift));
}
inline void put_le32(std::string& s, std::uint32_t v) {
  for (int shift = 0; shift <= 24; shift += 8) s.push_back(static_cast<char>(v >> shift));
}
inline void put_le16(std::string& s, std::uint16_t v) {
  s.push_back(static_cast<char>(v));
  s.push_back(static_cast<char>(v >> 8));
}
inline void put_f64(std::string& s, double v) {
  const auto u = std::bit_cast<std::uint64_t>(v);
  put_le32(s, static_cast<std::uint32_t>(u));
  put_le32(s, static_cast<std::uint32_t>(u >> 32));
}

// The 100-byte header of a main file or index of `bytes` bytes.
inline void put_main_header(std::string& s, std::size_t bytes, const double box[4]) {
  put_be32(s, 9994);
  for (int i = 0; i < 5; ++i) put_be32(s, 0);
  put_be32(s, static_cast<std::uint32_t>(bytes / 2));
  put_le32(s, 1000);
  put_le32(s, 5);
  for (int i = 0; i < 4; ++i) put_f64(s, box[i]);
  for (int i = 0; i < 4; ++i) put_f64(s, 0.0);
}

// Writes base + "shp", "shx" and "dbf".
inline void write_shapefile(const std::string& base, int shapes = 100000) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> cx(-60000.0, 60000.0), cy(-90000.0, -30000.0), radius(5.0, 40.0),
      jitter(0.6, 1.0), unit(0.0, 1.0);
  std::uniform_int_distribution<int> size(20, 60), district(0, 3), lot(1, 9999), branch(1, 99), day(0, 3650);
  auto mm = [](double v) { return std::round(v * 1000.0) / 1000.0; };

  std::string shp(100, '\0'), shx(100, '\0');
  double box[4] = {1e300, 1e300, -1e300, -1e300};
  std::vector<double> xs, ys, angles;
  for (int k = 1; k <= shapes; ++k) {
    // A star-shaped ring: sorted angles around a centre, clockwise.
    const int n = size(rng);
    const double x0 = cx(rng), y0 = cy(rng), r = radius(rng);
    angles.resize(static_cast<std::size_t>(n - 1));
    for (auto& a : angles) a = unit(rng) * 2 * 3.141592653589793;
    std::sort(angles.begin(), angles.end(), std::greater<>());
    xs.clear();
    ys.clear();
    for (double a : angles) {
      const double q = r * jitter(rng);
      xs.push_back(mm(x0 + q * std::cos(a)));
      ys.push_back(mm(y0 + q * std::sin(a)));
    }
    if (k % 2 == 0) {
      std::reverse(xs.begin(), xs.end());
      std::reverse(ys.begin(), ys.end());
    }
    xs.push_back(xs.front());
    ys.push_back(ys.front());
    const auto [xmin, xmax] = std::minmax_element(xs.begin(), xs.end());
    const auto [ymin, ymax] = std::minmax_element(ys.begin(), ys.end());
    box[0] = std::min(box[0], *xmin);
    box[1] = std::min(box[1], *ymin);
    box[2] = std::max(box[2], *xmax);
    box[3] = std::max(box[3], *ymax);

    const std::size_t content = 44 + 4 + 16 * static_cast<std::size_t>(n);
    put_be32(shx, static_cast<std::uint32_t>(shp.size() / 2));
    put_be32(shx, static_cast<std::uint32_t>(content / 2));
    put_be32(shp, static_cast<std::uint32_t>(k));
    put_be32(shp, static_cast<std::uint32_t>(content / 2));
    put_le32(shp, 5);
    put_f64(shp, *xmin);
    put_f64(shp, *ymin);
    put_f64(shp, *xmax);
    put_f64(shp, *ymax);
    put_le32(shp, 1);
    put_le32(shp, static_cast<std::uint32_t>(n));
    put_le32(shp, 0);
    for (int i = 0; i < n; ++i) {
      put_f64(shp, xs[static_cast<std::size_t>(i)]);
      put_f64(shp, ys[static_cast<std::size_t>(i)]);
    }
  }
  std::string head;
  put_main_header(head, shp.size(), box);
  shp.replace(0, 100, head);
  head.clear();
  put_main_header(head, shx.size(), box);
  shx.replace(0, 100, head);

  // The table: lot number (Japanese district name), district code, area, ratio,
  // survey date, checked flag.
  static const char* const kDistricts[] = {"\x96\x7b\x92\xac", "\x93\x8c\x92\xac", "\x90\xbc\x92\xac",
                                           "\x89\x68\x92\xac"};  // 本町 東町 西町 栄町
  struct Field {
    const char* name;
    char type;
    int length, decimals;
  };
  const Field fields[] = {{"CHIBAN", 'C', 24, 0}, {"OAZA", 'N', 6, 0}, {"AREA", 'N', 14, 3},
                          {"RATIO", 'F', 12, 4},  {"SURVEYED", 'D', 8, 0}, {"CHECKED", 'L', 1, 0}};
  int record_length = 1;
  for (const auto& f : fields) record_length += f.length;
  std::string dbf;
  dbf.push_back(3);
  dbf.append("\x7c\x04\x01", 3);  // last update 2024-04-01
  put_le32(dbf, static_cast<std::uint32_t>(shapes));
  put_le16(dbf, static_cast<std::uint16_t>(32 + 32 * std::size(fields) + 1));
  put_le16(dbf, static_cast<std::uint16_t>(record_length));
  dbf.append(17, '\0');
  dbf.push_back(0x13);  // language driver: code page 932
  dbf.append(2, '\0');
  for (const auto& f : fields) {
    std::string d(32, '\0');
    d.replace(0, std::char_traits<char>::length(f.name), f.name);
    d[11] = f.type;
    d[16] = static_cast<char>(f.length);
    d[17] = static_cast<char>(f.decimals);
    dbf += d;
  }
  dbf.push_back(0x0D);
  char buf[128];
  for (int k = 1; k <= shapes; ++k) {
    const int d = district(rng);
    std::snprintf(buf, sizeof buf, "%s%d\x94\xd4%d", kDistricts[d], lot(rng), branch(rng));  // 番
    std::string rec = " ";
    rec += buf;
    rec.resize(1 + 24, ' ');
    std::snprintf(buf, sizeof buf, "%6d%14.3f%12.4f", 201 + d, unit(rng) * 2000.0, unit(rng));
    rec += buf;
    const int days = day(rng);
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%c", 2015 + days / 365, 1 + days % 365 / 31, 1 + days % 28,
                  k % 3 == 0 ? 'F' : 'T');
    rec += buf;
    dbf += rec;
  }
  dbf.push_back(0x1A);

  std::ofstream(base + "shp", std::ios::binary) << shp;
  std::ofstream(base + "shx", std::ios::binary) << shx;
  std::ofstream(base + "dbf", std::ios::binary) << dbf;
}

}  // namespace bench

#endif
