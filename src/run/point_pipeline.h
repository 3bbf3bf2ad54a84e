#pragma once
// One point from the source system, coordinate type and height kind to the
// target ones, normal heights included.
//
// Normal heights are carried through the quasi-geoid (Molodensky's normal
// heights, the system of the Russian state levelling network): the grid
// gives the height anomaly ζ referred to the ПЗ-90 ellipsoid at the point's
// B, L in its source base; the point (B, L, ζ) is carried to the ellipsoid
// of each side - through the fixed link (quasi_geoid_link.h) when the side
// rests on WGS-84, then the side's own link from the base - and its height
// there is ζ of that side. The geodetic height of a point is its normal
// height plus ζ of its own system; a normal height is the same in every
// system and is handed through unchanged.
//
// Units: ζ in metres, single precision (as the grid holds it); coordinates
// as datum.h.
//
// Measured (tests/oracle): ζ of a system on WGS-84 through the fixed link
// against EGM96 at 2000 nodes of the standard grid 2.4 mm; through the
// sys.dat link 38 mm (the link's own difference). The interpolation:
// quasi_geoid.h.

#include <string>

#include "geodesy/datum.h"
#include "quasigeoid/quasi_geoid.h"

namespace vexilor {

enum class HeightType { Normal, Geodetic };

// What the quasi-geoid step computes.
enum class HeightMode {
  kBoth,        // normal heights with the quasi-geoid column
  kSourceOnly,  // normal heights: ζ of the source to find the geodetic height
  kTargetOnly,  // geodetic heights with the column: ζ of the target to report
  kNone,        // geodetic heights without the column: the grid is not opened
};

HeightMode HeightModeOf(HeightType heights, bool geoidColumn);

// Quasi-geoid heights of a point on the source and target sides, metres,
// from the grid of `grid`. `mode` as HeightModeOf gives it; a side the mode
// leaves out keeps its value. Codes of the route and of the grid lookup pass
// unchanged.
ResultCode QuasiGeoidHeights(const SystemSide& source, const SystemSide& target,
                             const GlobalLinkParams& global, const Coords& in,
                             const ProjectionParams& params, QuasiGeoidLookup& grid,
                             HeightMode mode, float& zetaSource, float& zetaTarget);

// Everything that stays the same for every point of a run.
struct PointRoute {
  SystemSide source;
  SystemSide target;
  GlobalLinkParams global{};
  ProjectionParams projection;
  std::string gridFile;
  HeightType heights = HeightType::Geodetic;
  bool geoidColumn = false;
};

struct PointResult {
  Coords coords{};  // engine units of the target type
  float zeta = 0;   // target quasi-geoid height, when the column is asked for
};

// The per-point sequence: quasi-geoid heights when needed, looked up in
// `grid` (a lookup in the session of route.gridFile), the route, and the
// height of the result (transformed for geodetic heights, the input normal
// height unchanged for normal ones). `out` is untouched on failure.
ResultCode TransformOnePoint(const PointRoute& route, QuasiGeoidLookup& grid, const Coords& in,
                             PointResult& out);

// The same for a point on its own: route.gridFile is opened, read and
// closed within the call, when the point needs it.
ResultCode TransformOnePoint(const PointRoute& route, const Coords& in, PointResult& out);

}  // namespace vexilor
