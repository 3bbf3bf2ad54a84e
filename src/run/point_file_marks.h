#pragma once
// The marks of one point file of a link fit: every point of the file read
// as a file run reads it (ReadSourcePoints, source_points.h) and placed in
// its system's geocentric X, Y, Z (ToGeocentric, geocentric_points.h). The
// file's first line, its type, is the caller's to check.

#include <cstdint>
#include <string>
#include <vector>

#include "geodesy/common_points.h"
#include "geodesy/result_codes.h"
#include "run/geocentric_points.h"
#include "run/units.h"

namespace vexilor {

// The points of the file at `path`, of type frame.side.type in `units`, as
// marks of `frame`'s system, in the file's order.
// Codes: those of ReadSourcePoints, then those of ToGeocentric; `line` is
// the point line at fault as a run counts it (1 for line 2 of the file) -
// every line after the first is a point, so the place of a point is its
// line. `out` is untouched on failure.
ResultCode ReadMarks(const std::string& path, const PointSetFrame& frame, const SideUnits& units,
                     std::vector<NumberedPoint>& out, std::int32_t& line);

}  // namespace vexilor
