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
#include <vector>

namespace vexilor {

// Solves a·x = rhs for a square matrix a by Gauss-Jordan elimination with
// complete pivoting; rhs receives x. The pivot of each step is the largest
// remaining element in magnitude, the first of equals in the order of the
// rows and, within a row, of the columns, as they stand after the earlier
// steps' exchanges of rows. False, with rhs spoilt, when the largest
// remaining element is not above 1e-15 times the largest element of a as
// set up (or is not a number).
//
// The matrix is set up in the solver's own buffer, where it is eliminated:
// Start, then At for every element that is not zero, then Solve. The
// buffers of one solve serve the next.
class GaussJordan {
 public:
  // A system of n unknowns, every element 0.
  void Start(std::size_t n);
  // Element (row, column) of the system started.
  double& At(std::size_t row, std::size_t column) { return work_[row * stride_ + column]; }
  // Solves the system started, with rhs.size() = n.
  bool Solve(std::vector<double>& rhs);

 private:
  struct Pivot {
    double magnitude = 0.0;
    std::size_t position = 0;  // the row's place in the exchanged order
    std::size_t column = 0;
    std::size_t slot = 0;  // where the column is held
  };
  // The pivot of a step, `magnitude` the largest among the open rows.
  Pivot FindPivot(std::size_t n, std::size_t open, double magnitude) const;
  // One step; the largest magnitude among the rows still open after it.
  double Eliminate(std::vector<double>& rhs, std::size_t n, std::size_t open, const Pivot& pivot);

  // The matrix being eliminated, row by row with a stride of whole vectors
  // (row_kernels.h). The columns not yet eliminated are held in slots 0 ..
  // open - 1 of every row, column columnIn_[s] in slot s; rowAt_[p] is the
  // row stored at place p of the exchanged order and placeOf_[r] the place
  // of row r; largest_[r] the largest magnitude among the open slots of row
  // r, kept up to date while the row is open.
  std::vector<double> work_;
  std::size_t stride_ = 0;
  std::vector<std::size_t> columnIn_;
  std::vector<std::size_t> rowAt_;
  std::vector<std::size_t> placeOf_;
  // Every row, those still open first: the first `open` of them before a
  // step, one fewer after it.
  std::vector<std::size_t> rowOrder_;
  std::vector<double> largest_;
  std::vector<double> solution_;
};

}  // namespace vexilor
