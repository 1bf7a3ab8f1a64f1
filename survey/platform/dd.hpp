// Double-double arithmetic: a value held as an unevaluated sum hi + lo with
// |lo| <= ulp(hi) / 2, good to about 2^-104 relative. Only + - * / of doubles, so
// the same bits come out on every platform with SSE2 doubles and no fused
// multiply-add (compile with -ffp-contract=off).
#ifndef SURVEY_PLATFORM_DD_HPP
#define SURVEY_PLATFORM_DD_HPP

#include <cmath>

namespace survey::platform::dd {

struct DD {
  double hi, lo;
};

// s + e = a + b exactly.
inline DD two_sum(double a, double b) {
  double s = a + b;
  double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// s + e = a + b exactly, for |a| >= |b| (or a == 0).
inline DD quick_two_sum(double a, double b) {
  double s = a + b;
  return {s, b - (s - a)};
}

// p + e = a * b exactly (Dekker's product; no overflow for |a|, |b| < 2^996).
inline DD two_prod(double a, double b) {
  constexpr double kSplit = 134217729.0;  // 2^27 + 1
  double p = a * b;
  double ta = kSplit * a, tb = kSplit * b;
  double ah = ta - (ta - a), bh = tb - (tb - b);
  double al = a - ah, bl = b - bh;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

inline DD add(DD a, DD b) {
  DD s = two_sum(a.hi, b.hi);
  DD t = two_sum(a.lo, b.lo);
  s.lo += t.hi;
  s = quick_two_sum(s.hi, s.lo);
  s.lo += t.lo;
  return quick_two_sum(s.hi, s.lo);
}
inline DD add(DD a, double b) {
  DD s = two_sum(a.hi, b);
  s.lo += a.lo;
  return quick_two_sum(s.hi, s.lo);
}
inline DD neg(DD a) { return {-a.hi, -a.lo}; }
inline DD sub(DD a, DD b) { return add(a, neg(b)); }

inline DD mul(DD a, DD b) {
  DD p = two_prod(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return quick_two_sum(p.hi, p.lo);
}
inline DD mul(DD a, double b) {
  DD p = two_prod(a.hi, b);
  p.lo += a.lo * b;
  return quick_two_sum(p.hi, p.lo);
}

inline DD div(DD a, DD b) {
  double q1 = a.hi / b.hi;
  DD r = sub(a, mul(b, q1));
  double q2 = r.hi / b.hi;
  r = sub(r, mul(b, q2));
  double q3 = r.hi / b.hi;
  DD q = quick_two_sum(q1, q2);
  return add(q, q3);
}
inline DD div(DD a, double b) { return div(a, DD{b, 0.0}); }

// Square root of a non-negative value: one Newton step from the double root.
inline DD sqrt(DD a) {
  if (a.hi <= 0.0) return {std::sqrt(a.hi), 0.0};
  double r = std::sqrt(a.hi);
  DD e = sub(a, two_prod(r, r));
  return quick_two_sum(r, e.hi / (2.0 * r));
}

// The double nearest hi + lo.
inline double round(DD a) { return a.hi + a.lo; }

}  // namespace survey::platform::dd

#endif  // SURVEY_PLATFORM_DD_HPP
