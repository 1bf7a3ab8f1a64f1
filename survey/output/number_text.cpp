// Number rule: 15 significant digits, plain or exponent form (see the header).
#include "number_text.hpp"

#include <charconv>
#include <cmath>
#include <cstring>

namespace survey::text {

std::size_t format_number(double v, char* out) {
  char* p = out;
  if (std::isnan(v)) {
    std::memcpy(out, "NaN", 4);
    return 3;
  }
  if (std::isinf(v)) {
    const char* t = v < 0 ? "-INF" : "INF";
    const std::size_t n = std::strlen(t);
    std::memcpy(out, t, n + 1);
    return n;
  }
  if (v == 0.0) {  // both zeros
    std::memcpy(out, "0", 2);
    return 1;
  }
  if (v < 0) {
    *p++ = '-';
    v = -v;
  }
  // d.dddddddddddddde[+-]x..x: the correctly rounded 15 digits and the exponent
  // of the rounded value.
  char sci[kNumberTextMax];
  const auto res = std::to_chars(sci, sci + sizeof sci, v, std::chars_format::scientific, 14);
  const char* mark = static_cast<const char*>(std::memchr(sci, 'e', static_cast<std::size_t>(res.ptr - sci)));
  char digits[15];
  digits[0] = sci[0];
  std::memcpy(digits + 1, sci + 2, 14);
  int exp10 = 0;
  std::from_chars(mark + (mark[1] == '+' ? 2 : 1), res.ptr, exp10);
  int used = 15;  // significant digits left after dropping trailing zeros
  while (used > 1 && digits[used - 1] == '0') --used;

  if (exp10 >= -1 && exp10 <= 14) {
    if (exp10 == -1) {
      *p++ = '0';
      *p++ = '.';
      std::memcpy(p, digits, static_cast<std::size_t>(used));
      p += used;
    } else {
      const int whole = exp10 + 1;
      std::memcpy(p, digits, static_cast<std::size_t>(whole));
      p += whole;
      if (used > whole) {
        *p++ = '.';
        std::memcpy(p, digits + whole, static_cast<std::size_t>(used - whole));
        p += used - whole;
      }
    }
  } else {
    *p++ = digits[0];
    *p++ = '.';
    std::memcpy(p, digits + 1, static_cast<std::size_t>(used - 1));
    p += used - 1;
    *p++ = 'e';
    *p++ = exp10 < 0 ? '-' : '+';
    const int mag = exp10 < 0 ? -exp10 : exp10;
    if (mag < 100) *p++ = '0';
    if (mag < 10) *p++ = '0';
    p = std::to_chars(p, out + kNumberTextMax, mag).ptr;
  }
  *p = '\0';
  return static_cast<std::size_t>(p - out);
}

void append_number(std::string& out, double v) {
  char buf[kNumberTextMax];
  out.append(buf, format_number(v, buf));
}

void append_point(std::string& out, double x, double y) {
  append_number(out, x);
  out += ',';
  append_number(out, y);
}

}  // namespace survey::text
