// The service window through its real widgets, offscreen: opened from the
// main window's «Сервис», each tool chosen from its menus; the sheet tools
// give what vexilor-cli gives on the same input.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "qt/twips.h"
#include "running_program.h"

namespace vexilor {
namespace {

// What vexilor-cli prints on standard output for `arguments`; empty when it
// fails.
QString CliOutput(const QStringList& arguments) {
  QProcess cli;
  cli.start(ToQt((testing::kProgramDir / "vexilor-cli").string()), arguments);
  if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) return {};
  return QString::fromUtf8(cli.readAllStandardOutput());
}

// An edge as the window shows it ("-22° 40.00'") in decimal degrees.
double EdgeDegrees(const QString& text) {
  const QStringList parts = testing::Words(text);
  const double degrees = parts.value(0).toDouble();
  const double minutes = parts.value(1).toDouble();
  return text.startsWith(QChar('-')) ? degrees - minutes / 60 : degrees + minutes / 60;
}

class ServiceWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    run = std::make_unique<testing::RunningProgram>();
    QVERIFY(run->main != nullptr && run->main->isVisible());
  }

  void cleanup() { run.reset(); }

  void nomenclatureAndFrameMatchTheCommandLine() {
    OpenService([this](FormWindow& service) {
      QVERIFY(QApplication::activeModalWidget() == &service);
      // The window stands at the main window's left edge, 640 twips below its top.
      QCOMPARE(service.frameGeometry().left(), run->main->frameGeometry().left());
      QCOMPARE(service.frameGeometry().top() - run->main->frameGeometry().top(),
               TwipsToPixels(640, service.DotsPerInch()));

      Choose(service, run->program.Service().mnuNameNom);
      QCOMPARE(run->dialogs.texts.size(), std::size_t{1});  // the СК-42 warning, answered OK
      QVERIFY(service.findChild<QRadioButton*>(QStringLiteral("optScale(0)"))->isChecked());
      // Digits typed at once go into the first box, not to a scale button.
      QCOMPARE(service.focusWidget(), service.findChild<QLineEdit*>(QStringLiteral("txtCoord(0)")));
      QTest::mouseClick(service.findChild<QRadioButton*>(QStringLiteral("optScale(4)")), Qt::LeftButton, {},
                        QPoint(5, 5));
      QTest::keyClicks(service.findChild<QLineEdit*>(QStringLiteral("txtCoord(0)")), "55 45 20.5");
      QTest::keyClicks(service.findChild<QLineEdit*>(QStringLiteral("txtCoord(1)")), "37 37 0");
      QTest::mouseClick(service.findChild<QPushButton*>(QStringLiteral("cmdOK(0)")), Qt::LeftButton);
      const QString name = service.findChild<QLineEdit*>(QStringLiteral("txtNom"))->text();
      QCOMPARE(name, QStringLiteral("(N) N-37-4-В"));
      QCOMPARE(name + QChar('\n'), CliOutput({"sheet", "--scale", "50000", "55 45 20.5", "37 37 0"}));
      testing::RunningProgram::SaveScreenshot(service, "service_nomenclature.png");

      Choose(service, run->program.Service().mnuRamka);
      QCOMPARE(service.focusWidget(), service.findChild<QLineEdit*>(QStringLiteral("txtNom1")));
      QTest::mouseClick(service.findChild<QRadioButton*>(QStringLiteral("optScale(10)")), Qt::LeftButton, {},
                        QPoint(5, 5));
      QTest::keyClicks(service.findChild<QLineEdit*>(QStringLiteral("txtNom1")), "(S) F-23-46");
      auto* execute = service.findChild<QPushButton*>(QStringLiteral("cmdOK(1)"));
      QTest::mouseClick(execute, Qt::LeftButton);
      const QStringList cli =
          CliOutput({"frame", "--scale", "100000", "(S) F-23-46"}).split(QChar('\n'), Qt::SkipEmptyParts);
      QCOMPARE(cli.size(), 5);
      const QStringList edges = cli[0].split(QChar(' '));
      for (int k = 0; k < 4; ++k) {
        const QString shown = service.findChild<QLineEdit*>(QStringLiteral("txtCoord(%1)").arg(k + 2))->text();
        QVERIFY2(std::fabs(EdgeDegrees(shown) - edges[k].toDouble()) < 0.005 / 60, qPrintable(shown));
      }
      testing::RunningProgram::SaveScreenshot(service, "service_frame.png");

      QTest::mouseClick(service.findChild<QRadioButton*>(QStringLiteral("optCoord(3)")), Qt::LeftButton, {},
                        QPoint(5, 5));
      QTest::mouseClick(execute, Qt::LeftButton);
      const QString corners = service.findChild<QPlainTextEdit*>(QStringLiteral("txtRmkXY"))->toPlainText();
      QCOMPARE(corners.split(QChar('\n')), cli.mid(1));
      testing::RunningProgram::SaveScreenshot(service, "service_frame_corners.png");

      QTest::mouseClick(service.findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
    });
    QVERIFY(!run->program.Service().Visible());
    QCOMPARE(run->dialogs.texts.size(), std::size_t{2});  // the two warnings
  }

  void conversionsShowTheirResults() {
    struct Case {
      Control& menu;
      const char* source;
      const char* list;
      int unit;
      const char* typed;
      bool readyForNext;  // after Enter, the source box selected for the next value
      const char* output;
      const char* result;
      const char* picture;
    };
    FrmService& s = run->program.Service();
    const Case cases[] = {
        {s.mnuGradusGrad, "txtAngle(0)", "cboRazmAngle(1)", 0, "90", false, "txtAngle(1)", "  100 00 00.0000",
         "service_degrees_to_grads.png"},
        {s.mnuGradGradus, "txtAngle(2)", "cboRazmAngle(0)", 0, "100 50 25", false, "txtAngle(3)",
         "   90 27 08.10000", "service_grads_to_degrees.png"},
        {s.mnuAnglMetric, "txtAngle(4)", "cboRazmAngle(2)", 0, "1 2 6", true, "txtAngle(5)", "1.6764",
         "service_english_to_metric.png"},
        {s.mnuMetricAngl, "txtAngle(7)", "cboRazmAngle(3)", 3, "2", true, "txtAngle(6)", " 6   6.74",
         "service_metric_to_english.png"},
    };
    OpenService([&](FormWindow& service) {
      for (const Case& c : cases) {
        Choose(service, c.menu);
        auto* list = service.findChild<QComboBox*>(QString::fromLatin1(c.list));
        list->setCurrentIndex(c.unit);
        Q_EMIT list->activated(c.unit);
        auto* source = service.findChild<QLineEdit*>(QString::fromLatin1(c.source));
        QTest::keyClicks(source, c.typed);
        QTest::keyClick(source, Qt::Key_Return);
        QCOMPARE(service.findChild<QLineEdit*>(QString::fromLatin1(c.output))->text(), QString::fromUtf8(c.result));
        if (c.readyForNext) {
          QCOMPARE(service.focusWidget(), source);
          QCOMPARE(source->selectedText(), QString::fromLatin1(c.typed));
        }
        testing::RunningProgram::SaveScreenshot(service, c.picture);
      }
      QTest::mouseClick(service.findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
    });
    QCOMPARE(run->dialogs.texts, std::vector<QString>{});
  }

 private:
  // «Сервис» of the main window; `user` acts in the service window once it
  // is up and must close it.
  void OpenService(const std::function<void(FormWindow&)>& user) {
    run->PickIntoModal(run->main->ActionFor(run->program.MainWindow().mnuServis), run->program.Service(), user);
  }

  // A menu item of the service window, as the user picks it.
  static void Choose(FormWindow& service, const Control& item) {
    QAction* action = service.ActionFor(item);
    QVERIFY(action != nullptr && action->isEnabled());
    action->trigger();
  }

  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace
}  // namespace vexilor

QTEST_MAIN(vexilor::ServiceWindowTest)
#include "service_window_test.moc"
