#pragma once
// Validation of a projection panel and storing of its values into one side
// of the projection parameters.

#include <optional>
#include <string>

#include "geodesy/projection_slots.h"
#include "projection/projection_panel.h"

namespace vexilor {

// The first box of a panel whose value was refused.
struct EntryFailure {
  int box = 0;          // 0 to kPanelBoxes - 1, within the panel
  std::string message;  // lines joined by "\r\n"
};

// Checks the boxes of `entry` in order against the rules of `kind`: angles
// in degrees, false origins converted from km to metres. When every box
// passes, `params` takes the kind, the six values, the option buttons and
// no fixed target zone. At the first refused box the failure is returned
// and `params` is left as it was, so a refused entry never leaves a
// half-written side.
std::optional<EntryFailure> ValidateAndStore(ProjectionKind kind, const PanelEntry& entry, ProjectionSlots& params);

}  // namespace vexilor
