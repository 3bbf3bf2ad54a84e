#include "text/numeric.h"

#include <cmath>
#include <limits>

namespace vexilor {
namespace {

template <typename T>
std::optional<T> RoundHalfEvenTo(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  // nearbyint rounds halves to even in the default rounding mode.
  const double r = std::nearbyint(x);
  if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
      r > static_cast<double>(std::numeric_limits<T>::max()))
    return std::nullopt;
  return static_cast<T>(r);
}

}  // namespace

double Int(double x) { return std::floor(x); }

double Fix(double x) { return std::trunc(x); }

std::optional<std::int16_t> ToInt16(double x) { return RoundHalfEvenTo<std::int16_t>(x); }

std::optional<std::int32_t> ToInt32(double x) { return RoundHalfEvenTo<std::int32_t>(x); }

}  // namespace vexilor
