#include "qt/new_system_window_view.h"

#include "qt/link_frames_view.h"
#include "qt/view_layout.h"

namespace vexilor {

namespace {

// The name box shows this many characters of a name (at most 68) at once.
const QString kNameRoom(40, QLatin1Char('x'));

}  // namespace

// The frames one under another, the commands under them.
void LayOutNewSystem(FormWindow& w, const FrmNewSystem& f) {
  PutColumn(w, GridOf(w, f.fraName), {&f.txtNewName});
  RoomFor(w, f.txtNewName, kNameRoom);
  QGridLayout& parent = GridOf(w, f.fraSystem);
  PutColumn(w, parent, {&f.cboSystem});
  parent.setColumnStretch(1, 1);  // the list as wide as its entries
  LayOutLinkFrames(w, {f.fraEllipso, f.fraOrient, f.fraLin, f.fraAngle, f.fraScale});
  // The rule of sign of the rotations under the values it reads.
  PutColumn(w, GridOf(w, f.fraRotation), {&f.optRotation(0), &f.optRotation(1)});
  Put(w, GridOf(w, f.fraOrient), f.fraRotation, {2, 0, 1, 2});

  QGridLayout& client = ClientGrid(w);
  PutColumn(w, client, {&f.fraName, &f.fraSystem, &f.fraEllipso, &f.fraOrient});
  client.addLayout(&ButtonRow(w, {&f.cmdOK, &f.cmdCancel}), 4, 0);
  client.setRowStretch(5, 1);
}

}  // namespace vexilor
