// How far the Gauss-Krüger series of the engine reach from the axial
// meridian, against PROJ's exact transverse Mercator (Poder/Engsager, good
// to nanometres at any distance used here): the forward series, and the
// inverse of PROJ's plane point, at every half degree of latitude from the
// equator to the pole for longitude differences out to 20°.

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/gauss_kruger.h"
#include "proj_oracle.h"
#include "support/gauss_kruger_reach.h"

namespace vexilor::oracle {
namespace {

class GaussKrugerReach : public ::testing::TestWithParam<OracleEllipsoid> {};

TEST_P(GaussKrugerReach, WithinTheTableOfTheSeries) {
  const OracleEllipsoid e = GetParam();
  const ProjOperation tmerc("+proj=tmerc +k=1 +lon_0=0 " + EllipsoidArgs(e));
  ASSERT_TRUE(tmerc.Valid()) << tmerc.Error();
  double from = 0.0;
  for (const testing::SeriesReach& reach : testing::kGaussKrugerReach) {
    WorstCase forward, inverse;
    for (double l = from + 0.25; l <= reach.offAxisDegrees; l += 0.25) {
      for (double b = 0.0; b < 90.0; b += 0.5) {
        PlanePoint plane;
        LatLonDegrees geo{b, l};
        ASSERT_EQ(GaussKrugerSeries(e.a, e.inverseFlattening, ProjectionDirection::kForward, 1.0,
                                    plane, geo),
                  kOk);
        const auto en = tmerc.Forward(l * kRadiansPerDegree, b * kRadiansPerDegree, 0.0);
        forward.Offer(std::hypot(plane.x - en[1], plane.y - en[0]), {b, l, 0});
        PlanePoint theirs{en[1], en[0]};
        LatLonDegrees back;
        ASSERT_EQ(GaussKrugerSeries(e.a, e.inverseFlattening, ProjectionDirection::kInverse, 1.0,
                                    theirs, back),
                  kOk);
        const double north = e.a * (back.b - b) * kRadiansPerDegree;
        const double east = e.a * std::cos(b * kRadiansPerDegree) * (back.l - l) * kRadiansPerDegree;
        inverse.Offer(std::hypot(north, east), {b, l, 0});
      }
    }
    ReportMeasured("gauss_kruger_reach_" + std::string(e.name) + "_" + Fixed(reach.offAxisDegrees, 0),
                   "Gauss-Krüger series " + std::string(e.name) + " " + Fixed(from, 0) +
                       "°<|l|<=" + Fixed(reach.offAxisDegrees, 0) + "° over |B|<90: forward max " +
                       Fixed(forward.Value() * 1000, 3) + " mm, inverse max " +
                       Fixed(inverse.Value() * 1000, 3) + " mm (bound " +
                       Fixed(reach.metres * 1000, 1) + " mm)");
    EXPECT_LE(forward.Value(), reach.metres) << forward.Where();
    EXPECT_LE(inverse.Value(), reach.metres) << inverse.Where();
    from = reach.offAxisDegrees;
  }
}

INSTANTIATE_TEST_SUITE_P(Ellipsoids, GaussKrugerReach, ::testing::Values(kKrassovsky, kWgs84),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace vexilor::oracle
