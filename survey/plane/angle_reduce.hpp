// Internal: bringing an angle into [0, 2pi) by whole turns.
#ifndef SURVEY_PLANE_ANGLE_REDUCE_HPP
#define SURVEY_PLANE_ANGLE_REDUCE_HPP

#include <cmath>
#include <limits>

namespace survey::plane {

inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kThreeHalfPi = 4.71238898038469;
inline constexpr double kTwoPi = 6.283185307179586;

// Adds 2pi while a is negative and subtracts 2pi while a >= 2pi, one turn at a
// time, so the result carries the rounding of each step. Far out, a step no
// longer moves the value (beyond about 2^55) or the loop would take ages; after
// 65536 turns (about 4e5 rad) the rest is reduced exactly with fmod instead. A
// non-finite angle has no reduction and gives NaN.
inline double reduce_turns(double a) {
  if (!std::isfinite(a)) return std::numeric_limits<double>::quiet_NaN();
  constexpr int kMaxTurns = 1 << 16;
  int turns = 0;
  while (a < 0.0 && turns < kMaxTurns) {
    a += kTwoPi;
    ++turns;
  }
  while (a >= kTwoPi && turns < kMaxTurns) {
    a -= kTwoPi;
    ++turns;
  }
  if (turns == kMaxTurns) {
    a = std::fmod(a, kTwoPi);
    if (a < 0.0) a += kTwoPi;
    if (a >= kTwoPi) a -= kTwoPi;
  }
  return a;
}

}  // namespace survey::plane

#endif  // SURVEY_PLANE_ANGLE_REDUCE_HPP
