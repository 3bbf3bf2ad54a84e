#include "quasigeoid/thin_plate_spline.h"

#include <algorithm>
#include <cmath>

namespace vexilor {
namespace {

// Squared normalised distances up to this give no kernel term (a node with
// itself, the point on a node). The matrix and the evaluation at the point
// use the same floor: were the point's floor higher, a point on a node would
// lose the terms of neighbours that the matrix counted, and the spline would
// miss its own node heights wherever nodes crowd together - along the
// parallels near the poles, by centimetres.
constexpr double kKernelFloor = 1e-6;

double Kernel(double r2) { return 0.5 * r2 * std::log(r2); }

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
  x_.resize(n);
  y_.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    x_[i] = unit.X(nodes[i].x);
    y_[i] = unit.Y(nodes[i].y);
  }
  solver_.Start(size);
  rhs_.assign(size, 0.0);
  for (std::size_t i = 0; i < n; ++i) {
    // The kernel matrix is symmetric, to the bit: (x_j - x_i)² = (x_i - x_j)².
    // Its diagonal stays 0.
    for (std::size_t j = i + 1; j < n; ++j) {
      const double dx = x_[i] - x_[j], dy = y_[i] - y_[j];
      const double r2 = dx * dx + dy * dy;
      solver_.At(i, j) = solver_.At(j, i) = r2 > kKernelFloor ? Kernel(r2) : 0.0;
    }
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
  double sum = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double dx = px - x_[i], dy = py - y_[i];
    const double r2 = dx * dx + dy * dy;
    if (r2 > kKernelFloor) sum += rhs_[i] * Kernel(r2);
  }
  // Kernel already carries the factor 1/2.
  const double height = sum + rhs_[n] + rhs_[n + 1] * px + rhs_[n + 2] * py;
  if (!std::isfinite(height)) return std::nullopt;
  return height;
}

}  // namespace vexilor
