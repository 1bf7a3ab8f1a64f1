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
    while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) < 0x80) ++j;
    out.append(utf8.data() + i, j - i);
    i = j;
    while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) >= 0x80) ++j;
    if (j > i) convert(reinterpret_cast<iconv_t>(encode_), utf8.substr(i, j - i), out, true);
    i = j;
  }
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

double leading_number(std::string_view field) {
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

void append_number(std::string& out, double v) {
  char buf[40];
  if (v == 0.0) {  // also negative zero
    out.push_back('0');
    return;
  }
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  char* p = buf;
  char* end = res.ptr;
  if (*p == '-') out.push_back(*p++);
  if (p[0] == '0' && p + 1 < end && p[1] == '.') ++p;  // .5 rather than 0.5
  for (; p < end; ++p) out.push_back(*p == 'e' ? 'E' : *p);
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
