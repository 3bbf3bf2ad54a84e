#pragma once
// A geodetic point as maps on the web and GPS receivers take it: longitude
// and latitude in decimal degrees, the longitude in [-180, 180), each to
// 10⁻⁹° (0.1 mm on the ground), and heights in metres to 0.1 mm.

#include <string>
#include <string_view>

#include "geodesy/coord_type.h"

namespace vexilor {

struct MapPointText {
  std::string longitude;
  std::string latitude;
};

// What opens and closes a GeoJSON FeatureCollection, its features one to a
// line between them.
inline constexpr std::string_view kGeoJsonHead = "{\"type\":\"FeatureCollection\",\"features\":[\n";
inline constexpr std::string_view kGeoJsonTail = "\n]}\n";

// `coords`: B, L in radians (engine units of a B L H point).
MapPointText MapPointTextOf(const Coords& coords);

// An angle in decimal degrees to 10⁻⁹°.
std::string MapDegreesText(double degrees);

// The longitude `degrees` within [-180, 180), west negative.
double LongitudeWithin180(double degrees);

// A height or a quasi-geoid height, metres.
std::string MapHeightText(double metres);

}  // namespace vexilor
