#pragma once
// The route of a point from one coordinate system of the catalogue to
// another. Every system is tied by its link to one of the two global systems,
// its base; the two global systems are tied to each other. The route runs in
// geocentric coordinates:
//
//   source -> source base -> (global link, when the bases differ)
//          -> target base -> target
//
// each leg a seven-parameter transformation in the coordinate-frame
// convention (seven_parameter.h): "to the base" with the source's link and
// with the global link, "from the base" (its first-order inverse) with the
// target's link. The change of coordinate type at both ends
// (coord_type.h) runs on the source's own ellipsoid at the start and, at
// the end, on the target's own ellipsoid - or on the source's base
// ellipsoid when the target is that base.
//
// Units: as ConvertCoordType, per type: B, L radians and H metres; X, Y, Z
// metres; plane x, y and H metres.
//
// Measured (tests/oracle, helmert_oracle_test): B L H through the route
// against PROJ's cart and helmert steps of the same legs, compared in X Y Z:
// 1.5·10⁻⁸ m for СК-42 ⇄ WGS-84 and ПЗ-90 ⇄ WGS-84, 5000 points with
// |B| < 89° and H -500 to 9000 m. The route adds no approximation of its
// own beyond its legs.

#include <string>
#include <string_view>

#include "geodesy/coord_type.h"
#include "geodesy/link_params.h"
#include "geodesy/projection_slots.h"
#include "geodesy/result_codes.h"
#include "geodesy/system_vector.h"

namespace vexilor {

// Full display names of the two global systems. Systems are compared by
// these names, exactly and case-sensitively.
inline const std::string kPz90Name = "Russia 1990 Global Coordinate System (ПЗ-90)";
inline const std::string kWgs84Name = "WGS 1984 Global Definition (WGS84)";

bool IsGlobalSystem(std::string_view name);

// One end of a transformation: the system's display name, its base's display
// name, the coordinate type of the point at this end and the system's vector.
struct SystemSide {
  std::string name;
  std::string base;
  CoordType type = CoordType::BLH;
  SystemVector vector;
};

// Carries `in` (engine units of source.type) to `out` (engine units of
// target.type). The arguments are those of the route grouped by side:
// (source name, source base, source type, source vector), the same for the
// target, then the global link from the source base to the target base (read
// only when the two bases differ), the point, and both sides of the
// projection parameters (the source side reads a plane point, the target
// side writes one).
//
// Codes: kBaseNotGlobal when either base is not a global system; kNoRoute;
// any code of the seven-parameter legs or of ConvertCoordType unchanged.
// `out` is left untouched on failure. Two sides with the same name only
// change the type of the point on the source's own ellipsoid; no link is
// read then.
ResultCode TransformPoint(const SystemSide& source, const SystemSide& target,
                          const GlobalLinkParams& global, const Coords& in,
                          const ProjectionParams& params, Coords& out);

}  // namespace vexilor
