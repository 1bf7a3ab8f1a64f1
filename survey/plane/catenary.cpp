// The catenary.
#include "catenary.h"

#include <cmath>

#include "../basics/helpers.h"

extern "C" {

// y is half of a cosh(u), as this function has always given it.
void SURVEY_CALL catenary(double a, double x, double* y, double* s, double* area) {
  const double u = x / a;
  const double ch = cosH(u);
  const double sh = sinH(u);
  *y = 0.5 * a * ch;
  *s = a * sh;
  *area = std::pow(a, 2.0) * sh;
}

}  // extern "C"
