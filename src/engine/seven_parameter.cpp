#include "engine/seven_parameter.h"

#include <array>
#include <cmath>
#include <vector>

#include "engine/angle_constants.h"
#include "engine/matrix.h"

namespace vexilor {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;

double ArcSecondsToRadians(double seconds) {
  return seconds / kArcSecondsPerDegree * kRadiansPerDegree;
}

// The linearised rotation for the given mode, full 3 × 3 in column order.
// The inverse form is the transpose of the forward one, so one sign s turns
// every off-diagonal term.
std::array<double, 9> RotationMatrix(int mode, double wx, double wy, double wz) {
  const double s = -mode;
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

ResultCode SevenParameterTransform(int mode, const Geocentric& in, const LinkParams& p,
                                   Geocentric& out) {
  if (mode != kToBase && mode != kFromBase) return kBadTransformMode;
  const std::array<double, 9> r = RotationMatrix(mode, ArcSecondsToRadians(p[3]),
                                                 ArcSecondsToRadians(p[4]),
                                                 ArcSecondsToRadians(p[5]));
  const std::array<double, 3> x{in.x, in.y, in.z};
  std::vector<double> rx;
  if (MatrixProduct(r, x, rx, 3, 3, kFullStorage, kFullStorage, 1) != kOk)
    return kMatrixProductFailed;
  // Forward: (1 + m) and +D; inverse: (1 - m) and -D.
  const double k = 1.0 - mode * p[6];
  const Geocentric result{k * rx[0] - mode * p[0], k * rx[1] - mode * p[1],
                          k * rx[2] - mode * p[2]};
  if (!std::isfinite(result.x) || !std::isfinite(result.y) || !std::isfinite(result.z))
    return kLinkResultNotFinite;
  out = result;
  return kOk;
}

}  // namespace vexilor
