#include "quasigeoid/quasi_geoid_link.h"

#include "geodesy/seven_parameter.h"

namespace vexilor {

ResultCode CarryQuasiGeoidPointToWgs84(double b, double l, double zeta, Geodetic& onWgs84) {
  const Geocentric onPz90 = GeodeticToGeocentric(
      kQuasiGeoidEllipsoid.a, kQuasiGeoidEllipsoid.inverseFlattening, b, l, zeta);
  Geocentric carried;
  const ResultCode code = SevenParameterTransform(LinkDirection::kFromBase, onPz90,
                                                  kQuasiGeoidToWgs84Link, carried);
  if (code != kOk) return code;
  return GeocentricToGeodetic(kWgs84Ellipsoid.a, kWgs84Ellipsoid.inverseFlattening, carried.x,
                              carried.y, carried.z, onWgs84);
}

}  // namespace vexilor
