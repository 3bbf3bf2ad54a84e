#pragma once
// The seven parameters of a similarity transformation between two geocentric
// frames, in this order:
//   [0] Dx, [1] Dy, [2] Dz  shifts, metres
//   [3] Wx, [4] Wy, [5] Wz  rotations about the axes, arc seconds, in the
//                           coordinate-frame convention (seven_parameter.h)
//   [6] m                   scale correction, a pure number (not ppm)
// The link of a system takes a point of that system to its base.

#include <array>
#include <cstddef>

namespace vexilor {

using LinkParams = std::array<double, 7>;

// The places of the seven parameters in that order.
enum LinkPlace : std::size_t { kLinkDx, kLinkDy, kLinkDz, kLinkWx, kLinkWy, kLinkWz, kLinkScale };

// The link from the source base to the target base when the two differ.
using GlobalLinkParams = LinkParams;

}  // namespace vexilor
