// Geodetic <-> geocentric conversion of the engine against PROJ's cart
// operation on the Krassovsky, PZ-90 and WGS 84 ellipsoids.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"
#include "proj_oracle.h"

namespace vexilor::oracle {
namespace {

constexpr unsigned kSeed = 19420917;
constexpr int kPoints = 10000;  // per latitude band
constexpr double kLowestHeight = -500.0;
constexpr double kHighestHeight = 9000.0;

// Measured on every ellipsoid: below 1e-8 m both ways, that is rounding
// only (the latitude iteration converges by a factor e^2 a round, so its
// 1e-14 rad stop leaves far less). The bounds keep a margin over that.
constexpr double kForwardBoundMetres = 2e-8;
constexpr double kInverseBoundMetres = 2e-8;

// Longitude difference folded into (-pi, pi], so that 0 and 2pi agree.
double LongitudeDifference(double l1, double l2) { return std::remainder(l1 - l2, 2.0 * kPi); }

struct Sample {
  double b, l, h;  // radians, radians, metres
};

// Every latitude, then the polar caps, the equatorial belt and the belt
// where the inverse switches formulas: tan B from Z or from D where Z = D
// (geodetic 45.19°), the height from Z above geodetic 45°.
struct LatitudeBand {
  const char* name;
  double lowest, highest;  // |B|, degrees
};

constexpr LatitudeBand kBands[] = {
    {"|B|<=90", 0.0, 90.0},
    {"89.9<=|B|<90", 89.9, 90.0},
    {"|B|<0.1", 0.0, 0.1},
    {"44.8<=|B|<45.4", 44.8, 45.4},
};

Sample RandomPoint(std::mt19937& rng, const LatitudeBand& band) {
  const double sign = Uniform(rng, 0.0, 1.0) < 0.5 ? -1.0 : 1.0;
  return {sign * Uniform(rng, band.lowest, band.highest) * kRadiansPerDegree,
          Uniform(rng, 0.0, 360.0) * kRadiansPerDegree,
          Uniform(rng, kLowestHeight, kHighestHeight)};
}

template <typename Visit>
void ForEachSample(Visit visit) {
  std::mt19937 rng(kSeed);
  for (const LatitudeBand& band : kBands)
    for (int i = 0; i < kPoints; ++i) visit(RandomPoint(rng, band));
}

std::string Domain() {
  std::string bands;
  for (const LatitudeBand& band : kBands) bands += std::string(" ") + band.name;
  return "over " + std::to_string(kPoints) + " pts in each of" + bands +
         "; 0<=L<360 H=-500..9000 seed=" + std::to_string(kSeed);
}

class GeocentricOracle : public ::testing::TestWithParam<OracleEllipsoid> {};

TEST_P(GeocentricOracle, GeodeticToGeocentricMatchesProjCart) {
  const OracleEllipsoid& e = GetParam();
  const ProjOperation cart("+proj=cart " + EllipsoidArgs(e));
  ASSERT_TRUE(cart.Valid()) << cart.Error();
  WorstCase worst;
  ForEachSample([&](const Sample& s) {
    const Geocentric engine = GeodeticToGeocentric(e.a, e.inverseFlattening, s.b, s.l, s.h);
    const auto proj = cart.Forward(s.l, s.b, s.h);
    const std::array<double, 3> where{s.b * kDegreesPerRadian, s.l * kDegreesPerRadian, s.h};
    worst.Offer(engine.x - proj[0], where);
    worst.Offer(engine.y - proj[1], where);
    worst.Offer(engine.z - proj[2], where);
  });
  ReportMeasured("geocentric_forward_max_m", "BLH->XYZ " + std::string(e.name) +
                                                 " max|dX|,|dY|,|dZ|=" + Scientific(worst.Value()) +
                                                 " m " + Domain());
  EXPECT_LT(worst.Value(), kForwardBoundMetres) << worst.Where();
}

// PROJ puts the point into space; the engine takes it back to B, L, H, which
// must be the sampled values.
TEST_P(GeocentricOracle, GeocentricToGeodeticRecoversProjCartPoint) {
  const OracleEllipsoid& e = GetParam();
  const ProjOperation cart("+proj=cart " + EllipsoidArgs(e));
  ASSERT_TRUE(cart.Valid()) << cart.Error();
  WorstCase northing, easting, height;
  int failures = 0;
  ForEachSample([&](const Sample& s) {
    const auto xyz = cart.Forward(s.l, s.b, s.h);
    Geodetic g;
    if (GeocentricToGeodetic(e.a, e.inverseFlattening, xyz[0], xyz[1], xyz[2], g) != kOk) {
      ++failures;
      return;
    }
    const std::array<double, 3> where{s.b * kDegreesPerRadian, s.l * kDegreesPerRadian, s.h};
    EXPECT_TRUE(g.l >= 0.0 && g.l < 2.0 * kPi)
        << "L=" << g.l << " for B=" << where[0] << " L=" << where[1];
    northing.Offer((g.b - s.b) * e.a, where);
    easting.Offer(LongitudeDifference(g.l, s.l) * e.a * std::cos(s.b), where);
    height.Offer(g.h - s.h, where);
  });
  EXPECT_EQ(failures, 0);
  ReportMeasured("geocentric_inverse_max_m",
                 "XYZ->BLH " + std::string(e.name) + " max|dB|*a=" + Scientific(northing.Value()) +
                     " m max|dL|*a*cosB=" + Scientific(easting.Value()) +
                     " m max|dH|=" + Scientific(height.Value()) + " m " + Domain());
  EXPECT_LT(northing.Value(), kInverseBoundMetres) << northing.Where();
  EXPECT_LT(easting.Value(), kInverseBoundMetres) << easting.Where();
  EXPECT_LT(height.Value(), kInverseBoundMetres) << height.Where();
}

INSTANTIATE_TEST_SUITE_P(Ellipsoids, GeocentricOracle,
                         ::testing::Values(kKrassovsky, kPz90, kWgs84),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace vexilor::oracle
