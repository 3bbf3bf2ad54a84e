#pragma once
// The plain numeric reader: how every typed value and every number of a file
// is turned into a double.

#include <optional>
#include <string_view>

namespace vexilor {

// Reads the number at the start of `text` with "." as the decimal separator,
// whatever the locale: optional leading blanks, an optional sign, digits with
// one ".", an optional exponent ("e" or "E", optional sign, digits). Reading
// stops at the first character that cannot continue the number, so "12,5"
// reads 12, "7 km" reads 7 and "1e" reads 1. A text that does not begin with
// a number ("", "abc", "-", ".") reads 0.
//
// Empty when the number read is too large for a double ("1e999"): callers
// never receive an infinity or a NaN and must treat empty as unreadable.
// A magnitude too small for a double reads as zero.
std::optional<double> ReadNumber(std::string_view text);

}  // namespace vexilor
