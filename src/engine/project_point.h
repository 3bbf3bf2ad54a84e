#pragma once
// Projection of latitude and longitude to plane coordinates and back for one
// side's parameters: Gauss-Krüger and UTM in zones, or Lambert.
//
// Zoned plane coordinates carry the zone number in their millions:
// ordinate = zone × 1 000 000 + the in-zone value in [0, 1 000 000) m.

#include "engine/gauss_kruger.h"
#include "engine/projection_slots.h"
#include "engine/result_codes.h"

namespace vexilor {

// Direction kForward projects geo (degrees) into plane (metres); kInverse
// computes geo from plane. On failure the outputs are left as they were,
// except for the Lambert sign checks (kLambertFirstCoordinateNegative,
// kLambertAbscissaNegative), which report a point that
// has been projected already.
ResultCode ProjectPoint(double a, double inverseFlattening, ProjectionDirection direction,
                        PlanePoint& plane, LatLonDegrees& geo, const ProjectionSlots& p);

}  // namespace vexilor
