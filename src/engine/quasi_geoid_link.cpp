#include "engine/quasi_geoid_link.h"

#include "engine/seven_parameter.h"

namespace vexilor {

ResultCode CarryQuasiGeoidPointToWgs84(double b, double l, double zeta, Geodetic& onWgs84) {
  const Geocentric onPz90 = GeodeticToGeocentric(kQuasiGeoidEllipsoidA,
                                                 kQuasiGeoidEllipsoidInverseFlattening, b, l, zeta);
  Geocentric carried;
  const ResultCode code =
      SevenParameterTransform(kFromBase, onPz90, kQuasiGeoidToWgs84Link, carried);
  if (code != kOk) return code;
  return GeocentricToGeodetic(kWgs84A, kWgs84InverseFlattening, carried.x, carried.y, carried.z,
                              onWgs84);
}

}  // namespace vexilor
