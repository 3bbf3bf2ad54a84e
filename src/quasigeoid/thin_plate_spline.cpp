#include "quasigeoid/thin_plate_spline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vexilor {
namespace {

// Squared normalised distances up to this give no kernel term (a node with
// itself, the point on a node). The matrix and the evaluation at the point
// use the same floor: were the point's floor higher, a point on a node would
// lose the terms of neighbours that the matrix counted, and the spline would
// miss its own node heights wherever nodes crowd together - along the
// parallels near the poles, by centimetres.
constexpr double kKernelFloor = 1e-6;

struct UnitSquare {
  double xMin, yMin, size;
  double X(double x) const { return (x - xMin) / size; }
  double Y(double y) const { return (y - yMin) / size; }
};

UnitSquare EnclosingSquare(const std::vector<GridNode>& nodes) {
  const auto [xLo, xHi] = std::minmax_element(
      nodes.begin(), nodes.end(), [](const GridNode& p, const GridNode& q) { return p.x < q.x; });
  const auto [yLo, yHi] = std::minmax_element(
      nodes.begin(), nodes.end(), [](const GridNode& p, const GridNode& q) { return p.y < q.y; });
  return {xLo->x, yLo->y, std::max(xHi->x - xLo->x, yHi->y - yLo->y)};
}

}  // namespace

std::optional<double> ThinPlateSpline::AtOrigin(const std::vector<GridNode>& nodes) {
  if (nodes.empty()) return std::nullopt;
  const UnitSquare unit = EnclosingSquare(nodes);
  if (!(unit.size > 0.0)) return std::nullopt;
  const std::size_t n = nodes.size();
  const std::size_t size = n + 3;
  // The kernel passes run in whole blocks of points; those past the nodes
  // are NaN, whose kernel is 0.
  const std::size_t blocks = WholeBlocks(n);
  x_.assign(blocks, std::numeric_limits<double>::quiet_NaN());
  y_.assign(blocks, std::numeric_limits<double>::quiet_NaN());
  for (std::size_t i = 0; i < n; ++i) {
    x_[i] = unit.X(nodes[i].x);
    y_[i] = unit.Y(nodes[i].y);
  }
  solver_.Start(size);
  rhs_.assign(size, 0.0);
  // The kernel matrix is symmetric, to the bit: (x_j - x_i)² = (x_i - x_j)².
  // Each column is worked out in whole blocks down to its diagonal, which
  // is 0 (r² = 0), and mirrored below it; its rows past the nodes get 0,
  // those of the affine part are set below.
  for (std::size_t j = 0; j < n; ++j)
    passes_.splineKernels(x_.data(), y_.data(), WholeBlocks(j + 1), x_[j], y_[j], kKernelFloor, &solver_.At(0, j));
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) solver_.At(j, i) = solver_.At(i, j);
    // The affine part (1, x', y') and its side conditions.
    const double affine[3] = {1.0, x_[i], y_[i]};
    for (std::size_t k = 0; k < 3; ++k) {
      solver_.At(i, n + k) = affine[k];
      solver_.At(n + k, i) = affine[k];
    }
    rhs_[i] = nodes[i].height;
  }
  if (!solver_.Solve(rhs_, GaussJordan::Shape::kSymmetric)) return std::nullopt;
  const double px = unit.X(0.0), py = unit.Y(0.0);
  atPoint_.resize(blocks);
  passes_.splineKernels(x_.data(), y_.data(), blocks, px, py, kKernelFloor, atPoint_.data());
  double sum = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double dx = px - x_[i], dy = py - y_[i];
    if (dx * dx + dy * dy > kKernelFloor) sum += rhs_[i] * atPoint_[i];
  }
  // The kernel already carries the factor 1/2.
  const double height = sum + rhs_[n] + rhs_[n + 1] * px + rhs_[n + 2] * py;
  if (!std::isfinite(height)) return std::nullopt;
  return height;
}

}  // namespace vexilor
