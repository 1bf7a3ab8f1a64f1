// Fixed-end moments and shears, ring moments, overhead ratio, truncated cone, queue.
//
// Powers are std::pow. The lone divisors 60, 192 and 32 are products with their
// exact reciprocals; compound divisors (12L, 20L^2, 60L^2, ...) divide.
#include "formulas.h"

#include <cmath>

#include "../basics/helpers.h"
#include "../basics/trig.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kSixtieth = 0.016666666666666666;
constexpr double kOneHundredNinetySecond = 0.005208333333333333;
constexpr double kThirtySecond = 0.03125;

double sq(double v) { return std::pow(v, 2.0); }
double cube(double v) { return std::pow(v, 3.0); }

// Symmetric cases: MA = -M, MB = M and equal shears.
void write_symmetric(double M, double Q, double* MA, double* MB, double* QA, double* QB) {
  *MA = -M;
  *MB = M;
  *QA = Q;
  *QB = Q;
}

void write_ends(double ma, double mb, double qa, double qb, double* MA, double* MB, double* QA,
                double* QB) {
  *MA = ma;
  *MB = mb;
  *QA = qa;
  *QB = qb;
}

bool a_within(double L, double a) { return L > 0.0 && a >= 0.0 && a <= L; }
bool a_within_half(double L, double a) { return L > 0.0 && a >= 0.0 && a <= L / 2.0; }

}  // namespace

extern "C" {

void SURVEY_CALL kajyu_kou1(double L, double w1, double w2, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!(L > 0.0)) return;
  write_ends(-(3.0 * w1 + 2.0 * w2) * sq(L) * kSixtieth, (2.0 * w1 + 3.0 * w2) * sq(L) * kSixtieth,
             -(21.0 * w1 + 9.0 * w2) * L * kSixtieth, -(9.0 * w1 + 21.0 * w2) * L * kSixtieth, MA,
             MB, QA, QB);
}

void SURVEY_CALL kajyu_kou2(double L, double a, double P, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!a_within(L, a)) return;
  const double b = L - a;
  write_ends(-sq(b) * a * P / sq(L), b * sq(a) * P / sq(L),
             -(2.0 * a + L) * sq(b) * P / cube(L), -(3.0 * L - 2.0 * a) * sq(a) * P / cube(L), MA,
             MB, QA, QB);
}

void SURVEY_CALL kajyu_kou3(double L, double a, double w, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!a_within(L, a)) return;
  const double b = L - a;
  const double L2 = sq(L);
  write_ends(-((2.0 * L2 - sq(b)) * 3.0 * b / L + 2.0 * sq(a)) * w * kSixtieth,
             ((2.0 * L2 - sq(a)) * 3.0 * a / L + 2.0 * sq(b)) * w * kSixtieth,
             -(7.0 * cube(L) - 3.0 * L2 * a - 3.0 * L * sq(a) + 2.0 * cube(a)) * w / (20.0 * L2),
             -(3.0 * (cube(L) + (L + a) * L * a) - 2.0 * cube(a)) * w / (20.0 * L2), MA, MB, QA,
             QB);
}

void SURVEY_CALL kajyu_kou4(double L, double a, double w, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!a_within_half(L, a)) return;
  const double c = L - 2.0 * a;  // loaded length
  const double M = (sq(c) + 6.0 * (L - a) * a) * c * w / (12.0 * L);
  write_symmetric(M, -c * w / 2.0, MA, MB, QA, QB);
}

void SURVEY_CALL kajyu_kou5(double L, double a, double w, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!a_within_half(L, a)) return;
  const double M = (3.0 * L - 2.0 * a) * sq(a) * w / (6.0 * L);
  write_symmetric(M, -a * w, MA, MB, QA, QB);
}

void SURVEY_CALL kajyu_kou6(double L, double w1, double w2, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!(L > 0.0)) return;
  write_ends(-(11.0 * w1 + 5.0 * w2) * sq(L) * kOneHundredNinetySecond,
             (5.0 * w1 + 11.0 * w2) * sq(L) * kOneHundredNinetySecond,
             -(13.0 * w1 + 3.0 * w2) * L * kThirtySecond,
             -(3.0 * w1 + 13.0 * w2) * L * kThirtySecond, MA, MB, QA, QB);
}

void SURVEY_CALL kajyu_kou7(double L, double a, double w, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!a_within(L, a)) return;
  const double L2 = sq(L), L3 = cube(L);
  write_ends(-(3.0 * sq(a) - 10.0 * L * a + 10.0 * L2) * sq(a) * w / (60.0 * L2),
             (5.0 * L - 3.0 * a) * cube(a) * w / (60.0 * L2),
             -(10.0 * L3 - 5.0 * L * sq(a) + 2.0 * cube(a)) * a * w / (20.0 * L3),
             -(5.0 * L * sq(a) - 2.0 * cube(a)) * a * w / (20.0 * L3), MA, MB, QA, QB);
}

void SURVEY_CALL kajyu_kou8(double L, double P, double n, double* MA, double* MB, double* QA,
                            double* QB) {
  if (!(L > 0.0 && n >= 1.0)) return;
  const double M = (sq(n) - 1.0) * L * P / (12.0 * n);
  write_symmetric(M, -(n - 1.0) * P / 2.0, MA, MB, QA, QB);
}

// Loaded length c = L - (a + b); the load is w2 plus a part falling linearly from
// w1 - w2 at its start to 0 at its end.
void SURVEY_CALL kajyu_kou9(double L, double a, double b, double w1, double w2, double* MA,
                            double* MB, double* QA, double* QB) {
  if (!(L > 0.0 && a >= 0.0 && b >= 0.0 && a + b <= L)) return;
  const double c = L - (a + b);
  const double d = w1 - w2;
  const double t = a + b;
  const double u = (4.0 * t + c) * c;
  const double L2 = sq(L);
  const double ma =
      -((6.0 * sq(b) + u) * c + (c + b) * a * b * 12.0) * c * w2 / (12.0 * L2) -
      (((10.0 * (c + b) + 40.0 * a) * b + 3.0 * sq(c)) * c + (2.0 * sq(b) + sq(c)) * a * 15.0) * d *
          c / (60.0 * L2);
  *MA = ma;
  const double mb =
      ((((2.0 * a + b) * 5.0 + 2.0 * c) * c + t * a * 20.0) * c + sq(a) * b * 30.0) * d * c /
          (60.0 * L2) +
      ((c + a) * a * b * 12.0 + (6.0 * sq(a) + u) * c) * c * w2 / (12.0 * L2);
  *MB = mb;
  *QA = -((3.0 * b + c) * w2 + (3.0 * b + 2.0 * c) * w1) * c / (6.0 * L) + (ma + mb) / L;
  *QB = -((3.0 * a + c) * w1 + (3.0 * a + 2.0 * c) * w2) * c / (6.0 * L) - (ma + mb) / L;
}

void SURVEY_CALL kajyu_kou10(double L, double a, double w, double* MA, double* MB, double* QA,
                             double* QB) {
  if (!a_within_half(L, a)) return;
  const double M = (cube(L) - 2.0 * L * sq(a) + cube(a)) * w / (12.0 * L);
  write_symmetric(M, -(L - a) * w / 2.0, MA, MB, QA, QB);
}

double SURVEY_CALL SyokeihiRitu(double cost) {
  if (!(cost > 500000.0)) return 0.878;
  return survey_round(std::pow(cost, -0.1266) * 462.5, 1) * 0.01;
}

double SURVEY_CALL en_maxmo1(double c1, double c2, double w, double D) {
  const double r = D / 2.0;
  const double alpha = arcsin(c1 / D);
  const double beta = arcsin(c2 / D);
  const double sa = std::sin(alpha), sb = std::sin(beta);
  const double bracket = 0.75 * (std::cos(alpha) + std::cos(beta)) +
                         0.25 * (alpha / sa + beta / sb) - 0.5 * (kPi - alpha) * sa +
                         0.5 * beta * sb;
  return bracket * 2.0 * w * r * sb * r * 0.15915494309189535;
}

// The constants are 3 pi / 4 - 2 (in H) and 3 pi / 8 - 1 (in G).
double SURVEY_CALL en_maxmo2(double c, double w, double D) {
  const double r = D / 2.0;
  const double theta = kPi - arcsin(c / D);
  const double s = std::sin(theta), co = std::cos(theta);
  const double s2 = std::sin(2.0 * theta), c2 = std::cos(2.0 * theta);
  const double U = s - theta * co;
  const double E = (sq(co) * theta + theta / 2.0 - 0.75 * s2) * r;
  const double F = 0.75 * c2 + 0.5 * theta * s2 + 0.25 - co;
  const double H = 0.35619449019234484 * co - 0.3333333333333333;
  const double G = 1.0 - theta * s - co + 0.17809724509617242;
  const double r2 = sq(r);
  return ((F * r2 * w - 0.5 * H * r2 * w) * U * r - G * r2 * w * E) / (sq(U) * r - E * theta);
}

void SURVEY_CALL ensuidai(double R, double r, double h, double* V, double* S, double* l) {
  if (!(R > 0.0)) return;
  const double k = r * h / (R - r);  // height of the missing tip
  const double slant = sr(R, k + h) - sr(r, k);
  *V = (sq(R) + sq(r) + R * r) * h * 1.0471975511965976;
  *S = (R + r) * slant * kPi;
  *l = slant;
}

void SURVEY_CALL mm1(double mu, double lambda, double* rho, double* Lq, double* L, double* Wq,
                     double* W) {
  if (!(mu > 0.0 && lambda > 0.0)) return;
  const double p = lambda / mu;
  *rho = p;
  *Lq = sq(p) / (1.0 - p);
  *L = p / (1.0 - p);
  *Wq = p / (mu - lambda);
  *W = 1.0 / (mu - lambda);
}

}  // extern "C"
