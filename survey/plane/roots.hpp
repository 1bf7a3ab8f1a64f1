// Internal: the root solver's results taken into locals, telling "no roots" from
// "nothing written" (a zero leading coefficient).
#ifndef SURVEY_PLANE_ROOTS_HPP
#define SURVEY_PLANE_ROOTS_HPP

#include "quadratics.h"

namespace survey::plane {

struct Roots {
  bool written = false;
  int16_t n = 0;
  double r1 = 0.0;
  double r2 = 0.0;
};

inline Roots solve_quadratic(double A, double B, double C) {
  Roots q;
  q.n = -1;  // kai_kousiki writes a count >= 0 whenever it writes anything
  kai_kousiki(A, B, C, &q.n, &q.r1, &q.r2);
  q.written = q.n >= 0;
  if (!q.written) q.n = 0;
  return q;
}

}  // namespace survey::plane

#endif  // SURVEY_PLANE_ROOTS_HPP
