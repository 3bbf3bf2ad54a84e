#include "qt/view_layout.h"

#include <QLabel>
#include <QTextDocument>
#include <QtMath>

namespace vexilor {

QWidget& WidgetOf(FormWindow& window, const Control& control) {
  QWidget* widget = window.WidgetFor(control);
  if (widget == nullptr) qFatal("view: no widget for %s", control.Id().c_str());
  return *widget;
}

namespace {

QGridLayout& GridOn(QWidget& widget) {
  if (auto* grid = qobject_cast<QGridLayout*>(widget.layout())) return *grid;
  return *new QGridLayout(&widget);
}

}  // namespace

QGridLayout& GridOf(FormWindow& window, const Control& frame) { return GridOn(WidgetOf(window, frame)); }

QGridLayout& ClientGrid(FormWindow& window) { return GridOn(*window.Client()); }

void Put(FormWindow& window, QGridLayout& grid, const Control& control, Cell cell) {
  QWidget& widget = WidgetOf(window, control);
  // A caption beside a box keeps to one line: the layout gives it its width.
  if (auto* label = qobject_cast<QLabel*>(&widget)) label->setWordWrap(false);
  grid.addWidget(&widget, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
}

void PutColumn(FormWindow& window, QGridLayout& grid, std::initializer_list<const Control*> controls, int row) {
  for (const Control* control : controls) Put(window, grid, *control, {row++, 0});
}

void PutRows(FormWindow& window, QGridLayout& grid, std::initializer_list<LabelledBox> rows, int row) {
  for (const auto& [label, box] : rows) {
    if (label != nullptr) Put(window, grid, *label, {row, 0});
    Put(window, grid, *box, {row, 1});
    ++row;
  }
  grid.setColumnStretch(1, 1);
}

int PutRowsAsAdded(FormWindow& window, const Control& frame, int row) {
  QGridLayout& grid = GridOf(window, frame);
  const Form& form = window.Model();
  const Control* label = nullptr;
  for (std::size_t i = 0; i < form.ControlCount(); ++i) {
    const Control& control = form.ControlAt(i);
    if (control.Container() != &frame) continue;
    if (label != nullptr && control.Kind() != ControlKind::kLabel) {
      Put(window, grid, *label, {row, 0});
      Put(window, grid, control, {row++, 1});
      label = nullptr;
      continue;
    }
    if (label != nullptr) Put(window, grid, *label, {row++, 0, 1, 2});
    label = control.Kind() == ControlKind::kLabel ? &control : nullptr;
    if (label == nullptr) Put(window, grid, control, {row++, 0, 1, 2});
  }
  if (label != nullptr) Put(window, grid, *label, {row++, 0, 1, 2});
  grid.setColumnStretch(1, 1);
  return row;
}

QHBoxLayout& ButtonRow(FormWindow& window, const std::vector<const Control*>& buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (const Control* button : buttons) row->addWidget(&WidgetOf(window, *button));
  return *row;
}

void Wrap(FormWindow& window, const Control& label) {
  if (auto* widget = qobject_cast<QLabel*>(&WidgetOf(window, label))) widget->setWordWrap(true);
}

void RoomFor(FormWindow& window, const Control& box, const QString& sample) {
  QWidget& widget = WidgetOf(window, box);
  // A line edit's least size holds its frame and margins around no text.
  widget.setMinimumWidth(widget.minimumSizeHint().width() + widget.fontMetrics().horizontalAdvance(sample));
}

int LinesHeight(const QPlainTextEdit& box, int lines) {
  const int margins = 2 * (box.frameWidth() + qCeil(box.document()->documentMargin()));
  return lines * box.fontMetrics().lineSpacing() + margins;
}

}  // namespace vexilor
