#pragma once
// Angles as the user types them and as they are shown and written:
// degrees, minutes and seconds separated by single blanks, and the same
// columns for any other division of the circle (grads, centigrads and
// centicentigrads).

#include <string>
#include <string_view>

#include "text/number_text.h"

namespace vexilor {

// Result of ParseAngle for any bad input. Every caller's range test
// (|latitude| > 90, |longitude| > 360, ...) rejects it; callers test ranges,
// not this value.
inline constexpr double kAngleParseError = 9999.0;

// Decimal degrees from "D M S", "D M" or "D", the pieces separated by exactly
// one blank. Each piece must pass IsNumberText; minutes and seconds must lie
// in [0, 60) and minutes may carry a fraction also when seconds follow;
// degrees have no range limit. Degrees that read negative, minus zero
// included, make the whole angle negative ("-0 30 00" is -0.5, "5e-0 30" is
// 5.5). Anything else, including a leading or trailing blank, gives
// kAngleParseError.
double ParseAngle(std::string_view text, const NumericLocale& locale = CurrentNumericLocale());

// The columns of an angle text: degrees, minutes and seconds, or degrees
// and minutes (for another division of the circle, its own three or two).
enum class AngleColumns { DegMinSec, DegMin };

// Whether the columns carry their marks ° ' " or are set off by blanks only.
enum class AngleMarks { None, Symbols };

struct AngleFormat {
  AngleColumns columns;
  int decimals;  // of the last column
  AngleMarks marks = AngleMarks::None;
};

// Text of `angle` (decimal degrees, reduced into [0, 360)) with the
// format's decimals on the last column: 1 to 6 for seconds, 1 to 8 for
// minutes (lower values act as 1, higher ones as the maximum). Parts that
// round up to 60 carry into the next part, 360 degrees shows as 0. The text
// starts with leading blanks and a sign mark so that columns line up: a
// non-negative angle takes one column more than a negative one, and a
// negative angle that rounds to zero shows a blank instead of "-". Examples:
// FormatAngle(55.5, {AngleColumns::DegMinSec, 2}) == "   55 30 00.00",
// FormatAngle(-12.5, {AngleColumns::DegMin, 1, AngleMarks::Symbols}) == " -12° 30.0'".
// A non-finite angle gives NonFiniteText (mask_format.h).
std::string FormatAngle(double angle, const AngleFormat& format);

// A division of the circle for angle texts: `circle` units to the turn, each
// unit of `parts` parts, each part of `parts` subparts, and the marks shown
// after the unit, the part and the subpart with AngleMarks::Symbols (the
// blank between the columns follows the mark).
struct AngleDivision {
  int circle;
  int parts;
  std::string_view unitMark;
  std::string_view partMark;
  std::string_view subpartMark;
};

// Degrees, minutes and seconds: 55° 30' 00.00".
inline constexpr AngleDivision kDegreeDivision{360, 60, "\u00B0", "'", "\""};

// FormatAngle for any division: the value is reduced into [0, circle), parts
// that round up to a whole `parts` carry into the next column, a full circle
// shows as 0; columns, marks, decimals and the leading blanks follow the
// rules of FormatAngle. FormatAngle is this with kDegreeDivision.
std::string FormatDividedAngle(double angle, const AngleFormat& format, const AngleDivision& division);

}  // namespace vexilor
