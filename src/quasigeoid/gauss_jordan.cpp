#include "quasigeoid/gauss_jordan.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace vexilor {
namespace {

constexpr double kSingularRatio = 1e-15;

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

}  // namespace vexilor
