#pragma once
// The direction of a projection.

namespace vexilor {

enum class ProjectionDirection {
  kForward,  // latitude and longitude to the plane
  kInverse,  // the plane to latitude and longitude
};

}  // namespace vexilor
