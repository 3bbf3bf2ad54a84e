#pragma once
// Gauss-Krüger series for one zone of the transverse Mercator projection.

#include "engine/lat_lon.h"
#include "engine/plane_point.h"
#include "engine/projection_direction.h"
#include "engine/result_codes.h"

namespace vexilor {

// The engine's projections are defined for Earth-sized ellipsoids only.
bool SemiMajorAxisInRange(double a);

// Direction kForward: from geo.b and geo.l (longitude difference from the
// axial meridian), degrees, computes the in-zone plane.x, plane.y without
// false origins, scaled by k0. kInverse computes geo from plane.
// Codes: kSemiMajorAxisOutOfRange, kBadDirection.
ResultCode GaussKrugerSeries(double a, double inverseFlattening, ProjectionDirection direction,
                             double k0, PlanePoint& plane, LatLonDegrees& geo);

}  // namespace vexilor
