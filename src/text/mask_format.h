#pragma once
// Numbers shown to the user and written to files, formatted by digit masks
// such as "0.0000", "##00" or "#0". The separator is always "." whatever the
// locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexilor {

// The most decimal places a mask rounds to.
inline constexpr int kMaxMaskDecimals = 64;

// Formats `value` by `mask`:
// - before the ".": '0' is a mandatory digit, '#' an optional one; the
//   integer part shows at least as many digits as there are placeholders from
//   the first '0' on ("##00" -> 2, "#0" -> 1, "#" -> none, so zero shows as
//   nothing), and always all of its digits;
// - after the ".": one decimal per placeholder (at most kMaxMaskDecimals;
//   placeholders beyond are ignored); the value is rounded there,
//   a half away from zero; trailing zeros in '#' places are dropped, and the
//   "." with them when no decimal is left;
// - any other character of the mask is ignored.
// Rounding works on the 15-significant-digit decimal form of the value, the
// form in which a typed or computed decimal is recovered exactly, so 2.675
// with "0.00" gives "2.68" although the double lies just below 2.675.
// A negative value gets "-"; one that rounds to zero shows none.
// A non-finite value gives NonFiniteText.
std::string FormatWithMask(double value, std::string_view mask);

// `value` counted in units of the last of `decimals` places (value times
// 10^decimals), rounded exactly as FormatWithMask rounds to that many
// places, so a number split into columns after this rounding shows the same
// digits as the masked number. Empty when the value is not finite or the
// count does not fit 18 digits or `decimals` is beyond kMaxMaskDecimals.
std::optional<std::int64_t> RoundedUnits(double value, int decimals);

// Marker shown instead of a non-finite number: "NaN", "Inf" or "-Inf".
std::string NonFiniteText(double value);

}  // namespace vexilor
