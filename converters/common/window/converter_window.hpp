// Form1 of the converter programs in Qt 6 Widgets: the controls under their plain
// names, bound to the window model, and the window as the host of a conversion
// (hourglass, progress bar, count, message boxes, yields).
#ifndef CONVERTERS_COMMON_WINDOW_CONVERTER_WINDOW_HPP
#define CONVERTERS_COMMON_WINDOW_CONVERTER_WINDOW_HPP

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "common/host.hpp"
#include "common/survey_binding.hpp"
#include "common/window/window_model.hpp"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace conv::window {

// Shows a message (UTF-8 text, title; critical: the critical-error icon).
using MessageSink = std::function<void(const std::string& text, const std::string& title, bool critical)>;

struct WindowOptions {
  std::string start_folder;            // "" : the current folder
  MessageSink message_sink;            // default: a message box with one OK button
  std::function<void()> end_program;   // default: leave the event loop with status 1
  std::string library = SurveyLibrary::default_name();
  Disk* disk = nullptr;                // default: the mounted file systems
};

// The message box of the programs: the critical-error (or warning) icon, the title
// and one OK button; CR LF in the text is shown as one line break.
void show_message_box(QWidget* parent, const std::string& text, const std::string& title, bool critical);

// The mounted file systems as Qt reports them; listing as LocalDisk.
class MountedDisk : public LocalDisk {
 public:
  std::vector<Mount> mounts() override;
};

class ConverterWindow final : public QWidget, private Host {
 public:
  explicit ConverterWindow(const Program& program, WindowOptions options = {}, QWidget* parent = nullptr);
  ~ConverterWindow() override;

  const WindowModel& model() const { return model_; }

 private:
  void build();
  void center_form();
  void start_up();
  void show_state();
  void show_drives();
  void show_folders();
  void show_files();
  void tell(const std::string& text, bool critical);
  void execute();

  // Host
  void progress_visible(bool visible) override;
  void progress_range(std::int64_t minimum, std::int64_t maximum) override;
  void progress_value(std::int64_t value) override;
  void feature_count(std::string_view text) override;
  void busy(bool on) override;
  void message(std::string_view text, std::string_view title, bool critical) override;
  void yield() override;
  void end_program() override;

  const Program& program_;
  WindowOptions options_;
  std::unique_ptr<Disk> own_disk_;
  WindowModel model_;
  SurveyLibrary library_;
  ProgressScale scale_;
  bool busy_ = false;
  bool ended_ = false;
  bool showing_ = false;  // the view is being filled from the model
  std::vector<FolderEntry> shown_folders_;  // what Dir1 and File1 show
  std::vector<std::string> shown_files_;
  QTreeWidgetItem* current_folder_ = nullptr;  // Dir1's item of the current folder

  QComboBox* drive1_ = nullptr;
  QTreeWidget* dir1_ = nullptr;
  QListWidget* file1_ = nullptr;
  QGroupBox* frame4_ = nullptr;
  QRadioButton* op2_[3] = {};  // indexes 1 and 2
  QButtonGroup* op2_group_ = nullptr;
  QLineEdit* text7_ = nullptr;
  QLineEdit* text8_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QProgressBar* progress_bar1_ = nullptr;
  QPushButton* command1_ = nullptr;
};

// The program's window and its event loop; the exit status of the program.
int run_window(int argc, char** argv, const Program& program);

}  // namespace conv::window

#endif
