// The standard grid wgeoid.mat against EGM96 as PROJ interpolates it.
//
// The grid holds heights above the ПЗ-90 ellipsoid; carried to WGS-84 by
// the quasi-geoid step's fixed link they must land on the EGM96 geoid. At
// the nodes that holds to the grid's storage step; between the nodes the
// engine's spline and PROJ's bilinear interpolation of the same 15′ data
// differ by the interpolation alone, which is reported.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "quasigeoid/grid_file.h"
#include "quasigeoid/quasi_geoid.h"
#include "quasigeoid/quasi_geoid_link.h"
#include "proj_oracle.h"
#include "quasigeoid/grid_test_files.h"

namespace vexilor::oracle {
namespace {

constexpr unsigned kSeed = 15101996;
constexpr double kStepDegrees = 0.25;
constexpr int kNodeSamples = 20000;
constexpr int kPointSamples = 5000;
// Storage step 1/256 m (2 mm either way) plus the fixed link's carry.
constexpr double kNodeBoundMetres = 0.01;
constexpr double kLastRowOutsidePolarMode = 88.5;

std::string StandardGridPath() {
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
  return (program.parent_path() / "wgeoid.mat").string();
}

// EGM96 by PROJ: N at WGS-84 latitude and longitude (radians).
class Egm96 {
 public:
  Egm96() : op_("+proj=vgridshift +grids=egm96_15.gtx +multiplier=1") {}
  bool Valid() const { return op_.Valid(); }
  const std::string& Error() const { return op_.Error(); }
  double At(double b, double l) const { return op_.Forward(l, b, 0.0)[2]; }

 private:
  ProjOperation op_;
};

// The height stored at the node (b, l) degrees, metres.
bool StoredHeight(const std::string& grid, double b, double l, float& zeta) {
  GridWindow window;
  GridHeader header;
  if (ReadGridWindow(grid, "GEOID", {l, l, b, b}, window, header) != kOk) return false;
  if (window.heights.size() != 1) return false;
  zeta = window.heights[0];
  return true;
}

// The point (b, l degrees, zeta above ПЗ-90) carried to WGS-84, less EGM96
// there.
double MissOf(const Egm96& egm96, double b, double l, float zeta) {
  Geodetic carried;
  if (CarryQuasiGeoidPointToWgs84(b * kRadiansPerDegree, l * kRadiansPerDegree, zeta, carried) !=
      kOk)
    return HUGE_VAL;
  return carried.h - egm96.At(carried.b, carried.l);
}

double StoredMiss(const std::string& grid, const Egm96& egm96, double b, double l) {
  float zeta = 0;
  return StoredHeight(grid, b, l, zeta) ? MissOf(egm96, b, l, zeta) : HUGE_VAL;
}

double LookupMiss(const std::string& grid, const Egm96& egm96, double b, double l) {
  float zeta = 0;
  if (QuasiGeoidHeight(grid, b, l, "GEOID", zeta) != kOk) return HUGE_VAL;
  return MissOf(egm96, b, l, zeta);
}

struct Spread {
  double median = 0, p99 = 0, max = 0;
};

Spread SpreadOf(std::vector<double> misses) {
  for (double& m : misses) m = std::fabs(m);
  std::sort(misses.begin(), misses.end());
  const auto at = [&misses](double q) {
    return misses[static_cast<std::size_t>(q * static_cast<double>(misses.size() - 1))];
  };
  return {at(0.5), at(0.99), misses.back()};
}

std::string Describe(const Spread& s) {
  return "median " + Fixed(s.median * 1000, 2) + " mm, 99% " + Fixed(s.p99 * 1000, 2) +
         " mm, max " + Fixed(s.max * 1000, 2) + " mm";
}

class StandardGridOracle : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::is_regular_file(grid_))
        << grid_ << " is missing: build the target wgeoid";
    ASSERT_TRUE(egm96_.Valid()) << "PROJ cannot open egm96_15.gtx (Debian package proj-data): "
                                << egm96_.Error();
  }
  const std::string grid_ = StandardGridPath();
  const Egm96 egm96_;
};

// Nodes at random over the sphere, and every fortieth node of the pole
// rows and the rows next to them.
std::vector<std::array<double, 2>> SampleNodes() {
  std::mt19937 rng(kSeed);
  std::vector<std::array<double, 2>> nodes;
  for (int i = 0; i < kNodeSamples; ++i) {
    const int row = std::uniform_int_distribution<int>(0, 720)(rng);
    const int column = std::uniform_int_distribution<int>(0, 1439)(rng);
    nodes.push_back({90.0 - kStepDegrees * row, kStepDegrees * column});
  }
  for (const double b : {90.0, 89.75, -89.75, -90.0})
    for (int column = 0; column < 1440; column += 40) nodes.push_back({b, kStepDegrees * column});
  return nodes;
}

TEST_F(StandardGridOracle, NodeHeightsCarriedToWgs84LieOnEgm96) {
  std::vector<double> misses;
  WorstCase worst;
  for (const auto& [b, l] : SampleNodes()) {
    misses.push_back(StoredMiss(grid_, egm96_, b, l));
    worst.Offer(misses.back(), {b, l, 0});
  }
  ReportMeasured("standard_grid_nodes",
                 "wgeoid.mat node heights at " + std::to_string(misses.size()) +
                     " nodes carried to WGS-84 - EGM96: " + Describe(SpreadOf(misses)));
  EXPECT_LT(worst.Value(), kNodeBoundMetres) << worst.Where();
}

// The lookup gives a node's own height back, except in polar mode (from
// 88.625° on a 15′ grid), where the window's rows are averaged into spans.
TEST_F(StandardGridOracle, LookupsAtNodesLieOnEgm96) {
  std::vector<double> outside, polar;
  WorstCase worst;
  for (const auto& [b, l] : SampleNodes()) {
    const double miss = LookupMiss(grid_, egm96_, b, l);
    if (std::fabs(b) > kLastRowOutsidePolarMode) {
      polar.push_back(miss);
      continue;
    }
    outside.push_back(miss);
    worst.Offer(miss, {b, l, 0});
  }
  ReportMeasured(
      "standard_grid_lookup_nodes",
      "wgeoid.mat lookups at " + std::to_string(outside.size()) +
          " nodes up to 88.5°, carried to WGS-84 - EGM96: " + Describe(SpreadOf(outside)));
  ReportMeasured(
      "standard_grid_lookup_polar_nodes",
      "wgeoid.mat lookups at " + std::to_string(polar.size()) +
          " nodes in polar mode, carried to WGS-84 - EGM96: " + Describe(SpreadOf(polar)));
  EXPECT_LT(worst.Value(), kNodeBoundMetres) << worst.Where();
}

TEST_F(StandardGridOracle, BetweenNodesAgainstProjInterpolation) {
  std::mt19937 rng(kSeed + 1);
  std::vector<double> everywhere, polar;
  for (int i = 0; i < kPointSamples; ++i) {
    // Uniform over the sphere, then a share within two degrees of a pole.
    const bool nearPole = i % 10 == 0;
    const double b = nearPole ? (i % 20 == 0 ? 1 : -1) * Uniform(rng, 88.0, 90.0)
                              : std::asin(Uniform(rng, -1.0, 1.0)) * kDegreesPerRadian;
    const double l = Uniform(rng, 0.0, 360.0);
    (nearPole ? polar : everywhere).push_back(LookupMiss(grid_, egm96_, b, l));
  }
  const Spread all = SpreadOf(everywhere);
  const Spread caps = SpreadOf(polar);
  ReportMeasured("standard_grid_between",
                 "wgeoid.mat between nodes, " + std::to_string(everywhere.size()) +
                     " points over the sphere, spline - PROJ bilinear: " + Describe(all));
  ReportMeasured("standard_grid_polar", "wgeoid.mat within 2° of a pole, " +
                                            std::to_string(polar.size()) +
                                            " points, spline - PROJ bilinear: " + Describe(caps));
  // The two interpolations of one 15′ grid part by centimetres where the
  // geoid bends sharply (trenches, mountain belts); a metre would mean a
  // misplaced or misread grid.
  EXPECT_LT(all.max, 1.0);
  EXPECT_LT(caps.max, 1.0);
}

// The interpolation against the model itself between nodes: EGM96 on a 30′
// grid, looked up at the nodes of its 15′ grid that the 30′ grid leaves out
// (between two of its nodes, or in the middle of its cell), where PROJ gives
// EGM96's own node values. At the standard grid's 15′ the nodes lie twice as
// close, so its own error between nodes is smaller than this.
TEST_F(StandardGridOracle, BetweenNodesAgainstTheModelAtHalfTheDensity) {
  testing::TestGrid coarse = testing::GlobalGrid(30);
  coarse.ellipsoid = "WGS84";
  testing::TempFolder folder;
  const std::string path = folder.PathOf("egm96_30.mat");
  const std::vector<unsigned char> bytes = testing::GridBytes(coarse, [&](double b, double l) {
    return egm96_.At(b * kRadiansPerDegree, l * kRadiansPerDegree);
  });
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
  std::mt19937 rng(kSeed + 2);
  std::vector<double> misses;
  WorstCase worst;
  while (misses.size() < static_cast<std::size_t>(kNodeSamples)) {
    const int row = std::uniform_int_distribution<int>(8, 712)(rng);  // 88° and nearer the equator
    const int column = std::uniform_int_distribution<int>(0, 1439)(rng);
    if (row % 2 == 0 && column % 2 == 0) continue;  // a node of the 30′ grid
    const double b = 90.0 - kStepDegrees * row, l = kStepDegrees * column;
    float zeta = 0;
    ASSERT_EQ(QuasiGeoidHeight(path, b, l, kGridSignature, zeta), kOk) << b << " " << l;
    misses.push_back(zeta - egm96_.At(b * kRadiansPerDegree, l * kRadiansPerDegree));
    worst.Offer(misses.back(), {b, l, 0});
  }
  const Spread spread = SpreadOf(misses);
  ReportMeasured("model_between_nodes",
                 "EGM96 on a 30′ grid, looked up at " + std::to_string(misses.size()) +
                     " of its 15′ nodes between the 30′ nodes, lookup - EGM96: " + Describe(spread));
  // A misplaced node or a wrong interpolation weight would miss by metres
  // everywhere; the geoid's sharpest bends stay below that.
  EXPECT_LT(spread.p99, 0.5) << worst.Where();
}

}  // namespace
}  // namespace vexilor::oracle
