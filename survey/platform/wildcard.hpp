// Wildcard matching as file searches of the original platform do it: "*" any run,
// "?" one character, ASCII letters without regard to case. Header-only, over any
// character type, so that byte names and decoded code points share one matcher.
#ifndef SURVEY_PLATFORM_WILDCARD_HPP
#define SURVEY_PLATFORM_WILDCARD_HPP

#include <string_view>

namespace survey::platform {

template <class Char>
constexpr Char fold_ascii(Char c) {
  return (c >= Char('A') && c <= Char('Z')) ? Char(c - Char('A') + Char('a')) : c;
}

// Greedy match with a single backtrack point: linear in practice, no recursion.
template <class Char>
bool glob_match(std::basic_string_view<Char> pattern, std::basic_string_view<Char> name) {
  std::size_t p = 0, n = 0, star = std::basic_string_view<Char>::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == Char('?') || fold_ascii(pattern[p]) == fold_ascii(name[n]))) {
      ++p, ++n;
    } else if (p < pattern.size() && pattern[p] == Char('*')) {
      star = p++;
      mark = n;
    } else if (star != std::basic_string_view<Char>::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == Char('*')) ++p;
  return p == pattern.size();
}

}  // namespace survey::platform

#endif
