// Random numbers on the C runtime's generator.
#include "random.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// A 15-bit draw, 0 ... 32767: rand() itself where RAND_MAX is 32767 (the Windows
// runtime), else its top 15 bits (glibc: rand() >> 16; the low bits of linear
// congruential generators are the weak ones).
static_assert((RAND_MAX + 1u) % 32768u == 0, "RAND_MAX + 1 must be a multiple of 32768");
int draw15() { return static_cast<int>(static_cast<unsigned>(std::rand()) / ((RAND_MAX + 1u) / 32768u)); }

}  // namespace

extern "C" {

double SURVEY_CALL rnd(void) { return draw15() * 3.051850947599719e-5; }

double SURVEY_CALL n_rnd(double mean, double sd) {
  double u1 = rnd();
  while (u1 == 0.0) u1 = rnd();  // ln 0 would make the deviate infinite
  const double u2 = rnd();
  return mean + sd * std::sin(2.0 * 3.141592653589793 * u2) * std::sqrt(-2.0 * std::log(u1));
}

int32_t SURVEY_CALL p_rnd(double lambda) {
  if (lambda <= 0.0 || lambda >= 10.0) return 0;
  const double L = std::exp(-lambda);
  double p = 1.0;
  int32_t k = -1;
  do {
    p *= rnd();
    ++k;
  } while (p > L);
  return k;
}

}  // extern "C"
