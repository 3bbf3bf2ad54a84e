#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "quasigeoid/column_kernels.h"

namespace vexilor {
namespace {

// Every build's kernel column has the bits of the scalar kernel with the
// system's std::log: over the unit square, where the logarithm takes its
// main path, around r² = 1 (glibc's own path near 1, left to std::log), at
// the floor and on the point itself, and past the points (NaN: 0).
TEST(SplineKernels, SameBitsAsTheScalarKernel) {
  constexpr double kFloor = 1e-6;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::mt19937_64 random(8);
  std::uniform_real_distribution<double> unit(0.0, 1.0), nearOne(0.93, 1.07), offFloor(0.8e-3, 1.2e-3);
  std::vector<double> x, y;
  for (int i = 0; i < 1 << 18; ++i) {
    const double r = i % 3 == 0 ? std::sqrt(nearOne(random)) : i % 7 == 0 ? offFloor(random) : -1;
    const double angle = 6.283 * unit(random);
    x.push_back(r < 0 ? unit(random) : 0.5 + r * std::cos(angle));
    y.push_back(r < 0 ? unit(random) : 0.5 + r * std::sin(angle));
  }
  x.insert(x.end(), {0.5, 0.5 + 1e-3, nan, nan, nan, nan, nan, nan});
  y.insert(y.end(), {0.5, 0.5, nan, nan, nan, nan, nan, nan});
  ASSERT_EQ(x.size() % kColumnBlock, 0u);
  for (const ColumnKernels& kernels : AllKernelsOfThisProcessor()) {
    std::vector<double> column(x.size());
    kernels.splineKernels(x.data(), y.data(), x.size(), 0.5, 0.5, kFloor, column.data());
    for (std::size_t i = 0; i < x.size(); ++i) {
      const double dx = x[i] - 0.5, dy = y[i] - 0.5, r2 = dx * dx + dy * dy;
      const double expected = r2 > kFloor ? 0.5 * r2 * std::log(r2) : 0.0;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(column[i]), std::bit_cast<std::uint64_t>(expected))
          << kernels.name << " r² " << r2;
    }
  }
}

}  // namespace
}  // namespace vexilor
