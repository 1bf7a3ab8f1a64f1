// Complex arithmetic and the elementary complex functions. Every function reads
// its operands before it writes the result, so the result may alias an operand.
#include "complex.h"

#include <cmath>

#include "../basics/helpers.h"
#include "special_functions.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kInvTwoPi = 0.15915494309189535;

survey_complex* put(survey_complex* result, double re, double im) {
  result->re = re;
  result->im = im;
  return result;
}

// Real part for the trigonometric functions: whole turns are taken off beyond 2 pi
// (truncated in double; an integer conversion would overflow for large arguments).
double reduced(double re) {
  if (std::fabs(re) <= kTwoPi) return re;
  return re - kTwoPi * std::trunc(re * kInvTwoPi);
}

// The complex number 1.
constexpr survey_complex kOne{1.0, 0.0};

// w = sqrt((1 + z)(1 - z)), shared by the inverse sine and cosine.
survey_complex asin_root(const survey_complex& z) {
  survey_complex p, m, w;
  c_add(&p, &kOne, &z);
  c_sub(&m, &kOne, &z);
  c_mul(&w, &p, &m);
  return *c_sqrt(&w, &w);
}

// ln s for s = p + q, given t = p - q with s t = 1 (i z + w and w - i z; z + i w and
// z - i w). Where |s| < |t| the sum has cancelled (far from the origin on one side
// of the plane it loses every digit), so -ln t gives the same value in full.
survey_complex log_of_larger(const survey_complex& s, const survey_complex& t) {
  survey_complex L;
  if (!(c_abs(&s) < c_abs(&t))) return *c_ln(&L, &s);
  c_ln(&L, &t);
  return {-L.re, -L.im};
}

}  // namespace

extern "C" {

survey_complex* SURVEY_CALL p2g(survey_complex* result, double r, double theta) {
  return put(result, r * std::cos(theta), r * std::sin(theta));
}

survey_complex* SURVEY_CALL d_sqrt(survey_complex* result, double x) {
  if (x >= 0.0) return put(result, std::sqrt(x), 0.0);
  return put(result, 0.0, std::sqrt(-x));
}

double SURVEY_CALL c_real(const survey_complex* z) { return z->re; }
double SURVEY_CALL c_imaginary(const survey_complex* z) { return z->im; }
double SURVEY_CALL c_abs(const survey_complex* z) { return sr(z->re, z->im); }

double SURVEY_CALL c_arg(const survey_complex* z) {
  if (c_abs(z) == 0.0) return 0.0;
  return std::atan2(z->im, z->re);
}

survey_complex* SURVEY_CALL c_addc(survey_complex* result, double a_re, double a_im, double b_re, double b_im) {
  return put(result, a_re + b_re, a_im + b_im);
}

survey_complex* SURVEY_CALL c_subc(survey_complex* result, double a_re, double a_im, double b_re, double b_im) {
  return put(result, a_re - b_re, a_im - b_im);
}

survey_complex* SURVEY_CALL c_mulc(survey_complex* result, double a_re, double a_im, double b_re, double b_im) {
  return put(result, a_re * b_re - a_im * b_im, a_im * b_re + a_re * b_im);
}

survey_complex* SURVEY_CALL c_divc(survey_complex* result, double a_re, double a_im, double b_re, double b_im) {
  const double q = b_re * b_re + b_im * b_im;
  return put(result, (a_re * b_re + a_im * b_im) / q, (b_re * a_im - a_re * b_im) / q);
}

survey_complex* SURVEY_CALL c_add(survey_complex* result, const survey_complex* a, const survey_complex* b) {
  return c_addc(result, a->re, a->im, b->re, b->im);
}

survey_complex* SURVEY_CALL c_sub(survey_complex* result, const survey_complex* a, const survey_complex* b) {
  return c_subc(result, a->re, a->im, b->re, b->im);
}

survey_complex* SURVEY_CALL c_mul(survey_complex* result, const survey_complex* a, const survey_complex* b) {
  return c_mulc(result, a->re, a->im, b->re, b->im);
}

survey_complex* SURVEY_CALL c_div(survey_complex* result, const survey_complex* a, const survey_complex* b) {
  return c_divc(result, a->re, a->im, b->re, b->im);
}

survey_complex* SURVEY_CALL c_onj(survey_complex* result, const survey_complex* z) {
  return put(result, z->re, -z->im);
}

survey_complex* SURVEY_CALL c_scale(survey_complex* result, const survey_complex* z, double k) {
  return put(result, k * z->re, k * z->im);
}

survey_complex* SURVEY_CALL c_gy(survey_complex* result, const survey_complex* z) {
  const double q = std::pow(z->re, 2.0) + std::pow(z->im, 2.0);
  return put(result, z->re / q, -z->im / q);
}

survey_complex* SURVEY_CALL c_takou(survey_complex* result, int16_t n, const survey_complex* a,
                                    const survey_complex* z) {
  const survey_complex at = *z;  // z may be the result record
  survey_complex r = a[0];
  for (int k = 1; k <= n; ++k) {
    c_mul(&r, &r, &at);
    c_add(&r, &r, &a[k]);
  }
  *result = r;
  return result;
}

survey_complex* SURVEY_CALL c_sqrt(survey_complex* result, const survey_complex* z) {
  const double m = std::pow(c_abs(z), 0.5);
  const double t = c_arg(z);
  return put(result, m * std::cos(t / 2.0), m * std::sin(t / 2.0));
}

survey_complex* SURVEY_CALL c_pow(survey_complex* result, const survey_complex* z, double k) {
  const double m = std::pow(c_abs(z), k);
  const double t = c_arg(z);
  return put(result, m * std::cos(k * t), m * std::sin(k * t));
}

survey_complex* SURVEY_CALL c_exp(survey_complex* result, const survey_complex* z) {
  const double m = std::exp(z->re);
  const double y = z->im;
  return put(result, m * std::cos(y), m * std::sin(y));
}

survey_complex* SURVEY_CALL c_ln(survey_complex* result, const survey_complex* z) {
  const double t = c_arg(z);
  return put(result, std::log(c_abs(z)), t);
}

survey_complex* SURVEY_CALL c_log10(survey_complex* result, const survey_complex* z) {
  return c_scale(result, c_ln(result, z), flog10(epow(1.0)));
}

survey_complex* SURVEY_CALL c_log2(survey_complex* result, const survey_complex* z) {
  return c_scale(result, c_ln(result, z), flog2(epow(1.0)));
}

// sinH and cosH are the library's own on every platform: c_tan divides sums whose
// parts cancel for a large imaginary part, where a last-bit difference between two
// runtimes' cosh and sinh would change the whole result.
survey_complex* SURVEY_CALL c_sin(survey_complex* result, const survey_complex* z) {
  const double x = reduced(z->re);
  const double y = z->im;
  return put(result, std::sin(x) * cosH(y), std::cos(x) * sinH(y));
}

survey_complex* SURVEY_CALL c_cos(survey_complex* result, const survey_complex* z) {
  const double x = reduced(z->re);
  const double y = z->im;
  return put(result, std::cos(x) * cosH(y), -std::sin(x) * sinH(y));
}

survey_complex* SURVEY_CALL c_tan(survey_complex* result, const survey_complex* z) {
  survey_complex s, c;
  c_cos(&c, z);
  if (c.re == 0.0 && c.im == 0.0) return put(result, 0.0, 0.0);
  c_sin(&s, z);
  return c_divc(result, s.re, s.im, c.re, c.im);
}

survey_complex* SURVEY_CALL c_asin(survey_complex* result, const survey_complex* z) {
  // -i ln(i z + w)
  const survey_complex w = asin_root(*z);
  const survey_complex L = log_of_larger({-z->im + w.re, z->re + w.im}, {w.re + z->im, w.im - z->re});
  return put(result, L.im, -L.re);
}

survey_complex* SURVEY_CALL c_acos(survey_complex* result, const survey_complex* z) {
  // -i ln(z + i w)
  const survey_complex w = asin_root(*z);
  const survey_complex L = log_of_larger({z->re - w.im, z->im + w.re}, {z->re + w.im, z->im - w.re});
  return put(result, L.im, -L.re);
}

survey_complex* SURVEY_CALL c_atan(survey_complex* result, const survey_complex* z) {
  // -i/2 ln((1 + u)/(1 - u)) with u = i z
  const survey_complex u{-z->im, z->re};
  survey_complex p, m, L;
  c_add(&p, &kOne, &u);
  c_sub(&m, &kOne, &u);
  c_ln(&L, c_div(&L, &p, &m));
  return put(result, 0.5 * L.im, -0.5 * L.re);
}

}  // extern "C"
