#include "service/sk42_plane.h"

namespace vexilor {

PlaneSystem Sk42GaussKruger() {
  PlaneSystem system{6378245.0, 298.3, {}};
  ProjectionSlots& p = system.slots;
  p[1] = static_cast<double>(ProjectionKind::GaussKruger);
  p[2] = 0.0;       // prime meridian: Greenwich
  p[3] = 3.0;       // axial meridian of zone 1, degrees
  p[4] = 6.0;       // zone width, degrees
  p[5] = 0.0;       // false northing, metres
  p[6] = 500000.0;  // false easting, metres
  p[7] = 1.0;       // scale on the axial meridian
  p[8] = 0.0;       // longitudes to the east
  p[9] = 0.0;       // x along the meridian
  p[10] = 0.0;      // zone from the longitude
  return system;
}

}  // namespace vexilor
