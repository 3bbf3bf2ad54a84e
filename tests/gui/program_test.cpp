// The whole program through its real widgets, offscreen: the main window
// started on a private program folder, systems chosen in the real catalogue
// window, a typed point and a file transformed.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QCheckBox>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "gui_support.h"
#include "qt/help_viewer.h"
#include "qt/program.h"
#include "qt/qt_text.h"
#include "support/temp_folder.h"

namespace vexilor {
namespace {

const std::filesystem::path kProgramDir = VEXILOR_PROGRAM_DIR;
const std::filesystem::path kDataDir = std::filesystem::path(__FILE__).parent_path() / "data";

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The words of a result line or box, the angle marks counted as blanks.
QStringList Words(QString text) {
  for (const QChar mark : {QChar(0x00B0), QChar('\''), QChar('"')}) text.replace(mark, QChar(' '));
  return text.split(QChar(' '), Qt::SkipEmptyParts);
}

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder = std::make_unique<testing::TempFolder>();
    for (const char* name : {"sys.dat", "ellips.dat", "keys.dat", "wgeoid.mat", "vexilor.hlp"}) {
      std::filesystem::copy_file(kProgramDir / name, folder->path() / name);
    }
    platform = std::make_unique<testing::FileAnsweringPlatform>();
    program = std::make_unique<ProgramWindows>(*platform, folder->text());
    messages = std::make_unique<testing::MessageWatcher>();
    program->Start();
    QVERIFY(!platform->QuitRequested());
    main = platform->WindowOf(program->MainWindow());
    QVERIFY(main != nullptr && main->isVisible());
  }

  void cleanup() {
    messages.reset();
    platform.reset();  // the windows go before their forms
    program.reset();
    folder.reset();
  }

  void typedPointGivesTheResultsTheCommandLineToolWrites() {
    ChooseSystems();
    const std::string results = folder->PathOf("typed.out");
    platform->saveFiles.push_back(results);
    QTest::mouseClick(Widget<QCheckBox>("chkFile"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(Widget<QCheckBox>("chkFile")->isChecked());
    QTest::keyClicks(Widget<QLineEdit>("txtLat_In"), "55 45 20");
    QTest::keyClicks(Widget<QLineEdit>("txtLon_In"), "37 37 0");
    QTest::keyClicks(Widget<QLineEdit>("txtHei_In"), "150");
    auto* execute = Widget<QPushButton>("cmdOK");
    QVERIFY(execute->isEnabled());
    QTest::mouseClick(execute, Qt::LeftButton);
    SaveScreenshot(*main, "main_window.png");

    const QStringList boxes = Words(Widget<QLineEdit>("txtLat_Out")->text()) +
                              Words(Widget<QLineEdit>("txtLon_Out")->text()) +
                              Words(Widget<QLineEdit>("txtHei_Out")->text());
    QCOMPARE(boxes.size(), 7);  // d m s, d m s, H

    // The same point through vexilor-cli.
    const std::string source = folder->PathOf("typed.in");
    std::ofstream(source, std::ios::binary) << "BLH\r\n1 55 45 20 37 37 0 150\r\n";
    const std::string cliResults = folder->PathOf("cli.out");
    QProcess cli;
    cli.start(ToQt((kProgramDir / "vexilor-cli").string()),
              {"--from", "CK42", "--from-type", "BLH", "--to", "WGS84", "--to-type", "BLH", "--data",
               ToQt(folder->text()), ToQt(source), ToQt(cliResults)});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    const std::string cliBytes = ReadBytes(cliResults);
    QCOMPARE(ReadBytes(results), cliBytes);  // the window's results file, byte for byte
    const QString lastLine = QString::fromLatin1(cliBytes).trimmed().split(QStringLiteral("\r\n")).last();
    QStringList line = Words(lastLine);
    QCOMPARE(line.takeFirst(), QStringLiteral("1"));
    QCOMPARE(boxes.mid(0, 6), line.mid(0, 6));
    QCOMPARE(boxes[6].toDouble(), line[6].toDouble());
    QCOMPARE(messages->texts, std::vector<QString>{});
  }

  void fileRunWritesTheExpectedResultsFile() {
    ChooseSystems();
    const std::string source = folder->PathOf("points.in");
    std::filesystem::copy_file(kDataDir / "ck42_to_wgs84.in", source);
    const std::string results = folder->PathOf("points.out");
    platform->openFiles.push_back(source);
    platform->saveFiles.push_back(results);
    QTest::mouseClick(Widget<QRadioButton>("optInFile"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(Widget<QCheckBox>("chkFile")->isChecked());
    QVERIFY(!Widget<QCheckBox>("chkScreen")->isChecked());
    QTest::mouseClick(Widget<QPushButton>("cmdOK"), Qt::LeftButton);

    QCOMPARE(messages->texts, std::vector<QString>{QStringLiteral("Вычисления успешно выполнены!")});
    QCOMPARE(ReadBytes(results), ReadBytes(kDataDir / "ck42_to_wgs84.out"));
    QVERIFY(!program->Progress().Dialog().isVisible());
    // The run ends with the main window back at its start.
    QVERIFY(Widget<QRadioButton>("optInScreen")->isChecked());
    QCOMPARE(program->State().settings.SourceSystemName, std::string());
  }

  void helpOpensTheShippedGuide() {
    QAction* help = main->ActionFor(program->MainWindow().mnuHelp);
    QVERIFY(help != nullptr);
    help->trigger();
    QVERIFY(platform->Help() != nullptr && platform->Help()->isVisible());
    QVERIFY(platform->Help()->Browser()->toPlainText().contains(QStringLiteral("Главное окно")));
  }

 private:
  template <class W>
  W* Widget(const char* id) const {
    auto* widget = main->findChild<W*>(QString::fromUtf8(id));
    if (widget == nullptr) qFatal("no widget %s", id);
    return widget;
  }

  // "Выбрать" of one side, the entry picked in the catalogue list, OK.
  void ChooseSystem(const char* button, const std::string& name) {
    bool shown = false;
    QTimer::singleShot(0, this, [&] {
      FormWindow* catalogue = platform->WindowOf(program->Catalogue());
      QVERIFY(catalogue != nullptr && catalogue->isVisible());
      shown = true;
      auto* list = catalogue->findChild<QListWidget*>(QStringLiteral("lstSys"));
      const auto found = list->findItems(ToQt(name), Qt::MatchExactly);
      QCOMPARE(found.size(), 1);
      list->setCurrentItem(found.first());
      SaveScreenshot(*catalogue, "catalogue.png");
      QTest::mouseClick(catalogue->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    QTest::mouseClick(Widget<QPushButton>(button), Qt::LeftButton);
    QVERIFY(shown);
  }

  void ChooseSystems() {
    ChooseSystem("cmdIsx", kCk42Name);
    ChooseSystem("cmdOut", kWgs84Name);
    QCOMPARE(program->State().settings.SourceSystemName, kCk42Name);
    QCOMPARE(program->State().settings.TargetSystemName, kWgs84Name);
  }

  // Pictures for the README when VEXILOR_SCREENSHOTS names a folder.
  static void SaveScreenshot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("VEXILOR_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QCoreApplication::processEvents();  // pending layout changes first
    window.grab().save(folder + QChar('/') + QString::fromLatin1(name));
  }

  std::unique_ptr<testing::TempFolder> folder;
  std::unique_ptr<testing::FileAnsweringPlatform> platform;
  std::unique_ptr<ProgramWindows> program;
  std::unique_ptr<testing::MessageWatcher> messages;
  FormWindow* main = nullptr;
};

}  // namespace
}  // namespace vexilor

QTEST_MAIN(vexilor::ProgramTest)
#include "program_test.moc"
