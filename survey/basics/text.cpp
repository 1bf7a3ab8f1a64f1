// Tokenising, fixed-width records, joining, trimming and case conversion of
// Shift_JIS text.
#include "text.h"

#include <climits>
#include <cstring>
#include <string>
#include <string_view>

#include "../output/number_text.hpp"
#include "../platform/bstr.h"
#include "helpers.h"
#include "sjis.hpp"
#include "text_args.hpp"
#include "tokenizer.hpp"

namespace {

using survey::Tokenizer;

using survey::text::deref;
using survey::text::view;

int16_t count16(std::size_t n) { return n > INT16_MAX ? INT16_MAX : static_cast<int16_t>(n); }

// s without the leading (left) and/or trailing (right) run of characters in set.
std::string_view trim(std::string_view s, std::string_view set, bool left, bool right) {
  std::size_t first = s.size(), last = 0;  // [first, last) spans the kept characters
  bool leading = true;
  survey::sjis::for_each_char(s, [&](std::size_t i, std::string_view ch) {
    const bool hit = survey::sjis::in_set(set, ch);
    if (leading && !(left && hit)) {
      leading = false;
      first = i;
    }
    if (!leading && !(right && hit)) last = i + ch.size();
  });
  if (leading) return {};
  if (!right) last = s.size();
  return s.substr(first, last > first ? last - first : 0);
}

void split_fields(char* s, double* const* outs, int count) {
  for (int k = 0; k < count; ++k)
    if (outs[k] != nullptr) *outs[k] = 0.0;
  Tokenizer tok(s, ",");
  for (int k = 0; k < count; ++k) {
    const char* t = tok.next();
    if (t == nullptr) break;
    if (outs[k] != nullptr) *outs[k] = a2d(t);
  }
}

}  // namespace

extern "C" {

int16_t SURVEY_CALL dev_tok(char* s, const char* delim, int32_t* out) {
  Tokenizer tok(s, delim);
  std::size_t n = 0;
  while (const char* t = tok.next()) out[n++] = a2l(t);
  return count16(n);
}

int16_t SURVEY_CALL dev_tok2(char* s, const char* delim, int16_t skip, double* out) {
  if (skip < 0) return 0;
  Tokenizer tok(s, delim);
  std::size_t seen = 0, n = 0;
  while (const char* t = tok.next())
    if (++seen > static_cast<std::size_t>(skip)) out[n++] = a2d(t);
  return count16(n);
}

void SURVEY_CALL SplitXY(double* x, double* y, char* s) {
  double* const outs[] = {x, y};
  split_fields(s, outs, 2);
}

void SURVEY_CALL SplitXYZ(double* x, double* y, double* z, char* s) {
  double* const outs[] = {x, y, z};
  split_fields(s, outs, 3);
}

void SURVEY_CALL kfude2xy(const char* rec, double* x, double* y) {
  for (int k = 0; k < 5; ++k) x[k] = y[k] = 0.0;
  const std::string_view r = view(rec);
  // Each field on its own: exactly its 10 characters, or what of them the record holds.
  auto field = [&r](std::size_t p) { return p < r.size() ? a2d(std::string(r.substr(p, 10)).c_str()) : 0.0; };
  for (std::size_t k = 0; k < 5; ++k) {
    const std::size_t p = 20 + 21 * k;
    x[k] = field(p) * 0.001;
    y[k] = field(p + 10) * 0.001;
  }
}

int16_t SURVEY_CALL sep_count(const char* s, const char* c) {
  const std::string_view cv = view(c);
  if (cv.empty()) return 0;
  const std::string_view target = survey::sjis::char_at(cv, 0);
  std::size_t n = 0;
  survey::sjis::for_each_char(view(s), [&](std::size_t, std::string_view ch) { n += ch == target; });
  return count16(n);
}

int16_t SURVEY_CALL fblanks(const char* s) {
  const std::string_view v = view(s);
  const std::size_t k = v.find_first_not_of(' ');
  return count16(k == std::string_view::npos ? v.size() : k);
}

// A trail byte is never 0x20, so trailing spaces are whole characters.
int16_t SURVEY_CALL rblanks(const char* s) {
  const std::string_view v = view(s);
  const std::size_t k = v.find_last_not_of(' ');
  return count16(k == std::string_view::npos ? v.size() : v.size() - 1 - k);
}

BSTR SURVEY_CALL JoinXY(int16_t n, const double* x, const double* y, const char* const* sep1,
                        const char* const* sep2) {
  std::string out;
  const std::string_view s1 = deref(sep1), s2 = deref(sep2);
  for (int i = 0; i < n; ++i) {
    if (i > 0) out += s2;
    survey::text::append_number(out, x[i]);
    out += s1;
    survey::text::append_number(out, y[i]);
  }
  return survey::platform::new_string(out);
}

BSTR SURVEY_CALL JoinX(int16_t n, const double* a, const char* const* sep) {
  std::string out;
  const std::string_view s = deref(sep);
  for (int i = 0; i < n; ++i) {
    if (i > 0) out += s;
    survey::text::append_number(out, a[i]);
  }
  return survey::platform::new_string(out);
}

// A trail byte is never 0x20: removing space bytes keeps every character whole.
BSTR SURVEY_CALL compact(const char* const* s) {
  std::string out;
  for (char c : deref(s))
    if (c != ' ') out += c;
  return survey::platform::new_string(out);
}

BSTR SURVEY_CALL TrimL(const char* const* s, const char* const* chars) {
  return survey::platform::new_string(trim(deref(s), deref(chars), true, false));
}

BSTR SURVEY_CALL TrimR(const char* const* s, const char* const* chars) {
  return survey::platform::new_string(trim(deref(s), deref(chars), false, true));
}

BSTR SURVEY_CALL TrimLR(const char* const* s, const char* const* chars) {
  return survey::platform::new_string(trim(deref(s), deref(chars), true, true));
}

BSTR SURVEY_CALL UpperCaseByVal(BSTR s) {
  const uint32_t n = SysStringByteLen(s);
  BSTR out = SysAllocStringByteLen(reinterpret_cast<const char*>(s), n);
  if (out != nullptr) survey::sjis::to_upper(reinterpret_cast<char*>(out), n);
  return out;
}

uint8_t SURVEY_CALL up2low(char* s) {
  if (s != nullptr) survey::sjis::to_lower(s, std::strlen(s));
  return 0;
}

uint8_t SURVEY_CALL low2up(char* s) {
  if (s != nullptr) survey::sjis::to_upper(s, std::strlen(s));
  return 0;
}

}  // extern "C"
