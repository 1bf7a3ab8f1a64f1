// Ellipsoid parameters, meridian arc, footpoint latitude and radii of curvature.
#include <gtest/gtest.h>

#include <cmath>

#include "survey/survey.h"

namespace {

constexpr double kDeg = 0.017453292519943295;  // radians per degree
constexpr double kPhi36 = 0.6283185307179586;   // 36 degrees
constexpr double kUntouched = -12345.678;       // preset out-value that must survive

struct Ellipsoid {
  const char* name;
  int16_t kind;
  double a, F;
  void (*b)(double, double*);
  void (*m)(double, double*);
  void (*n)(double, double*);
  void (*p)(double, double*);
};

const Ellipsoid kEllipsoids[] = {
    {"Bessel", 1, 6377397.155, 299.152813, calcb, calcm, calcn, calcp},
    {"GRS80", 2, 6378137.0, 298.257222101, GRS80_calcb, GRS80_calcm, GRS80_calcn, GRS80_calcp},
};

double call(void (*f)(int16_t, double, double*), int16_t kind, double v) {
  double out = kUntouched;
  f(kind, v, &out);
  return out;
}

TEST(EllipsoidParameters, MatchPublishedFigures) {
  // GRS80: Moritz, "Geodetic Reference System 1980", e^2, e'^2 and c as printed
  // (12 and 11 significant digits). Bessel: the exact values of the defining
  // formulas from a and F, computed to 40 digits.
  struct Case {
    const char* what;
    double got, expected, tol;
  } cases[] = {
      {"GRS80 e^2", risin1(298.257222101) * risin1(298.257222101), 0.00669438002290, 5e-15},
      {"GRS80 e'^2", risin2(298.257222101) * risin2(298.257222101), 0.00673949677548, 5e-15},
      {"GRS80 c", kyokuhan(6378137.0, 298.257222101), 6399593.6259, 5e-5},
      {"Bessel e", risin1(299.152813), 0.08169683119526382646, 2e-17},
      {"Bessel e'^2", risin2(299.152813) * risin2(299.152813), 0.006719218794659982178, 2e-18},
      {"Bessel c", kyokuhan(6377397.155, 299.152813), 6398786.848059847133, 2e-9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(c.got, c.expected, c.tol);
  }
  // F <= 0.5 takes the square root of a negative number.
  EXPECT_TRUE(std::isnan(risin1(0.25)));
  EXPECT_TRUE(std::isnan(risin2(0.25)));
}

TEST(EllipsoidParameters, DaenAfTable) {
  struct Case {
    int16_t kind;
    double a, F;
  } cases[] = {{1, 6377397.155, 299.152813}, {2, 6378137.0, 298.257223}, {3, 6378137.0, 298.257222101}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    double a = 0.0, F = 0.0;
    daen_af(c.kind, &a, &F);
    EXPECT_EQ(a, c.a);
    EXPECT_EQ(F, c.F);
  }
  for (int16_t kind : {0, 4, -1}) {
    SCOPED_TRACE(kind);
    double a = kUntouched, F = kUntouched;
    daen_af(kind, &a, &F);
    EXPECT_EQ(a, kUntouched);
    EXPECT_EQ(F, kUntouched);
  }
}

TEST(MeridianArc, CheckValuesAt36Degrees) {
  // Values given to the millimetre (arc) and to 0.1 mm (radii): half a unit of
  // the last printed digit.
  struct Case {
    const char* what;
    void (*f)(int16_t, double, double*);
    int16_t kind;
    double expected, tol;
  } cases[] = {
      {"GRS80 B", Wcalcb, 2, 3985542.670, 5e-4},      {"Bessel B", Wcalcb, 1, 3985146.053, 5e-4},
      {"GRS80 M", Wcalcm, 2, 6357482.4375, 5e-5},     {"GRS80 N", Wcalcn, 2, 6385525.6607, 5e-5},
      {"Bessel M", Wcalcm, 1, 6356806.9648, 5e-5},    {"Bessel N", Wcalcn, 1, 6384762.8401, 5e-5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(call(c.f, c.kind, kPhi36), c.expected, c.tol);
  }
}

TEST(MeridianArc, EquatorAndPole) {
  for (const auto& e : kEllipsoids) {
    SCOPED_TRACE(e.name);
    const double e2 = risin1(e.F) * risin1(e.F);
    const double c = kyokuhan(e.a, e.F);
    EXPECT_EQ(call(Wcalcb, e.kind, 0.0), 0.0);
    EXPECT_EQ(call(Wcalcp, e.kind, 0.0), 0.0);
    // At the equator N = a and M = a(1 - e^2); at the pole both are c. The
    // formulas reach them through a square root and a division: a few ulps.
    EXPECT_NEAR(call(Wcalcn, e.kind, 0.0), e.a, 1e-8);
    EXPECT_NEAR(call(Wcalcm, e.kind, 0.0), e.a * (1.0 - e2), 1e-8);
    EXPECT_NEAR(call(Wcalcn, e.kind, 90.0 * kDeg), c, 1e-8);
    EXPECT_NEAR(call(Wcalcm, e.kind, 90.0 * kDeg), c, 1e-8);
    // A quarter meridian: 10001965.729 m on GRS80 (Moritz), 10000855.764 m on
    // Bessel (a(1 - e^2) times the series' constant term, pi/2 A).
    const double quarter = call(Wcalcb, e.kind, 1.5707963267948966);
    EXPECT_NEAR(quarter, e.kind == 2 ? 10001965.7293 : 10000855.7644, 5e-4);
  }
}

TEST(MeridianArc, OddInLatitude) {
  for (const auto& e : kEllipsoids) {
    for (double deg = 0.5; deg < 90.0; deg += 7.25) {
      SCOPED_TRACE(testing::Message() << e.name << " " << deg);
      EXPECT_EQ(call(Wcalcb, e.kind, -deg * kDeg), -call(Wcalcb, e.kind, deg * kDeg));
      EXPECT_EQ(call(Wcalcn, e.kind, -deg * kDeg), call(Wcalcn, e.kind, deg * kDeg));
    }
  }
}

TEST(Footpoint, InvertsTheMeridianArcFrom0To80Degrees) {
  // The closed series holds to 1e-5 arc-second (4.8e-11 rad) up to 80 degrees.
  const double tol = 1e-5 / 3600.0 * kDeg;
  for (const auto& e : kEllipsoids) {
    for (double deg = 0.0; deg <= 80.0; deg += 0.25) {
      SCOPED_TRACE(testing::Message() << e.name << " " << deg);
      const double phi = deg * kDeg;
      const double back = call(Wcalcp, e.kind, call(Wcalcb, e.kind, phi));
      EXPECT_NEAR(back, phi, tol);
      EXPECT_NEAR(call(Wcalcp, e.kind, -call(Wcalcb, e.kind, phi)), -phi, tol);
    }
  }
}

TEST(Quantities, RadiiAgreeWithTheArcDerivative) {
  // dB/dphi = M. The five-point difference over h = 1e-4 rad has a truncation
  // error of h^4/30 times the fourth derivative of M (below 1e-10 m) and a
  // rounding error of about 1.5 ulp(B) / h (below 1e-5 m).
  const double h = 1e-4;
  auto B = [](int16_t kind, double phi) { return call(Wcalcb, kind, phi); };
  for (const auto& e : kEllipsoids) {
    for (double deg = 0.0; deg <= 85.0; deg += 5.0) {
      SCOPED_TRACE(testing::Message() << e.name << " " << deg);
      const double phi = deg * kDeg;
      const double slope = (B(e.kind, phi - 2 * h) - 8.0 * B(e.kind, phi - h) + 8.0 * B(e.kind, phi + h) -
                            B(e.kind, phi + 2 * h)) /
                           (12.0 * h);
      EXPECT_NEAR(slope, call(Wcalcm, e.kind, phi), 2e-5);
      // N / M = V^2 = 1 + e'^2 cos^2 phi.
      const double ep = risin2(e.F);
      const double ratio = call(Wcalcn, e.kind, phi) / call(Wcalcm, e.kind, phi);
      EXPECT_NEAR(ratio, 1.0 + ep * ep * std::cos(phi) * std::cos(phi), 1e-15);
    }
  }
}

TEST(Quantities, WrappersGiveTheSelectedEllipsoidExactly) {
  for (const auto& e : kEllipsoids) {
    for (double v : {-1.2, 0.0, 0.3, kPhi36, 1.4}) {
      SCOPED_TRACE(testing::Message() << e.name << " " << v);
      double got = 0.0;
      e.b(v, &got);
      EXPECT_EQ(got, call(Wcalcb, e.kind, v));
      e.m(v, &got);
      EXPECT_EQ(got, call(Wcalcm, e.kind, v));
      e.n(v, &got);
      EXPECT_EQ(got, call(Wcalcn, e.kind, v));
      e.p(v * 6.4e6, &got);
      EXPECT_EQ(got, call(Wcalcp, e.kind, v * 6.4e6));
    }
  }
}

TEST(Quantities, OtherSelectorsWriteNothing) {
  for (int16_t kind : {0, 3, -1, 256}) {
    SCOPED_TRACE(kind);
    for (auto f : {Wcalcb, Wcalcm, Wcalcn, Wcalcp}) EXPECT_EQ(call(f, kind, kPhi36), kUntouched);
  }
}

}  // namespace
