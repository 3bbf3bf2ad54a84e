#include "projection/projection_validation.h"

#include <array>
#include <cmath>
#include <string_view>

#include "text/angle_text.h"
#include "text/number_reader.h"
#include "text/number_text.h"
#include "refdata/reference_messages.h"

namespace vexilor {
namespace {

constexpr double kMetresPerKilometre = 1000.0;

// What a range test may look at besides the value: slot 4 (the zone width,
// already stored) and the axis orientation.
struct RangeContext {
  const ProjectionSlots& params;
  bool yAxisVertical;
};
using RangeTest = bool (*)(double value, const RangeContext& context);

enum class Reading { kAngle, kNumber };

// One box of a panel: the box's position in the panel gives its slot (2 to 7).
struct FieldRule {
  Reading reading;
  double factor;  // to the unit of the record (km to metres)
  RangeTest accepts;
  bool wrapNegative;                        // a negative longitude is counted on eastwards, +360°
  std::array<std::string_view, 3> message;  // lines; trailing empty ones unused
};
using FieldRules = std::array<FieldRule, kPanelBoxes>;

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
bool FitsFalseOriginX(double v, const RangeContext& c) { return FalseOriginFits(v, c.params[4], c.yAxisVertical); }
bool FitsFalseOriginY(double v, const RangeContext& c) { return FalseOriginFits(v, c.params[4], !c.yAxisVertical); }
bool IsAxialScale(double v, const RangeContext&) { return 0.9 <= v && v <= 1.1; }
bool IsNotAbove360(double v, const RangeContext&) { return v <= 360.0; }
bool IsOriginLatitude(double v, const RangeContext&) { return 0.1 <= std::fabs(v) && std::fabs(v) < 90.0; }
bool IsLongitudeUpTo360(double v, const RangeContext&) { return std::fabs(v) <= 360.0; }
bool IsWithinEarth(double v, const RangeContext&) { return std::fabs(v) <= 10000000.0; }
bool IsLambertScale(double v, const RangeContext&) { return 0.7 <= v && v <= 1.3; }

// The first steps of the two tables share their wording.
constexpr std::array<std::string_view, 3> kPrimeMeridianMessage = {"Недопустимое значение долготы начального",
                                                                   "меридиана национальной системы отсчета",
                                                                   "долгот относительно Гринвича"};

// Gauss-Krüger and UTM: slot 3 the axial meridian of zone 1, slot 4 the zone width.
// clang-format off
constexpr FieldRules kZonedRules{{
    {Reading::kAngle, 1.0, IsLongitudeBelow360, true, kPrimeMeridianMessage},
    {Reading::kAngle, 1.0, IsLongitudeBelow360, true,
     {"Недопустимое значение долготы", "осевого меридиана первой зоны", ""}},
    {Reading::kAngle, 1.0, IsZoneWidth, false,
     {"Недопустимое значение ширины", "координатных зон", ""}},
    {Reading::kNumber, kMetresPerKilometre, FitsFalseOriginX, false,
     {"Недопустимое значение условного", "начала по оси \"X\"", ""}},
    {Reading::kNumber, kMetresPerKilometre, FitsFalseOriginY, false,
     {"Недопустимое значение условного", "начала по оси \"Y\"", ""}},
    {Reading::kNumber, 1.0, IsAxialScale, false,
     {"Недопустимое значение масштаба", "на осевом меридиане", ""}},
}};

// Lambert: slot 3 the latitude, slot 4 the longitude of the zone's origin.
constexpr FieldRules kLambertRules{{
    {Reading::kAngle, 1.0, IsNotAbove360, false, kPrimeMeridianMessage},
    {Reading::kAngle, 1.0, IsOriginLatitude, false,
     {"Недопустимое значение широты условного", "начала в данной зоне проекции Ламберта", ""}},
    {Reading::kAngle, 1.0, IsLongitudeUpTo360, true,
     {"Недопустимое значение долготы условного", "начала в данной зоне проекции Ламберта", ""}},
    {Reading::kNumber, kMetresPerKilometre, IsWithinEarth, false,
     {"Недопустимое значение условного начала", "в данной зоне проекции Ламберта по оси \"X\"", ""}},
    {Reading::kNumber, kMetresPerKilometre, IsWithinEarth, false,
     {"Недопустимое значение условного начала", "в данной зоне проекции Ламберта по оси \"Y\"", ""}},
    {Reading::kNumber, 1.0, IsLambertScale, false,
     {"Недопустимое значение наименьшего масштаба", "в  данной  зоне  проекции  Ламберта", ""}},
}};
// clang-format on

std::string JoinLines(const std::array<std::string_view, 3>& lines) {
  std::string text;
  for (std::string_view line : lines) {
    if (line.empty()) continue;
    if (!text.empty()) text += kMessageLineBreak;
    text += line;
  }
  return text;
}

// The value of a box in the unit of its rule, or empty when the text is not
// a number. Bad angle text reads as kAngleParseError, which every angle
// range refuses.
std::optional<double> ReadBox(const std::string& text, const FieldRule& rule) {
  if (rule.reading == Reading::kAngle) return ParseAngle(text);
  if (!IsNumberText(text)) return std::nullopt;
  return ReadNumber(text);
}

// Stores the box `box` into its slot of `params`; false when the box is refused.
bool StoreField(int box, const FieldRule& rule, const PanelEntry& entry, ProjectionSlots& params) {
  const int slot = box + 2;
  const std::optional<double> value = ReadBox(entry.texts[static_cast<std::size_t>(box)], rule);
  if (!value) return false;
  params[slot] = *value * rule.factor;
  if (!rule.accepts(params[slot], {params, entry.yAxisVertical})) return false;
  if (rule.wrapNegative && params[slot] < 0.0) params[slot] += 360.0;
  return true;
}

}  // namespace

std::optional<EntryFailure> ValidateAndStore(ProjectionKind kind, const PanelEntry& entry, ProjectionSlots& params) {
  const FieldRules& rules = kind == ProjectionKind::Lambert ? kLambertRules : kZonedRules;
  // A scratch copy: a refused entry must not leave a half-written side that
  // counts as set (its scale could still be 0).
  ProjectionSlots checked = params;
  checked[1] = static_cast<double>(kind);
  for (int box = 0; box < kPanelBoxes; ++box) {
    const FieldRule& rule = rules[static_cast<std::size_t>(box)];
    if (!StoreField(box, rule, entry, checked)) return EntryFailure{box, JoinLines(rule.message)};
  }
  checked[8] = entry.westPositive ? 1.0 : 0.0;
  checked[9] = entry.yAxisVertical ? 1.0 : 0.0;
  checked[10] = 0.0;
  params = checked;
  return std::nullopt;
}

}  // namespace vexilor
