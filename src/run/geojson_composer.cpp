// GeoJSON results (RFC 7946): a FeatureCollection of Points, one Feature a
// line, in WGS-84 longitude and latitude (FormatTakesTarget). The third
// coordinate of GeoJSON is the height above the WGS-84 ellipsoid: it is
// written with geodetic heights; a normal height is no such height and is
// given as the property "normalHeight" instead. The properties are the
// point's "name" (its number in an .in source), "zeta" with the
// quasi-geoid column, and the fields a CSV source carries after the
// coordinates, as texts named by its header.

#include "text/json_text.h"
#include "run/map_composer.h"
#include "run/map_point_text.h"

namespace vexilor {
namespace {

const std::string kName = "name";
const std::string kNormalHeight = "normalHeight";
const std::string kZeta = "zeta";

class GeoJsonComposer : public MapComposer {
 public:
  explicit GeoJsonComposer(const ResultsSpec& spec) : MapComposer(spec, {kName, kNormalHeight, kZeta}) {}

  std::string Head() const override { return std::string(kGeoJsonHead); }
  std::string_view Separator() const override { return ",\n"; }
  std::string Tail() const override { return std::string(kGeoJsonTail); }

  void AppendPoint(std::string& bytes, std::int32_t, const SourceRecord& record,
                   const PointResult& result) const override {
    const MapPointText point = MapPointTextOf(result.coords);
    const bool geodetic = Layout().heights == HeightType::Geodetic;
    bytes += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[";
    bytes += point.longitude + "," + point.latitude;
    if (geodetic) bytes += "," + MapHeightText(result.coords[2]);
    bytes += "]},\"properties\":{" + Property(kName, JsonString(NameOf(record)));
    if (!geodetic) bytes += "," + Property(kNormalHeight, MapHeightText(result.coords[2]));
    if (Layout().geoidColumn) bytes += "," + Property(kZeta, MapHeightText(result.zeta));
    const std::vector<std::string> values = Extra().Values(record.extra);
    for (std::size_t k = 0; k < values.size(); ++k) bytes += "," + Property(Extra().Name(k), JsonString(values[k]));
    bytes += "}}";
  }

 private:
  static std::string Property(const std::string& name, const std::string& json) {
    return JsonString(name) + ":" + json;
  }
};

}  // namespace

std::unique_ptr<ResultsComposer> MakeGeoJsonComposer(const ResultsSpec& spec) {
  return std::make_unique<GeoJsonComposer>(spec);
}

}  // namespace vexilor
