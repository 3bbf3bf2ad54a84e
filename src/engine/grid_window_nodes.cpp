#include "engine/grid_window_nodes.h"

#include <algorithm>
#include <cmath>

#include "text/numeric.h"
#include "engine/angle_constants.h"

namespace vexilor {
namespace {

constexpr double kCircleDegrees = 360.0;
constexpr double kPoleTolerance = 1e-6;

GridNode NodeAt(const GridStereographic& plane, double b, double l, double height) {
  const StereographicPosition p = plane.Place(b, l);
  return {p.x, p.y, height};
}

int SpansOfRow(double b, double step) {
  if (std::fabs(b) > 90.0 - kPoleTolerance) return 1;
  const double spans = Int(kCircleDegrees / (step / std::cos(b * kRadiansPerDegree)) + 0.5);
  return std::max(1, static_cast<int>(spans));
}

// Mean height of window columns first..last (from 1) of one row.
double MeanHeight(const float* row, int first, int last) {
  double sum = 0.0;
  for (int j = first; j <= last; ++j) {
    if (row[j - 1] == kGridNoDataHeight) return kGridNoDataHeight;
    sum += row[j - 1];
  }
  return sum / (last - first + 1);
}

void AppendPolarRow(const GridWindow& window, const GridGeometry& grid, int r,
                    const GridStereographic& plane, std::vector<GridNode>& nodes) {
  const double b = grid.RowLatitude(window.firstRow + r);
  const float* row = &window.heights[static_cast<std::size_t>(r) * window.columns];
  const double step = grid.longitudeStep;
  const int spans = SpansOfRow(b, step);
  for (int k = 0; k < spans; ++k) {
    const double start = kCircleDegrees * k / spans;
    const double end = kCircleDegrees * (k + 1) / spans;
    const int first = static_cast<int>(Int(start / step + 0.5)) + 1;
    const int last = std::min(static_cast<int>(Int(end / step + 0.5)), window.columns);
    if (first > last) continue;
    const double l = (grid.ColumnLongitude(window.firstColumn + first - 1) +
                      grid.ColumnLongitude(window.firstColumn + last - 1)) /
                     2.0;
    nodes.push_back(NodeAt(plane, b, l, MeanHeight(row, first, last)));
  }
}

}  // namespace

std::vector<GridNode> PlaceWindowNodes(const GridWindow& window, const GridGeometry& grid,
                                       bool polar, const GridStereographic& plane) {
  std::vector<GridNode> nodes;
  for (int r = 0; r < window.rows; ++r) {
    if (polar) {
      AppendPolarRow(window, grid, r, plane, nodes);
      continue;
    }
    const double b = grid.RowLatitude(window.firstRow + r);
    for (int j = 0; j < window.columns; ++j) {
      const double l = grid.ColumnLongitude(window.firstColumn + j);
      const float h = window.heights[static_cast<std::size_t>(r) * window.columns + j];
      nodes.push_back(NodeAt(plane, b, l, h));
    }
  }
  return nodes;
}

}  // namespace vexilor
