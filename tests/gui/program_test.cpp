// The whole program through its real widgets, offscreen: the main window
// started on a private program folder, systems chosen in the real catalogue
// window, a typed point and a file transformed.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBrowser>

#include "qt/help_viewer.h"
#include "refdata/data_folders.h"
#include "running_program.h"

namespace vexilor {
namespace {

using testing::LastResultLine;
using testing::ReadBytes;
using testing::Words;

const std::filesystem::path kDataDir = std::filesystem::path(VEXILOR_SOURCE_DIR) / "tests" / "gui" / "data";

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    run = std::make_unique<testing::RunningProgram>();
    QVERIFY(!run->platform.QuitRequested());
    QVERIFY(run->main != nullptr && run->main->isVisible());
  }

  void cleanup() { run.reset(); }

  void typedPointGivesTheResultsTheCommandLineToolWrites() {
    ChooseSystems();
    const std::string results = run->folder.PathOf("typed.out");
    run->platform.saveFiles.push_back(results);
    QTest::mouseClick(run->Widget<QCheckBox>("chkFile"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(run->Widget<QCheckBox>("chkFile")->isChecked());
    QTest::keyClicks(run->Widget<QLineEdit>("txtLat_In"), "55 45 20");
    QTest::keyClicks(run->Widget<QLineEdit>("txtLon_In"), "37 37 0");
    QTest::keyClicks(run->Widget<QLineEdit>("txtHei_In"), "150");
    auto* execute = run->Widget<QPushButton>("cmdOK");
    QVERIFY(execute->isEnabled());
    QTest::mouseClick(execute, Qt::LeftButton);
    testing::RunningProgram::SaveScreenshot(*run->main, "main_window.png");

    const QStringList boxes = Words(run->Widget<QLineEdit>("txtLat_Out")->text()) +
                              Words(run->Widget<QLineEdit>("txtLon_Out")->text()) +
                              Words(run->Widget<QLineEdit>("txtHei_Out")->text());
    QCOMPARE(boxes.size(), 7);  // d m s, d m s, H

    // The same point through vexilor-cli.
    const std::string source = run->folder.PathOf("typed.in");
    std::ofstream(source, std::ios::binary) << "BLH\r\n1 55 45 20 37 37 0 150\r\n";
    const std::string cliResults = run->folder.PathOf("cli.out");
    QVERIFY(testing::RunCli(run->folder, {"--from", "CK42", "--from-type", "BLH", "--to", "WGS84", "--to-type", "BLH",
                                          ToQt(source), ToQt(cliResults)}));
    const std::string cliBytes = ReadBytes(cliResults);
    QCOMPARE(ReadBytes(results), cliBytes);  // the window's results file, byte for byte
    QStringList line = LastResultLine(cliBytes);
    QCOMPARE(line.takeFirst(), QStringLiteral("1"));
    QCOMPARE(boxes.mid(0, 6), line.mid(0, 6));
    QCOMPARE(boxes[6].toDouble(), line[6].toDouble());
    QCOMPARE(run->dialogs.texts, std::vector<QString>{});
  }

  void fileRunWritesTheExpectedResultsFile() {
    ChooseSystems();
    const std::string source = run->folder.PathOf("points.in");
    std::filesystem::copy_file(kDataDir / "ck42_to_wgs84.in", source);
    const std::string results = run->folder.PathOf("points.out");
    run->platform.openFiles.push_back(source);
    run->platform.saveFiles.push_back(results);
    QTest::mouseClick(run->Widget<QRadioButton>("optInFile"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(run->Widget<QCheckBox>("chkFile")->isChecked());
    QVERIFY(!run->Widget<QCheckBox>("chkScreen")->isChecked());
    QTest::mouseClick(run->Widget<QPushButton>("cmdOK"), Qt::LeftButton);

    QCOMPARE(run->dialogs.texts, std::vector<QString>{QStringLiteral("Вычисления успешно выполнены!")});
    QCOMPARE(ReadBytes(results), ReadBytes(kDataDir / "ck42_to_wgs84.out"));
    QVERIFY(!run->program.Progress().Dialog()->isVisible());
    // The run ends with the main window back at its start.
    QVERIFY(run->Widget<QRadioButton>("optInScreen")->isChecked());
    QCOMPARE(run->program.State().settings.SourceSystemName, std::string());
  }

  void helpOpensTheShippedGuide() {
    QAction* help = run->main->ActionFor(run->program.MainWindow().mnuHelp);
    QVERIFY(help != nullptr);
    help->trigger();
    QVERIFY(run->platform.Help() != nullptr && run->platform.Help()->isVisible());
    QVERIFY(run->platform.Help()->Browser()->toPlainText().contains(QStringLiteral("Главное окно")));
  }

  // The installed program keeps the user's catalogue where Qt keeps the
  // data of an application named vexilor, and vexilor-cli finds it there.
  void userCatalogueIsQtsApplicationDataFolder() {
    const QString testName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("vexilor"));
    const QString qtFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(testName);
    QCOMPARE(ToQt(UserCatalogueFolder().string()), qtFolder);
  }

 private:
  void ChooseSystems() {
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseSystem("cmdOut", kWgs84Name);
    QCOMPARE(run->program.State().settings.SourceSystemName, kCk42Name);
    QCOMPARE(run->program.State().settings.TargetSystemName, kWgs84Name);
  }

  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace
}  // namespace vexilor

QTEST_MAIN(vexilor::ProgramTest)
#include "program_test.moc"
