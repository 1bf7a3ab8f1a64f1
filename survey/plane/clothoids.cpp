// Clothoid transition curves by their power series.
#include "clothoids.h"

#include <cmath>
#include <limits>

#include "../basics/helpers.h"
#include "directions.h"

namespace {

constexpr int kTerms = 20;
constexpr int kMaxSteps = 10001;

}  // namespace

extern "C" {

// C = sum (-1)^k tau^2k / ((2k)! (4k+1)) and S = sum (-1)^k tau^2k / ((2k+1)! (4k+3)),
// each term written with the factorial one higher, as (2k+1)/(2k+1)! and
// (2k+2)/(2k+2)!; S is returned times 3.
void SURVEY_CALL hureneru(double tau, double* C, double* S) {
  double c = 0.0;
  double s = 0.0;
  for (int k = 0; k < kTerms; ++k) {
    const double p = std::pow(tau, static_cast<double>(2 * k));
    const double tc = (2 * k + 1) / (kaijo(static_cast<int16_t>(2 * k + 1)) * (4 * k + 1)) * p;
    const double ts = (2 * k + 2) / (kaijo(static_cast<int16_t>(2 * k + 2)) * (4 * k + 3)) * p;
    if (k % 2 == 0) {
      c += tc;
      s += ts;
    } else {
      c -= tc;
      s -= ts;
    }
  }
  *C = c;
  *S = 3.0 * s;
}

double SURVEY_CALL kloth_para(double R, double L) {
  if (R * L <= 0.0) return 0.0;
  return std::sqrt(R * L);
}

double SURVEY_CALL kloth_rad(double L, double A) {
  if (L == 0.0) return 0.0;
  return std::pow(A, 2.0) / L;
}

double SURVEY_CALL kloth_len(double A, double R) {
  if (R == 0.0) return 0.0;
  return std::pow(A, 2.0) / R;
}

double SURVEY_CALL kloth_tau1(double R, double L) { return L / (2.0 * R); }

double SURVEY_CALL kloth_tau2(double A, double L) {
  return std::pow(L, 2.0) / (2.0 * std::pow(A, 2.0));
}

void SURVEY_CALL kloth_keR(double R, double tau, double* X, double* Y) {
  double c = 0.0, s = 0.0;
  hureneru(tau, &c, &s);
  *X = 2.0 * c * R * tau;
  *Y = std::pow(tau, 2.0) * s * R * 0.6666666666666666;
}

void SURVEY_CALL kloth_keA(double A, double tau, double* X, double* Y) {
  double c = 0.0, s = 0.0;
  hureneru(tau, &c, &s);
  *X = 2.0 * std::sqrt(tau) * c * A / std::sqrt(2.0);
  *Y = 2.0 * std::sqrt(tau) * s * A * tau / (3.0 * std::sqrt(2.0));
}

void SURVEY_CALL kloth_work(double R, double tau, double* X, double* Y, double* dR, double* TK,
                            double* TL, double* sigma, double* S0) {
  double x = 0.0, y = 0.0;
  kloth_keR(R, tau, &x, &y);
  const double tk = y / std::sin(tau);
  const double sg = std::atan(y / x);
  *X = x;
  *Y = y;
  *dR = R * std::cos(tau) + y - R;
  *TK = tk;
  *TL = x - tk * std::cos(tau);
  *sigma = sg;
  *S0 = y / std::sin(sg);
}

void SURVEY_CALL kloth_kou(double x0, double y0, double s, double theta, double* x, double* y) {
  const double xo = x0 + s * std::cos(theta);
  const double yo = y0 + s * std::sin(theta);
  *x = xo;
  *y = yo;
}

// The chord to a point of the clothoid is never longer than its arc, so each step d
// is at most the remaining arc length: L climbs to the first meeting point without
// overshooting. A circle beyond the series' range sends the point far off and d to
// NaN; that is reported as NaN, not as the last point.
void SURVEY_CALL kloth_koutenEN(double xc, double yc, double R, double x0, double y0, double A,
                                double tol, double* x, double* y) {
  double L = dist(x0, y0, xc, yc) - R;
  double d = L;
  double X = x0, Y = y0;
  for (int step = 0; d > tol && step < kMaxSteps; ++step) {
    kloth_keA(A, kloth_tau2(A, L), &X, &Y);
    X += x0;
    Y += y0;
    d = dist(X, Y, xc, yc) - R;
    L += d;
  }
  if (std::isnan(d)) X = Y = std::numeric_limits<double>::quiet_NaN();
  *x = X;
  *y = Y;
}

}  // extern "C"
