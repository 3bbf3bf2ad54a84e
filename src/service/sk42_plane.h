#pragma once
// The plane coordinates of the sheet tools: СК-42 Gauss-Krüger in 6° zones
// on the Krassovsky ellipsoid, the zone number in the millions of y.

#include "geodesy/projection_slots.h"

namespace vexilor {

// An ellipsoid and a projection set: what ProjectPoint needs.
struct PlaneSystem {
  double a = 0.0;                  // semi-major axis, metres
  double inverseFlattening = 0.0;  // 1/f
  ProjectionSlots slots;           // false origins in metres
};

// Krassovsky (a = 6 378 245 m, 1/f = 298.3), Gauss-Krüger, axial meridian
// of zone 1 at 3°, zones 6° wide, false easting 500 000 m, scale 1, x along
// the meridian, the zone following the longitude (or read from y).
PlaneSystem Sk42GaussKruger();

}  // namespace vexilor
