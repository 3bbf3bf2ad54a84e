#include "qt/view_layout.h"

#include <QLabel>
#include <string>

namespace vexilor {

namespace {

QWidget& WidgetOf(FormWindow& window, std::string_view name, int index) {
  QWidget* widget = name.empty() ? window.Client() : window.WidgetFor(name, index);
  // A name the view does not know is a programming error of the view.
  if (widget == nullptr) qFatal("view: no control %s", std::string(name).c_str());
  return *widget;
}

}  // namespace

QGridLayout& GridOf(FormWindow& window, std::string_view frame, int index) {
  QWidget& widget = WidgetOf(window, frame, index);
  if (auto* grid = qobject_cast<QGridLayout*>(widget.layout())) return *grid;
  return *new QGridLayout(&widget);
}

void Put(FormWindow& window, QGridLayout& grid, std::string_view name, Cell cell, int index) {
  QWidget& widget = WidgetOf(window, name, index);
  // A caption beside a box keeps to one line: the layout gives it its width.
  if (auto* label = qobject_cast<QLabel*>(&widget)) label->setWordWrap(false);
  grid.addWidget(&widget, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
}

void Wrap(FormWindow& window, std::string_view name, int index) {
  if (auto* label = qobject_cast<QLabel*>(&WidgetOf(window, name, index))) label->setWordWrap(true);
}

}  // namespace vexilor
