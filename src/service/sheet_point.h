#pragma once
// The point whose sheet is named: typed as latitude and longitude, or as
// СК-42 Gauss-Krüger plane coordinates, and checked before it is used.

#include <string>
#include <string_view>

#include "geodesy/lat_lon.h"

namespace vexilor {

// Which of the two typed values is refused.
enum class PointField { kNone, kFirst, kSecond };

struct SheetPoint {
  PointField refused = PointField::kNone;
  std::string message;  // what to tell the user when a value is refused
  LatLonDegrees geo;           // degrees; meaningful when nothing is refused
};

// Latitude and longitude as angle texts (ParseAngle: "55 45 20.5", "55 45.3",
// "55.755"): |B| <= 90 ("Неверное значение широты"), |L| <= 360 ("Неверное
// значение долготы"). The sheet rule narrows them further.
SheetPoint ReadGeodeticPoint(std::string_view latitude, std::string_view longitude);

// x and y in metres, y with the zone number in its millions (so at least
// 1 000 000), taken back to latitude and longitude on Krassovsky. An
// unreadable y, a y below 1 000 000 or a zone the projection refuses
// (code 105) refuse the ordinate ("Неверное значение ординаты"); an
// unreadable x, any other failure of the projection, or a latitude beyond
// 84° refuse the abscissa ("Неверное значение абсциссы"). A longitude just
// past 360° (the overlap of zone 60) is given less 360°.
SheetPoint ReadPlanePoint(std::string_view x, std::string_view y);

}  // namespace vexilor
