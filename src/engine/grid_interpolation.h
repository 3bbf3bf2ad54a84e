#pragma once
// Interpolation at the centre (0, 0) of the stereographic plane from the
// nodes of a grid window: the nearest nodes in six sectors around the point,
// a thin-plate spline through them (thin_plate_spline.h), or inverse-
// distance weighting of power 2 (D. Shepard 1968) when they surround the
// point too poorly: two neighbouring sectors empty, or fewer than two nodes
// per filled sector, with 29 nodes or fewer kept.
//
// Units: node positions in kilometres on the plane, heights in metres.

#include <vector>

#include "engine/grid_node.h"
#include "engine/result_codes.h"

namespace vexilor {

// Nodes whose |x| and |y| are at most k·unit are the candidates, k starting
// at 7; k is lowered while there are more than 500 candidates and raised
// while there are fewer than min(nodes, 30), and once lowered it may not be
// raised again. The nodes' coordinates must be finite. Returns the
// candidates in their original order, or nothing when no k gives an
// acceptable number.
std::vector<GridNode> SelectCandidates(const std::vector<GridNode>& nodes, double unitKm);

// The candidates of each 60° sector (the first from north, x, turning
// towards east, y), nearest first, at most six per sector.
using Sectors = std::vector<std::vector<GridNode>>;
Sectors NearestBySector(const std::vector<GridNode>& candidates);

// Codes: kGridInterpolationFailed (fewer than three nodes, a node off the
// finite plane, no acceptable candidates, a singular spline, a non-finite
// result); kGridPointOutside when a node holding no height would enter the
// result. `height` (metres) is untouched on failure.
ResultCode InterpolateAtOrigin(const std::vector<GridNode>& nodes, double unitKm, double& height);

}  // namespace vexilor
