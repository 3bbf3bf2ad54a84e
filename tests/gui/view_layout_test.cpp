// The layout helpers of the views, on a small window.

#include <QGridLayout>
#include <QtTest>

#include "form/form.h"
#include "qt/qt_platform.h"
#include "qt/view_layout.h"

namespace vexilor {
namespace {

// A frame's controls in the order a window adds them: a caption with its
// box, a caption with another caption after it, a caption with a list, a
// check box of its own, a caption at the end; and a box outside the frame.
class RowsForm : public Form {
 public:
  RowsForm() : Form("frmRows", "Строки") {}
  Control& fra = Add({.kind = ControlKind::kFrame, .name = "fra"});
  Control& lblA = Add({.kind = ControlKind::kLabel, .name = "lblA", .text = "Широта", .container = &fra});
  Control& txtA = Add({.kind = ControlKind::kTextBox, .name = "txtA", .container = &fra});
  Control& lblTitle = Add({.kind = ControlKind::kLabel, .name = "lblTitle", .text = "Единицы", .container = &fra});
  Control& lblB = Add({.kind = ControlKind::kLabel, .name = "lblB", .text = "Долгота", .container = &fra});
  Control& cboB = Add({.kind = ControlKind::kCombo, .name = "cboB", .container = &fra});
  Control& chkC = Add({.kind = ControlKind::kCheck, .name = "chkC", .text = "Вычислять", .container = &fra});
  Control& lblEnd = Add({.kind = ControlKind::kLabel, .name = "lblEnd", .text = "Конец", .container = &fra});
  Control& txtOut = Add({.kind = ControlKind::kTextBox, .name = "txtOut"});
};

struct Place {
  int row;
  int column;
  int columns;
  friend bool operator==(const Place&, const Place&) = default;
};

}  // namespace

class ViewLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsAsAddedPairACaptionWithTheControlAfterIt() {
    QtPlatform platform;
    RowsForm form;
    int end = 0;
    FormWindow& window = platform.Bind(form, [&](FormWindow& w) { end = PutRowsAsAdded(w, form.fra, 1); });
    auto* grid = qobject_cast<QGridLayout*>(window.WidgetFor(form.fra)->layout());
    QVERIFY(grid != nullptr);
    const auto placeOf = [&](const Control& control) {
      Place place{-1, -1, 0};
      int rows = 0;
      const int index = grid->indexOf(window.WidgetFor(control));
      if (index >= 0) grid->getItemPosition(index, &place.row, &place.column, &rows, &place.columns);
      return place;
    };
    const std::pair<const Control*, Place> expected[] = {
        {&form.lblA, {1, 0, 1}},     {&form.txtA, {1, 1, 1}}, {&form.lblTitle, {2, 0, 2}},
        {&form.lblB, {3, 0, 1}},     {&form.cboB, {3, 1, 1}}, {&form.chkC, {4, 0, 2}},
        {&form.lblEnd, {5, 0, 2}},   {&form.txtOut, {-1, -1, 0}},
    };
    for (const auto& [control, place] : expected) QVERIFY2(placeOf(*control) == place, control->Id().c_str());
    QCOMPARE(end, 6);
  }
};

}  // namespace vexilor

QTEST_MAIN(vexilor::ViewLayoutTest)
#include "view_layout_test.moc"
