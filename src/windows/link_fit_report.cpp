#include "windows/link_fit_report.h"

#include <array>
#include <cmath>
#include <string_view>

#include "text/mask_format.h"
#include "text/text_edit.h"

namespace vexilor {
namespace {

const std::string kBreak = "\r\n";

// The residuals to 0.1 mm, as results files give coordinates.
constexpr std::string_view kResidualMask = "0.0000";

// A row of the table of parameters: its label, the mask of its value and
// σ, and the factor the value is shown with.
struct ParameterRow {
  std::string_view label;
  std::string_view mask;
  double factor;
};

// In the order of link_params.h; m in parts per million, which the table
// names, while the catalogue keeps it as a pure number.
constexpr std::array<ParameterRow, 7> kParameterRows{{{"Dx, м", "0.0000", 1},
                                                       {"Dy, м", "0.0000", 1},
                                                       {"Dz, м", "0.0000", 1},
                                                       {"Wx, ″", "0.00000", 1},
                                                       {"Wy, ″", "0.00000", 1},
                                                       {"Wz, ″", "0.00000", 1},
                                                       {"m·10⁶", "0.0000", 1e6}}};
constexpr int kLabelWidth = 8;
constexpr int kValueWidth = 13;

// The columns of a residual row.
constexpr int kMarkWidth = 5;
constexpr int kNumberWidth = 6;
constexpr int kResidualWidth = 10;

std::string Metres(double value) { return FormatWithMask(value, kResidualMask) + " м"; }

std::string ParameterTable(const LinkFit& fit, LinkModel model) {
  std::string text = PadRight("Параметр", kLabelWidth) + PadLeft("Значение", kValueWidth) +
                     PadLeft("σ", kValueWidth);
  for (std::size_t k = 0; k < kParameterRows.size(); ++k) {
    const ParameterRow& row = kParameterRows[k];
    text += kBreak + PadRight(std::string(row.label), kLabelWidth);
    if (model == LinkModel::kShifts && k >= kLinkWx) {
      text += PadLeft("0", kValueWidth) + PadLeft("—", kValueWidth);
      continue;
    }
    text += PadLeft(FormatWithMask(fit.params[k] * row.factor, row.mask), kValueWidth);
    text += PadLeft(fit.redundancy > 0 ? FormatWithMask(fit.sigma[k] * row.factor, row.mask) : "—", kValueWidth);
  }
  return text;
}

std::string FlaggedList(const LinkFit& fit) {
  std::vector<std::int32_t> flagged;
  for (const PointResidual& p : fit.residuals)
    if (p.flagged) flagged.push_back(p.number);
  return flagged.empty() ? "нет" : NumberList(flagged);
}

// A line a figure, none longer than a row of the table.
std::string Summary(const LinkFit& fit) {
  const int left = static_cast<int>(fit.residuals.size()) - fit.pointsUsed;
  const PointResidual& worst = fit.residuals[fit.worst];
  const double worstLength = std::hypot(worst.north, worst.east, worst.up);
  std::string text = fit.redundancy > 0 ? "σ₀ = " + Metres(fit.sigma0) + " (одной координаты)"
                                        : "σ₀ не определяется: избыточности нет";
  text += kBreak + "Пунктов: " + std::to_string(fit.pointsUsed) + ", исключено " + std::to_string(left);
  text += kBreak + "Избыточность " + std::to_string(fit.redundancy);
  text += kBreak + "Число обусловленности " + FormatWithMask(fit.conditionNumber, "0.0");
  text += kBreak + "СКО невязок в плане " + Metres(fit.rmsHorizontal);
  text += kBreak + "СКО невязок по высоте " + Metres(fit.rmsVertical);
  text += kBreak + "Наибольшая: пункт " + std::to_string(worst.number) + ", " + Metres(worstLength);
  if (fit.redundancy > 0) text += kBreak + "За пределами 3σ: " + FlaggedList(fit);
  return text;
}

// Three shifts hold the rotations and the scale at 0.
std::string ModelNote(LinkModel model) {
  return model == LinkModel::kShifts ? kBreak + "Углы и масштаб приняты равными 0" : std::string();
}

}  // namespace

std::string FitReportText(const LinkFit& fit, LinkModel model) {
  return ParameterTable(fit, model) + ModelNote(model) + kBreak + kBreak + Summary(fit);
}

std::string ResidualHeading() {
  return PadRight("Учёт", kMarkWidth) + PadLeft("Пункт", kNumberWidth) + PadLeft("N, м", kResidualWidth) +
         PadLeft("E, м", kResidualWidth) + PadLeft("U, м", kResidualWidth);
}

std::string ResidualRow(const PointResidual& residual, bool used) {
  std::string row = PadRight(used ? "да" : "нет", kMarkWidth) + PadLeft(std::to_string(residual.number), kNumberWidth);
  for (const double v : {residual.north, residual.east, residual.up})
    row += PadLeft(FormatWithMask(v, kResidualMask), kResidualWidth);
  return row + (residual.flagged ? "  > 3σ" : "");
}

std::string NumberList(const std::vector<std::int32_t>& numbers) {
  std::string list;
  for (const std::int32_t n : numbers) list += (list.empty() ? "" : ", ") + std::to_string(n);
  return list;
}

}  // namespace vexilor
