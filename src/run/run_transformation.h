#pragma once
// The run of a transformation: one typed point (screen mode) or a whole
// source file (file mode), with or without a results file.
//
// Units: the typed point and every result come and go in engine units
// (B, L radians; lengths metres); a source file is read in the units of
// request.units and the results file written in them (source_line.h,
// results_file.h). Each point goes through TransformOnePoint
// (point_pipeline.h); the run adds no computation of its own, so its
// accuracy is that of the pipeline, printed with the decimals of the
// results file (0.1 mm, 10⁻⁵″, 10⁻¹⁰°).

#include <cstdint>
#include <functional>
#include <string>

#include "text/angle_text.h"
#include "text/codepage.h"
#include "quasigeoid/grid_session.h"
#include "run/batch_transform.h"
#include "run/file_formats.h"
#include "run/point_pipeline.h"
#include "run/results_file.h"
#include "run/units.h"

namespace vexilor {

// The angles of a geodetic result as the window shows them: degrees,
// minutes and seconds to 10⁻⁵″, with their marks.
inline constexpr AngleFormat kShownAngleFormat{AngleColumns::DegMinSec, 5, AngleMarks::Symbols};

// The file name that stands for "no file".
inline const std::string kNoFile = "None";

struct RunRequest {
  PointRoute route;
  std::string sourceFile = kNoFile;   // kNoFile: screen mode
  std::string resultsFile = kNoFile;  // kNoFile: no results file
  RunUnits units;  // of the source file and of the results file
  Coords typedPoint{};  // screen mode, engine units
  GridAccess gridAccess;  // how the run's grid session reads the grid
  int jobs = 0;  // threads of a file run; 0: every core of the machine
  FileFormats formats;  // of a file run's source and results
  // A file run leaves out a line whose failure is its own (IsLineFault)
  // and goes on; `refused` hears of each such line.
  bool keepGoing = false;
  LineRefused refused;
};

// Kept between runs for the whole session: typed points appended to a
// results file are numbered on.
struct RunCounters {
  std::int32_t typedPointsWritten = 0;
  std::int32_t numberField = 0;
};

struct RunResult {
  Coords coords{};  // the last point, engine units
  float zeta = 0;   // its target quasi-geoid height
  std::string latitudeText;   // screen mode, geodetic target: angle texts
  std::string longitudeText;  // with marks
  std::int32_t line = 0;      // the data line of a file error
  std::int64_t written = 0;   // points a file run wrote
  std::int64_t refused = 0;   // lines it left out (keepGoing)
  TextEncoding resultsEncoding = TextEncoding::kCp1251;  // of the bytes it wrote
};

// Lines done, bytes read and the size of the source file; answering false
// stops the run.
using RunProgress =
    std::function<bool(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal)>;

// A file run reports its progress after every this many lines.
inline constexpr std::int64_t kProgressLines = 256;

// Codes: kResultsFileNotOpened, kResultsFileNotWritten, kSourceFileNotOpened,
// kResultsNotGeographic (GeoJSON or GPX for a target they cannot hold,
// FormatTakesTarget; nothing is written), and, with result.line,
// kValueOutOfRange, kUnreadableLine, kLineTooLong and every code of the
// per-point sequence unchanged. The first failure ends the run, unless
// request.keepGoing leaves its line out. Lines are numbered as the .out
// numbers them: from 1 after the type line of an .in source, from line 1
// of a CSV source, whose blank lines, comments and header hold no point. A
// file run writes its results into a temporary file beside the
// results file and puts it in place at the end - also after a failing line,
// whose predecessors stay in the results - so that a run killed midway leaves
// the earlier results file whole; after a failed write
// (kResultsFileNotWritten) the results name keeps what it held. A typed point
// after the first is appended to the file.
//
// The quasi-geoid grid is found, opened and read once, when the first point
// needs it (GridSession); a run with geodetic heights never opens it.
// A file run transforms its lines on request.jobs threads, a batch of lines
// at a time, and writes them in their order: every number of jobs gives the
// same results file to the byte, and the same failing line.
// `resultHeaderWritten` is set once a typed point has created the results
// file; the window clears it to make the next typed point start a new one.
// `progress`, when given, is called every kProgressLines lines of a file run
// and once at its end. When it answers false the run stops before the next
// line and returns kRunStopped; its results are dropped (a partial file is
// no result) and the results name keeps what it held.
ResultCode RunTransformation(const RunRequest& request, RunCounters& counters,
                             std::int16_t& resultHeaderWritten, RunResult& result,
                             const RunProgress& progress = {});

}  // namespace vexilor
