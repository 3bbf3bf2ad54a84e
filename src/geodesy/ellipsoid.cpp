#include "geodesy/ellipsoid.h"

#include <cmath>

#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

// The π/2 that the arc sine returns at its ends, written to 15 decimals as
// the engine has always written it: 1.6·10⁻¹⁵ short of π/2, kept so that no
// result moves (a longitude difference of 90° carries it into the plane as
// 10 nm at most).
constexpr double kArcSinEnd = 1.570796326794895;

// Above this latitude, north or south, the height comes from Z; below it
// from D = √(X² + Y²). It is π/4 rounded to ten decimals, as the switch has
// always been made: both formulas are exact, and at 45° they differ by
// rounding only, so where exactly the switch falls moves no result.
constexpr double kHeightFromZBeyond = 0.7853981634;

// Points closer than this (metres) to the centre or to the polar axis are
// taken as lying on it.
constexpr double kAxisTolerance = 0.001;
constexpr double kEquatorTolerance = 1e-12;
constexpr double kLatitudeTolerance = 1e-14;
// The iteration settles in a handful of rounds for every point above a few
// kilometres from the centre; the bound only stops a runaway.
constexpr int kMaxLatitudeRounds = 100;

bool AllFinite(double p, double q, double r) {
  return std::isfinite(p) && std::isfinite(q) && std::isfinite(r);
}

// Longitude of a point off the polar axis, in [0, 2pi). atan2 keeps full
// accuracy on every meridian, the 90° and 270° ones included.
double LongitudeOf(double x, double y) {
  double l = std::atan2(y, x) + 0.0;
  if (l < 0.0) l += kTwoPi;
  if (l >= kTwoPi) l = 0.0;  // a tiny negative angle rounded up to 2π
  return l;
}

// One round of the fixed-point iteration for tan B.
double NextLatitude(double a, double e2, double d, double z, double b) {
  const double n = PrimeVerticalRadius(a, e2, b);
  const double tanB = z > d ? 1.0 / (d / z - e2 * n * std::cos(b) / z)
                            : e2 * n * std::sin(b) / d + z / d;
  return std::atan(tanB);
}

}  // namespace

double EccentricitySquared(double inverseFlattening) {
  return 2.0 / inverseFlattening - (1.0 / inverseFlattening) * (1.0 / inverseFlattening);
}

double PrimeVerticalRadius(double a, double e2, double b) {
  const double s = std::sin(b);
  return a / std::sqrt(1.0 - e2 * s * s);
}

double SafeArcSin(double x) {
  if (std::fabs(std::fabs(x) - 1.0) > 1e-14) return std::atan(x / std::sqrt(1.0 - x * x));
  return x >= 0.0 ? kArcSinEnd : -kArcSinEnd;
}

Geocentric GeodeticToGeocentric(double a, double inverseFlattening, double b, double l, double h) {
  const double e2 = EccentricitySquared(inverseFlattening);
  const double n = PrimeVerticalRadius(a, e2, b);
  return {(n + h) * std::cos(b) * std::cos(l), (n + h) * std::cos(b) * std::sin(l),
          std::sin(b) * (n + h - e2 * n)};
}

ResultCode GeocentricToGeodetic(double a, double inverseFlattening, double x, double y, double z,
                                Geodetic& out) {
  if (!AllFinite(x, y, z) || !AllFinite(a, inverseFlattening, 0.0)) return kGeodeticConversionFailed;
  const double e2 = EccentricitySquared(inverseFlattening);
  const double d = std::sqrt(x * x + y * y);
  Geodetic r;
  if (std::fabs(z) < kAxisTolerance && d < kAxisTolerance) {
    r = {0.0, 0.0, -a};
  } else if (d < kAxisTolerance) {
    r.b = z > 0.0 ? kHalfPi : -kHalfPi;
    r.h = z / std::sin(r.b) - (1.0 - e2) * PrimeVerticalRadius(a, e2, r.b);
  } else if (std::fabs(z) < kEquatorTolerance) {
    r = {0.0, LongitudeOf(x, y), d - a};
  } else {
    r.l = LongitudeOf(x, y);
    double b = std::atan(z / d) / (1.0 - e2);
    int round = 0;
    for (;; ++round) {
      if (round == kMaxLatitudeRounds) return kGeodeticConversionFailed;
      const double next = NextLatitude(a, e2, d, z, b);
      if (!std::isfinite(next)) return kGeodeticConversionFailed;
      const bool settled = std::fabs(next - b) < kLatitudeTolerance;
      b = next;
      if (settled) break;
    }
    const double n = PrimeVerticalRadius(a, e2, b);
    r.b = b;
    // Beyond 45° of latitude, north or south, the height from Z is the better
    // conditioned one: near either pole D / cos B divides two small numbers.
    r.h = std::fabs(b) > kHeightFromZBeyond ? z / std::sin(b) - (1.0 - e2) * n
                                            : d / std::cos(b) - n;
  }
  if (!AllFinite(r.b, r.l, r.h)) return kGeodeticConversionFailed;
  out = r;
  return kOk;
}

}  // namespace vexilor
