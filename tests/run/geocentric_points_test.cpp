#include "run/geocentric_points.h"

#include <gtest/gtest.h>

#include "geodesy/angle_constants.h"
#include "geodesy/coord_type.h"
#include "quasigeoid/grid_test_files.h"
#include "support/engine_test_support.h"

namespace vexilor {
namespace {

using testing::GaussKrugerSlots;
using testing::GridBytes;
using testing::TempFolder;
using testing::TestGrid;

// A smooth quasi-geoid over 50..60°N, 30..40°E, metres.
double Zeta(double b, double l) { return 15.0 + 0.4 * (b - 50) + 0.25 * (l - 30); }

constexpr EllipsoidAxes kPz90{6378136, 298.25784};

// A system on the ПЗ-90 ellipsoid tied to ПЗ-90 by a link of zeros: its ζ
// is the grid's.
SystemSide OnPz90(CoordType type) {
  SystemSide s{"Test (TEST)", kPz90Name, type, {}};
  s.vector.SetOwn(kPz90);
  s.vector.SetBase(kPz90);
  return s;
}

Geocentric Place(double bDegrees, double lDegrees, double h) {
  return GeodeticToGeocentric(kPz90.a, kPz90.inverseFlattening, bDegrees * kRadiansPerDegree,
                              lDegrees * kRadiansPerDegree, h);
}

// The same mark in each type the set may come in lands on one place; a
// normal height lies ζ below the geodetic one, and X Y Z takes no ζ.
TEST(ToGeocentric, EveryTypeAndHeightToTheSystemsXyz) {
  TempFolder folder;
  const std::string grid = folder.Write("grid.mat", GridBytes(TestGrid{}, Zeta));
  const double b = 55.25, l = 35.5, h = 180;
  const Geocentric xyz = Place(b, l, h);
  ProjectionParams gk{{ProjectionSlots{}, GaussKrugerSlots()}};
  Coords plane{};
  ASSERT_EQ(ConvertCoordType(kPz90.a, kPz90.inverseFlattening, CoordType::BLH, CoordType::xyH, gk,
                             {b * kRadiansPerDegree, l * kRadiansPerDegree, h}, plane),
            kOk);
  struct Case {
    const char* name;
    CoordType type;
    Coords coords;
    HeightType heights;
    Geocentric expected;
    double tolerance;  // metres
  };
  const Case cases[] = {
      {"B L H, geodetic", CoordType::BLH, {b * kRadiansPerDegree, l * kRadiansPerDegree, h}, HeightType::Geodetic,
       xyz, 1e-9},
      {"B L H, normal", CoordType::BLH, {b * kRadiansPerDegree, l * kRadiansPerDegree, h}, HeightType::Normal,
       Place(b, l, h + Zeta(b, l)), 0.005},
      {"x y H, Gauss-Krüger", CoordType::xyH, plane, HeightType::Geodetic, xyz, 1e-3},
      {"X Y Z with normal heights asked", CoordType::XYZ, {xyz.x, xyz.y, xyz.z}, HeightType::Normal, xyz, 0},
  };
  for (const Case& c : cases) {
    const PointSetFrame frame{OnPz90(c.type), GaussKrugerSlots(), c.heights, grid};
    std::vector<NumberedPoint> out;
    std::int32_t failed = 0;
    ASSERT_EQ(ToGeocentric(frame, {{42, c.coords}}, out, failed), kOk) << c.name;
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].number, 42);
    EXPECT_NEAR(out[0].xyz.x, c.expected.x, c.tolerance) << c.name;
    EXPECT_NEAR(out[0].xyz.y, c.expected.y, c.tolerance) << c.name;
    EXPECT_NEAR(out[0].xyz.z, c.expected.z, c.tolerance) << c.name;
  }
}

TEST(ToGeocentric, NamesThePointThatFails) {
  TempFolder folder;
  const PointSetFrame frame{OnPz90(CoordType::BLH), {}, HeightType::Normal,
                            folder.Write("grid.mat", GridBytes(TestGrid{}, Zeta))};
  const double radians = kRadiansPerDegree;
  std::vector<NumberedPoint> out;
  std::int32_t failed = 0;
  EXPECT_EQ(ToGeocentric(frame, {{1, {55 * radians, 35 * radians, 0}}, {2, {45 * radians, 35 * radians, 0}}}, out,
                         failed),
            kGridPointOutside);
  EXPECT_EQ(failed, 2);
  EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace vexilor
