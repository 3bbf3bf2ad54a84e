// Gauss-Jordan elimination with complete pivoting, the spline's solver.

#include "quasigeoid/gauss_jordan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <limits>
#include <random>

namespace vexilor {
namespace {

// a (row by row) set up in `solver` and solved.
bool SolveByGaussJordan(const std::vector<double>& a, std::vector<double>& rhs, GaussJordan& solver,
                        GaussJordan::Shape shape = GaussJordan::Shape::kAny) {
  const std::size_t n = rhs.size();
  solver.Start(n);
  for (std::size_t r = 0; r < n; ++r)
    for (std::size_t c = 0; c < n; ++c) solver.At(r, c) = a[r * n + c];
  return solver.Solve(rhs, shape);
}

bool SolveByGaussJordan(const std::vector<double>& a, std::vector<double>& rhs) {
  GaussJordan solver;
  return SolveByGaussJordan(a, rhs, solver);
}

TEST(SolveByGaussJordan, SolvesSystemsThatNeedPivoting) {
  // The first pivot on the diagonal is zero.
  std::vector<double> a = {0, 2, 1, 1, 0, 0, 3, 1, 4};
  std::vector<double> rhs = {7, 1, 17};  // x = (1, 2, 3)
  ASSERT_TRUE(SolveByGaussJordan(a, rhs));
  EXPECT_NEAR(rhs[0], 1, 1e-14);
  EXPECT_NEAR(rhs[1], 2, 1e-14);
  EXPECT_NEAR(rhs[2], 3, 1e-14);
}

TEST(SolveByGaussJordan, RandomSystemsLeaveTinyResiduals) {
  std::mt19937 random(20240601);
  std::uniform_real_distribution<double> value(-1, 1);
  for (std::size_t n : {1u, 4u, 17u, 39u}) {
    std::vector<double> a(n * n), x(n), rhs(n, 0.0);
    for (double& v : a) v = value(random);
    for (double& v : x) v = value(random);
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = 0; j < n; ++j) rhs[i] += a[i * n + j] * x[j];
    ASSERT_TRUE(SolveByGaussJordan(a, rhs)) << n;
    for (std::size_t i = 0; i < n; ++i) EXPECT_NEAR(rhs[i], x[i], 1e-9) << n << " " << i;
  }
}

// Complete pivoting as the textbook moves it: the largest remaining
// element, the first of equals row by row and column by column, brought to
// the diagonal by exchanging whole rows.
bool SolveByMovingRows(std::vector<double> a, std::vector<double>& rhs) {
  const std::size_t n = rhs.size();
  double largest = 0.0;
  for (const double v : a) largest = std::max(largest, std::fabs(v));
  std::vector<bool> done(n, false);
  for (std::size_t step = 0; step < n; ++step) {
    double pivot = 0.0;
    std::size_t row = 0, col = 0;
    for (std::size_t j = 0; j < n; ++j) {
      if (done[j]) continue;  // the row of an eliminated column
      for (std::size_t i = 0; i < n; ++i)
        if (!done[i] && std::fabs(a[j * n + i]) > pivot) {
          pivot = std::fabs(a[j * n + i]);
          row = j;
          col = i;
        }
    }
    if (!(pivot > 1e-15 * largest)) return false;
    done[col] = true;
    for (std::size_t k = 0; k < n && row != col; ++k) std::swap(a[row * n + k], a[col * n + k]);
    std::swap(rhs[row], rhs[col]);
    const double inverse = 1.0 / a[col * n + col];
    for (std::size_t k = 0; k < n; ++k)
      if (!done[k]) a[col * n + k] *= inverse;
    rhs[col] *= inverse;
    for (std::size_t r = 0; r < n; ++r) {
      const double factor = a[r * n + col];
      if (r == col || factor == 0.0) continue;
      for (std::size_t k = 0; k < n; ++k)
        if (!done[k]) a[r * n + k] -= factor * a[col * n + k];
      rhs[r] -= factor * rhs[col];
    }
  }
  return true;
}

// The solver keeps rows and columns in place and works column by column,
// yet gives the bits of the textbook elimination, the signs of zeros
// included - on systems full of equal magnitudes and zeros, where the order
// of the pivot search and the rows left alone decide, one solver serving
// them all, up to the spline's 39 unknowns and a few larger, 65 to 80, past
// the sizes the passes are built for one by one; a third of them symmetric
// and solved as such. Every build of the
// column passes this processor runs is checked.
TEST(SolveByGaussJordan, SameBitsAsTheEliminationThatMovesRows) {
  for (const ColumnKernels& kernels : AllKernelsOfThisProcessor()) {
    SCOPED_TRACE(kernels.name);
    std::mt19937 random(15);
    GaussJordan solver(kernels);
    for (int system = 0; system < 400; ++system) {
      const std::size_t n = system % 50 == 49 ? 65 + random() % 16 : 1 + random() % 40;
      std::uniform_int_distribution<int> small(-3, 3);
      std::uniform_real_distribution<double> any(-1.0, 1.0);
      std::vector<double> a(n * n), rhs(n);
      for (double& v : a) v = system % 2 == 0 ? small(random) : any(random);
      // Every third system symmetric, and solved as one.
      const bool symmetric = system % 3 == 0;
      for (std::size_t r = 0; r < n && symmetric; ++r)
        for (std::size_t c = 0; c < r; ++c) a[r * n + c] = a[c * n + r];
      for (double& v : rhs) v = system % 4 == 0 ? small(random) : any(random);
      std::vector<double> expected = rhs;
      const bool solvable = SolveByMovingRows(a, expected);
      const auto shape = symmetric ? GaussJordan::Shape::kSymmetric : GaussJordan::Shape::kAny;
      ASSERT_EQ(SolveByGaussJordan(a, rhs, solver, shape), solvable) << system;
      if (!solvable) continue;
      for (std::size_t k = 0; k < n; ++k)
        ASSERT_EQ(std::bit_cast<std::uint64_t>(rhs[k]), std::bit_cast<std::uint64_t>(expected[k]))
            << system << " " << k << ": " << rhs[k] << " " << expected[k];
    }
  }
}

// The pivot -2 turns the first row's zeros into -0; in the second step
// that row's factor is -0, so the row is left alone and x₀ stays -0 (had
// it been reduced, -0 - (-0 · 1) would give +0).
TEST(SolveByGaussJordan, RowsWithAZeroFactorAreLeftAlone) {
  for (const ColumnKernels& kernels : AllKernelsOfThisProcessor()) {
    GaussJordan solver(kernels);
    std::vector<double> rhs = {0, 1};
    ASSERT_TRUE(SolveByGaussJordan({-2, 0, 0, 1}, rhs, solver)) << kernels.name;
    EXPECT_TRUE(rhs[0] == 0.0 && std::signbit(rhs[0])) << kernels.name;
    EXPECT_EQ(rhs[1], 1.0) << kernels.name;
  }
}

TEST(SolveByGaussJordan, SingularSystemsFail) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<std::vector<double>> singular = {
      {0, 0, 0, 0},
      {1, 2, 2, 4},                  // second row twice the first
      {1, 2, 1, 2.000000000000001},  // leaves less than 1e-15 of the largest
      {nan, 1, 1, 1},
  };
  for (const auto& m : singular) {
    std::vector<double> rhs = {1, 1};
    EXPECT_FALSE(SolveByGaussJordan(m, rhs)) << m[0] << " " << m[3];
  }
}

}  // namespace
}  // namespace vexilor
