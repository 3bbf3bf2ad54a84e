#pragma once
// Where the controls of frmService stand (twips), and which controls make up
// each panel. The panels lie one over the other; the window takes the
// height of the panel shown, with the buttons under it.

#include "form/control.h"

namespace vexilor::service_layout {

inline constexpr int kMargin = 120;
inline constexpr int kPanelWidth = 8880;  // the window as wide as its caption needs
inline constexpr int kFormWidth = kPanelWidth + 2 * kMargin;
inline constexpr int kInnerWidth = kPanelWidth - 2 * kMargin;  // a full-width frame in a panel
inline constexpr int kButtonWidth = 1320;
inline constexpr int kButtonHeight = 375;
inline constexpr int kCloseLeft = kFormWidth - kMargin - kButtonWidth;
inline constexpr int kExecuteLeft = kCloseLeft - kMargin - kButtonWidth;
inline constexpr int kBoxHeight = 315;
inline constexpr int kOptionHeight = 300;
inline constexpr int kFrameTop = 300;  // first row under a frame's caption
inline constexpr int kRowPitch = 540;
inline constexpr int kLabelHeight = 480;  // room for a caption of two lines

// Panel 0: the point on the left, the scales on the right, the name below.
inline constexpr TwipsRect kPointFrame{kMargin, kFrameTop, 4320, 1860};
inline constexpr TwipsRect kFirstOption{kMargin, kFrameTop, 2040, kOptionHeight};
inline constexpr TwipsRect kSecondOption{2280, kFrameTop, 1900, kOptionHeight};
constexpr TwipsRect PointLabel(int k) { return {kMargin, 720 + k * kRowPitch, 2100, kLabelHeight}; }
constexpr TwipsRect PointBox(int k) { return {2280, 802 + k * kRowPitch, 1920, kBoxHeight}; }
// The scale column ends with the name frame.
inline constexpr TwipsRect kScaleColumn{4560, kFrameTop, kInnerWidth - 4440, 2820};
constexpr TwipsRect ScaleInColumn(int k) { return {240, kFrameTop + k * 330, 2400, kOptionHeight}; }
inline constexpr TwipsRect kNameFrame{kMargin, 2280, 4320, 840};
inline constexpr TwipsRect kNameBox{kMargin, 330, 4080, 360};
inline constexpr int kNomenclatureHeight = 3240;

// Panel 1: the name, the scales in two rows of four, the edges or corners
// below.
inline constexpr TwipsRect kSheetNameFrame{kMargin, kFrameTop, kInnerWidth, 780};
inline constexpr TwipsRect kSheetNameBox{kMargin, 330, kInnerWidth - 2 * kMargin, 360};
inline constexpr TwipsRect kScaleRows{kMargin, 1200, kInnerWidth, 1020};
constexpr TwipsRect ScaleInRows(int k) { return {240 + (k % 4) * 2100, kFrameTop + (k / 4) * 330, 1980, kOptionHeight}; }
inline constexpr TwipsRect kBoundFrame{kMargin, 2340, kInnerWidth, 2040};
// North and south in the left column, west and east in the right one.
constexpr TwipsRect EdgeLabel(int k) { return {kMargin + (k % 2) * 2760, 720 + (k / 2) * kRowPitch, 840, kLabelHeight}; }
constexpr TwipsRect EdgeBox(int k) { return {960 + (k % 2) * 2760, 802 + (k / 2) * kRowPitch, 1800, kBoxHeight}; }
inline constexpr TwipsRect kCornerBlock{kMargin, 700, 4560, 1200};
// The sketch: the frame between the x axis (up) and the y axis (right).
inline constexpr TwipsRect kSketchName{5940, 630, 1440, 240};
inline constexpr TwipsRect kSketchFrame{5940, 900, 1440, 720};
inline constexpr TwipsRect kSketchXAxis{5700, 780, 0, 1080};
inline constexpr TwipsRect kSketchYAxis{5700, 1860, 1920, 0};
inline constexpr TwipsRect kSketchXLabel{5460, 660, 200, 240};
inline constexpr TwipsRect kSketchYLabel{7620, 1740, 200, 240};
inline constexpr int kFrameHeight = 4500;

// Panels 2 to 5: two frames of label-and-box rows.
constexpr int RowsHeight(int rows) { return kFrameTop + rows * kRowPitch; }
constexpr TwipsRect ConversionFrame(int rowsAbove, int rows) {
  const int top = rowsAbove == 0 ? kFrameTop : kFrameTop + RowsHeight(rowsAbove) + kMargin;
  return {kMargin, top, kInnerWidth, RowsHeight(rows)};
}
constexpr TwipsRect RowLabel(int row) { return {kMargin, kFrameTop + row * kRowPitch, 3480, kLabelHeight}; }
constexpr TwipsRect RowBox(int row) { return {3720, kFrameTop + row * kRowPitch + 82, kInnerWidth - 3840, kBoxHeight}; }
inline constexpr int kConversionHeight = kFrameTop + RowsHeight(1) + kMargin + RowsHeight(2) + kMargin;

constexpr int PanelHeight(int panel) {
  return panel == 0 ? kNomenclatureHeight : panel == 1 ? kFrameHeight : kConversionHeight;
}
// The top of the buttons under `panel` (-1: no panel shown).
constexpr int ButtonRowTop(int panel) { return panel < 0 ? kMargin : kMargin + PanelHeight(panel) + kMargin; }

// The controls of a panel: its Execute button cmdOK(execute), and for
// panels 2 to 5 txtAngle(source), txtAngle(output) and cboRazmAngle(units).
struct PanelBoxes {
  int execute;
  int source;
  int output;
  int units;
};

constexpr PanelBoxes BoxesOf(int panel) {
  switch (panel) {
    case 0: return {0, -1, -1, -1};
    case 1: return {1, -1, -1, -1};
    case 2: return {3, 0, 1, 1};
    case 3: return {4, 2, 3, 0};
    case 4: return {5, 4, 5, 2};
    default: return {6, 7, 6, 3};
  }
}

}  // namespace vexilor::service_layout
