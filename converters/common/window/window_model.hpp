// The converter window without its toolkit: what the three programs share (start-up,
// drive and folder selection, the file-name rule, the output proposal, the pattern
// switch) as plain state and events. A view binds its controls to this model: it
// forwards each user action to the matching event and then shows the state.
#ifndef CONVERTERS_COMMON_WINDOW_WINDOW_MODEL_HPP
#define CONVERTERS_COMMON_WINDOW_WINDOW_MODEL_HPP

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/host.hpp"

namespace conv {

class SurveyLibrary;

namespace window {

// What tells one converter program from the others.
struct Program {
  std::string_view command;         // executable name ("bentrim")
  std::string_view name;            // program name ("Bentrim")
  std::string_view caption;         // Form1
  std::string_view frame_caption;   // Frame4
  std::string_view check_caption;   // Check1
  bool check_at_start;              // Check1's value at start
  std::string_view input_pattern;   // File1's pattern with Op2 index 1
  std::string_view output_pattern;  // File1's pattern with Op2 index 2
  double width_fraction;            // of the screen, for Center_Form
  double height_fraction;
  // The conversion run by Command1.
  Outcome (*convert)(const Request&, Host&, SurveyLibrary&);
};

inline constexpr std::string_view kButtonCaption = "実行";          // Command1
inline constexpr std::string_view kInputOptionCaption = "入力ファイル名";   // Op2 index 1
inline constexpr std::string_view kOutputOptionCaption = "出力ファイル名";  // Op2 index 2
inline constexpr int kInputOption = 1;
inline constexpr int kOutputOption = 2;

// --- Center_Form ---------------------------------------------------------------

struct Size {
  int width = 0, height = 0;
};
struct Position {
  int left = 0, top = 0;
};

// The window's size as fractions of the screen's (rounded to whole units).
Size form_size(Size screen, double width_fraction, double height_fraction);
// The position that centres a window of the given (resulting) size on the screen.
Position form_position(Size screen, Size window);

// --- File patterns ---------------------------------------------------------------

// True when `name` matches one of the ";"-separated wildcard patterns ("*.Sim;*.Txt"):
// "*" any run of characters, "?" one character, letters compared without regard to
// case, as on the original platform's file systems; a pattern ending in ".*" also
// matches a name without any "." ("*.*" lists every file).
bool matches_pattern(std::string_view name, std::string_view patterns);

// --- Drives ------------------------------------------------------------------------

// A mounted file system as the system reports it.
struct Mount {
  std::string root;   // mount point
  std::string label;  // volume label, or ""
  bool ready = true;  // false: no medium, or not readable
};

// An entry of the drive list.
struct Drive {
  std::string root;
  std::string label;  // what the list shows
  bool ready = true;
};

// What a user of this system calls drives: the root file system first, then the
// volumes mounted under /media, /mnt and /run/media (removable media included), in
// the order of their mount points; each mount point once. On Windows every mount
// is a drive.
std::vector<Drive> pick_drives(const std::vector<Mount>& mounts);

// --- The disk as the window sees it --------------------------------------------------

struct Listing {
  std::vector<std::string> folders;  // names of the subfolders
  std::vector<std::string> files;    // names of the files
};

class Disk {
 public:
  virtual ~Disk() = default;
  virtual std::vector<Mount> mounts() = 0;
  // The visible subfolders and files of `folder`; false with a reason when the
  // folder cannot be read.
  virtual bool list(const std::string& folder, Listing& out, std::string& reason) = 0;
};

// Listing through the standard library; mounts come from a subclass (the toolkit
// knows them) or, here, only the root.
class LocalDisk : public Disk {
 public:
  std::vector<Mount> mounts() override;
  bool list(const std::string& folder, Listing& out, std::string& reason) override;
};

// --- The window ---------------------------------------------------------------------

// One line of the folder list: the folders from the drive's root down to the
// current one (open), then the current folder's subfolders.
struct FolderEntry {
  std::string path;
  std::string name;  // what the list shows
  int depth = 0;     // indentation level
  bool open = false;
  bool operator==(const FolderEntry&) const = default;
};

class WindowModel {
 public:
  WindowModel(const Program& program, Disk& disk);

  // Start-up: Op2 index 1 with the input pattern, Text1, Text7 and Text8 empty,
  // Check1 at the program's start value; the drive and folder of start_folder.
  // Returns a message when that folder cannot be read (the drive's root is shown).
  std::optional<std::string> load(const std::string& start_folder);

  // Drive1 changed: the folder list moves to the drive (to the folder last shown on
  // it, or its root). A drive that cannot be read gives a message and keeps the
  // previous drive and folder.
  std::optional<std::string> select_drive(std::size_t index);
  // Dir1 changed: the file list shows the new folder; then the output proposal for
  // Text7 in the new folder when Op2 index 2 is selected. A folder that cannot be
  // read gives a message and keeps the previous one.
  std::optional<std::string> change_folder(const std::string& folder);
  // File1 clicked: the file-name rule.
  void click_file(std::string_view name);
  // Op2 clicked: File1's pattern becomes the input or output pattern.
  void click_option(int index);
  // Reads the current folder again (after a conversion wrote a file); false when it
  // can no longer be read (the lists are then left as they were).
  bool refresh();
  // Reads the mounts again; the current drive stays selected.
  void refresh_drives();

  // What the user typed.
  void set_input(std::string text) { input_ = std::move(text); }
  void set_output(std::string text) { output_ = std::move(text); }
  void set_xy(bool on) { xy_ = on; }

  // Command1: the request for the conversion, or nullopt while a conversion is
  // running (a press while it yields to the event loop is ignored).
  std::optional<Request> begin_conversion();
  void end_conversion() { converting_ = false; }
  bool converting() const { return converting_; }

  const Program& program() const { return program_; }
  const std::vector<Drive>& drives() const { return drives_; }
  std::size_t drive_index() const { return drive_; }
  const std::string& folder() const { return folder_; }
  const std::vector<FolderEntry>& folder_entries() const { return folder_entries_; }
  const std::vector<std::string>& files() const { return files_; }
  const std::string& pattern() const { return pattern_; }
  int option() const { return option_; }
  const std::string& input() const { return input_; }
  const std::string& output() const { return output_; }
  bool xy() const { return xy_; }

 private:
  bool read_folder(const std::string& folder, Listing& listing, std::string& reason);
  void show_folder(const std::string& folder, Listing listing);
  void filter_files();
  std::size_t drive_of(const std::string& folder) const;

  const Program& program_;
  Disk& disk_;
  std::vector<Drive> drives_;
  std::size_t drive_ = 0;
  std::map<std::string, std::string> last_folder_;  // drive root -> folder last shown
  std::string folder_;
  std::vector<std::string> folder_names_;  // subfolders of folder_
  std::vector<FolderEntry> folder_entries_;
  std::vector<std::string> all_files_;  // every file of folder_
  std::vector<std::string> files_;      // those matching pattern_
  std::string pattern_;
  int option_ = kInputOption;
  std::string input_, output_;
  bool xy_ = false;
  bool converting_ = false;
};

// --- Progress ------------------------------------------------------------------------

// Maps a conversion's 64-bit progress range onto a bar that holds int values (a
// file position may exceed 2^31): identity when the range fits, else scaled.
class ProgressScale {
 public:
  void set_range(std::int64_t minimum, std::int64_t maximum);
  int minimum() const { return bar_min_; }
  int maximum() const { return bar_max_; }
  // A value on the bar, held inside its range.
  int value(std::int64_t v) const;

 private:
  std::int64_t min_ = 0, max_ = 0, divisor_ = 1;
  bool scaled_ = false;
  int bar_min_ = 0, bar_max_ = 0;
};

}  // namespace window
}  // namespace conv

#endif
