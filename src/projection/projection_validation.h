#pragma once
// Validation of a projection panel and storing of its values into one side
// of the projection parameters.

#include <optional>
#include <string>

#include "engine/projection_slots.h"
#include "projection/projection_panel.h"

namespace vexilor {

// The first box of a panel whose value was refused.
struct EntryFailure {
  int box = 0;          // 0 to kPanelBoxes - 1, within the panel
  std::string message;  // lines joined by "\r\n"
};

// Writes the type into slot 1 of `params`, then checks the boxes of `entry`
// in order and writes each value as it passes: angles in degrees, false
// origins converted from km to metres. At the first refused box the failing
// slot is reset (to a value of `confirmed`, the set of `kind` last confirmed
// for this side, or to a fixed start value), the values written before it
// stay, and the failure is returned. When every box passes, slots 8 and 9
// take the option buttons and slot 10 (the fixed target zone) becomes 0.
std::optional<EntryFailure> ValidateAndStore(ProjectionKind kind, const PanelEntry& entry,
                                             const ProjectionSlots& confirmed, ProjectionSlots& params);

}  // namespace vexilor
