#pragma once
// Lambert conformal conic projection on one standard parallel (tangent cone)
// with a scale factor on that parallel.

#include "engine/gauss_kruger.h"

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

// From latitude b and longitude l (radians) to x (along the central meridian)
// and y (across it), metres.
PlanePoint LambertForward(double b, double l, double a, double inverseFlattening,
                          const LambertZone& zone);

// From x, y (metres) back to latitude and longitude, radians.
LatLon LambertInverse(double x, double y, double a, double inverseFlattening,
                      const LambertZone& zone);

}  // namespace vexilor
