#include "qt/service_window_view.h"

#include <QPlainTextEdit>
#include <vector>

#include "qt/frame_sketch_view.h"
#include "qt/view_layout.h"

namespace vexilor {

namespace {

// Rooms of the boxes: a point's coordinate, a sheet's name, a converted
// value, a corner line of the frame ("Северо-запад" and two numbers of 12).
const QString kCoordinateRoom = QStringLiteral("-179 59 59.999");
const QString kSheetNameRoom(24, QLatin1Char('0'));
const QString kConvertedRoom(18, QLatin1Char('0'));
const QString kCornerLineRoom(38, QLatin1Char('0'));
constexpr int kCornerLines = 4;

// The widget keeps its place while hidden: the frame does not change its
// size when one set of controls takes the place of another.
void KeepPlace(FormWindow& w, const Control& control) {
  QWidget& widget = WidgetOf(w, control);
  QSizePolicy policy = widget.sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget.setSizePolicy(policy);
}

// Panel 0: the point and the name on the left, the scales beside both.
void LayOutNomenclature(FormWindow& w, const FrmService& f) {
  QGridLayout& point = GridOf(w, f.fraCoord());
  Put(w, point, f.optCoord(0), {0, 0});
  Put(w, point, f.optCoord(1), {0, 1});
  PutRows(w, point, {{&f.lblCoord(0), &f.txtCoord(0)}, {&f.lblCoord(1), &f.txtCoord(1)}}, 1);
  for (int k = 0; k < 2; ++k) RoomFor(w, f.txtCoord(k), kCoordinateRoom);
  PutColumn(w, GridOf(w, f.fraRes()), {&f.txtNom()});
  RoomFor(w, f.txtNom(), kSheetNameRoom);
  QGridLayout& scales = GridOf(w, f.fraScale());
  for (int k = 0; k < FrmService::kScalesPerPanel; ++k) Put(w, scales, f.optScale(k), {k, 0});
  QGridLayout& panel = GridOf(w, f.fraExecute(FrmService::kNomenclaturePanel));
  Put(w, panel, f.fraCoord(), {0, 0});
  Put(w, panel, f.fraRes(), {1, 0});
  Put(w, panel, f.fraScale(), {0, 1, 2, 1});
}

// fraBound: the four edges, or the corners as text beside the sketch.
void LayOutBounds(FormWindow& w, const FrmService& f) {
  QGridLayout& grid = GridOf(w, f.fraBound());
  auto* kinds = new QHBoxLayout;
  for (int k = 2; k < 4; ++k) kinds->addWidget(&WidgetOf(w, f.optCoord(k)));
  kinds->addStretch();
  grid.addLayout(kinds, 0, 0);
  // North and south in the first row, west and east in the second.
  auto* edges = new QGridLayout;
  for (int k = 2; k < FrmService::kCoordBoxes; ++k) {
    const int row = (k - 2) / 2;
    const int column = 2 * (k % 2);
    Put(w, *edges, f.lblCoord(k), {row, column});
    Put(w, *edges, f.txtCoord(k), {row, column + 1});
    RoomFor(w, f.txtCoord(k), kCoordinateRoom);
    KeepPlace(w, f.lblCoord(k));
    KeepPlace(w, f.txtCoord(k));
  }
  grid.addLayout(edges, 1, 0);
  Put(w, grid, f.txtRmkXY(), {1, 0});
  RoomFor(w, f.txtRmkXY(), kCornerLineRoom);
  // The four lines whole and little more: the edges share the place.
  auto& corners = static_cast<QPlainTextEdit&>(WidgetOf(w, f.txtRmkXY()));
  corners.setFixedHeight(LinesHeight(corners, kCornerLines) + corners.fontMetrics().lineSpacing() / 2);
  corners.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  KeepPlace(w, f.txtRmkXY());
  auto* sketch = new QWidget;
  sketch->setObjectName(QStringLiteral("sketch"));
  grid.addWidget(sketch, 0, 1, 2, 1, Qt::AlignCenter);
  DrawFrameSketch(*sketch, {WidgetOf(w, f.lblName()), WidgetOf(w, f.shpRamka()), WidgetOf(w, f.linAxis(0)),
                            WidgetOf(w, f.linAxis(1)), WidgetOf(w, f.lblX()), WidgetOf(w, f.lblY())});
}

// Panel 1: the sheet's name with the button of its outline, the scales in
// rows of four, the bounds.
void LayOutFrame(FormWindow& w, const FrmService& f) {
  QGridLayout& name = GridOf(w, f.Frame2());
  Put(w, name, f.txtNom1(), {0, 0});
  Put(w, name, f.cmdOutline(), {0, 1});
  RoomFor(w, f.txtNom1(), kSheetNameRoom);
  QGridLayout& scales = GridOf(w, f.Frame1());
  for (int k = 0; k < FrmService::kScalesPerPanel; ++k) {
    Put(w, scales, f.optScale(FrmService::kFirstFrameScale + k), {k / 4, k % 4});
  }
  LayOutBounds(w, f);
  PutColumn(w, GridOf(w, f.fraExecute(FrmService::kFramePanel)), {&f.Frame2(), &f.Frame1(), &f.fraBound()});
}

// Panels 2 to 5: the source frame over the result frame.
void LayOutConversion(FormWindow& w, const FrmService& f, int panel) {
  for (const Control* frame : {&f.fraIsx(panel), &f.fraPreob(panel)}) PutRowsAsAdded(w, *frame);
  PutColumn(w, GridOf(w, f.fraExecute(panel)), {&f.fraIsx(panel), &f.fraPreob(panel)});
}

}  // namespace

// The panels share one place, the buttons under it; the window takes the
// size of the panel shown.
void LayOutService(FormWindow& w, const FrmService& f) {
  LayOutNomenclature(w, f);
  LayOutFrame(w, f);
  for (int panel = FrmService::kDegreesToGradsPanel; panel < FrmService::kPanels; ++panel) {
    LayOutConversion(w, f, panel);
  }
  for (int k = 0; k < FrmService::kAngleBoxes; ++k) RoomFor(w, f.txtAngle(k), kConvertedRoom);
  QGridLayout& client = ClientGrid(w);
  for (int panel = 0; panel < FrmService::kPanels; ++panel) Put(w, client, f.fraExecute(panel), {0, 0});
  std::vector<const Control*> buttons;
  for (int k = 0; k < FrmService::kExecuteButtons; ++k) buttons.push_back(&f.cmdOK(k));
  buttons.push_back(&f.cmdClose);
  client.addLayout(&ButtonRow(w, buttons), 1, 0);
  w.FixSizeToContent();
}

}  // namespace vexilor
