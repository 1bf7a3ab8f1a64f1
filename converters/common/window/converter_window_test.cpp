// Each converter window driven through its controls on the offscreen platform:
// lists, names, the execute button, the count, the progress bar and the messages.
//
//   converter_window_test PROGRAM [Qt Test options]    (PROGRAM: bentrim, parlow, quorvel)
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/recording_host.hpp"
#include "common/survey_binding.hpp"
#include "common/window/converter_window.hpp"
#include "common/window/programs.hpp"

namespace conv::window {
namespace {

std::string slurp(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

bool write_file(const QString& path, const std::string& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) &&
         f.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::string le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string be32(std::uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string le64(double d) {
  std::uint64_t u;
  std::memcpy(&u, &d, 8);
  return le32(static_cast<std::uint32_t>(u)) + le32(static_cast<std::uint32_t>(u >> 32));
}

// A shapefile main file holding one point shape (not a polygon).
std::string point_shapefile() {
  std::string s = be32(9994) + std::string(20, '\0') + be32((100 + 8 + 20) / 2) + le32(1000) + le32(1);
  for (double v : {1.0, 2.0, 1.0, 2.0, 0.0, 0.0, 0.0, 0.0}) s += le64(v);
  s += be32(1) + be32(10) + le32(1) + le64(1.0) + le64(2.0);
  return s;
}

// A dBASE III table with one character field NAME and one record.
std::string one_record_table() {
  std::string s;
  s += '\x03';
  s += std::string("\x7c\x01\x01", 3);  // last update
  s += le32(1);                         // records
  s += std::string("\x41\x00", 2);      // header length 32 + 32 + 1
  s += std::string("\x0b\x00", 2);      // record length 1 + 10
  s += std::string(20, '\0');
  std::string field = "NAME";
  field.resize(11, '\0');
  s += field + 'C' + std::string(4, '\0') + '\x0a' + '\0' + std::string(14, '\0');
  s += '\x0d';
  s += " lot-1     ";
  s += '\x1a';
  return s;
}

struct Captured {
  std::string text, title;
  bool critical;
  bool hourglass;  // the pointer was the hourglass while the message showed
};

class WindowTest : public QObject {
  Q_OBJECT

 public:
  explicit WindowTest(const Program& program) : program_(program) {}

 private:
  // What each program reads: its input extension and the sample to click (the
  // sample's other files share its base name).
  struct Sample {
    QString extension;
    QString click;
  };
  Sample sample() const {
    if (&program_ == &kBentrim) return {"sim", "town.sim"};
    if (&program_ == &kParlow) return {"pnt", "lots.pol"};
    return {"shp", "parcels.shp"};
  }

  // The window, shown, in the scratch folder. Messages are captured unless asked
  // not to (a real message box), the end of the program is counted unless asked
  // not to (the window then leaves the event loop itself).
  std::unique_ptr<ConverterWindow> open(Disk* disk = nullptr, bool capture = true, bool count_end = true) {
    WindowOptions options;
    options.start_folder = dir_->path().toStdString();
    if (capture)
      options.message_sink = [this](const std::string& text, const std::string& title, bool critical) {
        const QCursor* c = QGuiApplication::overrideCursor();
        messages_.push_back({text, title, critical, c != nullptr && c->shape() == Qt::WaitCursor});
      };
    if (count_end) options.end_program = [this] { ++ended_; };
    options.disk = disk;
    auto w = std::make_unique<ConverterWindow>(program_, std::move(options));
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
    return w;
  }

  template <class T>
  static T* control(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
  }
  static QRadioButton* op2(QWidget* w, int index) {
    for (auto* b : w->findChildren<QRadioButton*>(QStringLiteral("Op2")))
      if (b->property("index").toInt() == index) return b;
    return nullptr;
  }
  static QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  static bool click_file(QWidget* w, const QString& name) {
    auto* file1 = control<QListWidget>(w, "File1");
    const auto found = file1->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    file1->scrollToItem(found.front());
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, file1->visualItemRect(found.front()).center());
    return true;
  }
  static bool open_folder(QWidget* w, const QString& path) {
    auto* dir1 = control<QTreeWidget>(w, "Dir1");
    QTreeWidgetItemIterator it(dir1);
    for (; *it != nullptr; ++it)
      if ((*it)->data(0, Qt::UserRole).toString() == path) break;
    if (*it == nullptr) return false;
    dir1->scrollToItem(*it);
    double_click(dir1->viewport(), dir1->visualItemRect(*it).center());
    return true;
  }
  // A double click as the platform delivers it: press, release, press, double
  // click, release.
  static void double_click(QWidget* target, QPoint at) {
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
      QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
      QApplication::sendEvent(target, &e);
    }
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
  }
  // The first message shown, for a failure's report.
  QByteArray first_message() const {
    return messages_.empty() ? QByteArray() : QByteArray::fromStdString(messages_[0].title + ": " + messages_[0].text);
  }
  QString path(const QString& name) const { return dir_->filePath(name); }
  bool copy_samples() {
    const QDir samples(QStringLiteral(SURVEY_SOURCE "/samples"));
    const QStringList files = samples.entryList({sample().click.section('.', 0, 0) + ".*"}, QDir::Files);
    for (const auto& f : files)
      if (!QFile::copy(samples.filePath(f), path(f))) return false;
    return !files.isEmpty();
  }

  const Program& program_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::vector<Captured> messages_;
  int ended_ = 0;

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    messages_.clear();
    ended_ = 0;
  }
  void cleanup() {
    dir_.reset();
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  }

  void startUp() {
    auto w = open();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("Form1"));
    QCOMPARE(w->windowTitle().toStdString(), program_.caption);
    QCOMPARE(control<QGroupBox>(w.get(), "Frame4")->title().toStdString(), program_.frame_caption);
    QCOMPARE(control<QCheckBox>(w.get(), "Check1")->text().toStdString(), program_.check_caption);
    QCOMPARE(control<QCheckBox>(w.get(), "Check1")->isChecked(), program_.check_at_start);
    QCOMPARE(control<QPushButton>(w.get(), "Command1")->text(), QStringLiteral("実行"));
    QVERIFY(op2(w.get(), 1)->isChecked());
    QVERIFY(!op2(w.get(), 2)->isChecked());
    QCOMPARE(op2(w.get(), 1)->text(), QStringLiteral("入力ファイル名"));
    QCOMPARE(op2(w.get(), 2)->text(), QStringLiteral("出力ファイル名"));
    for (const char* name : {"Text1", "Text7", "Text8"}) QVERIFY2(control<QLineEdit>(w.get(), name)->text().isEmpty(), name);
    QVERIFY(control<QProgressBar>(w.get(), "ProgressBar1")->isHidden());
    QVERIFY(control<QComboBox>(w.get(), "Drive1") != nullptr);
    QCOMPARE(control<QTreeWidget>(w.get(), "Dir1")->currentItem()->data(0, Qt::UserRole).toString(), dir_->path());
    QVERIFY(control<QListWidget>(w.get(), "File1") != nullptr);
    QVERIFY2(messages_.empty(), first_message());

    // Center_Form: the size as fractions of the screen, centred by the size it took.
    const QRect screen = w->screen()->geometry();
    const Size asked = form_size({screen.width(), screen.height()}, 0.5, program_.height_fraction);
    QCOMPARE(w->width(), std::max(asked.width, w->minimumSizeHint().width()));
    QCOMPARE(w->height(), std::max(asked.height, w->minimumSizeHint().height()));
    const Position at = form_position({screen.width(), screen.height()}, {w->width(), w->height()});
    QCOMPARE(w->pos(), QPoint(at.left, at.top));
  }

  void japaneseTextHasGlyphs() {
    auto w = open();
    QVERIFY(w);
    // Every character of the captions resolves to a real glyph in some installed font.
    for (const QString& text : {w->windowTitle(), control<QGroupBox>(w.get(), "Frame4")->title(),
                                control<QCheckBox>(w.get(), "Check1")->text(), op2(w.get(), 2)->text(),
                                QStringLiteral("ファイルが選択されていません。")}) {
      QTextLayout layout(text, w->font());
      layout.beginLayout();
      layout.createLine();
      layout.endLayout();
      int glyphs = 0;
      for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 index : run.glyphIndexes()) {
          QVERIFY2(index != 0, qPrintable(text + " has a missing glyph (is a Japanese font installed?)"));
          ++glyphs;
        }
      QVERIFY(glyphs > 0);
    }
  }

  void fileListUsesThePatternOfTheOption() {
    for (const char* name : {"a.sim", "B.TXT", "c.XML", "d.Shp", "e.pnt", "notes"}) QVERIFY(write_file(path(name), "x"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("sub")));
    auto w = open();
    QVERIFY(w);
    const QStringList all = {"a.sim", "B.TXT", "c.XML", "d.Shp", "e.pnt", "notes"};
    QStringList input, output;
    if (&program_ == &kBentrim) input = {"a.sim", "B.TXT"}, output = {"c.XML"};
    if (&program_ == &kParlow) input = all, output = {"c.XML"};
    if (&program_ == &kQuorvel) input = {"d.Shp"}, output = all;
    auto* file1 = control<QListWidget>(w.get(), "File1");
    QCOMPARE(items(file1), input);
    QTest::mouseClick(op2(w.get(), 2), Qt::LeftButton);
    QCOMPARE(items(file1), output);
    QTest::mouseClick(op2(w.get(), 1), Qt::LeftButton);
    QCOMPARE(items(file1), input);
    // The folder list shows the subfolder; the file list never does.
    QVERIFY(!items(file1).contains(QStringLiteral("sub")));
    QVERIFY(open_folder(w.get(), path("sub")));
    QVERIFY(items(file1).isEmpty());
  }

  void fileClickAndFolderChangeFillTheNames() {
    const QString input = "lot.b." + sample().extension;  // several dots: cut at the first
    QVERIFY(write_file(path(input), "x"));
    QVERIFY(write_file(path("c.XML"), "x"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("sub")));
    auto w = open();
    QVERIFY(w);
    auto* text7 = control<QLineEdit>(w.get(), "Text7");
    auto* text8 = control<QLineEdit>(w.get(), "Text8");

    QVERIFY(click_file(w.get(), input));
    QCOMPARE(text7->text(), path(input));
    QCOMPARE(text8->text(), path("lot.XML"));

    // Op2 index 1: a folder change leaves Text8 alone.
    QVERIFY(open_folder(w.get(), path("sub")));
    QCOMPARE(text8->text(), path("lot.XML"));
    QVERIFY(open_folder(w.get(), dir_->path()));

    // Op2 index 2: a click sets only Text8; a folder change proposes the output there.
    QTest::mouseClick(op2(w.get(), 2), Qt::LeftButton);
    QVERIFY(click_file(w.get(), "c.XML"));
    QCOMPARE(text7->text(), path(input));
    QCOMPARE(text8->text(), path("c.XML"));
    QVERIFY(open_folder(w.get(), path("sub")));
    QCOMPARE(text8->text(), path("sub/lot.XML"));

    // What the user types is what the conversion gets.
    text7->clear();
    QTest::keyClicks(text7, QStringLiteral("typed.") + sample().extension);
    QCOMPARE(w->model().input(), "typed." + sample().extension.toStdString());
  }

  void convertsItsSample_data() {
    QTest::addColumn<bool>("toggle_xy");
    QTest::newRow("XY box at its start value") << false;
    QTest::newRow("XY box toggled") << true;
  }
  void convertsItsSample() {
    QFETCH(bool, toggle_xy);
    QVERIFY(copy_samples());
    auto w = open();
    QVERIFY(w);
    QVERIFY(click_file(w.get(), sample().click));
    const QString input = path(sample().click);
    const QString output = path(sample().click.section('.', 0, 0) + ".XML");
    QCOMPARE(control<QLineEdit>(w.get(), "Text7")->text(), input);
    QCOMPARE(control<QLineEdit>(w.get(), "Text8")->text(), output);
    auto* check1 = control<QCheckBox>(w.get(), "Check1");
    if (toggle_xy) QTest::mouseClick(check1, Qt::LeftButton);
    QCOMPARE(check1->isChecked(), program_.check_at_start != toggle_xy);

    QTest::mouseClick(control<QPushButton>(w.get(), "Command1"), Qt::LeftButton);
    QVERIFY2(messages_.empty(), first_message());
    QCOMPARE(ended_, 0);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    const std::string document = slurp(output);
    QVERIFY(document.rfind("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n", 0) == 0);
    const int features = count_of(document, "<GeometricFeature ");
    QVERIFY(features > 0);
    QCOMPARE(control<QLineEdit>(w.get(), "Text1")->text(), QString::number(features));

    // The same conversion with a recording host gives the same bytes and reports:
    // the window handed over Text7, Text8 and Check1 and showed what it was told.
    RecordingHost host;
    SurveyLibrary lib;
    const Request request{input.toStdString(), path("reference.XML").toStdString(), check1->isChecked()};
    QCOMPARE(program_.convert(request, host, lib), Outcome::kDone);
    QVERIFY(slurp(path("reference.XML")) == document);
    QCOMPARE(control<QLineEdit>(w.get(), "Text1")->text().toStdString(), host.count_text);
    auto* bar = control<QProgressBar>(w.get(), "ProgressBar1");
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->minimum(), static_cast<int>(host.progress_min));
    QCOMPARE(bar->maximum(), static_cast<int>(host.progress_max));
    QVERIFY(!host.progress_values.empty());
    QCOMPARE(bar->value(), static_cast<int>(host.progress_values.back()));
    // The document written beside the input shows in the output pattern's list.
    QTest::mouseClick(op2(w.get(), 2), Qt::LeftButton);
    QVERIFY(items(control<QListWidget>(w.get(), "File1")).contains(output.section('/', -1)));
  }

  void emptyNamesAreReported() {
    auto w = open();
    QVERIFY(w);
    QTest::mouseClick(control<QPushButton>(w.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(messages_.size(), std::size_t{1});
    QCOMPARE(messages_[0].text, std::string(kMsgNoFile));
    QCOMPARE(messages_[0].title, std::string(kTitleFileChoice));
    QVERIFY(messages_[0].critical);
    QVERIFY(!w->model().converting());
  }

  void failureMessageWhileTheHourglassShows() {
    QString click;
    std::string text, title;
    bool ends = false;
    if (&program_ == &kBentrim) {
      QVERIFY(write_file(path("big.sim"), "A01,15001,P,1,2\r\n"));
      click = "big.sim", text = "座標が、15000点を超えました。", title = "座標点数";
    } else if (&program_ == &kParlow) {
      QVERIFY(write_file(path("lost.pnt"), "P1,1,2\r\n"));
      QVERIFY(write_file(path("lost.pol"), "1,2,a,b,3,1\r\nP9\r\n"));
      click = "lost.pol", text = "座標が見つかりません。", title = "Kestrin=>G-XML";
    } else {
      QVERIFY(write_file(path("point.Shp"), point_shapefile()));
      QVERIFY(write_file(path("point.DBF"), one_record_table()));
      click = "point.Shp", text = "シェイプ種別がポリゴンではありません。", title = "SHAP_READ", ends = true;
    }
    auto w = open();
    QVERIFY(w);
    QVERIFY(click_file(w.get(), click));
    QTest::mouseClick(control<QPushButton>(w.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(messages_.size(), std::size_t{1});
    QCOMPARE(messages_[0].text, text);
    QCOMPARE(messages_[0].title, title);
    QVERIFY(messages_[0].critical);
    QVERIFY(messages_[0].hourglass);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QCOMPARE(ended_, ends ? 1 : 0);
    QCOMPARE(w->isVisible(), !ends);
    if (!ends) return;
    QVERIFY(QFile::exists(path("point.XML")) && slurp(path("point.XML")).empty());

    // Without a hook the program leaves its event loop with status 1.
    messages_.clear();
    auto real = open(nullptr, true, false);
    QVERIFY(real);
    QVERIFY(click_file(real.get(), click));
    QTimer::singleShot(0, real.get(), [&] {
      QTest::mouseClick(control<QPushButton>(real.get(), "Command1"), Qt::LeftButton);
    });
    QCOMPARE(QApplication::exec(), 1);
    QCOMPARE(messages_.size(), std::size_t{1});
    QVERIFY(!real->isVisible());
  }

  // An input without parcels converts to a document without features.
  void inputWithoutParcelsConverts() {
    QString click;
    if (&program_ == &kBentrim) {
      QVERIFY(write_file(path("none.sim"), ""));
      click = "none.sim";
    } else if (&program_ == &kParlow) {
      QVERIFY(write_file(path("none.pnt"), "P1,1,2\r\n"));
      QVERIFY(write_file(path("none.pol"), ""));
      click = "none.pol";
    } else {
      QSKIP("a shapefile always has its header; the empty main file is tested with the shapefile converter");
    }
    QVERIFY(write_file(path("none.XML"), "previous"));
    auto w = open();
    QVERIFY(w);
    QVERIFY(click_file(w.get(), click));
    QTest::mouseClick(control<QPushButton>(w.get(), "Command1"), Qt::LeftButton);
    QVERIFY2(messages_.empty(), first_message());
    const std::string document = slurp(path("none.XML"));
    QVERIFY(document.rfind("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n", 0) == 0);
    const std::string tail =
        "<Coordinates unit.location=\"m\">1E+99,1E+99 -1E+99,-1E+99</Coordinates></Rectangle></Boundary>"
        "</MetricGeospace></G-XML>";
    QVERIFY(document.size() > tail.size() && document.compare(document.size() - tail.size(), tail.size(), tail) == 0);
    QVERIFY(control<QLineEdit>(w.get(), "Text1")->text().isEmpty());
    auto* bar = control<QProgressBar>(w.get(), "ProgressBar1");
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 1);
  }

  void secondPressWhileYieldingIsIgnored() {
    QVERIFY(copy_samples());
    auto w = open();
    QVERIFY(w);
    QVERIFY(click_file(w.get(), sample().click));
    auto* text7 = control<QLineEdit>(w.get(), "Text7");
    auto* command1 = control<QPushButton>(w.get(), "Command1");
    bool pressed_while_converting = false;
    // At the conversion's first yield: name a missing input and press again. Were the
    // press not ignored, a nested conversion would report the missing file.
    QTimer::singleShot(0, w.get(), [&] {
      pressed_while_converting = w->model().converting();
      text7->clear();
      QTest::keyClicks(text7, path("missing." + sample().extension));
      QTest::mouseClick(command1, Qt::LeftButton);
    });
    QTest::mouseClick(command1, Qt::LeftButton);
    QVERIFY(pressed_while_converting);
    QVERIFY2(messages_.empty(), first_message());
    QVERIFY(!slurp(path(sample().click.section('.', 0, 0) + ".XML")).empty());
    // Idle again: the next press runs, and now reports the missing file.
    QTest::mouseClick(command1, Qt::LeftButton);
    QCOMPARE(messages_.size(), std::size_t{1});
  }

  void unreadableFolderKeepsTheSelection() {
    QVERIFY(write_file(path("a." + sample().extension), "x"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("gone")));
    auto w = open();
    QVERIFY(w);
    auto* file1 = control<QListWidget>(w.get(), "File1");
    const QStringList before = items(file1);
    QVERIFY(QDir(path("gone")).removeRecursively());
    QVERIFY(open_folder(w.get(), path("gone")));
    QCOMPARE(messages_.size(), std::size_t{1});
    QVERIFY(messages_[0].text.rfind("フォルダ " + path("gone").toStdString() + " を読み込めません。", 0) == 0);
    QCOMPARE(messages_[0].title, std::string(program_.caption));
    QCOMPARE(control<QTreeWidget>(w.get(), "Dir1")->currentItem()->data(0, Qt::UserRole).toString(), dir_->path());
    QCOMPARE(items(file1), before);
  }

  void unreadableDriveKeepsTheSelection() {
    // The mounted file systems, and a drive without its medium.
    class NoMediumDisk : public MountedDisk {
     public:
      std::vector<Mount> mounts() override {
        auto m = MountedDisk::mounts();
        m.push_back({"/media/nodisk", "EMPTY", false});
        return m;
      }
    } disk;
    auto w = open(&disk);
    QVERIFY(w);
    auto* drive1 = control<QComboBox>(w.get(), "Drive1");
    QCOMPARE(drive1->itemText(0), QStringLiteral("/"));
    const int empty = drive1->findText(QStringLiteral("/media/nodisk [EMPTY]"));
    QVERIFY(empty > 0);
    const int before = drive1->currentIndex();
    drive1->setCurrentIndex(empty);
    emit drive1->activated(empty);  // as when the user picks it
    QCOMPARE(messages_.size(), std::size_t{1});
    QCOMPARE(messages_[0].text, std::string("ドライブ /media/nodisk [EMPTY] を読み込めません。"));
    QCOMPARE(drive1->currentIndex(), before);
    QCOMPARE(control<QTreeWidget>(w.get(), "Dir1")->currentItem()->data(0, Qt::UserRole).toString(), dir_->path());
  }

  void messageBoxHasTheCriticalIconAndOneOkButton() {
    auto w = open(nullptr, false);
    QVERIFY(w);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
      }
    });
    poll.start(10);
    QTest::mouseClick(control<QPushButton>(w.get(), "Command1"), Qt::LeftButton);
    poll.stop();
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(title.toStdString(), std::string(kTitleFileChoice));
    QCOMPARE(text.toStdString(), std::string(kMsgNoFile));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }
};

}  // namespace
}  // namespace conv::window

int main(int argc, char** argv) {
  if (argc < 2 || conv::window::find_program(argv[1]) == nullptr) {
    std::fprintf(stderr, "usage: converter_window_test bentrim|parlow|quorvel [Qt Test options]\n");
    return 2;
  }
  const conv::window::Program& program = *conv::window::find_program(argv[1]);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::vector<char*> args{argv[0]};
  for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
  int qt_argc = static_cast<int>(args.size());
  QApplication app(qt_argc, args.data());
  conv::window::WindowTest test(program);
  return QTest::qExec(&test, qt_argc, args.data());
}

#include "converter_window_test.moc"
