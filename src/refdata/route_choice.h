#pragma once
// The route between two systems of the catalogue named as a user names
// them (FindSystemLine: a full name or its code), for geodetic points with
// geodetic heights: what a transformation between them in B L H takes.

#include <cstdint>
#include <string>
#include <string_view>

#include "refdata/reference_lines.h"
#include "refdata/system_choice.h"
#include "run/point_pipeline.h"

namespace vexilor {

enum class RouteError : std::int16_t {
  kNone = 0,
  kSystemMissing = 1,  // no line names the system
  kSystemDamaged = 2,  // its line or its ellipsoid cannot be used (outcome says why)
  kNoLink = 3,         // no line links the two bases
};

struct RouteChoice {
  RouteError error = RouteError::kNone;
  std::string system;     // the query of the side that failed
  ChoiceOutcome outcome;  // with kSystemDamaged
};

// Fills `side` with the system `query` names, its points of `type`;
// kNone, kSystemMissing or kSystemDamaged. `side` is untouched on failure.
RouteChoice ChooseCatalogueSide(const SystemLines& systems, const EllipsoidLines& ellipsoids, std::string_view query,
                                CoordType type, SystemSide& side);

// Fills `out` with both sides (B L H), the link between their bases and
// geodetic heights; `out` is untouched on failure.
RouteChoice ChooseGeodeticRoute(const SystemLines& systems, const EllipsoidLines& ellipsoids, std::string_view from,
                                std::string_view to, PointRoute& out);

}  // namespace vexilor
