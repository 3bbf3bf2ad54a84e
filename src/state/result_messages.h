#pragma once
// The words the program says for each result code of a run: the message of
// the main window, also printed by the command-line tool.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/result_codes.h"

namespace vexilor {

// Northern, southern, western and eastern bound of a quasi-geoid grid,
// degrees.
struct GridBounds {
  double north = 0, south = 0, west = 0, east = 0;
};

struct RunContext {
  bool fileMode = false;          // the points came from a source file
  std::int32_t line = 0;          // the failing line of the source file
  std::string sourceFile;         // F
  std::string resultsFile;
  std::string geoidFile;
  std::optional<GridBounds> bounds;  // of the grid, for a point outside it
};

// The message for a non-zero code, pieces joined by CR LF.
std::string RunResultMessage(ResultCode code, const RunContext& context);

// The question asked when the first line of a source file does not name the
// chosen source type.
std::string SourceTypeMismatchQuestion();

// A plane side whose projection has not been set.
std::string ProjectionNotSetMessage(bool sourceSide);

}  // namespace vexilor
