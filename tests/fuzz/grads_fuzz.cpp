// The grads parser and both angle commands of the service tools. Grads
// shown with six decimals of centicentigrads read back to within half a
// unit of the last place.

#include <cmath>
#include <string>

#include "service/angle_conversion.h"
#include "service/grads_text.h"
#include "fuzz_support.h"

using namespace vexilor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  const double grads = ParseGrads(text);
  fuzz::Check(std::isfinite(grads), "grads read are finite");
  for (int unit = -1; unit <= 4; ++unit) {
    for (const auto& shown : {ConvertDegreesToGrads(text, unit), ConvertGradsToDegrees(text, unit)})
      if (shown) fuzz::Check(!shown->empty() && (unit >= 0 && unit <= 3), "a converted angle is shown");
  }
  if (grads == kGradsParseError || std::fabs(grads) >= 400) return 0;
  const std::string shown = fuzz::WithoutLeadingBlanks(FormatGrads(grads, {AngleColumns::DegMinSec, 6}));
  const double back = ParseGrads(shown);
  fuzz::Check(back != kGradsParseError, "shown grads read back");
  fuzz::Check(fuzz::CircleDistance(back, grads, 400.0) <= 0.5e-6 / 10000 + 1e-9, "shown grads read back to their value");
  return 0;
}
