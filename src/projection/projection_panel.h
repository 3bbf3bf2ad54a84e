#pragma once
// What one parameter panel of the projection dialog shows: six boxes and two
// pairs of option buttons, filled from a parameter set (false origins in
// kilometres, angles in degrees) and read back by the validation.

#include <array>
#include <string>
#include <string_view>

#include "geodesy/projection_slots.h"
#include "geodesy/side.h"

namespace vexilor {

// Boxes of a panel, in order: national prime meridian (slot 2), slot 3,
// slot 4, false origins along x and y in km (slots 5, 6), scale (slot 7).
inline constexpr int kPanelBoxes = 6;

// The two panels: Gauss-Krüger and UTM share the first, Lambert has the second.
inline constexpr int kGaussKrugerPanel = 0;
inline constexpr int kLambertPanel = 1;

struct PanelEntry {
  std::array<std::string, kPanelBoxes> texts{};
  bool westPositive = false;   // "к западу" instead of "к востоку"
  bool yAxisVertical = false;  // "ось "y" вертикально" instead of axis x
};

// Why a panel is filled: the dialog opens, or the user switches the type.
// Only the digits of the scale differ.
enum class PanelFill { kOpening, kTypeSwitch };

// The mask of the scale box (slot 7). The source side shows more digits on
// opening, so that a source scale such as 0.9996 of UTM or a fine Lambert m0
// reads back unchanged.
std::string_view ScaleMask(ProjectionKind kind, Side side, PanelFill fill);

// The panel of `kind` for `side` filled from `set` (slots 2 to 9).
PanelEntry PanelEntryFromSet(const ProjectionSlots& set, ProjectionKind kind, Side side, PanelFill fill);

}  // namespace vexilor
