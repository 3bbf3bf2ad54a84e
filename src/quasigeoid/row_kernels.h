#pragma once
// The passes over matrix rows that the spline's elimination spends its time
// in (gauss_jordan.h), four doubles at a time and built twice: with AVX2 for
// the processors that have it, chosen when the program is loaded, and for
// the build's own target.
//
// The matrix is held row by row with a stride that is a multiple of four,
// so that every pass runs in whole vectors; the values past a row's open
// slots are dead and may be overwritten with anything.
//
// Both builds give the same bits. A largest magnitude is exact whatever the
// order of the comparisons; the row update applies to each element the same
// product and difference, one element at a time, as a scalar loop would -
// the engine is built without fused multiply-adds (src/CMakeLists.txt), and
// the AVX2 build asks for no FMA either.

#include <cstddef>

namespace vexilor {

inline constexpr std::size_t kRowVector = 4;

// `count` doubles rounded up to whole vectors.
constexpr std::size_t WholeVectors(std::size_t count) { return (count + kRowVector - 1) / kRowVector * kRowVector; }

// largest[r] = the largest |v| among the first `open` values of each of the
// `rows` rows of `a`; a NaN is passed over, 0 when no value is a number.
void RowMagnitudes(const double* a, std::size_t stride, std::size_t rows, std::size_t open, double* largest);

// One Gauss-Jordan step over the `count` rows of `a` listed in `rows`,
// whose pivot row `pivotIndex` is already divided by its pivot: every other
// row with a non-zero factor f = row[pivotSlot] gets row[k] -= f · pivot[k]
// for k < open and rhs[row] -= f · rhs[pivotIndex]; then every row gives
// slot `pivotSlot` the value of its last open slot. Each of the first
// `tracked` rows listed, r, then receives in largest[r] the largest
// magnitude of its open slots as they stand (open - 1 of them), as
// RowMagnitudes would find it; the other rows' largest[r] are left as they
// were. The order of the rows changes no bit. Returns the largest of the
// tracked rows' magnitudes, 0 when none is tracked.
double ReduceRows(double* a, double* rhs, std::size_t stride, const std::size_t* rows, std::size_t tracked,
                  std::size_t count, std::size_t open, std::size_t pivotIndex, std::size_t pivotSlot, double* largest);

}  // namespace vexilor
