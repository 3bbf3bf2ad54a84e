#include "geodesy/coord_type.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/project_point.h"
#include "support/engine_test_support.h"

namespace vexilor {
namespace {

using testing::GaussKrugerSlots;
using testing::kKrassA;
using testing::kKrassF;
using testing::UtmSlots;

ProjectionParams GkToUtm() {
  ProjectionParams p;
  p.source = GaussKrugerSlots();
  p.target = UtmSlots();
  return p;
}

const double kB = 55.0 * kRadiansPerDegree;
const double kL = 37.5 * kRadiansPerDegree;

TEST(CoordTypeNames, RoundTrip) {
  for (CoordType t : {CoordType::BLH, CoordType::XYZ, CoordType::xyH})
    EXPECT_EQ(CoordTypeFromName(CoordTypeName(t)), t);
  EXPECT_EQ(CoordTypeName(CoordType::xyH), "xyH");
  EXPECT_FALSE(CoordTypeFromName("XYH").has_value());
  EXPECT_FALSE(CoordTypeFromName("B L H").has_value());
}

TEST(ConvertCoordType, SameTypeIsCopiedUnchanged) {
  // Not even a latitude beyond the pole is touched: nothing is computed.
  const Coords points[] = {{kB, kL, 150.0}, {3.0, 9.0, -1e7}};
  for (CoordType t : {CoordType::BLH, CoordType::XYZ}) {
    for (const auto& in : points) {
      Coords out{};
      ASSERT_EQ(ConvertCoordType(kKrassA, kKrassF, t, t, GkToUtm(), in, out), kOk);
      EXPECT_EQ(out, in);
    }
  }
}

TEST(ConvertCoordType, PlaneToPlaneReprojectsWithTheTargetSide) {
  const ProjectionParams params = GkToUtm();
  Coords gk{}, utm{}, direct{};
  ASSERT_EQ(ConvertCoordType(kKrassA, kKrassF, CoordType::BLH, CoordType::xyH,
                             [] { ProjectionParams p; p.target = GaussKrugerSlots(); return p; }(),
                             {kB, kL, 123.4}, gk),
            kOk);
  ASSERT_EQ(ConvertCoordType(kKrassA, kKrassF, CoordType::xyH, CoordType::xyH, params, gk, utm), kOk);
  ASSERT_EQ(ConvertCoordType(kKrassA, kKrassF, CoordType::BLH, CoordType::xyH, params,
                             {kB, kL, 999.0}, direct),
            kOk);
  EXPECT_NEAR(utm[0], direct[0], 1e-3);  // the series round trip is good to a fraction of a mm
  EXPECT_NEAR(utm[1], direct[1], 1e-3);
  EXPECT_EQ(utm[2], 123.4);  // the height is copied
  EXPECT_EQ(std::floor(utm[0] * 1e-6), 37);
}

TEST(ConvertCoordType, HeightsAcrossGeocentricAndPlane) {
  const ProjectionParams params = GkToUtm();
  const Geocentric c = GeodeticToGeocentric(kKrassA, kKrassF, kB, kL, 250.0);
  Coords plane{};
  ASSERT_EQ(ConvertCoordType(kKrassA, kKrassF, CoordType::XYZ, CoordType::xyH, params,
                             {c.x, c.y, c.z}, plane),
            kOk);
  EXPECT_NEAR(plane[2], 250.0, 1e-6);  // the ellipsoidal height of the geodetic step

  // Read back with the target set as the source: the input height becomes the
  // ellipsoidal height of the geocentric point.
  ProjectionParams back;
  back.source = UtmSlots();
  Coords xyz{};
  ASSERT_EQ(ConvertCoordType(kKrassA, kKrassF, CoordType::xyH, CoordType::XYZ, back, plane, xyz),
            kOk);
  EXPECT_LT(std::hypot(xyz[0] - c.x, xyz[1] - c.y, xyz[2] - c.z), 1e-3);

  Coords blh{};
  ASSERT_EQ(ConvertCoordType(kKrassA, kKrassF, CoordType::xyH, CoordType::BLH, back, plane, blh),
            kOk);
  EXPECT_NEAR(blh[0], kB, 2e-10);
  EXPECT_NEAR(blh[1], kL, 2e-10);
  EXPECT_EQ(blh[2], plane[2]);
}

TEST(ConvertCoordType, ProjectionCodesPassThroughAndLeaveTheOutputAlone) {
  const ProjectionParams params = GkToUtm();
  struct Case { CoordType from, to; Coords in; ResultCode code; };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {CoordType::xyH, CoordType::BLH, {6e6, 999999.0, 0}, kNoValidZone},
      {CoordType::xyH, CoordType::XYZ, {6e6, 61.5e6, 0}, kNoValidZone},
      {CoordType::BLH, CoordType::XYZ, {nan, kL, 0}, kCoordinatesNotFinite},
      {CoordType::XYZ, CoordType::BLH, {nan, 1, 1}, kGeodeticConversionFailed},
      {CoordType::BLH, CoordType::xyH, {kB, kL * 1e12, 0}, kProjectionNotFinite},
  };
  for (const auto& c : cases) {
    Coords out{1, 2, 3};
    EXPECT_EQ(ConvertCoordType(kKrassA, kKrassF, c.from, c.to, params, c.in, out), c.code);
    EXPECT_EQ(out, (Coords{1, 2, 3}));
  }
  Coords out{};
  EXPECT_EQ(ConvertCoordType(6e6, kKrassF, CoordType::BLH, CoordType::xyH, params, {kB, kL, 0}, out),
            kSemiMajorAxisOutOfRange);
}

}  // namespace
}  // namespace vexilor
