#include "qt/projection_window_view.h"

#include <QLabel>
#include <QRegularExpression>
#include <algorithm>

#include "qt/qt_text.h"
#include "qt/view_layout.h"

namespace vexilor {

namespace {

// The room of a parameter box: a scale to 10^-10 with a digit to spare.
const QString kValueRoom(13, QLatin1Char('0'));

// Two Lambert captions break their lines where a run of blanks stands
// ("дан-           ной"): the caption column is as wide as the widest piece
// before such a run and a character to spare, so that the line breaks
// inside the run, not before it.
int CaptionWidth(const FrmProjection& f, const QFontMetrics& metrics) {
  static const QRegularExpression kRun(QStringLiteral(" {3,}"));
  int width = 0;
  for (int i = 0; i < FrmProjection::kBoxes; ++i) {
    const QStringList pieces = ToQt(f.lbl1(i).Text()).split(kRun);
    for (qsizetype k = 0; k + 1 < pieces.size(); ++k) width = std::max(width, metrics.horizontalAdvance(pieces[k]));
  }
  return width + metrics.averageCharWidth();
}

// The two options of a frame side by side.
void PutPair(FormWindow& w, const Control& frame, const Control& first, const Control& second) {
  QGridLayout& grid = GridOf(w, frame);
  Put(w, grid, first, {0, 0});
  Put(w, grid, second, {0, 1});
}

}  // namespace

// The type buttons above; the two parameter panels share one place, the
// dialog as large as the panel shown.
void LayOutProjection(FormWindow& w, const FrmProjection& f) {
  QGridLayout& types = GridOf(w, f.fraPro(0));
  for (int type = 0; type < FrmProjection::kTypes; ++type) Put(w, types, f.optPro(type), {0, type});
  for (int panel = 0; panel < FrmProjection::kPanels; ++panel) {
    PutRowsAsAdded(w, f.fraPro(panel + 1));
    PutPair(w, f.fraLong(panel), f.optLong(2 * panel), f.optLong(2 * panel + 1));
    PutPair(w, f.fraAxis(panel), f.optAxis(2 * panel), f.optAxis(2 * panel + 1));
  }
  const int captionWidth = CaptionWidth(f, WidgetOf(w, f.lbl1(0)).fontMetrics());
  for (int i = 0; i < FrmProjection::kBoxes; ++i) {
    Wrap(w, f.lbl1(i));
    WidgetOf(w, f.lbl1(i)).setFixedWidth(captionWidth);
    RoomFor(w, f.txt1(i), kValueRoom);
  }
  QGridLayout& client = ClientGrid(w);
  Put(w, client, f.fraPro(0), {0, 0});
  Put(w, client, f.fraPro(1), {1, 0});
  Put(w, client, f.fraPro(2), {1, 0});
  client.addLayout(&ButtonRow(w, {&f.cmdOK, &f.cmdCancel}), 2, 0);
  w.FixSizeToContent();
}

}  // namespace vexilor
