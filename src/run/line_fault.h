#pragma once
// Which failures of a file run belong to one line of the source - its text,
// its values, where its point falls - rather than to the run itself (its
// files, its grid, its settings): a run that carries on past bad lines
// leaves out the line of such a failure and goes on, and stops at any
// other.

#include "geodesy/result_codes.h"

namespace vexilor {

bool IsLineFault(ResultCode code);

}  // namespace vexilor
