#include "service/sheet_point.h"

#include <cmath>
#include <optional>

#include "geodesy/project_point.h"
#include "service/sk42_plane.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace vexilor {
namespace {

constexpr double kZoneMillions = 1000000.0;
constexpr double kSheetLatitudeLimit = 84.0;

SheetPoint Refused(PointField field, std::string message) { return {field, std::move(message), {}}; }

SheetPoint BadAbscissa() { return Refused(PointField::kFirst, "Неверное значение абсциссы"); }
SheetPoint BadOrdinate() { return Refused(PointField::kSecond, "Неверное значение ординаты"); }

}  // namespace

SheetPoint ReadGeodeticPoint(std::string_view latitude, std::string_view longitude) {
  const double b = ParseAngle(latitude);
  if (!(std::fabs(b) <= 90.0)) return Refused(PointField::kFirst, "Неверное значение широты");
  const double l = ParseAngle(longitude);
  if (!(std::fabs(l) <= 360.0)) return Refused(PointField::kSecond, "Неверное значение долготы");
  return {PointField::kNone, "", {b, l}};
}

SheetPoint ReadPlanePoint(std::string_view x, std::string_view y) {
  const std::optional<double> abscissa = NumberOfText(x);
  if (!abscissa) return BadAbscissa();
  const std::optional<double> ordinate = NumberOfText(y);
  if (!ordinate || !(*ordinate >= kZoneMillions)) return BadOrdinate();

  const PlaneSystem system = Sk42GaussKruger();
  PlanePoint plane{*abscissa, *ordinate};
  LatLonDegrees geo;
  const ResultCode code = ProjectPoint(system.a, system.inverseFlattening, ProjectionDirection::kInverse, plane, geo, system.slots);
  if (code == kNoValidZone) return BadOrdinate();
  if (code != kOk || !(std::fabs(geo.b) <= kSheetLatitudeLimit)) return BadAbscissa();
  if (geo.l > 360.0) geo.l -= 360.0;
  return {PointField::kNone, "", geo};
}

}  // namespace vexilor
