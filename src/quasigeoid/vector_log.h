#pragma once
// The natural logarithm of W lanes at once, with the bits of glibc's log on
// a processor with fused multiply-adds (glibc since 2.28 on x86-64 takes
// that build of it wherever the processor has them). Same table
// (log_table.h), same operations in the same order, fused where glibc's
// are: so the spline's kernel, hundreds of logarithms a point, comes out as
// it did from std::log, only several lanes at a time.
//
// glibc takes other paths for x within [1 - 2^-4, 1 + 0x1.09p-4) (a
// polynomial in x - 1) and for x that are not positive normal numbers;
// lanes with such x are left to std::log. Builds without fused
// multiply-adds of their width leave every lane to it.
//
// Internal linkage, as for lanes.h.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#if defined(__AVX2__) || defined(__AVX512F__)
#include <immintrin.h>
#endif

#include "quasigeoid/lanes.h"
#include "quasigeoid/log_table.h"

namespace vexilor {
namespace {

// The width of the vectors this build works the logarithm in: the widest
// it has fused multiply-adds and gathers for; 0 for none.
#if defined(__AVX512F__) && defined(__FMA__)
constexpr std::size_t kLogWidth = 8;
#elif defined(__AVX2__) && defined(__FMA__)
constexpr std::size_t kLogWidth = 4;
#else
constexpr std::size_t kLogWidth = 0;
#endif

#if defined(__AVX2__) && defined(__FMA__)
template <std::size_t W>
typename Lanes<W>::Doubles Fused(typename Lanes<W>::Doubles a, typename Lanes<W>::Doubles b,
                                 typename Lanes<W>::Doubles c) {
  if constexpr (W == 8) return _mm512_fmadd_pd(a, b, c);
  else return _mm256_fmadd_pd(a, b, c);
}

// table[index] in each lane.
template <std::size_t W>
typename Lanes<W>::Doubles Gather(const double* table, typename Lanes<W>::Bits index) {
  // The masked form on AVX-512: GCC 12's plain one reads an uninitialised
  // vector.
  if constexpr (W == 8)
    return _mm512_mask_i64gather_pd(_mm512_setzero_pd(), 0xff, reinterpret_cast<__m512i>(index), table,
                                    sizeof(double));
  else return _mm256_i64gather_pd(table, reinterpret_cast<__m256i>(index), sizeof(double));
}

// Whether any lane has a bit set.
template <std::size_t W>
bool AnyLane(typename Lanes<W>::Bits lanes) {
  if constexpr (W == 8) return _mm512_test_epi64_mask(lanes, lanes) != 0;
  else return !_mm256_testz_si256(reinterpret_cast<__m256i>(lanes), reinterpret_cast<__m256i>(lanes));
}
#endif

// The lanes that glibc's main path does not take: near 1, or not a
// positive normal number (their top 16 bits outside [0x0010, 0x7ff0)).
template <std::size_t W>
typename Lanes<W>::Bits ElsewhereThanMainPath(typename Lanes<W>::Unsigned bits) {
  constexpr std::uint64_t kNearOneLow = 0x3fee000000000000;  // 1 - 2^-4
  constexpr std::uint64_t kNearOneHigh = 0x3ff1090000000000;  // 1 + 0x1.09p-4
  const auto nearOne = bits - kNearOneLow < kNearOneHigh - kNearOneLow;
  const auto notNormal = (bits >> 48) - 0x0010 >= 0x7ff0 - 0x0010;
  return reinterpret_cast<typename Lanes<W>::Bits>(nearOne | notNormal);
}

// y with the logarithms of x from std::log in the lanes given; apart from
// the main path, so that this stays out of its way.
template <std::size_t W>
[[gnu::noinline]] typename Lanes<W>::Doubles LogByLane(typename Lanes<W>::Doubles x, typename Lanes<W>::Doubles y,
                                                       typename Lanes<W>::Bits lanes) {
  for (std::size_t l = 0; l < W; ++l)
    if (lanes[l]) y[l] = std::log(x[l]);
  return y;
}

// The logarithms of the `wanted` lanes of x (lanes of all bits set); the
// other lanes hold anything.
template <std::size_t W>
[[gnu::always_inline]] inline typename Lanes<W>::Doubles LogOfLanes(typename Lanes<W>::Doubles x,
                                                                   typename Lanes<W>::Bits wanted) {
  using Doubles = typename Lanes<W>::Doubles;
  using Bits = typename Lanes<W>::Bits;
  using Unsigned = typename Lanes<W>::Unsigned;
  if constexpr (W != kLogWidth) {
    return LogByLane<W>(x, x, wanted);
  } else {
    // ln 2 split so that k · its high part is exact; ln(1 + r) - r as
    // a0 r² + r³ (a1 + a2 r + r² (a3 + a4 r)).
    constexpr double kLn2High = 0x1.62e42fefa3800p-1, kLn2Low = 0x1.ef35793c76730p-45;
    constexpr double a0 = -0x1.0000000000001p-1, a1 = 0x1.555555551305bp-2, a2 = -0x1.fffffffeb4590p-3,
                     a3 = 0x1.999b324f10111p-3, a4 = -0x1.55575e506c89fp-3;
    // x = 2^k z, z in [0x1.6p-1, 0x1.6p0): tmp's top 12 bits are k, the 7
    // below them the subinterval.
    constexpr std::uint64_t kSubintervalsStart = 0x3fe6000000000000;  // 0x1.6p-1
    const Unsigned bits = reinterpret_cast<Unsigned>(x);
    const Unsigned tmp = bits - kSubintervalsStart;
    const Bits entry = reinterpret_cast<Bits>((tmp >> (52 - 7)) % kLogTableSize * 2);
    const Bits k = reinterpret_cast<Bits>(tmp) >> 52;
    const Doubles z = reinterpret_cast<Doubles>(bits - (tmp & (0xfffULL << 52)));
    const Doubles invc = Gather<W>(&kLogTable[0].invc, entry);
    const Doubles logc = Gather<W>(&kLogTable[0].logc, entry);
    // k as a double, exactly: the bits of 2^52 + 2^51 + k, less that.
    constexpr double kIntegerShift = 0x1.8p52;
    const Doubles kd = reinterpret_cast<Doubles>(k + std::bit_cast<long long>(kIntegerShift)) - kIntegerShift;

    const auto all = [](double value) { return Broadcast<Doubles>(value); };
    const Doubles r = Fused<W>(z, invc, all(-1.0));
    const Doubles w = Fused<W>(kd, all(kLn2High), logc);
    const Doubles hi = w + r;
    const Doubles lo = Fused<W>(kd, all(kLn2Low), (w - hi) + r);
    const Doubles r2 = r * r, r3 = r * r2;
    const Doubles p = Fused<W>(Fused<W>(r, all(a4), all(a3)), r2, Fused<W>(r, all(a2), all(a1)));
    const Doubles y = Fused<W>(r3, p, Fused<W>(r2, all(a0), lo)) + hi;
    const Bits elsewhere = ElsewhereThanMainPath<W>(bits) & wanted;
    return AnyLane<W>(elsewhere) ? LogByLane<W>(x, y, elsewhere) : y;
  }
}

}  // namespace
}  // namespace vexilor
