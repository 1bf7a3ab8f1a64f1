// Shift_JIS (code page 932) characters in byte strings, for every text helper that
// trims, splits, matches or case-maps: a lead byte 0x81-0x9F or 0xE0-0xFC followed
// by a trail byte 0x40-0x7E or 0x80-0xFC is one character; every other byte is a
// character of its own (so a NUL or a line end never joins a lead byte). Trail
// bytes include "\", "|", "@" and ASCII letters, which byte-wise handling would
// mistake for characters of their own.
#ifndef SURVEY_BASICS_SJIS_HPP
#define SURVEY_BASICS_SJIS_HPP

#include <cstddef>
#include <string_view>

namespace survey::sjis {

constexpr bool is_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
constexpr bool is_trail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Byte length (1 or 2) of the character that starts at s[i] (i < s.size()).
constexpr std::size_t char_size(std::string_view s, std::size_t i) {
  return i + 1 < s.size() && is_lead(static_cast<unsigned char>(s[i])) &&
                 is_trail(static_cast<unsigned char>(s[i + 1]))
             ? 2
             : 1;
}

// The same for a NUL-terminated string (p[0] != NUL); reads no further than its end.
constexpr std::size_t char_size(const char* p) {
  return is_lead(static_cast<unsigned char>(p[0])) && is_trail(static_cast<unsigned char>(p[1])) ? 2 : 1;
}

// The character that starts at s[i].
constexpr std::string_view char_at(std::string_view s, std::size_t i) { return s.substr(i, char_size(s, i)); }

// True when the character ch occurs, whole, among the characters of set.
constexpr bool in_set(std::string_view set, std::string_view ch) {
  for (std::size_t i = 0; i < set.size();) {
    const std::size_t n = char_size(set, i);
    if (set.substr(i, n) == ch) return true;
    i += n;
  }
  return false;
}

// Calls f(i, ch) for each character ch of s starting at byte i, in order.
template <class F>
constexpr void for_each_char(std::string_view s, F&& f) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = char_size(s, i);
    f(i, s.substr(i, n));
    i += n;
  }
}

// ASCII letters only change case; the trail bytes of double-byte characters and
// every other byte stay as they are. Works in place on n bytes.
inline void to_upper(char* s, std::size_t n) {
  for_each_char(std::string_view(s, n), [s](std::size_t i, std::string_view ch) {
    if (ch.size() == 1 && s[i] >= 'a' && s[i] <= 'z') s[i] = static_cast<char>(s[i] - 'a' + 'A');
  });
}
inline void to_lower(char* s, std::size_t n) {
  for_each_char(std::string_view(s, n), [s](std::size_t i, std::string_view ch) {
    if (ch.size() == 1 && s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] - 'A' + 'a');
  });
}

}  // namespace survey::sjis

#endif
