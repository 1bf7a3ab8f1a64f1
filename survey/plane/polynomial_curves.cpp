// Bezier curves and the uniform cubic B-spline, sampled into point arrays.
#include "polynomial_curves.h"

#include <cmath>

namespace {

// out[d][i] = at(d, t) for each of the dims coordinates at the n + 1 parameters
// 0, h, h + h, ... with h = 1/n added up; a counter, not a test on t, decides the
// count (ten steps of 0.1 end below 1).
template <class F>
void sample_coords(int16_t n, int dims, double* const* out, F&& at) {
  if (n < 1) return;
  const double h = 1.0 / n;
  double t = 0.0;
  for (int i = 0; i <= n; ++i) {
    for (int d = 0; d < dims; ++d) out[d][i] = at(d, t);
    t += h;
  }
}

struct Controls {
  double p[4];
};

Controls controls(const double* p) { return {{p[0], p[1], p[2], p[3]}}; }

double quadratic(const double* k, double t) { return k[0] * std::pow(t, 2.0) + k[1] * t + k[2]; }

// Each coordinate's control values p[d] to K power coefficients, then sampled.
template <int K, class ToPower, class Eval>
void sample_power(ToPower to_power, Eval eval, int16_t n, int dims, const double* const* p,
                  double* const* out) {
  double k[3][K];
  for (int d = 0; d < dims; ++d) to_power(p[d], k[d]);
  sample_coords(n, dims, out, [&](int d, double t) { return eval(k[d], t); });
}

}  // namespace

extern "C" {

void SURVEY_CALL bezierk(const double* p, double* k) {
  const double k0 = 3.0 * (p[1] - p[2]) + (p[3] - p[0]);
  const double k1 = 3.0 * (p[0] - 2.0 * p[1] + p[2]);
  const double k2 = 3.0 * (p[1] - p[0]);
  const double k3 = p[0];
  k[0] = k0;
  k[1] = k1;
  k[2] = k2;
  k[3] = k3;
}

double SURVEY_CALL be_honer(const double* k, double t) {
  return ((t * k[0] + k[1]) * t + k[2]) * t + k[3];
}

void SURVEY_CALL bezier3_1(const double* px, const double* py, int16_t n, double* xo, double* yo) {
  const double* const p[] = {px, py};
  double* const out[] = {xo, yo};
  sample_power<4>(bezierk, be_honer, n, 2, p, out);
}

void SURVEY_CALL bezier3(const double* px, const double* py, const double* pz, int16_t n,
                         double* xo, double* yo, double* zo) {
  const double* const p[] = {px, py, pz};
  double* const out[] = {xo, yo, zo};
  sample_power<4>(bezierk, be_honer, n, 3, p, out);
}

void SURVEY_CALL bezierk2(const double* p, double* k) {
  const double k0 = p[0] - 2.0 * p[1] + p[2];
  const double k1 = 2.0 * p[1] - 2.0 * p[0];
  const double k2 = p[0];
  k[0] = k0;
  k[1] = k1;
  k[2] = k2;
}

void SURVEY_CALL bezier2_1(const double* px, const double* py, int16_t n, double* xo, double* yo) {
  const double* const p[] = {px, py};
  double* const out[] = {xo, yo};
  sample_power<3>(bezierk2, quadratic, n, 2, p, out);
}

void SURVEY_CALL bezier2(const double* px, const double* py, const double* pz, int16_t n,
                         double* xo, double* yo, double* zo) {
  const double* const p[] = {px, py, pz};
  double* const out[] = {xo, yo, zo};
  sample_power<3>(bezierk2, quadratic, n, 3, p, out);
}

double SURVEY_CALL work_spline(const double* p, double t) {
  const double t2 = std::pow(t, 2.0);
  const double t3 = std::pow(t, 3.0);
  return std::pow(1.0 - t, 3.0) / 6.0 * p[0] + (t3 / 2.0 - t2 + 0.6666666666666666) * p[1] +
         ((t2 + t) / 2.0 - t3 / 2.0 + 0.16666666666666666) * p[2] + t3 / 6.0 * p[3];
}

// The control values are copied first, so output arrays may overlap them.
void SURVEY_CALL bspline2(const double* px, const double* py, int16_t n, double* xo, double* yo) {
  const Controls c[] = {controls(px), controls(py)};
  double* const out[] = {xo, yo};
  sample_coords(n, 2, out, [&](int d, double t) { return work_spline(c[d].p, t); });
}

void SURVEY_CALL bspline3(const double* px, const double* py, const double* pz, int16_t n,
                          double* xo, double* yo, double* zo) {
  const Controls c[] = {controls(px), controls(py), controls(pz)};
  double* const out[] = {xo, yo, zo};
  sample_coords(n, 3, out, [&](int d, double t) { return work_spline(c[d].p, t); });
}

}  // extern "C"
