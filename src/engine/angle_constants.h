#pragma once
// The engine's angle constants. Every change between degrees and radians
// multiplies by one of the two factors, so that a value converted there and
// back is treated the same way everywhere.

#include <cmath>

namespace vexilor {

inline const double kPi = 4.0 * std::atan(1.0);
inline const double kDegreesPerRadian = 180.0 / kPi;
inline const double kRadiansPerDegree = 1.0 / kDegreesPerRadian;

}  // namespace vexilor
