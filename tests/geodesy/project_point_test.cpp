#include "geodesy/project_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geodesy/angle_constants.h"
#include "support/engine_test_support.h"

namespace vexilor {
namespace {

using testing::GaussKrugerSlots;
using testing::kKrassA;
using testing::kKrassF;
using testing::kWgsA;
using testing::kWgsF;
using testing::LambertSlots;
using testing::Slots;
using testing::UtmSlots;

ResultCode Forward(double b, double l, const ProjectionSlots& p, PlanePoint& out,
                   double a = kKrassA, double f = kKrassF) {
  LatLonDegrees geo{b, l};
  return ProjectPoint(a, f, ProjectionDirection::kForward, out, geo, p);
}

ResultCode Inverse(double x, double y, const ProjectionSlots& p, LatLonDegrees& out,
                   double a = kKrassA, double f = kKrassF) {
  PlanePoint plane{x, y};
  return ProjectPoint(a, f, ProjectionDirection::kInverse, plane, out, p);
}

TEST(ProjectPoint, EquatorOnTheAxialMeridianIsTheZoneOrigin) {
  for (int zone = 1; zone <= 60; zone += 7) {
    PlanePoint xy;
    ASSERT_EQ(Forward(0.0, 6.0 * zone - 3.0, GaussKrugerSlots(), xy), kOk);
    EXPECT_NEAR(xy.x, 0.0, 1e-9);
    EXPECT_NEAR(xy.y, zone * 1e6 + 500000.0, 1e-9) << zone;
  }
}

TEST(ProjectPoint, ZoneFollowsTheLongitude) {
  struct Case { double l; double zone; bool westOfAxis; };
  const Case cases[] = {{37.5, 7, true}, {39.0001, 7, false}, {0.0, 1, true}, {5.9999, 1, false},
                        {-10.0, 59, true}, {350.0, 59, true}, {359.9, 60, false}};
  for (const auto& c : cases) {
    PlanePoint xy;
    ASSERT_EQ(Forward(55.0, c.l, GaussKrugerSlots(), xy), kOk) << c.l;
    EXPECT_EQ(std::floor(xy.y * 1e-6), c.zone) << c.l;
    EXPECT_EQ(xy.y - c.zone * 1e6 < 500000.0, c.westOfAxis) << c.l;
  }
}

TEST(ProjectPoint, NegativeLongitudeIsNormalisedBeforeProjecting) {
  PlanePoint negative, positive;
  ASSERT_EQ(Forward(48.0, -10.0, GaussKrugerSlots(), negative), kOk);
  ASSERT_EQ(Forward(48.0, 350.0, GaussKrugerSlots(), positive), kOk);
  EXPECT_DOUBLE_EQ(negative.x, positive.x);
  EXPECT_DOUBLE_EQ(negative.y, positive.y);
}

// 1.5° west of the axial meridian of zone 7 (39°) and 1.5° east of it must
// mirror each other across the axial line.
TEST(ProjectPoint, ZoneSevenIsSymmetricAboutItsAxialMeridian) {
  PlanePoint west, east;
  ASSERT_EQ(Forward(55.0, 37.5, GaussKrugerSlots(), west), kOk);
  ASSERT_EQ(Forward(55.0, 40.5, GaussKrugerSlots(), east), kOk);
  EXPECT_NEAR(west.x, east.x, 1e-6);
  EXPECT_NEAR((west.y - 7.5e6) + (east.y - 7.5e6), 0.0, 1e-6);
  EXPECT_NEAR(west.y - 7.5e6, -(1.5 * kRadiansPerDegree) * 6.39e6 * std::cos(55 * kRadiansPerDegree),
              2000.0);
}

TEST(ProjectPoint, FixedZoneFoldsTheLongitudeDifference) {
  // Axial meridian of zone 37 is 219°: 37° lies 182° away and folds to +2°,
  // the mirror of the same point in its own zone 7 (39°, -2°).
  PlanePoint folded, own;
  ASSERT_EQ(Forward(50.0, 37.0, GaussKrugerSlots(37), folded), kOk);
  ASSERT_EQ(Forward(50.0, 37.0, GaussKrugerSlots(), own), kOk);
  EXPECT_EQ(std::floor(folded.y * 1e-6), 37);
  EXPECT_NEAR(folded.y - 37.5e6, -(own.y - 7.5e6), 1e-6);
  // A fixed zone 20° away puts the ordinate outside the zone.
  PlanePoint far;
  EXPECT_EQ(Forward(50.0, 37.0, GaussKrugerSlots(11), far), kOrdinateOutsideZone);
}

// The projections hold for Earth-sized ellipsoids: a from 6 200 000 to
// 6 400 000 m, both bounds included, in both directions, zoned or Lambert,
// and in the series underneath.
TEST(ProjectPoint, SemiMajorAxisBoundsAreIncluded) {
  struct Case { double a; ResultCode code; };
  const Case cases[] = {{6199999.0, kSemiMajorAxisOutOfRange},
                        {6200000.0, kOk},
                        {6400000.0, kOk},
                        {6400001.0, kSemiMajorAxisOutOfRange}};
  for (const Case& c : cases) {
    for (const ProjectionSlots& p : {GaussKrugerSlots(), LambertSlots()}) {
      PlanePoint xy;
      EXPECT_EQ(Forward(55.0, 37.0, p, xy, c.a), c.code) << c.a;
      LatLonDegrees geo;
      const PlanePoint plane = IsZoned(p.Kind()) ? PlanePoint{6e6, 7.5e6} : PlanePoint{5e6, 3e6};
      EXPECT_EQ(Inverse(plane.x, plane.y, p, geo, c.a), c.code) << c.a;
    }
    PlanePoint inZone;
    LatLonDegrees offAxis{55.0, 1.0};
    EXPECT_EQ(GaussKrugerSeries(c.a, kKrassF, ProjectionDirection::kForward, 1.0, inZone, offAxis),
              c.code)
        << c.a;
  }
}

TEST(ProjectPoint, ErrorCodes) {
  PlanePoint xy{1, 2};
  LatLonDegrees geo{55, 37};
  const ProjectionSlots gk = GaussKrugerSlots();
  EXPECT_EQ(ProjectPoint(6199999.0, kKrassF, ProjectionDirection::kForward, xy, geo, gk),
            kSemiMajorAxisOutOfRange);
  EXPECT_EQ(ProjectPoint(6400001.0, kKrassF, ProjectionDirection::kInverse, xy, geo, gk),
            kSemiMajorAxisOutOfRange);
  EXPECT_EQ(xy.x, 1);  // outputs untouched on failure
  EXPECT_EQ(geo.b, 55);

  struct InverseCase { double x, y; ResultCode code; };
  const InverseCase inverse[] = {{6e6, 999999.0, kNoValidZone},   // zone 0
                                 {6e6, 61.5e6, kNoValidZone},     // more zones than 360/6
                                 {6e6, -7.5e6, kNoValidZone},
                                 {6e6, 60.5e6, kOk},
                                 {6e6, 1.5e6, kOk}};
  for (const auto& c : inverse) {
    LatLonDegrees out;
    EXPECT_EQ(Inverse(c.x, c.y, gk, out), c.code) << c.y;
  }
}

TEST(ProjectPoint, OrdinateOutsideTheZoneIsRefused) {
  PlanePoint xy;
  // A false origin of 0 leaves every point west of the axial meridian negative.
  EXPECT_EQ(Forward(55.0, 37.5, Slots(0, 0, 3, 6, 0, 0, 1, 0, 0), xy), kOrdinateOutsideZone);
  // Axes exchanged: the check moves to the abscissa.
  EXPECT_EQ(Forward(55.0, 37.5, Slots(0, 0, 3, 6, 0, 0, 1, 0, 1), xy), kAbscissaOutsideZone);
}

TEST(ProjectPoint, UtmPutsTheZoneIntoTheFirstCoordinate) {
  PlanePoint xy;
  ASSERT_EQ(Forward(55.75, 37.62, UtmSlots(), xy, kWgsA, kWgsF), kOk);
  EXPECT_EQ(std::floor(xy.x * 1e-6), 37);  // Moscow lies in UTM zone 37
  EXPECT_NEAR(xy.x - 37e6, 413000, 2000);   // easting, 500 km false origin
  EXPECT_NEAR(xy.y, 6179000, 3000);         // northing
}

TEST(ProjectPoint, RoundTripsWithinThreeDegreesOfTheAxis) {
  struct Case { const char* name; ProjectionSlots p; };
  const Case cases[] = {
      {"Gauss-Krüger", GaussKrugerSlots()},
      {"UTM", UtmSlots()},
      {"west-positive", Slots(0, 0, 3, 6, 0, 500000, 1.0, 1, 0)},
      {"prime meridian 30", Slots(0, 30, 3, 6, 100000, 500000, 0.9999, 0, 0)},
      {"axes exchanged", Slots(0, 0, 3, 6, 500000, 0, 1.0, 0, 1)},
  };
  for (const auto& c : cases) {
    for (double b = -79.0; b <= 80.0; b += 13.0) {
      for (double dl = -3.0; dl <= 3.0; dl += 0.75) {
        const double l = 6 * 9 + 3 + dl + c.p.PrimeMeridian();  // around an axial meridian
        PlanePoint xy;
        ASSERT_EQ(Forward(b, l, c.p, xy), kOk) << c.name << " " << b << " " << l;
        LatLonDegrees back;
        ASSERT_EQ(Inverse(xy.x, xy.y, c.p, back), kOk) << c.name;
        EXPECT_NEAR(back.b, b, 1e-8) << c.name;
        EXPECT_NEAR(std::remainder(back.l - l, 360.0), 0.0, 1e-8) << c.name << " " << l;
      }
    }
  }
}

TEST(ProjectPoint, AbsurdInputEndsWithACode) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  PlanePoint xy{7, 7};
  EXPECT_EQ(Forward(55.0, 1e10, GaussKrugerSlots(), xy), kProjectionNotFinite);  // Fix(L/360) overflows
  EXPECT_EQ(Forward(nan, 37.0, GaussKrugerSlots(), xy), kProjectionNotFinite);
  EXPECT_EQ(Forward(55.0, 37.0, GaussKrugerSlots(1e9), xy), kNoValidZone);  // zone beyond 16 bits
  EXPECT_EQ(Forward(55.0, 37.0, Slots(0, 0, 3, 0, 0, 500000, 1, 0, 0), xy), kNoValidZone);
  EXPECT_EQ(Forward(55.0, 37.0, LambertSlots(), xy, kKrassA, nan), kProjectionNotFinite);
  EXPECT_EQ(xy.x, 7);
  LatLonDegrees geo{1, 1};
  EXPECT_EQ(Inverse(nan, 7.5e6, GaussKrugerSlots(), geo), kProjectionNotFinite);
  EXPECT_EQ(Inverse(6e6, 7.5e6, Slots(0, 0, 3, 0, 0, 500000, 1, 0, 0), geo), kNoValidZone);
  EXPECT_EQ(geo.b, 1);
}

// Lambert -------------------------------------------------------------------

TEST(ProjectPointLambert, StandardParallelOnTheCentralMeridianIsTheFalseOrigin) {
  const ProjectionSlots sets[] = {LambertSlots(), Slots(1, 0, 55, 40, 300000, 200000, 0.9999, 0, 1)};
  for (const auto& p : sets) {
    PlanePoint xy;
    ASSERT_EQ(Forward(p.StandardParallel(), p.CentralMeridian(), p, xy), kOk);
    EXPECT_NEAR(xy.x, p.FalseX(), 1e-6);
    EXPECT_NEAR(xy.y, p.FalseY(), 1e-6);
  }
}

TEST(ProjectPointLambert, SignChecksOfBothAxisLayouts) {
  PlanePoint xy;
  // 5° south of the 10° standard parallel is about 553 km: beyond the 500 km origin.
  EXPECT_EQ(Forward(5.0, 0.0, LambertSlots(), xy), kLambertAbscissaNegative);
  EXPECT_LT(xy.x, 0.0);  // the projected point is reported with the code
  EXPECT_EQ(Forward(6.0, 0.0, LambertSlots(), xy), kOk);
  // Axis layout 0 gives (y, x): a point west of the central meridian has a
  // negative first coordinate.
  const ProjectionSlots swapped = Slots(1, 0, 10, 20, 500000, 0, 1.0, 0, 0);
  EXPECT_EQ(Forward(12.0, 18.0, swapped, xy), kLambertFirstCoordinateNegative);
  ASSERT_EQ(Forward(12.0, 22.0, swapped, xy), kOk);
  PlanePoint exchanged;
  ASSERT_EQ(Forward(12.0, 22.0, Slots(1, 0, 10, 20, 500000, 0, 1.0, 0, 1), exchanged), kOk);
  EXPECT_DOUBLE_EQ(xy.x, exchanged.y);
  EXPECT_DOUBLE_EQ(xy.y, exchanged.x);
}

TEST(ProjectPointLambert, LongitudesAreNotFoldedAroundTheCentralMeridian) {
  // On the standard parallel rho = rho0, so the point is fixed by the cone
  // angle gamma = n·(L − L0) with L − L0 = 359°, not −1°.
  const ProjectionSlots p = Slots(1, 0, 45, 0, 0, 0, 1.0, 0, 1);
  const double b0 = 45 * kRadiansPerDegree;
  const double e2 = 2 / kKrassF - 1 / (kKrassF * kKrassF);
  const double n0 = kKrassA / std::sqrt(1 - e2 * std::sin(b0) * std::sin(b0));
  const double rho0 = n0 * std::cos(b0) / std::sin(b0);
  const double gamma = std::sin(b0) * 359 * kRadiansPerDegree;
  PlanePoint xy;
  ASSERT_EQ(Forward(45.0, 359.0, p, xy), kOk);
  EXPECT_NEAR(xy.x, rho0 * (1 - std::cos(gamma)), 1e-6);
  EXPECT_NEAR(xy.y, rho0 * std::sin(gamma), 1e-6);
}

// Both axis layouts: the inverse reads the plane point as the forward wrote it.
TEST(ProjectPointLambert, RoundTripsOverTheUsualExtent) {
  const ProjectionSlots sets[] = {Slots(1, 0, 10, 0, 1500000, 0, 1.0, 0, 1),
                                  Slots(1, 0, 55, 40, 1500000, 800000, 0.9999, 0, 1),
                                  Slots(1, 20, 62, 100, 1500000, 900000, 1.0, 1, 1),
                                  Slots(1, 0, 10, 0, 1500000, 1500000, 1.0, 0, 0),
                                  Slots(1, 0, 55, 40, 800000, 1500000, 0.9999, 0, 0),
                                  Slots(1, 20, 62, 100, 900000, 1500000, 1.0, 1, 0)};
  for (const auto& p : sets) {
    for (double db = -8; db <= 8; db += 2) {
      for (double dl = -12; dl <= 12; dl += 3) {
        const double b = p.StandardParallel() + db;
        const double l = std::fmod(p.CentralMeridian() + p.PrimeMeridian() + dl + 360.0, 360.0);
        const double lIn = p.WestPositive() ? 360.0 - l : l;
        PlanePoint xy;
        ASSERT_EQ(Forward(b, lIn, p, xy), kOk) << b << " " << l;
        LatLonDegrees back;
        ASSERT_EQ(Inverse(xy.x, xy.y, p, back), kOk);
        EXPECT_NEAR(back.b, b, 1e-7) << b << " " << l;
        EXPECT_NEAR(std::remainder(back.l - lIn, 360.0), 0.0, 1e-7) << b << " " << l;
      }
    }
  }
}

}  // namespace
}  // namespace vexilor
