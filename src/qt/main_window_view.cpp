#include "qt/main_window_view.h"

#include <QApplication>
#include <QLineEdit>

#include "qt/twips.h"
#include "qt/view_layout.h"
#include "windows/main_window.h"

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

// The longest value a point box holds: a longitude to 0.00001" with its
// marks. A narrow window must not clip it.
void FitLongestValue(FormWindow& w, std::initializer_list<const char*> boxes) {
  for (const char* name : boxes) {
    auto* box = static_cast<QLineEdit*>(w.WidgetFor(name));
    const int text = box->fontMetrics().horizontalAdvance(QStringLiteral("-179° 59' 59.99999\""));
    box->setMinimumWidth(box->minimumSizeHint().width() + text);
  }
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
  FitLongestValue(w, {"txtLat_In", "txtLon_In", "txtHei_In", "txtLat_Out", "txtLon_Out", "txtHei_Out", "txtGeoid"});
  LayOutFile(w, "fraFile", "txtFile", "lblRazm1", "cboInFl", "lblRazm2", "cboInFl2");
  LayOutFile(w, "fraOutFl", "txtOutFl", "lblRazm3", "cboOutFl1", "lblRazm4", "cboOutFl2");

  QGridLayout& client = GridOf(w, "");
  Put(w, client, "Frame1", {0, 0});
  Put(w, client, "Frame2", {0, 1});
  Put(w, client, "fraSet", {1, 0, 1, 2});
  // The file frames lie over the point frames: the source file over the
  // typed point, the results file over the results.
  Put(w, client, "fr03", {2, 0});
  Put(w, client, "fraResult", {2, 1});
  Put(w, client, "fraFile", {2, 0});
  Put(w, client, "fraOutFl", {2, 1});
  const FrmMain& form = static_cast<const FrmMain&>(w.Model());
  w.Cover(form.fraFile, form.fr03);
  w.Cover(form.fraOutFl, form.fraResult);
  auto* buttons = new QHBoxLayout;
  for (const char* name : {"cmdNewSet", "cmdOK", "cmdCancel"}) buttons->addWidget(w.WidgetFor(name));
  buttons->insertStretch(1);
  client.addLayout(buttons, 3, 0, 1, 2);
  for (const char* name : {"lblWar", "lblIn", "lblOut"}) Wrap(w, name);
  client.setColumnStretch(0, 1);
  client.setColumnStretch(1, 1);
  client.setRowStretch(2, 1);
  // The paths are fitted to their boxes' widths, centred by the box.
  for (const Control* box : {&form.txtFlGeoid, &form.txtFile, &form.txtOutFl}) {
    auto* edit = static_cast<QLineEdit*>(w.WidgetFor(*box));
    edit->setMinimumWidth(TwipsToPixels(box->Position().width, w.DotsPerInch()));
    edit->setAlignment(Qt::AlignHCenter);
  }
}

}  // namespace vexilor
