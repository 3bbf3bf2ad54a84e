#include "projection/projection_panel.h"

#include "text/angle_text.h"
#include "text/mask_format.h"
#include "text/text_edit.h"
#include "projection/projection_kinds.h"

namespace vexilor {
namespace {

constexpr std::string_view kFalseOriginMask = "0.0";
constexpr std::string_view kShortScaleMask = "0.0000";

// Degrees, minutes and seconds with one decimal, without the column blanks.
std::string AngleBoxText(double degrees) {
  return std::string(TrimBlanks(FormatAngle(degrees, {AngleColumns::DegMinSec, 1})));
}

}  // namespace

std::string_view ScaleMask(ProjectionKind kind, Side side, PanelFill fill) {
  if (fill == PanelFill::kTypeSwitch || side != Side::Source) return kShortScaleMask;
  return DescriptionOf(kind).sourceScaleMask;
}

PanelEntry PanelEntryFromSet(const ProjectionSlots& set, ProjectionKind kind, Side side, PanelFill fill) {
  // The masks always write "." as the decimal point, whatever the locale.
  PanelEntry entry;
  const PanelRules& rules = DescriptionOf(kind).rules;
  for (std::size_t box = 0; box < rules.size(); ++box) {
    const FieldRule& rule = rules[box];
    const double value = (set.*rule.read)();
    switch (rule.unit) {
      case BoxUnit::kAngle: entry.texts[box] = AngleBoxText(value); break;
      case BoxUnit::kKilometres: entry.texts[box] = FormatWithMask(value, kFalseOriginMask); break;
      case BoxUnit::kScale: entry.texts[box] = FormatWithMask(value, ScaleMask(kind, side, fill)); break;
    }
  }
  entry.westPositive = set.WestPositive();
  entry.yAxisVertical = set.AxesExchanged();
  return entry;
}

}  // namespace vexilor
