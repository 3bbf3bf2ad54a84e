#pragma once
// Seven-parameter similarity transformation of geocentric coordinates with
// the small-angle (linearised) rotation matrix.
//
//   kToBase   (-1): X' = (1 + m) R X + D,  R = [ 1  Wz -Wy; -Wz  1  Wx;  Wy -Wx  1]
//   kFromBase (+1): X' = (1 - m) R X - D,  R = [ 1 -Wz  Wy;  Wz  1 -Wx; -Wy  Wx  1]
//
// With a system's link, kToBase takes a point of the system to its base and
// kFromBase, the first-order inverse, takes a point of the base back to the
// system. kToBase with given parameters equals kFromBase with all seven
// negated.

#include "engine/ellipsoid.h"
#include "engine/link_params.h"
#include "engine/result_codes.h"

namespace vexilor {

// The two forms, numbered as the route has always numbered them.
enum class LinkDirection {
  kToBase = -1,   // a point of the system to its base, with the system's link
  kFromBase = +1, // a point of the base to the system: the first-order inverse
};

// Codes: kBadTransformMode for a mode other than the two above (nothing is
// computed); kMatrixProductFailed when the rotation cannot be applied;
// kLinkResultNotFinite when the result is not finite. `out` is left untouched on
// failure.
ResultCode SevenParameterTransform(LinkDirection direction, const Geocentric& in,
                                   const LinkParams& p, Geocentric& out);

}  // namespace vexilor
