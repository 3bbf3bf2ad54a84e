#include "run/run_transformation.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "text/angle_text.h"
#include "text/same_file.h"
#include "geodesy/angle_constants.h"
#include "run/batch_transform.h"
#include "run/csv_dialect.h"
#include "run/point_line_reader.h"
#include "run/results_composer.h"
#include "run/results_writer.h"
#include "run/source_batch.h"
#include "run/source_file_reader.h"

namespace vexilor {
namespace {

ResultsLayout LayoutOf(const RunRequest& r) {
  return {r.route.target.name,
          r.route.target.type,
          r.units.target,
          r.route.heights,
          r.route.projection.target.Kind(),
          r.route.geoidColumn};
}

// A batch of lines: as many as a crew works through in a moment, and a
// megabyte of them at most unless the lines are long. Every batch holds a
// whole number of progress reports' lines, each of them a whole number of
// slices, so that every report falls at the end of a slice.
constexpr std::size_t kBatchLines = 16 * kProgressLines;
static_assert(kProgressLines % BatchTransform::kSliceLines == 0);
constexpr std::size_t kBatchBytes = std::size_t{1} << 20;

// Reports every kProgressLines lines, and passes on a request to stop.
class ProgressReport {
 public:
  ProgressReport(const RunProgress& progress, std::uint64_t total) : progress_(progress), total_(total) {}

  // False when the run is to stop. `linesInBatch` of `batch` are done.
  bool Tick(std::int64_t lines, const SourceBatch& batch, std::size_t linesInBatch) {
    if (!progress_ || lines % kProgressLines != 0) return true;
    return progress_(lines, std::min(batch.PositionAfter(linesInBatch), total_), total_);
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

// The point lines of the source file, transformed a batch at a time on
// request.jobs threads and written in their order; while the crew works on
// one batch, this thread reads the next and writes the one before. The
// first failure in the order of the file ends the loop (unless its line is
// left out); its code, with result.line for a line of the file.
ResultCode TransformLines(const RunRequest& request, GridSession& grid, std::ifstream& in,
                          const PointLineReader& reader, const ResultsComposer& composer, ResultsWriter& out,
                          RunResult& result, const RunProgress& progress) {
  ProgressReport report(progress, FileSize(request.sourceFile));
  SourceLineReader lines(in);
  std::string line;
  if (request.formats.source == SourceFormat::kIn) lines.Next(line);  // the coordinate type, checked by the caller
  // The batches outlive the crew: a batch still at work when the run is left
  // (an exception) is finished before they go.
  SourceBatch batches[2];
  BatchTransform transform(request.route, reader, composer, grid, CrewSize(request.jobs), request.keepGoing);
  const LineRefused refused = [&](std::int32_t number, ResultCode code) {
    ++result.refused;
    if (request.refused) request.refused(number, code);
  };
  const auto readBatch = [&](SourceBatch& batch) {
    return batch.Read(lines, in, kBatchLines, kBatchBytes, kProgressLines);
  };
  std::size_t now = 0;
  bool more = readBatch(batches[now]);
  if (more) transform.Start(batches[now], 1);
  std::int32_t counter = 0;
  ResultCode code = kOk;
  while (more) {
    const SourceBatch& batch = batches[now];
    // A line the file could not give is the last of its batch and of the run.
    const bool readNext = batch.Status(batch.Size() - 1) != LineRead::kFailed && readBatch(batches[1 - now]);
    const std::int32_t before = counter;
    more = transform.Join() && readNext;
    if (more) transform.Start(batches[1 - now], before + static_cast<std::int32_t>(batch.Size()) + 1);
    const std::int64_t writtenBefore = transform.Written();
    const BatchOutcome outcome = transform.Write(out, [&](std::size_t done) {
      return report.Tick(before + static_cast<std::int64_t>(done), batch, done);
    }, refused);
    counter = before + static_cast<std::int32_t>(outcome.done);
    if (transform.Written() > writtenBefore) {
      result.coords = outcome.last.coords;
      result.zeta = outcome.last.zeta;
    }
    if (outcome.stopped) code = kRunStopped;
    else if (outcome.code != kOk) code = outcome.code;
    if (code != kOk) {
      transform.Abandon();
      break;
    }
    now = 1 - now;
  }
  result.written = transform.Written();
  result.line = code == kOk || code == kRunStopped ? 0 : counter + 1;
  if (code == kOk) report.Finish(counter);
  return code;
}

// How the source is written: found from a CSV file, implied for an .in.
ResultCode SourceDialect(const RunRequest& request, CsvDialect& dialect) {
  const FileFormats& f = request.formats;
  if (f.source == SourceFormat::kIn) {
    dialect = InSourceDialect(f.delimiter);
    return kOk;
  }
  return DetectCsvDialect(request.sourceFile, f.delimiter, request.route.source.type, request.units.source,
                          dialect);
}

// The results go to a temporary file that takes the results name at the
// end, also when a line stops the run (the lines before it are kept, the
// file closed as its format closes). A run the user stopped is no result:
// the temporary file goes and the results name keeps what it held.
ResultCode RunFile(const RunRequest& request, GridSession& grid, RunResult& result,
                   const RunProgress& progress) {
  if (!FormatTakesTarget(request.formats.results, request.route.target)) return kResultsNotGeographic;
  std::ifstream in(request.sourceFile, std::ios::binary);
  if (!in) return kSourceFileNotOpened;
  // Renaming the results over the source file would destroy it.
  // Opening the source file as the results file would truncate it before a
  // single line is read.
  if (SameFile(request.sourceFile, request.resultsFile)) return kResultsFileNotOpened;
  CsvDialect dialect;
  if (const ResultCode code = SourceDialect(request, dialect); code != kOk) return code;
  const std::unique_ptr<ResultsComposer> composer = MakeResultsComposer(
      {LayoutOf(request), request.formats.results, request.formats.utf8, request.route.source.type, dialect});
  const PointLineReader reader(request.formats.source, dialect, request.route.source.type, request.units.source);
  ResultsWriter out;
  if (!out.Create(request.resultsFile)) return kResultsFileNotOpened;
  result.resultsEncoding = composer->Encoding();
  out.WriteEncoded(composer->Head());
  const ResultCode code = TransformLines(request, grid, in, reader, *composer, out, result, progress);
  if (code == kRunStopped) {
    out.Discard();
    return code;
  }
  out.WriteEncoded(composer->Tail());
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
  ResultsSpec spec;
  spec.layout = LayoutOf(request);
  const std::unique_ptr<ResultsComposer> out = MakeOutComposer(spec);
  std::string bytes;
  if (counters.typedPointsWritten > 1 && resultHeaderWritten != 0) {
    ++counters.numberField;
    out->AppendPoint(bytes, counters.numberField, {}, r);
    return AppendResultBytes(request.resultsFile, bytes) ? kOk : kResultsFileNotWritten;
  }
  ResultsWriter file;
  if (!file.Create(request.resultsFile)) return kResultsFileNotOpened;
  resultHeaderWritten = 1;
  counters.numberField = 1;
  bytes = out->Head();
  out->AppendPoint(bytes, counters.numberField, {}, r);
  file.WriteEncoded(bytes);
  return file.Commit() ? kOk : kResultsFileNotWritten;
}

ResultCode RunTypedPoint(const RunRequest& request, GridSession& grid, RunCounters& counters,
                     std::int16_t& resultHeaderWritten, RunResult& result) {
  QuasiGeoidLookup lookup(grid);
  PointResult r;
  const ResultCode code = TransformOnePoint(request.route, lookup, request.typedPoint, r);
  if (code != kOk) return code;
  result.coords = r.coords;
  result.zeta = r.zeta;
  if (request.route.target.type == CoordType::BLH) {
    result.latitudeText = FormatAngle(r.coords[0] * kDegreesPerRadian, kShownAngleFormat);
    result.longitudeText = FormatAngle(r.coords[1] * kDegreesPerRadian, kShownAngleFormat);
  }
  if (request.resultsFile == kNoFile) return kOk;
  return WriteTypedPoint(request, r, counters, resultHeaderWritten);
}

}  // namespace

ResultCode RunTransformation(const RunRequest& request, RunCounters& counters,
                             std::int16_t& resultHeaderWritten, RunResult& result,
                             const RunProgress& progress) {
  const GridAccess access =
      request.sourceFile == kNoFile ? request.gridAccess.ForFewPoints() : request.gridAccess;
  GridSession grid(request.route.gridFile, kGridSignature, access);
  if (request.sourceFile == kNoFile)
    return RunTypedPoint(request, grid, counters, resultHeaderWritten, result);
  return RunFile(request, grid, result, progress);
}

}  // namespace vexilor
