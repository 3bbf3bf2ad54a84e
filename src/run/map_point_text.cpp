#include "run/map_point_text.h"

#include <cmath>

#include "text/mask_format.h"
#include "geodesy/angle_constants.h"

namespace vexilor {
double LongitudeWithin180(double degrees) {
  const double reduced = std::fmod(degrees, kDegreesPerCircle);
  if (reduced >= 180) return reduced - kDegreesPerCircle;
  return reduced < -180 ? reduced + kDegreesPerCircle : reduced;
}

std::string MapDegreesText(double degrees) { return FormatWithMask(degrees, "0.000000000"); }

MapPointText MapPointTextOf(const Coords& coords) {
  return {MapDegreesText(LongitudeWithin180(coords[1] * kDegreesPerRadian)),
          MapDegreesText(coords[0] * kDegreesPerRadian)};
}

std::string MapHeightText(double metres) { return FormatWithMask(metres, "0.0000"); }

}  // namespace vexilor
