#pragma once
// The Gauss-Krüger projection of one zone: the transverse Mercator
// projection of the ellipsoid (EPSG method 9807), evaluated by Krüger's
// power series in the longitude difference (L. Krüger, "Konforme Abbildung
// des Erdellipsoids in der Ebene", 1912). UTM is the same computation with
// another parameter set (project_point.h).
//
// Units and signs: B in degrees, north positive; l = L - L₀, the longitude
// difference from the axial meridian, in degrees, east positive; x along the
// meridian (north), y across it (east), metres, in the zone: no false
// origins, no zone number, scaled by k₀ on the axial meridian.
//
// Forward, with s = sin²B, l in radians and X(B) the meridian arc:
//   x = k₀ [X(B) + sin 2B (a₂ l² + a₄ l⁴ + a₆ l⁶ + a₈ l⁸)]
//   y = k₀ cos B · l (b₀ + b₂ l² + b₄ l⁴ + b₆ l⁶)
// each aᵢ, bᵢ a cubic in s. a₂ and b₀ are N/4 and N, the radius of
// curvature in the prime vertical, expanded to e⁶; the higher terms carry
// fewer powers of e² (a₈ is spherical).
// Meridian arc: the binomial series of (1 - e² sin²B)^(-3/2) integrated
// term by term to e⁸ (Helmert 1880),
//   X(B) = M₀ B - (M₁ + M₂ sin²B + M₃ sin⁴B) sin 2B.
// Inverse: the footpoint latitude B_f of x/k₀ by the reversed arc series,
// Q = y / (k₀ a cos B_f), then B = B_f + sin 2B_f (Q² …, to Q⁸) and
// l = Q (1 - …) + Q³ … to Q⁹, coefficients again cubics in sin²B_f.
//
// Measured against PROJ's exact transverse Mercator (tests/oracle):
//   |l| ≤ 3.5°, |B| < 80°: 0.036 mm in x, 0.045 mm in y (zoned_oracle_test);
//     inverse of PROJ's point 1.3·10⁻⁹° in B; forward then inverse 1.5·10⁻⁹°.
//   Over all latitudes (gauss_kruger_reach_oracle_test), forward / inverse:
//     |l| ≤ 6°   0.13 / 0.16 mm        |l| ≤ 12°  27 / 13 mm
//     |l| ≤ 8°   0.92 / 0.31 mm        |l| ≤ 15°  0.18 / 0.13 m
//     |l| ≤ 10°  5.8 / 2.0 mm          |l| ≤ 20°  2.3 / 3.1 m
// The floor near the axis is the meridian arc ending at e⁸ (0.09 mm at the
// pole); away from it the truncation in l grows with about its tenth power.
// A six-degree zone (|l| ≤ 3°, a little more at its edges) stays within
// 0.05 mm below 80° of latitude. Nothing bounds l here: the error passes
// a centimetre beyond 10° and a decimetre beyond 12°, and past 90° the
// series mean nothing (project_point.h folds l into [-90°, 90°] first).
//
// Published values (tests/geodesy/published, PublishedValues* tests): GIGS
// 5101 (122 cases, |l| up to 10°) and the GN7-2 OSGB example within 8.9 mm,
// their tolerances 30 and 10 mm (the GIGS values come from a truncated
// series themselves; PROJ's exact projection differs from them as much);
// GeographicLib's exact values at 85° of latitude 0.14 mm at l = 10° and
// 12.2 mm at l = 20°.

#include "geodesy/lat_lon.h"
#include "geodesy/plane_point.h"
#include "geodesy/projection_direction.h"
#include "geodesy/result_codes.h"

namespace vexilor {

// The engine's projections are defined for Earth-sized ellipsoids only:
// a in [6 200 000, 6 400 000] m, both bounds included; a new system's
// ellipsoid is held to the same bounds.
inline constexpr double kMinSemiMajorAxis = 6200000.0;
inline constexpr double kMaxSemiMajorAxis = 6400000.0;
bool SemiMajorAxisInRange(double a);

// Forward: from geo.b and geo.l (the longitude difference) computes
// plane.x, plane.y. Inverse: from plane computes geo. The other argument is
// only read.
// Code: kSemiMajorAxisOutOfRange; the outputs are then untouched.
ResultCode GaussKrugerSeries(double a, double inverseFlattening, ProjectionDirection direction,
                             double k0, PlanePoint& plane, LatLonDegrees& geo);

}  // namespace vexilor
