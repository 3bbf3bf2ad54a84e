#pragma once
// Thin-plate spline through scattered nodes, evaluated at the origin of
// their plane, and the linear solve it rests on.
//
// The spline (J. Duchon 1976; F. L. Bookstein 1989) is the surface of least
// bending energy through the nodes:
//   h(x, y) = Σ wᵢ ½ rᵢ² ln rᵢ² + c₀ + c₁ x + c₂ y,
// with the weights and the affine part from
//   [K P; Pᵀ 0] (w, c) = (h, 0),  K_ij = ½ r_ij² ln r_ij²,  P_i = (1, x_i, y_i).

#include <optional>
#include <vector>

#include "engine/grid_node.h"

namespace vexilor {

// Solves a·x = rhs for a square matrix a (row by row, rhs.size() rows) by
// Gauss-Jordan elimination with complete pivoting; rhs receives x. False,
// with a and rhs spoilt, when the largest remaining element is not above
// 1e-15 times the largest element of a as given (or is not a number).
bool SolveByGaussJordan(std::vector<double>& a, std::vector<double>& rhs);

// The spline's height at (0, 0). The nodes are first moved and scaled into
// the unit square (x' = (x - x_min) / S, the same S for both axes) so that
// the kernel ½ r² ln r² is evaluated on numbers of order one; the kernel is
// taken as 0 for r² up to 1e-6 there, alike in the matrix and at the point.
// Empty when the nodes coincide, the system is singular or the height is not
// finite.
std::optional<double> ThinPlateSplineAtOrigin(const std::vector<GridNode>& nodes);

}  // namespace vexilor
