#include "geodesy/datum.h"

#include "geodesy/ellipsoid.h"
#include "geodesy/seven_parameter.h"

namespace vexilor {
namespace {

ResultCode Convert(const EllipsoidAxes& e, CoordType from, CoordType to,
                   const ProjectionParams& params, const Coords& in, Coords& out) {
  return ConvertCoordType(e.a, e.inverseFlattening, from, to, params, in, out);
}

ResultCode Leg(LinkDirection direction, const LinkParams& link, Geocentric& point) {
  return SevenParameterTransform(direction, point, link, point);
}

// The seven-parameter legs from the source's geocentric frame to the
// target's. `finish` receives the ellipsoid on which the point leaves XYZ.
ResultCode GeocentricLegs(const SystemSide& source, const SystemSide& target,
                          const GlobalLinkParams& global, Geocentric& point,
                          EllipsoidAxes& finish) {
  ResultCode code = kOk;
  if (!IsGlobalSystem(source.name)) {
    code = Leg(LinkDirection::kToBase, source.vector.Link(), point);
    if (code != kOk) return code;
    if (source.base == target.name) {
      finish = source.vector.Base();
      return kOk;
    }
    if (target.base != source.base) {
      code = Leg(LinkDirection::kToBase, global, point);
      if (code != kOk) return code;
    }
    finish = target.vector.Own();
    return Leg(LinkDirection::kFromBase, target.vector.Link(), point);
  }
  if (IsGlobalSystem(target.name)) {
    // Each global system has the other as its base, so the source's own link
    // is the global-to-global one.
    finish = source.vector.Base();
    return Leg(LinkDirection::kToBase, source.vector.Link(), point);
  }
  if (target.base != source.name) {
    code = Leg(LinkDirection::kToBase, source.vector.Link(), point);
    if (code != kOk) return code;
    if (target.base != source.base) return kNoRoute;
  }
  finish = target.vector.Own();
  return Leg(LinkDirection::kFromBase, target.vector.Link(), point);
}

}  // namespace

bool IsGlobalSystem(std::string_view name) { return name == kPz90Name || name == kWgs84Name; }

ResultCode TransformPoint(const SystemSide& source, const SystemSide& target,
                          const GlobalLinkParams& global, const Coords& in,
                          const ProjectionParams& params, Coords& out) {
  if (!IsGlobalSystem(source.base) || !IsGlobalSystem(target.base)) return kBaseNotGlobal;
  if (source.name == target.name)
    return Convert(source.vector.Own(), source.type, target.type, params, in, out);
  Coords xyz;
  ResultCode code =
      Convert(source.vector.Own(), source.type, CoordType::XYZ, params, in, xyz);
  if (code != kOk) return code;
  Geocentric point{xyz[0], xyz[1], xyz[2]};
  EllipsoidAxes finish;
  code = GeocentricLegs(source, target, global, point, finish);
  if (code != kOk) return code;
  return Convert(finish, CoordType::XYZ, target.type, params, {point.x, point.y, point.z}, out);
}

}  // namespace vexilor
