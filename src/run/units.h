#pragma once
// Units of the coordinates and heights on each side of a run, as the lists
// of the main window number them.

#include <array>
#include <cstdint>

namespace vexilor {

// Angles of geodetic coordinates.
inline constexpr std::int16_t kDegMinSec = 0;
inline constexpr std::int16_t kDegMin = 1;
inline constexpr std::int16_t kDegrees = 2;
inline constexpr std::int16_t kRadians = 3;

// Lengths: X Y Z, plane x y and heights.
inline constexpr std::int16_t kMetres = 0;
inline constexpr std::int16_t kKilometres = 1;

// [0] source coordinates, [1] source heights, [2] target coordinates,
// [3] target heights. Geocentric and plane heights follow their coordinate
// unit; the height entries matter for geodetic coordinates only.
using UnitCodes = std::array<std::int16_t, 4>;

}  // namespace vexilor
