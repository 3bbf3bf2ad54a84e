#pragma once
// Change of coordinate type on one ellipsoid: geodetic (BLH), geocentric
// (XYZ) and plane projection coordinates with height (xyH).

#include <array>
#include <optional>
#include <string_view>

#include "engine/projection_slots.h"
#include "engine/result_codes.h"

namespace vexilor {

enum class CoordType { BLH, XYZ, xyH };

// The engine's names of the types: "BLH", "XYZ", "xyH".
std::string_view CoordTypeName(CoordType type);
std::optional<CoordType> CoordTypeFromName(std::string_view name);

// Three coordinates in engine units: BLH as B, L radians and H metres; XYZ
// metres; xyH as x, y metres (zone in the millions) and H metres.
using Coords = std::array<double, 3>;

// Plane points are read with side 1 of `params` and written with side 2,
// whatever ellipsoid the conversion runs on. On failure `out` is untouched
// and the code of the failing step is returned.
ResultCode ConvertCoordType(double a, double inverseFlattening, CoordType from, CoordType to,
                            const ProjectionParams& params, const Coords& in, Coords& out);

}  // namespace vexilor
