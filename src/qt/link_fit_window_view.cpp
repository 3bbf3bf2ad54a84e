#include "qt/link_fit_window_view.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include "qt/view_layout.h"

namespace vexilor {

namespace {

// A path box shows this many characters of a path before it shortens it.
const QString kPathRoom(20, QLatin1Char('x'));
// A system list shows this many characters of a name (its tip the whole);
// two whole names of up to 68 characters side by side would not leave the
// window on a screen at a larger scale.
constexpr int kSystemRoom = 22;
// The report's widest line, a row of the table of parameters, and its
// lines: the table with its note, a blank line and the summary.
const QString kReportRoom(34, QLatin1Char('0'));
constexpr int kReportLines = 18;
// A row of residuals with its mark.
const QString kPointRoom(48, QLatin1Char('0'));

// The file, the system, the type and its units, the projection in rows of a
// caption and its list; the heights side by side.
void LayOutSet(FormWindow& w, const FrmLinkFit::PointSet& s) {
  QGridLayout& grid = GridOf(w, s.fraSet);
  Put(w, grid, s.cmdFile, {0, 0});
  Put(w, grid, s.txtFile, {0, 1});
  RoomFor(w, s.txtFile, kPathRoom);
  auto& systems = static_cast<QComboBox&>(WidgetOf(w, s.cboSystem));
  systems.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  systems.setMinimumContentsLength(kSystemRoom);
  PutRows(w, grid,
          {{&s.lblSystem, &s.cboSystem},
           {&s.lblType, &s.cboType},
           {&s.lblUnits, &s.cboUnits},
           {&s.lblHeightUnits, &s.cboHeightUnits},
           {&s.lblProjection, &s.cboProjection}},
          1);
  Put(w, grid, s.optNormal, {6, 0});
  Put(w, grid, s.optGeodesy, {6, 1});
  grid.setRowStretch(7, 1);  // the rows keep together when the other set is taller
}

// The report as tall as its lines, in the font it shows them in; a line
// never broken, so that the table keeps its columns.
void FitReportHeight(FormWindow& w, const Control& report) {
  auto& box = static_cast<QPlainTextEdit&>(WidgetOf(w, report));
  box.setLineWrapMode(QPlainTextEdit::NoWrap);
  box.setMinimumHeight(LinesHeight(box, kReportLines));
}

}  // namespace

// The two sets side by side; the model with «Вычислить» under them; the
// report and the residuals side by side; the commands at the bottom.
void LayOutLinkFit(FormWindow& w, const FrmLinkFit& f) {
  for (int set = 0; set < FrmLinkFit::kSets; ++set) LayOutSet(w, f.Set(set));
  QGridLayout& model = GridOf(w, f.fraModel);
  Put(w, model, f.optSeven, {0, 0});
  Put(w, model, f.optShifts, {0, 1});
  QGridLayout& result = GridOf(w, f.fraResult);
  Put(w, result, f.txtReport, {0, 0, 4, 1});
  Put(w, result, f.lblPoints, {0, 1});
  Put(w, result, f.lstPoints, {1, 1});
  Put(w, result, f.chkUse, {2, 1});
  Put(w, result, f.lblRefit, {3, 1});
  RoomFor(w, f.txtReport, kReportRoom);
  RoomFor(w, f.lstPoints, kPointRoom);
  FitReportHeight(w, f.txtReport);
  result.setColumnStretch(1, 1);
  result.setRowStretch(1, 1);

  QGridLayout& client = ClientGrid(w);
  Put(w, client, f.Set(0).fraSet, {0, 0});
  Put(w, client, f.Set(1).fraSet, {0, 1});
  Put(w, client, f.fraModel, {1, 0});
  client.addLayout(&ButtonRow(w, {&f.cmdFit}), 1, 1);
  Put(w, client, f.fraResult, {2, 0, 1, 2});
  client.addLayout(&ButtonRow(w, {&f.cmdAdd, &f.cmdClose}), 3, 0, 1, 2);
  client.setColumnStretch(0, 1);
  client.setColumnStretch(1, 1);
  client.setRowStretch(2, 1);  // a larger window shows more of the residuals
}

}  // namespace vexilor
