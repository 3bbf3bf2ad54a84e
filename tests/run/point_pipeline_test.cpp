#include "run/point_pipeline.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"
#include "quasigeoid/grid_test_files.h"
#include "support/standard_sides.h"

namespace vexilor {
namespace {

using testing::Ck42Side;
using testing::GridBytes;
using testing::Pz90Side;
using testing::TempFolder;
using testing::TestGrid;

// A smooth quasi-geoid over 50..60°N, 30..40°E, metres.
double Zeta(double b, double l) { return 15.0 + 0.4 * (b - 50) + 0.25 * (l - 30); }

class PointPipelineTest : public ::testing::Test {
 protected:
  void SetUp() override { grid_ = folder_.Write("grid.mat", GridBytes(TestGrid{}, Zeta)); }

  PointRoute Route(const SystemSide& source, const SystemSide& target, HeightType h, bool column) {
    PointRoute r;
    r.source = source;
    r.target = target;
    r.heights = h;
    r.geoidColumn = column;
    r.gridFile = grid_;
    return r;
  }

  TempFolder folder_;
  std::string grid_;
  const Coords point_{55.25 * kRadiansPerDegree, 35.5 * kRadiansPerDegree, 180.0};
};

TEST(HeightMode, FromHeightTypeAndColumn) {
  EXPECT_EQ(HeightModeOf(HeightType::Normal, true), HeightMode::kBoth);
  EXPECT_EQ(HeightModeOf(HeightType::Normal, false), HeightMode::kSourceOnly);
  EXPECT_EQ(HeightModeOf(HeightType::Geodetic, true), HeightMode::kTargetOnly);
  EXPECT_EQ(HeightModeOf(HeightType::Geodetic, false), HeightMode::kNone);
}

TEST_F(PointPipelineTest, TargetPz90ReportsTheGridValue) {
  PointResult r;
  const Coords inPz90{55.25 * kRadiansPerDegree, 35.5 * kRadiansPerDegree, 180.0};
  ASSERT_EQ(TransformOnePoint(Route(Pz90Side(CoordType::BLH), Pz90Side(CoordType::BLH), HeightType::Geodetic, true),
                              inPz90, r),
            kOk);
  EXPECT_NEAR(r.zeta, Zeta(55.25, 35.5), 0.002);
  EXPECT_EQ(r.coords, inPz90);  // same system: the point is copied
}

TEST_F(PointPipelineTest, NormalHeightsAreTheSameInEverySystem) {
  PointResult same, other;
  ASSERT_EQ(TransformOnePoint(Route(Ck42Side(CoordType::BLH), Ck42Side(CoordType::BLH), HeightType::Normal, true),
                              point_, same),
            kOk);
  EXPECT_EQ(same.coords, point_);
  ASSERT_EQ(TransformOnePoint(Route(Ck42Side(CoordType::BLH), Pz90Side(CoordType::BLH), HeightType::Normal, true),
                              point_, other),
            kOk);
  EXPECT_EQ(other.coords[2], 180.0);
  EXPECT_NEAR(other.zeta, Zeta(55.25, 35.5), 0.05);  // the grid's own system, a shifted point
  EXPECT_GT(std::fabs(other.coords[0] - point_[0]), 1e-7);  // the datum did move the point
}

// For a geocentric target the normal height becomes the geodetic one: H + ζ
// of the source system.
TEST_F(PointPipelineTest, GeocentricTargetCarriesNormalHeightPlusZeta) {
  float zetaSource = -1, zetaTarget = -1;
  GridSession session(grid_, kGridSignature);
  QuasiGeoidLookup grid(session);
  ASSERT_EQ(QuasiGeoidHeights(Ck42Side(CoordType::BLH), Ck42Side(CoordType::XYZ), {}, point_, {}, grid,
                              HeightMode::kSourceOnly, zetaSource, zetaTarget),
            kOk);
  EXPECT_EQ(zetaTarget, -1);  // the source-only mode leaves the target alone
  PointResult r;
  ASSERT_EQ(TransformOnePoint(Route(Ck42Side(CoordType::BLH), Ck42Side(CoordType::XYZ), HeightType::Normal, false),
                              point_, r),
            kOk);
  const Geocentric expected =
      GeodeticToGeocentric(6378245, 298.3, point_[0], point_[1], point_[2] + zetaSource);
  EXPECT_NEAR(r.coords[0], expected.x, 1e-6);
  EXPECT_NEAR(r.coords[2], expected.z, 1e-6);
  // СК-42 is tied to ПЗ-90 by shifts of about 150 m: its ζ differs from the grid's.
  EXPECT_GT(std::fabs(zetaSource - Zeta(55.25, 35.5)), 1.0);
}

TEST_F(PointPipelineTest, GridFailuresStopThePoint) {
  PointResult r;
  r.zeta = 7;
  const Coords outside{20 * kRadiansPerDegree, 35.5 * kRadiansPerDegree, 0};
  EXPECT_EQ(TransformOnePoint(Route(Ck42Side(CoordType::BLH), Pz90Side(CoordType::BLH), HeightType::Normal, false),
                              outside, r),
            kGridPointOutside);
  EXPECT_EQ(r.zeta, 7);
  PointRoute missing = Route(Ck42Side(CoordType::BLH), Pz90Side(CoordType::BLH), HeightType::Normal, false);
  missing.gridFile = folder_.PathOf("none.mat");
  EXPECT_EQ(TransformOnePoint(missing, point_, r), kGridFileNotFound);
  missing.gridFile = folder_.Write("bad.mat", {'G', 'E', 'O', 'I', 'X'});
  EXPECT_EQ(TransformOnePoint(missing, point_, r), kGridBadHeader);
  // Geodetic heights without the column never open the grid.
  missing.heights = HeightType::Geodetic;
  EXPECT_EQ(TransformOnePoint(missing, point_, r), kOk);
}

}  // namespace
}  // namespace vexilor
