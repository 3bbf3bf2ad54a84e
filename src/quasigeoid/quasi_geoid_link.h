#pragma once
// The fixed link of the quasi-geoid step: the grid's heights refer to the
// ПЗ-90 ellipsoid, and a point lying ζ above it is carried to WGS-84 with
// fixed seven parameters in the form from the base (LinkDirection::
// kFromBase, coordinate frame; seven_parameter.h). They are the WGS-84 →
// ПЗ-90 link of GOST R 51794-2008 that sys.dat carries (1.08, 0.27, 0.90 m;
// 0.16″; 1.2·10⁻⁷) with the shifts to the decimetre, fixed so that the
// heights of the grid mean the same whatever the reference files say.
// Through this link ζ of a system on WGS-84 stays within 2.4 mm of EGM96 at
// the standard grid's nodes, through the sys.dat link within 38 mm
// (tests/oracle, quasi_geoid_heights_oracle_test).

#include "geodesy/ellipsoid.h"
#include "geodesy/link_params.h"
#include "geodesy/result_codes.h"

namespace vexilor {

// The ellipsoid of the grid's heights: ПЗ-90, a = 6 378 136 m, 1/f = 298.25784.
inline constexpr EllipsoidAxes kQuasiGeoidEllipsoid{6378136.0, 298.25784};
inline constexpr EllipsoidAxes kWgs84Ellipsoid{6378137.0, 298.257223563};

// Dx, Dy, Dz 1.1, 0.3, 0.9 m; Wx, Wy 0, Wz 0.16″; m 1.2·10⁻⁷.
inline constexpr LinkParams kQuasiGeoidToWgs84Link = {1.1, 0.3, 0.9, 0.0, 0.0, 0.16, 1.2e-7};

// The point (b, l radians; zeta metres above the ПЗ-90 ellipsoid) on the
// WGS-84 ellipsoid. Codes of the seven-parameter transformation and of the
// geocentric conversion; `onWgs84` is untouched on failure.
ResultCode CarryQuasiGeoidPointToWgs84(double b, double l, double zeta, Geodetic& onWgs84);

}  // namespace vexilor
