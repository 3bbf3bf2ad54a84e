#pragma once
// The whole program started on a private program folder (copies of the
// shipped reference files, grid and help), ready to be driven through its
// widgets; and the helpers the program's GUI tests share.

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "gui_support.h"
#include "qt/program.h"
#include "qt/qt_text.h"
#include "support/temp_folder.h"

namespace vexilor::testing {

inline const std::filesystem::path kProgramDir = VEXILOR_PROGRAM_DIR;

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The words of a result line or box, the angle marks counted as blanks.
inline QStringList Words(QString text) {
  for (const QChar mark : {QChar(0x00B0), QChar('\''), QChar('"')}) text.replace(mark, QChar(' '));
  return text.split(QChar(' '), Qt::SkipEmptyParts);
}

// The last line of a results file, as words.
inline QStringList LastResultLine(const std::string& bytes) {
  return Words(QString::fromLatin1(bytes).trimmed().split(QStringLiteral("\r\n")).last());
}

// Runs vexilor-cli on the program's folder; true when it exits with 0.
inline bool RunCli(const TempFolder& folder, QStringList arguments) {
  QProcess cli;
  cli.start(ToQt((kProgramDir / "vexilor-cli").string()), QStringList{"--data", ToQt(folder.text())} + arguments);
  return cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
}

class RunningProgram {
 public:
  RunningProgram() {
    for (const char* name : {"sys.dat", "ellips.dat", "keys.dat", "wgeoid.mat", "vexilor.hlp"}) {
      std::filesystem::copy_file(kProgramDir / name, folder.path() / name);
    }
    program.Start();
    main = platform.WindowOf(program.MainWindow());
  }
  ~RunningProgram() { host.reset(); }  // the windows go before their forms

  // The widget `id` of the window of `form` (the main window by default).
  template <class W>
  W* Widget(const char* id, const Form* form = nullptr) const {
    const FormWindow* window = form == nullptr ? main : platform.WindowOf(*form);
    auto* widget = window == nullptr ? nullptr : window->findChild<W*>(QString::fromUtf8(id));
    if (widget == nullptr) qFatal("no widget %s", id);
    return widget;
  }

  // Clicks `button` of the main window, which shows `form` modally (perhaps
  // after message boxes), and lets `user` act in that window once it is up.
  void ClickIntoModal(const char* button, const Form& form, const std::function<void(FormWindow&)>& user) {
    ClickIntoModal(Widget<QPushButton>(button), form, user);
  }

  // The same for a button of any window, e.g. of a modal window over the
  // main window.
  void ClickIntoModal(QPushButton* button, const Form& form, const std::function<void(FormWindow&)>& user) {
    IntoModal([button] { QTest::mouseClick(button, Qt::LeftButton); }, form, user);
  }

  // The same for a menu item the user picks.
  void PickIntoModal(QAction* item, const Form& form, const std::function<void(FormWindow&)>& user) {
    QVERIFY(item != nullptr);
    IntoModal([item] { item->trigger(); }, form, user);
  }

  // `act` shows `form` modally; `user` acts in it once it is up.
  void IntoModal(const std::function<void()>& act, const Form& form, const std::function<void(FormWindow&)>& user) {
    bool shown = false;
    // The main window is the timer's context: should the act not open the
    // form, the pending user dies with the program instead of running in
    // the next test.
    QTimer poll(main);
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, main, [&] {
      FormWindow* window = platform.WindowOf(form);
      if (window == nullptr || !window->isVisible() || QApplication::activeModalWidget() != window) return;
      poll.stop();
      shown = true;
      user(*window);
    });
    poll.start();
    act();
    QVERIFY(shown);
  }

  // "Выбрать" of one side, the entry picked in the catalogue list, OK.
  void ChooseSystem(const char* button, const std::string& name) {
    ClickIntoModal(button, program.Catalogue(), [&](FormWindow& catalogue) {
      auto* list = catalogue.findChild<QListWidget*>(QStringLiteral("lstSys"));
      const auto found = list->findItems(ToQt(name), Qt::MatchExactly);
      QCOMPARE(found.size(), 1);
      list->setCurrentItem(found.first());
      SaveScreenshot(catalogue, "catalogue.png");
      QTest::mouseClick(catalogue.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
  }

  // The user picks entry `index` of a combo box of the main window.
  void ChooseType(const char* list, int index) {
    auto* combo = Widget<QComboBox>(list);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
  }

  // Pictures for the README when VEXILOR_SCREENSHOTS names a folder.
  static void SaveScreenshot(QWidget& window, const char* name) {
    const QString shots = qEnvironmentVariable("VEXILOR_SCREENSHOTS");
    if (shots.isEmpty()) return;
    QCoreApplication::processEvents();  // pending layout changes first
    window.grab().save(shots + QChar('/') + QString::fromLatin1(name));
  }

  TempFolder folder;
  // The places of the windows are remembered in the test's own folder.
  std::unique_ptr<FileAnsweringPlatform> host = std::make_unique<FileAnsweringPlatform>(
      std::make_unique<QSettings>(ToQt(folder.PathOf("vexilor.ini")), QSettings::IniFormat));
  FileAnsweringPlatform& platform = *host;
  ProgramWindows program{platform, {folder.path(), folder.path()}};
  DialogWatcher dialogs;
  LeftOpenCloser closer;
  FormWindow* main = nullptr;
};

}  // namespace vexilor::testing
