#pragma once
// The table of the natural logarithm that the spline's kernel columns use
// (vector_log.h): that of Szabolcs Nagy's logarithm (ARM optimized-routines,
// 2018), the one glibc's log has computed since version 2.28, so that the
// lanes give glibc's bits.
//
// A number x > 0 is written x = 2^k z with z in [0x1.6p-1, 0x1.6p0), whose
// 128 equal subintervals each have a point c near their centre; then
//   ln x = ln(1 + r) + ln c + k ln 2,   r = z/c - 1, |r| < 1/256,
// and ln(1 + r) - r is a polynomial. Each c was chosen so that 1/c is a
// double, ln c as a double errs by less than 2^-66, and ln c adds to the
// high part of k ln 2 without rounding.

#include <cstddef>

namespace vexilor {

struct LogTableEntry {
  double invc;  // 1/c
  double logc;  // ln c
};

inline constexpr std::size_t kLogTableSize = 128;
extern const LogTableEntry kLogTable[kLogTableSize];

}  // namespace vexilor
