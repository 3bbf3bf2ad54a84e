#pragma once
// Change of coordinate type on one ellipsoid: geodetic (BLH), geocentric
// (XYZ) and plane projection coordinates with height (xyH).
//
//   BLH → BLH, XYZ → XYZ  copied unchanged
//   BLH ⇄ XYZ             ellipsoid.h
//   BLH → xyH             projected with the target side of the projection
//                         parameters (project_point.h), H copied
//   XYZ → xyH             to BLH, then projected; H of the BLH step
//   xyH → BLH             inverse with the source side, H copied
//   xyH → XYZ             inverse with the source side, H taken as ellipsoidal
//   xyH → xyH             inverse with the source side, forward with the
//                         target side, H copied
//
// The projections take degrees: B and L cross with the engine's degree
// factors. The height of a plane point is always the height above this
// ellipsoid; no quasi-geoid enters here.
//
// Measured (tests/oracle, coord_type_oracle_test, Gauss-Krüger and UTM,
// |l| ≤ 2.9°, |B| < 80°, H -500 to 9000 m): B L H → x y H 0.036 mm and back
// 1.4·10⁻⁹°; X Y Z → x y H 0.036 mm, the height to 2.3·10⁻⁹ m; PROJ's x y H
// → X Y Z 0.14 mm.

#include <array>
#include <optional>
#include <string_view>

#include "geodesy/projection_slots.h"
#include "geodesy/result_codes.h"

namespace vexilor {

enum class CoordType { BLH, XYZ, xyH };

// The engine's names of the types: "BLH", "XYZ", "xyH".
std::string_view CoordTypeName(CoordType type);
std::optional<CoordType> CoordTypeFromName(std::string_view name);

// Three coordinates in engine units: BLH as B, L radians and H metres; XYZ
// metres; xyH as x, y metres (zone in the millions) and H metres.
using Coords = std::array<double, 3>;

// Plane points are read with the source side of `params` and written with
// the target side, whatever ellipsoid the conversion runs on. On failure `out` is untouched
// and the code of the failing step is returned.
ResultCode ConvertCoordType(double a, double inverseFlattening, CoordType from, CoordType to,
                            const ProjectionParams& params, const Coords& in, Coords& out);

}  // namespace vexilor
