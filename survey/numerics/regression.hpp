// Internal: the regression line over a 32-bit count, for callers inside the
// library whose point lists may exceed 32767 points.
#ifndef SURVEY_NUMERICS_REGRESSION_HPP
#define SURVEY_NUMERICS_REGRESSION_HPP

#include <cstdint>

namespace survey::numerics {

// kaiki_line2 over n points: slope, intercept and the direction angle of the line
// (radians from +y toward +x, in [0, pi]); n < 1 writes nothing.
void regression_line(int32_t n, const double* x, const double* y, double* slope, double* intercept,
                     double* angle);

}  // namespace survey::numerics

#endif  // SURVEY_NUMERICS_REGRESSION_HPP
