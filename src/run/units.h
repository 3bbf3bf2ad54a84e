#pragma once
// Units of the coordinates and heights on each side of a run.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geodesy/side.h"

namespace vexilor {

enum class AngleUnit { DegMinSec, DegMin, Degrees, Radians };
enum class LengthUnit { Metres, Kilometres };

// Kilometres are read by multiplying by the one and written by multiplying
// by the other, the two operations results files have always used.
inline constexpr double kMetresPerKilometre = 1000.0;
inline constexpr double kKilometresPerMetre = 0.001;

// The units in the order of the main window's unit lists; vexilor-cli's
// --from-units and --to-units number them the same way.
inline constexpr std::array<AngleUnit, 4> kAngleUnits = {AngleUnit::DegMinSec, AngleUnit::DegMin,
                                                         AngleUnit::Degrees, AngleUnit::Radians};
inline constexpr std::array<LengthUnit, 2> kLengthUnits = {LengthUnit::Metres, LengthUnit::Kilometres};

// The unit at a list position; empty outside the list.
template <typename Unit, std::size_t N>
std::optional<Unit> UnitAt(const std::array<Unit, N>& units, int position) {
  if (position < 0 || position >= static_cast<int>(N)) return std::nullopt;
  return units[static_cast<std::size_t>(position)];
}

// The unit at a list position, the first one outside the list (-1 while
// nothing is chosen).
template <typename Unit, std::size_t N>
Unit UnitAtOrFirst(const std::array<Unit, N>& units, int position) {
  return UnitAt(units, position).value_or(units[0]);
}

// The names the unit lists and the header of a results file give them.
std::string_view AngleUnitName(AngleUnit unit);
std::string_view LengthUnitName(LengthUnit unit);

// The names of a unit list, in its order.
std::vector<std::string> AngleUnitNames();
std::vector<std::string> LengthUnitNames();

// The units of one side: geodetic coordinates count B and L in `angles`
// and H in `heights`; geocentric and plane coordinates count all three in
// `lengths`.
struct SideUnits {
  AngleUnit angles = AngleUnit::DegMinSec;
  LengthUnit heights = LengthUnit::Metres;
  LengthUnit lengths = LengthUnit::Metres;

  bool operator==(const SideUnits&) const = default;
};

using RunUnits = PerSide<SideUnits>;

}  // namespace vexilor
