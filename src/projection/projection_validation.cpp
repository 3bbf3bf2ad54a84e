#include "projection/projection_validation.h"

#include <optional>

#include "text/angle_text.h"
#include "text/number_text.h"
#include "refdata/reference_messages.h"
#include "projection/panel_rules.h"
#include "projection/projection_kinds.h"
#include "run/units.h"

namespace vexilor {
namespace {

std::string JoinLines(const std::array<std::string_view, 3>& lines) {
  std::string text;
  for (std::string_view line : lines) {
    if (line.empty()) continue;
    if (!text.empty()) text += kMessageLineBreak;
    text += line;
  }
  return text;
}

// The value of a box in the unit of the record, or empty when the text is
// not a number. Bad angle text reads as kAngleParseError, which every angle
// range refuses.
std::optional<double> ReadBox(const std::string& text, BoxUnit unit) {
  if (unit == BoxUnit::kAngle) return ParseAngle(text);
  const std::optional<double> number = NumberOfText(text);
  if (!number || unit != BoxUnit::kKilometres) return number;
  return *number * kMetresPerKilometre;
}

// Stores the box `box` into its slot of `params`; false when the box is refused.
bool StoreField(int box, const FieldRule& rule, const PanelEntry& entry, ProjectionSlots& params) {
  std::optional<double> value = ReadBox(entry.texts[static_cast<std::size_t>(box)], rule.unit);
  if (!value || !rule.accepts(*value, {params, entry.yAxisVertical})) return false;
  if (rule.wrapNegative && *value < 0.0) *value += 360.0;
  (params.*rule.write)(*value);
  return true;
}

}  // namespace

std::optional<EntryFailure> ValidateAndStore(ProjectionKind kind, const PanelEntry& entry, ProjectionSlots& params) {
  const PanelRules& rules = DescriptionOf(kind).rules;
  // A scratch copy: a refused entry must not leave a half-written side that
  // counts as set (its scale could still be 0).
  ProjectionSlots checked = params;
  checked.SetKind(kind);
  for (int box = 0; box < kPanelBoxes; ++box) {
    const FieldRule& rule = rules[static_cast<std::size_t>(box)];
    if (!StoreField(box, rule, entry, checked)) return EntryFailure{box, JoinLines(rule.message)};
  }
  checked.SetWestPositive(entry.westPositive);
  checked.SetAxesExchanged(entry.yAxisVertical);
  checked.SetFixedZone(0.0);
  params = checked;
  return std::nullopt;
}

}  // namespace vexilor
