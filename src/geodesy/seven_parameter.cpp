#include "geodesy/seven_parameter.h"

#include <cmath>

#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

double ArcSecondsToRadians(double seconds) {
  return seconds / kArcSecondsPerDegree * kRadiansPerDegree;
}

}  // namespace

ResultCode SevenParameterTransform(LinkDirection direction, const Geocentric& in,
                                   const LinkParams& p, Geocentric& out) {
  // From the base all seven enter negated: the rotation transposed, 1 - m
  // and -D. Multiplying by ±1 is exact, so both forms give the results of
  // their formulas (header) to the last bit.
  const double sign = direction == LinkDirection::kToBase ? 1.0 : -1.0;
  const double wx = sign * ArcSecondsToRadians(p[kLinkWx]);
  const double wy = sign * ArcSecondsToRadians(p[kLinkWy]);
  const double wz = sign * ArcSecondsToRadians(p[kLinkWz]);
  const double k = 1.0 + sign * p[kLinkScale];
  const double x = in.x, y = in.y, z = in.z;
  const Geocentric result{k * (x + wz * y - wy * z) + sign * p[kLinkDx],
                          k * (-wz * x + y + wx * z) + sign * p[kLinkDy],
                          k * (wy * x - wx * y + z) + sign * p[kLinkDz]};
  if (!std::isfinite(result.x) || !std::isfinite(result.y) || !std::isfinite(result.z))
    return kLinkResultNotFinite;
  out = result;
  return kOk;
}

}  // namespace vexilor
