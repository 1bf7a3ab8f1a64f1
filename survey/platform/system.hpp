// Platform services behind the folder, version and window helpers. On Windows the
// system's own functions answer; on Linux the stand-ins described per function.
#ifndef SURVEY_PLATFORM_SYSTEM_HPP
#define SURVEY_PLATFORM_SYSTEM_HPP

#include <cstdint>
#include <memory>
#include <string>

namespace survey::platform {

// The separator appended to folders ("\" on Windows, "/" elsewhere).
#if defined(_WIN32)
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

// Whole paths, however long, as the system's bytes; "" when the system has no
// answer. Windows and system folders: none on Linux. Temporary folder with its
// trailing separator ($TMPDIR or /tmp on Linux). Documents and desktop folders as
// xdg-user-dir resolves them on Linux, without a trailing separator, never
// created. Current folder without a trailing separator.
std::string windows_folder();
std::string system_folder();
std::string temp_folder();
std::string documents_folder();
std::string desktop_folder();
std::string current_folder();

// -1 on NT-family Windows, 98 or 95 on older ones; -1 on Linux.
int16_t os_kind();

struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// One connection to the desktop for one library call. On Linux an X display
// reached through libxcb, loaded at run time (window handles are X window ids);
// open() gives nothing when there is no display or no libxcb. The int32_t results
// are the system call's (non-zero for success), 0 for failure.
class Desktop {
 public:
  static std::unique_ptr<Desktop> open();
  virtual ~Desktop() = default;

  // Screen width and height (the primary screen, or the root window).
  virtual bool screen_size(int32_t& width, int32_t& height) = 0;
  // The desktop window's rectangle.
  virtual int32_t desktop_rect(Rect& r) = 0;
  // A window's rectangle in screen coordinates; false for a bad handle.
  virtual bool window_rect(uint32_t window, Rect& r) = 0;
  virtual int32_t move(uint32_t window, int32_t x, int32_t y, int32_t width, int32_t height) = 0;
  // Caption from Shift_JIS text.
  virtual int32_t set_caption(uint32_t window, const char* title) = 0;
  // 1 normal, 2 minimised, 3 maximised.
  virtual int32_t show(uint32_t window, int mode) = 0;
  virtual int32_t move_pointer(int32_t x, int32_t y) = 0;
};

}  // namespace survey::platform

#endif
