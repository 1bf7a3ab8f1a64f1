// Form1 in Qt 6 Widgets.
#include "common/window/converter_window.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStorageInfo>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

namespace conv::window {

namespace {

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string std_text(const QString& s) { return s.toStdString(); }

// The drive list reads the mounts again each time it opens, so that a medium
// inserted meanwhile shows up.
class DriveBox final : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> before_popup;
  void showPopup() override {
    if (before_popup) before_popup();
    QComboBox::showPopup();
  }
};

}  // namespace

void show_message_box(QWidget* parent, const std::string& text, const std::string& title, bool critical) {
  QString body = qt(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(critical ? QMessageBox::Critical : QMessageBox::Warning, qt(title), body, QMessageBox::Ok,
                  parent);
  box.exec();
}

std::vector<Mount> MountedDisk::mounts() {
  std::vector<Mount> out;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid()) continue;
    out.push_back({std_text(volume.rootPath()), std_text(volume.name()), volume.isReady()});
  }
  return out;
}

ConverterWindow::ConverterWindow(const Program& program, WindowOptions options, QWidget* parent)
    : QWidget(parent),
      program_(program),
      options_(std::move(options)),
      own_disk_(options_.disk != nullptr ? nullptr : std::make_unique<MountedDisk>()),
      model_(program, options_.disk != nullptr ? *options_.disk : *own_disk_),
      library_(options_.library) {
  build();
  start_up();
}

ConverterWindow::~ConverterWindow() {
  if (busy_) QGuiApplication::restoreOverrideCursor();
}

void ConverterWindow::build() {
  setObjectName(QStringLiteral("Form1"));

  auto* drive_box = new DriveBox(this);
  drive_box->before_popup = [this] {
    model_.refresh_drives();
    show_drives();
  };
  drive1_ = drive_box;
  drive1_->setObjectName(QStringLiteral("Drive1"));

  dir1_ = new QTreeWidget(this);
  dir1_->setObjectName(QStringLiteral("Dir1"));
  dir1_->setHeaderHidden(true);
  dir1_->setRootIsDecorated(false);
  dir1_->setIndentation(14);
  dir1_->setItemsExpandable(false);
  dir1_->setExpandsOnDoubleClick(false);

  file1_ = new QListWidget(this);
  file1_->setObjectName(QStringLiteral("File1"));

  frame4_ = new QGroupBox(this);
  frame4_->setObjectName(QStringLiteral("Frame4"));
  op2_group_ = new QButtonGroup(this);
  for (int index : {kInputOption, kOutputOption}) {
    op2_[index] = new QRadioButton(qt(index == kInputOption ? kInputOptionCaption : kOutputOptionCaption), frame4_);
    op2_[index]->setObjectName(QStringLiteral("Op2"));
    op2_[index]->setProperty("index", index);
    op2_group_->addButton(op2_[index], index);
  }
  text7_ = new QLineEdit(frame4_);
  text7_->setObjectName(QStringLiteral("Text7"));
  text8_ = new QLineEdit(frame4_);
  text8_->setObjectName(QStringLiteral("Text8"));

  check1_ = new QCheckBox(this);
  check1_->setObjectName(QStringLiteral("Check1"));
  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setReadOnly(true);
  text1_->setAlignment(Qt::AlignRight);
  text1_->setMaximumWidth(90);
  progress_bar1_ = new QProgressBar(this);
  progress_bar1_->setObjectName(QStringLiteral("ProgressBar1"));
  command1_ = new QPushButton(this);
  command1_->setObjectName(QStringLiteral("Command1"));

  // Layout: drive and folder lists beside the file list; the file names below;
  // the check box, the count, the progress bar and the button at the bottom.
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(drive1_);
  left->addWidget(dir1_, 1);
  lists->addLayout(left, 1);
  lists->addWidget(file1_, 1);

  auto* names = new QGridLayout(frame4_);
  names->addWidget(op2_[kInputOption], 0, 0);
  names->addWidget(text7_, 0, 1);
  names->addWidget(op2_[kOutputOption], 1, 0);
  names->addWidget(text8_, 1, 1);
  names->setColumnStretch(1, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(check1_);
  bottom->addWidget(text1_);
  bottom->addWidget(progress_bar1_, 1);
  bottom->addStretch(0);
  bottom->addWidget(command1_);

  auto* form = new QVBoxLayout(this);
  form->addLayout(lists, 1);
  form->addWidget(frame4_);
  form->addLayout(bottom);

  // Events.
  connect(drive1_, &QComboBox::activated, this, [this](int index) {
    if (showing_ || ended_ || index < 0) return;
    if (auto message = model_.select_drive(static_cast<std::size_t>(index))) tell(*message, false);
    show_state();
  });
  connect(dir1_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
    if (showing_ || ended_ || item == nullptr) return;
    const std::string folder = std_text(item->data(0, Qt::UserRole).toString());
    if (auto message = model_.change_folder(folder)) tell(*message, false);
    show_state();
  });
  const auto file_clicked = [this](QListWidgetItem* item) {
    if (showing_ || ended_ || item == nullptr) return;
    model_.click_file(std_text(item->text()));
    show_state();
  };
  // A click, or a selection moved with the keys; not the focus alone.
  connect(file1_, &QListWidget::itemClicked, this, file_clicked);
  connect(file1_, &QListWidget::itemSelectionChanged, this, [this, file_clicked] {
    const auto selected = file1_->selectedItems();
    if (!selected.isEmpty()) file_clicked(selected.front());
  });
  connect(op2_group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (showing_ || ended_ || !checked) return;
    model_.click_option(index);
    show_state();
  });
  connect(text7_, &QLineEdit::textEdited, this, [this](const QString& s) { model_.set_input(std_text(s)); });
  connect(text8_, &QLineEdit::textEdited, this, [this](const QString& s) { model_.set_output(std_text(s)); });
  connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) model_.set_xy(on);
  });
  connect(command1_, &QPushButton::clicked, this, [this] { execute(); });
}

void ConverterWindow::center_form() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const Size screen_size{screen->geometry().width(), screen->geometry().height()};
  const Size size = form_size(screen_size, program_.width_fraction, program_.height_fraction);
  if (layout() != nullptr) layout()->activate();
  resize(size.width, size.height);
  // The position from the size the window really took (it has a minimum).
  const Position at = form_position(screen_size, {width(), height()});
  move(screen->geometry().left() + at.left, screen->geometry().top() + at.top);
}

void ConverterWindow::start_up() {
  center_form();
  setWindowTitle(qt(program_.caption));
  frame4_->setTitle(qt(program_.frame_caption));
  const auto message = model_.load(options_.start_folder);  // Op2 index 1, its pattern, names empty
  text1_->clear();
  progress_bar1_->hide();
  command1_->setText(qt(kButtonCaption));
  check1_->setText(qt(program_.check_caption));
  show_state();
  if (message) {
    const std::string text = *message;
    QTimer::singleShot(0, this, [this, text] { tell(text, false); });
  }
}

void ConverterWindow::show_state() {
  showing_ = true;
  show_drives();
  show_folders();
  show_files();
  op2_[model_.option()]->setChecked(true);
  if (std_text(text7_->text()) != model_.input()) text7_->setText(qt(model_.input()));
  if (std_text(text8_->text()) != model_.output()) text8_->setText(qt(model_.output()));
  check1_->setChecked(model_.xy());
  showing_ = false;
}

void ConverterWindow::show_drives() {
  const bool was = showing_;
  showing_ = true;
  const auto& drives = model_.drives();
  bool same = drive1_->count() == static_cast<int>(drives.size());
  for (int i = 0; same && i < drive1_->count(); ++i) same = std_text(drive1_->itemText(i)) == drives[i].label;
  if (!same) {
    drive1_->clear();
    for (const auto& d : drives) drive1_->addItem(qt(d.label), qt(d.root));
  }
  drive1_->setCurrentIndex(static_cast<int>(model_.drive_index()));
  showing_ = was;
}

void ConverterWindow::show_folders() {
  const bool was = showing_;
  showing_ = true;
  if (shown_folders_ == model_.folder_entries()) {
    // Unchanged (a folder that could not be read): the current folder stays marked.
    if (current_folder_ != nullptr) dir1_->setCurrentItem(current_folder_);
    showing_ = was;
    return;
  }
  shown_folders_ = model_.folder_entries();
  dir1_->clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  std::vector<QTreeWidgetItem*> parents;  // the open item of each depth
  QTreeWidgetItem* current = nullptr;
  for (const auto& entry : model_.folder_entries()) {
    QTreeWidgetItem* item = entry.depth == 0 || parents.empty()
                                ? new QTreeWidgetItem(dir1_)
                                : new QTreeWidgetItem(parents[std::min<std::size_t>(entry.depth, parents.size()) - 1]);
    item->setText(0, qt(entry.name));
    item->setData(0, Qt::UserRole, qt(entry.path));
    item->setIcon(0, entry.open ? open : closed);
    if (entry.open) {
      parents.resize(static_cast<std::size_t>(entry.depth));
      parents.push_back(item);
      current = item;
    }
  }
  dir1_->expandAll();
  current_folder_ = current;
  if (current != nullptr) {
    dir1_->setCurrentItem(current);
    dir1_->scrollToItem(current);
  }
  showing_ = was;
}

void ConverterWindow::show_files() {
  if (shown_files_ == model_.files() && file1_->count() == static_cast<int>(shown_files_.size())) return;
  shown_files_ = model_.files();
  const bool was = showing_;
  showing_ = true;
  file1_->clear();
  for (const auto& name : shown_files_) file1_->addItem(qt(name));
  showing_ = was;
}

void ConverterWindow::tell(const std::string& text, bool critical) {
  if (options_.message_sink)
    options_.message_sink(text, std::string(program_.caption), critical);
  else
    show_message_box(this, text, std::string(program_.caption), critical);
}

void ConverterWindow::execute() {
  if (ended_) return;
  const auto request = model_.begin_conversion();
  if (!request) return;  // pressed again while the conversion yields
  try {
    program_.convert(*request, *this, library_);
  } catch (const std::exception& e) {  // the conversions report their own failures
    message(e.what(), program_.name, true);
  }
  if (busy_) busy(false);
  model_.end_conversion();
  if (!ended_ && model_.refresh()) show_files();  // a document written here shows up
}

// --- Host ------------------------------------------------------------------------------

void ConverterWindow::progress_visible(bool visible) { progress_bar1_->setVisible(visible); }

void ConverterWindow::progress_range(std::int64_t minimum, std::int64_t maximum) {
  scale_.set_range(minimum, maximum);
  progress_bar1_->setRange(scale_.minimum(), scale_.maximum());
}

void ConverterWindow::progress_value(std::int64_t value) { progress_bar1_->setValue(scale_.value(value)); }

void ConverterWindow::feature_count(std::string_view text) { text1_->setText(qt(text)); }

void ConverterWindow::busy(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (on)
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QGuiApplication::restoreOverrideCursor();
}

void ConverterWindow::message(std::string_view text, std::string_view title, bool critical) {
  if (options_.message_sink)
    options_.message_sink(std::string(text), std::string(title), critical);
  else
    show_message_box(this, std::string(text), std::string(title), critical);
}

void ConverterWindow::yield() {
  if (!ended_) QCoreApplication::processEvents();
}

void ConverterWindow::end_program() {
  if (ended_) return;
  ended_ = true;
  if (busy_) busy(false);
  hide();
  if (options_.end_program)
    options_.end_program();
  else
    QCoreApplication::exit(1);
}

int run_window(int argc, char** argv, const Program& program) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(qt(program.name));
  ConverterWindow window(program);
  window.show();
  return QApplication::exec();
}

}  // namespace conv::window
