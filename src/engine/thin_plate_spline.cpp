#include "engine/thin_plate_spline.h"

#include <algorithm>
#include <cmath>

namespace vexilor {
namespace {

constexpr double kSingularRatio = 1e-15;
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

bool SolveByGaussJordan(std::vector<double>& a, std::vector<double>& rhs) {
  const std::size_t n = rhs.size();
  double largest = 0.0;
  for (const double v : a) largest = std::max(largest, std::fabs(v));
  const double floor = kSingularRatio * largest;
  // Indices of the columns not yet eliminated. Once column k has been
  // eliminated its pivot row is row k, so the list serves rows and columns
  // alike; an eliminated column holds 1 in its pivot row and 0 elsewhere,
  // and the elimination only has to touch the open columns.
  std::vector<std::size_t> open(n);
  for (std::size_t k = 0; k < n; ++k) open[k] = k;
  for (std::size_t step = 0; step < n; ++step) {
    double pivot = 0.0;
    std::size_t row = 0, at = 0;
    for (const std::size_t j : open) {
      const double* line = &a[j * n];
      for (std::size_t i = 0; i < open.size(); ++i) {
        const double v = std::fabs(line[open[i]]);
        if (v > pivot) {
          pivot = v;
          row = j;
          at = i;
        }
      }
    }
    if (!(pivot > 0.0) || !(pivot > floor)) return false;
    const std::size_t col = open[at];
    open.erase(open.begin() + static_cast<std::ptrdiff_t>(at));
    if (row != col) {
      std::swap_ranges(a.begin() + static_cast<std::ptrdiff_t>(row * n),
                       a.begin() + static_cast<std::ptrdiff_t>(row * n + n),
                       a.begin() + static_cast<std::ptrdiff_t>(col * n));
      std::swap(rhs[row], rhs[col]);
    }
    double* pivotRow = &a[col * n];
    const double inverse = 1.0 / pivotRow[col];
    for (const std::size_t k : open) pivotRow[k] *= inverse;
    pivotRow[col] = 1.0;
    rhs[col] *= inverse;
    for (std::size_t r = 0; r < n; ++r) {
      double* line = &a[r * n];
      const double factor = line[col];
      if (r == col || factor == 0.0) continue;
      for (const std::size_t k : open) line[k] -= factor * pivotRow[k];
      line[col] = 0.0;
      rhs[r] -= factor * rhs[col];
    }
  }
  return true;
}

std::optional<double> ThinPlateSplineAtOrigin(const std::vector<GridNode>& nodes) {
  if (nodes.empty()) return std::nullopt;
  const UnitSquare unit = EnclosingSquare(nodes);
  if (!(unit.size > 0.0)) return std::nullopt;
  const std::size_t n = nodes.size();
  const std::size_t size = n + 3;
  std::vector<double> a(size * size, 0.0);
  std::vector<double> rhs(size, 0.0);
  for (std::size_t i = 0; i < n; ++i) {
    const double xi = unit.X(nodes[i].x), yi = unit.Y(nodes[i].y);
    for (std::size_t j = 0; j < n; ++j) {
      const double dx = xi - unit.X(nodes[j].x), dy = yi - unit.Y(nodes[j].y);
      const double r2 = dx * dx + dy * dy;
      a[i * size + j] = r2 > kKernelFloor ? Kernel(r2) : 0.0;
    }
    // The affine part (1, x', y') and its side conditions.
    const double affine[3] = {1.0, xi, yi};
    for (std::size_t k = 0; k < 3; ++k) {
      a[i * size + n + k] = affine[k];
      a[(n + k) * size + i] = affine[k];
    }
    rhs[i] = nodes[i].height;
  }
  if (!SolveByGaussJordan(a, rhs)) return std::nullopt;
  const double px = unit.X(0.0), py = unit.Y(0.0);
  double sum = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double dx = px - unit.X(nodes[i].x), dy = py - unit.Y(nodes[i].y);
    const double r2 = dx * dx + dy * dy;
    if (r2 > kKernelFloor) sum += rhs[i] * Kernel(r2);
  }
  // Kernel already carries the factor 1/2.
  const double height = sum + rhs[n] + rhs[n + 1] * px + rhs[n + 2] * py;
  if (!std::isfinite(height)) return std::nullopt;
  return height;
}

}  // namespace vexilor
