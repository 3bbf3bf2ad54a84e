// The quasi-geoid step with the standard grid, end to end: at the grid's
// nodes the height anomaly reported for a WGS-84 target is EGM96's.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>

#include "geodesy/angle_constants.h"
#include "run/point_pipeline.h"
#include "proj_oracle.h"
#include "refdata/reference_file.h"
#include "refdata/system_choice.h"
#include "refdata/system_lookup.h"

namespace vexilor::oracle {
namespace {

const std::filesystem::path kProgramFolder =
    std::filesystem::read_symlink("/proc/self/exe").parent_path();

// A side as the catalogue hands it over, from the shipped sys.dat.
SystemSide ShippedSide(const std::string& code) {
  SystemLines systems;
  EllipsoidLines ellipsoids;
  EXPECT_EQ(LoadSystemLines((kProgramFolder / "sys.dat").string(), systems), ReferenceFileError::kNone);
  EXPECT_EQ(LoadEllipsoidLines((kProgramFolder / "ellips.dat").string(), ellipsoids),
            ReferenceFileError::kNone);
  SystemChoice choice;
  EXPECT_EQ(ChooseSystem(systems, ellipsoids, FindSystemLine(systems, code), choice).error,
            ChoiceError::kNone);
  return {choice.name, choice.baseName, CoordType::BLH, choice.vector};
}

TEST(QuasiGeoidHeightsOracle, WgsTargetsReportEgm96AtTheNodes) {
  ProjOperation egm96("+proj=vgridshift +grids=egm96_15.gtx +multiplier=1");
  ASSERT_TRUE(egm96.Valid()) << egm96.Error();
  GridSession session((kProgramFolder / "wgeoid.mat").string(), kGridSignature);
  QuasiGeoidLookup grid(session);
  const SystemSide pz90 = ShippedSide("PZ90");
  const SystemSide wgs84 = ShippedSide("WGS84");
  // A system resting on WGS-84 with a null link: only the fixed link acts.
  SystemSide onWgs84{"Null link on WGS84", kWgs84Name, CoordType::BLH, wgs84.vector};
  onWgs84.vector.SetLink({});

  std::mt19937 rng(7121996);
  WorstCase fixedLink, shippedLink;
  for (int i = 0; i < 2000; ++i) {
    const double b = 88.5 - 0.25 * std::uniform_int_distribution<int>(0, 708)(rng);
    const double l = 0.25 * std::uniform_int_distribution<int>(0, 1439)(rng);
    const Coords node{b * kRadiansPerDegree, l * kRadiansPerDegree, 0};
    const double expected = egm96.Forward(node[1], node[0], 0.0)[2];
    float zs = 0, zFixed = 0, zShipped = 0;
    ASSERT_EQ(QuasiGeoidHeights(pz90, onWgs84, {}, node, {}, grid, HeightMode::kTargetOnly, zs, zFixed), kOk);
    ASSERT_EQ(QuasiGeoidHeights(pz90, wgs84, {}, node, {}, grid, HeightMode::kTargetOnly, zs, zShipped), kOk);
    fixedLink.Offer(zFixed - expected, {b, l, 0});
    shippedLink.Offer(zShipped - expected, {b, l, 0});
  }
  ReportMeasured("quasi_geoid_fixed_link_nodes",
                 "zeta of a WGS-84-based target at 2000 nodes - EGM96: max " +
                     Fixed(fixedLink.Value() * 1000, 2) + " mm");
  ReportMeasured("quasi_geoid_wgs84_nodes",
                 "zeta of the WGS-84 system (sys.dat link) at 2000 nodes - EGM96: max " +
                     Fixed(shippedLink.Value() * 1000, 2) + " mm");
  EXPECT_LT(fixedLink.Value(), 0.01) << fixedLink.Where();
  EXPECT_LT(shippedLink.Value(), 0.05) << shippedLink.Where();
}

}  // namespace
}  // namespace vexilor::oracle
