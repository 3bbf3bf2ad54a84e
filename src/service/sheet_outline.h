#pragma once
// The outline of a map sheet for a map of WGS-84: the sheet's frame, drawn
// in СК-42, carried to WGS-84 point by point, so that a sheet laid over a
// web map sits where it belongs (its СК-42 edges lie some 100 m off their
// WGS-84 namesakes).
//
// The edges of a sheet are parallels and meridians of СК-42. Each edge is
// taken in equal parts of at most 1′ (a 1:10 000 sheet, 2.5′ by 3.75′,
// gets 3 and 4 parts a side); over 1′ the route's shift changes by
// micrometres, so the points carry the edge whole. Each is carried at
// height 0 along the route the engine takes from СК-42 to WGS-84 through
// their bases (datum.h); the height changes the shift by less than a
// micrometre per metre.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "geodesy/lat_lon.h"
#include "geodesy/result_codes.h"
#include "run/point_pipeline.h"
#include "service/sheet_frame.h"

namespace vexilor {

// The longest part of an edge, degrees.
inline constexpr double kOutlineStep = 1.0 / 60.0;

// The closed ring of the sheet `frame` (СК-42 degrees) carried along
// `route` (СК-42 B L H to WGS-84 B L H, geodetic heights): from the
// south-west corner east, north, west and south again, counter-clockwise
// as GeoJSON wants an outer ring, the last point the first. Longitudes are
// those of the sheet's own side of 180° (a sheet given in 180…360 east
// is taken west of Greenwich). A code of the route fails the outline and
// leaves `ring` untouched.
ResultCode SheetOutline(const SheetFrame& frame, const PointRoute& route, std::vector<LatLonDegrees>& ring);

// A GeoJSON FeatureCollection of one Feature: the Polygon of `ring` (to
// 10⁻⁹°, 0.1 mm) with the properties "name" (the nomenclature, UTF-8) and
// "scale" (its denominator).
std::string SheetOutlineGeoJson(std::string_view name, std::int32_t scale, const std::vector<LatLonDegrees>& ring);

}  // namespace vexilor
