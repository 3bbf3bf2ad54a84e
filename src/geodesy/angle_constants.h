#pragma once
// The engine's angle constants. Every change between degrees and radians
// multiplies by one of the two factors, so that a value converted there and
// back is treated the same way everywhere.
//
// They are constant expressions: a constant initialised at run time from
// another one may be read before it is set when the two live in different
// translation units, and a degree factor of 180 / 0 is infinite.

#include <numbers>

namespace vexilor {

// π, the double nearest to it; 4·arctan(1) gives the same double.
inline constexpr double kPi = std::numbers::pi;
inline constexpr double kDegreesPerRadian = 180.0 / kPi;
// 1 / (180 / π), the form the engine has always used (the same double as
// π / 180).
inline constexpr double kRadiansPerDegree = 1.0 / kDegreesPerRadian;

// Multiples of π by powers of two: exact, the same doubles as kPi / 4 and
// so on written out.
inline constexpr double kQuarterPi = kPi / 4;
inline constexpr double kHalfPi = kPi / 2;
inline constexpr double kTwoPi = 2 * kPi;

// Degrees in a full turn; arc minutes and arc seconds in a degree.
inline constexpr double kDegreesPerCircle = 360.0;
inline constexpr double kArcMinutesPerDegree = 60.0;
inline constexpr double kArcSecondsPerDegree = 3600.0;

}  // namespace vexilor
