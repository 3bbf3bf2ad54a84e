#include "quasigeoid/grid_window_nodes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

const GridEllipsoid kPz90{6378.136, 298.25784};

GridGeometry GlobalDegreeGrid() {
  GridGeometry g;
  g.north = 90;
  g.south = -90;
  g.west = 0;
  g.east = 360;
  g.latitudeStep = g.longitudeStep = 1;
  g.totalRows = 181;
  g.totalColumns = 360;
  g.wholeCircle = true;
  return g;
}

// A window of whole rows from `firstRow`, each value its column number.
GridWindow WholeRows(int firstRow, int rows) {
  GridWindow w;
  w.rows = rows;
  w.columns = 361;
  w.firstRow = firstRow;
  w.firstColumn = 1;
  for (int r = 0; r < rows; ++r)
    for (int j = 1; j <= w.columns; ++j) w.heights.push_back(static_cast<float>(j));
  return w;
}

std::vector<GridNode> PlaceWindowNodes(const GridWindow& window, const GridGeometry& grid,
                                       bool polar, const GridStereographic& plane) {
  return WindowNodes().Place(window, grid, polar, plane);
}

void ExpectNodeAt(const GridNode& n, const GridStereographic& plane, double b, double l, double h) {
  const StereographicPosition p = plane.Place(b, l);
  EXPECT_NEAR(n.x, p.x, 1e-9) << b << " " << l;
  EXPECT_NEAR(n.y, p.y, 1e-9) << b << " " << l;
  EXPECT_NEAR(n.height, h, 1e-9) << b << " " << l;
}

TEST(PlaceWindowNodes, EveryValueIsANodeOutsidePolarMode) {
  GridGeometry g = GlobalDegreeGrid();
  GridWindow w;
  w.rows = 2;
  w.columns = 3;
  w.firstRow = 31;      // 60°
  w.firstColumn = 359;  // 358°, then across the seam
  w.heights = {1, 2, 3, 4, 5, 6};
  const GridStereographic plane(kPz90, 59.5, 359.2);
  const auto nodes = PlaceWindowNodes(w, g, false, plane);
  ASSERT_EQ(nodes.size(), 6u);
  ExpectNodeAt(nodes[0], plane, 60, 358, 1);
  ExpectNodeAt(nodes[2], plane, 60, 360, 3);
  ExpectNodeAt(nodes[4], plane, 59, 359, 5);
  // Cell centres half a step in.
  g.valuesAtCentres = true;
  const auto centres = PlaceWindowNodes(w, g, false, plane);
  ExpectNodeAt(centres[0], plane, 59.5, 358.5, 1);
}

TEST(PlaceWindowNodes, PolarRowsAreResampledToEvenSpans) {
  const GridGeometry g = GlobalDegreeGrid();
  const GridStereographic plane(kPz90, 89.4, 100);
  const auto nodes = PlaceWindowNodes(WholeRows(1, 3), g, true, plane);
  // 90°: one node; 89°: Int(360 cos 1° ... ) = 6 spans; 88°: 13 spans.
  ASSERT_EQ(nodes.size(), 1u + 6u + 13u);
  ExpectNodeAt(nodes[0], plane, 90, 179.5, 180.5);  // columns 1..360
  for (int k = 0; k < 6; ++k) {
    // Span k takes columns 60k+1 .. 60k+60, at longitudes 60k .. 60k+59.
    ExpectNodeAt(nodes[static_cast<std::size_t>(1 + k)], plane, 89, 60 * k + 29.5, 60 * k + 30.5);
  }
  // 88°: spans of 360/13°; the first takes columns 1 .. Int(27.69 + 0.5) = 28.
  ExpectNodeAt(nodes[7], plane, 88, 13.5, 14.5);
}

TEST(PlaceWindowNodes, SouthPoleRowBecomesOneNode) {
  const GridGeometry g = GlobalDegreeGrid();
  const GridStereographic plane(kPz90, -89.6, 10);
  const auto nodes = PlaceWindowNodes(WholeRows(179, 3), g, true, plane);
  ASSERT_EQ(nodes.size(), 13u + 6u + 1u);
  EXPECT_NEAR(nodes.back().height, 180.5, 1e-9);
  for (const GridNode& n : nodes) EXPECT_TRUE(std::isfinite(n.x) && std::isfinite(n.y));
}

TEST(PlaceWindowNodes, ASpanWithoutAHeightGivesANodeWithoutOne) {
  const GridGeometry g = GlobalDegreeGrid();
  GridWindow w = WholeRows(2, 1);     // 89°
  w.heights[75] = kGridNoDataHeight;  // column 76: second span
  const auto nodes = PlaceWindowNodes(w, g, true, GridStereographic(kPz90, 89.5, 0));
  ASSERT_EQ(nodes.size(), 6u);
  for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(HoldsNoData(nodes[k]), k == 1) << k;
}

TEST(GridStereographic, CentreAndAxes) {
  const GridStereographic plane(kPz90, 55, 37);
  const StereographicPosition centre = plane.Place(55, 37);
  EXPECT_NEAR(centre.x, 0, 1e-9);
  EXPECT_NEAR(centre.y, 0, 1e-9);
  const StereographicPosition north = plane.Place(56, 37);
  EXPECT_NEAR(north.y, 0, 1e-9);
  // One degree of latitude is about 111.4 km at 55°.
  EXPECT_NEAR(north.x, 111.4, 0.3);
  const StereographicPosition east = plane.Place(55, 38);
  EXPECT_GT(east.y, 0);
  EXPECT_NEAR(std::hypot(east.x, east.y), 111.3 * std::cos(55 * kRadiansPerDegree), 0.3);
}

}  // namespace
}  // namespace vexilor
