// median over 32767 values: the library's path (std::sort where it leaves the same
// array as the selection sort) beside the selection sort dsort_shou that it replaces
// and the path median keeps for data holding a NaN or both signed zeros.
// Prints milliseconds per call (best of several rounds) and checks that both paths
// leave the same array and median, bit for bit.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "survey/survey.h"

namespace {

constexpr int16_t kCount = 32767;

// Best milliseconds of `rounds` runs of f on fresh copies of data.
template <class F>
double best_ms(const std::vector<double>& data, int rounds, F&& f, std::vector<double>& last) {
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    last = data;
    const auto t0 = std::chrono::steady_clock::now();
    f(last.data());
    const auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

double literal_median(const std::vector<double>& s) {
  const int n = static_cast<int>(s.size());
  return (n % 2 == 1) ? s[(n + 1) / 2 - 1] : (s[n / 2 - 1] + s[n / 2]) * 0.5;
}

}  // namespace

int main() {
  std::mt19937_64 gen(32767);
  std::uniform_real_distribution<double> value(-1e4, 1e4);
  std::vector<double> data(kCount);
  for (auto& v : data) v = std::round(value(gen) * 100.0) / 100.0;  // centimetres: ties occur

  double m = 0.0;
  std::vector<double> fast, slow;
  const double t_fast = best_ms(data, 9, [&](double* a) { m = median(kCount, a); }, fast);
  const double t_slow = best_ms(data, 3, [&](double* a) { dsort_shou(kCount, a); }, slow);
  const double lm = literal_median(slow);
  const bool same = fast == slow && std::memcmp(&m, &lm, sizeof m) == 0;

  std::vector<double> zeros = data;  // +0 and -0 together: the selection sort runs
  zeros[0] = 0.0;
  zeros[1] = -0.0;
  std::vector<double> kept;
  const double t_kept = best_ms(zeros, 3, [&](double* a) { m = median(kCount, a); }, kept);

  std::printf("median of %d values (ms per call, best of rounds)\n", kCount);
  std::printf("  std::sort path          %10.3f\n", t_fast);
  std::printf("  selection sort          %10.3f   (%.0fx)\n", t_slow, t_slow / t_fast);
  std::printf("  median with +0 and -0   %10.3f\n", t_kept);
  std::printf("  same array and median: %s\n", same ? "yes" : "NO");
  return same ? 0 : 1;
}
