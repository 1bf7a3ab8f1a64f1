// strtok's tokenising without the runtime's hidden position.
#ifndef SURVEY_BASICS_TOKENIZER_HPP
#define SURVEY_BASICS_TOKENIZER_HPP

#include <cstring>
#include <string_view>

#include "sjis.hpp"

namespace survey {

// strtok's rules over whole Shift_JIS characters, with the position kept here
// rather than in the runtime: runs of delimiters separate tokens, and the
// delimiter that ends a token is overwritten with NUL (both bytes of a double-byte
// one).
class Tokenizer {
 public:
  Tokenizer(char* s, const char* delim)
      : next_(s), delim_(delim == nullptr ? std::string_view() : std::string_view(delim)) {}

  char* next() {
    if (next_ == nullptr) return nullptr;
    char* p = next_;
    while (*p != '\0' && is_delim(p)) p += survey::sjis::char_size(p);
    if (*p == '\0') {
      next_ = p;
      return nullptr;
    }
    char* const start = p;
    while (*p != '\0' && !is_delim(p)) p += survey::sjis::char_size(p);
    if (*p != '\0') {
      const std::size_t n = survey::sjis::char_size(p);
      std::memset(p, 0, n);
      p += n;
    }
    next_ = p;
    return start;
  }

 private:
  bool is_delim(const char* p) const {
    return survey::sjis::in_set(delim_, std::string_view(p, survey::sjis::char_size(p)));
  }
  char* next_;
  std::string_view delim_;
};

}  // namespace survey

#endif
