#pragma once
// The projection record of a transformation: the parameters of both sides,
// the last confirmed parameter sets of every projection kind, and which
// system each side was last confirmed for.

#include <array>
#include <string>

#include "geodesy/projection_slots.h"
#include "geodesy/side.h"

namespace vexilor {

// One set per projection kind (by its code) and side, slots 1 to 9 as the
// dialog shows them: false origins in kilometres, angles in degrees.
using ProjectionSets = std::array<PerSide<ProjectionSlots>, kProjectionKinds.size()>;

// The built-in sets of every kind (projection_kinds.h), equal on both sides.
ProjectionSets DefaultProjectionSets();

// Per side, the name of the system the side's parameters were confirmed for.
using ProjectionSystemMark = PerSide<std::string>;

struct ProjectionRecord {
  ProjectionParams params;
  ProjectionSets confirmed = DefaultProjectionSets();  // ConfirmedProjectionSets
  ProjectionSystemMark systemMark;
  Side side = Side::Source;  // the side the projection dialog edits

  // At start-up: slots 1 to 9 of both sides cleared, the confirmed sets
  // back to the built-in ones.
  void ResetForStartUp();
};

// A side whose ten slots add up to zero has not been set.
bool IsProjectionSet(const ProjectionSlots& side);

// A set (false origins in km) as a side of the record (in metres), and
// slots 1 to 9 of a side as a set.
ProjectionSlots SideOfSet(const ProjectionSlots& set);
ProjectionSlots SetOfSide(const ProjectionSlots& side);

}  // namespace vexilor
