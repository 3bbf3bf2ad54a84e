#pragma once
// The projection record of a transformation: the parameters of both sides,
// the built-in and the last confirmed parameter sets of every projection
// type, and which system each side was last confirmed for.

#include <array>
#include <cstdint>
#include <string>

#include "geodesy/projection_slots.h"

namespace vexilor {

inline constexpr int kProjectionTypes = 3;  // Gauss-Krüger, Lambert, UTM

// One set per projection type and side, slots 1 to 9 as the dialog shows
// them: false origins (slots 5, 6) in kilometres, angles in degrees.
using ProjectionSets = std::array<std::array<ProjectionSlots, 2>, kProjectionTypes>;

// The built-in sets, equal on both sides:
//   Gauss-Krüger  zone 1 on 3° E, zones 6° wide, y₀ 500 km, k₀ 1 - the
//                 six-degree zones of СК-42 and СК-95
//   UTM           zone 1 on 183° E (177° W), zones 6° wide, k₀ 0.9996, axes
//                 exchanged, so that slot 5 is the false easting of 500 km;
//                 no false northing (the northern hemisphere's zones)
//   Lambert       B₀ 10°, L₀ 0°, k₀ 1, x₀ 500 km along the meridian (for
//                 Lambert slot 5 always is); slot 9 set, so the point is
//                 written as lambert.h gives it, x (north) first
// Longitudes count east from Greenwich in all three.
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
