// JIS Z 8401 rounding, rules A (half to even) and B (half away from zero).
#include "jis_round.h"

#include <cmath>

namespace {

enum class Rule { kHalfEven, kHalfUp };

double jis_round(double x, int16_t n, Rule rule) {
  double scale = 1.0;
  for (int k = 0; k < n; ++k) scale *= 10.0;
  double i = 0.0;
  const double f = std::modf(std::fabs(x) * scale, &i) - 0.5;
  double r;
  if (std::fabs(f) <= 1e-12) {
    const bool down = rule == Rule::kHalfEven && std::fmod(i, 2.0) == 0.0;
    r = down ? i / scale : (i + 1.0) / scale;
  } else if (f < 0.0) {
    r = i / scale;
  } else if (f > 0.0) {
    r = (i + 1.0) / scale;
  } else {
    return x;  // NaN
  }
  return x <= 0.0 ? -r : r;
}

}  // namespace

extern "C" {

double SURVEY_CALL round5(double x, int16_t n) { return jis_round(x, n, Rule::kHalfEven); }
double SURVEY_CALL roundB(double x, int16_t n) { return jis_round(x, n, Rule::kHalfUp); }

double SURVEY_CALL JIS8401(int16_t rule, double x, int16_t n) {
  switch (rule) {
    case 1:
      return round5(x, n);
    case 2:
      return roundB(x, n);
    default:
      return 0.0;
  }
}

}  // extern "C"
