// Plane coordinates from the main window through the real widgets,
// offscreen: the projection dialog for a state system, the link step of a
// local system from keys.dat and from the keyboard dialog, each result
// checked against vexilor-cli with the equivalent projection.

#include <QLineEdit>
#include <QRadioButton>

#include "running_program.h"

namespace vexilor {
namespace {

using testing::LastResultLine;
using testing::ReadBytes;
using testing::Words;

class PlaneSidesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { run = std::make_unique<testing::RunningProgram>(); }
  void cleanup() { run.reset(); }

  void projectionDialogSetsUtmForTheTarget() {
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseSystem("cmdOut", kWgs84Name);
    run->ChooseType("cboTypeOut", 2);
    FrmProjection& dialog = run->program.Projection();
    run->ClickIntoModal("cmdParProOut", dialog, [&](FormWindow& window) {
      // Not set yet: the dialog opens on Gauss-Krüger; the user switches to UTM.
      auto* utm = window.findChild<QRadioButton*>(QStringLiteral("optPro(2)"));
      QVERIFY(!utm->isChecked());
      QTest::mouseClick(utm, Qt::LeftButton, {}, QPoint(5, 5));
      QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txt1(5)"))->text(), QStringLiteral("0.9996"));
      testing::RunningProgram::SaveScreenshot(window, "projection.png");
      QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
      QVERIFY(!window.isVisible());
    });
    const ProjectionSlots& target = run->program.State().projection.params.target;
    QVERIFY(target.Kind() == ProjectionKind::Utm);
    QCOMPARE(target.ZoneOneAxialMeridian(), 183.0);
    QCOMPARE(target.FalseX(), 500000.0);
    QCOMPARE(target.Scale(), 0.9996);
    CompareTypedPointWithCli({"--to", "WGS84", "--to-type", "xyH", "--to-proj", "utm"});
  }

  void localSystemTakesItsLinkFromKeysDat() {
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseSystem("cmdOut", kMck42Name);
    run->dialogs.Answer(QMessageBox::Yes);           // from the file
    run->dialogs.Type(QStringLiteral("example-mck42"));  // found in upper case
    QTest::mouseClick(run->Widget<QPushButton>("cmdParProOut"), Qt::LeftButton);
    QCOMPARE(run->dialogs.texts.size(), std::size_t{2});
    const ProjectionSlots& target = run->program.State().projection.params.target;
    QCOMPARE(target.ZoneOneAxialMeridian(), 37.5);
    QCOMPARE(target.FalseY(), 500000.0);
    run->dialogs.texts.clear();
    // keys.dat: EXAMPLE-MCK42 37 30 6 0 500 — slots 1 to 9 in metres.
    CompareTypedPointWithCli({"--to", "MCK42", "--to-type", "xyH", "--to-proj", "0,0,37.5,6,0,500000,1,0,0"});
  }

  void keyboardDialogTakesTheLinkOfACk63Region() {
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseSystem("cmdOut", kCk63Name);
    run->dialogs.Answer(QMessageBox::No);  // from the keyboard
    FrmLocalLink& dialog = run->program.LocalLink();
    run->ClickIntoModal("cmdParProOut", dialog, [&](FormWindow& window) {
      const auto box = [&](const char* id) { return window.findChild<QLineEdit*>(QString::fromLatin1(id)); };
      QTest::keyClicks(box("txtDlg1"), "23 3x0");  // "x" is refused
      QCOMPARE(box("txtDlg1")->text(), QStringLiteral("23 30"));
      QTest::keyClicks(box("txtDlg2"), "3");
      QTest::keyClicks(box("txtDlg3"), "30");  // minutes of arc for a СК-63 region
      QTest::keyClicks(box("txtDlg4"), "250");
      testing::RunningProgram::SaveScreenshot(window, "local_link.png");
      QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdKey")), Qt::LeftButton);
      QVERIFY(!window.isVisible());
    });
    const ProjectionSlots& target = run->program.State().projection.params.target;
    QCOMPARE(target.ZoneOneAxialMeridian(), 23.5);
    QCOMPARE(target.ZoneWidth(), 3.0);
    QVERIFY(qAbs(target.FalseX() - 55288.14) < 1e-6);
    QCOMPARE(target.FalseY(), 250000.0);
    QCOMPARE(run->dialogs.texts.size(), std::size_t{1});
  }

 private:
  // A typed СК-42 point run from the main window (zone computed) equals the
  // line vexilor-cli writes for it with `target` options.
  void CompareTypedPointWithCli(const QStringList& target) {
    QTest::keyClicks(run->Widget<QLineEdit>("txtLat_In"), "55 45 20");
    QTest::keyClicks(run->Widget<QLineEdit>("txtLon_In"), "37 37 0");
    QTest::keyClicks(run->Widget<QLineEdit>("txtHei_In"), "150");
    run->dialogs.Type(QStringLiteral("0"));  // the zone: computed for the point
    QTest::mouseClick(run->Widget<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(run->dialogs.texts.size(), std::size_t{1});  // the zone question only
    const QStringList boxes = Words(run->Widget<QLineEdit>("txtLat_Out")->text()) +
                              Words(run->Widget<QLineEdit>("txtLon_Out")->text()) +
                              Words(run->Widget<QLineEdit>("txtHei_Out")->text());

    const std::string source = run->folder.PathOf("typed.in");
    std::ofstream(source, std::ios::binary) << "BLH\r\n1 55 45 20 37 37 0 150\r\n";
    const std::string results = run->folder.PathOf("cli.out");
    QVERIFY(testing::RunCli(run->folder, QStringList{"--from", "CK42", "--from-type", "BLH"} + target +
                                             QStringList{ToQt(source), ToQt(results)}));
    QStringList line = LastResultLine(ReadBytes(results));
    line.removeFirst();  // the point number
    QCOMPARE(boxes.size(), 3);
    for (int i = 0; i < 3; ++i) QCOMPARE(boxes[i].toDouble(), line[i].toDouble());
  }

  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace
}  // namespace vexilor

QTEST_MAIN(vexilor::PlaneSidesTest)
#include "plane_sides_test.moc"
