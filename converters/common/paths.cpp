// File-name rules of the converters.
#include "paths.hpp"

#include <filesystem>
#include <system_error>

#include "host.hpp"

namespace conv {

namespace fs = std::filesystem;

std::string_view last_component(std::string_view path) {
  const auto at = path.rfind(kSeparator);
  return at == std::string_view::npos ? path : path.substr(at + 1);
}

std::string_view folder_of(std::string_view path) {
  const auto at = path.rfind(kSeparator);
  if (at == std::string_view::npos) return {};
  return path.substr(0, at == 0 ? 1 : at);  // the root keeps its separator
}

std::string join_path(std::string_view folder, std::string_view name) {
  std::string s(folder);
  if (!s.empty() && s.back() != kSeparator) s.push_back(kSeparator);
  s.append(name);
  return s;
}

std::string output_proposal(std::string_view folder, std::string_view input_path) {
  const std::string_view name = last_component(input_path);
  const auto dot = name.find('.');
  std::string file = dot == std::string_view::npos ? std::string() : std::string(name.substr(0, dot + 1));
  file += "XML";
  return join_path(folder, file);
}

std::string category_of(std::string_view input_path) {
  const std::string_view name = last_component(input_path);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos)
    throw RuntimeFailure(kInvalidArgument, "Invalid procedure call or argument: the file name has no extension");
  return std::string(name.substr(0, dot));
}

std::string up_to_last_dot(std::string_view path) {
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos)
    throw RuntimeFailure(kInvalidArgument, "Invalid procedure call or argument: the file name has no extension");
  return std::string(path.substr(0, dot + 1));
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::equivalent(fs::path(a), fs::path(b), ec)) return true;
  // A file not yet there may still be the same name spelt differently.
  const auto ca = fs::weakly_canonical(fs::path(a), ec);
  if (ec) return false;
  const auto cb = fs::weakly_canonical(fs::path(b), ec);
  return !ec && ca == cb;
}

std::optional<std::string> resolve_case(const std::string& path) {
  std::error_code ec;
  if (fs::exists(fs::path(path), ec)) return path;
  const std::string folder(folder_of(path));
  const std::string_view name = last_component(path);
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  if (ec) return std::nullopt;
  for (const auto& entry : it) {
    const std::string candidate = entry.path().filename().string();
    if (candidate.size() != name.size()) continue;
    bool match = true;
    for (std::size_t i = 0; i < name.size() && match; ++i) match = lower(candidate[i]) == lower(name[i]);
    if (match) return folder.empty() ? candidate : join_path(folder, candidate);
  }
  return std::nullopt;
}

}  // namespace conv
