#pragma once
// Angles in grads as the user types them and as they are shown: grads,
// centigrads and centicentigrads separated by blanks (400 grads to the
// circle, 100 centigrads to the grad, 100 centicentigrads to the centigrad).

#include <string>
#include <string_view>

#include "text/angle_text.h"

namespace vexilor {

// Result of ParseGrads for any bad input; the callers' limit of 990 refuses
// it together with the 9999 of ParseAngle.
inline constexpr double kGradsParseError = 999.0;

// Grads, centigrads and centicentigrads: 100 g 00 c 00.0000 cc.
inline constexpr AngleDivision kGradDivision{400, 100, " g", " c", " cc"};

// Decimal grads from "g c cc", "g c" or "g": one to three blank-separated
// words (runs of blanks count as one) that pass IsNumberText, centigrads
// and centicentigrads in [0, 100). A "-" that starts the
// first word makes the whole angle negative ("-0 50" is -0.5). Anything
// else gives kGradsParseError.
double ParseGrads(std::string_view text);

// FormatAngle for grads (FormatDividedAngle with kGradDivision): three
// columns are grads, centigrads and centicentigrads with up to 6 decimals,
// two grads and centigrads with up to 8; the marks are " g", " c", " cc".
// FormatGrads(100, {AngleColumns::DegMinSec, 4}) == "  100 00 00.0000".
std::string FormatGrads(double grads, const AngleFormat& format);

}  // namespace vexilor
