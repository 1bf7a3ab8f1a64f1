// Throughput and peak memory of whole conversions on generated inputs.
//
//   convert_bench [--runs N] [--keep DIR]
//
// Each run converts in a child process, so its peak resident memory is its own.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "common/host.hpp"
#include "common/null_host.hpp"
#include "common/survey_binding.hpp"
#include "cadastral/kestrin.hpp"
#include "shape_input.hpp"
#include "shapefile/shape.hpp"
#include "sima/sima.hpp"

namespace {

// Messages go to standard error; nothing else is shown.
class StderrHost : public conv::NullHost {
 public:
  void message(std::string_view text, std::string_view title, bool) override {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(), static_cast<int>(text.size()),
                 text.data());
  }
};

// 15,000 points and 20,000 parcels of 20 to 60 points.
void write_sima(const std::string& path) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> x(-40000.0, -30000.0), y(-10000.0, 0.0);
  std::uniform_int_distribution<int> pick(1, 15000), size(20, 60), closing(0, 1);
  std::string s;
  char line[128];
  s += "G00,01,bench,\r\nA00,\r\n";
  for (int p = 1; p <= 15000; ++p) {
    std::snprintf(line, sizeof line, "A01,%d,P%d,%.3f,%.3f,0.000,\r\n", p, p, x(rng), y(rng));
    s += line;
  }
  s += "A99,\r\n";
  for (int k = 1; k <= 20000; ++k) {
    std::snprintf(line, sizeof line, "D00,%d,%d-%d,%d,\r\n", k, k / 10, k % 10, closing(rng));
    s += line;
    for (int i = size(rng); i > 0; --i) {
      std::snprintf(line, sizeof line, "B01,%d,\r\n", pick(rng));
      s += line;
    }
    s += "D99,\r\n";
  }
  std::ofstream(path, std::ios::binary) << s;
}

// A cadastral pair: 30,000 named points and 10,000 parcels of 20 to 60 points.
void write_kestrin(const std::string& base) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> x(-40000.0, -30000.0), y(-10000.0, 0.0);
  std::uniform_int_distribution<int> pick(1, 30000), size(20, 60);
  std::string pnt, pol;
  char line[160];
  for (int p = 1; p <= 30000; ++p) {
    std::snprintf(line, sizeof line, "K%05d,%.3f,%.3f\r\n", p, x(rng), y(rng));
    pnt += line;
  }
  for (int k = 1; k <= 10000; ++k) {
    const int n = size(rng);
    std::snprintf(line, sizeof line, "%d,%d,\x96\x7b\x92\xac,\x88\xea\x92\x9a\x96\xda,%d-%d,%d\r\n", 100 + k % 7,
                  k % 13, k / 10, k % 10, n + 1);
    pol += line;
    int first = pick(rng);
    for (int i = 0; i < n; ++i) {
      const int p = i == 0 ? first : pick(rng);
      std::snprintf(line, sizeof line, "K%05d\r\n", p);
      pol += line;
    }
    std::snprintf(line, sizeof line, "K%05d\r\n", first);  // closed by repeating the first name
    pol += line;
  }
  std::ofstream(base + "pnt", std::ios::binary) << pnt;
  std::ofstream(base + "pol", std::ios::binary) << pol;
}

struct Sample {
  double seconds;
  long peak_kib;
};

// Runs job in a child; its wall time and peak resident memory.
Sample measure(const std::function<bool()>& job) {
  const auto t0 = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) _exit(job() ? 0 : 1);
  int status = 0;
  rusage ru{};
  wait4(pid, &status, 0, &ru);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "conversion failed\n");
    std::exit(1);
  }
  return {s, ru.ru_maxrss};
}

// Prints the figures of `runs` runs of job; returns the median time.
double report(const char* name, const std::string& input, std::uint64_t bytes, int runs,
              const std::function<bool()>& job) {
  std::vector<Sample> samples;
  for (int i = 0; i < runs; ++i) samples.push_back(measure(job));
  std::sort(samples.begin(), samples.end(), [](auto& a, auto& b) { return a.seconds < b.seconds; });
  const Sample& median = samples[samples.size() / 2];
  long peak = 0;
  for (auto& s : samples) peak = std::max(peak, s.peak_kib);
  std::printf("%-8s %-28s %8.2f MB  median %7.3f s  %7.1f MB/s  peak %7.1f MB\n", name,
              std::filesystem::path(input).filename().c_str(), bytes / 1e6, median.seconds,
              bytes / 1e6 / median.seconds, peak / 1024.0);
  return median.seconds;
}

// The full name of a program found on the PATH ("" when absent).
std::string on_path(const char* program) {
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "";
  while (!rest.empty()) {
    const auto colon = rest.find(':');
    const std::string candidate = std::string(rest.substr(0, colon)) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  std::string keep;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
    else if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc) keep = argv[++i];
  }
  const std::filesystem::path dir =
      keep.empty() ? std::filesystem::temp_directory_path() / ("convert_bench_" + std::to_string(getpid())) : std::filesystem::path(keep);
  std::filesystem::create_directories(dir);

  const std::string sima = (dir / "bench.sim").string();
  write_sima(sima);
  report("sima", sima, std::filesystem::file_size(sima), runs, [&] {
    StderrHost host;
    conv::SurveyLibrary lib;
    return conv::convert_sima({sima, (dir / "bench.XML").string(), true}, host, lib) == conv::Outcome::kDone;
  });

  const std::string kestrin = (dir / "bench.").string();
  write_kestrin(kestrin);
  report("kestrin", kestrin + "pnt + pol",
         std::filesystem::file_size(kestrin + "pnt") + std::filesystem::file_size(kestrin + "pol"), runs, [&] {
           StderrHost host;
           conv::SurveyLibrary lib;
           return conv::convert_kestrin({kestrin + "pol", (dir / "bench_k.XML").string(), true}, host, lib) ==
                  conv::Outcome::kDone;
         });

  const std::string shape = (dir / "bench_s.").string();
  bench::write_shapefile(shape);
  const std::uint64_t shape_bytes =
      std::filesystem::file_size(shape + "shp") + std::filesystem::file_size(shape + "dbf");
  const double ours = report("shape", shape + "shp + dbf", shape_bytes, runs, [&] {
    StderrHost host;
    conv::SurveyLibrary lib;
    return conv::convert_shape({shape + "shp", (dir / "bench_s.XML").string(), false}, host, lib) ==
           conv::Outcome::kDone;
  });
  // The same file through GDAL, when it is installed.
  if (const std::string ogr2ogr = on_path("ogr2ogr"); !ogr2ogr.empty()) {
    const std::string gml = (dir / "bench_s.gml").string();
    const double theirs = report("ogr2ogr", "-f GML, same input", shape_bytes, std::min(runs, 3), [&] {
      std::filesystem::remove(gml);
      std::filesystem::remove((dir / "bench_s.xsd").string());
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      execl(ogr2ogr.c_str(), "ogr2ogr", "-f", "GML", gml.c_str(), (shape + "shp").c_str(), nullptr);
      return false;
    });
    std::printf("shape conversion: %.1fx the speed of ogr2ogr -f GML\n", theirs / ours);
  }

  if (keep.empty()) std::filesystem::remove_all(dir);
  return 0;
}
