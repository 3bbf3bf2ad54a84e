#pragma once
// The passes over matrix columns that the spline spends its time in: its
// kernel columns (thin_plate_spline.h) and their elimination
// (gauss_jordan.h). Each is built three times - eight doubles at a
// time with AVX-512, four with AVX2, two with the build's own target - and
// the processor decides, once, which build runs (KernelsOfThisProcessor).
//
// The matrix is held column by column, with a stride of whole blocks of
// eight rows and every column starting on a cache line, so that each pass
// runs in whole vectors on any of the builds; the rows past the matrix's
// own hold zeros and stay so.
//
// Every build gives the same bits. A largest magnitude is exact whatever the
// order of the comparisons; the reduction applies to each element the same
// product and difference, one element at a time, as a scalar loop would -
// the engine is built without fused multiply-adds (src/CMakeLists.txt), and
// only the logarithm asks for them, where glibc's has them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexilor {

inline constexpr std::size_t kColumnBlock = 8;

// `count` rows rounded up to whole blocks.
constexpr std::size_t WholeBlocks(std::size_t count) {
  return (count + kColumnBlock - 1) / kColumnBlock * kColumnBlock;
}

// A row's bits in the masks below: kOpenRow keeps a value's magnitude,
// kClosedRow drops the value.
inline constexpr std::int64_t kOpenRow = 0x7fffffffffffffffLL;
inline constexpr std::int64_t kClosedRow = 0;

// The matrix being eliminated, column c at values + c · stride, and the
// rows still open.
struct ColumnMatrix {
  double* values;
  std::size_t stride;
  const std::int64_t* openRows;  // kOpenRow or kClosedRow for each of `stride` rows
};

// What every column of one Gauss-Jordan step shares. The pivot column's
// values are the factors of the rows; the pivot row's own factor, and the
// factors of the rows past the matrix, are 0.
struct ColumnStep {
  ColumnMatrix matrix;
  const double* factors;
  double* rhs;  // the right-hand side, a column like the others
  std::size_t pivotRow;
  double inverse;  // of the pivot
};

struct PivotPlace {
  std::int64_t place;
  std::size_t listed;  // the column's index in the list
};

// The passes take the columns they work on as a list of column numbers.
// A magnitude is the largest |v| among a column's open rows, where a NaN
// counts as larger than any number. The passes keep the magnitudes of the
// i-th column listed as the bits of up to kColumnBlock partial ones at
// lanes + i · kColumnBlock, whose largest is the column's.
struct ColumnKernels {
  const char* name;
  // The lanes of each column listed; returns the largest magnitude of them
  // all (0 for none).
  double (*magnitudes)(const ColumnMatrix& m, const std::size_t* columns, std::size_t count, std::int64_t* lanes);
  // One step over the right-hand side and the listed columns: in each, the
  // pivot row's value v becomes v · inverse, and every other row with a
  // non-zero factor f gets w -= f · (that value). Then the lanes and the
  // result as from `magnitudes`.
  double (*reduce)(const ColumnStep& step, const std::size_t* columns, std::size_t count, std::int64_t* lanes);
  // The pivot: of the values of this magnitude on the open rows of the
  // listed columns whose magnitude it is, the one on the row r of the
  // smallest places[r], in the first such column, and the column's index
  // in the list. The columns are listed
  // in order and searched until one gives a place not above `lowest` (no
  // open place is lower than the lowest). Place `m.stride` when none holds
  // the magnitude.
  PivotPlace (*findPivot)(const ColumnMatrix& m, const std::int64_t* places, const std::size_t* columns,
                          const std::int64_t* lanes, std::size_t count, double magnitude, std::int64_t lowest);
  // Part of a column of the spline's matrix: the kernel ½ r² ln r² from
  // (x0, y0) to each of `count` points (x[i], y[i]) into column[i], 0 where
  // r² is not above `floor` or is NaN; `count` is whole blocks. Bit for bit
  // 0.5 · r² · std::log(r²), r² = (x[i] - x0)² + (y[i] - y0)², with glibc's
  // logarithm (vector_log.h).
  void (*splineKernels)(const double* x, const double* y, std::size_t count, double x0, double y0, double floor,
                        double* column);
};

// The fastest build the processor runs.
const ColumnKernels& KernelsOfThisProcessor();
// Every build the processor runs, the fastest first.
std::vector<ColumnKernels> AllKernelsOfThisProcessor();

}  // namespace vexilor
