#pragma once
// Products of small matrices held as one-dimensional arrays in column order.
//
// Rows, columns and positions are counted from 1; position p is element p - 1
// of the array. Storage kinds:
//   kFullStorage       element (i, j) of an n-row matrix at i + n(j - 1)
//   kSymmetricStorage  packed by columns: (j² - j)/2 + i when i < j,
//                      (i² - i)/2 + j otherwise
//   kDiagonalStorage   only the elements (i, i) exist, at position i

#include <cstdint>
#include <span>
#include <vector>

#include "geodesy/result_codes.h"

namespace vexilor {

inline constexpr int kFullStorage = 0;
inline constexpr int kSymmetricStorage = 1;
inline constexpr int kDiagonalStorage = 2;

// Position of element (row, column) of a rows × columns matrix. Codes, in the
// order they are tested: row outside [1, rows]; column outside [1, columns];
// a storage kind other than the three above; an off-diagonal element of a
// diagonal matrix. `position` is left untouched on failure.
ResultCode MatrixElementIndex(std::int16_t row, std::int16_t column, std::int16_t rows,
                              std::int16_t columns, int storageKind, int& position);

// C = A·B with A of rowsA × columnsA and B of columnsA × columnsB. C comes out
// full, column after column (for two diagonal operands: the rowsA products of
// the diagonals, itself a diagonal matrix). A bad storage kind of either
// operand fails at once with kMatrixBadStorageKind; any failure of the index
// operation ends the product with its code, so a diagonal operand multiplied
// with a non-diagonal one fails on its first off-diagonal element. `c` is
// left untouched on failure.
ResultCode MatrixProduct(std::span<const double> a, std::span<const double> b,
                         std::vector<double>& c, std::int16_t rowsA, std::int16_t columnsA,
                         int storageKindA, int storageKindB, std::int16_t columnsB);

}  // namespace vexilor
