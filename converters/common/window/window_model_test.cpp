#include "common/window/window_model.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "common/test_support.hpp"
#include "common/window/programs.hpp"

namespace conv::window {
namespace {

// A disk held in memory: folders with their listings; any other folder, and every
// folder in `broken`, cannot be read.
class FakeDisk : public Disk {
 public:
  std::vector<Mount> mounts() override { return mount_list; }
  bool list(const std::string& folder, Listing& out, std::string& reason) override {
    ++reads;
    const auto it = folders.find(folder);
    if (it == folders.end() || broken.count(folder) != 0) {
      reason = "No medium found";
      return false;
    }
    out = it->second;
    return true;
  }
  std::vector<Mount> mount_list;
  std::map<std::string, Listing> folders;
  std::map<std::string, bool> broken;
  int reads = 0;
};

FakeDisk sample_disk() {
  FakeDisk d;
  d.mount_list = {{"/", "", true}, {"/media/usb", "SURVEY", true}, {"/media/cdrom", "", false}};
  d.folders["/"] = {{"data", "home"}, {"root.sim", "root.XML"}};
  d.folders["/data"] = {{"old"}, {"a.sim", "B.TXT", "c.XML", "d.shp", "notes", "x.b.sim"}};
  d.folders["/data/old"] = {{}, {"old.sim"}};
  d.folders["/home"] = {{}, {}};
  d.folders["/media/usb"] = {{"lots"}, {"usb.sim"}};
  d.folders["/media/usb/lots"] = {{}, {"lot.Sim"}};
  return d;
}

TEST(MatchesPattern, CaseInsensitiveWildcardsAsTheFileListUsesThem) {
  struct Case {
    const char* name;
    const char* patterns;
    bool match;
  };
  const Case cases[] = {
      {"a.sim", "*.Sim;*.Txt", true},
      {"B.TXT", "*.Sim;*.Txt", true},
      {"c.XML", "*.Sim;*.Txt", false},
      {"a.simx", "*.Sim;*.Txt", false},
      {"a.sim.bak", "*.Sim;*.Txt", false},
      {"a.sim", " *.Txt ; *.Sim ", true},  // blanks around a pattern do not count
      {"town.xml", "*.XML", true},
      {"x.SHP", "*.Shp", true},
      {"x.shx", "*.Shp", false},
      {"README", "*.*", true},  // "*.*" also lists names without "."
      {"town.pnt", "*.*", true},
      {"README", "*.", false},
      {"ab.sim", "??.sim", true},
      {"abc.sim", "??.sim", false},
      {"測.sim", "?.SIM", true},  // "?" is one character, not one byte
      {"測量.SIM", "*.sim", true},
      {"a.sim", "", false},
      {"a.sim", ";;", false},
      {"a.sim", "*", true},
      {"aXbXc", "a*b*c", true},
      {"aXbXd", "a*b*c", false},
      {"\xff\xfe.sim", "*.sim", true},  // a name that is not UTF-8 is still matched
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " ~ " + c.patterns);
    EXPECT_EQ(matches_pattern(c.name, c.patterns), c.match);
  }
}

TEST(CenterForm, SizeFromTheScreenThenPositionFromTheResultingSize) {
  struct Case {
    Size screen;
    double width, height;
    Size size;
    Position centred;
  };
  const Case cases[] = {
      {{1920, 1080}, 0.5, 0.6, {960, 648}, {480, 216}},
      {{1920, 1080}, 0.5, 0.65, {960, 702}, {480, 189}},
      {{1366, 768}, 0.5, 0.6, {683, 461}, {342, 154}},  // halves round away from zero
      {{800, 600}, 0.5, 0.6, {400, 360}, {200, 120}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.screen.width) + "x" + std::to_string(c.screen.height));
    const Size s = form_size(c.screen, c.width, c.height);
    EXPECT_EQ(s.width, c.size.width);
    EXPECT_EQ(s.height, c.size.height);
    const Position p = form_position(c.screen, s);
    EXPECT_EQ(p.left, c.centred.left);
    EXPECT_EQ(p.top, c.centred.top);
  }
  // A window that the toolkit made larger than asked is centred by its real size.
  const Position p = form_position({800, 600}, {500, 400});
  EXPECT_EQ(p.left, 150);
  EXPECT_EQ(p.top, 100);
}

TEST(PickDrives, RootFirstThenMountedVolumesInMountPointOrder) {
  const std::vector<Mount> mounts = {
      {"/proc", "", true},         {"/mnt/data", "", true},      {"/", "", true},
      {"/boot", "", true},         {"/media/usb", "OLD", true},  {"/run/media/kim/CD", "DISC", false},
      {"/home", "", true},         {"/media", "", true},         {"/media/usb", "SURVEY", true},
      {"/run/user/1000", "", true}};
  const auto drives = pick_drives(mounts);
  const std::vector<std::string> roots = {"/", "/media/usb", "/mnt/data", "/run/media/kim/CD"};
  const std::vector<std::string> labels = {"/", "/media/usb [SURVEY]", "/mnt/data", "/run/media/kim/CD [DISC]"};
  ASSERT_EQ(drives.size(), roots.size());
  for (std::size_t i = 0; i < roots.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(drives[i].root, roots[i]);
    EXPECT_EQ(drives[i].label, labels[i]);
  }
  EXPECT_FALSE(drives[3].ready);
  // Without a reported root (a container, say) the root is still the first drive.
  const auto only = pick_drives({{"/mnt/x", "", true}});
  ASSERT_EQ(only.size(), 2u);
  EXPECT_EQ(only[0].root, "/");
}

class Model : public testing::Test {
 protected:
  Model() : disk_(sample_disk()), model_(kBentrim, disk_) {}
  // The index of a drive in the list; the list is sorted by mount point.
  std::size_t drive(const std::string& root) const {
    for (std::size_t i = 0; i < model_.drives().size(); ++i)
      if (model_.drives()[i].root == root) return i;
    ADD_FAILURE() << "no drive " << root;
    return 0;
  }
  FakeDisk disk_;
  WindowModel model_;
};

TEST_F(Model, StartUpOfEachProgram) {
  for (const Program* p : {&kBentrim, &kParlow, &kQuorvel}) {
    SCOPED_TRACE(std::string(p->name));
    WindowModel m(*p, disk_);
    m.set_input("left over");
    m.set_output("left over");
    EXPECT_FALSE(m.load("/data").has_value());
    EXPECT_EQ(m.option(), kInputOption);
    EXPECT_EQ(m.pattern(), p->input_pattern);
    EXPECT_EQ(m.input(), "");
    EXPECT_EQ(m.output(), "");
    EXPECT_EQ(m.xy(), p->check_at_start);
    EXPECT_EQ(m.folder(), "/data");
    EXPECT_EQ(m.drive_index(), 0u);
  }
  EXPECT_TRUE(kBentrim.check_at_start);
  EXPECT_TRUE(kParlow.check_at_start);
  EXPECT_FALSE(kQuorvel.check_at_start);
}

TEST_F(Model, FileListFollowsThePatternOfTheSelectedOption) {
  struct Case {
    const Program* program;
    std::vector<std::string> input_files, output_files;
  };
  const Case cases[] = {
      {&kBentrim, {"a.sim", "B.TXT", "x.b.sim"}, {"c.XML"}},
      {&kParlow, {"a.sim", "B.TXT", "c.XML", "d.shp", "notes", "x.b.sim"}, {"c.XML"}},
      {&kQuorvel, {"d.shp"}, {"a.sim", "B.TXT", "c.XML", "d.shp", "notes", "x.b.sim"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.program->name));
    WindowModel m(*c.program, disk_);
    m.load("/data");
    EXPECT_EQ(m.files(), c.input_files);
    m.click_option(kOutputOption);
    EXPECT_EQ(m.pattern(), c.program->output_pattern);
    EXPECT_EQ(m.files(), c.output_files);
    m.click_option(kInputOption);
    EXPECT_EQ(m.files(), c.input_files);
  }
}

TEST_F(Model, FileNameRule) {
  struct Case {
    const char* folder;
    int option;
    const char* clicked;
    const char* input;   // Text7 afterwards
    const char* output;  // Text8 afterwards
  };
  const Case cases[] = {
      {"/data", kInputOption, "a.sim", "/data/a.sim", "/data/a.XML"},
      {"/", kInputOption, "root.sim", "/root.sim", "/root.XML"},  // not //root.sim
      {"/data", kInputOption, "x.b.sim", "/data/x.b.sim", "/data/x.XML"},  // cut at the first dot
      {"/data", kInputOption, "notes", "/data/notes", "/data/XML"},        // no dot: just XML
      {"/data", kOutputOption, "c.XML", "", "/data/c.XML"},                // only Text8
      {"/", kOutputOption, "root.XML", "", "/root.XML"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.folder) + " " + c.clicked);
    WindowModel m(kParlow, disk_);  // "*.*" lists every file
    m.load(c.folder);
    m.click_option(c.option);
    m.click_file(c.clicked);
    EXPECT_EQ(m.input(), c.input);
    EXPECT_EQ(m.output(), c.output);
  }
}

TEST_F(Model, FolderChangeProposesTheOutputOnlyForTheOutputOption) {
  struct Case {
    int option;
    bool with_input;
    const char* output;  // Text8 after moving to /data/old
  };
  const Case cases[] = {
      {kOutputOption, true, "/data/old/x.XML"},
      {kInputOption, true, "typed.XML"},  // Op2 index 1: Text8 left alone
      {kOutputOption, false, "typed.XML"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option * 10 + c.with_input);
    WindowModel m(kBentrim, disk_);
    m.load("/data");
    if (c.with_input) m.click_file("x.b.sim");
    m.set_output("typed.XML");
    m.click_option(c.option);
    EXPECT_FALSE(m.change_folder("/data/old").has_value());
    EXPECT_EQ(m.folder(), "/data/old");
    EXPECT_EQ(m.output(), c.output);
  }
  // The proposal takes the input's name even when the input was typed elsewhere.
  model_.load("/data");
  model_.set_input("/elsewhere/lot.7.sim");
  model_.click_option(kOutputOption);
  model_.change_folder("/");
  EXPECT_EQ(model_.output(), "/lot.XML");
}

TEST_F(Model, FolderListRunsFromTheDriveRootDownToTheFolder) {
  model_.load("/data/old");
  const auto& e = model_.folder_entries();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].path, "/");
  EXPECT_EQ(e[1].path, "/data");
  EXPECT_EQ(e[1].name, "data");
  EXPECT_EQ(e[2].path, "/data/old");
  EXPECT_EQ(e[2].depth, 2);
  EXPECT_TRUE(e[2].open);

  model_.change_folder("/data//");  // trailing separators do not count
  EXPECT_EQ(model_.folder(), "/data");
  const auto& f = model_.folder_entries();
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[2].path, "/data/old");  // a subfolder, one level deeper, closed
  EXPECT_EQ(f[2].depth, 2);
  EXPECT_FALSE(f[2].open);

  EXPECT_FALSE(model_.select_drive(drive("/media/usb")).has_value());
  const auto& g = model_.folder_entries();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].path, "/media/usb");
  EXPECT_EQ(g[1].path, "/media/usb/lots");
  EXPECT_EQ(g[1].depth, 1);
}

TEST_F(Model, DriveChangeGoesToTheFolderLastShownThere) {
  model_.load("/data/old");
  EXPECT_FALSE(model_.select_drive(drive("/media/usb")).has_value());
  EXPECT_EQ(model_.folder(), "/media/usb");
  EXPECT_EQ(model_.files(), std::vector<std::string>{"usb.sim"});
  model_.change_folder("/media/usb/lots");
  EXPECT_FALSE(model_.select_drive(0).has_value());
  EXPECT_EQ(model_.folder(), "/data/old");
  EXPECT_FALSE(model_.select_drive(drive("/media/usb")).has_value());
  EXPECT_EQ(model_.folder(), "/media/usb/lots");
  EXPECT_EQ(model_.files(), std::vector<std::string>{"lot.Sim"});
  // Selecting a drive is a folder change: with Op2 index 2 the output follows.
  model_.set_input("/data/a.sim");
  model_.click_option(kOutputOption);
  model_.select_drive(0);
  EXPECT_EQ(model_.output(), "/data/old/a.XML");
}

TEST_F(Model, UnreadableDriveOrFolderKeepsThePreviousSelection) {
  disk_.mount_list.push_back({"/mnt/gone", "", true});  // listed, but the folder fails
  model_.load("/data");
  model_.click_file("a.sim");
  const auto before = model_.files();
  ASSERT_EQ(model_.drives().size(), 4u);
  struct Case {
    std::size_t drive;
    const char* message;
  };
  const Case cases[] = {
      {drive("/media/cdrom"), "ドライブ /media/cdrom を読み込めません。"},  // no medium: not even tried
      {drive("/mnt/gone"), "ドライブ /mnt/gone を読み込めません。\nNo medium found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.drive);
    const auto message = model_.select_drive(c.drive);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, c.message);
    EXPECT_EQ(model_.drive_index(), 0u);
    EXPECT_EQ(model_.folder(), "/data");
    EXPECT_EQ(model_.files(), before);
    EXPECT_EQ(model_.input(), "/data/a.sim");
  }
  disk_.broken["/data/old"] = true;
  const auto message = model_.change_folder("/data/old");
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(*message, "フォルダ /data/old を読み込めません。\nNo medium found");
  EXPECT_EQ(model_.folder(), "/data");
  EXPECT_EQ(model_.files(), before);
  // A drive whose last folder has gone opens at its root.
  model_.select_drive(drive("/media/usb"));
  model_.change_folder("/media/usb/lots");
  model_.select_drive(0);
  disk_.broken["/media/usb/lots"] = true;
  EXPECT_FALSE(model_.select_drive(drive("/media/usb")).has_value());
  EXPECT_EQ(model_.folder(), "/media/usb");
}

TEST_F(Model, UnreadableStartFolderShowsTheDriveRoot) {
  const auto message = model_.load("/nowhere");
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(*message, "フォルダ /nowhere を読み込めません。\nNo medium found");
  EXPECT_EQ(model_.folder(), "/");
  EXPECT_EQ(model_.files(), std::vector<std::string>{"root.sim"});
  EXPECT_EQ(model_.pattern(), kBentrim.input_pattern);
}

TEST_F(Model, RefreshedDrivesKeepTheSelectedOne) {
  model_.load("/data");
  model_.select_drive(drive("/media/usb"));
  disk_.mount_list = {{"/", "", true}, {"/media/a", "", true}, {"/media/usb", "SURVEY", true}};
  model_.refresh_drives();
  EXPECT_EQ(model_.drives()[model_.drive_index()].root, "/media/usb");
  // Unmounted meanwhile: still shown as selected until the user picks another.
  disk_.mount_list = {{"/", "", true}};
  model_.refresh_drives();
  EXPECT_EQ(model_.drives()[model_.drive_index()].root, "/media/usb");
  EXPECT_EQ(model_.drives().size(), 2u);
}

TEST_F(Model, SecondPressWhileConvertingIsIgnored) {
  model_.load("/data");
  model_.click_file("a.sim");
  model_.set_xy(false);
  const auto first = model_.begin_conversion();
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->input, "/data/a.sim");
  EXPECT_EQ(first->output, "/data/a.XML");
  EXPECT_FALSE(first->xy);
  EXPECT_TRUE(model_.converting());
  EXPECT_FALSE(model_.begin_conversion().has_value());
  model_.end_conversion();
  EXPECT_TRUE(model_.begin_conversion().has_value());
}

TEST(LocalDiskList, VisibleFoldersAndFilesInListOrder) {
  test::ScratchDir dir;
  for (const char* f : {"b.sim", "A.SIM", "a.txt", ".hidden.sim"}) dir.write(f, "x");
  for (const char* d : {"zone", "Area", ".cache"}) std::filesystem::create_directory(dir.path() / d);
  LocalDisk disk;
  Listing listing;
  std::string reason;
  ASSERT_TRUE(disk.list(dir.path().string(), listing, reason));
  EXPECT_EQ(listing.folders, (std::vector<std::string>{"Area", "zone"}));
  EXPECT_EQ(listing.files, (std::vector<std::string>{"A.SIM", "a.txt", "b.sim"}));

  for (const std::string& bad : {dir.file("missing"), dir.file("b.sim")}) {
    SCOPED_TRACE(bad);
    reason.clear();
    EXPECT_FALSE(disk.list(bad, listing, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(listing.files.empty());
  }
}

TEST(ProgressScaleTest, IdentityWhenTheRangeFitsScaledBeyond) {
  ProgressScale s;
  s.set_range(0, 1001);
  EXPECT_EQ(s.minimum(), 0);
  EXPECT_EQ(s.maximum(), 1001);
  const std::int64_t in[] = {-5, 0, 500, 1001, 2000};
  const int out[] = {0, 0, 500, 1001, 1001};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(s.value(in[i]), out[i]) << in[i];

  const std::int64_t big = std::int64_t{1} << 33;  // an 8 GiB file
  s.set_range(0, big);
  EXPECT_EQ(s.minimum(), 0);
  EXPECT_LE(s.maximum(), INT_MAX);
  EXPECT_GT(s.maximum(), INT_MAX / 2);
  EXPECT_EQ(s.value(big), s.maximum());
  EXPECT_EQ(s.value(big / 2), s.maximum() / 2);
  EXPECT_EQ(s.value(0), 0);

  s.set_range(10, 3);  // an empty range holds its minimum
  EXPECT_EQ(s.maximum(), 10);
  EXPECT_EQ(s.value(7), 10);
}

}  // namespace
}  // namespace conv::window
