#include "geodesy/gauss_kruger.h"

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"

namespace vexilor {
namespace {

// c0 + c1·s + c2·s² + c3·s³, the shape of every coefficient bracket below
// (s is sin² of a latitude).
double Cubic(double c0, double c1, double c2, double c3, double s) {
  return c0 + s * (c1 + s * (c2 + s * c3));
}

// Powers of the first eccentricity squared.
struct Eccentricity {
  double e2, e4, e6, e8;
  explicit Eccentricity(double inverseFlattening)
      : e2(EccentricitySquared(inverseFlattening)), e4(e2 * e2), e6(e4 * e2), e8(e6 * e2) {}
};

// Coefficients of the meridian arc series, shared by both directions.
// (1 - e² sin²B)^(-3/2) = Σ cₖ e²ᵏ sin²ᵏB with cₖ = (2k + 1)!! / (2ᵏ k!);
// written in the multiples of 2B and integrated, its constant part gives A
// and the parts in cos 2B, cos 4B, cos 6B give B, C, D (Helmert's series,
// here to e⁸, the part in cos 8B left out). The fractions are exact: their
// denominators are powers of two, so each is the double it has always been
// written as.
struct MeridianArc {
  double A, B, C, D;  // series in e² of the arc expansion
  double m0, m1, m2, m3;

  MeridianArc(double a, const Eccentricity& e)
      : A(1 + 3.0 / 4 * e.e2 + 45.0 / 64 * e.e4 + 175.0 / 256 * e.e6 + 11025.0 / 16384 * e.e8),
        B(3.0 / 4 * e.e2 + 15.0 / 16 * e.e4 + 525.0 / 512 * e.e6 + 2205.0 / 2048 * e.e8),
        C(15.0 / 64 * e.e4 + 105.0 / 256 * e.e6 + 2205.0 / 4096 * e.e8),
        D(35.0 / 512 * e.e6 + 315.0 / 2048 * e.e8) {
    const double c0 = a * (1 - e.e2);
    m0 = c0 * A;
    m1 = 0.5 * (c0 * B - c0 * C + c0 * D);
    m2 = c0 * C - (8.0 / 3.0) * c0 * D;
    m3 = (8.0 / 3.0) * c0 * D;
  }

  // Length of the meridian from the equator to latitude b (radians), metres.
  double Length(double b) const {
    const double s = std::sin(b) * std::sin(b);
    return m0 * b - (m1 + m2 * s + m3 * s * s) * std::sin(2 * b);
  }
};

// Northing of a point l radians off the axial meridian, before scaling.
double ForwardNorthing(double a, const Eccentricity& e, const MeridianArc& arc, double b,
                       double l) {
  const double s = std::sin(b) * std::sin(b);
  const double q = (1 - e.e2) * (1 - e.e2);
  const double l2 = l * l;
  // N/4 = a/4 · (1 + e²s/2 + 3e⁴s²/8 + 5e⁶s³/16 + …)
  const double c2 = Cubic(a / 4, a * e.e2 / 8, 3.0 / 32 * a * e.e4, 5.0 / 64 * a * e.e6, s);
  const double c4 = Cubic((5 - e.e2) * a / (48 * q), -(12 + 7 * e.e2 + e.e4) * a / (96 * q),
                          (16 * e.e2 + 5 * e.e4) * a / (128 * q), -7 * e.e4 * a / (192 * q), s);
  const double c6 = Cubic((270 * e.e2 + 61) * a / 1440, -(2219 * e.e2 + 360) * a / 2880,
                          (23 * e.e2 + 2) * a / 24, -3.0 / 8 * a * e.e2, s);
  const double c8 = Cubic(277 * a / 16128, -1211 * a / 13440, 91 * a / 672, -a / 16, s);
  return arc.Length(b) + std::sin(2 * b) * l2 * (c2 + l2 * (c4 + l2 * (c6 + l2 * c8)));
}

// Easting of a point l radians off the axial meridian, before scaling.
double ForwardEasting(double a, const Eccentricity& e, double b, double l) {
  const double s = std::sin(b) * std::sin(b);
  const double p = 1 - e.e2;
  const double q = p * p;
  const double l2 = l * l;
  // N = a (1 + e²s/2 + 3e⁴s²/8 + 5e⁶s³/16 + …)
  const double c0 = Cubic(a, a * e.e2 / 2, 3.0 / 8 * a * e.e4, 5.0 / 16 * a * e.e6, s);
  const double c2 = Cubic(a / (6 * p), -(4 - e.e2) * a / (12 * p), e.e4 * a / (16 * p),
                          -e.e4 * a / (24 * p), s);
  const double c4 = Cubic((5 + 4 * e.e2 + 4 * e.e4) * a / (120 * q),
                          -(56 + 83 * e.e2 + 59 * e.e4) * a / (240 * q),
                          (4 + 16 * e.e2 + 9 * e.e4) * a / (20 * q),
                          -(24 * e.e2 + 11 * e.e4) * a / (48 * q), s);
  const double c6 = Cubic((61 + 231 * e.e2) * a / (5040 * p), -(1324 + 5339 * e.e2) * a / (10080 * p),
                          (22 + 95 * e.e2) * a / (84 * p), -(12 + 55 * e.e2) * a / (84 * p), s);
  return std::cos(b) * l * (c0 + l2 * (c2 + l2 * (c4 + l2 * c6)));
}

// Footpoint latitude: the latitude whose meridian arc equals the northing.
double FootpointLatitude(const MeridianArc& arc, double northing) {
  const double r = arc.B / arc.A;
  const double f1 = arc.B * arc.C / (8 * arc.A * arc.A) + arc.B / (2 * arc.A) - r * r * r / 16;
  const double f2 = r * r / 4 - arc.C / (4 * arc.A);
  const double f3 =
      3.0 / 16 * r * r * r + arc.D / (6 * arc.A) - 3 * arc.B * arc.C / (8 * arc.A * arc.A);
  const double g1 = 2 * f2 + f1 + 3 * f3;
  const double g2 = 4 * f2 + 16 * f3;
  const double g3 = 16 * f3;
  const double beta = northing / arc.m0;
  const double s = std::sin(beta) * std::sin(beta);
  return beta + std::sin(2 * beta) * (g1 - g2 * s + g3 * s * s);
}

// Latitude (radians) from the footpoint latitude bf and Q = easting / (a cos bf).
double InverseLatitude(const Eccentricity& e, double bf, double q) {
  const double s = std::sin(bf) * std::sin(bf);
  const double p = 1 - e.e2;
  const double q2 = q * q;
  const double c2 = Cubic(0.25 / p, -e.e2 / (2 * p), e.e4 / (4 * p), 0, s);
  const double c4 = Cubic((5 + 6 * e.e2 + 3 * e.e4) / 48, -(1 + 14 * e.e2 + 15 * e.e4) / 24,
                          (8 * e.e2 + 31 * e.e4) / 24, -2 * e.e4 / 3, s);
  const double c6 = Cubic((61 + 107 * e.e2) / 1440, -(16 + 333 * e.e2) / 720,
                          (2 + 87 * e.e2) / 180, -17 * e.e2 / 90, s);
  const double c8 = Cubic((277 - 1108 * e.e2) / 16128, -(29 - 116 * e.e2) / 4480,
                          (41 - 164 * e.e2) / 3360, -(17 - 68 * e.e2) / 5040, s);
  return bf + std::sin(2 * bf) * q2 * (-c2 + q2 * (c4 + q2 * (-c6 + q2 * c8)));
}

// The first two coefficients of the Q⁹ bracket of the longitude are those
// of the sphere, 1385/362880 = 0.0038167 and 19028/362880 = 0.0524361,
// rounded to three figures as the series has always been evaluated. The
// rounding moves l by less than 6·10⁻⁵ Q⁹: below 10⁻¹³ rad (1 µm on the
// ground) for Q ≤ 0.1, about 6° from the axial meridian at the equator.
constexpr double kQ9Spherical = 0.0038;
constexpr double kQ9Sin2Spherical = 0.0524;

// Longitude difference from the axial meridian (radians).
double InverseLongitude(const Eccentricity& e, double bf, double q) {
  const double s = std::sin(bf) * std::sin(bf);
  const double p = 1 - e.e2;
  const double q2 = q * q;
  const double c0 = Cubic(1, -e.e2 / 2, -e.e4 / 8, -e.e6 / 16, s);
  const double c2 = Cubic(1 / (6 * p), (2 - 9 * e.e2) / (12 * p), -(4 * e.e2 - 39 * e.e4) / (48 * p),
                          -3 * e.e4 / (16 * p), s);
  const double c4 = Cubic((5 + 6 * e.e2 + 3 * e.e4) / 120, (192 - 240 * e.e2 - 123 * e.e4) / 1280,
                          (32 - 1376 * e.e2 + 609 * e.e4) / 3840, -(e.e2 - 69 * e.e4) / 240, s);
  const double c6 = Cubic((61 + 46 * e.e2) / (5040 * p), (958 - 1361 * e.e2) / (10080 * p),
                          (358 - 4395 * e.e2) / (10080 * p), -(815 * e.e2 - 2) / (10080 * p), s);
  const double c8 = Cubic(kQ9Spherical, kQ9Sin2Spherical, (18270 - 113789 * e.e2) / 362880,
                          (1636 - 72123 * e.e2) / 362880, s);
  return q * c0 + q * q2 * (-c2 + q2 * (c4 + q2 * (-c6 + q2 * c8)));
}

}  // namespace

bool SemiMajorAxisInRange(double a) { return a >= kMinSemiMajorAxis && a <= kMaxSemiMajorAxis; }

ResultCode GaussKrugerSeries(double a, double inverseFlattening, ProjectionDirection direction,
                             double k0, PlanePoint& plane, LatLonDegrees& geo) {
  if (!SemiMajorAxisInRange(a)) return kSemiMajorAxisOutOfRange;
  const Eccentricity e(inverseFlattening);
  const MeridianArc arc(a, e);
  if (direction == ProjectionDirection::kForward) {
    const double b = geo.b * kRadiansPerDegree;
    const double l = geo.l * kRadiansPerDegree;
    plane = {k0 * ForwardNorthing(a, e, arc, b, l), k0 * ForwardEasting(a, e, b, l)};
  } else {
    const double bf = FootpointLatitude(arc, plane.x / k0);
    const double q = (plane.y / k0) / (a * std::cos(bf));
    geo = {InverseLatitude(e, bf, q) * kDegreesPerRadian,
           InverseLongitude(e, bf, q) * kDegreesPerRadian};
  }
  return kOk;
}

}  // namespace vexilor
