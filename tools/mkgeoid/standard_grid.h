#pragma once
// The standard quasi-geoid grid wgeoid.mat built from EGM96: the whole
// sphere at 15′ steps, values on the nodes, rows from the north pole,
// columns east from Greenwich, heights as 16-bit multiples of 1/256 m
// (quantisation within 2 mm, range ±128 m).
//
// EGM96 gives geoid heights above the WGS-84 ellipsoid; the engine reads
// the grid as heights above the ПЗ-90 ellipsoid and carries them to WGS-84
// with its fixed link. Each node (B, L) therefore holds the height ζ above
// ПЗ-90 whose point (B, L, ζ), carried by the fixed link, lands on the
// EGM96 geoid: ζ is iterated, ζ += N(B', L') - h', where (B', L', h') is
// the carried point on WGS-84 and N is EGM96 interpolated bilinearly at
// (B', L') - the carried point lies metres off the node, which moves N by
// well under a millimetre but is taken into account all the same.

#include <cstdint>
#include <string>
#include <vector>

#include "gtx_grid.h"

namespace vexilor::mkgeoid {

inline constexpr int kStandardRows = 721;      // 90° N to 90° S
inline constexpr int kStandardColumns = 1440;  // 0° to 359.75° E
inline constexpr double kStandardStepMinutes = 15.0;
inline constexpr double kStandardScale = 1.0 / 256.0;  // metres per stored unit

struct BuildReport {
  int worstIterations = 0;
  double largestShift = 0;  // largest |ζ - N| at a node, metres
  double largestMiss = 0;   // largest miss of a carried node before storage, metres
};

// The stored values, row by row from the north. False, with the reason in
// `error`, when EGM96 has no value near a node, the iteration does not
// settle, or a height does not fit 16 bits.
bool BuildStandardGrid(const GtxGrid& egm96, std::vector<std::int16_t>& stored, BuildReport& report,
                       std::string& error);

// Writes the grid file (header and body) through a temporary file renamed
// over `path`. False, with the reason in `error`, on any write failure.
bool WriteStandardGrid(const std::string& path, const std::vector<std::int16_t>& stored,
                       std::string& error);

}  // namespace vexilor::mkgeoid
