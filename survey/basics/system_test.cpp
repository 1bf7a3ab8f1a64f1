#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "survey/survey.h"

#if defined(SURVEY_TEST_XCB)
#include <xcb/xcb.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string take(BSTR b) {
  std::string s(reinterpret_cast<const char*>(b), SysStringByteLen(b));
  SysFreeString(b);
  return s;
}

// Sets an environment variable for one test and restores it afterwards.
class EnvGuard {
 public:
  EnvGuard(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value != nullptr)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvGuard() {
    if (had_)
      setenv(name_.c_str(), old_.c_str(), 1);
    else
      unsetenv(name_.c_str());
  }

 private:
  std::string name_, old_;
  bool had_ = false;
};

std::string xdg_user_dir(const char* kind) {
  std::string cmd = std::string("xdg-user-dir ") + kind + " 2>/dev/null";
  std::FILE* p = popen(cmd.c_str(), "r");
  if (p == nullptr) return "?";
  std::string out;
  char buf[512];
  while (std::fgets(buf, sizeof buf, p) != nullptr) out += buf;
  pclose(p);
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

class Folders : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("survey_sys_" + std::to_string(::getpid()));
    fs::create_directories(root_ / "home");
    fs::create_directories(root_ / "config");
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST_F(Folders, UserFoldersAsXdgUserDirResolvesThem) {
  if (std::system("command -v xdg-user-dir >/dev/null") != 0) GTEST_SKIP() << "xdg-user-dir is not installed";
  const std::string home = (root_ / "home").string(), config = (root_ / "config").string();
  EnvGuard h("HOME", home.c_str()), c("XDG_CONFIG_HOME", config.c_str());
  EnvGuard d1("XDG_DOCUMENTS_DIR", nullptr), d2("XDG_DESKTOP_DIR", nullptr);
  const char* configs[] = {
      nullptr,  // no user-dirs.dirs: the home folder and its Desktop
      "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
      "# comment\nXDG_DOCUMENTS_DIR=\"/srv/shared docs\"\nXDG_DESKTOP_DIR=\"${HOME}/desk/\"\n",
      "XDG_DOCUMENTS_DIR=\"\"\n",
  };
  for (const char* text : configs) {
    SCOPED_TRACE(text ? text : "none");
    fs::remove(root_ / "config" / "user-dirs.dirs");
    if (text != nullptr) std::ofstream(root_ / "config" / "user-dirs.dirs") << text;
    std::string docs = xdg_user_dir("DOCUMENTS"), desk = xdg_user_dir("DESKTOP");
    while (docs.size() > 1 && docs.back() == '/') docs.pop_back();
    while (desk.size() > 1 && desk.back() == '/') desk.pop_back();
    EXPECT_EQ(take(MyDocPath()), docs + "/");
    EXPECT_EQ(take(MyDeskPath()), desk + "/");
  }
  EXPECT_FALSE(fs::exists(root_ / "home" / "Dokumente"));  // never created
  EXPECT_FALSE(fs::exists(root_ / "home" / "Desktop"));
  EnvGuard nohome("HOME", nullptr);
  fs::remove(root_ / "config" / "user-dirs.dirs");
  EXPECT_EQ(take(MyDocPath()), "/");
  EXPECT_EQ(take(MyDeskPath()), "/");
}

TEST_F(Folders, SystemFoldersTempAndCurrent) {
  EXPECT_EQ(take(WinDir()), "");
  EXPECT_EQ(take(SysDir()), "");
  EXPECT_EQ(Get_OSKind(), -1);
  {
    EnvGuard t("TMPDIR", nullptr);
    EXPECT_EQ(take(TempPath()), "/tmp/");
  }
  {
    EnvGuard t("TMPDIR", "/var/x//");
    EXPECT_EQ(take(TempPath()), "/var/x/");
  }
  {
    EnvGuard t("TMPDIR", root_.c_str());
    EXPECT_EQ(take(TempPath()), root_.string() + "/");
  }
  const auto old = fs::current_path();
  // Longer than any 256-byte buffer: the whole path comes back.
  fs::path deep = root_;
  for (int i = 0; i < 12; ++i) deep /= std::string(40, static_cast<char>('a' + i));
  fs::create_directories(deep);
  fs::current_path(deep);
  EXPECT_EQ(take(GetCurDir()), deep.string() + "/");
  fs::current_path("/");
  EXPECT_EQ(take(GetCurDir()), "//");
  fs::current_path(old);
}

TEST(Windows, NothingWithoutADisplay) {
  EnvGuard d("DISPLAY", nullptr);
  int32_t w = -7, h = -7;
  EXPECT_EQ(screen_resolution(&w, &h), 0);
  EXPECT_EQ(w, -7);
  EXPECT_EQ(h, -7);
  EXPECT_EQ(centering(1, "x"), 0);
  EXPECT_EQ(centeringWH(1, 0.5, 0.5, "x"), 0);
  EXPECT_EQ(show_window(1, 1), 0);
  EXPECT_EQ(MouseMove(1, 1), 0);
}

#if defined(SURVEY_TEST_XCB)

// A virtual X display (Xvfb) for the window tests, started once for the suite.
class XDisplay : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::system("command -v Xvfb >/dev/null") != 0) return;
    int fds[2];
    if (pipe(fds) != 0) return;
    server_ = fork();
    if (server_ == 0) {
      close(fds[0]);
      std::freopen("/dev/null", "w", stderr);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    char buf[32] = {};
    const ssize_t n = read(fds[0], buf, sizeof buf - 1);
    pipe_ = fds[0];  // kept open: the server may write to it again
    if (n > 0) display_ = ":" + std::string(buf, static_cast<std::size_t>(n - (buf[n - 1] == '\n')));
  }
  static void TearDownTestSuite() {
    if (server_ > 0) {
      kill(server_, SIGTERM);
      waitpid(server_, nullptr, 0);
    }
    if (pipe_ >= 0) close(pipe_);
  }
  void SetUp() override {
    if (display_.empty()) GTEST_SKIP() << "Xvfb (Debian xvfb) is not available: window helpers untested";
    guard_ = std::make_unique<EnvGuard>("DISPLAY", display_.c_str());
    c_ = xcb_connect(display_.c_str(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(c_), 0) << display_;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    win_ = xcb_generate_id(c_);
    xcb_create_window(c_, XCB_COPY_FROM_PARENT, win_, root_, 10, 20, 201, 101, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_flush(c_);
  }
  void TearDown() override {
    if (c_ != nullptr) xcb_disconnect(c_);
  }
  xcb_get_geometry_reply_t geometry() {
    auto* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, win_), nullptr);
    xcb_get_geometry_reply_t out = *g;
    std::free(g);
    return out;
  }
  std::string caption() {
    auto* a = xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, 12, "_NET_WM_NAME"), nullptr);
    auto* r = xcb_get_property_reply(c_, xcb_get_property(c_, 0, win_, a->atom, XCB_ATOM_ANY, 0, 1024), nullptr);
    std::string s(static_cast<const char*>(xcb_get_property_value(r)),
                  static_cast<std::size_t>(xcb_get_property_value_length(r)));
    std::free(a);
    std::free(r);
    return s;
  }
  std::pair<int, int> pointer() {
    auto* p = xcb_query_pointer_reply(c_, xcb_query_pointer(c_, root_), nullptr);
    std::pair<int, int> out{p->root_x, p->root_y};
    std::free(p);
    return out;
  }

  static inline pid_t server_ = -1;
  static inline int pipe_ = -1;
  static inline std::string display_;
  std::unique_ptr<EnvGuard> guard_;
  xcb_connection_t* c_ = nullptr;
  xcb_window_t root_ = 0, win_ = 0;
};

TEST_F(XDisplay, ScreenCaptionAndCentring) {
  int32_t w = 0, h = 0;
  EXPECT_NE(screen_resolution(&w, &h), 0);
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);

  EXPECT_NE(centering(win_, "\x83\x65\x83\x58\x83\x67 1"), 0);  // テスト 1 in Shift_JIS
  auto g = geometry();
  EXPECT_EQ(g.x, 512 - 100);
  EXPECT_EQ(g.y, 384 - 50);
  EXPECT_EQ(g.width, 201);
  EXPECT_EQ(g.height, 101);
  EXPECT_EQ(caption(), "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 1");

  EXPECT_NE(centeringWH(win_, 0.5, 0.3, "plain"), 0);
  g = geometry();
  EXPECT_EQ(g.width, 512);
  EXPECT_EQ(g.height, 230);  // 768 x 0.3 = 230.4, truncated
  EXPECT_EQ(g.x, 256);
  EXPECT_EQ(g.y, 269);
  EXPECT_EQ(caption(), "plain");
  for (double f : {1.2, 0.0, -0.5, std::nan("")}) {
    EXPECT_EQ(centeringWH(win_, f, 0.5, "no"), 0);
    EXPECT_EQ(centeringWH(win_, 0.5, f, "no"), 0);
  }
  EXPECT_EQ(caption(), "plain");
  EXPECT_EQ(geometry().width, 512);
}

TEST_F(XDisplay, ShowAndPointer) {
  EXPECT_NE(show_window(win_, 1), 0);
  auto* attr = xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, win_), nullptr);
  ASSERT_NE(attr, nullptr);
  EXPECT_NE(attr->map_state, XCB_MAP_STATE_UNMAPPED);
  std::free(attr);
  for (int16_t mode : {0, 4, -1}) EXPECT_EQ(show_window(win_, mode), 0);
  // Minimise and maximise are requests to a window manager (none runs here).
  EXPECT_NE(show_window(win_, 2), 0);
  EXPECT_NE(show_window(win_, 3), 0);

  // The window spans x 10 to 211 and y 20 to 121.
  const struct {
    int16_t where;
    int x, y;
  } corners[] = {{1, 10, 20}, {2, 211, 20}, {3, 211, 121}, {4, 10, 121}, {5, 110, 70}};
  for (const auto& c : corners) {
    SCOPED_TRACE(c.where);
    EXPECT_NE(MouseMove(win_, c.where), 0);
    EXPECT_EQ(pointer(), std::make_pair(c.x, c.y));
  }
  EXPECT_EQ(MouseMove(win_, 6), 0);
  EXPECT_EQ(pointer(), std::make_pair(110, 70));
}

TEST_F(XDisplay, BadWindowIdsGiveZero) {
  for (uint32_t bad : {0u, 0x7FFFFFFFu, 12345u}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(centering(bad, "x"), 0);
    EXPECT_EQ(centeringWH(bad, 0.5, 0.5, "x"), 0);
    for (int16_t mode = 1; mode <= 3; ++mode) EXPECT_EQ(show_window(bad, mode), 0);
    for (int16_t where = 1; where <= 5; ++where) EXPECT_EQ(MouseMove(bad, where), 0);
  }
}

#endif

}  // namespace
