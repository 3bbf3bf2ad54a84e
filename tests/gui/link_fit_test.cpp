// The link fitted to common points through the real windows, offscreen:
// the catalogue's «По общим точкам…», the example files of the README
// (СК-42 Gauss-Krüger marks with normal heights, the same marks in WGS-84
// X Y Z), a fit, mark 27 left out, a second fit, and the new-system window
// filled with the link - the one vexilor-cli fit prints for the same files.

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "running_program.h"

namespace vexilor {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(VEXILOR_SOURCE_DIR) / "data" / "examples";

// The seven values of vexilor-cli fit's last line, "link: Dx Dy Dz m Wx Wy
// Wz", in the order of the new-system window's boxes (Dx Dy Dz Wx Wy Wz m).
QStringList CliLink(const testing::TempFolder& folder, const QStringList& arguments) {
  QProcess cli;
  cli.start(ToQt((testing::kProgramDir / "vexilor-cli").string()),
            QStringList{"fit", "--data", ToQt(folder.text())} + arguments);
  if (!cli.waitForFinished(30000) || cli.exitCode() != 0) return {};
  const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split(QChar('\n'), Qt::SkipEmptyParts);
  QStringList link = lines.last().split(QChar(' '), Qt::SkipEmptyParts);
  if (link.size() != 8 || link.takeFirst() != QStringLiteral("link:")) return {};
  link.move(3, 6);  // m last
  return link;
}

class LinkFitTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { run = std::make_unique<testing::RunningProgram>(); }
  void cleanup() { run.reset(); }

  void examplesFromTheCatalogueToAFilledNewSystemWindow() {
    std::vector<std::string> files;
    for (const char* name : {"ck42-gk-marks.in", "wgs84-xyz-marks.in"}) {
      std::filesystem::copy_file(kExamples / name, run->folder / name);
      files.push_back(run->folder.PathOf(name));
    }
    const QStringList expected =
        CliLink(run->folder, {"--from", "CK42", "--from-type", "xyH", "--from-proj", "gk", "--to", "WGS84",
                              "--to-type", "XYZ", "--exclude", "27", ToQt(files[0]), ToQt(files[1])});
    QCOMPARE(expected.size(), 7);
    QStringList shown;
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& catalogue) {
      auto* fit = catalogue.findChild<QPushButton*>(QStringLiteral("cmdFit"));
      run->ClickIntoModal(fit, run->program.LinkFit(), [&](FormWindow& window) {
        for (std::size_t set = 0; set < files.size(); ++set) {
          run->platform.openFiles.push_back(files[set]);
          QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdFile(%1)").arg(set)), Qt::LeftButton);
        }
        auto* compute = window.findChild<QPushButton*>(QStringLiteral("cmdFit"));
        QTest::mouseClick(compute, Qt::LeftButton);
        auto* points = window.findChild<QListWidget*>(QStringLiteral("lstPoints"));
        QCOMPARE(points->count(), 9);
        const auto outlier = points->findItems(QStringLiteral("> 3σ"), Qt::MatchEndsWith);
        QCOMPARE(outlier.size(), 1);
        QVERIFY(outlier.first()->text().contains(QStringLiteral(" 27 ")));
        points->setCurrentItem(outlier.first());
        QTest::mouseClick(window.findChild<QCheckBox*>(QStringLiteral("chkUse")), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(compute, Qt::LeftButton);
        testing::RunningProgram::SaveScreenshot(window, "link_fit.png");
        auto* add = window.findChild<QPushButton*>(QStringLiteral("cmdAdd"));
        run->ClickIntoModal(add, run->program.NewSystem(), [&](FormWindow& added) {
          for (int i = 0; i < 7; ++i) shown << added.findChild<QLineEdit*>(QStringLiteral("txt1(%1)").arg(i))->text();
          QCOMPARE(added.findChild<QLineEdit*>(QStringLiteral("txtEll(2)"))->text(), QStringLiteral("Krassovsky 1940"));
          QTest::keyClick(&added, Qt::Key_Escape);
        });
        QTest::keyClick(&window, Qt::Key_Escape);
      });
      QTest::keyClick(&catalogue, Qt::Key_Escape);
    });
    QCOMPARE(shown, expected);
    QCOMPARE(run->dialogs.texts, std::vector<QString>{});
  }

 private:
  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace
}  // namespace vexilor

QTEST_MAIN(vexilor::LinkFitTest)
#include "link_fit_test.moc"
