// File-name rules of the converters, written once for the platform's separator
// ("/" here, "\" on Windows).
#ifndef CONVERTERS_COMMON_PATHS_HPP
#define CONVERTERS_COMMON_PATHS_HPP

#include <optional>
#include <string>
#include <string_view>

namespace conv {

#if defined(_WIN32)
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// The text after the last separator (the whole path when there is none).
std::string_view last_component(std::string_view path);

// The folder part of a path: the text before the last separator ("" when none).
std::string_view folder_of(std::string_view path);

// folder + separator + name, without doubling a separator that ends the folder;
// just the name when the folder is "".
std::string join_path(std::string_view folder, std::string_view name);

// The output proposal for an input file placed in `folder`: the input's file name
// cut after its first "." (which stays; no "." gives "") plus "XML".
std::string output_proposal(std::string_view folder, std::string_view input_path);

// The category of a document: the input's last component without its last "." and
// what follows. Throws RuntimeFailure(5) when the name has no ".".
std::string category_of(std::string_view input_path);

// The text of `path` up to its last "." (inclusive); RuntimeFailure(5) without ".".
std::string up_to_last_dot(std::string_view path);

// True when both names lead to the same existing file, however spelled.
bool same_file(const std::string& a, const std::string& b);

// A name for an existing file: `path` itself, or, where the file system tells
// letter case apart, an entry of the same folder whose name differs only in the
// case of its letters (files from case-insensitive platforms). nullopt when none.
std::optional<std::string> resolve_case(const std::string& path);

}  // namespace conv

#endif
