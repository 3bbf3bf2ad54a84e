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

// The two ways seven parameters are published. They differ only in the sign
// of the three rotations: the matrices are each other's transposes.
//   coordinate frame (EPSG methods 1032, 9607; GOST 32453-2017): the
//     rotations turn the axes, R = I + Ω(W) as above, X' = X + Wz Y - Wy Z
//   position vector (EPSG methods 1033, 9606; PROJ's +towgs84): the
//     rotations turn the point, X' = X - Wz Y + Wy Z
enum class RotationConvention { kCoordinateFrame, kPositionVector };

// `link` published in `convention`, in the coordinate-frame form every link
// of the catalogue and of the engine has: a position-vector set has its
// rotations negated, nothing else. Exact; a rotation of 0 stays +0, which
// a reference file writes as "0", never "-0".
inline LinkParams InCoordinateFrame(LinkParams link, RotationConvention convention) {
  if (convention == RotationConvention::kPositionVector) {
    for (const LinkPlace k : {kLinkWx, kLinkWy, kLinkWz}) link[k] = 0.0 - link[k];
  }
  return link;
}

}  // namespace vexilor
