#pragma once
// Interpolation at the centre (0, 0) of the stereographic plane from the
// nodes of a grid window: the nearest nodes in six sectors around the point,
// a thin-plate spline through them (thin_plate_spline.h), or inverse-
// distance weighting of power 2 (D. Shepard 1968) when they surround the
// point too poorly.
//
// Units: node positions in kilometres on the plane, heights in metres; the
// distance unit d of the candidate box is 0.7 of the grid's meridian step
// (quasi_geoid.cpp).
//
// The thresholds, and what each does:
// - k = 7: the candidates are the nodes within k·d of the point along x and
//   y. The window reaches at most four steps from the point (3.5 steps
//   rounded out to whole nodes), 5.7 units along the meridian and fewer
//   along the parallel: outside polar mode every node of the window is a
//   candidate.
// - 500 candidates: in polar mode the window takes whole rows of resampled
//   nodes around the circle, several hundred of them; k is lowered until at
//   most 500 remain, which bounds the sorting into sectors. A box that
//   still needs more is refused.
// - min(nodes, 30): a box with fewer candidates is widened (k raised) so
//   that the six sectors can fill, up to six nodes each (at most 36 nodes,
//   a 39 × 39 system for the spline); once lowered, k is never raised, so
//   the search ends.
// - 29 kept nodes or fewer: the spline is trusted only where the nodes
//   surround the point. With 29 or fewer, two neighbouring empty sectors (a
//   side with no nodes: the point near a grid's edge) or fewer than two
//   nodes per filled sector make the weighting take over, which cannot
//   overshoot into the empty side as a spline extrapolating there can. From
//   30 kept nodes on, five or more in every filled sector, the spline is used
//   whatever the gaps.
// These are the rules of the program's original interpolation, kept so that
// a height is the same whichever version computes it; the measured accuracy
// of the whole lookup is in quasi_geoid.h.

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
