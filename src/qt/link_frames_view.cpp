#include "qt/link_frames_view.h"

#include "qt/view_layout.h"
#include "refdata/new_system.h"

namespace vexilor {

namespace {

// The room of an ellipsoid box: a whole name, 1/f to 10^-9 (as long).
const QString kEllipsoidValueRoom(static_cast<int>(kMaxEllipsoidNameLength), QLatin1Char('0'));
// The room of a link box: a shift of -3000.00 m or a scale correction in
// exponent form, with a blank to spare.
const QString kLinkValueRoom(11, QLatin1Char('0'));

// Label-and-box rows in `frame`, each box with room for `sample`.
void PutValueRows(FormWindow& w, const Control& frame, const QString& sample) {
  PutRowsAsAdded(w, frame);
  const Form& form = w.Model();
  for (std::size_t i = 0; i < form.ControlCount(); ++i) {
    const Control& box = form.ControlAt(i);
    if (box.Container() == &frame && box.Kind() == ControlKind::kTextBox) RoomFor(w, box, sample);
  }
}

}  // namespace

void LayOutLinkFrames(FormWindow& w, const LinkFrames& frames) {
  PutValueRows(w, frames.ellipsoid, kEllipsoidValueRoom);
  for (const Control* frame : {&frames.linear, &frames.angular, &frames.scale}) {
    PutValueRows(w, *frame, kLinkValueRoom);
  }
  QGridLayout& orient = GridOf(w, frames.orient);
  Put(w, orient, frames.linear, {0, 0});
  Put(w, orient, frames.angular, {0, 1});
  Put(w, orient, frames.scale, {1, 0, 1, 2});
}

}  // namespace vexilor
