#include "service/sheet_corners.h"

#include <cmath>

#include "geodesy/project_point.h"
#include "text/mask_format.h"
#include "text/numeric.h"
#include "text/text_edit.h"

namespace vexilor {
namespace {

constexpr int kCoordinateWidth = 12;
constexpr std::array<std::string_view, 4> kCornerLabels{"Северо-запад ", "Северо-восток", "Юго-запад    ",
                                                        "Юго-восток   "};

std::string Coordinate(double metres) { return PadLeft(FormatWithMask(metres, "0.00"), kCoordinateWidth); }

}  // namespace

ResultCode ProjectSheetCorners(const SheetFrame& frame, const PlaneSystem& system, SheetCorners& corners) {
  const std::array<LatLonDegrees, 4> geo{LatLonDegrees{frame.north, frame.west}, LatLonDegrees{frame.north, frame.east},
                                  LatLonDegrees{frame.south, frame.west}, LatLonDegrees{frame.south, frame.east}};
  ProjectionSlots slots = system.slots;
  SheetCorners projected;
  for (std::size_t k = 0; k < geo.size(); ++k) {
    LatLonDegrees point = geo[k];
    const ResultCode code =
        ProjectPoint(system.a, system.inverseFlattening, ProjectionDirection::kForward, projected[k], point, slots);
    if (code != kOk) return code;
    // The zone of the north-west corner holds the other three.
    if (k == 0) slots.SetFixedZone(Fix(projected[0].y * 1e-6));
  }
  corners = projected;
  return kOk;
}

std::string SheetCornerText(const SheetCorners& corners, std::string_view lineBreak) {
  std::string text;
  for (std::size_t k = 0; k < corners.size(); ++k) {
    if (k > 0) text += lineBreak;
    text += std::string(kCornerLabels[k]) + Coordinate(corners[k].x) + Coordinate(corners[k].y);
  }
  return text;
}

std::string Sk42SheetCornerText(const SheetFrame& frame, std::string_view lineBreak) {
  SheetCorners corners;
  if (ProjectSheetCorners(frame, Sk42GaussKruger(), corners) != kOk) return "";
  return SheetCornerText(corners, lineBreak);
}

}  // namespace vexilor
