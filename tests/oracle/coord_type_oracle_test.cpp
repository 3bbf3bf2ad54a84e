// ConvertCoordType between BLH, XYZ and zoned xyH against PROJ: the plane
// operation for BLH -> xyH, a cart-then-plane pipeline for XYZ <-> xyH.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "geodesy/angle_constants.h"
#include "geodesy/coord_type.h"
#include "zoned_oracle.h"

namespace vexilor::oracle {
namespace {

constexpr unsigned kSeed = 20010911;
constexpr int kZones[] = {1, 7, 13, 25, 31, 42, 55, 60};
constexpr int kPointsPerZone = 40;
constexpr double kMaxLatitude = 80.0;
constexpr double kMaxOffAxis = 2.9;  // inside the zone: the engine picks it

// Measured: the plane agrees with PROJ to about 0.04 mm whether the point
// comes as BLH or XYZ (the geocentric step adds nanometres), heights through
// XYZ to nanometres, BLH back to 1.5e-9 degrees and XYZ from the plane to
// about 0.15 mm (the footpoint series). Bounds keep a margin.
constexpr double kPlaneBoundMetres = 0.1e-3;
constexpr double kHeightBoundMetres = 2e-8;
constexpr double kBackBoundDegrees = 3e-9;
constexpr double kGeocentricBoundMetres = 0.3e-3;

struct Measurement {
  WorstCase blhPlane;    // BLH -> xyH against PROJ, metres
  WorstCase back;        // BLH -> xyH -> BLH against the sample, degrees
  WorstCase xyzPlane;    // XYZ -> xyH against PROJ's pipeline, metres
  WorstCase xyzHeight;   // its height against the sampled one, metres
  WorstCase geocentric;  // PROJ's xyH -> XYZ against PROJ's XYZ, metres
  int heightsNotCopied = 0;
  int failures = 0;
  int points = 0;
};

// The PROJ operations of one zone.
struct ZoneOracle {
  ProjOperation plane;     // geodetic -> easting, northing
  ProjOperation cart;      // geodetic -> XYZ
  ProjOperation pipeline;  // XYZ -> easting, northing, height

  ZoneOracle(const ZonedSetup& setup, int zone)
      : plane(setup.projDefinition(zone)),
        cart("+proj=cart " + EllipsoidArgs(setup.ellipsoid)),
        pipeline("+proj=pipeline +step +inv +proj=cart " + EllipsoidArgs(setup.ellipsoid) +
                 " +step " + setup.projDefinition(zone)) {}

  bool Valid() const { return plane.Valid() && cart.Valid() && pipeline.Valid(); }
};

class CoordTypeRun {
 public:
  CoordTypeRun(const ZonedSetup& setup, Measurement& m)
      : setup_(setup), layout_(setup.slots), m_(m) {
    params_.source = setup.slots;
    params_.target = setup.slots;
  }

  void Point(const ZoneOracle& proj, int zone, double b, double l, double h) {
    ++m_.points;
    const std::array<double, 3> where{b, l, h};
    const double br = b * kRadiansPerDegree;
    const double lr = l * kRadiansPerDegree;
    const auto en = proj.plane.Forward(lr, br, 0.0);
    const auto xyz = proj.cart.Forward(lr, br, h);
    const auto enh = proj.pipeline.Forward(xyz[0], xyz[1], xyz[2]);

    Coords plane, back, planeFromXyz, geocentric;
    const PlanePoint projPlane = layout_.Zoned({en[0], en[1]}, zone);
    if (!Convert(CoordType::BLH, CoordType::xyH, {br, lr, h}, plane) ||
        !Convert(CoordType::xyH, CoordType::BLH, plane, back) ||
        !Convert(CoordType::XYZ, CoordType::xyH, {xyz[0], xyz[1], xyz[2]}, planeFromXyz) ||
        !Convert(CoordType::xyH, CoordType::XYZ, {projPlane.x, projPlane.y, h}, geocentric))
      return;

    OfferPlane(m_.blhPlane, plane, zone, en[0], en[1], where);
    if (plane[2] != h || back[2] != h) ++m_.heightsNotCopied;
    m_.back.Offer((back[0] - br) * kDegreesPerRadian, where);
    m_.back.Offer(std::remainder(back[1] - lr, 2.0 * kPi) * kDegreesPerRadian, where);
    OfferPlane(m_.xyzPlane, planeFromXyz, zone, enh[0], enh[1], where);
    // PROJ's one-step inverse of cart leaves up to a micrometre in the height
    // at 9 km; the engine iterates, so the sampled height is the reference.
    m_.xyzHeight.Offer(planeFromXyz[2] - h, where);
    for (int i = 0; i < 3; ++i) m_.geocentric.Offer(geocentric[i] - xyz[i], where);
  }

 private:
  bool Convert(CoordType from, CoordType to, const Coords& in, Coords& out) {
    const double a = setup_.ellipsoid.a;
    const double invF = setup_.ellipsoid.inverseFlattening;
    if (ConvertCoordType(a, invF, from, to, params_, in, out) == kOk) return true;
    ++m_.failures;
    return false;
  }

  void OfferPlane(WorstCase& worst, const Coords& engine, int zone, double easting, double northing,
                  const std::array<double, 3>& where) {
    const EastNorth en = layout_.InZone({engine[0], engine[1]}, zone);
    // A wrong zone shows as a million metres.
    worst.Offer(en.easting - easting, where);
    worst.Offer(en.northing - northing, where);
  }

  const ZonedSetup& setup_;
  ZonedLayout layout_;
  ProjectionParams params_;
  Measurement& m_;
};

class CoordTypeOracle : public ::testing::TestWithParam<ZonedSetup> {};

TEST_P(CoordTypeOracle, ConversionsMatchProj) {
  const ZonedSetup& setup = GetParam();
  std::mt19937 rng(kSeed);
  Measurement m;
  CoordTypeRun run(setup, m);
  for (int zone : kZones) {
    const ZoneOracle proj(setup, zone);
    ASSERT_TRUE(proj.Valid()) << proj.plane.Error() << proj.cart.Error() << proj.pipeline.Error();
    const double axial = setup.firstAxialMeridian + setup.zoneWidth * (zone - 1);
    for (int i = 0; i < kPointsPerZone; ++i) {
      const double b = Uniform(rng, -kMaxLatitude, kMaxLatitude);
      const double l = axial + Uniform(rng, -kMaxOffAxis, kMaxOffAxis);
      run.Point(proj, zone, b, l, Uniform(rng, -500.0, 9000.0));
    }
  }
  const std::string domain = std::string(setup.name) + " " + std::string(setup.ellipsoid.name) +
                             " over " + std::to_string(m.points) +
                             " pts |l|<=2.9 |B|<80 H=-500..9000 seed=" + std::to_string(kSeed);
  ReportMeasured("blh_xyh_mm",
                 "ConvertCoordType BLH->xyH vs PROJ max=" + Fixed(m.blhPlane.Value() * 1000.0, 4) +
                     " mm, back to BLH max=" + Scientific(m.back.Value()) + " deg " + domain);
  ReportMeasured("xyz_xyh_mm", "ConvertCoordType XYZ->xyH vs PROJ pipeline plane max=" +
                                   Fixed(m.xyzPlane.Value() * 1000.0, 4) +
                                   " mm, H vs sampled |dH|max=" + Scientific(m.xyzHeight.Value()) +
                                   " m " + domain);
  ReportMeasured("xyh_xyz_mm", "ConvertCoordType xyH(PROJ)->XYZ vs PROJ max=" +
                                   Fixed(m.geocentric.Value() * 1000.0, 4) + " mm " + domain);
  EXPECT_EQ(m.failures, 0);
  EXPECT_EQ(m.heightsNotCopied, 0);
  EXPECT_LT(m.blhPlane.Value(), kPlaneBoundMetres) << "(B, L, H) " << m.blhPlane.Where();
  EXPECT_LT(m.back.Value(), kBackBoundDegrees) << "(B, L, H) " << m.back.Where();
  EXPECT_LT(m.xyzPlane.Value(), kPlaneBoundMetres) << "(B, L, H) " << m.xyzPlane.Where();
  EXPECT_LT(m.xyzHeight.Value(), kHeightBoundMetres) << "(B, L, H) " << m.xyzHeight.Where();
  EXPECT_LT(m.geocentric.Value(), kGeocentricBoundMetres) << "(B, L, H) " << m.geocentric.Where();
}

INSTANTIATE_TEST_SUITE_P(Sets, CoordTypeOracle,
                         ::testing::Values(GaussKrugerSetup(kKrassovsky), GaussKrugerSetup(kPz90),
                                           UtmSetup()),
                         [](const auto& instance) {
                           return std::string(instance.param.name) + "_" +
                                  std::string(instance.param.ellipsoid.name);
                         });

}  // namespace
}  // namespace vexilor::oracle
