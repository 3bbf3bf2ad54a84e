// GPX 1.1 results: one waypoint a point, in WGS-84 latitude and longitude
// (FormatTakesTarget), with its height as the elevation (the normal height
// with normal heights, the height above the ellipsoid with geodetic ones),
// the quasi-geoid height as the geoid height when asked for, its name (its
// number in an .in source) and the fields a CSV source carries after the
// coordinates as its description, "; " between those that are not empty.

#include "text/xml_text.h"
#include "run/map_composer.h"
#include "run/map_point_text.h"

namespace vexilor {
namespace {

class GpxComposer : public MapComposer {
 public:
  explicit GpxComposer(const ResultsSpec& spec) : MapComposer(spec, {}) {}

  std::string Head() const override {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"Vexilor\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
  }
  std::string Tail() const override { return "</gpx>\n"; }

  void AppendPoint(std::string& bytes, std::int32_t, const SourceRecord& record,
                   const PointResult& result) const override {
    const MapPointText point = MapPointTextOf(result.coords);
    bytes += "<wpt lat=\"" + point.latitude + "\" lon=\"" + point.longitude + "\">";
    bytes += "<ele>" + MapHeightText(result.coords[2]) + "</ele>";
    if (Layout().geoidColumn) bytes += "<geoidheight>" + MapHeightText(result.zeta) + "</geoidheight>";
    bytes += "<name>" + XmlText(NameOf(record)) + "</name>";
    std::string description;
    for (const std::string& value : Extra().Values(record.extra))
      if (!value.empty()) description += (description.empty() ? "" : "; ") + value;
    if (!description.empty()) bytes += "<desc>" + XmlText(description) + "</desc>";
    bytes += "</wpt>\n";
  }
};

}  // namespace

std::unique_ptr<ResultsComposer> MakeGpxComposer(const ResultsSpec& spec) {
  return std::make_unique<GpxComposer>(spec);
}

}  // namespace vexilor
