#include "quasigeoid/quasi_geoid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <random>

#include "geodesy/angle_constants.h"
#include "quasigeoid/grid_test_files.h"

namespace vexilor {
namespace {

using testing::GlobalGrid;
using testing::GridBytes;
using testing::HeightFunction;
using testing::StoredHeight;
using testing::TempFolder;
using testing::TestGrid;

// Smooth heights varying over a few degrees, as a quasi-geoid does.
double Smooth(double b, double l) {
  return 15.0 + 3.0 * std::sin(0.3 * b) + 2.0 * std::cos(0.2 * l);
}

// Heights linear in the direction cosines: smooth over the poles.
double OverThePoles(double b, double l) {
  const double br = b * kRadiansPerDegree, lr = l * kRadiansPerDegree;
  return 10.0 + 3.0 * std::cos(br) * std::cos(lr) + 2.0 * std::cos(br) * std::sin(lr) +
         4.0 * std::sin(br);
}

float Lookup(const std::string& path, double b, double l) {
  float h = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(QuasiGeoidHeight(path, b, l, "GEOID", h), kOk) << b << " " << l;
  return h;
}

ResultCode CodeAt(const std::string& path, double b, double l) {
  float h = -123.0f;
  const ResultCode code = QuasiGeoidHeight(path, b, l, "GEOID", h);
  if (code != kOk) {
    EXPECT_EQ(h, -123.0f) << "height changed on failure";
  }
  return code;
}

struct Storage {
  std::int16_t size;
  float scale;
  std::string placement;
};
const Storage kStorages[] = {{4, 0.001f, "USEL"}, {2, 0.01f, "USEL"}, {4, 0.001f, "MIDL"}};

TestGrid GridStoredAs(const Storage& s) {
  TestGrid g;
  g.valueSize = s.size;
  g.scale = s.scale;
  g.placement = s.placement;
  return g;
}

TEST(QuasiGeoidHeight, NodesGiveTheirOwnHeights) {
  TempFolder folder;
  std::mt19937 random(1);
  for (const Storage& s : kStorages) {
    const TestGrid g = GridStoredAs(s);
    const std::string path = folder.Write("g.mat", GridBytes(g, Smooth));
    std::uniform_int_distribution<int> row(1, g.TotalRows()), column(1, g.TotalColumns());
    for (int i = 0; i < 60; ++i) {
      const double b = g.RowLatitude(row(random)), l = g.ColumnLongitude(column(random));
      EXPECT_NEAR(Lookup(path, b, l), StoredHeight(g, Smooth(b, l)), 2e-5)
          << s.placement << s.size << " at " << b << " " << l;
    }
  }
}

// Outside polar mode, as close to the poles as 88.5° on a 15′ grid, where
// the columns of a window lie a kilometre apart.
TEST(QuasiGeoidHeight, NodesGiveTheirOwnHeightsAtHighLatitudes) {
  TempFolder folder;
  const TestGrid g = GlobalGrid(15);
  const HeightFunction wavy = [](double b, double l) { return Smooth(b, l) + std::sin(0.5 * l); };
  const std::string path = folder.Write("g.mat", GridBytes(g, wavy));
  for (const double b : {88.5, 88.0, 86.25, 80.0, -85.5, -88.5})
    for (const double l : {0.0, 17.25, 123.5, 359.75})
      EXPECT_NEAR(Lookup(path, b, l), StoredHeight(g, wavy(b, l)), 2e-5) << b << " " << l;
}

TEST(QuasiGeoidHeight, SmoothHeightsBetweenNodes) {
  TempFolder folder;
  std::mt19937 random(2);
  for (const Storage& s : kStorages) {
    const TestGrid g = GridStoredAs(s);
    const std::string path = folder.Write("g.mat", GridBytes(g, Smooth));
    std::uniform_real_distribution<double> b(51, 59), l(31, 39);
    double worst = 0;
    for (int i = 0; i < 200; ++i) {
      const double pb = b(random), pl = l(random);
      worst = std::max(worst, std::fabs(Lookup(path, pb, pl) - Smooth(pb, pl)));
    }
    // Quantisation (half the scale) plus the spline's own error.
    EXPECT_LT(worst, s.scale / 2 + 0.001) << s.placement << s.size;
  }
}

TEST(QuasiGeoidHeight, PlanesInLatitudeAndLongitude) {
  TempFolder folder;
  const HeightFunction plane = [](double b, double l) {
    return 10 + 0.4 * (b - 55) - 0.3 * (l - 35);
  };
  TestGrid g;
  const std::string path = folder.Write("g.mat", GridBytes(g, plane));
  std::mt19937 random(3);
  std::uniform_real_distribution<double> b(51, 59), l(31, 39);
  for (int i = 0; i < 100; ++i) {
    const double pb = b(random), pl = l(random);
    EXPECT_NEAR(Lookup(path, pb, pl), plane(pb, pl), 0.0006) << pb << " " << pl;
  }
}

// Nodes lie where the grid's own bounds put them, not on the multiples of
// the step that the window is cut at.
TEST(QuasiGeoidHeight, GridsWhoseBoundsAreNotMultiplesOfTheStep) {
  TempFolder folder;
  const HeightFunction plane = [](double b, double l) {
    return 10 + 0.4 * (b - 55) - 0.3 * (l - 35);
  };
  TestGrid g;
  g.north = 60.1f;
  g.south = 50.1f;
  g.west = 30.07f;
  g.east = 40.07f;
  const std::string path = folder.Write("g.mat", GridBytes(g, plane));
  for (const double b : {51.0, 55.33, 58.9})
    for (const double l : {31.0, 35.5, 39.2})
      EXPECT_NEAR(Lookup(path, b, l), plane(b, l), 0.0006) << b << " " << l;
}

TEST(QuasiGeoidHeight, ConstantGridsGiveTheConstantEverywhere) {
  TempFolder folder;
  const std::string path =
      folder.Write("g.mat", GridBytes(TestGrid{}, [](double, double) { return 23.456; }));
  const double points[][2] = {{55.1, 35.2}, {60, 40}, {50, 30}, {59.95, 32}, {50.01, 39.99}};
  for (const auto& p : points) EXPECT_NEAR(Lookup(path, p[0], p[1]), 23.456f, 1e-5) << p[0];
}

TEST(QuasiGeoidHeight, BoundsOfARegionalGrid) {
  TempFolder folder;
  const std::string path = folder.Write("g.mat", GridBytes(TestGrid{}, Smooth));
  struct Case {
    double b, l;
    ResultCode code;
  };
  const Case cases[] = {
      {60, 35, kOk},
      {60.0009, 35, kOk},
      {60.002, 35, kGridPointOutside},
      {50, 35, kOk},
      {49.998, 35, kGridPointOutside},
      {55, 30, kOk},
      {55, 29.998, kGridPointOutside},
      {55, 40, kOk},
      {55, 40.002, kGridPointOutside},
      {60, 40, kOk},
      {50, 30, kOk},
      {-55, 35, kGridPointOutside},
      {55, 395, kOk},
      {55, -325, kOk},
      {std::numeric_limits<double>::quiet_NaN(), 35, kGridPointOutside},
      {55, std::numeric_limits<double>::infinity(), kGridPointOutside},
  };
  for (const Case& c : cases) EXPECT_EQ(CodeAt(path, c.b, c.l), c.code) << c.b << " " << c.l;
}

TEST(QuasiGeoidHeight, RegionalGridsAcrossTheGreenwichMeridian) {
  TempFolder folder;
  TestGrid g;
  g.west = -10;
  g.east = 10;
  const std::string path = folder.Write("g.mat", GridBytes(g, Smooth));
  // 355° is 5° west.
  EXPECT_NEAR(Lookup(path, 55.3, 355.1), Smooth(55.3, -4.9), 0.0015);
  EXPECT_EQ(CodeAt(path, 55.3, 340), kGridPointOutside);
}

// A regional grid may run on past 360° (350° to 370°): a longitude is
// taken in whichever turn the grid holds it, written negative or not.
TEST(QuasiGeoidHeight, RegionalGridsPastThreeSixtyDegrees) {
  TempFolder folder;
  TestGrid g;
  g.west = 350;
  g.east = 370;
  const std::string path = folder.Write("g.mat", GridBytes(g, Smooth));
  struct Case { double l; double gridL; };
  const Case cases[] = {{-354.9, 365.1}, {5.1, 365.1}, {365.1, 365.1}, {-5.1, 354.9}, {354.9, 354.9}};
  for (const Case& c : cases)
    EXPECT_NEAR(Lookup(path, 55.3, c.l), Smooth(55.3, c.gridL), 0.0015) << c.l;
  EXPECT_EQ(CodeAt(path, 55.3, -340), kGridPointOutside);  // 20°, beyond the grid's 10°
}

TEST(QuasiGeoidHeight, RegionalGridsNearTheirNorthernAndSouthernEdges) {
  TempFolder folder;
  const HeightFunction plane = [](double b, double l) {
    return 10 + 0.4 * (b - 55) - 0.3 * (l - 35);
  };
  const std::string path = folder.Write("g.mat", GridBytes(TestGrid{}, plane));
  for (const double b : {59.999, 59.9, 59.6, 59.0, 50.001, 50.1, 50.4}) {
    // One-sided windows: the weighting is cruder than the spline.
    EXPECT_NEAR(Lookup(path, b, 35.1), plane(b, 35.1), 0.03) << b;
  }
}

TEST(QuasiGeoidHeight, WholeCircleGridsJoinAtTheSeam) {
  TempFolder folder;
  const std::string path = folder.Write("g.mat", GridBytes(GlobalGrid(15), OverThePoles));
  for (const double l : {359.9, 359.99, 0.0, 0.01, 0.1, 180.0}) {
    EXPECT_NEAR(Lookup(path, 20.3, l), OverThePoles(20.3, l), 0.001) << l;
  }
  EXPECT_EQ(Lookup(path, 20.3, -0.1), Lookup(path, 20.3, 359.9));
  EXPECT_EQ(Lookup(path, 20.3, 720.5), Lookup(path, 20.3, 0.5));
}

TEST(QuasiGeoidHeight, PolarModeAtBothPoles) {
  TempFolder folder;
  for (const float step : {15.0f, 60.0f}) {
    const std::string path = folder.Write("g.mat", GridBytes(GlobalGrid(step), OverThePoles));
    for (const double b :
         {90.0, 89.99, 89.7, 89.1, 88.3, 87.0, -87.0, -88.3, -89.5, -89.99, -90.0}) {
      for (const double l : {0.0, 47.0, 135.5, 222.0, 359.5}) {
        EXPECT_NEAR(Lookup(path, b, l), OverThePoles(b, l), step == 15 ? 0.002 : 0.005)
            << step << "′ " << b << " " << l;
      }
    }
  }
}

TEST(QuasiGeoidHeight, NoDataNearThePointRefusesIt) {
  TempFolder folder;
  TestGrid g;
  g.noDataLimit = 100;
  // No heights east of 38°.
  const std::string path =
      folder.Write("g.mat", GridBytes(g, [](double, double l) { return l > 37.9 ? 500.0 : 20.0; }));
  EXPECT_NEAR(Lookup(path, 55, 33), 20.0f, 1e-5);
  EXPECT_EQ(CodeAt(path, 55, 37.8), kGridPointOutside);
  EXPECT_EQ(CodeAt(path, 55, 39), kGridPointOutside);
}

TEST(QuasiGeoidHeight, FileAndHeaderFaults) {
  TempFolder folder;
  EXPECT_EQ(CodeAt(folder.PathOf("missing.mat"), 55, 35), kGridFileNotFound);
  EXPECT_EQ(CodeAt("", 55, 35), kGridFileNotFound);
  TestGrid other;
  other.signature = "GEOIX";
  EXPECT_EQ(CodeAt(folder.Write("other.mat", GridBytes(other, Smooth)), 55, 35), kGridBadHeader);
  TestGrid text;
  text.layout = 'T';
  EXPECT_EQ(CodeAt(folder.Write("text.mat", GridBytes(text, Smooth)), 55, 35), kGridBadFormat);
  float h = 0;
  const std::string good = folder.Write("good.mat", GridBytes(TestGrid{}, Smooth));
  EXPECT_EQ(QuasiGeoidHeight(good, 55, 35, "GEOIX", h), kGridBadHeader);
}

TEST(QuasiGeoidHeight, FilesAreClosedOnEveryPath) {
  TempFolder folder;
  TestGrid text;
  text.layout = 'T';
  const std::string paths[] = {folder.Write("good.mat", GridBytes(TestGrid{}, Smooth)),
                               folder.Write("text.mat", GridBytes(text, Smooth)),
                               folder.PathOf("missing.mat")};
  const auto openFiles = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                         std::filesystem::directory_iterator());
  };
  const auto before = openFiles();
  for (int i = 0; i < 50; ++i)
    for (const std::string& path : paths)
      for (const double b : {55.0, 70.0}) {
        float h = 0;
        QuasiGeoidHeight(path, b, 35, "GEOID", h);
      }
  EXPECT_EQ(openFiles(), before);
}

}  // namespace
}  // namespace vexilor
