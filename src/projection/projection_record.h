#pragma once
// The projection record of a transformation: the parameters of both sides,
// the built-in and the last confirmed parameter sets of every projection
// type, and which system each side was last confirmed for.

#include <array>
#include <cstdint>
#include <string>

#include "engine/projection_slots.h"

namespace vexilor {

inline constexpr int kProjectionTypes = 3;  // Gauss-Krüger, Lambert, UTM

// One set per projection type and side, slots 1 to 9 as the dialog shows
// them: false origins (slots 5, 6) in kilometres, angles in degrees.
using ProjectionSets = std::array<std::array<ProjectionSlots, 2>, kProjectionTypes>;

// The built-in sets, equal on both sides.
const ProjectionSets& DefaultProjectionSets();

// Per side, the name of the system the side's parameters were confirmed for.
using ProjectionSystemMark = std::array<std::string, 2>;

// The side the projection dialog edits: 1 source, 2 target.
using ProjectionSide = std::int16_t;

struct ProjectionRecord {
  ProjectionParams params;
  ProjectionSets confirmed = DefaultProjectionSets();  // ConfirmedProjectionSets
  ProjectionSystemMark systemMark;
  ProjectionSide side = 1;

  // At start-up: slots 1 to 9 of both sides cleared, the confirmed sets
  // back to the built-in ones.
  void ResetForStartUp();
};

// A side whose ten slots add up to zero has not been set.
bool IsProjectionSet(const ProjectionSlots& side);

}  // namespace vexilor
