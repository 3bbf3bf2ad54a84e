#include "qt/main_window_view.h"

#include "qt/view_layout.h"

namespace vexilor {

namespace {

// Frame1 / Frame2: the system of one side.
void LayOutSide(FormWindow& w, const Control& frame, const Control& choose, const Control& projection,
                const Control& label, const Control& types, const Control& name) {
  QGridLayout& grid = GridOf(w, frame);
  Put(w, grid, choose, {0, 0});
  Put(w, grid, projection, {0, 1});
  Put(w, grid, label, {1, 0});
  Put(w, grid, types, {1, 1});
  Put(w, grid, name, {2, 0, 1, 2});
  Wrap(w, name);
}

void LayOutSettings(FormWindow& w, const FrmMain& f) {
  PutColumn(w, GridOf(w, f.fraInput), {&f.optInScreen, &f.optInFile});
  PutColumn(w, GridOf(w, f.fraHei), {&f.optNormal, &f.optGeodesy, &f.lblWar});
  Wrap(w, f.lblWar);
  PutColumn(w, GridOf(w, f.fraRes), {&f.chkScreen, &f.chkFile});
  QGridLayout& grid = GridOf(w, f.fraGeoid);
  Put(w, grid, f.txtFlGeoid, {0, 0});
  Put(w, grid, f.cmdNewGeoid, {0, 1});
  Put(w, grid, f.chkGeoid, {1, 0, 1, 2});
  QGridLayout& settings = GridOf(w, f.fraSet);
  Put(w, settings, f.fraInput, {0, 0});
  Put(w, settings, f.fraHei, {0, 1});
  Put(w, settings, f.fraRes, {0, 2});
  Put(w, settings, f.fraGeoid, {1, 0, 1, 3});
}

// fraFile / fraOutFl: a path and its units, each list under its caption,
// so that the frame is no wider than the point frame it lies over.
void LayOutFile(FormWindow& w, const Control& frame, std::initializer_list<const Control*> column) {
  PutColumn(w, GridOf(w, frame), column);
}

// The longest value a point box holds: a longitude to 0.00001" with its
// marks. A narrow window must not clip it.
const QString kLongestValue = QStringLiteral("-179° 59' 59.99999\"");

// A path box shows a path of this many characters whole before it shortens it.
const QString kPathRoom(40, QLatin1Char('x'));

}  // namespace

void LayOutMainWindow(FormWindow& w, const FrmMain& f) {
  LayOutSide(w, f.Frame1, f.cmdIsx, f.cmdParProIn, f.lbl2, f.cboTypeIsx, f.lblIn);
  LayOutSide(w, f.Frame2, f.cmdOut, f.cmdParProOut, f.lbl4, f.cboTypeOut, f.lblOut);
  LayOutSettings(w, f);
  QGridLayout& point = GridOf(w, f.fr03);
  PutRows(w, point, {{&f.lbl5, &f.txtLat_In}, {&f.lbl6, &f.txtLon_In}, {&f.lbl7, &f.txtHei_In}});
  Put(w, point, f.cmdSbros, {3, 1});
  PutRows(w, GridOf(w, f.fraResult),
          {{&f.lbl9, &f.txtLat_Out}, {&f.lbl10, &f.txtLon_Out}, {&f.lbl11, &f.txtHei_Out}, {&f.lbl12, &f.txtGeoid}});
  for (const Control* box :
       {&f.txtLat_In, &f.txtLon_In, &f.txtHei_In, &f.txtLat_Out, &f.txtLon_Out, &f.txtHei_Out, &f.txtGeoid}) {
    RoomFor(w, *box, kLongestValue);
  }
  LayOutFile(w, f.fraFile, {&f.txtFile, &f.lblRazm1, &f.cboInFl, &f.lblRazm2, &f.cboInFl2, &f.chkKeepGoing});
  LayOutFile(w, f.fraOutFl, {&f.txtOutFl, &f.lblRazm3, &f.cboOutFl1, &f.lblRazm4, &f.cboOutFl2});
  for (const Control* box : {&f.txtFlGeoid, &f.txtFile, &f.txtOutFl}) RoomFor(w, *box, kPathRoom);

  QGridLayout& client = ClientGrid(w);
  Put(w, client, f.Frame1, {0, 0});
  Put(w, client, f.Frame2, {0, 1});
  Put(w, client, f.fraSet, {1, 0, 1, 2});
  // The file frames lie over the point frames: the source file over the
  // typed point, the results file over the results.
  Put(w, client, f.fr03, {2, 0});
  Put(w, client, f.fraResult, {2, 1});
  Put(w, client, f.fraFile, {2, 0});
  Put(w, client, f.fraOutFl, {2, 1});
  w.Cover(f.fraFile, f.fr03);
  w.Cover(f.fraOutFl, f.fraResult);
  QHBoxLayout& buttons = ButtonRow(w, {&f.cmdOK, &f.cmdCancel});
  // «Новые установки» stands apart at the left.
  buttons.insertWidget(0, &WidgetOf(w, f.cmdNewSet));
  client.addLayout(&buttons, 3, 0, 1, 2);
  client.setColumnStretch(0, 1);
  client.setColumnStretch(1, 1);
  client.setRowStretch(2, 1);
}

}  // namespace vexilor
