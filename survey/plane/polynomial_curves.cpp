// Bezier curves and the uniform cubic B-spline, sampled into point arrays.
#include "polynomial_curves.h"

#include <cmath>

namespace {

// at(i, t) for the n + 1 parameters 0, h, h + h, ... with h = 1/n added up; a
// counter, not a test on t, decides the count (ten steps of 0.1 end below 1).
template <class F>
void sample(int16_t n, F&& at) {
  if (n < 1) return;
  const double h = 1.0 / n;
  double t = 0.0;
  for (int i = 0; i <= n; ++i) {
    at(i, t);
    t += h;
  }
}

struct Controls {
  double p[4];
};

Controls controls(const double* p) { return {{p[0], p[1], p[2], p[3]}}; }

double quadratic(const double* k, double t) { return k[0] * std::pow(t, 2.0) + k[1] * t + k[2]; }

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
  double kx[4], ky[4];
  bezierk(px, kx);
  bezierk(py, ky);
  sample(n, [&](int i, double t) {
    xo[i] = be_honer(kx, t);
    yo[i] = be_honer(ky, t);
  });
}

void SURVEY_CALL bezier3(const double* px, const double* py, const double* pz, int16_t n,
                         double* xo, double* yo, double* zo) {
  double kx[4], ky[4], kz[4];
  bezierk(px, kx);
  bezierk(py, ky);
  bezierk(pz, kz);
  sample(n, [&](int i, double t) {
    xo[i] = be_honer(kx, t);
    yo[i] = be_honer(ky, t);
    zo[i] = be_honer(kz, t);
  });
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
  double kx[3], ky[3];
  bezierk2(px, kx);
  bezierk2(py, ky);
  sample(n, [&](int i, double t) {
    xo[i] = quadratic(kx, t);
    yo[i] = quadratic(ky, t);
  });
}

void SURVEY_CALL bezier2(const double* px, const double* py, const double* pz, int16_t n,
                         double* xo, double* yo, double* zo) {
  double kx[3], ky[3], kz[3];
  bezierk2(px, kx);
  bezierk2(py, ky);
  bezierk2(pz, kz);
  sample(n, [&](int i, double t) {
    xo[i] = quadratic(kx, t);
    yo[i] = quadratic(ky, t);
    zo[i] = quadratic(kz, t);
  });
}

double SURVEY_CALL work_spline(const double* p, double t) {
  const double t2 = std::pow(t, 2.0);
  const double t3 = std::pow(t, 3.0);
  return std::pow(1.0 - t, 3.0) / 6.0 * p[0] + (t3 / 2.0 - t2 + 0.6666666666666666) * p[1] +
         ((t2 + t) / 2.0 - t3 / 2.0 + 0.16666666666666666) * p[2] + t3 / 6.0 * p[3];
}

// The control values are copied first, so output arrays may overlap them.
void SURVEY_CALL bspline2(const double* px, const double* py, int16_t n, double* xo, double* yo) {
  const Controls cx = controls(px), cy = controls(py);
  sample(n, [&](int i, double t) {
    xo[i] = work_spline(cx.p, t);
    yo[i] = work_spline(cy.p, t);
  });
}

void SURVEY_CALL bspline3(const double* px, const double* py, const double* pz, int16_t n,
                          double* xo, double* yo, double* zo) {
  const Controls cx = controls(px), cy = controls(py), cz = controls(pz);
  sample(n, [&](int i, double t) {
    xo[i] = work_spline(cx.p, t);
    yo[i] = work_spline(cy.p, t);
    zo[i] = work_spline(cz.p, t);
  });
}

}  // extern "C"
