// Folders, system family and window placement over the platform's services.
#include "system.h"

#include <string>

#include "../platform/bstr.h"
#include "../platform/system.hpp"

namespace {

namespace pf = survey::platform;

BSTR with_separator(std::string path) {
  path += pf::kFolderSeparator;
  return pf::new_string(path);
}

}  // namespace

extern "C" {

BSTR SURVEY_CALL WinDir(void) { return pf::new_string(pf::windows_folder()); }
BSTR SURVEY_CALL SysDir(void) { return pf::new_string(pf::system_folder()); }
BSTR SURVEY_CALL TempPath(void) { return pf::new_string(pf::temp_folder()); }
BSTR SURVEY_CALL MyDocPath(void) { return with_separator(pf::documents_folder()); }
BSTR SURVEY_CALL MyDeskPath(void) { return with_separator(pf::desktop_folder()); }
BSTR SURVEY_CALL GetCurDir(void) { return with_separator(pf::current_folder()); }

int16_t SURVEY_CALL Get_OSKind(void) { return pf::os_kind(); }

int32_t SURVEY_CALL screen_resolution(int32_t* w, int32_t* h) {
  const auto desk = pf::Desktop::open();
  if (!desk) return 0;
  pf::Rect r;
  const int32_t result = desk->desktop_rect(r);
  if (result != 0) {
    if (w != nullptr) *w = r.right - r.left;
    if (h != nullptr) *h = r.bottom - r.top;
  }
  return result;
}

int32_t SURVEY_CALL centering(uint32_t hwnd, const char* title) {
  const auto desk = pf::Desktop::open();
  int32_t sw = 0, sh = 0;
  pf::Rect r;
  if (!desk || !desk->screen_size(sw, sh) || !desk->window_rect(hwnd, r)) return 0;
  const int32_t ww = r.right - r.left, wh = r.bottom - r.top;
  desk->move(hwnd, sw / 2 - ww / 2, sh / 2 - wh / 2, ww, wh);
  return desk->set_caption(hwnd, title);
}

int32_t SURVEY_CALL centeringWH(uint32_t hwnd, double fw, double fh, const char* title) {
  if (!(fw > 0 && fw <= 1 && fh > 0 && fh <= 1)) return 0;
  const auto desk = pf::Desktop::open();
  int32_t sw = 0, sh = 0;
  if (!desk || !desk->screen_size(sw, sh)) return 0;
  const auto width = static_cast<int32_t>(sw * fw), height = static_cast<int32_t>(sh * fh);
  desk->move(hwnd, (sw - width) / 2, (sh - height) / 2, width, height);
  return desk->set_caption(hwnd, title);
}

int32_t SURVEY_CALL show_window(uint32_t hwnd, int16_t mode) {
  if (mode < 1 || mode > 3) return 0;
  const auto desk = pf::Desktop::open();
  return desk ? desk->show(hwnd, mode) : 0;
}

int32_t SURVEY_CALL MouseMove(uint32_t hwnd, int16_t where) {
  if (where < 1 || where > 5) return 0;
  const auto desk = pf::Desktop::open();
  pf::Rect r;
  if (!desk || !desk->window_rect(hwnd, r)) return 0;
  int32_t x = 0, y = 0;
  switch (where) {
    case 1: x = r.left, y = r.top; break;
    case 2: x = r.right, y = r.top; break;
    case 3: x = r.right, y = r.bottom; break;
    case 4: x = r.left, y = r.bottom; break;
    default: x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2; break;
  }
  return desk->move_pointer(x, y);
}

}  // extern "C"
