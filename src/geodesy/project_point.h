#pragma once
// Projection of latitude and longitude to plane coordinates and back with
// one side's parameter set (projection_slots.h): Gauss-Krüger and UTM in
// zones, or Lambert. UTM is the Gauss-Krüger computation with the UTM set
// (zone 1 on 183°, 0.9996, 500 km false origin, axes exchanged).
//
// Units and signs: B, L in degrees, B north positive, L east positive unless
// the set counts longitudes positive to the west; plane coordinates in
// metres, x along the meridian and y across it, or exchanged when the set
// says so.
//
// Zones (Gauss-Krüger and UTM). Forward:
//   L is brought into [0, 360) (360·Fix(L/360) subtracted, 360 added below
//   0), turned to 360 - L for west-positive sets, less the prime meridian;
//   zone n = Int((L - (L₁ - w/2)) / w + 1) with L₁ the axial meridian of
//   zone 1 and w the zone width, or the set's fixed zone;
//   L₀ = w (n - 1) + L₁ (less 360 above 360); l = arcsin(sin(L - L₀)), which
//   folds a point of a far fixed zone into [-90°, 90°];
//   in-zone (x, y) from the series (gauss_kruger.h), then
//   x = x₀ + x_zone, y = n·10⁶ + (y₀ + y_zone)   (axes not exchanged)
//   x = n·10⁶ + (x₀ + y_zone), y = y₀ + x_zone   (exchanged, UTM).
// The in-zone value behind the zone number must lie in [0, 1 000 000) m.
// Inverse: the zone is Int(zoned coordinate · 10⁻⁶) and must lie in
// [1, 360/w]; the series give B and l; L = l + L₀ + prime meridian, turned
// for west-positive sets, not reduced further.
// Accuracy: that of the series, 0.045 mm within a six-degree zone
// (gauss_kruger.h; the published GIGS 5101 values through this entry agree
// as the series do).
//
// Lambert: L brought into [0, 360) and turned as above, the prime
// meridian entering as ΔL; lambert.h. With the axes exchanged (slot 9 of 1
// or more) the result is (x, y) as lambert.h gives it; otherwise (y, x).
// The inverse reads the point in the same layout.

#include "geodesy/gauss_kruger.h"
#include "geodesy/projection_slots.h"
#include "geodesy/result_codes.h"

namespace vexilor {

// Forward projects geo (degrees) into plane (metres); inverse computes geo
// from plane. On failure the outputs are left as they were, except for the
// Lambert sign checks, which report a point that has been projected
// already.
//
// Codes: kSemiMajorAxisOutOfRange (checked first); kProjectionNotFinite
// for input or results that are not finite or a longitude too large to
// reduce; kOrdinateOutsideZone (axes not exchanged) and
// kAbscissaOutsideZone (exchanged) for an in-zone value outside
// [0, 1 000 000) m; kNoValidZone for a zoned coordinate without a zone of
// the set, a zone number beyond 16 bits or a set without zone width;
// kLambertFirstCoordinateNegative (axes not exchanged) and
// kLambertAbscissaNegative (exchanged) for a Lambert point with a negative
// first coordinate.
ResultCode ProjectPoint(double a, double inverseFlattening, ProjectionDirection direction,
                        PlanePoint& plane, LatLonDegrees& geo, const ProjectionSlots& p);

}  // namespace vexilor
