// Text rules shared by the converters.
#include "text.hpp"

#include <iconv.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "host.hpp"

namespace conv {

namespace {

bool is_ascii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

// Runs iconv over in, appending to out; an unconvertible or invalid sequence
// becomes "?" and the input moves on by one character (utf8_input: by one UTF-8
// sequence; otherwise by one byte, or two for a lead byte of code page 932).
void convert(iconv_t cd, std::string_view in, std::string& out, bool utf8_input) {
  char* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  char buf[1024];
  while (left > 0) {
    char* dst = buf;
    std::size_t room = sizeof buf;
    const std::size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, static_cast<std::size_t>(dst - buf));
    if (r != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (truncated sequence at the end): one "?" for the character.
    out.push_back('?');
    const auto c = static_cast<unsigned char>(*src);
    std::size_t skip = 1;
    if (utf8_input) {
      if (c >= 0xF0)
        skip = 4;
      else if (c >= 0xE0)
        skip = 3;
      else if (c >= 0xC0)
        skip = 2;
    } else if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      skip = 2;
    }
    if (skip > left) skip = left;
    src += skip;
    left -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
}

}  // namespace

Cp932::Cp932()
    : decode_(reinterpret_cast<void*>(iconv_open("UTF-8", "CP932"))),
      encode_(reinterpret_cast<void*>(iconv_open("CP932", "UTF-8"))) {
  if (decode_ == reinterpret_cast<void*>(-1) || encode_ == reinterpret_cast<void*>(-1))
    throw RuntimeFailure(kInvalidArgument, "The code page 932 conversion is not available");
}

Cp932::~Cp932() {
  iconv_close(reinterpret_cast<iconv_t>(decode_));
  iconv_close(reinterpret_cast<iconv_t>(encode_));
}

std::string Cp932::to_utf8(std::string_view cp932) {
  if (is_ascii(cp932)) return std::string(cp932);
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  convert(reinterpret_cast<iconv_t>(decode_), cp932, out, false);
  return out;
}

void Cp932::append_cp932(std::string& out, std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t j = i;
    // Eight bytes at a time while none has its high bit set.
    for (std::uint64_t w; j + 8 <= utf8.size(); j += 8) {
      std::memcpy(&w, utf8.data() + j, 8);
      if (w & 0x8080808080808080ull) break;
    }
    while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) < 0x80) ++j;
    out.append(utf8.data() + i, j - i);
    i = j;
    while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) >= 0x80) ++j;
    if (j > i) convert(reinterpret_cast<iconv_t>(encode_), utf8.substr(i, j - i), out, true);
    i = j;
  }
}

void Cp932::encode_in_place(std::string& text) {
  char* const base = text.data();
  const std::size_t n = text.size();
  std::size_t r = 0, w = 0;  // read and write positions, w <= r
  std::string run;
  while (r < n) {
    std::size_t j = r;
    for (std::uint64_t word; j + 8 <= n; j += 8) {
      std::memcpy(&word, base + j, 8);
      if (word & 0x8080808080808080ull) break;
    }
    while (j < n && static_cast<unsigned char>(base[j]) < 0x80) ++j;
    if (w != r) std::memmove(base + w, base + r, j - r);
    w += j - r;
    r = j;
    while (j < n && static_cast<unsigned char>(base[j]) >= 0x80) ++j;
    if (j == r) continue;
    run.clear();
    convert(reinterpret_cast<iconv_t>(encode_), std::string_view(base + r, j - r), run, true);
    if (run.size() > j - r) {  // cannot happen with code page 932; stay correct regardless
      std::string tail;
      append_cp932(tail, std::string_view(base + r, n - r));
      text.resize(w);
      text += tail;
      return;
    }
    std::memcpy(base + w, run.data(), run.size());
    w += run.size();
    r = j;
  }
  text.resize(w);
}

std::string failure_text(const RuntimeFailure& failure) {
  return "エラー番号" + std::to_string(failure.number()) + "\r\n" + failure.what();
}

std::string_view trim_blanks(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

void append_xml_escaped(std::string& out, std::string_view s) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char* rep = nullptr;
    switch (s[i]) {
      case '&': rep = "&amp;"; break;
      case '<': rep = "&lt;"; break;
      case '>': rep = "&gt;"; break;
      case '"': rep = "&quot;"; break;
      case '\'': rep = "&apos;"; break;
      default: continue;
    }
    out.append(s.data() + from, i - from);
    out.append(rep);
    from = i + 1;
  }
  out.append(s.data() + from, s.size() - from);
}

namespace {

// A field that is already a plain decimal (optional "-", digits, optional "." and
// digits, nothing else) converts directly; anything else takes the general path.
bool plain_decimal(std::string_view f) {
  std::size_t i = (!f.empty() && f[0] == '-') ? 1 : 0;
  bool digits = false, dot = false;
  for (; i < f.size(); ++i) {
    const char c = f[i];
    if (c >= '0' && c <= '9')
      digits = true;
    else if (c == '.' && !dot)
      dot = true;
    else
      return false;
  }
  return digits && f.size() < 40;
}

}  // namespace

double leading_number(std::string_view field) {
  // Whole numbers of up to 15 digits (point numbers) are exact as integers.
  if (!field.empty() && field.size() <= 15) {
    std::int64_t n = 0;
    std::size_t i = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) n = n * 10 + (field[i] - '0');
    if (i == field.size()) return static_cast<double>(n);
  }
  if (plain_decimal(field)) {
    double v = 0.0;
    const bool negative = field[0] == '-';
    const char* b = field.data() + (negative ? 1 : 0);
    std::from_chars(b, field.data() + field.size(), v, std::chars_format::fixed);
    return negative ? -v : v;
  }
  // Gather the characters of the number without the ignored blanks, then convert
  // the result with correct rounding.
  char small[64];
  std::string large;
  char* buf = small;
  std::size_t cap = sizeof small, len = 0;
  auto put = [&](char c) {
    if (len == cap) {
      if (buf == small) large.assign(small, len);
      large.resize(cap * 2);
      cap *= 2;
      buf = large.data();
    }
    buf[len++] = c;
  };
  std::size_t i = 0;
  const std::size_t n = field.size();
  auto skip_blanks = [&] {
    while (i < n && (field[i] == ' ' || field[i] == '\t' || field[i] == '\n')) ++i;
  };
  skip_blanks();
  bool negative = false;
  if (i < n && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  bool digits = false, dot = false;
  for (;; ++i) {
    skip_blanks();
    if (i >= n) break;
    const char c = field[i];
    if (c >= '0' && c <= '9') {
      put(c);
      digits = true;
    } else if (c == '.' && !dot) {
      put(c);
      dot = true;
    } else {
      break;
    }
  }
  if (!digits) return 0.0;
  // Exponent: E or D, optional sign, at least one digit.
  skip_blanks();
  if (i < n && (field[i] == 'E' || field[i] == 'e' || field[i] == 'D' || field[i] == 'd')) {
    std::size_t j = i + 1;
    const std::size_t mark = len;
    put('e');
    while (j < n && (field[j] == ' ' || field[j] == '\t' || field[j] == '\n')) ++j;
    if (j < n && (field[j] == '+' || field[j] == '-')) put(field[j++]);
    bool exp_digits = false;
    for (; j < n; ++j) {
      const char c = field[j];
      if (c == ' ' || c == '\t' || c == '\n') continue;
      if (c < '0' || c > '9') break;
      put(c);
      exp_digits = true;
    }
    if (!exp_digits) len = mark;
  }
  double v = 0.0;
  const auto res = std::from_chars(buf, buf + len, v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Tell overflow from underflow: strtod says which.
    const std::string copy(buf, len);
    v = std::strtod(copy.c_str(), nullptr);
    if (std::isinf(v)) throw RuntimeFailure(kOverflow, "Overflow");
  }
  return negative ? -v : v;
}

std::int16_t round_to_int16(double v) {
  const double r = std::nearbyint(v);
  if (!(r >= -32768.0 && r <= 32767.0)) throw RuntimeFailure(kOverflow, "Overflow");
  return static_cast<std::int16_t>(r);
}

std::int32_t round_to_int32(double v) {
  const double r = std::nearbyint(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RuntimeFailure(kOverflow, "Overflow");
  return static_cast<std::int32_t>(r);
}

namespace {

// printf's "%.15G" with the leading zero of a fraction dropped; the general path.
void append_number_general(std::string& out, double v) {
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  char* p = buf;
  char* end = res.ptr;
  if (*p == '-') out.push_back(*p++);
  if (p[0] == '0' && p + 1 < end && p[1] == '.') ++p;  // .5 rather than 0.5
  for (; p < end; ++p) out.push_back(*p == 'e' ? 'E' : *p);
}

constexpr char kTwoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

int decimal_digits(std::uint64_t n) {
  int d = 1;
  while (n >= 10000) {
    n /= 10000;
    d += 4;
  }
  return d + (n >= 10) + (n >= 100) + (n >= 1000);
}

// Fast path for values with few decimals (survey coordinates): when v * 10^k is a
// whole number m below 10^15 and m / 10^k reads back as v, the decimal m * 10^-k has
// at most 15 significant digits and reads back as v; every such decimal survives a
// trip through a double, so it is v rounded to 15 digits, the digits "%.15G" prints.
// Values from 1e-4 up are printed without exponent by "%.15G", as here. Writes at
// most 19 characters at p and returns their end, or nullptr.
char* format_fast(char* p, double v) {
  static constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  const double a = std::fabs(v);
  if (!(a >= 1e-4 && a < 1e15)) return nullptr;
  for (int k = 0; k < 9; ++k) {
    const double m = a * kPow10[k];
    if (m >= 1e15) return nullptr;
    const auto whole = static_cast<std::int64_t>(m);  // m < 1e15: no overflow
    if (static_cast<double>(whole) != m || m / kPow10[k] != a) continue;
    auto n = static_cast<std::uint64_t>(whole);
    int frac = k;
    while (frac > 0 && n % 10 == 0) {  // no trailing zeros after the point
      n /= 10;
      --frac;
    }
    // Layout: [-][integer digits][.fraction]; below 1 the integer part is empty
    // (.5) and the fraction keeps its leading zeros (.025).
    const int digits = decimal_digits(n);
    const int int_digits = digits > frac ? digits - frac : 0;
    const int length = (v < 0) + int_digits + (frac > 0 ? frac + 1 : 0);
    char* end = p + length;
    char* q = end;
    for (int i = 0; i < frac; ++i) {
      *--q = static_cast<char>('0' + n % 10);
      n /= 10;
    }
    if (frac > 0) *--q = '.';
    while (n >= 100) {
      const auto d = static_cast<unsigned>(n % 100) * 2;
      n /= 100;
      *--q = kTwoDigits[d + 1];
      *--q = kTwoDigits[d];
    }
    if (n >= 10) {
      *--q = kTwoDigits[n * 2 + 1];
      *--q = kTwoDigits[n * 2];
    } else if (int_digits > 0) {
      *--q = static_cast<char>('0' + n);
    }
    if (v < 0) *--q = '-';
    return end;
  }
  return nullptr;
}

}  // namespace

void append_number(std::string& out, double v) {
  char buf[32];
  const char* end = format_number(buf, v);
  if (end != nullptr)
    out.append(buf, static_cast<std::size_t>(end - buf));
  else
    append_number_general(out, v);
}

char* format_number(char* p, double v) {
  if (v == 0.0) {  // also negative zero
    *p = '0';
    return p + 1;
  }
  return format_fast(p, v);
}

std::string number_text(double v) {
  std::string s;
  append_number(s, v);
  return s;
}

void split_fields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
  fields.clear();
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = line.find(separator, from);
    if (at == std::string_view::npos) {
      fields.push_back(line.substr(from));
      return;
    }
    fields.push_back(line.substr(from, at - from));
    from = at + 1;
  }
}

}  // namespace conv
