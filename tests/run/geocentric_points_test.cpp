#include "run/geocentric_points.h"

#include <gtest/gtest.h>

#include "geodesy/angle_constants.h"
#include "geodesy/coord_type.h"
#include "quasigeoid/grid_test_files.h"
#include "support/engine_test_support.h"

namespace vexilor {
namespace {

using testing::GaussKrugerSlots;

// A smooth quasi-geoid over 50..60°N, 30..40°E, metres.
double Zeta(double b, double l) { return 15.0 + 0.4 * (b - 50) + 0.25 * (l - 30); }

constexpr EllipsoidAxes kPz90{6378136, 298.25784};

Geocentric OnPz90(double bDegrees, double lDegrees, double h) {
  return GeodeticToGeocentric(kPz90.a, kPz90.inverseFlattening, bDegrees * kRadiansPerDegree,
                              lDegrees * kRadiansPerDegree, h);
}

// The same mark in each type a set may come in lands on one place; a normal
// height lies ζ below the geodetic one (the system is on the ПЗ-90
// ellipsoid with a link of zeros, so its ζ is the grid's), and X Y Z takes
// no ζ. A point outside the grid is named by its place in the set.
TEST(ToGeocentric, EveryTypeAndHeightToTheSystemsXyz) {
  testing::TempFolder folder;
  const std::string grid = folder.Write("grid.mat", testing::GridBytes(testing::TestGrid{}, Zeta));
  const Coords blh{55.25 * kRadiansPerDegree, 35.5 * kRadiansPerDegree, 180};
  const Geocentric xyz = OnPz90(55.25, 35.5, 180);
  Coords plane{};
  ASSERT_EQ(ConvertCoordType(kPz90.a, kPz90.inverseFlattening, CoordType::BLH, CoordType::xyH,
                             ProjectionParams{ProjectionSlots{}, GaussKrugerSlots()}, blh, plane),
            kOk);
  const Coords south{45 * kRadiansPerDegree, 35 * kRadiansPerDegree, 0};
  struct Case {
    const char* name;
    CoordType type;
    std::vector<SourcePoint> points;
    HeightType heights;
    ResultCode code;
    std::int32_t failed;
    Geocentric expected;
    double tolerance;  // metres
  };
  const Case cases[] = {
      {"B L H, geodetic", CoordType::BLH, {{42, blh}}, HeightType::Geodetic, kOk, 0, xyz, 1e-9},
      {"B L H, normal", CoordType::BLH, {{42, blh}}, HeightType::Normal, kOk, 0, OnPz90(55.25, 35.5, 180 + Zeta(55.25, 35.5)),
       0.005},
      {"x y H, Gauss-Krüger", CoordType::xyH, {{42, plane}}, HeightType::Geodetic, kOk, 0, xyz, 1e-3},
      {"X Y Z, normal heights asked", CoordType::XYZ, {{42, {xyz.x, xyz.y, xyz.z}}}, HeightType::Normal, kOk, 0, xyz, 0},
      {"B L H, normal, south of the grid", CoordType::BLH, {{42, blh}, {43, south}}, HeightType::Normal,
       kGridPointOutside, 2, {}, 0},
  };
  for (const Case& c : cases) {
    SystemSide side{"Test (TEST)", kPz90Name, c.type, {}};
    side.vector.SetOwn(kPz90);
    side.vector.SetBase(kPz90);
    std::vector<NumberedPoint> out;
    std::int32_t failed = 0;
    ASSERT_EQ(ToGeocentric({side, GaussKrugerSlots(), c.heights, grid}, c.points, out, failed), c.code) << c.name;
    EXPECT_EQ(failed, c.failed) << c.name;
    if (c.code != kOk) {
      EXPECT_TRUE(out.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].number, 42);
    EXPECT_NEAR(out[0].xyz.x, c.expected.x, c.tolerance) << c.name;
    EXPECT_NEAR(out[0].xyz.y, c.expected.y, c.tolerance) << c.name;
    EXPECT_NEAR(out[0].xyz.z, c.expected.z, c.tolerance) << c.name;
  }
}

}  // namespace
}  // namespace vexilor
