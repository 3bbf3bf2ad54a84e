#include "run/geocentric_points.h"

#include "quasigeoid/grid_session.h"
#include "quasigeoid/quasi_geoid.h"

namespace vexilor {

ResultCode ToGeocentric(const PointSetFrame& frame, const std::vector<SourcePoint>& points,
                        std::vector<NumberedPoint>& out, std::int32_t& failed) {
  PointRoute route;
  route.source = frame.side;
  route.target = frame.side;
  route.target.type = CoordType::XYZ;
  route.projection[Side::Source] = frame.projection;
  route.gridFile = frame.gridFile;
  // X, Y, Z carry no height to take from the quasi-geoid.
  route.heights = frame.side.type == CoordType::XYZ ? HeightType::Geodetic : frame.heights;
  GridSession session(route.gridFile, kGridSignature, GridAccess{}.ForFewPoints());
  QuasiGeoidLookup grid(session);
  std::vector<NumberedPoint> marks;
  for (const SourcePoint& p : points) {
    PointResult r;
    if (const ResultCode code = TransformOnePoint(route, grid, p.coords, r); code != kOk) {
      failed = static_cast<std::int32_t>(marks.size() + 1);
      return code;
    }
    marks.push_back({p.number, {r.coords[0], r.coords[1], r.coords[2]}});
  }
  out = std::move(marks);
  return kOk;
}

}  // namespace vexilor
