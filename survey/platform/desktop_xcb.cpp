// The desktop on Linux: an X display through libxcb, loaded at run time so that
// the library links nothing new and works without X. Xlib is avoided on purpose:
// its default error handler ends the process on a bad window id, where libxcb
// returns the error to the caller.
#include "system.hpp"

#if !defined(_WIN32)

#if __has_include(<xcb/xcb.h>)
#include <dlfcn.h>
#include <iconv.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace survey::platform {
namespace {

// The libxcb entry points used here, resolved once per connection.
#define SURVEY_XCB_FUNCTIONS(X)                                                                           \
  X(xcb_connect) X(xcb_connection_has_error) X(xcb_disconnect) X(xcb_get_setup) X(xcb_setup_roots_iterator) \
  X(xcb_screen_next) X(xcb_get_geometry) X(xcb_get_geometry_reply) X(xcb_translate_coordinates)          \
  X(xcb_translate_coordinates_reply) X(xcb_configure_window_checked) X(xcb_request_check)                \
  X(xcb_intern_atom) X(xcb_intern_atom_reply) X(xcb_change_property_checked) X(xcb_map_window_checked)   \
  X(xcb_send_event_checked) X(xcb_warp_pointer_checked)

struct Xcb {
#define SURVEY_XCB_MEMBER(name) decltype(&::name) name = nullptr;
  SURVEY_XCB_FUNCTIONS(SURVEY_XCB_MEMBER)
#undef SURVEY_XCB_MEMBER

  bool load(void* lib) {
    bool ok = true;
#define SURVEY_XCB_LOAD(name)                                    \
  name = reinterpret_cast<decltype(&::name)>(dlsym(lib, #name)); \
  ok = ok && name != nullptr;
    SURVEY_XCB_FUNCTIONS(SURVEY_XCB_LOAD)
#undef SURVEY_XCB_LOAD
    return ok;
  }
};

// Shift_JIS (code page 932) to UTF-8; a byte that is not valid text becomes U+FFFD.
std::string utf8_from_cp932(std::string_view s) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(s);
  std::string out;
  std::string in(s);
  char* src = in.data();
  std::size_t left = in.size();
  char chunk[256];
  while (left > 0) {
    char* dst = chunk;
    std::size_t room = sizeof chunk;
    const std::size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(chunk, static_cast<std::size_t>(dst - chunk));
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out += "\xEF\xBF\xBD";
      ++src;
      --left;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

int16_t clamp16(int32_t v) { return static_cast<int16_t>(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX)); }
uint16_t clamp_u16(int32_t v) { return static_cast<uint16_t>(std::clamp<int32_t>(v, 1, UINT16_MAX)); }

class XcbDesktop final : public Desktop {
 public:
  XcbDesktop(void* lib, const Xcb& x, xcb_connection_t* c, xcb_window_t root)
      : lib_(lib), x_(x), c_(c), root_(root) {}
  ~XcbDesktop() override {
    x_.xcb_disconnect(c_);
    dlclose(lib_);
  }

  bool screen_size(int32_t& width, int32_t& height) override {
    Rect r;
    if (!window_rect(root_, r)) return false;
    width = r.right - r.left;
    height = r.bottom - r.top;
    return true;
  }

  int32_t desktop_rect(Rect& r) override { return window_rect(root_, r) ? 1 : 0; }

  bool window_rect(uint32_t window, Rect& r) override {
    xcb_generic_error_t* err = nullptr;
    xcb_get_geometry_reply_t* g = x_.xcb_get_geometry_reply(c_, x_.xcb_get_geometry(c_, window), &err);
    std::free(err);
    if (g == nullptr) return false;
    err = nullptr;
    xcb_translate_coordinates_reply_t* t =
        x_.xcb_translate_coordinates_reply(c_, x_.xcb_translate_coordinates(c_, window, root_, 0, 0), &err);
    std::free(err);
    if (t == nullptr) {
      std::free(g);
      return false;
    }
    r.left = t->dst_x;
    r.top = t->dst_y;
    r.right = r.left + g->width;
    r.bottom = r.top + g->height;
    std::free(t);
    std::free(g);
    return true;
  }

  int32_t move(uint32_t window, int32_t x, int32_t y, int32_t width, int32_t height) override {
    const uint32_t values[] = {static_cast<uint32_t>(clamp16(x)), static_cast<uint32_t>(clamp16(y)),
                               clamp_u16(width), clamp_u16(height)};
    return done(x_.xcb_configure_window_checked(
        c_, window,
        XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values));
  }

  int32_t set_caption(uint32_t window, const char* title) override {
    const xcb_atom_t name = atom("_NET_WM_NAME"), utf8 = atom("UTF8_STRING");
    if (name == XCB_NONE || utf8 == XCB_NONE) return 0;
    const std::string text = utf8_from_cp932(title == nullptr ? std::string_view() : std::string_view(title));
    return done(x_.xcb_change_property_checked(c_, XCB_PROP_MODE_REPLACE, window, name, utf8, 8,
                                                static_cast<uint32_t>(text.size()), text.data()));
  }

  int32_t show(uint32_t window, int mode) override {
    switch (mode) {
      case 1:
        return done(x_.xcb_map_window_checked(c_, window));
      case 2:  // ask the window manager to iconify it (ICCCM WM_CHANGE_STATE, IconicState)
        return message(window, atom("WM_CHANGE_STATE"), {3, 0, 0, 0, 0});
      case 3: {  // show it, then ask for both maximised states (EWMH _NET_WM_STATE, add)
        if (!done(x_.xcb_map_window_checked(c_, window))) return 0;
        return message(window, atom("_NET_WM_STATE"),
                       {1, atom("_NET_WM_STATE_MAXIMIZED_VERT"), atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 1, 0});
      }
      default:
        return 0;
    }
  }

  int32_t move_pointer(int32_t x, int32_t y) override {
    return done(x_.xcb_warp_pointer_checked(c_, XCB_NONE, root_, 0, 0, 0, 0, clamp16(x), clamp16(y)));
  }

 private:
  int32_t done(xcb_void_cookie_t cookie) {
    xcb_generic_error_t* err = x_.xcb_request_check(c_, cookie);
    if (err == nullptr) return 1;
    std::free(err);
    return 0;
  }

  xcb_atom_t atom(const char* name) {
    xcb_intern_atom_reply_t* r = x_.xcb_intern_atom_reply(
        c_, x_.xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (r == nullptr) return XCB_NONE;
    const xcb_atom_t a = r->atom;
    std::free(r);
    return a;
  }

  // A client message about `window` to the root window, where window managers listen.
  int32_t message(uint32_t window, xcb_atom_t type, std::initializer_list<uint32_t> data) {
    if (type == XCB_NONE) return 0;
    Rect r;
    if (!window_rect(window, r)) return 0;
    xcb_client_message_event_t ev{};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = window;
    ev.type = type;
    std::copy(data.begin(), data.end(), ev.data.data32);
    return done(x_.xcb_send_event_checked(c_, 0, root_,
                                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                                           reinterpret_cast<const char*>(&ev)));
  }

  void* lib_;
  Xcb x_;
  xcb_connection_t* c_;
  xcb_window_t root_;
};

}  // namespace

std::unique_ptr<Desktop> Desktop::open() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return nullptr;
  void* lib = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
  if (lib == nullptr) return nullptr;
  Xcb x;
  if (!x.load(lib)) {
    dlclose(lib);
    return nullptr;
  }
  int screen = 0;
  xcb_connection_t* c = x.xcb_connect(nullptr, &screen);
  if (c == nullptr || x.xcb_connection_has_error(c)) {
    if (c != nullptr) x.xcb_disconnect(c);
    dlclose(lib);
    return nullptr;
  }
  xcb_screen_iterator_t it = x.xcb_setup_roots_iterator(x.xcb_get_setup(c));
  for (int i = 0; i < screen && it.rem > 0; ++i) x.xcb_screen_next(&it);
  if (it.rem <= 0 || it.data == nullptr) {
    x.xcb_disconnect(c);
    dlclose(lib);
    return nullptr;
  }
  return std::make_unique<XcbDesktop>(lib, x, c, it.data->root);
}

}  // namespace survey::platform

#else  // built without the libxcb headers: no desktop

namespace survey::platform {
std::unique_ptr<Desktop> Desktop::open() { return nullptr; }
}  // namespace survey::platform

#endif
#endif
