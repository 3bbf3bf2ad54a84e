#include "projection/projection_kinds.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "geodesy/datum.h"

namespace vexilor {
namespace {

// The false origin of the horizontal axis must keep the whole zone east of
// the origin (65 km per degree of zone width, about the half-width of a zone
// at the equator) and stay below 1000 km; the vertical one is only bounded
// by the size of the Earth.
bool FalseOriginFits(double metres, double zoneWidth, bool horizontal) {
  if (horizontal) return 65000.0 * zoneWidth <= metres && metres < 1000000.0;
  return std::fabs(metres) <= 10000000.0;
}

bool IsLongitudeBelow360(double v, const RangeContext&) { return std::fabs(v) < 360.0; }
bool IsZoneWidth(double v, const RangeContext&) { return 0.5 <= v && v <= 15.0; }
bool FitsFalseOriginX(double v, const RangeContext& c) {
  return FalseOriginFits(v, c.params.ZoneWidth(), c.yAxisVertical);
}
bool FitsFalseOriginY(double v, const RangeContext& c) {
  return FalseOriginFits(v, c.params.ZoneWidth(), !c.yAxisVertical);
}
bool IsAxialScale(double v, const RangeContext&) { return 0.9 <= v && v <= 1.1; }
bool IsNotAbove360(double v, const RangeContext&) { return v <= 360.0; }
bool IsOriginLatitude(double v, const RangeContext&) { return 0.1 <= std::fabs(v) && std::fabs(v) < 90.0; }
bool IsLongitudeUpTo360(double v, const RangeContext&) { return std::fabs(v) <= 360.0; }
bool IsWithinEarth(double v, const RangeContext&) { return std::fabs(v) <= 10000000.0; }
bool IsLambertScale(double v, const RangeContext&) { return 0.7 <= v && v <= 1.3; }

using S = ProjectionSlots;

// The first boxes of the two panels share their wording.
constexpr std::array<std::string_view, 3> kPrimeMeridianMessage = {"Недопустимое значение долготы начального",
                                                                   "меридиана национальной системы отсчета",
                                                                   "долгот относительно Гринвича"};

// Gauss-Krüger and UTM: the axial meridian of zone 1 and the zone width.
// clang-format off
constexpr PanelRules kZonedRules{{
    {BoxUnit::kAngle, &S::PrimeMeridian, &S::SetPrimeMeridian, IsLongitudeBelow360, true, kPrimeMeridianMessage},
    {BoxUnit::kAngle, &S::ZoneOneAxialMeridian, &S::SetZoneOneAxialMeridian, IsLongitudeBelow360, true,
     {"Недопустимое значение долготы", "осевого меридиана первой зоны", ""}},
    {BoxUnit::kAngle, &S::ZoneWidth, &S::SetZoneWidth, IsZoneWidth, false,
     {"Недопустимое значение ширины", "координатных зон", ""}},
    {BoxUnit::kKilometres, &S::FalseX, &S::SetFalseX, FitsFalseOriginX, false,
     {"Недопустимое значение условного", "начала по оси \"X\"", ""}},
    {BoxUnit::kKilometres, &S::FalseY, &S::SetFalseY, FitsFalseOriginY, false,
     {"Недопустимое значение условного", "начала по оси \"Y\"", ""}},
    {BoxUnit::kScale, &S::Scale, &S::SetScale, IsAxialScale, false,
     {"Недопустимое значение масштаба", "на осевом меридиане", ""}},
}};

// Lambert: the latitude and the longitude of the zone's origin.
constexpr PanelRules kLambertRules{{
    {BoxUnit::kAngle, &S::PrimeMeridian, &S::SetPrimeMeridian, IsNotAbove360, false, kPrimeMeridianMessage},
    {BoxUnit::kAngle, &S::StandardParallel, &S::SetStandardParallel, IsOriginLatitude, false,
     {"Недопустимое значение широты условного", "начала в данной зоне проекции Ламберта", ""}},
    {BoxUnit::kAngle, &S::CentralMeridian, &S::SetCentralMeridian, IsLongitudeUpTo360, true,
     {"Недопустимое значение долготы условного", "начала в данной зоне проекции Ламберта", ""}},
    {BoxUnit::kKilometres, &S::FalseX, &S::SetFalseX, IsWithinEarth, false,
     {"Недопустимое значение условного начала", "в данной зоне проекции Ламберта по оси \"X\"", ""}},
    {BoxUnit::kKilometres, &S::FalseY, &S::SetFalseY, IsWithinEarth, false,
     {"Недопустимое значение условного начала", "в данной зоне проекции Ламберта по оси \"Y\"", ""}},
    {BoxUnit::kScale, &S::Scale, &S::SetScale, IsLambertScale, false,
     {"Недопустимое значение наименьшего масштаба", "в  данной  зоне  проекции  Ламберта", ""}},
}};
// clang-format on

// A built-in set: the panel's six values as its boxes show them, longitudes
// counted to the east.
ProjectionSlots BuiltInSet(ProjectionKind kind, const PanelRules& rules,
                           const std::array<double, kPanelBoxes>& boxes, bool axesExchanged) {
  ProjectionSlots set;
  set.SetKind(kind);
  for (std::size_t box = 0; box < boxes.size(); ++box) (set.*rules[box].write)(boxes[box]);
  set.SetWestPositive(false);
  set.SetAxesExchanged(axesExchanged);
  return set;
}

}  // namespace

// One case for every kind, without a default: a kind added to the engine
// without its description here does not compile (-Wswitch).
const ProjectionKindDescription& DescriptionOf(ProjectionKind kind) {
  using enum ProjectionKind;
  // The six-degree zones of СК-42 and СК-95: zone 1 on 3° E, y₀ 500 km, k₀ 1.
  static const ProjectionKindDescription kGaussKruger{
      "Гаусса - Крюгера", kGaussKrugerPanel, kZonedRules, "0.000000",
      BuiltInSet(GaussKruger, kZonedRules, {0, 3, 6, 0, 500, 1.0}, false)};
  // B₀ 10°, L₀ 0°, k₀ 1, x₀ 500 km along the meridian; axes "exchanged", so
  // the point is written as lambert.h gives it, x (north) first.
  static const ProjectionKindDescription kLambert{
      "Ламберта", kLambertPanel, kLambertRules, "0.0000000000",
      BuiltInSet(Lambert, kLambertRules, {0, 10, 0, 500, 0, 1.0}, true)};
  // Zone 1 on 183° E (177° W), k₀ 0.9996, the axes exchanged so that slot 5
  // is the false easting of 500 km; no false northing (the northern zones).
  static const ProjectionKindDescription kUtm{
      "UTM", kGaussKrugerPanel, kZonedRules, "0.000000",
      BuiltInSet(Utm, kZonedRules, {0, 183, 6, 500, 0, 0.9996}, true)};
  switch (kind) {
    case GaussKruger: return kGaussKruger;
    case Lambert: return kLambert;
    case Utm: return kUtm;
  }
  return kGaussKruger;  // a value no enumerator names
}

ProjectionKind PresetKindOf(std::string_view system) {
  return system == kWgs84Name ? ProjectionKind::Utm : ProjectionKind::GaussKruger;
}

}  // namespace vexilor
