#pragma once
// What vexilor-cli says on the terminal: one line per failure, naming the
// file (and the line of a source file) it is about. The caller puts
// "vexilor-cli: " before it. The main window words the same failures as
// dialog texts (state/result_messages.h); a terminal wants a line that a
// script can log and a person can act on.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geodesy/coord_type.h"
#include "geodesy/result_codes.h"
#include "refdata/reference_file.h"
#include "refdata/system_choice.h"
#include "run/units.h"
#include "state/result_messages.h"

namespace vexilor {

// Where a run failed. Files are named as the user named them.
struct RunPlace {
  std::string source, results, grid;
  std::int32_t dataLine = 0;  // the engine's count: 1 is the first point, line 2 of the file
  CoordType sourceType = CoordType::BLH;
  AngleUnit sourceAngles = AngleUnit::DegMinSec;  // of a geodetic source
  std::optional<GridBounds> bounds;  // of the grid, for a point outside it
  bool csv = false;  // a CSV source: dataLine is the line of the file itself
};

// The exit status of a failure with `code`: the number of its message, as
// the main window shows it.
int ExitStatusOf(ResultCode code);

// A side `option` ("--from" or "--to") of type xyH without its projection.
std::string MissingProjectionText(const std::string& option);

// A run that stopped with `code` (not kOk).
std::string RunFailureText(ResultCode code, const RunPlace& place);

// A run that left `refused` lines of `source` out (--keep-going) and wrote
// `written` points to `results`.
std::string RefusedLinesText(std::string_view source, std::string_view results, std::int64_t refused,
                             std::int64_t written);

// Line 1 of `source`, `firstLine` as the file holds it (Windows-1251), does
// not name the type `expected` that `option` gives.
std::string TypeLineText(std::string_view source, std::string_view firstLine, CoordType expected,
                         std::string_view option = "--from-type");

// A reference file at `path` that could not be read.
std::string ReferenceFileText(ReferenceFileError error, std::string_view path);

// A system of the catalogue, `system`, that cannot be used.
std::string ChoiceText(const ChoiceOutcome& outcome, std::string_view system, std::string_view systemsPath,
                       std::string_view ellipsoidsPath);

}  // namespace vexilor
