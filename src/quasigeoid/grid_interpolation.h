#pragma once
// Interpolation at the centre (0, 0) of the stereographic plane from the
// nodes of a grid window: the nearest nodes in six sectors around the point,
// a thin-plate spline through them (thin_plate_spline.h), or inverse-
// distance weighting of power 2 (D. Shepard 1968) when they surround the
// point too poorly: two neighbouring sectors empty, or fewer than two nodes
// per filled sector, with 29 nodes or fewer kept.
//
// Units: node positions in kilometres on the plane, heights in metres.

#include <array>
#include <vector>

#include "quasigeoid/grid_node.h"
#include "geodesy/result_codes.h"
#include "quasigeoid/thin_plate_spline.h"

namespace vexilor {

// The candidates of each 60° sector (the first from north, x, turning
// towards east, y), nearest first, at most six per sector.
using Sectors = std::array<std::vector<GridNode>, 6>;

// Nodes whose |x| and |y| are at most k·unit are the candidates, k starting
// at 7; k is lowered while there are more than 500 candidates and raised
// while there are fewer than min(nodes, 30), and once lowered it may not be
// raised again. The nodes' coordinates must be finite. `candidates` gets
// them in their original order, or nothing when no k gives an acceptable
// number; `reach` is a work buffer.
void SelectCandidates(const std::vector<GridNode>& nodes, double unitKm,
                      std::vector<double>& reach, std::vector<GridNode>& candidates);

// Sorts the candidates into their sectors.
void NearestBySector(const std::vector<GridNode>& candidates, Sectors& sectors);

// Interpolates one point after another; its buffers serve the next.
class GridInterpolation {
 public:
  // Codes: kGridInterpolationFailed (fewer than three nodes, a node off the
  // finite plane, no acceptable candidates, a singular spline, a non-finite
  // result); kGridPointOutside when a node holding no height would enter the
  // result. `height` (metres) is untouched on failure.
  ResultCode AtOrigin(const std::vector<GridNode>& nodes, double unitKm, double& height);

 private:
  ResultCode Spline(double& height);

  std::vector<double> reach_;
  std::vector<GridNode> candidates_;
  Sectors sectors_;
  std::vector<GridNode> kept_;
  ThinPlateSpline spline_;
};

}  // namespace vexilor
