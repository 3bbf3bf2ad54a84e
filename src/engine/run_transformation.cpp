#include "engine/run_transformation.h"

#include <filesystem>
#include <fstream>

#include "text/angle_text.h"
#include "engine/angle_constants.h"
#include "engine/results_writer.h"
#include "engine/source_file_reader.h"
#include "engine/source_line.h"

namespace vexilor {
namespace {

ResultsLayout LayoutOf(const RunRequest& r) {
  return {r.route.target.name,
          r.route.target.type,
          r.units[2],
          r.units[3],
          r.route.heights,
          r.route.projection.Target().Kind(),
          r.route.geoidColumn};
}

void WriteHeader(ResultsWriter& out, const ResultsLayout& layout) {
  for (const std::string& line : ResultsHeader(layout)) out.WriteLine(line);
}

// Reports every kProgressLines lines, and passes on a request to stop.
class ProgressReport {
 public:
  ProgressReport(const RunProgress& progress, std::uint64_t total) : progress_(progress), total_(total) {}

  // False when the run is to stop.
  bool Tick(std::int64_t lines, std::ifstream& in) {
    if (!progress_ || lines % kProgressLines != 0) return true;
    return progress_(lines, static_cast<std::uint64_t>(in.tellg()), total_);
  }

  void Finish(std::int64_t lines) {
    if (progress_) progress_(lines, total_, total_);
  }

 private:
  const RunProgress& progress_;
  std::uint64_t total_;
};

std::uint64_t FileSize(const std::string& name) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(name, ec);
  return ec ? 0 : size;
}

// Opening the source file as the results file would truncate it before a
// single line is read.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

// The point lines of the source file, each transformed and written. The
// first failure ends the loop; its code, with result.line for a line of the
// file.
ResultCode TransformLines(const RunRequest& request, GridSession& grid, std::ifstream& in,
                          ResultsWriter& out, RunResult& result, const RunProgress& progress) {
  const ResultsLayout layout = LayoutOf(request);
  const NumericLocale locale = CurrentNumericLocale();
  QuasiGeoidLookup lookup(grid);
  ProgressReport report(progress, FileSize(request.sourceFile));
  SourceLineReader reader(in);
  std::string line;
  reader.Next(line);  // the coordinate type, checked by the caller
  std::int32_t counter = 0;
  for (;;) {
    const LineRead read = reader.Next(line);
    if (read == LineRead::kEnd) break;
    ++counter;
    result.line = counter;
    if (read == LineRead::kFailed) return kUnreadableLine;
    if (read == LineRead::kTooLong) return kLineTooLong;
    Coords point{};
    ResultCode code = ParseSourceLine(line, request.route.source.type, request.units[0],
                                      request.units[1], locale, point);
    PointResult r;
    if (code == kOk) code = TransformOnePoint(request.route, lookup, point, r);
    if (code != kOk) return code;
    out.WriteLine(ResultLine(layout, counter, r.coords, r.zeta));
    result.coords = r.coords;
    result.zeta = r.zeta;
    if (!report.Tick(counter, in)) {
      result.line = 0;
      return kRunStopped;
    }
  }
  result.line = 0;
  report.Finish(counter);
  return kOk;
}

// The results go to a temporary file that takes the results name at the
// end, also when a line stops the run (the lines before it are kept). A run
// the user stopped is no result: the temporary file goes and the results
// name keeps what it held.
ResultCode RunFile(const RunRequest& request, GridSession& grid, RunResult& result,
                   const RunProgress& progress) {
  std::ifstream in(request.sourceFile, std::ios::binary);
  if (!in) return kSourceFileNotOpened;
  // Renaming the results over the source file would destroy it.
  if (SameFile(request.sourceFile, request.resultsFile)) return kResultsFileNotOpened;
  ResultsWriter out;
  if (!out.Create(request.resultsFile)) return kResultsFileNotOpened;
  WriteHeader(out, LayoutOf(request));
  const ResultCode code = TransformLines(request, grid, in, out, result, progress);
  if (code == kRunStopped) {
    out.Discard();
    return code;
  }
  if (!out.Commit()) {
    result.line = 0;
    return kResultsFileNotWritten;
  }
  return code;
}

// Writes a typed point to the results file: a new file with its header for
// the first point (put in place as a whole), or one line appended to the
// file the earlier points started.
ResultCode WriteTypedPoint(const RunRequest& request, const PointResult& r, RunCounters& counters,
                           std::int16_t& resultHeaderWritten) {
  ++counters.typedPointsWritten;
  const ResultsLayout layout = LayoutOf(request);
  if (counters.typedPointsWritten > 1 && resultHeaderWritten != 0) {
    ++counters.numberField;
    const std::string line = ResultLine(layout, counters.numberField, r.coords, r.zeta);
    return AppendResultLines(request.resultsFile, {line}) ? kOk : kResultsFileNotWritten;
  }
  ResultsWriter out;
  if (!out.Create(request.resultsFile)) return kResultsFileNotOpened;
  counters.numberField = 0;
  WriteHeader(out, layout);
  resultHeaderWritten = 1;
  ++counters.numberField;
  out.WriteLine(ResultLine(layout, counters.numberField, r.coords, r.zeta));
  return out.Commit() ? kOk : kResultsFileNotWritten;
}

ResultCode RunScreen(const RunRequest& request, GridSession& grid, RunCounters& counters,
                     std::int16_t& resultHeaderWritten, RunResult& result) {
  QuasiGeoidLookup lookup(grid);
  PointResult r;
  const ResultCode code = TransformOnePoint(request.route, lookup, request.typedPoint, r);
  if (code != kOk) return code;
  result.coords = r.coords;
  result.zeta = r.zeta;
  if (request.route.target.type == CoordType::BLH) {
    result.latitudeText = FormatAngle(r.coords[0] * kDegreesPerRadian, 5, 1, 1);
    result.longitudeText = FormatAngle(r.coords[1] * kDegreesPerRadian, 5, 1, 1);
  }
  if (request.resultsFile == kNoFile) return kOk;
  return WriteTypedPoint(request, r, counters, resultHeaderWritten);
}

}  // namespace

ResultCode RunTransformation(const RunRequest& request, RunCounters& counters,
                             std::int16_t& resultHeaderWritten, RunResult& result,
                             const RunProgress& progress) {
  GridSession grid(request.route.gridFile, kQuasiGeoidSignature, request.gridAccess);
  if (request.sourceFile == kNoFile)
    return RunScreen(request, grid, counters, resultHeaderWritten, result);
  return RunFile(request, grid, result, progress);
}

}  // namespace vexilor
