#include "quasigeoid/thin_plate_spline.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

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

// The largest |v| of values[0 .. count - 1] that are numbers; 0 when there
// is none. Two running maxima keep the processor's pipelines full.
double LargestMagnitude(const double* values, std::size_t count) {
  double even = 0.0, odd = 0.0;
  std::size_t i = 0;
  for (; i + 1 < count; i += 2) {
    const double v = std::fabs(values[i]), w = std::fabs(values[i + 1]);
    even = v > even ? v : even;
    odd = w > odd ? w : odd;
  }
  if (i < count) {
    const double v = std::fabs(values[i]);
    even = v > even ? v : even;
  }
  return odd > even ? odd : even;
}

}  // namespace

// Rows are never moved: an exchange of two rows only exchanges their places
// in rowAt_, and each row's right-hand side stays with it. An eliminated
// column is never read again, so its slot is given to the last open column;
// the elimination then runs over slots 0 .. open - 1 of every row without
// gaps. Each element still goes through exactly the operations, in the same
// order, that an elimination moving rows and keeping columns in place would
// apply to it, and the pivot search breaks ties by the places and columns
// such an elimination would scan them in, so the solution is the same to
// the last bit.
bool GaussJordan::Solve(std::vector<double>& a, std::vector<double>& rhs) {
  const std::size_t n = rhs.size();
  double largest = 0.0;
  for (const double v : a) largest = std::max(largest, std::fabs(v));
  const double floor = kSingularRatio * largest;
  columnIn_.resize(n);
  rowAt_.resize(n);
  std::iota(columnIn_.begin(), columnIn_.end(), std::size_t{0});
  std::iota(rowAt_.begin(), rowAt_.end(), std::size_t{0});
  for (std::size_t open = n; open > 0; --open) {
    const Pivot pivot = FindPivot(a, n, open);
    if (!(pivot.magnitude > 0.0) || !(pivot.magnitude > floor)) return false;
    Eliminate(a, rhs, n, open, pivot);
  }
  solution_.resize(n);
  for (std::size_t p = 0; p < n; ++p) solution_[p] = rhs[rowAt_[p]];
  std::swap(rhs, solution_);
  return true;
}

// The open places are the open columns: once column c has been eliminated,
// its pivot row stands at place c. A search fused into the elimination pass
// (each row measured as it is reduced) was tried and ran 5-35 % slower: the
// matrix of at most 39 rows stays in the first-level cache either way.
GaussJordan::Pivot GaussJordan::FindPivot(const std::vector<double>& a, std::size_t n,
                                          std::size_t open) const {
  Pivot best;
  best.position = n;
  for (std::size_t s = 0; s < open; ++s) {
    const std::size_t position = columnIn_[s];
    const double* line = &a[rowAt_[position] * n];
    const double largest = LargestMagnitude(line, open);
    if (largest < best.magnitude || (largest == best.magnitude && position > best.position))
      continue;
    // The row holds the pivot: the first column holding its magnitude.
    best = {largest, position, n, 0};
    for (std::size_t slot = 0; slot < open; ++slot)
      if (std::fabs(line[slot]) == largest && columnIn_[slot] < best.column)
        best = {largest, position, columnIn_[slot], slot};
  }
  return best;
}

void GaussJordan::Eliminate(std::vector<double>& a, std::vector<double>& rhs, std::size_t n,
                            std::size_t open, const Pivot& pivot) {
  // The pivot's row takes the place of its column.
  const std::size_t pivotIndex = rowAt_[pivot.position];
  std::swap(rowAt_[pivot.position], rowAt_[pivot.column]);
  double* pivotRow = &a[pivotIndex * n];
  const double inverse = 1.0 / pivotRow[pivot.slot];
  for (std::size_t k = 0; k < open; ++k) pivotRow[k] *= inverse;
  rhs[pivotIndex] *= inverse;
  const std::size_t last = open - 1;
  for (std::size_t r = 0; r < n; ++r) {
    double* line = &a[r * n];
    const double factor = line[pivot.slot];
    if (r != pivotIndex && factor != 0.0) {
      for (std::size_t k = 0; k < open; ++k) line[k] -= factor * pivotRow[k];
      rhs[r] -= factor * rhs[pivotIndex];
    }
    line[pivot.slot] = line[last];
  }
  columnIn_[pivot.slot] = columnIn_[last];
}

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
  a_.assign(size * size, 0.0);
  rhs_.assign(size, 0.0);
  for (std::size_t i = 0; i < n; ++i) {
    // The kernel matrix is symmetric, to the bit: (x_j - x_i)² = (x_i - x_j)².
    // Its diagonal stays 0.
    for (std::size_t j = i + 1; j < n; ++j) {
      const double dx = x_[i] - x_[j], dy = y_[i] - y_[j];
      const double r2 = dx * dx + dy * dy;
      a_[i * size + j] = a_[j * size + i] = r2 > kKernelFloor ? Kernel(r2) : 0.0;
    }
    // The affine part (1, x', y') and its side conditions.
    const double affine[3] = {1.0, x_[i], y_[i]};
    for (std::size_t k = 0; k < 3; ++k) {
      a_[i * size + n + k] = affine[k];
      a_[(n + k) * size + i] = affine[k];
    }
    rhs_[i] = nodes[i].height;
  }
  if (!solver_.Solve(a_, rhs_)) return std::nullopt;
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
