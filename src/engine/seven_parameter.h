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

inline constexpr int kToBase = -1;
inline constexpr int kFromBase = +1;

// Codes: kBadTransformMode for a mode other than the two above (nothing is
// computed); kMatrixProductFailed when the rotation cannot be applied;
// kLinkResultNotFinite when the result is not finite. `out` is left untouched on
// failure.
ResultCode SevenParameterTransform(int mode, const Geocentric& in, const LinkParams& p,
                                   Geocentric& out);

}  // namespace vexilor
