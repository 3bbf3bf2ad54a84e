#pragma once
// Points of one coordinate system turned into its geocentric X, Y, Z: the
// marks of a set of common points made ready for a link fit
// (geodesy/link_fit.h), whatever type, units and heights they came in.
//
// Each point goes through the per-point sequence (point_pipeline.h) from
// the system to itself: the type changes on the system's own ellipsoid
// (datum.h), and a normal height becomes a geodetic one through the
// quasi-geoid, ζ of the system's own (Molodensky's normal heights), as in
// a file run. The conversion adds no approximation of its own: its accuracy
// is that of the route and of the quasi-geoid lookup.

#include <cstdint>
#include <string>
#include <vector>

#include "geodesy/common_points.h"
#include "geodesy/datum.h"
#include "geodesy/projection_slots.h"
#include "run/point_pipeline.h"
#include "run/source_line.h"

namespace vexilor {

// A set of points of one system and how to read them.
struct PointSetFrame {
  SystemSide side;              // the system; side.type the points' type
  ProjectionSlots projection;   // of plane points
  HeightType heights = HeightType::Normal;  // of geodetic and plane points
  std::string gridFile;         // the quasi-geoid grid, for normal heights
};

// The points of `points` (engine units of frame.side.type) as geocentric
// marks of the same numbers, in their order. The grid is opened once, at
// the first point that needs it.
// Codes: any of the per-point sequence; `failed` is then the place of the
// point in `points`, counted from 1. `out` is untouched on failure.
ResultCode ToGeocentric(const PointSetFrame& frame, const std::vector<SourcePoint>& points,
                        std::vector<NumberedPoint>& out, std::int32_t& failed);

}  // namespace vexilor
