#pragma once
// The column passes of column_kernels.h, written once over vectors of W
// doubles and built by each of column_kernels*.cpp with the instructions of
// its processor family. Everything here has internal linkage, so that no
// build's copy of a pass can stand in for another's at link time; only
// those three files include this header.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#if defined(__AVX512F__)
#include <immintrin.h>
#endif

#include "quasigeoid/column_kernels.h"
#include "quasigeoid/lanes.h"
#include "quasigeoid/vector_log.h"

namespace vexilor {

// The builds for AVX2 and AVX-512 (x86-64 only).
ColumnKernels Avx2Kernels();
ColumnKernels Avx512Kernels();

namespace {

// The magnitudes of the values on the open rows, 0 on the others, as their
// bits. Magnitudes order as their bits do, read as signed integers, with a
// NaN above every number: the integer comparisons below find it largest.
template <class Doubles, class Bits>
Bits MagnitudeOn(Bits rows, Doubles v) {
  return reinterpret_cast<Bits>(v) & rows;
}

template <class Bits>
Bits Larger(Bits v, Bits running) {
  return v > running ? v : running;
}

// `running` after the magnitudes of v on the open rows, lane by lane.
template <std::size_t W>
typename Lanes<W>::Bits TakeMagnitudes(typename Lanes<W>::Bits running, typename Lanes<W>::Doubles v,
                                       typename Lanes<W>::Bits rows) {
  return Larger(MagnitudeOn(rows, v), running);
}

#if defined(__AVX512DQ__)
// In one instruction: VRANGEPD keeps the larger magnitude of two values
// with its sign cleared (imm8 bits 1:0 = 11, bits 3:2 = 10), here on the
// open rows only. A NaN arising in the elimination may then be passed
// over, to reach the solution, where the integer comparison would fail the
// step.
template <>
Lanes<8>::Bits TakeMagnitudes<8>(Lanes<8>::Bits running, Lanes<8>::Doubles v, Lanes<8>::Bits rows) {
  constexpr int kLargerMagnitudeSignCleared = 0x0b;
  const auto open = reinterpret_cast<__m512i>(rows);
  const auto kept = reinterpret_cast<__m512d>(running);
  return reinterpret_cast<Lanes<8>::Bits>(
      _mm512_mask_range_pd(kept, _mm512_test_epi64_mask(open, open), v, kept, kLargerMagnitudeSignCleared));
}
#endif

// Lanes `from` .. from + W/2 - 1 of v.
template <std::size_t W, std::size_t from, std::size_t... lane>
typename Lanes<W / 2>::Bits HalfOf(typename Lanes<W>::Bits v, std::index_sequence<lane...>) {
  return __builtin_shufflevector(v, v, (from + lane)...);
}

// The largest lane, by halves.
template <std::size_t W>
long long LargestLane(typename Lanes<W>::Bits lanes) {
  if constexpr (W == 1) {
    return lanes[0];
  } else {
    constexpr auto half = std::make_index_sequence<W / 2>{};
    return LargestLane<W / 2>(Larger(HalfOf<W, W / 2>(lanes, half), HalfOf<W, 0>(lanes, half)));
  }
}

template <std::size_t W>
double LargestMagnitude(typename Lanes<W>::Bits lanes) {
  return std::bit_cast<double>(LargestLane<W>(lanes));
}

// Whether a lane of `lanes` is `wanted`.
template <std::size_t W>
bool HoldsLane(typename Lanes<W>::Bits lanes, typename Lanes<W>::Bits wanted) {
  return LargestLane<W>((lanes == wanted) & 1) != 0;
}

#if defined(__AVX512F__)
template <>
bool HoldsLane<8>(Lanes<8>::Bits lanes, Lanes<8>::Bits wanted) {
  return _mm512_cmpeq_epi64_mask(reinterpret_cast<__m512i>(lanes), reinterpret_cast<__m512i>(wanted)) != 0;
}
#endif

// The integer comparison here even on AVX-512: a NaN in the matrix as set
// up is found largest and fails the solve at once.
template <std::size_t W>
double Magnitudes(const ColumnMatrix& m, const std::size_t* columns, std::size_t count, std::int64_t* lanes) {
  using Doubles = typename Lanes<W>::Doubles;
  using Bits = typename Lanes<W>::Bits;
  Bits most = {};
  for (std::size_t i = 0; i < count; ++i) {
    const double* column = m.values + columns[i] * m.stride;
    Bits running = {};
    for (std::size_t k = 0; k < m.stride; k += W)
      running = Larger(MagnitudeOn(Load<Bits>(m.openRows + k), Load<Doubles>(column + k)), running);
    Store(lanes + i * kColumnBlock, running);
    most = Larger(running, most);
  }
  return LargestMagnitude<W>(most);
}

// One step over columns of V vectors (V = 0: as many as the stride holds).
// With V known, the factors and the open rows are taken into registers once
// for all the columns.
template <std::size_t W, std::size_t V>
double ReduceVectors(const ColumnStep& s, const std::size_t* columns, std::size_t count, std::int64_t* lanes) {
  using Doubles = typename Lanes<W>::Doubles;
  using Bits = typename Lanes<W>::Bits;
  const std::size_t stride = s.matrix.stride, vectors = V > 0 ? V : stride / W;
  Doubles heldFactors[V > 0 ? V : 1];
  Bits heldRows[V > 0 ? V : 1];
  for (std::size_t k = 0; k < V; ++k) {
    heldFactors[k] = Load<Doubles>(s.factors + k * W);
    heldRows[k] = Load<Bits>(s.matrix.openRows + k * W);
  }
  const auto factors = [&](std::size_t k) { return V > 0 ? heldFactors[k] : Load<Doubles>(s.factors + k * W); };
  const auto rows = [&](std::size_t k) { return V > 0 ? heldRows[k] : Load<Bits>(s.matrix.openRows + k * W); };
  const std::size_t pivotRow = s.pivotRow;
  const double inverse = s.inverse;
  // The column reduced; its magnitudes lane by lane.
  const auto reduce = [&](double* column) {
    const double pivotValue = column[pivotRow] * inverse;
    const Doubles p = Broadcast<Doubles>(pivotValue);
    Bits running = {};
    for (std::size_t k = 0; k < vectors; ++k) {
      const Doubles f = factors(k);
      Doubles v = Load<Doubles>(column + k * W);
      // A row whose factor is 0 is left as it is, -0 included.
      const Doubles reduced = v - f * p;
      v = f != 0.0 ? reduced : v;
      Store(column + k * W, v);
      running = TakeMagnitudes<W>(running, v, rows(k));
    }
    // The pivot row's factor is 0: its value is written here.
    column[pivotRow] = pivotValue;
    return running;
  };
  reduce(s.rhs);
  double* const values = s.matrix.values;
  Bits most = {};
  for (std::size_t i = 0; i < count; ++i) {
    const Bits running = reduce(values + columns[i] * stride);
    Store(lanes + i * kColumnBlock, running);
    most = Larger(running, most);
  }
  return LargestMagnitude<W>(most);
}

// Columns of up to 40 rows (the spline's systems) run with their number of
// vectors known.
template <std::size_t W, std::size_t... V>
double ReduceBySize(const ColumnStep& s, const std::size_t* columns, std::size_t count, std::int64_t* lanes,
                    std::index_sequence<V...>) {
  using Pass = double (*)(const ColumnStep&, const std::size_t*, std::size_t, std::int64_t*);
  static constexpr Pass kPasses[] = {&ReduceVectors<W, V>...};
  const std::size_t vectors = s.matrix.stride / W;
  return kPasses[vectors < sizeof...(V) ? vectors : 0](s, columns, count, lanes);
}

template <std::size_t W>
double Reduce(const ColumnStep& s, const std::size_t* columns, std::size_t count, std::int64_t* lanes) {
  return ReduceBySize<W>(s, columns, count, lanes, std::make_index_sequence<40 / W + 1>{});
}

template <std::size_t W>
PivotPlace FindPivot(const ColumnMatrix& m, const std::int64_t* places, const std::size_t* columns,
                     const std::int64_t* lanes, std::size_t count, double magnitude, std::int64_t lowest) {
  using Doubles = typename Lanes<W>::Doubles;
  using Bits = typename Lanes<W>::Bits;
  const Bits none = Bits{} + static_cast<long long>(m.stride);
  const Bits wanted = reinterpret_cast<Bits>(Broadcast<Doubles>(magnitude));
  PivotPlace pivot = {static_cast<std::int64_t>(m.stride), 0};
  for (std::size_t i = 0; i < count && pivot.place > lowest; ++i) {
    if (!HoldsLane<W>(Load<Bits>(lanes + i * kColumnBlock), wanted)) continue;
    const double* column = m.values + columns[i] * m.stride;
    Bits first = none;
    for (std::size_t k = 0; k < m.stride; k += W) {
      const Bits held = MagnitudeOn(Load<Bits>(m.openRows + k), Load<Doubles>(column + k));
      const Bits place = held == wanted ? Load<Bits>(places + k) : none;
      first = place < first ? place : first;
    }
    const std::int64_t place = -LargestLane<W>(-first);
    if (place < pivot.place) pivot = {place, i};
  }
  return pivot;
}

template <std::size_t W>
void SplineKernels(const double* x, const double* y, std::size_t count, double x0, double y0, double floor,
                   double* column) {
  using Doubles = typename Lanes<W>::Doubles;
  using Bits = typename Lanes<W>::Bits;
  const Doubles fromX = Broadcast<Doubles>(x0), fromY = Broadcast<Doubles>(y0);
  const auto kernels = [&](Doubles px, Doubles py) {
    const Doubles dx = px - fromX, dy = py - fromY;
    const Doubles r2 = dx * dx + dy * dy;
    const Bits wanted = r2 > floor;
    return wanted ? 0.5 * r2 * LogOfLanes<W>(r2, wanted) : Doubles{};
  };
  for (std::size_t i = 0; i < count; i += W) Store(column + i, kernels(Load<Doubles>(x + i), Load<Doubles>(y + i)));
}

template <std::size_t W>
ColumnKernels KernelsOfWidth(const char* name) {
  return {name, &Magnitudes<W>, &Reduce<W>, &FindPivot<W>, &SplineKernels<W>};
}

}  // namespace
}  // namespace vexilor
