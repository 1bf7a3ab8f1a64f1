// Parabolic vertical curves.
#include "vertical_curves.h"

#include <cmath>

extern "C" {

double SURVEY_CALL virtical_curv(double g, double L, double x, double h0) {
  if (L <= 0.0 || std::fabs(g) > 1.0 || x >= 2.0 * L) return 0.0;
  return h0 + g * x - g * 0.5 / L * std::pow(x, 2.0);
}

double SURVEY_CALL virtical_curv2(double R, double L, double x, double h0) {
  if (R == 0.0) return 0.0;
  return virtical_curv(L / R, L, x, h0);
}

double SURVEY_CALL virtical_curv3(double g, double R, double x, double h0) {
  if (std::fabs(g) <= 1.0 && R > 0.0) return virtical_curv(g, g * R, x, h0);
  return 0.0;
}

}  // extern "C"
