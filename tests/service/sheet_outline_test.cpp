#include "service/sheet_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "support/standard_sides.h"

namespace vexilor {
namespace {

// СК-42 to WGS-84 through ПЗ-90 with the links of the shipped catalogue.
PointRoute Sk42ToWgs84() {
  PointRoute route;
  route.source = testing::Ck42Side(CoordType::BLH);
  route.target = testing::Wgs84Side(CoordType::BLH);
  route.global = testing::Pz90Side(CoordType::BLH).vector.Link();
  route.heights = HeightType::Geodetic;
  return route;
}

SheetFrame FrameOf(std::int32_t scale, const char* name) {
  const SheetFrameResult r = ComputeSheetFrame(scale, name);
  EXPECT_EQ(r.code, FrameCode::kSuccess) << name;
  return r.frame;
}

// Twice the area the ring encloses, degrees²: positive counter-clockwise.
double TwiceArea(const std::vector<LatLonDegrees>& ring) {
  double area = 0;
  for (std::size_t k = 0; k + 1 < ring.size(); ++k) area += ring[k].l * ring[k + 1].b - ring[k + 1].l * ring[k].b;
  return area;
}

struct OutlineCase {
  std::int32_t scale;
  const char* name;
  std::size_t points;   // the corners closed, each edge in parts of 1' at most
  double westLongitude;  // of the south-west corner, roughly
};

TEST(SheetOutline, EdgesInMinutesAroundTheSheetCounterClockwise) {
  const OutlineCase cases[] = {
      {100000, "(N) N-37-4", 2 * (20 + 30) + 1, 37.5},
      {10000, "(N) N-37-144-Г-г-4", 2 * (3 + 4) + 1, 41.9375},
      {1000000, "(N) N-1", 2 * (240 + 360) + 1, -180},  // 180° to 174° west
      {1000000, "(N) N-60", 2 * (240 + 360) + 1, 174},  // its east edge on 180°
  };
  for (const OutlineCase& c : cases) {
    const SheetFrame frame = FrameOf(c.scale, c.name);
    std::vector<LatLonDegrees> ring;
    ASSERT_EQ(SheetOutline(frame, Sk42ToWgs84(), ring), kOk) << c.name;
    ASSERT_EQ(ring.size(), c.points) << c.name;
    EXPECT_EQ(ring.front().b, ring.back().b) << c.name;
    EXPECT_EQ(ring.front().l, ring.back().l) << c.name;
    EXPECT_GT(TwiceArea(ring), 0) << c.name;
    EXPECT_NEAR(ring.front().l, c.westLongitude, 0.01) << c.name;
    EXPECT_NEAR(ring.front().b, frame.south, 0.01) << c.name;
    // one piece of the sheet: no jump across 180°, none longer than 1' and its shift
    for (std::size_t k = 0; k + 1 < ring.size(); ++k)
      EXPECT_LT(std::hypot(ring[k + 1].b - ring[k].b, ring[k + 1].l - ring[k].l), 1.0 / 60 + 1e-4) << c.name << " " << k;
  }
}

// Near Moscow WGS-84 lies 4 m north and 117 m west of СК-42 (the README's
// example, checked against PROJ): the outline is the frame moved so.
TEST(SheetOutline, TheFrameMovesAsTheDatumShiftsIt) {
  const SheetFrame frame = FrameOf(100000, "(N) N-37-4");
  std::vector<LatLonDegrees> ring;
  ASSERT_EQ(SheetOutline(frame, Sk42ToWgs84(), ring), kOk);
  const double north = 4.0 / 111300, west = 117.0 / (111300 * std::cos(55.8 * kRadiansPerDegree));
  EXPECT_NEAR(ring.front().b - frame.south, north, 0.3 * north);
  EXPECT_NEAR(frame.west - ring.front().l, west, 0.1 * west);
}

TEST(SheetOutline, GeoJsonPolygonWithTheSheetsNameAndScale) {
  const std::vector<LatLonDegrees> ring{{55.5, 37.5}, {55.5, 38}, {56, 38}, {55.5, 37.5}};
  EXPECT_EQ(SheetOutlineGeoJson("(N) N-37-4-А", 50000, ring),
            "{\"type\":\"FeatureCollection\",\"features\":[\n"
            "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Polygon\",\"coordinates\":[[[37.500000000,55.500000000],"
            "[38.000000000,55.500000000],[38.000000000,56.000000000],[37.500000000,55.500000000]]]},"
            "\"properties\":{\"name\":\"(N) N-37-4-А\",\"scale\":50000}}\n]}\n");
}

}  // namespace
}  // namespace vexilor
