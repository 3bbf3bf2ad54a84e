#pragma once
// Sides of a route as the shipped catalogue defines them: each system's own
// ellipsoid (a in metres, 1/f), its base's, and its link to the base (Dx, Dy,
// Dz in metres; Wx, Wy, Wz in arc seconds; m as a plain ratio).

#include <string>

#include "geodesy/datum.h"
#include "run/point_pipeline.h"

namespace vexilor::testing {

// СК-42 on ПЗ-90.
inline SystemSide Ck42Side(CoordType type, std::string name = "Pulkovo 1942 (CK42)") {
  SystemSide s{std::move(name), kPz90Name, type, {}};
  s.vector.values = {6378245, 298.3, 6378136, 298.25784, 25, -141, -80, 0, -0.35, -0.66, 0};
  return s;
}

// ПЗ-90 on WGS-84.
inline SystemSide Pz90Side(CoordType type) {
  SystemSide s{kPz90Name, kWgs84Name, type, {}};
  s.vector.values = {6378136, 298.25784, 6378137, 298.257223563, -1.08, -0.27, -0.9, 0, 0, -0.16, -0.12e-6};
  return s;
}

// WGS-84 on itself.
inline SystemSide Wgs84Side(CoordType type) {
  SystemSide s{kWgs84Name, kWgs84Name, type, {}};
  s.vector.values = {6378137, 298.257223563, 6378137, 298.257223563, 0, 0, 0, 0, 0, 0, 0};
  return s;
}

}  // namespace vexilor::testing
