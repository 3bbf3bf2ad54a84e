#include "qt/local_link_dialog_view.h"

#include "qt/view_layout.h"

namespace vexilor {

namespace {

// The room of a value box: an angle to 0.01" or a false origin in km.
const QString kValueRoom = QStringLiteral("-359 59 59.99");

}  // namespace

// The system and its parent over the four values; the commands under them.
void LayOutLocalLink(FormWindow& w, const FrmLocalLink& f) {
  QGridLayout& client = ClientGrid(w);
  Put(w, client, f.lblCaption, {0, 0, 1, 2});
  PutRows(w, client, {{&f.lblDlg1, &f.txtDlg1}, {&f.lblDlg2, &f.txtDlg2}, {&f.lblDlg3, &f.txtDlg3}, {&f.lblDlg4, &f.txtDlg4}},
          1);
  for (const Control* box : {&f.txtDlg1, &f.txtDlg2, &f.txtDlg3, &f.txtDlg4}) RoomFor(w, *box, kValueRoom);
  client.addLayout(&ButtonRow(w, {&f.cmdKey, &f.cmdCanc}), 5, 0, 1, 2);
  client.setRowStretch(6, 1);
}

}  // namespace vexilor
