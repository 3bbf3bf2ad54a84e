#pragma once
// Lambert conformal conic projection on one standard parallel (tangent cone)
// with a scale factor on that parallel.

#include "engine/lat_lon.h"
#include "engine/plane_point.h"

namespace vexilor {

// Parameters of one Lambert zone; angles in radians, lengths in metres.
struct LambertZone {
  double primeMeridian = 0.0;     // ΔL, national prime meridian east of Greenwich
  double standardParallel = 0.0;  // B0; the cone constant is sin B0
  double centralMeridian = 0.0;   // L0
  double falseX = 0.0;            // x0
  double falseY = 0.0;            // y0
  double scale = 1.0;             // k0 on the standard parallel
};

// From latitude and longitude to x (along the central meridian) and y
// (across it), metres.
PlanePoint LambertForward(const LatLonRadians& geo, double a, double inverseFlattening,
                          const LambertZone& zone);

// From x, y (metres) back to latitude and longitude.
LatLonRadians LambertInverse(const PlanePoint& plane, double a, double inverseFlattening,
                             const LambertZone& zone);

}  // namespace vexilor
