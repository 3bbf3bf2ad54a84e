#pragma once
// The Lambert conformal conic projection on one standard parallel (a
// tangent cone) with a scale factor on it: EPSG method 9801, "Lambert Conic
// Conformal (1SP)", with the natural origin on the standard parallel.
//
// Units and signs: angles in radians, B north positive, L east positive;
// x along the central meridian (north), y across it (east), metres, false
// origins included.
//
// With n = sin B₀ (the cone constant), N₀ = a / √(1 - e² sin²B₀),
// ρ₀ = k₀ N₀ cot B₀ and χ the conformal latitude:
//   ρ = ρ₀ [tan(π/4 + χ₀/2) / tan(π/4 + χ/2)]ⁿ,   γ = n (L - L₀ - ΔL),
//   x = x₀ + ρ₀ - ρ cos γ,   y = y₀ + ρ sin γ.
// (EPSG's t = tan(π/4 - B/2) / [(1 - e sin B)/(1 + e sin B)]^(e/2) is
// tan(π/4 - χ/2).) The inverse: ρ/ρ₀ = √[(1 - (x - x₀)/ρ₀)² + ((y - y₀)/ρ₀)²],
// χ = 2 arctan(tan(π/4 + χ₀/2) / (ρ/ρ₀)^(1/n)) - π/2,
// γ = arctan((y - y₀) / (ρ₀ - (x - x₀))), L = L₀ + ΔL + γ/n.
//
// The conformal latitude runs by the series of O. S. Adams ("Latitude
// developments connected with geodesy and cartography", 1921) to e⁶,
//   χ = B - (e²/2 + 5e⁴/24 + 3e⁶/32) sin 2B + (5e⁴/48 + 7e⁶/80) sin 4B
//         - (13e⁶/480) sin 6B,
//   B = χ + (e²/2 + 5e⁴/24 + e⁶/12) sin 2χ + (7e⁴/48 + 29e⁶/240) sin 4χ
//         + (7e⁶/120) sin 6χ,
// written in powers of sin² (lambert.cpp). Stopping at e⁶ is part of the
// projection as the program defines it; it costs a few millimetres.
//
// Measured against PROJ's lcc (tests/oracle, lambert_oracle_test; B₀ = 30°
// to 65°, |B - B₀| ≤ 15°, |L - L₀| ≤ 30°): x 0.23 to 1.79 mm, y 0.06 to
// 0.80 mm, growing with B₀; latitude back from PROJ's point 2.4·10⁻⁸°.
// Published values (GIGS 5102.1, the GN7-2 JAD69 example): 1.2 and 3.8 mm,
// tolerances 30 and 10 mm.
//
// Valid for B₀ ≠ 0 (at the equator the cone is a cylinder: n = 0 and the
// results are not finite). Longitudes are not reduced: L - L₀ of 359° is
// 359°, not -1°. The inverse takes γ by the one-argument arc tangent, so it
// holds for |γ| < 90°.

#include "geodesy/lat_lon.h"
#include "geodesy/plane_point.h"

namespace vexilor {

// Parameters of one Lambert zone; angles in radians, lengths in metres.
struct LambertZone {
  double primeMeridian = 0.0;     // ΔL, national prime meridian east of Greenwich
  double standardParallel = 0.0;  // B₀; the cone constant is sin B₀
  double centralMeridian = 0.0;   // L₀, from the national prime meridian
  double falseX = 0.0;            // x₀, along the meridian
  double falseY = 0.0;            // y₀, across it
  double scale = 1.0;             // k₀ on the standard parallel
};

// From latitude and longitude to x (along the central meridian) and y
// (across it), metres.
PlanePoint LambertForward(const LatLonRadians& geo, double a, double inverseFlattening,
                          const LambertZone& zone);

// From x, y (metres) back to latitude and longitude.
LatLonRadians LambertInverse(const PlanePoint& plane, double a, double inverseFlattening,
                             const LambertZone& zone);

}  // namespace vexilor
