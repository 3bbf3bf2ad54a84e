#include "service/sheet_outline.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "text/json_text.h"
#include "geodesy/angle_constants.h"
#include "run/map_point_text.h"

namespace vexilor {
namespace {

// The parts an edge from `from` to `to` is taken in.
int Parts(double from, double to) { return std::max(1, static_cast<int>(std::ceil(std::fabs(to - from) / kOutlineStep - 1e-9))); }

// The points of the frame's edges in СК-42, corners once each, from the
// south-west corner counter-clockwise, closed.
std::vector<LatLonDegrees> FramePoints(const SheetFrame& f) {
  const std::array<LatLonDegrees, 5> corners{LatLonDegrees{f.south, f.west}, LatLonDegrees{f.south, f.east},
                                             LatLonDegrees{f.north, f.east}, LatLonDegrees{f.north, f.west},
                                             LatLonDegrees{f.south, f.west}};
  std::vector<LatLonDegrees> points;
  for (std::size_t k = 0; k + 1 < corners.size(); ++k) {
    const LatLonDegrees& a = corners[k];
    const LatLonDegrees& b = corners[k + 1];
    const int parts = std::max(Parts(a.b, b.b), Parts(a.l, b.l));
    for (int i = 0; i < parts; ++i) {
      const double t = static_cast<double>(i) / parts;
      points.push_back({a.b + (b.b - a.b) * t, a.l + (b.l - a.l) * t});
    }
  }
  points.push_back(corners.back());
  return points;
}

}  // namespace

ResultCode SheetOutline(const SheetFrame& frame, const PointRoute& route, std::vector<LatLonDegrees>& ring) {
  // A sheet given in 180…360 east lies west of Greenwich.
  const double turn = frame.west >= 180 ? 360.0 : 0.0;
  std::vector<LatLonDegrees> carried;
  for (const LatLonDegrees& p : FramePoints(frame)) {
    PointResult r;
    const ResultCode code = TransformOnePoint(route, {p.b * kRadiansPerDegree, p.l * kRadiansPerDegree, 0.0}, r);
    if (code != kOk) return code;
    // The shift moves a point by metres: it stays on the sheet's side.
    const double l = r.coords[1] * kDegreesPerRadian;
    carried.push_back({r.coords[0] * kDegreesPerRadian, l - turn + kDegreesPerCircle * std::round((p.l - l) / kDegreesPerCircle)});
  }
  ring = std::move(carried);
  return kOk;
}

std::string SheetOutlineGeoJson(std::string_view name, std::int32_t scale, const std::vector<LatLonDegrees>& ring) {
  std::string json(kGeoJsonHead);
  json += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Polygon\",\"coordinates\":[[";
  for (std::size_t k = 0; k < ring.size(); ++k) {
    if (k > 0) json += ",";
    json += "[" + MapDegreesText(ring[k].l) + "," + MapDegreesText(ring[k].b) + "]";
  }
  json += "]]},\"properties\":{\"name\":" + JsonString(name) + ",\"scale\":" + std::to_string(scale) + "}}";
  json += kGeoJsonTail;
  return json;
}

}  // namespace vexilor
