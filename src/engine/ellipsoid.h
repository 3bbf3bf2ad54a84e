#pragma once
// Ellipsoid geometry: geodetic latitude, longitude and height (B, L in
// radians, H in metres) against geocentric X, Y, Z (metres).
//
// An ellipsoid enters as its semi-major axis a (metres) and its inverse
// flattening 1/f; the derived quantities are recomputed on every call.

#include "engine/result_codes.h"

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
  double b = 0.0;  // latitude, radians, [-pi/2, pi/2]
  double l = 0.0;  // longitude, radians, [0, 2pi)
  double h = 0.0;  // height above the ellipsoid, metres
};

// First eccentricity squared e^2 = 2f - f^2, taken from 1/f.
double EccentricitySquared(double inverseFlattening);

// Radius of curvature in the prime vertical at latitude b (radians).
double PrimeVerticalRadius(double a, double e2, double b);

// Arc sine in radians for |x| <= 1; within 1e-14 of +-1 it returns +-pi/2
// exactly as the engine has always rounded it.
double SafeArcSin(double x);

Geocentric GeodeticToGeocentric(double a, double inverseFlattening, double b, double l, double h);

// Fails with kGeodeticConversionFailed when the input or the result is not finite or
// the latitude iteration does not settle; `out` is then left untouched.
ResultCode GeocentricToGeodetic(double a, double inverseFlattening, double x, double y, double z,
                                Geodetic& out);

}  // namespace vexilor
