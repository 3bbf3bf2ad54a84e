// A national system added through the real windows, offscreen: «Добавить»
// in the catalogue, the new-system window filled in with a new ellipsoid on
// WGS-84, both reference files rewritten; the system chosen at once, a typed
// point transformed, and the result compared with vexilor-cli on the same
// catalogue and with PROJ's cs2cs on the same ellipsoid and +towgs84.

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <cmath>

#include "running_program.h"

namespace vexilor {
namespace {

using testing::LastResultLine;
using testing::ReadBytes;
using testing::Words;

const std::string kName = "Опытная система 2024 (на WGS-84)";

// The system as typed: a new ellipsoid and the seven link values to WGS-84
// (shifts in metres, rotations in arc seconds, the scale correction as a
// pure number).
constexpr double kA = 6378210.0;
constexpr double kInverseFlattening = 298.29;
constexpr std::array<const char*, 7> kLink{"23.57", "-140.95", "-79.8", "0.12", "-0.35", "-0.79", "-2.2e-7"};

// Types `text` key by key; unlike QTest::keyClicks it takes letters beyond
// Latin-1, the Cyrillic of the names.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Degrees of a "d m s" text of the result boxes (the marks already blanks).
double Degrees(const QStringList& dms) {
  return dms[0].toDouble() + dms[1].toDouble() / 60.0 + dms[2].toDouble() / 3600.0;
}

// PROJ's cs2cs on the point (degrees, metres): the system as a longlat CRS
// on its ellipsoid with +towgs84, into WGS 84, in three dimensions (a 2D CRS
// would carry the height over unchanged). +towgs84 takes its rotations
// in the position-vector convention, the reverse sign of the link's
// coordinate-frame rotations; its scale in parts per million.
std::array<double, 3> Cs2cs(double latitude, double longitude, double height) {
  QStringList link;
  for (std::size_t k = 0; k < kLink.size(); ++k) {
    const double value = QString::fromLatin1(kLink[k]).toDouble();
    link << QString::number(k < 3 ? value : k < 6 ? -value : value * 1e6, 'g', 17);
  }
  QProcess cs2cs;
  cs2cs.start(QStringLiteral("cs2cs"),
              {"--3d", "-f", "%.12f", "+proj=longlat", "+a=" + QString::number(kA, 'g', 17),
               "+rf=" + QString::number(kInverseFlattening, 'g', 17), "+towgs84=" + link.join(QChar(',')), "+no_defs",
               "+to", "+proj=longlat", "+datum=WGS84", "+no_defs"});
  cs2cs.write(QStringLiteral("%1 %2 %3\n")
                  .arg(longitude, 0, 'f', 12)
                  .arg(latitude, 0, 'f', 12)
                  .arg(height, 0, 'f', 4)
                  .toLatin1());
  cs2cs.closeWriteChannel();
  if (!cs2cs.waitForFinished(30000) || cs2cs.exitCode() != 0) return {NAN, NAN, NAN};
  const QStringList out = QString::fromLatin1(cs2cs.readAllStandardOutput()).split(QRegularExpression("\\s+"),
                                                                                    Qt::SkipEmptyParts);
  if (out.size() < 3) return {NAN, NAN, NAN};
  return {out[1].toDouble(), out[0].toDouble(), out[2].toDouble()};
}

class NewSystemTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { run = std::make_unique<testing::RunningProgram>(); }
  void cleanup() { run.reset(); }

  void anAddedSystemTransformsLikeTheCliAndProj() {
    AddSystemAsSource();
    QCOMPARE(run->program.State().settings.SourceSystemName, kName);
    run->ChooseSystem("cmdOut", kWgs84Name);
    QTest::mouseClick(run->Widget<QRadioButton>("optGeodesy"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(run->Widget<QLineEdit>("txtLat_In"), "55 45 20");
    QTest::keyClicks(run->Widget<QLineEdit>("txtLon_In"), "37 37 0");
    QTest::keyClicks(run->Widget<QLineEdit>("txtHei_In"), "150");
    QTest::mouseClick(run->Widget<QPushButton>("cmdOK"), Qt::LeftButton);
    const QStringList latitude = Words(run->Widget<QLineEdit>("txtLat_Out")->text());
    const QStringList longitude = Words(run->Widget<QLineEdit>("txtLon_Out")->text());
    const QString height = run->Widget<QLineEdit>("txtHei_Out")->text();
    QCOMPARE(latitude.size(), 3);
    QCOMPARE(longitude.size(), 3);
    QCOMPARE(run->dialogs.texts, std::vector<QString>{});

    // vexilor-cli finds the system by its name in the rewritten sys.dat.
    const std::string source = run->folder.PathOf("typed.in");
    std::ofstream(source, std::ios::binary) << "BLH\r\n1 55 45 20 37 37 0 150\r\n";
    const std::string cliResults = run->folder.PathOf("cli.out");
    QVERIFY(testing::RunCli(run->folder, {"--from", ToQt(kName), "--from-type", "BLH", "--to", "WGS84", "--to-type",
                                          "BLH", "--heights", "geodetic", ToQt(source), ToQt(cliResults)}));
    QStringList line = LastResultLine(ReadBytes(cliResults));
    QCOMPARE(line.takeFirst(), QStringLiteral("1"));
    QCOMPARE(latitude + longitude, line.mid(0, 6));
    QCOMPARE(height.toDouble(), line[6].toDouble());

    // PROJ on the same ellipsoid and link; the window shows seconds to five
    // decimals (0.3 mm) and heights to 0.1 mm.
    const double b = 55.0 + 45.0 / 60.0 + 20.0 / 3600.0;
    const double l = 37.0 + 37.0 / 60.0;
    const std::array<double, 3> proj = Cs2cs(b, l, 150.0);
    QVERIFY(std::isfinite(proj[0]));
    const double dB = (Degrees(latitude) - proj[0]) * 3600.0;
    const double dL = (Degrees(longitude) - proj[1]) * 3600.0;
    const double dH = height.toDouble() - proj[2];
    qInfo("window - cs2cs: dB %.6f\", dL %.6f\", dH %.5f m", dB, dL, dH);
    QVERIFY2(std::fabs(dB) < 2e-5 && std::fabs(dL) < 2e-5 && std::fabs(dH) < 2e-4,
             qPrintable(QStringLiteral("dB %1\" dL %2\" dH %3 m").arg(dB).arg(dL).arg(dH)));
  }

  // The other way, as the target of a file run: the window's results file is
  // the one vexilor-cli writes.
  void anAddedSystemTakesAFileRunAsItsTarget() {
    AddSystemAsSource();
    run->ChooseSystem("cmdIsx", kWgs84Name);
    run->ChooseSystem("cmdOut", kName);
    QTest::mouseClick(run->Widget<QRadioButton>("optGeodesy"), Qt::LeftButton, {}, QPoint(5, 5));
    const std::string source = run->folder.PathOf("points.in");
    std::ofstream(source, std::ios::binary) << "BLH\r\n1 55 45 20 37 37 0 150\r\n2 43 10 0 131 55 30 -20.5\r\n";
    const std::string results = run->folder.PathOf("points.out");
    run->platform.openFiles.push_back(source);
    run->platform.saveFiles.push_back(results);
    QTest::mouseClick(run->Widget<QRadioButton>("optInFile"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(run->Widget<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(run->dialogs.texts, std::vector<QString>{QStringLiteral("Вычисления успешно выполнены!")});

    const std::string cliResults = run->folder.PathOf("cli.out");
    QVERIFY(testing::RunCli(run->folder, {"--from", "WGS84", "--from-type", "BLH", "--to", ToQt(kName), "--to-type",
                                          "BLH", "--heights", "geodetic", ToQt(source), ToQt(cliResults)}));
    QCOMPARE(ReadBytes(results), ReadBytes(cliResults));
    QCOMPARE(LastResultLine(ReadBytes(results)).first(), QStringLiteral("2"));
  }

 private:
  // "Выбрать" for the source, «Добавить», the new system typed and accepted
  // with both reference files rewritten, then OK on the entry the catalogue
  // selected.
  void AddSystemAsSource() {
    const FrmNewSystem& newSystem = run->program.NewSystem();
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& catalogue) {
      auto* add = catalogue.findChild<QPushButton*>(QStringLiteral("cmdAdd"));
      run->ClickIntoModal(add, newSystem, [&](FormWindow& window) { FillAndAccept(window); });
      auto* list = catalogue.findChild<QListWidget*>(QStringLiteral("lstSys"));
      const QString selected = list->currentItem() != nullptr ? list->currentItem()->text() : QString();
      const bool okFocused = run->program.Catalogue().cmdOK.HasFocus();
      QTest::mouseClick(catalogue.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
      QCOMPARE(selected, ToQt(kName));
      QVERIFY(okFocused);
    });
  }

  void FillAndAccept(FormWindow& window) {
    const auto box = [&](const QString& id) { return window.findChild<QLineEdit*>(id); };
    TypeText(box(QStringLiteral("txtNewName")), ToQt(kName));
    auto* parent = window.findChild<QComboBox*>(QStringLiteral("cboSystem"));
    QCOMPARE(parent->currentText(), QStringLiteral("WGS-84"));
    QVERIFY(!parent->isEditable());
    TypeText(box(QStringLiteral("txtEll(2)")), QStringLiteral("Опытный 2024"));
    QTest::keyClicks(box(QStringLiteral("txtEll(0)")), QString::number(kA, 'f', 0));
    QTest::keyClicks(box(QStringLiteral("txtEll(1)")), QString::number(kInverseFlattening, 'f', 2));
    for (int i = 0; i < 7; ++i) {
      QTest::keyClicks(box(QStringLiteral("txt1(%1)").arg(i)), QString::fromLatin1(kLink[static_cast<std::size_t>(i)]));
    }
    testing::RunningProgram::SaveScreenshot(window, "new_system.png");
    // ellips.dat first, then sys.dat; no backups.
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes, QMessageBox::No}) {
      run->dialogs.Answer(answer);
    }
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(run->dialogs.texts.size(), std::size_t{4});
    run->dialogs.texts.clear();
  }

  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace
}  // namespace vexilor

QTEST_MAIN(vexilor::NewSystemTest)
#include "new_system_test.moc"
