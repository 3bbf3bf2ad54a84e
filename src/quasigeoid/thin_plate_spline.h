#pragma once
// Thin-plate spline through scattered nodes, evaluated at the origin of
// their plane, and the linear solve it rests on.
//
// The spline (J. Duchon 1976; F. L. Bookstein 1989) is the surface of least
// bending energy through the nodes:
//   h(x, y) = Σ wᵢ ½ rᵢ² ln rᵢ² + c₀ + c₁ x + c₂ y,
// with the weights and the affine part from
//   [K P; Pᵀ 0] (w, c) = (h, 0),  K_ij = ½ r_ij² ln r_ij²,  P_i = (1, x_i, y_i).

#include <cstddef>
#include <optional>
#include <vector>

#include "quasigeoid/grid_node.h"

namespace vexilor {

// Solves a·x = rhs for a square matrix a (row by row, rhs.size() rows) by
// Gauss-Jordan elimination with complete pivoting; rhs receives x. The
// pivot of each step is the largest remaining element in magnitude, the
// first of equals in the order of the rows and, within a row, of the
// columns, as they stand after the earlier steps' exchanges of rows. False,
// with a and rhs spoilt, when the largest remaining element is not above
// 1e-15 times the largest element of a as given (or is not a number).
//
// The work buffers of one solve serve the next.
class GaussJordan {
 public:
  bool Solve(std::vector<double>& a, std::vector<double>& rhs);

 private:
  struct Pivot {
    double magnitude = 0.0;
    std::size_t position = 0;  // the row's place in the exchanged order
    std::size_t column = 0;
    std::size_t slot = 0;  // where the column is held
  };
  Pivot FindPivot(const std::vector<double>& a, std::size_t n, std::size_t open) const;
  void Eliminate(std::vector<double>& a, std::vector<double>& rhs, std::size_t n,
                 std::size_t open, const Pivot& pivot);

  // The columns not yet eliminated are held in slots 0 .. open - 1 of every
  // row, column columnIn_[s] in slot s; rowAt_[p] is the row stored at place
  // p of the exchanged order.
  std::vector<std::size_t> columnIn_;
  std::vector<std::size_t> rowAt_;
  std::vector<double> solution_;
};

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
  std::vector<double> a_, rhs_;
  GaussJordan solver_;
};

}  // namespace vexilor
