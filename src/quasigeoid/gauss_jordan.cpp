#include "quasigeoid/gauss_jordan.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vexilor {
namespace {

constexpr double kSingularRatio = 1e-15;

}  // namespace

// Rows are never moved: an exchange of two rows only exchanges their places
// in rowAt_. An eliminated column is never read again and leaves the list of
// columns. Each element still goes through exactly the operations, in the
// same order, that an elimination moving rows and keeping columns in place
// would apply to it, and the pivot search breaks ties by the places and
// columns such an elimination would scan them in, so the solution is the
// same to the last bit.
void GaussJordan::Start(std::size_t n) {
  stride_ = WholeBlocks(n);
  matrix_.assign((n + 1) * stride_, 0.0);
}

bool GaussJordan::Solve(std::vector<double>& rhs, Shape shape) {
  const std::size_t n = rhs.size();
  columns_.resize(n);
  std::copy(rhs.begin(), rhs.end(), RightHandSide());
  openRows_.assign(stride_, kClosedRow);
  std::fill_n(openRows_.begin(), n, kOpenRow);
  std::iota(columns_.begin(), columns_.end(), std::size_t{0});
  lanes_.resize(n * kColumnBlock);
  // The largest magnitude among the open columns, step by step.
  double magnitude = kernels_.magnitudes(Matrix(), columns_.data(), n, lanes_.data());
  const double floor = kSingularRatio * magnitude;
  rowAt_.resize(n);
  std::iota(rowAt_.begin(), rowAt_.end(), std::size_t{0});
  placeOf_.assign(stride_, 0);
  std::iota(placeOf_.begin(), placeOf_.begin() + static_cast<std::ptrdiff_t>(n), std::int64_t{0});
  for (std::size_t open = n; open > 0; --open) {
    if (!(magnitude > floor)) return false;  // floor >= 0: a zero pivot fails too
    const bool first = open == n;
    magnitude = Eliminate(open, first && shape == Shape::kSymmetric ? FindFirstPivotOfSymmetric(magnitude)
                                                                      : FindPivot(open, magnitude));
  }
  for (std::size_t p = 0; p < n; ++p) rhs[p] = RightHandSide()[rowAt_[p]];
  return true;
}

// The open places are the open columns: once column c has been eliminated,
// its pivot row stands at place c, and the lowest open place is the first
// open column.
GaussJordan::Pivot GaussJordan::FindPivot(std::size_t open, double magnitude) {
  const PivotPlace found = kernels_.findPivot(Matrix(), placeOf_.data(), columns_.data(), lanes_.data(), open,
                                              magnitude, static_cast<std::int64_t>(columns_.front()));
  const auto place = static_cast<std::size_t>(found.place);
  return {place, rowAt_[place], columns_[found.listed], found.listed};
}

// Before the first step every row stands at its own place, and in a
// symmetric matrix row r holds a value in column c exactly when column r
// holds it in row c: the first row holding the largest magnitude is the
// first column holding it, and that row's first column holding it is that
// column's first row holding it. One column is searched, not all of those
// holding the magnitude (in the spline's systems, the ones of the affine
// part put it into almost every column). Columns are still listed in
// their own order.
GaussJordan::Pivot GaussJordan::FindFirstPivotOfSymmetric(double magnitude) {
  // Any place found is not above the last, n - 1: the search ends there.
  const std::size_t n = columns_.size();
  const PivotPlace found = kernels_.findPivot(Matrix(), placeOf_.data(), columns_.data(), lanes_.data(), n,
                                              magnitude, static_cast<std::int64_t>(n) - 1);
  const std::size_t row = columns_[found.listed];
  const auto column = static_cast<std::size_t>(found.place);
  return {row, row, column, column};
}

double GaussJordan::Eliminate(std::size_t open, const Pivot& pivot) {
  // The pivot's row takes the place of its column.
  std::swap(rowAt_[pivot.place], rowAt_[pivot.column]);
  placeOf_[rowAt_[pivot.place]] = static_cast<std::int64_t>(pivot.place);
  placeOf_[pivot.row] = static_cast<std::int64_t>(pivot.column);
  openRows_[pivot.row] = kClosedRow;
  // The pivot's column leaves the list, which stays in order; its values
  // are the rows' factors, the pivot row's own set to 0, which leaves that
  // row to be scaled.
  const auto leaving = columns_.begin() + static_cast<std::ptrdiff_t>(pivot.listed);
  std::copy(leaving + 1, columns_.begin() + static_cast<std::ptrdiff_t>(open), leaving);
  double* factors = &matrix_[pivot.column * stride_];
  const ColumnStep step{Matrix(), factors, RightHandSide(), pivot.row, 1.0 / factors[pivot.row]};
  factors[pivot.row] = 0.0;
  return kernels_.reduce(step, columns_.data(), open - 1, lanes_.data());
}

}  // namespace vexilor
