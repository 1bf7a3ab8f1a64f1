// Folders, system version and the desktop: Win32 calls, and their Linux stand-ins
// (the desktop's in desktop_xcb.cpp).
#include "system.hpp"

#if defined(_WIN32)
#include <windows.h>
#include <shlobj.h>
#else
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string_view>
#endif

namespace survey::platform {

#if defined(_WIN32)

namespace {

// Calls that return the length written, or the size they need when the buffer is
// too small (0 on failure): grow until the whole path fits.
template <class Call>
std::string whole_path(Call call) {
  std::string buf(MAX_PATH + 1, '\0');
  for (;;) {
    const DWORD n = call(buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.assign(static_cast<std::size_t>(n) + 1, '\0');
  }
}

std::string special_folder(int csidl) {
  char buf[MAX_PATH + 1] = {};  // the size this call requires
  if (!SHGetSpecialFolderPathA(nullptr, buf, csidl, FALSE)) return {};
  return buf;
}

}  // namespace

std::string windows_folder() {
  return whole_path([](char* b, DWORD n) { return static_cast<DWORD>(GetWindowsDirectoryA(b, n)); });
}
std::string system_folder() {
  return whole_path([](char* b, DWORD n) { return static_cast<DWORD>(GetSystemDirectoryA(b, n)); });
}
std::string temp_folder() {
  return whole_path([](char* b, DWORD n) { return GetTempPathA(n, b); });
}
std::string current_folder() {
  return whole_path([](char* b, DWORD n) { return GetCurrentDirectoryA(n, b); });
}
std::string documents_folder() { return special_folder(CSIDL_PERSONAL); }
std::string desktop_folder() { return special_folder(CSIDL_DESKTOPDIRECTORY); }

int16_t os_kind() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&info);
#pragma GCC diagnostic pop
  if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) return -1;
  return info.dwMinorVersion != 0 ? 98 : 95;
}

namespace {

HWND handle(uint32_t window) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(window)); }

class WinDesktop final : public Desktop {
 public:
  bool screen_size(int32_t& width, int32_t& height) override {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    return true;
  }
  int32_t desktop_rect(Rect& r) override { return window_rect_result(GetDesktopWindow(), r); }
  bool window_rect(uint32_t window, Rect& r) override { return window_rect_result(handle(window), r) != 0; }
  int32_t move(uint32_t window, int32_t x, int32_t y, int32_t width, int32_t height) override {
    return MoveWindow(handle(window), x, y, width, height, TRUE);
  }
  int32_t set_caption(uint32_t window, const char* title) override {
    return SetWindowTextA(handle(window), title);
  }
  int32_t show(uint32_t window, int mode) override { return ShowWindow(handle(window), mode); }
  int32_t move_pointer(int32_t x, int32_t y) override { return SetCursorPos(x, y); }

 private:
  static int32_t window_rect_result(HWND h, Rect& r) {
    RECT rc;
    const BOOL ok = GetWindowRect(h, &rc);
    if (ok) r = Rect{rc.left, rc.top, rc.right, rc.bottom};
    return ok;
  }
};

}  // namespace

std::unique_ptr<Desktop> Desktop::open() { return std::make_unique<WinDesktop>(); }

#else

namespace {

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v == nullptr ? std::string() : std::string(v);
}

std::string without_trailing_slashes(std::string p) {
  while (!p.empty() && p.back() == '/') p.pop_back();
  return p;
}

// Expands $HOME and ${HOME} in a value of user-dirs.dirs.
std::string expand_home(std::string_view v, const std::string& home) {
  std::string out;
  for (std::size_t i = 0; i < v.size();) {
    if (v.substr(i, 7) == "${HOME}") {
      out += home;
      i += 7;
    } else if (v.substr(i, 5) == "$HOME" &&
               (i + 5 == v.size() || !(std::isalnum(static_cast<unsigned char>(v[i + 5])) || v[i + 5] == '_'))) {
      out += home;
      i += 5;
    } else if (v[i] == '\\' && i + 1 < v.size()) {
      out += v[i + 1];
      i += 2;
    } else {
      out += v[i++];
    }
  }
  return out;
}

// XDG_<kind>_DIR as xdg-user-dir finds it: the environment's value, overridden by
// the assignment in ${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs; when neither
// gives a value, `fallback` under the home folder.
std::string user_dir(std::string_view kind, std::string_view fallback) {
  const std::string home = env("HOME");
  const std::string key = "XDG_" + std::string(kind) + "_DIR";
  std::string value = env(key.c_str());
  std::string config = env("XDG_CONFIG_HOME");
  if (config.empty()) config = home + "/.config";
  std::ifstream in(config + "/user-dirs.dirs");
  std::string line;
  while (std::getline(in, line)) {
    std::string_view l(line);
    while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
    if (l.substr(0, key.size() + 1) != key + "=") continue;
    l.remove_prefix(key.size() + 1);
    while (!l.empty() && (l.back() == ' ' || l.back() == '\t' || l.back() == '\r')) l.remove_suffix(1);
    if (l.size() >= 2 && l.front() == '"' && l.back() == '"') l = l.substr(1, l.size() - 2);
    value = expand_home(l, home);
  }
  if (value.empty()) value = home.empty() ? std::string() : home + std::string(fallback);
  return without_trailing_slashes(value);
}

}  // namespace

std::string windows_folder() { return {}; }
std::string system_folder() { return {}; }

std::string temp_folder() {
  std::string t = env("TMPDIR");
  if (t.empty()) t = "/tmp";
  return without_trailing_slashes(t) + '/';
}

std::string documents_folder() { return user_dir("DOCUMENTS", ""); }
std::string desktop_folder() { return user_dir("DESKTOP", "/Desktop"); }

std::string current_folder() {
  std::string buf(256, '\0');
  for (;;) {
    if (::getcwd(buf.data(), buf.size()) != nullptr) {
      buf.resize(std::char_traits<char>::length(buf.c_str()));
      return buf;
    }
    if (errno != ERANGE) return {};
    buf.assign(buf.size() * 2, '\0');
  }
}

int16_t os_kind() { return -1; }

#endif

}  // namespace survey::platform
