#include "quasigeoid/grid_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "quasigeoid/grid_header.h"
#include "geodesy/result_codes.h"
#include "quasigeoid/grid_test_files.h"

namespace vexilor {
namespace {

using testing::GridBytes;
using testing::StoredHeight;
using testing::TempFolder;
using testing::TestGrid;

// Heights that tell every node apart: 100 m per degree of latitude plus one
// metre per degree of longitude.
double Tagged(double b, double l) { return 100.0 * b + l; }

TEST(DecodeGridHeader, ReadsEveryFieldAtItsPlace) {
  TestGrid g;
  g.north = 81.5f;
  g.south = -12.25f;
  g.west = 3.75f;
  g.east = 190.5f;
  g.rows = 1234;
  g.columns = -2;
  g.latitudeStep = 2.5f;
  g.longitudeStep = 7.5f;
  g.placement = "MIDL";
  g.scale = 0.125f;
  g.noDataLimit = 777.0f;
  g.extra = -3.5f;
  g.valueSize = 2;
  g.ellipsoid = "GRS80";
  g.extraName = "ABCDEFG";
  const std::vector<unsigned char> header = GridBytes(g, [](double, double) { return 0.0; });
  std::array<unsigned char, kGridHeaderBytes> first{};
  std::copy_n(header.begin(), kGridHeaderBytes, first.begin());
  const GridHeader h = DecodeGridHeader(first);
  EXPECT_EQ(h.signature, "GEOID");
  EXPECT_EQ(h.layout, 'B');
  EXPECT_EQ(h.north, 81.5f);
  EXPECT_EQ(h.south, -12.25f);
  EXPECT_EQ(h.west, 3.75f);
  EXPECT_EQ(h.east, 190.5f);
  EXPECT_EQ(h.rows, 1234);
  EXPECT_EQ(h.columns, -2);
  EXPECT_EQ(h.latitudeStep, 2.5f);
  EXPECT_EQ(h.longitudeStep, 7.5f);
  EXPECT_EQ(h.placement, "MIDL");
  EXPECT_EQ(h.scale, 0.125f);
  EXPECT_EQ(h.noDataLimit, 777.0f);
  EXPECT_EQ(h.extra, -3.5f);
  EXPECT_EQ(h.valueSize, 2);
  EXPECT_EQ(h.ellipsoid, std::string("GRS80\0\0", 7));
  EXPECT_EQ(h.extraName, "ABCDEFG");
}

TEST(GridEllipsoidOf, NamesAndTheKrassovskyFallback) {
  struct Case {
    std::string field;
    double aKm, inverseFlattening;
  };
  const Case cases[] = {
      {std::string("CK42\0\0\0", 7), 6378.245, 298.3},
      {std::string("WGS84\0\0", 7), 6378.137, 298.257223563},
      {std::string("EGM96\0\0", 7), 6378.1363, 298.256415099},
      {std::string("PZ90\0\0\0", 7), 6378.136, 298.25784},
      {std::string("GRS80\0\0", 7), 6378.137, 298.257222101},
      {"WGS84  ", 6378.245, 298.3},  // trailing blanks match no name
      {std::string("WGS84\0x", 7), 6378.245, 298.3},
      {"PZ90", 6378.136, 298.25784},
      {"", 6378.245, 298.3},
  };
  for (const Case& c : cases) {
    const GridEllipsoid e = GridEllipsoidOf(c.field);
    EXPECT_EQ(e.aKm, c.aKm) << c.field;
    EXPECT_EQ(e.inverseFlattening, c.inverseFlattening) << c.field;
  }
}

struct DamageCase {
  const char* name;
  std::function<void(TestGrid&)> damage;
  ResultCode code;
};

TEST(GridFile, DamagedHeadersAreRefusedCleanly) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const DamageCase cases[] = {
      {"other signature", [](TestGrid& g) { g.signature = "GEOIX"; }, kGridBadHeader},
      {"text layout", [](TestGrid& g) { g.layout = 'T'; }, kGridBadFormat},
      {"unknown layout", [](TestGrid& g) { g.layout = 'X'; }, kGridBadFormat},
      {"unknown placement", [](TestGrid& g) { g.placement = "MIDX"; }, kGridBadFormat},
      {"value size 3", [](TestGrid& g) { g.valueSize = 3; }, kGridBadFormat},
      {"value size 0", [](TestGrid& g) { g.valueSize = 0; }, kGridBadFormat},
      {"value size 8", [](TestGrid& g) { g.valueSize = 8; }, kGridBadFormat},
      {"nan north",
       [=](TestGrid& g) {
         g.north = nan;
         g.rows = 41;
       },
       kGridBadFormat},
      {"nan west",
       [=](TestGrid& g) {
         g.west = nan;
         g.columns = 41;
       },
       kGridBadFormat},
      {"infinite east",
       [=](TestGrid& g) {
         g.east = inf;
         g.columns = 41;
       },
       kGridBadFormat},
      {"nan step",
       [=](TestGrid& g) {
         g.latitudeStep = nan;
         g.rows = 41;
       },
       kGridBadFormat},
      {"nan scale", [=](TestGrid& g) { g.scale = nan; }, kGridBadFormat},
      {"nan no-data limit", [=](TestGrid& g) { g.noDataLimit = nan; }, kGridBadFormat},
      {"zero scale", [](TestGrid& g) { g.scale = 0; }, kGridBadFormat},
      {"zero latitude step",
       [](TestGrid& g) {
         g.latitudeStep = 0;
         g.rows = 41;
       },
       kGridBadFormat},
      {"negative longitude step",
       [](TestGrid& g) {
         g.longitudeStep = -15;
         g.columns = 41;
       },
       kGridBadFormat},
      {"tiny step",
       [](TestGrid& g) {
         g.latitudeStep = 1e-30f;
         g.rows = 41;
       },
       kGridBadFormat},
      {"step wider than 30°", [](TestGrid& g) { g.latitudeStep = 1860; }, kGridBadFormat},
      {"south above north",
       [](TestGrid& g) {
         std::swap(g.north, g.south);
         g.rows = 41;
       },
       kGridBadFormat},
      {"north beyond the pole", [](TestGrid& g) { g.north = 95; }, kGridBadFormat},
      {"west above east",
       [](TestGrid& g) {
         std::swap(g.west, g.east);
         g.columns = 41;
       },
       kGridBadFormat},
      {"wider than the circle",
       [](TestGrid& g) {
         g.west = -10;
         g.east = 355;
       },
       kGridBadFormat},
      {"rows disagree", [](TestGrid& g) { g.rows = 40; }, kGridBadFormat},
      {"columns disagree", [](TestGrid& g) { g.columns = 42; }, kGridBadFormat},
      {"negative rows", [](TestGrid& g) { g.rows = -41; }, kGridBadFormat},
      {"circle not closing",
       [](TestGrid& g) {
         g.west = 0;
         g.east = 360;
         g.longitudeStep = 35;
       },
       kGridBadFormat},
  };
  TempFolder folder;
  for (const DamageCase& c : cases) {
    TestGrid g;
    c.damage(g);
    const std::string path = folder.Write("damaged.mat", GridBytes(g, Tagged));
    GridFile file;
    EXPECT_EQ(file.Open(path, "GEOID"), c.code) << c.name;
  }
}

TEST(GridFile, ShortFilesAreRefusedCleanly) {
  TempFolder folder;
  const std::vector<unsigned char> whole = GridBytes(TestGrid{}, Tagged);
  struct Cut {
    std::size_t bytes;
    ResultCode code;
  };
  const Cut cuts[] = {{0, kGridBadHeader},   {10, kGridBadHeader},
                      {65, kGridBadHeader},  {66, kGridBadFormat},
                      {100, kGridBadFormat}, {whole.size() - 1, kGridBadFormat},
                      {whole.size(), kOk}};
  for (const Cut& cut : cuts) {
    const std::string path = folder.Write(
        "short.mat",
        std::vector<unsigned char>(whole.begin(), whole.begin() + static_cast<long>(cut.bytes)));
    GridFile file;
    EXPECT_EQ(file.Open(path, "GEOID"), cut.code) << cut.bytes;
  }
  GridFile missing;
  EXPECT_EQ(missing.Open(folder.PathOf("none.mat"), "GEOID"), kGridFileNotOpened);
}

// Stored values are signed, of 16 or 32 bits: heights below the ellipsoid
// (the quasi-geoid dips to about -106 m) must come back negative.
TEST(ReadGridWindow, ValuesComeFromTheirRowsAndColumns) {
  TempFolder folder;
  for (const std::int16_t size : {std::int16_t{2}, std::int16_t{4}}) {
    for (const double sign : {1.0, -1.0}) {
      TestGrid g;  // 50..60 N, 30..40 E, 15′: 41 × 41 nodes
      g.valueSize = size;
      g.scale = size == 2 ? 0.25f : 0.001f;
      const auto height = [sign](double b, double l) { return sign * Tagged(b, l); };
      const std::string path = folder.Write("g.mat", GridBytes(g, height));
      GridWindow w;
      GridHeader h;
      ASSERT_EQ(ReadGridWindow(path, "GEOID", {31.0, 32.5, 55.0, 56.0}, w, h), kOk);
      EXPECT_EQ(h.rows, 41);
      ASSERT_EQ(w.rows, 5);
      ASSERT_EQ(w.columns, 7);
      EXPECT_EQ(w.firstRow, 17);    // 56°
      EXPECT_EQ(w.firstColumn, 5);  // 31°
      for (int r = 0; r < w.rows; ++r)
        for (int c = 0; c < w.columns; ++c)
          EXPECT_EQ(w.heights[static_cast<std::size_t>(r * w.columns + c)],
                    StoredHeight(g, height(56.0 - 0.25 * r, 31.0 + 0.25 * c)))
              << size << " " << sign << " " << r << " " << c;
    }
  }
}

TEST(ReadGridWindow, CellCentreGridsCountCells) {
  TempFolder folder;
  TestGrid g;
  g.placement = "MIDL";
  const std::string path = folder.Write("g.mat", GridBytes(g, Tagged));
  GridWindow w;
  GridHeader h;
  ASSERT_EQ(ReadGridWindow(path, "GEOID", {31.0, 32.0, 55.0, 56.0}, w, h), kOk);
  EXPECT_EQ(w.rows, 4);
  EXPECT_EQ(w.columns, 4);
  EXPECT_EQ(w.heights[0], StoredHeight(g, Tagged(55.875, 31.125)));
}

TEST(ReadGridWindow, ColumnsWrapRoundAWholeCircle) {
  TempFolder folder;
  TestGrid g;
  g.west = 0;
  g.east = 360;
  g.north = 10;
  g.south = -10;
  g.latitudeStep = g.longitudeStep = 60;  // 1°: 21 × 360 nodes
  const std::string path = folder.Write("g.mat", GridBytes(g, Tagged));
  GridWindow w;
  GridHeader h;
  ASSERT_EQ(ReadGridWindow(path, "GEOID", {357.0, 362.0, 0.0, 1.0}, w, h), kOk);
  ASSERT_EQ(w.columns, 6);
  const double expected[] = {357, 358, 359, 0, 1, 2};
  for (int c = 0; c < 6; ++c)
    EXPECT_EQ(w.heights[static_cast<std::size_t>(c)], StoredHeight(g, Tagged(1.0, expected[c])));
  // The whole circle and the seam column once more.
  ASSERT_EQ(ReadGridWindow(path, "GEOID", {0.0, 360.0, 0.0, 0.0}, w, h), kOk);
  ASSERT_EQ(w.columns, 361);
  EXPECT_EQ(w.heights.back(), w.heights.front());
}

TEST(ReadGridWindow, WindowsOutsideTheGridAreRefused) {
  TempFolder folder;
  const std::string path = folder.Write("g.mat", GridBytes(TestGrid{}, Tagged));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const GridWindowBounds outside[] = {
      {31, 32, 55, 60.002}, {31, 32, 49.998, 51}, {29.99, 32, 55, 56}, {31, 40.01, 55, 56},
      {32, 31, 55, 56},     {31, 32, 56, 55},     {nan, 32, 55, 56},   {31, 32, 55, 1e300},
  };
  for (const GridWindowBounds& b : outside) {
    GridWindow w;
    w.rows = -1;
    GridHeader h;
    EXPECT_EQ(ReadGridWindow(path, "GEOID", b, w, h), kGridPointOutside)
        << b.west << " " << b.east << " " << b.south << " " << b.north;
    EXPECT_EQ(w.rows, -1);  // untouched
  }
  GridWindow w;
  GridHeader h;
  EXPECT_EQ(ReadGridWindow(path, "GEOID", {30, 40, 50, 60.0009}, w, h), kOk);
  EXPECT_EQ(w.rows, 41);
}

TEST(ReadGridWindow, HeightsAboveTheNoDataLimitBecomeTheMark) {
  TempFolder folder;
  TestGrid g;
  g.noDataLimit = 5600;
  const std::string path = folder.Write("g.mat", GridBytes(g, Tagged));
  GridWindow w;
  GridHeader h;
  ASSERT_EQ(ReadGridWindow(path, "GEOID", {31, 31, 55, 56}, w, h), kOk);
  ASSERT_EQ(w.heights.size(), 5u);
  // 5631 m and 5606 m lie above the limit less one metre, 5581 m below it.
  EXPECT_EQ(w.heights[4], StoredHeight(g, Tagged(55, 31)));
  EXPECT_EQ(w.heights[0], kGridNoDataHeight);
  EXPECT_EQ(w.heights[1], kGridNoDataHeight);
  EXPECT_EQ(w.heights[2], StoredHeight(g, Tagged(55.5, 31)));
}

}  // namespace
}  // namespace vexilor
