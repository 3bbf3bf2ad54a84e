#pragma once
// Thin-plate spline through scattered nodes, evaluated at the origin of
// their plane: the interpolation of the quasi-geoid between the nodes of a
// grid window (grid_interpolation.h chooses the nodes).
//
// The spline (J. Duchon 1976; F. L. Bookstein 1989) is the surface of least
// bending energy through the nodes:
//   h(x, y) = Σ wᵢ ½ rᵢ² ln rᵢ² + c₀ + c₁ x + c₂ y,
// with the weights and the affine part from
//   [K P; Pᵀ 0] (w, c) = (h, 0),  K_ij = ½ r_ij² ln r_ij²,  P_i = (1, x_i, y_i),
// solved by Gauss-Jordan elimination with complete pivoting (gauss_jordan.h).
//
// Units: node positions in any one unit of length (the grid's plane gives
// kilometres), heights in metres; the height at the origin in metres.
//
// Exactness (tests/quasigeoid/grid_interpolation_test.cpp, ThinPlateSpline*):
// heights that are an affine function of x and y come back to 1e-9 m, a
// node's own height at the node, also among crowded neighbours. Accuracy
// against a real surface is that of the whole lookup (quasi_geoid.h): on
// EGM96 between the nodes of a 30′ grid, 18 mm at the median and 0.25 m at
// the 99th percentile.

#include <optional>
#include <vector>

#include "quasigeoid/gauss_jordan.h"
#include "quasigeoid/grid_node.h"

namespace vexilor {

// The spline's height at (0, 0), one set of nodes after another; its
// buffers serve the next.
class ThinPlateSpline {
 public:
  // The nodes are first moved and scaled into the unit square (x' = (x -
  // x_min) / S, the same S for both axes) so that the kernel ½ r² ln r² is
  // evaluated on numbers of order one; the kernel is taken as 0 for r² up to
  // 1e-6 there, alike in the matrix and at the point. Empty when the nodes
  // coincide, the system is singular or the height is not finite.
  std::optional<double> AtOrigin(const std::vector<GridNode>& nodes);

 private:
  std::vector<double> x_, y_;  // the nodes in the unit square
  std::vector<double> rhs_;
  std::vector<double> atPoint_;  // the kernel from the point to each node
  const ColumnKernels& passes_ = KernelsOfThisProcessor();
  GaussJordan solver_{passes_};
};

}  // namespace vexilor
