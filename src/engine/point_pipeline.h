#pragma once
// One point from the source system, coordinate type and height kind to the
// target ones, normal heights included.
//
// Normal heights are carried through the quasi-geoid: the grid gives the
// height anomaly ζ referred to the ПЗ-90 ellipsoid, which is carried to the
// ellipsoid of each side; the geodetic height of a point is its normal
// height plus ζ of its own system.

#include <string>

#include "engine/datum.h"

namespace vexilor {

enum class HeightType { Normal = 0, Geodetic = 1 };

// What the quasi-geoid step computes, numbered as the pipeline has always
// numbered the modes.
enum class HeightMode {
  kBoth = 0,         // normal heights with the quasi-geoid column
  kSourceOnly = -1,  // normal heights: ζ of the source to find the geodetic height
  kTargetOnly = 1,   // geodetic heights with the column: ζ of the target to report
  kNone = 2,         // geodetic heights without the column: the grid is not opened
};

HeightMode HeightModeOf(HeightType heights, bool geoidColumn);

// Quasi-geoid heights of a point on the source and target sides, metres.
// `mode` as HeightModeOf gives it; a side the mode leaves out keeps its value.
// Codes of the route and of the grid lookup pass unchanged.
ResultCode QuasiGeoidHeights(const SystemSide& source, const SystemSide& target,
                             const GlobalLinkParams& global, const Coords& in,
                             const ProjectionParams& params, const std::string& gridFile,
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

// The per-point sequence: quasi-geoid heights when needed, the route, and
// the height of the result (transformed for geodetic heights, the input
// normal height unchanged for normal ones). `out` is untouched on failure.
ResultCode TransformOnePoint(const PointRoute& route, const Coords& in, PointResult& out);

}  // namespace vexilor
