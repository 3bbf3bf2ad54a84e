#pragma once
// Parameter sets shared by the engine tests, in the engine's slot numbering
// (false origins in metres).

#include "geodesy/projection_slots.h"

namespace vexilor::testing {

inline constexpr double kKrassA = 6378245.0;
inline constexpr double kKrassF = 298.3;
inline constexpr double kWgsA = 6378137.0;
inline constexpr double kWgsF = 298.257223563;

inline ProjectionSlots Slots(double kind, double prime, double s3, double s4, double x0, double y0,
                             double k0, double west, double axes, double zone = 0) {
  ProjectionSlots p;
  p.values = {kind, prime, s3, s4, x0, y0, k0, west, axes, zone};
  return p;
}

inline ProjectionSlots GaussKrugerSlots(double zone = 0) {
  return Slots(0, 0, 3, 6, 0, 500000, 1.0, 0, 0, zone);
}
inline ProjectionSlots UtmSlots() { return Slots(2, 0, 183, 6, 500000, 0, 0.9996, 0, 1); }
inline ProjectionSlots LambertSlots() { return Slots(1, 0, 10, 0, 500000, 0, 1.0, 0, 1); }

}  // namespace vexilor::testing
