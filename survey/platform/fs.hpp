// Platform services behind the file helpers: directory search and free space.
#ifndef SURVEY_PLATFORM_FS_HPP
#define SURVEY_PLATFORM_FS_HPP

#include <cstdint>
#include <optional>
#include <string_view>

namespace survey::platform {

// True when a file or folder matches `spec` (wildcards * and ? in its last
// component, letter case ignored).
bool first_match_exists(const char* spec);

// Wildcard match of a name against a pattern, ASCII letter case ignored; "*.*"
// matches every name, as on the original platform.
bool wildcard_match(std::string_view pattern, std::string_view name);

// Free bytes available on a drive (numbering as documented for remain()).
std::optional<std::uint64_t> free_bytes(int drive);

}  // namespace survey::platform

#endif
