#include "engine/run_transformation.h"

#include <filesystem>
#include <fstream>

#include "text/angle_text.h"
#include "text/codepage.h"
#include "engine/angle_constants.h"
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

// Results are written in Windows-1251 with CR LF line ends.
void WriteLine(std::ofstream& out, const std::string& line) {
  out << Utf8ToCp1251(line) << "\r\n";
}

void WriteHeader(std::ofstream& out, const ResultsLayout& layout) {
  for (const std::string& line : ResultsHeader(layout)) WriteLine(out, line);
}

// Reads one line, without its CR LF or LF end.
bool ReadLine(std::ifstream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
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

ResultCode RunFile(const RunRequest& request, RunResult& result, const RunProgress& progress) {
  std::ifstream in(request.sourceFile, std::ios::binary);
  if (!in) return kSourceFileNotOpened;
  if (SameFile(request.sourceFile, request.resultsFile)) return kResultsFileNotOpened;
  std::ofstream out(request.resultsFile, std::ios::binary | std::ios::trunc);
  if (!out) return kResultsFileNotOpened;
  const ResultsLayout layout = LayoutOf(request);
  WriteHeader(out, layout);

  const NumericLocale locale = CurrentNumericLocale();
  ProgressReport report(progress, FileSize(request.sourceFile));
  std::string line;
  ReadLine(in, line);  // the coordinate type, checked by the caller
  std::int32_t counter = 0;
  while (ReadLine(in, line)) {
    ++counter;
    Coords point{};
    ResultCode code = ParseSourceLine(line, request.route.source.type, request.units[0],
                                      request.units[1], locale, point);
    PointResult r;
    if (code == kOk) code = TransformOnePoint(request.route, point, r);
    if (code != kOk) {
      result.line = counter;
      return code;
    }
    WriteLine(out, ResultLine(layout, counter, r.coords, r.zeta));
    result.coords = r.coords;
    result.zeta = r.zeta;
    if (!report.Tick(counter, in)) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(request.resultsFile, ignored);
      return kRunStopped;
    }
  }
  if (in.bad()) {
    result.line = counter + 1;
    return kUnreadableLine;
  }
  out.flush();
  if (!out) return kResultsFileNotOpened;
  report.Finish(counter);
  return kOk;
}

// Writes a typed point to the results file: a new file with its header for
// the first point, or appended to the file the earlier points started.
ResultCode WriteTypedPoint(const RunRequest& request, const PointResult& r, RunCounters& counters,
                           std::int16_t& resultHeaderWritten) {
  ++counters.typedPointsWritten;
  const ResultsLayout layout = LayoutOf(request);
  const bool startNew = counters.typedPointsWritten == 1 || resultHeaderWritten == 0;
  std::ofstream out(request.resultsFile,
                    std::ios::binary | (startNew ? std::ios::trunc : std::ios::app));
  if (!out) return kResultsFileNotOpened;
  if (startNew) {
    counters.numberField = 0;
    WriteHeader(out, layout);
    resultHeaderWritten = 1;
  }
  ++counters.numberField;
  WriteLine(out, ResultLine(layout, counters.numberField, r.coords, r.zeta));
  out.flush();
  return out ? kOk : kResultsFileNotOpened;
}

ResultCode RunScreen(const RunRequest& request, RunCounters& counters,
                     std::int16_t& resultHeaderWritten, RunResult& result) {
  PointResult r;
  const ResultCode code = TransformOnePoint(request.route, request.typedPoint, r);
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
  if (request.sourceFile == kNoFile)
    return RunScreen(request, counters, resultHeaderWritten, result);
  return RunFile(request, result, progress);
}

}  // namespace vexilor
