#include "geodesy/seven_parameter.h"

#include <array>
#include <cmath>
#include <vector>

#include "geodesy/angle_constants.h"
#include "geodesy/matrix.h"

namespace vexilor {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;

double ArcSecondsToRadians(double seconds) {
  return seconds / kArcSecondsPerDegree * kRadiansPerDegree;
}

// +1 to the base, -1 from it: the sign of the scale correction, of the shifts
// and of the off-diagonal terms of the rotation. Multiplying by ±1 is exact,
// so both forms give the results of their formulas (header) to the last bit.
double SignOf(LinkDirection direction) {
  return direction == LinkDirection::kToBase ? 1.0 : -1.0;
}

// The linearised rotation, full 3 × 3 in column order. The inverse form is
// the transpose of the forward one, so one sign s turns every off-diagonal
// term.
std::array<double, 9> RotationMatrix(double s, double wx, double wy, double wz) {
  std::array<double, 9> r;
  r.fill(1.0);
  auto at = [&r](int i, int j) -> double& {
    return r[static_cast<std::size_t>(i - 1 + 3 * (j - 1))];
  };
  at(1, 2) = s * wz;
  at(1, 3) = -s * wy;
  at(2, 1) = -s * wz;
  at(2, 3) = s * wx;
  at(3, 1) = s * wy;
  at(3, 2) = -s * wx;
  return r;
}

}  // namespace

ResultCode SevenParameterTransform(LinkDirection direction, const Geocentric& in,
                                   const LinkParams& p, Geocentric& out) {
  if (direction != LinkDirection::kToBase && direction != LinkDirection::kFromBase)
    return kBadTransformMode;
  const double s = SignOf(direction);
  const std::array<double, 9> r =
      RotationMatrix(s, ArcSecondsToRadians(p[kLinkWx]), ArcSecondsToRadians(p[kLinkWy]),
                     ArcSecondsToRadians(p[kLinkWz]));
  const std::array<double, 3> x{in.x, in.y, in.z};
  std::vector<double> rx;
  if (MatrixProduct(r, x, rx, 3, 3, kFullStorage, kFullStorage, 1) != kOk)
    return kMatrixProductFailed;
  // To the base: (1 + m) and +D; from it: (1 - m) and -D.
  const double k = 1.0 + s * p[kLinkScale];
  const Geocentric result{k * rx[0] + s * p[kLinkDx], k * rx[1] + s * p[kLinkDy],
                          k * rx[2] + s * p[kLinkDz]};
  if (!std::isfinite(result.x) || !std::isfinite(result.y) || !std::isfinite(result.z))
    return kLinkResultNotFinite;
  out = result;
  return kOk;
}

}  // namespace vexilor
