#pragma once
// Every point of a source coordinates file (.in) at once, with its number:
// the marks of a set of common points. The lines are read and checked as a
// file run reads them (source_line.h, source_file_reader.h).

#include <cstdint>
#include <string>
#include <vector>

#include "geodesy/coord_type.h"
#include "geodesy/result_codes.h"
#include "run/source_line.h"

namespace vexilor {

// Reads the point lines of the file at `path` - line 1, the type, is
// skipped - in the units `units` (units.h) into
// `out`, in the file's order.
// Codes: kSourceFileNotOpened; with `line`, the point line as a run counts
// it (1 for line 2 of the file): kUnreadableLine, kValueOutOfRange,
// kLineTooLong. `out` is untouched on failure.
ResultCode ReadSourcePoints(const std::string& path, CoordType type, const SideUnits& units,
                            std::vector<SourcePoint>& out, std::int32_t& line);

}  // namespace vexilor
