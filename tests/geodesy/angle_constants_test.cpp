#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

// The factors are read while other translation units initialise their own
// constants; only constant expressions are sure to be set by then. A
// run-time initialisation makes these fail to compile.
static_assert(kPi > 3.14159 && kPi < 3.14160);
static_assert(kDegreesPerRadian > 57.29 && kDegreesPerRadian < 57.30);
static_assert(kRadiansPerDegree * kDegreesPerRadian == 1.0);

}  // namespace
}  // namespace vexilor
