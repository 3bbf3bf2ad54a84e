#pragma once
// Integer parts and checked integer conversions of doubles.
//
// The program counts in 16-bit signed integers (zone numbers, degree words,
// list indices). A double that does not fit is reported, never wrapped.

#include <cstdint>
#include <optional>

namespace vexilor {

// Greatest integer not above x.
double Int(double x);

// Integer part of x, truncated towards zero.
double Fix(double x);

// Nearest integer, a half going to the even neighbour; empty when x is not
// finite or the result does not fit the type.
std::optional<std::int16_t> ToInt16(double x);
std::optional<std::int32_t> ToInt32(double x);

}  // namespace vexilor
