#pragma once
// The units of a side as the tests choose them: geodetic coordinates in an
// angle unit (heights in metres unless said), or geocentric and plane
// coordinates in a length unit.

#include "run/units.h"

namespace vexilor::testing {

inline SideUnits InAngles(AngleUnit angles, LengthUnit heights = LengthUnit::Metres) {
  SideUnits units;
  units.angles = angles;
  units.heights = heights;
  return units;
}

inline SideUnits InLengths(LengthUnit lengths) {
  SideUnits units;
  units.lengths = lengths;
  return units;
}

inline const SideUnits kInDegMinSec = InAngles(AngleUnit::DegMinSec);
inline const SideUnits kInDegMin = InAngles(AngleUnit::DegMin);
inline const SideUnits kInDegrees = InAngles(AngleUnit::Degrees);
inline const SideUnits kInRadians = InAngles(AngleUnit::Radians);
inline const SideUnits kInMetres = InLengths(LengthUnit::Metres);
inline const SideUnits kInKilometres = InLengths(LengthUnit::Kilometres);

}  // namespace vexilor::testing
