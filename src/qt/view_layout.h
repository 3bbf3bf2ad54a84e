#pragma once
// Helpers for the views: put a window's controls into Qt layouts. Sizes are
// never given in pixels: a box gets room for the longest value it shows, a
// caption the width of its text, both in the font the window has.

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

#include "qt/form_window.h"

namespace vexilor {

// The widget of `control`; a control without one is a fault of the view.
QWidget& WidgetOf(FormWindow& window, const Control& control);

// A grid layout on the widget of frame `frame`, created at the first call.
QGridLayout& GridOf(FormWindow& window, const Control& frame);
// The same on the window's client area.
QGridLayout& ClientGrid(FormWindow& window);

struct Cell {
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int columnSpan = 1;
};

// Puts the widget of `control` into `grid` at `cell`; a label put so keeps
// to one line.
void Put(FormWindow& window, QGridLayout& grid, const Control& control, Cell cell);
// Controls one under another in column 0 of `grid`, from `row` on.
void PutColumn(FormWindow& window, QGridLayout& grid, std::initializer_list<const Control*> controls, int row = 0);

using LabelledBox = std::pair<const Control*, const Control*>;  // label, box
// Rows of a label left of its box, from `row` on; the boxes take the width
// that is left.
void PutRows(FormWindow& window, QGridLayout& grid, std::initializer_list<LabelledBox> rows, int row = 0);

// The controls of `frame` in the order the window added them, a row each: a
// label with the control added after it (label left, control right), any
// other control across both columns. Returns the row after the last.
int PutRowsAsAdded(FormWindow& window, const Control& frame, int row = 0);

// The buttons side by side at the right, in the order given.
QHBoxLayout& ButtonRow(FormWindow& window, const std::vector<const Control*>& buttons);

// Lets the label break its text into lines (a long warning, a system's name).
void Wrap(FormWindow& window, const Control& label);
// The box is never narrower than `sample` needs in its font.
void RoomFor(FormWindow& window, const Control& box, const QString& sample);
// The height of a text box that shows `lines` lines whole, in its font,
// with its frame and margins.
int LinesHeight(const QPlainTextEdit& box, int lines);

}  // namespace vexilor
