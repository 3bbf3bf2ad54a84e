#pragma once
// Gauss-Krüger series for one zone of the transverse Mercator projection.

#include "engine/result_codes.h"

namespace vexilor {

// Plane coordinates inside a zone or of a projection, metres; x along the
// meridian (northing), y across it (easting).
struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

// Latitude and longitude, degrees (or a longitude difference, see below).
struct LatLon {
  double b = 0.0;
  double l = 0.0;
};

inline constexpr int kForward = 0;
inline constexpr int kInverse = 1;

// The engine's projections are defined for Earth-sized ellipsoids only.
bool SemiMajorAxisInRange(double a);

// Direction kForward: from geo.b and geo.l (longitude difference from the
// axial meridian), degrees, computes the in-zone plane.x, plane.y without
// false origins, scaled by k0. kInverse computes geo from plane.
// Codes: kSemiMajorAxisOutOfRange, kBadDirection.
ResultCode GaussKrugerSeries(double a, double inverseFlattening, int direction, double k0,
                             PlanePoint& plane, LatLon& geo);

}  // namespace vexilor
