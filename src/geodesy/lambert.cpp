#include "geodesy/lambert.h"

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"

namespace vexilor {
namespace {

// Conformal latitude of geodetic latitude phi (radians), Adams' series to
// e⁶ in powers of s = sin²φ: with sin 4φ = 2 sin 2φ (1 - 2s) and
// sin 6φ = sin 2φ (3 - 16s + 16s²) the multiple-angle form of the header
// becomes χ = φ - sin 2φ [e²/2 + (5e⁴/12 - e⁶/12) s + (13e⁶/30) s²].
double ConformalLatitude(double e2, double phi) {
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  const double s = std::sin(phi) * std::sin(phi);
  return phi - std::sin(2 * phi) * (e2 / 2 + (5 * e4 / 12 - e6 / 12) * s + (13 * e6 / 30) * s * s);
}

// Geodetic latitude of conformal latitude chi (radians), the reversed
// series to e⁶ in powers of s = sin²χ, rewritten the same way:
// φ = χ + sin 2χ [(e² + e⁴ + e⁶)/2 - ((7e⁴ + 17e⁶)/12) s + (14e⁶/15) s²].
double GeodeticFromConformal(double e2, double chi) {
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  const double s = std::sin(chi) * std::sin(chi);
  return chi + std::sin(2 * chi) * ((e2 + e4 + e6) / 2 - ((7 * e4 + 17 * e6) / 12) * s +
                                    (14 * e6 / 15) * s * s);
}

// Quantities of the cone shared by both directions.
struct Cone {
  double e2;
  double n;     // cone constant
  double rho0;  // radius of the standard parallel on the plane, metres
  double t0;    // tan(π/4 + χ₀/2)

  Cone(double a, double inverseFlattening, const LambertZone& zone)
      : e2(EccentricitySquared(inverseFlattening)), n(std::sin(zone.standardParallel)) {
    const double b0 = zone.standardParallel;
    rho0 = zone.scale * PrimeVerticalRadius(a, e2, b0) * std::cos(b0) / std::sin(b0);
    t0 = std::tan(kQuarterPi + ConformalLatitude(e2, b0) / 2);
  }
};

}  // namespace

PlanePoint LambertForward(const LatLonRadians& geo, double a, double inverseFlattening,
                          const LambertZone& zone) {
  const Cone cone(a, inverseFlattening, zone);
  const double chi = ConformalLatitude(cone.e2, geo.b);
  const double r = std::pow(cone.t0 / std::tan(kQuarterPi + chi / 2), cone.n);
  const double gamma = cone.n * (geo.l - zone.centralMeridian - zone.primeMeridian);
  return {cone.rho0 * (1 - r * std::cos(gamma)) + zone.falseX,
          cone.rho0 * r * std::sin(gamma) + zone.falseY};
}

LatLonRadians LambertInverse(const PlanePoint& plane, double a, double inverseFlattening,
                             const LambertZone& zone) {
  const double x = plane.x;
  const double y = plane.y;
  const Cone cone(a, inverseFlattening, zone);
  const double u = (x - zone.falseX) / cone.rho0;
  const double v = (y - zone.falseY) / cone.rho0;
  const double r = std::sqrt((1 - u) * (1 - u) + v * v);
  const double chi = 2 * std::atan(cone.t0 / std::pow(r, 1 / cone.n)) - kHalfPi;
  const double gamma = std::atan((y - zone.falseY) / (cone.rho0 - (x - zone.falseX)));
  return {GeodeticFromConformal(cone.e2, chi),
          zone.centralMeridian + zone.primeMeridian + gamma / cone.n};
}

}  // namespace vexilor
