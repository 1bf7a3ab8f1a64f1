// Units into SI, the reverse conversion and temperatures.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

using UnitFn = double(SURVEY_CALL*)(double);

struct UnitCase {
  const char* name;
  UnitFn fn;
  double v;
  double expected;  // exact double
};

// Expected values were computed independently in IEEE double arithmetic as
// (base * v) * factor, base = 0.001 (lengths, masses) or 0.01^3 (volumes). Each v
// is chosen so that the other multiplication orders, base * (v * factor) or
// (base * factor) * v, round to a different double, so the rows pin the order.
const UnitCase kOrdered[] = {
    {"INCH", INCH, 0.3, 0.007619699999999999},
    {"FEET", FEET, 3.0, 0.9143819999999999},
    {"YARD", YARD, 10.0, 9.143830000000001},
    {"MILE", MILE, 10.0, 16093.1},
    {"SUN", SUN, 3.0, 0.09090909090909091},
    {"SHAKU", SHAKU, 3.0, 0.9090909090909091},
    {"KEN", KEN, 7.0, 12.727272727272672},
    {"CHOU", CHOU, 10.0, 1090.90909090909},
    {"KAIRI", KAIRI, 0.3, 555.5999999999999},
    {"RI", RI, 3.0, 11781.81818181816},
    {"OUNCE", OUNCE, 3.0, 0.08505},
    {"POUND", POUND, 0.3, 0.13607699999999998},
    {"CARAT", CARAT, 7.0, 0.0014000000000000002},
    {"MONME", MONME, 0.3, 0.001125},
    {"KIN", KIN, 3.0, 1.8},
    {"KAN", KAN, 1.0, 3.75},
    {"LITTER", LITTER, 3.0, 0.0030000000000000005},
    {"GALLON", GALLON, 7.0, 0.026498010000000002},
    {"BARREL", BARREL, 7.0, 1.112916},
    {"GOU", GOU, 10.0, 0.0018039100000000004},
    {"SHOU", SHOU, 3.0, 0.005411730000000001},
    {"TOU", TOU, 0.3, 0.00541173},
    {"KOKU", KOKU, 10.0, 1.8039100000000003},
    {"ML", ML, 7.0, 7.000000000000001e-06},
};

TEST(Units, MultiplicationOrder) {
  for (const auto& c : kOrdered) {
    SCOPED_TRACE(testing::Message() << c.name << "(" << c.v << ")");
    EXPECT_EQ(c.fn(c.v), c.expected);
  }
}

TEST(Units, OneUnitAndTraditionalFactors) {
  const UnitCase cases[] = {
      // The Anglo-American lengths are the traditional rounded ones, not 25.4 mm etc.
      {"INCH", INCH, 1.0, 0.025399},
      {"FEET", FEET, 1.0, 0.304794},
      {"MILE", MILE, 1.0, 1609.31},
      {"KAIRI", KAIRI, 1.0, 1852.0},
      {"ARE", ARE, 1.0, 100.0},
      {"HECTARE", HECTARE, 2.5, 25000.0},
      {"ACRE", ACRE, 1.0, 4046.87},
      {"TUBO", TUBO, 1.0, 3.305785},
      {"TANBU", TANBU, 1.0, 991.736},
      {"CHOBU", CHOBU, 1.0, 9917.36},
      {"GF", GF, 1.0, 0.0098},
      {"KGF", KGF, 1.0, 9.8},  // gravity 9.8, not 9.80665
      {"TF", TF, 1.0, 9800.0},
      {"TF", TF, -2.0, -19600.0},
      {"CM", CM, 1.0, 0.01},
      {"CM", CM, 2.0, 0.0001},
      {"CM", CM, 0.0, 1.0},
      {"MM", MM, 1.0, 0.001},
      {"MM", MM, 0.0, 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << "(" << c.v << ")");
    EXPECT_EQ(c.fn(c.v), c.expected);
  }
  EXPECT_NE(INCH(1.0), 0.0254);
  EXPECT_NE(FEET(1.0), 0.3048);
  EXPECT_NE(YARD(1.0), 0.9144);
  // 0.01^3 as a double power is a hair above 1e-6, and every volume carries it.
  EXPECT_EQ(CM(3.0), 1.0000000000000002e-06);
  EXPECT_EQ(ML(1.0), CM(3.0));
  EXPECT_EQ(MM(-1.0), std::pow(0.001, -1.0));  // 1000 up to the power's rounding
}

TEST(Units, ConsistencyBetweenUnits) {
  // Within each system the factors agree to their printed digits (relative 1e-12).
  struct Case {
    const char* what;
    double a, b;
  } cases[] = {
      {"6 shaku = 1 ken", SHAKU(6.0), KEN(1.0)},
      {"10 sun = 1 shaku", SUN(10.0), SHAKU(1.0)},
      {"60 ken = 1 cho", KEN(60.0), CHOU(1.0)},
      {"36 cho = 1 ri", CHOU(36.0), RI(1.0)},
      {"10 go = 1 sho", GOU(10.0), SHOU(1.0)},
      {"10 to = 1 koku", TOU(10.0), KOKU(1.0)},
      {"1000 kgf = 1 tf", KGF(1000.0), TF(1.0)},
      {"1000 gf = 1 kgf", GF(1000.0), KGF(1.0)},
      {"1000 ml = 1 l", ML(1000.0), LITTER(1.0)},
      {"1000 monme = 1 kan", MONME(1000.0), KAN(1.0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(c.a, c.b, 1e-12 * std::fabs(c.b));
  }
}

TEST(Units, UnitConv) {
  EXPECT_EQ(unit_conv(5.0, 0.0), 0.0);
  EXPECT_EQ(unit_conv(5.0, -0.0), 0.0);
  EXPECT_EQ(unit_conv(9.8, KGF(1.0)), 1.0);
  EXPECT_EQ(unit_conv(-30.0, 0.5), -60.0);
  // Feet in one metre with the traditional foot (3.28084 with the international one).
  EXPECT_NEAR(unit_conv(1.0, FEET(1.0)), 1.0 / 0.304794, 1e-15);
  // Back and forth: one division after two multiplications, within an ulp or two.
  for (double v : {7.0, 0.3, 1234.5}) {
    SCOPED_TRACE(v);
    EXPECT_NEAR(unit_conv(FEET(v), FEET(1.0)), v, 4e-16 * v);
    EXPECT_NEAR(unit_conv(TUBO(v), TUBO(1.0)), v, 4e-16 * v);
    EXPECT_NEAR(unit_conv(KOKU(v), KOKU(1.0)), v, 4e-16 * v);
  }
}

TEST(Temperatures, Conversions) {
  struct Case {
    const char* what;
    double got, expected;
  } cases[] = {
      {"c2f(100)", c2f(100.0), 212.0}, {"c2f(0)", c2f(0.0), 32.0},
      {"c2f(-40)", c2f(-40.0), -40.0}, {"f2c(212)", f2c(212.0), 100.0},
      {"f2c(32)", f2c(32.0), 0.0},     {"f2c(-40)", f2c(-40.0), -40.0},
      {"c2k(0)", c2k(0.0), 273.15},    {"k2c(273.15)", k2c(273.15), 0.0},
      {"k2c(0)", k2c(0.0), -273.15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.got, c.expected);
  }
  // One ninth is multiplied, not divided: 98.6 F is 37 C only to within rounding.
  EXPECT_NEAR(f2c(98.6), 37.0, 1e-13);
  for (double c : {-273.15, -17.5, 0.1, 36.6, 1000.0}) {
    SCOPED_TRACE(c);
    EXPECT_NEAR(f2c(c2f(c)), c, 1e-12);
    EXPECT_NEAR(k2c(c2k(c)), c, 1e-12);
  }
}

}  // namespace
