// Directory search and free-space query, for POSIX systems and Win32.
#include "fs.hpp"

#include "wildcard.hpp"

#include <algorithm>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dirent.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#endif

namespace survey::platform {

bool wildcard_match(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*") pattern = "*";
  return glob_match(pattern, name);
}

#if defined(_WIN32)

bool first_match_exists(const char* spec) {
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA(spec, &data);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
  return true;
}

std::optional<std::uint64_t> free_bytes(int drive) {
  char root[4] = {'A', ':', '\\', '\0'};
  const char* path = nullptr;
  if (drive != 0) {
    if (drive < 1 || drive > 26) return std::nullopt;
    root[0] = static_cast<char>('A' + drive - 1);
    path = root;
  }
  DWORD spc = 0, bps = 0, freec = 0, total = 0;
  if (!GetDiskFreeSpaceA(path, &spc, &bps, &freec, &total)) return std::nullopt;
  return static_cast<std::uint64_t>(freec) * spc * bps;
}

#else

bool first_match_exists(const char* spec) {
  if (spec == nullptr || *spec == '\0') return false;
  const std::string_view s(spec);
  const auto slash = s.rfind('/');
  std::string dir = slash == std::string_view::npos ? std::string(".") : std::string(s.substr(0, slash));
  if (dir.empty()) dir = "/";
  const std::string_view pattern = slash == std::string_view::npos ? s : s.substr(slash + 1);
  if (pattern.empty()) return false;
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) return false;
  bool found = false;
  while (const dirent* e = readdir(d)) {
    if (wildcard_match(pattern, e->d_name)) {
      found = true;
      break;
    }
  }
  closedir(d);
  return found;
}

namespace {

// Mount points of removable and extra volumes, in order: what a Windows user would
// see as drives D: onwards.
std::vector<std::string> volume_mounts() {
  std::vector<std::string> out;
  std::FILE* f = std::fopen("/proc/self/mounts", "r");
  if (f == nullptr) return out;
  char line[4096];
  while (std::fgets(line, sizeof line, f) != nullptr) {
    char dev[1024], dir[1024];
    if (std::sscanf(line, "%1023s %1023s", dev, dir) != 2) continue;
    const std::string_view m(dir);
    for (std::string_view root : {"/media/", "/mnt/", "/run/media/"})
      if (m.substr(0, root.size()) == root) out.emplace_back(m);
  }
  std::fclose(f);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

}  // namespace

std::optional<std::uint64_t> free_bytes(int drive) {
  std::string path;
  if (drive == 0) {
    path = ".";
  } else if (drive == 3) {
    path = "/";
  } else if (drive >= 4 && drive <= 26) {
    const auto mounts = volume_mounts();
    const std::size_t k = static_cast<std::size_t>(drive - 4);
    if (k >= mounts.size()) return std::nullopt;
    path = mounts[k];
  } else {
    return std::nullopt;
  }
  struct statvfs st;
  if (statvfs(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
}

#endif

}  // namespace survey::platform
