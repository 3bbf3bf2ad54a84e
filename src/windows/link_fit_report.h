#pragma once
// What the link fit window (link_fit_window.h) shows of a fit, in fixed-
// pitch columns: the report of the parameters with their standard
// deviations, σ₀ and the summary; the rows of the table of residuals.

#include <cstdint>
#include <string>
#include <vector>

#include "geodesy/link_fit.h"

namespace vexilor {

// The table of parameters, then the summary: σ₀, the points used and left
// out, the redundancy, the condition number, the RMS residuals, the worst
// point and those beyond three standard deviations. Lines end in CR LF.
std::string FitReportText(const LinkFit& fit, LinkModel model);

// The heading of the residual rows, and the row of one common point:
// whether it is used («да», «нет»), its number, its residual in north, east
// and up to 0.1 mm, and «> 3σ» for a point flagged.
std::string ResidualHeading();
std::string ResidualRow(const PointResidual& residual, bool used);

// Point numbers as a message lists them: "3, 8, 12".
std::string NumberList(const std::vector<std::int32_t>& numbers);

}  // namespace vexilor
