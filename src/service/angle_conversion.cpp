#include "service/angle_conversion.h"

#include <cmath>

#include "geodesy/angle_constants.h"
#include "service/grads_text.h"
#include "text/angle_text.h"
#include "text/mask_format.h"
#include "text/text_edit.h"

namespace vexilor {
namespace {

// The angle of a trimmed, non-empty source text within the limit.
template <typename Parser>
std::optional<double> SourceAngle(std::string_view source, Parser parse) {
  const std::string_view text = TrimBlanks(source);
  if (text.empty()) return std::nullopt;
  const double angle = parse(text);
  if (!(angle <= kLargestAngle)) return std::nullopt;
  return angle;
}

bool IsUnit(int unit) { return unit >= 0 && unit < static_cast<int>(kGradsUnitNames.size()); }

}  // namespace

std::optional<std::string> ConvertDegreesToGrads(std::string_view source, int unit) {
  const std::optional<double> degrees = SourceAngle(source, [](std::string_view t) { return ParseAngle(t); });
  if (!degrees || !IsUnit(unit)) return std::nullopt;
  const double grads = *degrees / 360.0 * 400.0;
  // A huge negative angle in degrees overflows in grads.
  if (!std::isfinite(grads)) return std::nullopt;
  switch (unit) {
    case 0: return FormatGrads(grads, {AngleColumns::DegMinSec, 4});
    case 1: return FormatGrads(grads, {AngleColumns::DegMin, 6});
    case 2: return FormatWithMask(grads, "0.00000000");
    default: return FormatWithMask(grads / 400.0 * 360.0 * kRadiansPerDegree, "0.00000000000");
  }
}

std::optional<std::string> ConvertGradsToDegrees(std::string_view source, int unit) {
  const std::optional<double> grads = SourceAngle(source, [](std::string_view t) { return ParseGrads(t); });
  if (!grads || !IsUnit(unit)) return std::nullopt;
  const double degrees = *grads / 400.0 * 360.0;
  switch (unit) {
    case 0: return FormatAngle(degrees, {AngleColumns::DegMinSec, 5});
    case 1: return FormatAngle(degrees, {AngleColumns::DegMin, 8});
    case 2: return FormatWithMask(degrees, "0.000000000");
    default: return FormatWithMask(degrees * kRadiansPerDegree, "0.00000000000");
  }
}

}  // namespace vexilor
