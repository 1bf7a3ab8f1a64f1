// Named units into SI units; temperatures.
#include "units.h"

#include <cmath>

namespace {

// Lengths and masses scale through MM(1.0), volumes through CM(3.0): the base
// factor first, then the amount, then the unit's factor.
double by_mm(double v, double mm_per_unit) { return MM(1.0) * v * mm_per_unit; }
double by_cm3(double v, double cm3_per_unit) { return CM(3.0) * v * cm3_per_unit; }

constexpr double kGravity = 9.8;  // m/s^2, as in the traditional gravitational units

}  // namespace

extern "C" {

double SURVEY_CALL CM(double p) { return std::pow(0.01, p); }
double SURVEY_CALL MM(double p) { return std::pow(0.001, p); }

double SURVEY_CALL INCH(double v) { return by_mm(v, 25.399); }
double SURVEY_CALL FEET(double v) { return by_mm(v, 304.794); }
double SURVEY_CALL YARD(double v) { return by_mm(v, 914.383); }
double SURVEY_CALL MILE(double v) { return by_mm(v, 1609310.0); }
double SURVEY_CALL SUN(double v) { return by_mm(v, 30.3030303030303); }
double SURVEY_CALL SHAKU(double v) { return by_mm(v, 303.030303030303); }
double SURVEY_CALL KEN(double v) { return by_mm(v, 1818.18181818181); }
double SURVEY_CALL CHOU(double v) { return by_mm(v, 109090.909090909); }
double SURVEY_CALL KAIRI(double v) { return by_mm(v, 1852000.0); }
double SURVEY_CALL RI(double v) { return by_mm(v, 3927272.72727272); }

double SURVEY_CALL ARE(double v) { return v * 100.0; }
double SURVEY_CALL HECTARE(double v) { return v * 10000.0; }
double SURVEY_CALL ACRE(double v) { return v * 4046.87; }
double SURVEY_CALL TUBO(double v) { return v * 3.305785; }
double SURVEY_CALL TANBU(double v) { return v * 991.736; }
double SURVEY_CALL CHOBU(double v) { return v * 9917.36; }

double SURVEY_CALL ML(double v) { return CM(3.0) * v; }
double SURVEY_CALL LITTER(double v) { return by_cm3(v, 1000.0); }
double SURVEY_CALL GALLON(double v) { return by_cm3(v, 3785.43); }
double SURVEY_CALL BARREL(double v) { return by_cm3(v, 158988.0); }
double SURVEY_CALL GOU(double v) { return by_cm3(v, 180.391); }
double SURVEY_CALL SHOU(double v) { return by_cm3(v, 1803.91); }
double SURVEY_CALL TOU(double v) { return by_cm3(v, 18039.1); }
double SURVEY_CALL KOKU(double v) { return by_cm3(v, 180391.0); }

double SURVEY_CALL OUNCE(double v) { return by_mm(v, 28.35); }
double SURVEY_CALL POUND(double v) { return by_mm(v, 453.59); }
double SURVEY_CALL CARAT(double v) { return by_mm(v, 0.2); }
double SURVEY_CALL MONME(double v) { return by_mm(v, 3.75); }
double SURVEY_CALL KIN(double v) { return by_mm(v, 600.0); }
double SURVEY_CALL KAN(double v) { return by_mm(v, 3750.0); }

double SURVEY_CALL GF(double v) { return v * 0.0098; }
double SURVEY_CALL KGF(double v) { return v * kGravity; }
double SURVEY_CALL TF(double v) { return v * 9800.0; }

double SURVEY_CALL unit_conv(double v, double per_unit) {
  if (per_unit == 0.0) return 0.0;
  return v / per_unit;
}

double SURVEY_CALL c2f(double c) { return c * 1.8 + 32.0; }
double SURVEY_CALL f2c(double f) { return (f * 5.0 - 160.0) * 0.1111111111111111; }
double SURVEY_CALL c2k(double c) { return c + 273.15; }
double SURVEY_CALL k2c(double k) { return k - 273.15; }

}  // extern "C"
