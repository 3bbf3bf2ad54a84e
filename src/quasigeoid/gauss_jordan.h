#pragma once
// Gauss-Jordan elimination with complete pivoting: the linear solve under
// the quasi-geoid's thin-plate spline (thin_plate_spline.h), systems of at
// most 39 unknowns (36 nodes and the affine part).
//
// Complete pivoting takes at each step the largest remaining element of the
// whole matrix, so that the spline's systems - whose kernel diagonal is zero
// and whose affine rows and columns are small beside the kernel terms -
// stay solvable without a symmetric ordering. The result is the same to the
// last bit on every processor: the build forbids fused multiply-adds in the
// engine (src/CMakeLists.txt).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "quasigeoid/cache_line_vector.h"
#include "quasigeoid/column_kernels.h"

namespace vexilor {

// Solves a·x = rhs for a square matrix a by Gauss-Jordan elimination with
// complete pivoting; rhs receives x. The pivot of each step is the largest
// remaining element in magnitude, the first of equals in the order of the
// rows and, within a row, of the columns, as they stand after the earlier
// steps' exchanges of rows. False, with rhs spoilt, when the largest
// remaining element is not above 1e-15 times the largest element of a as
// set up, or when a holds a NaN; a NaN that arises in the elimination (an
// overflow) fails a step or reaches the solution.
//
// The matrix is set up in the solver's own buffer, where it is eliminated:
// Start, then At for every element that is not zero, then Solve. The
// buffers of one solve serve the next.
class GaussJordan {
 public:
  // With the fastest passes this processor runs.
  GaussJordan() : GaussJordan(KernelsOfThisProcessor()) {}
  explicit GaussJordan(const ColumnKernels& kernels) : kernels_(kernels) {}

  // A system of n unknowns, every element 0.
  void Start(std::size_t n);
  // Element (row, column) of the system started.
  double& At(std::size_t row, std::size_t column) { return matrix_[column * stride_ + row]; }
  // Solves the system started, with rhs.size() = n. A matrix said to be
  // symmetric must be so to the bit: the first pivot is then found in one
  // column.
  enum class Shape { kAny, kSymmetric };
  bool Solve(std::vector<double>& rhs, Shape shape = Shape::kAny);

 private:
  struct Pivot {
    std::size_t place = 0;  // the row's place in the exchanged order
    std::size_t row = 0;
    std::size_t column = 0;
    std::size_t listed = 0;  // the column's index in columns_
  };
  ColumnMatrix Matrix() { return {matrix_.data(), stride_, openRows_.data()}; }
  double* RightHandSide() { return &matrix_[columns_.size() * stride_]; }
  // The pivot among the first `open` columns listed, `magnitude` the
  // largest among them.
  Pivot FindPivot(std::size_t open, double magnitude);
  // The first pivot of a symmetric matrix.
  Pivot FindFirstPivotOfSymmetric(double magnitude);
  // One step; the largest magnitude among the columns still open after it.
  double Eliminate(std::size_t open, const Pivot& pivot);

  ColumnKernels kernels_;
  // The matrix column by column, rows 0 .. n - 1 of each column in a stride
  // of whole blocks (column_kernels.h), and the right-hand side as column n.
  // Rows and columns are never moved: rowAt_[p] is the row at place p of the
  // exchanged order and placeOf_[r] the place of row r (rows past the
  // matrix have none); openRows_ marks the rows not yet a pivot's. columns_
  // lists the columns, those not yet eliminated first and in order (`open`
  // of them before a step), and lanes_ holds their magnitudes as the
  // passes keep them.
  std::size_t stride_ = 0;
  CacheLineVector<double> matrix_;
  CacheLineVector<std::int64_t> openRows_;
  std::vector<std::size_t> columns_;
  std::vector<std::size_t> rowAt_;
  CacheLineVector<std::int64_t> placeOf_;
  CacheLineVector<std::int64_t> lanes_;
};

}  // namespace vexilor
