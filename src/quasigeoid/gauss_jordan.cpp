#include "quasigeoid/gauss_jordan.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "quasigeoid/row_kernels.h"

namespace vexilor {
namespace {

constexpr double kSingularRatio = 1e-15;

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
void GaussJordan::Start(std::size_t n) {
  stride_ = WholeVectors(n);
  work_.assign(n * stride_, 0.0);
}

bool GaussJordan::Solve(std::vector<double>& rhs) {
  const std::size_t n = rhs.size();
  largest_.resize(n);
  RowMagnitudes(work_.data(), stride_, n, n, largest_.data());
  double largest = 0.0;
  for (const double v : largest_) largest = std::max(largest, v);
  const double floor = kSingularRatio * largest;
  columnIn_.resize(n);
  rowAt_.resize(n);
  placeOf_.resize(n);
  std::iota(columnIn_.begin(), columnIn_.end(), std::size_t{0});
  std::iota(rowAt_.begin(), rowAt_.end(), std::size_t{0});
  std::iota(placeOf_.begin(), placeOf_.end(), std::size_t{0});
  rowOrder_.resize(n);
  std::iota(rowOrder_.begin(), rowOrder_.end(), std::size_t{0});
  // The largest magnitude among the open rows, step by step.
  double magnitude = largest;
  for (std::size_t open = n; open > 0; --open) {
    const Pivot pivot = FindPivot(n, open, magnitude);
    if (!(pivot.magnitude > floor)) return false;  // floor >= 0: a zero pivot fails too
    magnitude = Eliminate(rhs, n, open, pivot);
  }
  solution_.resize(n);
  for (std::size_t p = 0; p < n; ++p) solution_[p] = rhs[rowAt_[p]];
  std::swap(rhs, solution_);
  return true;
}

// The open places are the open columns: once column c has been eliminated,
// its pivot row stands at place c. Each row's largest magnitude comes from
// the pass that reduced it (row_kernels.h): the pivot's row is the open row
// of the largest (the first place of equals), and only that row is
// searched for the pivot's column.
GaussJordan::Pivot GaussJordan::FindPivot(std::size_t n, std::size_t open, double magnitude) const {
  Pivot best;
  best.magnitude = magnitude;
  best.position = n;
  for (std::size_t i = 0; i < open; ++i) {
    const std::size_t r = rowOrder_[i];
    if (largest_[r] == magnitude && placeOf_[r] < best.position) best.position = placeOf_[r];
  }
  // The first column holding the largest magnitude.
  const double* line = &work_[rowAt_[best.position] * stride_];
  best.column = n;
  for (std::size_t slot = 0; slot < open; ++slot) {
    if (std::fabs(line[slot]) == best.magnitude && columnIn_[slot] < best.column) {
      best.column = columnIn_[slot];
      best.slot = slot;
    }
  }
  return best;
}

double GaussJordan::Eliminate(std::vector<double>& rhs, std::size_t n, std::size_t open, const Pivot& pivot) {
  // The pivot's row takes the place of its column.
  const std::size_t pivotIndex = rowAt_[pivot.position];
  std::swap(rowAt_[pivot.position], rowAt_[pivot.column]);
  placeOf_[rowAt_[pivot.position]] = pivot.position;
  placeOf_[pivotIndex] = pivot.column;
  double* pivotRow = &work_[pivotIndex * stride_];
  const double inverse = 1.0 / pivotRow[pivot.slot];
  for (std::size_t k = 0; k < open; ++k) pivotRow[k] *= inverse;
  rhs[pivotIndex] *= inverse;
  // The pivot's row leaves the rows whose magnitudes are wanted.
  std::iter_swap(std::find(rowOrder_.begin(), rowOrder_.begin() + static_cast<std::ptrdiff_t>(open), pivotIndex),
                 rowOrder_.begin() + static_cast<std::ptrdiff_t>(open) - 1);
  const double next = ReduceRows(work_.data(), rhs.data(), stride_, rowOrder_.data(), open - 1, n, open, pivotIndex,
                                 pivot.slot, largest_.data());
  columnIn_[pivot.slot] = columnIn_[open - 1];
  return next;
}

}  // namespace vexilor
