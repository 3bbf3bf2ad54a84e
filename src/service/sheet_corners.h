#pragma once
// The corners of a sheet frame in plane coordinates, all four in the zone of
// the north-west corner, and the block of text that lists them.

#include <array>
#include <string>
#include <string_view>

#include "geodesy/plane_point.h"
#include "geodesy/result_codes.h"
#include "service/sheet_frame.h"
#include "service/sk42_plane.h"

namespace vexilor {

// North-west, north-east, south-west, south-east.
using SheetCorners = std::array<PlanePoint, 4>;

// Projects the corners of `frame` in `system` (ProjectPoint); the first
// corner takes the zone of its longitude and the other three are projected
// in that zone, so that all four share one zone number. On a failure its
// code is returned and `corners` is left as it was.
ResultCode ProjectSheetCorners(const SheetFrame& frame, const PlaneSystem& system, SheetCorners& corners);

// One line per corner: "Северо-запад ", "Северо-восток", "Юго-запад    ",
// "Юго-восток   ", then x and y with two decimals, each right-aligned in 12
// characters; lines joined by `lineBreak`, the last without one.
std::string SheetCornerText(const SheetCorners& corners, std::string_view lineBreak);

// The corners of `frame` in СК-42 Gauss-Krüger as SheetCornerText lists
// them, or "" when a corner cannot be projected.
std::string Sk42SheetCornerText(const SheetFrame& frame, std::string_view lineBreak);

}  // namespace vexilor
