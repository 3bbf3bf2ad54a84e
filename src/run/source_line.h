#pragma once
// Reading one point line of a source coordinates file (.in).
//
// A line holds the point number and the coordinates, separated by blanks:
//   XYZ, xyH (metres or kilometres)   N X Y Z
//   BLH degrees-minutes-seconds       N Bd Bm Bs Ld Lm Ls H
//   BLH degrees-minutes               N Bd Bm Ld Lm H
//   BLH degrees or radians            N B L H
// The latitude takes the sign of its degrees word ("-0 30 0" is south);
// longitudes are east positive in [0, 360]. Kilometres are multiplied by
// 1000; degree words and the minute words beside seconds are whole
// numbers.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "text/number_text.h"
#include "geodesy/coord_type.h"
#include "geodesy/result_codes.h"
#include "run/units.h"

namespace vexilor {

// A point line read: its number and its coordinates in engine units
// (radians and metres).
struct SourcePoint {
  std::int32_t number = 0;
  Coords coords{};
};

// Fills `out` with the point in engine units (radians and metres).
// kUnreadableLine: a wrong number of words or a word that is not a number;
// kValueOutOfRange: a value outside its range (a latitude beyond a pole, a
// longitude outside [0, 360], minutes or seconds out of their span, a word
// too large for its integer). `out` is untouched on failure.
ResultCode ParseSourceLine(std::string_view line, CoordType type, const SideUnits& units,
                           const NumericLocale& locale, Coords& out);

// The same, keeping the point number (the first word, a whole number of 32
// bits after rounding half to even).
ResultCode ParseSourcePoint(std::string_view line, CoordType type, const SideUnits& units,
                            const NumericLocale& locale, SourcePoint& out);

// A point of `type` in engine units: three lengths in `units` (X Y Z or
// x y H), or a latitude and longitude in degrees and a height in `units`
// (B L H), made metres and radians. Empty when a value is not finite once
// converted (1e306 km is beyond the doubles in metres).
std::optional<Coords> InEngineUnits(CoordType type, const SideUnits& units, const std::array<double, 3>& values);

}  // namespace vexilor
