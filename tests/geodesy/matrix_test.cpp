#include "geodesy/matrix.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace vexilor {
namespace {

constexpr int kUntouched = -777;

struct IndexCase {
  const char* name;
  std::int16_t row, column, rows, columns;
  int kind;
  ResultCode code;
  int position;  // expected when code is kOk
};

TEST(MatrixElementIndex, PositionsAndCodes) {
  const IndexCase cases[] = {
      {"full first element", 1, 1, 3, 3, kFullStorage, kOk, 1},
      {"full column order", 2, 3, 3, 3, kFullStorage, kOk, 8},
      {"full last element", 3, 3, 3, 3, kFullStorage, kOk, 9},
      {"full wide matrix", 2, 4, 2, 4, kFullStorage, kOk, 8},
      {"full column vector", 3, 1, 3, 1, kFullStorage, kOk, 3},
      {"symmetric above the diagonal", 1, 3, 3, 3, kSymmetricStorage, kOk, 4},
      {"symmetric below the diagonal", 3, 1, 3, 3, kSymmetricStorage, kOk, 4},
      {"symmetric on the diagonal", 2, 2, 3, 3, kSymmetricStorage, kOk, 3},
      {"symmetric last element", 3, 3, 3, 3, kSymmetricStorage, kOk, 6},
      {"symmetric mid column", 2, 3, 3, 3, kSymmetricStorage, kOk, 5},
      {"diagonal element", 2, 2, 3, 3, kDiagonalStorage, kOk, 2},
      {"row 0", 0, 1, 3, 3, kFullStorage, kMatrixRowOutOfRange, 0},
      {"negative row", -1, 1, 3, 3, kDiagonalStorage, kMatrixRowOutOfRange, 0},
      {"row past the last", 4, 1, 3, 3, kSymmetricStorage, kMatrixRowOutOfRange, 0},
      {"column 0 (would read before the array)", 1, 0, 3, 3, kFullStorage,
       kMatrixColumnOutOfRange, 0},
      {"negative column", 1, -2, 3, 3, kFullStorage, kMatrixColumnOutOfRange, 0},
      {"column past the last", 1, 4, 3, 3, kFullStorage, kMatrixColumnOutOfRange, 0},
      {"storage kind 3", 1, 1, 3, 3, 3, kMatrixBadStorageKind, 0},
      {"negative storage kind", 1, 1, 3, 3, -1, kMatrixBadStorageKind, 0},
      {"off the diagonal of a diagonal matrix", 1, 2, 3, 3, kDiagonalStorage,
       kMatrixOffDiagonal, 0},
      {"row tested before column", 0, 0, 3, 3, 7, kMatrixRowOutOfRange, 0},
      {"column tested before kind", 1, 9, 3, 3, 7, kMatrixColumnOutOfRange, 0},
      {"kind tested before the diagonal", 1, 2, 3, 3, 9, kMatrixBadStorageKind, 0},
  };
  for (const auto& c : cases) {
    int position = kUntouched;
    EXPECT_EQ(MatrixElementIndex(c.row, c.column, c.rows, c.columns, c.kind, position), c.code)
        << c.name;
    EXPECT_EQ(position, c.code == kOk ? c.position : kUntouched) << c.name;
  }
}

TEST(MatrixElementIndex, SymmetricPackingUsesEachPlaceOnce) {
  const std::int16_t n = 9;
  std::set<int> used;
  for (std::int16_t j = 1; j <= n; ++j) {
    for (std::int16_t i = 1; i <= n; ++i) {
      int p = 0;
      int q = 0;
      ASSERT_EQ(MatrixElementIndex(i, j, n, n, kSymmetricStorage, p), kOk);
      ASSERT_EQ(MatrixElementIndex(j, i, n, n, kSymmetricStorage, q), kOk);
      EXPECT_EQ(p, q) << i << "," << j;
      used.insert(p);
    }
  }
  EXPECT_EQ(used.size(), static_cast<std::size_t>(n * (n + 1) / 2));
  EXPECT_EQ(*used.begin(), 1);
  EXPECT_EQ(*used.rbegin(), n * (n + 1) / 2);
}

TEST(MatrixElementIndex, LargestSixteenBitMatrixDoesNotOverflow) {
  const std::int16_t n = 32767;
  int p = 0;
  ASSERT_EQ(MatrixElementIndex(n, n, n, n, kFullStorage, p), kOk);
  EXPECT_EQ(p, 32767 * 32767);
  ASSERT_EQ(MatrixElementIndex(n, n, n, n, kSymmetricStorage, p), kOk);
  EXPECT_EQ(p, 32767 * 32768 / 2);
}

struct ProductCase {
  const char* name;
  std::vector<double> a, b;
  std::int16_t rowsA, columnsA;
  int kindA, kindB;
  std::int16_t columnsB;
  ResultCode code;
  std::vector<double> c;  // expected when code is kOk
};

TEST(MatrixProduct, ProductsAndCodes) {
  // S = [1 2 4; 2 3 5; 4 5 6] packed by columns.
  const std::vector<double> s{1, 2, 3, 4, 5, 6};
  const ProductCase cases[] = {
      {"full 2x3 by full 3x2", {1, 4, 2, 5, 3, 6}, {7, 9, 11, 8, 10, 12}, 2, 3,
       kFullStorage, kFullStorage, 2, kOk, {58, 139, 64, 154}},
      {"full 3x3 by a column", {2, 0, 0, 0, 3, 0, 1, 0, 4}, {1, 2, 3}, 3, 3, kFullStorage,
       kFullStorage, 1, kOk, {5, 6, 12}},
      {"diagonal by diagonal", {2, 3, 4}, {5, 6, 7}, 3, 3, kDiagonalStorage,
       kDiagonalStorage, 3, kOk, {10, 18, 28}},
      {"symmetric packed by full", s, {1, 0, 0, 1, 1, 1}, 3, 3, kSymmetricStorage,
       kFullStorage, 2, kOk, {1, 2, 4, 7, 10, 15}},
      {"full row by symmetric packed", {1, 1, 1}, s, 1, 3, kFullStorage, kSymmetricStorage, 3,
       kOk, {7, 10, 15}},
      {"symmetric by symmetric", {1, 0, 1}, {2, 1, 3}, 2, 2, kSymmetricStorage,
       kSymmetricStorage, 2, kOk, {2, 1, 1, 3}},
      {"1x1 diagonal by full", {3}, {5, 7}, 1, 1, kDiagonalStorage, kFullStorage, 2, kOk,
       {15, 21}},
      {"no columns in B", {1, 2}, {}, 2, 1, kFullStorage, kFullStorage, 0, kOk, {}},
      {"bad kind of A", {1}, {1}, 1, 1, 3, kFullStorage, 1, kMatrixBadStorageKind, {}},
      {"bad kind of B", {1}, {1}, 1, 1, kFullStorage, 4, 1, kMatrixBadStorageKind, {}},
      {"bad kind before short storage", {}, {}, 5, 5, kFullStorage, -1, 5,
       kMatrixBadStorageKind, {}},
      {"diagonal by full meets an off-diagonal element", {2, 3}, {1, 2, 3, 4}, 2, 2,
       kDiagonalStorage, kFullStorage, 2, kMatrixOffDiagonal, {}},
      {"full by diagonal meets an off-diagonal element", {1, 2, 3, 4}, {2, 3}, 2, 2,
       kFullStorage, kDiagonalStorage, 2, kMatrixOffDiagonal, {}},
      {"A shorter than its dimensions", {1, 2, 3}, {1, 1}, 2, 2, kFullStorage, kFullStorage,
       1, kMatrixStorageTooShort, {}},
      {"B shorter than its dimensions", {1, 2, 3, 4}, {1}, 2, 2, kFullStorage, kFullStorage,
       1, kMatrixStorageTooShort, {}},
      {"diagonal shorter than its rows", {1, 2}, {1, 2, 3}, 3, 3, kDiagonalStorage,
       kDiagonalStorage, 3, kMatrixStorageTooShort, {}},
  };
  for (const auto& c : cases) {
    const std::vector<double> untouched{-1.0};
    std::vector<double> out = untouched;
    EXPECT_EQ(MatrixProduct(c.a, c.b, out, c.rowsA, c.columnsA, c.kindA, c.kindB, c.columnsB),
              c.code)
        << c.name;
    EXPECT_EQ(out, c.code == kOk ? c.c : untouched) << c.name;
  }
}

}  // namespace
}  // namespace vexilor
