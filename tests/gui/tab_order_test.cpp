// Tab goes through every window as the eye reads it: top to bottom, and
// left to right along a row, a frame taken whole before what follows it.
// The test walks the real tab chain of each window and compares it with
// the places of the controls on the screen.

#include <QAction>
#include <QRadioButton>
#include <algorithm>

#include "running_program.h"
#include "windows/service_window.h"

namespace vexilor {
namespace {

// The place of `widget` in `window`.
QRect PlaceIn(const QWidget& widget, const QWidget& window) {
  return {widget.mapTo(&window, QPoint(0, 0)), widget.size()};
}

bool Holds(const QWidget& container, const QSet<QWidget*>& wanted) {
  return std::any_of(wanted.begin(), wanted.end(), [&](QWidget* w) { return container.isAncestorOf(w); });
}

// The widgets of `wanted` inside `container` in reading order. A row is
// the topmost item and every item that begins above the row's bottom (a
// tall frame beside a column of frames makes one row with them); a row is
// read from left to right, a frame in it whole.
void ReadingOrder(QWidget& container, const QWidget& window, const QSet<QWidget*>& wanted, QList<QWidget*>& out) {
  QList<QWidget*> items;
  for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisible() && (wanted.contains(child) || Holds(*child, wanted))) items << child;
  }
  const auto top = [&](QWidget* w) { return PlaceIn(*w, window).top(); };
  std::sort(items.begin(), items.end(), [&](QWidget* a, QWidget* b) { return top(a) < top(b); });
  while (!items.isEmpty()) {
    QList<QWidget*> row{items.takeFirst()};
    int bottom = PlaceIn(*row.first(), window).bottom();
    while (!items.isEmpty() && top(items.first()) < bottom - 2) {
      row << items.takeFirst();
      bottom = std::max(bottom, PlaceIn(*row.last(), window).bottom());
    }
    std::stable_sort(row.begin(), row.end(),
                     [&](QWidget* a, QWidget* b) { return PlaceIn(*a, window).left() < PlaceIn(*b, window).left(); });
    for (QWidget* item : row) {
      if (wanted.contains(item)) {
        out << item;
      } else {
        ReadingOrder(*item, window, wanted, out);
      }
    }
  }
}

QStringList Names(const QList<QWidget*>& widgets) {
  QStringList names;
  for (const QWidget* w : widgets) names << w->objectName();
  return names;
}

// Walks Tab once round `window` from its first control and compares the
// chain with the reading order of the same controls.
void ExpectTabInReadingOrder(QWidget& window) {
  QCoreApplication::processEvents();
  QList<QWidget*> chain;
  // The window's own focus: a message box answered just before may have
  // left the window not yet active again.
  QWidget* focus = window.focusWidget();
  QVERIFY2(focus != nullptr && window.isAncestorOf(focus),
           qPrintable(window.objectName() + QStringLiteral(": the focus is on ") +
                      (focus == nullptr ? QStringLiteral("nothing") : focus->objectName())));
  while (!chain.contains(focus) && chain.size() < 200) {
    chain << focus;
    QTest::keyClick(focus, Qt::Key_Tab);
    focus = window.focusWidget();
    QVERIFY(focus != nullptr);
  }
  QList<QWidget*> expected;
  ReadingOrder(window, window, QSet<QWidget*>(chain.begin(), chain.end()), expected);
  QCOMPARE(expected.size(), chain.size());
  // The chain is a ring: read it from the first control of the window.
  std::rotate(chain.begin(), chain.begin() + chain.indexOf(expected.first()), chain.end());
  QVERIFY2(Names(chain) == Names(expected), qPrintable(QStringLiteral("%1\n   Tab goes %2\n   reading %3")
                                                          .arg(window.objectName(), Names(chain).join(QChar(' ')),
                                                               Names(expected).join(QChar(' ')))));
}

class TabOrderTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { run = std::make_unique<testing::RunningProgram>(); }
  void cleanup() { run.reset(); }

  void mainWindowInBothModes() {
    ExpectTabInReadingOrder(*run->main);
    run->platform.openFiles.push_back(run->folder.PathOf("points.in"));
    run->platform.saveFiles.push_back(run->folder.PathOf("points.out"));
    std::ofstream(run->platform.openFiles.back(), std::ios::binary) << "BLH\r\n1 55 45 20 37 37 0 150\r\n";
    QTest::mouseClick(run->Widget<QRadioButton>("optInFile"), Qt::LeftButton, {}, QPoint(5, 5));
    ExpectTabInReadingOrder(*run->main);
  }

  void catalogueAndNewSystem() {
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& catalogue) {
      run->program.Catalogue().lstSys.Choose(0);  // every button that an entry enables
      ExpectTabInReadingOrder(catalogue);
      QTest::mouseClick(catalogue.findChild<QPushButton*>(QStringLiteral("cmdChange")), Qt::LeftButton);
      ExpectTabInReadingOrder(catalogue);  // with the link boxes open for editing
      auto* add = catalogue.findChild<QPushButton*>(QStringLiteral("cmdAdd"));
      run->ClickIntoModal(add, run->program.NewSystem(), [](FormWindow& window) {
        ExpectTabInReadingOrder(window);
        QTest::keyClick(&window, Qt::Key_Escape);
      });
      QTest::keyClick(&catalogue, Qt::Key_Escape);
    });
  }

  // Opened on geodetic coordinates, then with the example files: a plane
  // set and a geocentric one, their residuals listed.
  void linkFitBeforeAndAfterAFit() {
    run->ClickIntoModal("cmdIsx", run->program.Catalogue(), [&](FormWindow& catalogue) {
      auto* fit = catalogue.findChild<QPushButton*>(QStringLiteral("cmdFit"));
      run->ClickIntoModal(fit, run->program.LinkFit(), [&](FormWindow& window) {
        ExpectTabInReadingOrder(window);
        int set = 0;
        for (const char* name : {"ck42-gk-marks.in", "wgs84-xyz-marks.in"}) {
          run->platform.openFiles.push_back(
              (std::filesystem::path(VEXILOR_SOURCE_DIR) / "data" / "examples" / name).string());
          QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdFile(%1)").arg(set++)), Qt::LeftButton);
        }
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdFit")), Qt::LeftButton);
        run->program.LinkFit().lstPoints.Choose(0);  // «Учитывать пункт» for the first point
        ExpectTabInReadingOrder(window);
        QTest::keyClick(&window, Qt::Key_Escape);
      });
      QTest::keyClick(&catalogue, Qt::Key_Escape);
    });
  }

  void projectionAndLocalLink() {
    run->ChooseSystem("cmdIsx", kCk42Name);
    run->ChooseSystem("cmdOut", kCk63Name);
    run->ChooseType("cboTypeIsx", 2);
    run->ClickIntoModal("cmdParProIn", run->program.Projection(), [](FormWindow& projection) {
      for (const char* kind : {"optPro(0)", "optPro(1)"}) {  // Gauss-Krüger and UTM, then Lambert
        QTest::mouseClick(projection.findChild<QRadioButton*>(QString::fromLatin1(kind)), Qt::LeftButton, {},
                          QPoint(5, 5));
        ExpectTabInReadingOrder(projection);
      }
      QTest::keyClick(&projection, Qt::Key_Escape);
    });
    run->dialogs.Answer(QMessageBox::No);  // the link values from the keyboard
    run->dialogs.Answer(QMessageBox::No);  // no second try after Escape
    run->ChooseType("cboTypeOut", 2);
    run->ClickIntoModal("cmdParProOut", run->program.LocalLink(), [](FormWindow& window) {
      ExpectTabInReadingOrder(window);
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  }

  void everyServiceTool() {
    FrmService& service = run->program.Service();
    run->PickIntoModal(run->main->ActionFor(run->program.MainWindow().mnuServis), service, [&](FormWindow& window) {
      for (const Control* tool : {&service.mnuNameNom, &service.mnuRamka, &service.mnuGradusGrad,
                                  &service.mnuGradGradus, &service.mnuAnglMetric, &service.mnuMetricAngl}) {
        window.ActionFor(*tool)->trigger();
        ExpectTabInReadingOrder(window);
      }
      QTest::keyClick(&window, Qt::Key_Escape);
    });
  }

 private:
  std::unique_ptr<testing::RunningProgram> run;
};

}  // namespace
}  // namespace vexilor

QTEST_MAIN(vexilor::TabOrderTest)
#include "tab_order_test.moc"
