#include "qt/main_window_view.h"

#include <QApplication>

#include "qt/view_layout.h"

namespace vexilor {

namespace {

// Frame1 / Frame2: the system of one side.
void LayOutSide(FormWindow& w, const char* frame, const char* choose, const char* projection, const char* label,
                const char* types, const char* name) {
  QGridLayout& grid = GridOf(w, frame);
  Put(w, grid, choose, {0, 0});
  Put(w, grid, projection, {0, 1});
  Put(w, grid, label, {1, 0});
  Put(w, grid, types, {1, 1});
  Put(w, grid, name, {2, 0, 1, 2});
}

// Controls one under another in a frame.
void Stack(FormWindow& w, const char* frame, std::initializer_list<const char*> names) {
  QGridLayout& grid = GridOf(w, frame);
  int row = 0;
  for (const char* name : names) Put(w, grid, name, {row++, 0});
}

void LayOutSettings(FormWindow& w) {
  Stack(w, "fraInput", {"optInScreen", "optInFile"});
  Stack(w, "fraHei", {"optNormal", "optGeodesy", "lblWar"});
  Stack(w, "fraRes", {"chkScreen", "chkFile"});
  QGridLayout& grid = GridOf(w, "fraGeoid");
  Put(w, grid, "txtFlGeoid", {0, 0});
  Put(w, grid, "cmdNewGeoid", {0, 1});
  Put(w, grid, "chkGeoid", {1, 0, 1, 2});
  QGridLayout& settings = GridOf(w, "fraSet");
  Put(w, settings, "fraInput", {0, 0});
  Put(w, settings, "fraHei", {0, 1});
  Put(w, settings, "fraRes", {0, 2});
  Put(w, settings, "fraGeoid", {1, 0, 1, 3});
}

// Three or four rows of a label above its box.
void LayOutPoint(FormWindow& w, const char* frame, std::initializer_list<std::pair<const char*, const char*>> rows) {
  QGridLayout& grid = GridOf(w, frame);
  int row = 0;
  for (const auto& [label, box] : rows) {
    Put(w, grid, label, {row, 0});
    Put(w, grid, box, {row, 1});
    ++row;
  }
  grid.setColumnStretch(1, 1);
}

// fraFile / fraOutFl: a path and its units.
void LayOutFile(FormWindow& w, const char* frame, const char* path, const char* firstLabel, const char* first,
                const char* secondLabel, const char* second) {
  QGridLayout& grid = GridOf(w, frame);
  Put(w, grid, path, {0, 0, 1, 2});
  Put(w, grid, firstLabel, {1, 0});
  Put(w, grid, first, {1, 1});
  Put(w, grid, secondLabel, {2, 0});
  Put(w, grid, second, {2, 1});
}

}  // namespace

void LayOutMainWindow(FormWindow& w) {
  w.Client()->setFont(QApplication::font());  // laid out by Qt: the desktop's font fits
  LayOutSide(w, "Frame1", "cmdIsx", "cmdParProIn", "lbl2", "cboTypeIsx", "lblIn");
  LayOutSide(w, "Frame2", "cmdOut", "cmdParProOut", "lbl4", "cboTypeOut", "lblOut");
  LayOutSettings(w);
  LayOutPoint(w, "fr03", {{"lbl5", "txtLat_In"}, {"lbl6", "txtLon_In"}, {"lbl7", "txtHei_In"}});
  Put(w, GridOf(w, "fr03"), "cmdSbros", {3, 1});
  LayOutPoint(w, "fraResult",
              {{"lbl9", "txtLat_Out"}, {"lbl10", "txtLon_Out"}, {"lbl11", "txtHei_Out"}, {"lbl12", "txtGeoid"}});
  LayOutFile(w, "fraFile", "txtFile", "lblRazm1", "cboInFl", "lblRazm2", "cboInFl2");
  LayOutFile(w, "fraOutFl", "txtOutFl", "lblRazm3", "cboOutFl1", "lblRazm4", "cboOutFl2");

  QGridLayout& client = GridOf(w, "");
  Put(w, client, "Frame1", {0, 0});
  Put(w, client, "Frame2", {0, 1});
  Put(w, client, "fraSet", {1, 0, 1, 2});
  Put(w, client, "fr03", {2, 0});
  Put(w, client, "fraResult", {2, 1});
  Put(w, client, "fraFile", {3, 0});
  Put(w, client, "fraOutFl", {3, 1});
  auto* buttons = new QHBoxLayout;
  for (const char* name : {"cmdNewSet", "cmdOK", "cmdCancel"}) buttons->addWidget(w.WidgetFor(name));
  buttons->insertStretch(1);
  client.addLayout(buttons, 4, 0, 1, 2);
  client.setColumnMinimumWidth(0, 330);
  client.setColumnMinimumWidth(1, 330);
}

}  // namespace vexilor
