#include "qt/catalogue_window_view.h"

#include "qt/link_frames_view.h"
#include "qt/qt_text.h"
#include "qt/view_layout.h"
#include "state/transform_settings.h"

namespace vexilor {

namespace {

// The longest name of a shipped system, which the list shows whole; a
// longer name of the user's scrolls.
const QString kLongestName = ToQt(kCk63Name);

}  // namespace

// The list on the left; the entry's ellipsoid, parent and link parameters
// in a column on the right; the commands under both.
void LayOutCatalogue(FormWindow& w, const FrmCatalogue& f) {
  PutColumn(w, GridOf(w, f.fraSys), {&f.lstSys});
  RoomFor(w, f.lstSys, kLongestName);
  PutColumn(w, GridOf(w, f.fraSystem), {&f.txtSystem});
  LayOutLinkFrames(w, {f.fraEllipso, f.fraOrient, f.fraLin, f.fraAngle, f.fraScale});

  QGridLayout& client = ClientGrid(w);
  Put(w, client, f.fraSys, {0, 0, 4, 1});
  Put(w, client, f.fraEllipso, {0, 1});
  Put(w, client, f.fraSystem, {1, 1});
  Put(w, client, f.fraOrient, {2, 1});
  QHBoxLayout& buttons = ButtonRow(w, {&f.cmdCancel, &f.cmdOK});
  int at = 0;
  for (const Control* edit : {&f.cmdChange, &f.cmdSave, &f.cmdRemove, &f.cmdAdd, &f.cmdFit}) {
    buttons.insertWidget(at++, &WidgetOf(w, *edit));
  }
  client.addLayout(&buttons, 4, 0, 1, 2);
  // A larger window shows more of the list.
  client.setColumnStretch(0, 1);
  client.setRowStretch(3, 1);
}

}  // namespace vexilor
