// Get_Tky2Jgd2 over a generated parameter file of 400,000 lines sorted by code,
// beside a plain line read of the same file (fgets with a 256-byte buffer), in the
// same run. The four squares asked for lie at the end of the file, so each call
// reads all of it. Prints milliseconds per call (best of several rounds) and the
// ratio; checks the values read.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "survey/survey.h"

namespace {

constexpr long kLines = 400000;

// Correction values of a code, as the file holds them (5 decimals).
double value1(long code) { return static_cast<double>(code % 200000 - 100000) * 0.0001; }
double value2(long code) { return static_cast<double>(code % 70001) * 0.001; }

// Codes ascending: whole first-order squares in code order from 4630 on.
long nth_code(long n) {
  const long first = n / 6400, sub = n % 6400;
  const long pp = 46 + first / 80, uu = 30 + first % 80;
  return pp * 1000000 + uu * 10000 + sub / 800 * 1000 + sub / 100 % 8 * 100 + sub / 10 % 10 * 10 + sub % 10;
}

template <class F>
double best_ms(int rounds, F&& f) {
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    const auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const fs::path path = fs::temp_directory_path() / ("grid_correction_bench_" + std::to_string(::getpid()) + ".par");
  {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (f == nullptr) return 1;
    std::fprintf(f, "generated correction parameters\n");
    for (long n = 0; n < kLines - 1; ++n) {
      const long c = nth_code(n);
      std::fprintf(f, "%08ld  %10.5f  %10.5f\n", c, value1(c), value2(c));
    }
    std::fclose(f);
  }
  std::printf("file: %ld lines, %ju bytes\n", kLines, static_cast<std::uintmax_t>(fs::file_size(path)));

  // The squares around a point in the last complete first-order square (digits
  // q v r w = 5 5 5 5): own, north, north-east, east, all within the last 2% of lines.
  const long own = nth_code((kLines - 2) / 6400 * 6400 - 6400 + 5 * 800 + 5 * 100 + 5 * 10 + 5);
  const double codes[4] = {static_cast<double>(own), static_cast<double>(own + 10), static_cast<double>(own + 11),
                           static_cast<double>(own + 1)};
  double first[4] = {}, second[4] = {};
  int16_t result = 0;
  long lines = 0;

  const auto plain = [&] {
    std::FILE* f = std::fopen(path.c_str(), "r");
    char buf[256];
    long n = 0;
    while (std::fgets(buf, sizeof buf, f) != nullptr) ++n;
    std::fclose(f);
    lines = n;
  };
  const auto lookup = [&] { result = Get_Tky2Jgd2(path.c_str(), codes, first, second); };

  double t_plain = 1e300, t_lookup = 1e300;
  for (int round = 0; round < 5; ++round) {  // interleaved, so that both see the same cache state
    t_plain = std::min(t_plain, best_ms(1, plain));
    t_lookup = std::min(t_lookup, best_ms(1, lookup));
  }
  bool ok = result == 1;
  for (int k = 0; k < 4; ++k) {
    const long c = static_cast<long>(codes[k]);
    char want[64], got[64];
    std::snprintf(want, sizeof want, "%10.5f %10.5f", value1(c), value2(c));
    std::snprintf(got, sizeof got, "%10.5f %10.5f", first[k], second[k]);
    ok = ok && std::string(want) == got;
  }
  std::printf("plain line read (fgets, 256-byte buffer): %8.2f ms per pass (%ld lines)\n", t_plain, lines);
  std::printf("Get_Tky2Jgd2, squares at the end:          %8.2f ms per call (result %d, values %s)\n", t_lookup,
              result, ok ? "as written" : "WRONG");
  std::printf("ratio: %.2f\n", t_lookup / t_plain);
  fs::remove(path);
  return ok ? 0 : 1;
}
