#include "projection/projection_panel.h"

#include "text/angle_text.h"
#include "text/mask_format.h"
#include "text/text_edit.h"

namespace vexilor {
namespace {

constexpr std::string_view kFalseOriginMask = "0.0";
constexpr std::string_view kShortScaleMask = "0.0000";

// Degrees, minutes and seconds with one decimal, without the column blanks.
std::string AngleBoxText(double degrees) {
  return std::string(TrimBlanks(FormatAngle(degrees, {AngleColumns::DegMinSec, 1})));
}

}  // namespace

int PanelOf(ProjectionKind kind) { return kind == ProjectionKind::Lambert ? kLambertPanel : kGaussKrugerPanel; }

std::string_view ScaleMask(ProjectionKind kind, ProjectionSide side, PanelFill fill) {
  if (fill == PanelFill::kTypeSwitch || side != 1) return kShortScaleMask;
  return kind == ProjectionKind::Lambert ? "0.0000000000" : "0.000000";
}

PanelEntry PanelEntryFromSet(const ProjectionSlots& set, ProjectionKind kind, ProjectionSide side, PanelFill fill) {
  // The masks always write "." as the decimal point, whatever the locale.
  PanelEntry entry;
  entry.texts = {AngleBoxText(set[2]),
                 AngleBoxText(set[3]),
                 AngleBoxText(set[4]),
                 FormatWithMask(set[5], kFalseOriginMask),
                 FormatWithMask(set[6], kFalseOriginMask),
                 FormatWithMask(set[7], ScaleMask(kind, side, fill))};
  entry.westPositive = set[8] != 0.0;
  entry.yAxisVertical = set[9] != 0.0;
  return entry;
}

}  // namespace vexilor
