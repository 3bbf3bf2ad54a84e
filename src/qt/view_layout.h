#pragma once
// Small helpers for the views: put a window's controls into Qt grid layouts.

#include <QGridLayout>
#include <string_view>

#include "qt/form_window.h"

namespace vexilor {

// A grid layout on the widget of frame `frame` (created at the first call);
// on the window's client area when `frame` is empty.
QGridLayout& GridOf(FormWindow& window, std::string_view frame, int index = kNoIndex);

struct Cell {
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int columnSpan = 1;
};

// Puts the widget of control `name`(`index`) into `grid` at `cell`; a label
// put so keeps to one line.
void Put(FormWindow& window, QGridLayout& grid, std::string_view name, Cell cell, int index = kNoIndex);
// Lets the label `name`(`index`) break its text into lines (a long warning,
// a system's name).
void Wrap(FormWindow& window, std::string_view name, int index = kNoIndex);

}  // namespace vexilor
