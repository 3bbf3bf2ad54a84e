#pragma once
// Which controls make up each panel of frmService. The panels share one
// place in the window, which takes the size of the panel shown.

namespace vexilor::service_panels {

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

}  // namespace vexilor::service_panels
