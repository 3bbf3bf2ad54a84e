#include "geodesy/coord_type.h"

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/project_point.h"

namespace vexilor {
namespace {

// The intermediate form of every conversion: geodetic, angles in radians.
ResultCode ToGeodetic(double a, double invF, CoordType from, const ProjectionParams& params,
                      const Coords& in, Geodetic& g) {
  switch (from) {
    case CoordType::BLH:
      g = {in[0], in[1], in[2]};
      return kOk;
    case CoordType::XYZ:
      return GeocentricToGeodetic(a, invF, in[0], in[1], in[2], g);
    case CoordType::xyH: {
      PlanePoint plane{in[0], in[1]};
      LatLonDegrees geo;
      const ResultCode code =
          ProjectPoint(a, invF, ProjectionDirection::kInverse, plane, geo, params.source);
      if (code != kOk) return code;
      g = {geo.b * kRadiansPerDegree, geo.l * kRadiansPerDegree, in[2]};
      return kOk;
    }
  }
  return kUnknownCoordType;
}

ResultCode FromGeodetic(double a, double invF, CoordType to, const ProjectionParams& params,
                        const Geodetic& g, Coords& out) {
  switch (to) {
    case CoordType::BLH:
      out = {g.b, g.l, g.h};
      return kOk;
    case CoordType::XYZ: {
      const Geocentric c = GeodeticToGeocentric(a, invF, g.b, g.l, g.h);
      out = {c.x, c.y, c.z};
      return kOk;
    }
    case CoordType::xyH: {
      PlanePoint plane;
      LatLonDegrees geo{g.b * kDegreesPerRadian, g.l * kDegreesPerRadian};
      const ResultCode code =
          ProjectPoint(a, invF, ProjectionDirection::kForward, plane, geo, params.target);
      if (code != kOk) return code;
      out = {plane.x, plane.y, g.h};
      return kOk;
    }
  }
  return kUnknownCoordType;
}

bool AllFinite(const Coords& c) {
  return std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]);
}

}  // namespace

std::string_view CoordTypeName(CoordType type) {
  switch (type) {
    case CoordType::BLH: return "BLH";
    case CoordType::XYZ: return "XYZ";
    case CoordType::xyH: return "xyH";
  }
  return "";
}

std::optional<CoordType> CoordTypeFromName(std::string_view name) {
  for (CoordType t : {CoordType::BLH, CoordType::XYZ, CoordType::xyH})
    if (CoordTypeName(t) == name) return t;
  return std::nullopt;
}

ResultCode ConvertCoordType(double a, double inverseFlattening, CoordType from, CoordType to,
                            const ProjectionParams& params, const Coords& in, Coords& out) {
  // A type kept as it is is copied, not carried through the ellipsoid.
  if (from == to && from != CoordType::xyH) {
    out = in;
    return kOk;
  }
  Geodetic g;
  ResultCode code = ToGeodetic(a, inverseFlattening, from, params, in, g);
  if (code != kOk) return code;
  Coords r;
  code = FromGeodetic(a, inverseFlattening, to, params, g, r);
  if (code != kOk) return code;
  if (!AllFinite(r)) return kCoordinatesNotFinite;
  out = r;
  return kOk;
}

}  // namespace vexilor
