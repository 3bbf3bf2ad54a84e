#pragma once
// The shape and value of a decimal number written in text, with a decimal
// separator chosen by the caller. Shared by the plain numeric reader ("."
// always) and the locale-aware numeric test (the locale's separator).

#include <cstddef>
#include <optional>
#include <string_view>

namespace vexilor {

// Length in bytes of the decimal number at the very start of `text`: an
// optional sign, decimal digits with at most one `separator` (with a digit
// on at least one side of it), then optionally an exponent: "e" or "E", an
// optional sign and at least one digit. An exponent mark without digits is
// not part of the number. 0 when no number starts there.
std::size_t DecimalNumberLength(std::string_view text, std::string_view separator);

// Value of `number`, a text that DecimalNumberLength accepts whole, rounded
// correctly to the nearest double. A magnitude too small for a double reads
// as zero of its sign; empty when the magnitude is too large, so no infinity
// or NaN ever comes out of text.
std::optional<double> DecimalNumberValue(std::string_view number, std::string_view separator);

}  // namespace vexilor
