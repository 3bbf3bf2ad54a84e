#include "fit_report.h"

#include <cmath>
#include <cstdio>

#include "text/shortest_double.h"

namespace vexilor {
namespace {

// A residual's components are given to 0.1 mm, as a results file gives
// coordinates.
constexpr int kResidualDecimals = 4;

std::string Formatted(const char* format, double value, int width) {
  char text[64];
  std::snprintf(text, sizeof text, format, width, value);
  return text;
}

std::string Fixed(double value, int decimals, int width) {
  char format[16];
  std::snprintf(format, sizeof format, "%%*.%df", decimals);
  return Formatted(format, value, width);
}

// One row of the table of parameters: its label of five characters, how
// its value is written.
struct ParameterRow {
  const char* label;
  int decimals;  // 0: a pure number, written with an exponent
};

// In the order of link_params.h.
constexpr ParameterRow kRows[] = {{"Dx, m", 4}, {"Dy, m", 4}, {"Dz, m", 4}, {"Wx, ″", 5},
                                  {"Wy, ″", 5}, {"Wz, ″", 5}, {"m    ", 0}};

std::string Value(const ParameterRow& row, double value, int width) {
  return row.decimals > 0 ? Fixed(value, row.decimals, width) : Formatted("%*.4e", value, width);
}

bool HeldAtZero(LinkModel model, std::size_t k) { return model == LinkModel::kShifts && k >= kLinkWx; }

void PrintHeading(const LinkFit& fit, LinkModel model, const FitReportSystems& systems, std::ostream& out) {
  const int left = static_cast<int>(fit.residuals.size()) - fit.pointsUsed;
  out << "source: " << systems.source << "\n"
      << "target: " << systems.target << "\n"
      << (model == LinkModel::kShifts ? "three" : "seven") << " parameters; common points: " << fit.pointsUsed
      << " used" << (left > 0 ? ", " + std::to_string(left) + " left out" : "") << "; redundancy "
      << fit.redundancy << "; condition number " << Fixed(fit.conditionNumber, 1, 0) << "\n\n";
}

void PrintParameters(const LinkFit& fit, LinkModel model, std::ostream& out) {
  out << "parameter      value             σ\n";
  for (std::size_t k = 0; k < fit.params.size(); ++k) {
    const ParameterRow& row = kRows[k];
    out << row.label << Value(row, fit.params[k], 15);
    if (HeldAtZero(model, k))
      out << "     held at 0";
    else if (fit.redundancy > 0)
      out << Value(row, fit.sigma[k], 14);
    else
      out << "             —";
    out << "\n";
  }
  if (fit.redundancy > 0)
    out << "σ₀ = " << Fixed(fit.sigma0, kResidualDecimals, 0) << " m, the standard deviation of one coordinate\n\n";
  else
    out << "σ₀: none, as many equations as parameters\n\n";
}

std::string PointNumber(std::int32_t number) {
  char text[16];
  std::snprintf(text, sizeof text, "%6d", static_cast<int>(number));
  return text;
}

std::string Remark(const PointResidual& p) {
  std::string remark = p.used ? "" : "left out";
  if (p.flagged) remark += std::string(remark.empty() ? "" : ", ") + "beyond 3σ";
  return remark.empty() ? "" : "   " + remark;
}

void PrintResiduals(const LinkFit& fit, std::ostream& out) {
  out << "residuals, target minus fitted source, metres\n"
      << " point          N          E          U\n";
  for (const PointResidual& p : fit.residuals)
    out << PointNumber(p.number) << Fixed(p.north, kResidualDecimals, 11) << Fixed(p.east, kResidualDecimals, 11)
        << Fixed(p.up, kResidualDecimals, 11) << Remark(p) << "\n";
  out << "\n";
}

std::string FlaggedList(const LinkFit& fit) {
  if (fit.redundancy <= 0) return "not judged without redundancy";
  std::string list;
  for (const PointResidual& p : fit.residuals)
    if (p.flagged) list += (list.empty() ? "" : ", ") + std::to_string(p.number) + (p.used ? "" : " (left out)");
  return list.empty() ? "none" : list;
}

void PrintSummary(const LinkFit& fit, std::ostream& out) {
  const PointResidual& worst = fit.residuals[fit.worst];
  const double length = std::sqrt(worst.north * worst.north + worst.east * worst.east + worst.up * worst.up);
  out << "RMS: horizontal " << Fixed(fit.rmsHorizontal, kResidualDecimals, 0) << " m, vertical "
      << Fixed(fit.rmsVertical, kResidualDecimals, 0) << " m\n"
      << "worst: point " << worst.number << ", " << Fixed(length, kResidualDecimals, 0) << " m\n"
      << "beyond 3σ: " << FlaggedList(fit) << "\n";
}

}  // namespace

void PrintFitReport(const LinkFit& fit, LinkModel model, const FitReportSystems& systems, std::ostream& out) {
  PrintHeading(fit, model, systems, out);
  PrintParameters(fit, model, out);
  PrintResiduals(fit, out);
  PrintSummary(fit, out);
  out << LinkLine(fit.params) << "\n";
}

std::string LinkLine(const LinkParams& link) {
  std::string line = "link:";
  for (const LinkPlace k : {kLinkDx, kLinkDy, kLinkDz, kLinkScale, kLinkWx, kLinkWy, kLinkWz})
    line += " " + ShortestDoubleText(link[k]);
  return line;
}

}  // namespace vexilor
