#include "geodesy/matrix.h"

#include <cstddef>
#include <utility>

namespace vexilor {
namespace {

bool IsStorageKind(int kind) { return kind >= kFullStorage && kind <= kDiagonalStorage; }

// Reads element (row, column) of a matrix held in `s`.
// Loop counters are plain ints so that a loop up to the largest 16-bit count
// ends; every value handed on here lies within its 16-bit bound.
ResultCode ElementAt(std::span<const double> s, int row, int column, std::int16_t rows,
                     std::int16_t columns, int kind, double& value) {
  int position = 0;
  const ResultCode code =
      MatrixElementIndex(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column), rows,
                         columns, kind, position);
  if (code != kOk) return code;
  if (static_cast<std::size_t>(position) > s.size()) return kMatrixStorageTooShort;
  value = s[static_cast<std::size_t>(position - 1)];
  return kOk;
}

// Element-wise product of two diagonals of n elements each.
ResultCode DiagonalProduct(std::span<const double> a, std::span<const double> b, int n,
                           std::vector<double>& out) {
  const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
  if (a.size() < count || b.size() < count) return kMatrixStorageTooShort;
  for (std::size_t i = 0; i < count; ++i) out.push_back(a[i] * b[i]);
  return kOk;
}

}  // namespace

ResultCode MatrixElementIndex(std::int16_t row, std::int16_t column, std::int16_t rows,
                              std::int16_t columns, int storageKind, int& position) {
  if (row < 1 || row > rows) return kMatrixRowOutOfRange;
  // Column 0 would address the element before the array.
  if (column < 1 || column > columns) return kMatrixColumnOutOfRange;
  const int i = row;
  const int j = column;
  switch (storageKind) {
    case kFullStorage:
      position = i + rows * (j - 1);
      return kOk;
    case kSymmetricStorage:
      position = i < j ? (j * j - j) / 2 + i : (i * i - i) / 2 + j;
      return kOk;
    case kDiagonalStorage:
      if (i != j) return kMatrixOffDiagonal;
      position = i;
      return kOk;
    default:
      return kMatrixBadStorageKind;
  }
}

ResultCode MatrixProduct(std::span<const double> a, std::span<const double> b,
                         std::vector<double>& c, std::int16_t rowsA, std::int16_t columnsA,
                         int storageKindA, int storageKindB, std::int16_t columnsB) {
  if (!IsStorageKind(storageKindA) || !IsStorageKind(storageKindB)) return kMatrixBadStorageKind;
  std::vector<double> result;
  if (storageKindA == kDiagonalStorage && storageKindB == kDiagonalStorage) {
    const ResultCode code = DiagonalProduct(a, b, rowsA, result);
    if (code != kOk) return code;
    c = std::move(result);
    return kOk;
  }
  for (int u = 1; u <= columnsB; ++u) {
    for (int j = 1; j <= rowsA; ++j) {
      double sum = 0.0;
      for (int m = 1; m <= columnsA; ++m) {
        double x = 0.0;
        double y = 0.0;
        ResultCode code = ElementAt(a, j, m, rowsA, columnsA, storageKindA, x);
        if (code == kOk) code = ElementAt(b, m, u, columnsA, columnsB, storageKindB, y);
        if (code != kOk) return code;
        sum += x * y;
      }
      result.push_back(sum);
    }
  }
  c = std::move(result);
  return kOk;
}

}  // namespace vexilor
