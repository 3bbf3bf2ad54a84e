#include "service/sk42_plane.h"

namespace vexilor {

PlaneSystem Sk42GaussKruger() {
  PlaneSystem system{6378245.0, 298.3, {}};
  ProjectionSlots& p = system.slots;
  p.SetKind(ProjectionKind::GaussKruger);
  p.SetPrimeMeridian(0.0);  // Greenwich
  p.SetZoneOneAxialMeridian(3.0);
  p.SetZoneWidth(6.0);
  p.SetFalseX(0.0);       // northing
  p.SetFalseY(500000.0);  // easting
  p.SetScale(1.0);
  p.SetWestPositive(false);
  p.SetAxesExchanged(false);  // x along the meridian
  p.SetFixedZone(0.0);        // the zone follows the longitude
  return system;
}

}  // namespace vexilor
