// Timing and bitwise comparison shared by the benchmark programs.
#ifndef SURVEY_BENCHMARKS_BENCH_TIMING_HPP
#define SURVEY_BENCHMARKS_BENCH_TIMING_HPP

#include <chrono>
#include <cstring>

// Nanoseconds per point of one run over `points` points.
template <class F>
double ns_per_point(int points, F&& run) {
  const auto t0 = std::chrono::steady_clock::now();
  run();
  const auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::nano>(t1 - t0).count() / points;
}

// Bitwise equality (also -0.0 against 0.0).
inline bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

#endif  // SURVEY_BENCHMARKS_BENCH_TIMING_HPP
