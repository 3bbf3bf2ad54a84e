#pragma once
// How the six boxes of a projection panel are shown, read, checked and
// stored: one rule per box, naming the slot the box edits.

#include <array>
#include <string_view>

#include "geodesy/projection_slots.h"
#include "projection/projection_panel.h"

namespace vexilor {

// What a range test may look at besides the value: the slots stored from
// the boxes before it (the zone width) and the axis orientation.
struct RangeContext {
  const ProjectionSlots& params;
  bool yAxisVertical;
};
using RangeTest = bool (*)(double value, const RangeContext& context);

// The unit of a box.
enum class BoxUnit {
  kAngle,       // degrees; the box shows and reads degrees, minutes and seconds
  kKilometres,  // kilometres in the box and the sets, metres in the record
  kScale,       // a factor, shown with the scale mask (projection_panel.h)
};

struct FieldRule {
  BoxUnit unit;
  double (ProjectionSlots::*read)() const;
  void (ProjectionSlots::*write)(double);
  RangeTest accepts;
  bool wrapNegative;                        // a negative longitude is counted on eastwards, +360°
  std::array<std::string_view, 3> message;  // lines; trailing empty ones unused
};

// The boxes of a panel in order.
using PanelRules = std::array<FieldRule, kPanelBoxes>;

}  // namespace vexilor
