#include "run/point_pipeline.h"

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"
#include "quasigeoid/quasi_geoid.h"
#include "quasigeoid/quasi_geoid_link.h"
#include "geodesy/seven_parameter.h"

namespace vexilor {
namespace {

// Latitude and longitude of the point in its source base, radians.
ResultCode PositionInSourceBase(const SystemSide& source, const GlobalLinkParams& global,
                                const Coords& in, const ProjectionParams& params, Coords& blh) {
  if (source.name == kPz90Name) {
    const EllipsoidAxes own = source.vector.Own();
    return ConvertCoordType(own.a, own.inverseFlattening, source.type, CoordType::BLH, params, in,
                            blh);
  }
  const SystemSide base{source.base, source.base, CoordType::BLH, source.vector};
  return TransformPoint(source, base, global, in, params, blh);
}

// The height above the ellipsoid of `side` of the point (b, l) lying zeta
// above the ПЗ-90 ellipsoid.
ResultCode ZetaOnSide(const SystemSide& side, double b, double l, float zeta, float& out) {
  const bool basedOnPz90 = side.base == kPz90Name;
  const EllipsoidAxes pz90 = basedOnPz90 ? side.vector.Base() : kQuasiGeoidEllipsoid;
  Geocentric inBase = GeodeticToGeocentric(pz90.a, pz90.inverseFlattening, b, l, zeta);
  if (!basedOnPz90) {
    // The side's base is WGS-84: the fixed link carries the point there.
    Geocentric onWgs84;
    const ResultCode code = SevenParameterTransform(LinkDirection::kFromBase, inBase,
                                                    kQuasiGeoidToWgs84Link, onWgs84);
    if (code != kOk) return code;
    inBase = onWgs84;
  }
  Geocentric point;
  ResultCode code =
      SevenParameterTransform(LinkDirection::kFromBase, inBase, side.vector.Link(), point);
  if (code != kOk) return code;
  Geodetic g;
  const EllipsoidAxes own = side.vector.Own();
  code = GeocentricToGeodetic(own.a, own.inverseFlattening, point.x, point.y, point.z, g);
  if (code != kOk) return code;
  out = static_cast<float>(g.h);
  return kOk;
}

}  // namespace

HeightMode HeightModeOf(HeightType heights, bool geoidColumn) {
  if (heights == HeightType::Normal)
    return geoidColumn ? HeightMode::kBoth : HeightMode::kSourceOnly;
  return geoidColumn ? HeightMode::kTargetOnly : HeightMode::kNone;
}

ResultCode QuasiGeoidHeights(const SystemSide& source, const SystemSide& target,
                             const GlobalLinkParams& global, const Coords& in,
                             const ProjectionParams& params, QuasiGeoidLookup& grid,
                             HeightMode mode, float& zetaSource, float& zetaTarget) {
  Coords blh{};
  ResultCode code = PositionInSourceBase(source, global, in, params, blh);
  if (code != kOk) return code;
  float zeta = 0;
  code = grid.Height(blh[0] * kDegreesPerRadian, blh[1] * kDegreesPerRadian, zeta);
  if (code != kOk) return code;
  float toTarget = zetaTarget;
  float toSource = zetaSource;
  if (mode == HeightMode::kBoth || mode == HeightMode::kTargetOnly) {
    if (target.name == kPz90Name) {
      toTarget = zeta;
    } else {
      code = ZetaOnSide(target, blh[0], blh[1], zeta, toTarget);
      if (code != kOk) return code;
    }
  }
  if (mode == HeightMode::kBoth || mode == HeightMode::kSourceOnly) {
    code = ZetaOnSide(source, blh[0], blh[1], zeta, toSource);
    if (code != kOk) return code;
  }
  zetaTarget = toTarget;
  zetaSource = toSource;
  return kOk;
}

ResultCode TransformOnePoint(const PointRoute& route, QuasiGeoidLookup& grid, const Coords& in,
                             PointResult& out) {
  const HeightMode mode = HeightModeOf(route.heights, route.geoidColumn);
  float zetaSource = 0;
  float zetaTarget = 0;
  if (mode != HeightMode::kNone) {
    const ResultCode code =
        QuasiGeoidHeights(route.source, route.target, route.global, in, route.projection,
                          grid, mode, zetaSource, zetaTarget);
    if (code != kOk) return code;
  }
  Coords point = in;
  if (route.heights == HeightType::Normal) point[2] += zetaSource;
  Coords r{};
  const ResultCode code =
      TransformPoint(route.source, route.target, route.global, point, route.projection, r);
  if (code != kOk) return code;
  // A normal height is the same in every system; XYZ carries no height.
  if (route.target.type != CoordType::XYZ && route.heights == HeightType::Normal) r[2] = in[2];
  out = {r, zetaTarget};
  return kOk;
}

ResultCode TransformOnePoint(const PointRoute& route, const Coords& in, PointResult& out) {
  GridSession session(route.gridFile, kGridSignature, GridAccess::WindowByWindow());
  QuasiGeoidLookup grid(session);
  return TransformOnePoint(route, grid, in, out);
}

}  // namespace vexilor
