#pragma once
// A grid value placed on the stereographic plane around the point sought.

namespace vexilor {

// Height given to a node where the grid holds no height.
inline constexpr float kGridNoDataHeight = 9999.9f;

struct GridNode {
  double x = 0;       // towards north, kilometres
  double y = 0;       // towards east, kilometres
  double height = 0;  // metres
};

inline bool HoldsNoData(const GridNode& node) { return node.height == double{kGridNoDataHeight}; }

}  // namespace vexilor
