#include "quasigeoid/grid_window_nodes.h"

#include <algorithm>
#include <cmath>

#include "text/numeric.h"
#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

constexpr double kPoleTolerance = 1e-6;

GridNode NodeAt(const StereographicPosition& p, double height) { return {p.x, p.y, height}; }

int SpansOfRow(double b, double step) {
  if (std::fabs(b) > 90.0 - kPoleTolerance) return 1;
  const double spans = Int(kDegreesPerCircle / (step / std::cos(b * kRadiansPerDegree)) + 0.5);
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

}  // namespace

const std::vector<GridNode>& WindowNodes::Place(const GridWindow& window,
                                                const GridGeometry& grid, bool polar,
                                                const GridStereographic& plane) {
  nodes_.clear();
  if (!polar) {
    PlaceRows(window, grid, plane);
    return nodes_;
  }
  for (int r = 0; r < window.rows; ++r) PlacePolarRow(window, grid, r, plane);
  return nodes_;
}

// The trigonometry of a node is that of its row and of its column: each is
// worked out once.
void WindowNodes::PlaceRows(const GridWindow& window, const GridGeometry& grid,
                            const GridStereographic& plane) {
  columns_.resize(static_cast<std::size_t>(window.columns));
  for (int j = 0; j < window.columns; ++j)
    columns_[static_cast<std::size_t>(j)] =
        plane.Column(grid.ColumnLongitude(window.firstColumn + j));
  const float* height = window.heights.data();
  for (int r = 0; r < window.rows; ++r) {
    const StereographicRow row = plane.Row(grid.RowLatitude(window.firstRow + r));
    for (const StereographicColumn& column : columns_)
      nodes_.push_back(NodeAt(plane.Place(row, column), *height++));
  }
}

void WindowNodes::PlacePolarRow(const GridWindow& window, const GridGeometry& grid, int r,
                                const GridStereographic& plane) {
  const double b = grid.RowLatitude(window.firstRow + r);
  const StereographicRow row = plane.Row(b);
  const float* heights = &window.heights[static_cast<std::size_t>(r) * window.columns];
  const double step = grid.longitudeStep;
  const int spans = SpansOfRow(b, step);
  for (int k = 0; k < spans; ++k) {
    const double start = kDegreesPerCircle * k / spans;
    const double end = kDegreesPerCircle * (k + 1) / spans;
    const int first = static_cast<int>(Int(start / step + 0.5)) + 1;
    const int last = std::min(static_cast<int>(Int(end / step + 0.5)), window.columns);
    if (first > last) continue;
    const double l = (grid.ColumnLongitude(window.firstColumn + first - 1) +
                      grid.ColumnLongitude(window.firstColumn + last - 1)) /
                     2.0;
    nodes_.push_back(NodeAt(plane.Place(row, plane.Column(l)), MeanHeight(heights, first, last)));
  }
}

}  // namespace vexilor
