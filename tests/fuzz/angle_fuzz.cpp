// ParseAngle under a "." and a "," locale, and FormatAngle of what it
// reads in every layout. An angle shown with six decimals of seconds reads
// back to within half a unit of the last place.

#include <cmath>
#include <string>

#include "text/angle_text.h"
#include "fuzz_support.h"

using namespace vexilor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  const int decimals = size > 0 ? data[0] % 11 - 1 : 0;
  for (const NumericLocale& locale : {NumericLocale{"."}, NumericLocale{","}}) {
    const double angle = ParseAngle(text, locale);
    fuzz::Check(std::isfinite(angle), "an angle read is finite");
    for (AngleColumns columns : {AngleColumns::DegMinSec, AngleColumns::DegMin})
      for (AngleMarks marks : {AngleMarks::None, AngleMarks::Symbols})
        fuzz::Check(!FormatAngle(angle, {columns, decimals, marks}).empty(), "an angle is shown");
    if (angle == kAngleParseError || std::fabs(angle) >= 360) continue;
    const std::string shown = fuzz::WithoutLeadingBlanks(FormatAngle(angle, {AngleColumns::DegMinSec, 6}));
    const double back = ParseAngle(shown, NumericLocale{"."});
    fuzz::Check(back != kAngleParseError, "a shown angle reads back");
    fuzz::Check(fuzz::CircleDistance(back, angle, 360.0) <= 0.5e-6 / 3600 + 1e-9, "a shown angle reads back to its value");
  }
  return 0;
}
