#pragma once
// Ellipsoid geometry: geodetic latitude B, longitude L and height H against
// geocentric rectangular X, Y, Z - EPSG method 9602 (IOGP guidance note 7-2,
// "Geographic/geocentric conversions").
//
// Units and signs: B, L in radians, B north positive in [-π/2, π/2], L east
// positive (the inverse gives [0, 2π)); H metres above the ellipsoid; X, Y, Z
// metres, X towards (0°, 0°), Z towards the north pole. An ellipsoid enters as
// its semi-major axis a (metres) and inverse flattening 1/f; e² = 2f - f² is
// formed from 1/f on every call, nothing is cached.
//
// Forward, closed: N = a / √(1 - e² sin²B),
//   X = (N + H) cos B cos L,  Y = (N + H) cos B sin L,  Z = ((1 - e²) N + H) sin B.
// Inverse, iterated: with D = √(X² + Y²), from B₀ = arctan(Z/D) / (1 - e²)
//   tan B' = Z/D + e² N sin B / D      (Z ≤ D)
//   tan B' = 1 / (D/Z - e² N cos B / Z)  (Z > D, the same equation solved
//                                          for the cotangent near the pole)
// until |B' - B| < 10⁻¹⁴ rad (a few rounds; at most 100); then
// H = Z / sin B - (1 - e²) N beyond 45° of latitude, H = D / cos B - N below.
// Points within 1 mm of the centre or the polar axis, and on the equator,
// get the closed results (B = 0, L = 0, H = -a on the centre; B = ±π/2,
// L = 0 on the axis).
//
// Measured (tests/oracle, geocentric_oracle_test, against PROJ +proj=cart on
// Krassovsky, ПЗ-90 and WGS 84; 40 000 points, all B and L, H -500 to
// 9000 m): forward 7.5·10⁻⁹ m; inverse back to the sampled point 5.7·10⁻⁹ m
// on the ground and 3.2·10⁻⁹ m in height. Published values
// (tests/geodesy/published, PublishedValues* tests): GIGS 5201, 27 pairs
// down to -11 km and near the axis, within 0.87 mm both ways (tolerance
// 10 mm); the GN7-2 North Sea point 0.36 mm from its values given to the
// millimetre, 2.4 mm from those given to the centimetre; the GN7-2
// topocentric origin 0.011 mm. The iteration converges for every
// point beyond a few kilometres from the centre; the main window refuses
// typed points nearer than 21 km.

#include "geodesy/result_codes.h"

namespace vexilor {

// An ellipsoid as the engine takes it: semi-major axis a (metres) and
// inverse flattening 1/f.
struct EllipsoidAxes {
  double a = 0.0;
  double inverseFlattening = 0.0;
};

struct Geocentric {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

struct Geodetic {
  double b = 0.0;  // latitude, radians, [-π/2, π/2]
  double l = 0.0;  // longitude, radians, [0, 2π)
  double h = 0.0;  // height above the ellipsoid, metres
};

// First eccentricity squared e² = 2/(1/f) - (1/(1/f))², that is 2f - f².
double EccentricitySquared(double inverseFlattening);

// Radius of curvature in the prime vertical at latitude b (radians).
double PrimeVerticalRadius(double a, double e2, double b);

// Arc sine in radians for |x| ≤ 1, as arctan(x / √(1 - x²)); within 10⁻¹⁴
// of ±1 it returns ±1.570796326794895, the engine's π/2.
double SafeArcSin(double x);

Geocentric GeodeticToGeocentric(double a, double inverseFlattening, double b, double l, double h);

// Fails with kGeodeticConversionFailed when the input or the result is not
// finite or the latitude iteration does not settle; `out` is then left
// untouched.
ResultCode GeocentricToGeodetic(double a, double inverseFlattening, double x, double y, double z,
                                Geodetic& out);

}  // namespace vexilor
