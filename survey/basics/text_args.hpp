// Text arguments as the library reads them: a null pointer, or the null address of
// a caller's pointer, reads as empty text.
#ifndef SURVEY_BASICS_TEXT_ARGS_HPP
#define SURVEY_BASICS_TEXT_ARGS_HPP

#include <string_view>

namespace survey::text {

inline std::string_view view(const char* s) { return s == nullptr ? std::string_view() : std::string_view(s); }

// The text behind the address of the caller's pointer.
inline std::string_view deref(const char* const* s) { return s == nullptr ? std::string_view() : view(*s); }

}  // namespace survey::text

#endif  // SURVEY_BASICS_TEXT_ARGS_HPP
