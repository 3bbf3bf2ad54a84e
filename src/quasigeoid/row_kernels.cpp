#include "quasigeoid/row_kernels.h"

#include <algorithm>
#include <cstring>

// Each function below is built twice, for AVX2 and for the build's target;
// the loader picks one. Elsewhere (another processor family, a compiler
// without the attribute) it is built once.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VEXILOR_AVX2_AND_DEFAULT __attribute__((target_clones("avx2", "default")))
#else
#define VEXILOR_AVX2_AND_DEFAULT
#endif

// The helpers below take and give four-double vectors through references,
// never by value: a vector passed by value from the AVX2 build to a helper
// built without AVX would cross two calling conventions (clang refuses it,
// GCC warns), even though every helper is inlined.

namespace vexilor {
namespace {

using Doubles4 = double __attribute__((vector_size(32)));
using Bits4 = long long __attribute__((vector_size(32)));

constexpr long long kNoSign = 0x7fffffffffffffffLL;

[[gnu::always_inline]] inline void Load(const double* at, Doubles4& v) { std::memcpy(&v, at, sizeof v); }

[[gnu::always_inline]] inline void Store(double* at, const Doubles4& v) { std::memcpy(at, &v, sizeof v); }

// The lanes to keep: kFirstLanes[m] the first m of them, kAllLanesBut[j]
// all but lane j.
constexpr Bits4 kFirstLanes[5] = {{0, 0, 0, 0}, {-1, 0, 0, 0}, {-1, -1, 0, 0}, {-1, -1, -1, 0}, {-1, -1, -1, -1}};
constexpr Bits4 kAllLanesBut[4] = {{0, -1, -1, -1}, {-1, 0, -1, -1}, {-1, -1, 0, -1}, {-1, -1, -1, 0}};

// The sign bits cleared, and the lanes of the vector at slot k that stand
// for no open slot, or for the slot `skipped`, cleared whole (no slot is
// skipped when it is `open` or beyond). Only the vector of the last open
// slot and that of the skipped slot have lanes to clear.
[[gnu::always_inline]] inline void Magnitude(std::size_t k, std::size_t open, std::size_t skipped, Bits4& keep) {
  keep = Bits4{kNoSign, kNoSign, kNoSign, kNoSign};
  if (open - k < kRowVector) keep &= kFirstLanes[open - k];
  if (skipped - k < kRowVector) keep &= kAllLanesBut[skipped - k];
}

// running becomes the larger of running and |v| lane by lane, v masked by
// `magnitude`; where |v| is no number the running value stays.
[[gnu::always_inline]] inline void TakeLarger(const Doubles4& v, const Bits4& magnitude, Doubles4& running) {
  const Doubles4 m = reinterpret_cast<Doubles4>(reinterpret_cast<const Bits4&>(v) & magnitude);
  running = m > running ? m : running;
}

// The largest lane, by halves; the lanes are numbers, not below 0.
[[gnu::always_inline]] inline double LargestLane(const Doubles4& lanes) {
  const Doubles4 halves = __builtin_shufflevector(lanes, lanes, 2, 3, 0, 1);
  const Doubles4 half = halves > lanes ? halves : lanes;
  const Doubles4 pairs = __builtin_shufflevector(half, half, 1, 0, 3, 2);
  return (pairs > half ? pairs : half)[0];
}

}  // namespace

VEXILOR_AVX2_AND_DEFAULT
void RowMagnitudes(const double* a, std::size_t stride, std::size_t rows, std::size_t open, double* largest) {
  const std::size_t width = WholeVectors(open);
  for (std::size_t r = 0; r < rows; ++r) {
    const double* line = a + r * stride;
    Doubles4 lanes = {0.0, 0.0, 0.0, 0.0};
    for (std::size_t k = 0; k < width; k += kRowVector) {
      Doubles4 v;
      Bits4 magnitude;
      Load(line + k, v);
      Magnitude(k, open, open, magnitude);
      TakeLarger(v, magnitude, lanes);
    }
    largest[r] = LargestLane(lanes);
  }
}

namespace {

// What every row of one step shares.
struct Step {
  const double* pivotRow;
  const double* rhs;
  std::size_t pivotIndex, pivotSlot, open, width;
  // The last open value moves into the pivot's slot: the slots that stay
  // open hold every value but the pivot slot's. Only two vectors of a row
  // need lanes cleared; the others take the sign bits off alone.
  std::size_t lastVector, pivotVector;

  [[gnu::always_inline]] void MagnitudeAt(std::size_t k, Bits4& keep) const {
    if (k == lastVector || k == pivotVector)
      Magnitude(k, open, pivotSlot, keep);
    else
      keep = Bits4{kNoSign, kNoSign, kNoSign, kNoSign};
  }
};

// Row r after the step's reduction (when `reduce`): the last open value
// moved into the pivot slot and, when `track`, its open slots' largest
// magnitude.
template <bool track>
[[gnu::always_inline]] inline void ReduceRow(const Step& s, double* line, double& rhs, bool reduce, double& largest) {
  const double factor = line[s.pivotSlot];
  const Doubles4 f = {factor, factor, factor, factor};
  Doubles4 lanes = {0.0, 0.0, 0.0, 0.0};
  for (std::size_t k = 0; k < s.width; k += kRowVector) {
    Doubles4 v, p;
    Load(line + k, v);
    if (reduce) {
      Load(s.pivotRow + k, p);
      v = v - f * p;
      Store(line + k, v);
    }
    if constexpr (track) {
      Bits4 magnitude;
      s.MagnitudeAt(k, magnitude);
      TakeLarger(v, magnitude, lanes);
    }
  }
  if (reduce) rhs -= factor * s.rhs[s.pivotIndex];
  line[s.pivotSlot] = line[s.open - 1];
  if constexpr (track) largest = LargestLane(lanes);
}

// Two rows that are both reduced, in one pass over the pivot row.
template <bool track>
[[gnu::always_inline]] inline void ReduceTwoRows(const Step& s, double* one, double* two, double& rhsOne,
                                                 double& rhsTwo, double& largestOne, double& largestTwo) {
  const double factorOne = one[s.pivotSlot], factorTwo = two[s.pivotSlot];
  const Doubles4 f1 = {factorOne, factorOne, factorOne, factorOne};
  const Doubles4 f2 = {factorTwo, factorTwo, factorTwo, factorTwo};
  Doubles4 lanesOne = {0.0, 0.0, 0.0, 0.0}, lanesTwo = lanesOne;
  for (std::size_t k = 0; k < s.width; k += kRowVector) {
    Doubles4 p, v1, v2;
    Load(s.pivotRow + k, p);
    Load(one + k, v1);
    Load(two + k, v2);
    v1 = v1 - f1 * p;
    v2 = v2 - f2 * p;
    Store(one + k, v1);
    Store(two + k, v2);
    if constexpr (track) {
      Bits4 magnitude;
      s.MagnitudeAt(k, magnitude);
      TakeLarger(v1, magnitude, lanesOne);
      TakeLarger(v2, magnitude, lanesTwo);
    }
  }
  rhsOne -= factorOne * s.rhs[s.pivotIndex];
  rhsTwo -= factorTwo * s.rhs[s.pivotIndex];
  one[s.pivotSlot] = one[s.open - 1];
  two[s.pivotSlot] = two[s.open - 1];
  if constexpr (track) {
    largestOne = LargestLane(lanesOne);
    largestTwo = LargestLane(lanesTwo);
  }
}

// The listed rows, in pairs where both are reduced: the pivot row is read
// once for two. Each row sees the same operations either way. The largest
// magnitude of the rows tracked, 0 for none.
template <bool track>
[[gnu::always_inline]] inline double ReduceListed(const Step& s, double* a, double* rhs, std::size_t stride,
                                                  const std::size_t* rows, std::size_t count, double* largest) {
  const auto reduces = [&](std::size_t r) { return r != s.pivotIndex && a[r * stride + s.pivotSlot] != 0.0; };
  double most = 0.0;
  std::size_t i = 0;
  while (i < count) {
    const std::size_t r = rows[i];
    if (i + 1 < count && reduces(r) && reduces(rows[i + 1])) {
      const std::size_t q = rows[i + 1];
      ReduceTwoRows<track>(s, a + r * stride, a + q * stride, rhs[r], rhs[q], largest[r], largest[q]);
      if constexpr (track) most = std::max({most, largest[r], largest[q]});
      i += 2;
    } else {
      ReduceRow<track>(s, a + r * stride, rhs[r], reduces(r), largest[r]);
      if constexpr (track) most = std::max(most, largest[r]);
      i += 1;
    }
  }
  return most;
}

}  // namespace

VEXILOR_AVX2_AND_DEFAULT
double ReduceRows(double* a, double* rhs, std::size_t stride, const std::size_t* rows, std::size_t tracked,
                  std::size_t count, std::size_t open, std::size_t pivotIndex, std::size_t pivotSlot, double* largest) {
  const std::size_t width = WholeVectors(open);
  const Step s{a + pivotIndex * stride, rhs, pivotIndex, pivotSlot, open, width, width - kRowVector,
               pivotSlot / kRowVector * kRowVector};
  ReduceListed<false>(s, a, rhs, stride, rows + tracked, count - tracked, largest);
  return ReduceListed<true>(s, a, rhs, stride, rows, tracked, largest);
}

}  // namespace vexilor
