#include "qt/view_layout.h"

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
  grid.addWidget(&WidgetOf(window, name, index), cell.row, cell.column, cell.rowSpan, cell.columnSpan);
}

}  // namespace vexilor
