#pragma once
// The shortest exact text of a double, used when reference files are written.

#include <string>

namespace vexilor {

// The shortest decimal text that ReadNumber reads back as exactly `value`:
// "." as separator, no locale, no grouping; fixed or exponent form, whichever
// is shorter ("298.257223563", "6378137", "-1.2e-07", "1e+22"). A non-finite
// value, which no reference file holds, gives NonFiniteText.
std::string ShortestDoubleText(double value);

}  // namespace vexilor
