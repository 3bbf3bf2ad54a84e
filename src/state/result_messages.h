#pragma once
// The words the program says for each result code of a run: the message of
// the main window, also printed by the command-line tool.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "geodesy/result_codes.h"
#include "geodesy/side.h"

namespace vexilor {

// Northern, southern, western and eastern bound of a quasi-geoid grid,
// degrees.
struct GridBounds {
  double north = 0, south = 0, west = 0, east = 0;
};

// The question asked before a file the user named for writing is replaced.
std::string ReplaceFileQuestion(const std::string& path);

// The bounds of the grid file `gridFile`, for a message about a point
// outside it; empty when the file does not open as a grid.
std::optional<GridBounds> BoundsOf(const std::string& gridFile);

// The program's numbered messages for the outcome of a run. RunMessageOf
// gives the number for every result code: one of these, worded each by its
// own text, or - for a failure inside the engine that the user cannot mend -
// another number, worded as an unexpected error with that number. The same
// number is vexilor-cli's exit status, so both stay as they have always been
// whatever the engine's codes are.
enum class RunMessage : std::int16_t {
  kDone = 0,
  kOrdinateOutsideZone = 101,
  kAbscissaOutsideZone = 102,
  kLambertFirstCoordinateNegative = 103,
  kLambertAbscissaNegative = 104,
  kNoValidZone = 105,
  kBadGeoidFile = 106,
  kOutsideGeoidGrid = 107,
  kResultsFileNotOpened = 108,
  kSourceFileNotOpened = 109,
  kValueOutOfRange = 110,
  kUnreadableLine = 111,
  kGeoidFileNotOpened = 112,
  kRunStopped = 113,  // by the user, in the progress window
  // A link fitted to common points (geodesy/link_fit.h) that cannot be found.
  kFitTooFewPoints = 114,
  kFitPointsInLine = 115,
  kFitPointsUnpaired = 116,  // a number in one set only, or twice in one set
  kResultsNotGeographic = 117,  // GeoJSON or GPX results for a target other than WGS-84 B L H
};

RunMessage RunMessageOf(ResultCode code);

// 101 to 105: a plane point that the projection could not place or read.
bool IsProjectionMessage(RunMessage message);

struct RunContext {
  bool fileMode = false;          // the points came from a source file
  std::int32_t line = 0;          // the failing line of the source file
  std::string sourceFile;         // F
  std::string resultsFile;
  std::string geoidFile;
  bool resultsFileExisted = true;    // before the run: a stopped run leaves it, or leaves none
  std::optional<GridBounds> bounds;  // of the grid, for a point outside it
};

// The message for a non-zero code, pieces joined by CR LF.
std::string RunResultMessage(ResultCode code, const RunContext& context);

// A line a run left out, and why.
struct RefusedLine {
  std::int32_t line = 0;
  ResultCode code = kOk;
};

// How many lines a run shows of those it left out.
inline constexpr std::size_t kShownRefusedLines = 20;

// The message of a file run that left `refused` lines of `sourceFile` out
// and went on: their number, then `shown` (the first of them) each with
// its reason.
std::string RefusedLinesMessage(std::int64_t refused, const std::vector<RefusedLine>& shown,
                                const std::string& sourceFile);

// The question asked when the first line of a source file does not name the
// chosen source type.
std::string SourceTypeMismatchQuestion();

// A plane side whose projection has not been set.
std::string ProjectionNotSetMessage(Side side);

}  // namespace vexilor
