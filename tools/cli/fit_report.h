#pragma once
// The report of a link fitted to common points as vexilor-cli fit prints
// it, in UTF-8: the parameters with their standard deviations, σ₀, the
// residual of every point in north, east and up, their root-mean-square
// values, the worst point and the points beyond three standard
// deviations; last, the link line.

#include <ostream>
#include <string>

#include "geodesy/link_fit.h"

namespace vexilor {

struct FitReportSystems {
  std::string source, target;  // the systems' names
};

void PrintFitReport(const LinkFit& fit, LinkModel model, const FitReportSystems& systems, std::ostream& out);

// "link: " and the seven values in the order and units of a sys.dat line -
// Dx Dy Dz metres, m, Wx Wy Wz arc seconds - each the shortest text that
// reads back as the same double, so that a catalogue line made of them
// carries the points exactly as the report says.
std::string LinkLine(const LinkParams& link);

}  // namespace vexilor
