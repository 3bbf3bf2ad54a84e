#pragma once
// The values of a grid window as nodes on the stereographic plane around
// the point sought.

#include <vector>

#include "quasigeoid/grid_file.h"
#include "quasigeoid/grid_header.h"
#include "quasigeoid/grid_node.h"
#include "quasigeoid/grid_stereographic.h"

namespace vexilor {

// Places the nodes of one window after another; its buffers serve the next.
class WindowNodes {
 public:
  // Every value of the window is a node at its row's latitude and its
  // column's longitude (cell centres for "MIDL"), row by row from the north,
  // each row from the west.
  //
  // In polar mode the window holds whole rows, and each row is first
  // resampled to nodes roughly one longitude step apart on the ground: a row
  // at latitude B is cut into n = Int(360 / (step / cos B) + 0.5) equal spans
  // (one span for a row at either pole, or where n would be 0), and each span
  // becomes one node with the mean of the columns from Int(start / step +
  // 0.5) + 1 to Int(end / step + 0.5), placed at the mean longitude of those
  // columns. A span taking in a value without a height gives a node without
  // one.
  //
  // The nodes serve until the next call.
  const std::vector<GridNode>& Place(const GridWindow& window, const GridGeometry& grid,
                                     bool polar, const GridStereographic& plane);

 private:
  void PlaceRows(const GridWindow& window, const GridGeometry& grid,
                 const GridStereographic& plane);
  void PlacePolarRow(const GridWindow& window, const GridGeometry& grid, int r,
                     const GridStereographic& plane);

  std::vector<GridNode> nodes_;
  std::vector<StereographicColumn> columns_;
};

}  // namespace vexilor
