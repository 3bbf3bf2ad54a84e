#include "cli_run.h"

#include <optional>

#include "cli_catalogue.h"
#include "run/run_transformation.h"
#include "run/source_file_reader.h"
#include "progress_bar.h"
#include "refdata/system_lookup.h"
#include "run_files.h"
#include "state/result_messages.h"
#include "terminal_messages.h"
#include "text/numeric.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

// The catalogue's link between two different bases; a missing one would
// leave the global leg silently empty.
std::optional<CliFailure> GlobalLink(const Catalogue& c, const SystemSide& from, const SystemSide& to,
                                     GlobalLinkParams& link) {
  if (from.base == to.base) return std::nullopt;
  if (FindGlobalLink(c.systems, from.base, to.base, link) == GlobalLinkSearch::kLinked) return std::nullopt;
  return CliFailure{c.SystemsPath() + ": no entry links " + from.base + " to " + to.base, kExitDataError};
}

std::optional<CliFailure> Projection(const CliOptions& o, ProjectionParams& p) {
  const PerSide<const CliSide*> sides{&o.from, &o.to};
  const PerSide<std::string> names{"--from", "--to"};
  for (Side s : kSides) {
    const CliSide& side = *sides[s];
    if (side.type != CoordType::xyH) continue;
    const std::string& option = names[s];
    if (!side.projection) return CliFailure{MissingProjectionText(option), kExitUsage};
    p[s] = *side.projection;
  }
  if (o.zone && o.to.type == CoordType::xyH && IsZoned(p.target.Kind())) {
    const double width = p.target.ZoneWidth();
    const int zones = width > 0 ? static_cast<int>(Int(360.0 / width)) : 0;
    if (*o.zone > zones)
      return CliFailure{"--zone " + std::to_string(*o.zone) + ": the target projection has zones 1 to " +
                            std::to_string(zones) + " (0: each point's own)",
                        kExitUsage};
    p.target.SetFixedZone(*o.zone);
  }
  return std::nullopt;
}

// The first line of an .in source must name the source type exactly; CSV
// has no type line.
std::optional<CliFailure> CheckTypeLine(const RunFiles& files, const RunRequest& r) {
  if (r.formats.source == SourceFormat::kCsv) return std::nullopt;
  const CoordType type = r.route.source.type;
  const std::optional<std::string> line = ReadSourceTypeLine(files.SourcePath());
  if (!line) return CliFailure{files.SourceName() + ": cannot be opened", ExitStatusOf(kSourceFileNotOpened)};
  if (*line == CoordTypeName(type)) return std::nullopt;
  return CliFailure{TypeLineText(files.SourceName(), *line, type), kExitUsage};
}

std::optional<CliFailure> BuildRequest(const CliOptions& o, const DataFolders& folders, const RunFiles& files,
                                       RunRequest& r) {
  Catalogue c;
  c.folder = folders.catalogue.string();
  if (auto f = LoadCatalogue(c)) return f;
  if (auto f = ChooseSide(c, o.from, "--from", r.route.source)) return f;
  if (auto f = ChooseSide(c, o.to, "--to", r.route.target)) return f;
  if (auto f = GlobalLink(c, r.route.source, r.route.target, r.route.global)) return f;
  if (auto f = Projection(o, r.route.projection)) return f;
  // XYZ carries no normal height.
  const bool geocentric = o.from.type == CoordType::XYZ || o.to.type == CoordType::XYZ;
  r.route.heights = geocentric ? HeightType::Geodetic : o.heights;
  r.route.geoidColumn = o.geoidColumn;
  r.route.gridFile = o.geoidFile.empty() ? ReferenceFilePath(folders.program.string(), kStandardGridFileName) : o.geoidFile;
  r.sourceFile = files.SourcePath();
  r.resultsFile = files.ResultsPath();
  r.units = {o.from.units, o.to.units};
  r.jobs = o.jobs;
  r.formats = FormatsOf(o);
  r.keepGoing = o.keepGoing;
  return std::nullopt;
}

int Report(std::ostream& err, const CliFailure& failure) {
  err << "vexilor-cli: " << failure.text << "\n";
  return failure.status;
}

// Where a line of the run failed, for its message.
RunPlace PlaceOf(const CliOptions& o, const RunFiles& files, const RunRequest& request, std::int32_t line) {
  return {files.SourceName(), files.ResultsName(), request.route.gridFile, line,
          o.from.type,        o.from.units.angles,  std::nullopt,           request.formats.source == SourceFormat::kCsv};
}

ResultCode Run(const CliOptions& o, RunRequest& request, const RunFiles& files, const CliStreams& io,
               RunResult& result) {
  ProgressBar bar(io.err, io.errIsTerminal);
  request.refused = [&](std::int32_t line, ResultCode code) {
    bar.Close();
    Report(io.err, {RunFailureText(code, PlaceOf(o, files, request, line)), 0});
  };
  RunProgress progress;
  if (o.progress)
    progress = [&bar](std::int64_t lines, std::uint64_t done, std::uint64_t total) {
      bar.Show(lines, done, total);
      return true;
    };
  RunCounters counters;
  std::int16_t headerWritten = 0;
  const ResultCode code = RunTransformation(request, counters, headerWritten, result, progress);
  bar.Close();
  return code;
}

}  // namespace

int RunCli(const CliOptions& o, const DataFolders& folders, CliStreams& io) {
  RunFiles files;
  RunRequest request;
  std::optional<CliFailure> failure = files.Prepare(o.input, o.output, io.in);
  if (!failure) failure = BuildRequest(o, folders, files, request);
  if (!failure) failure = CheckTypeLine(files, request);
  if (failure) return Report(io.err, *failure);

  RunResult result;
  const ResultCode code = Run(o, request, files, io, result);
  files.Deliver(io.out, io.outIsTerminal && result.resultsEncoding == TextEncoding::kCp1251);
  if (code == kOk && result.refused == 0) return 0;
  if (code == kOk)
    return Report(io.err, {RefusedLinesText(files.SourceName(), files.ResultsName(), result.refused, result.written),
                           kExitLinesRefused});
  RunPlace place = PlaceOf(o, files, request, result.line);
  if (code == kGridPointOutside) place.bounds = BoundsOf(request.route.gridFile);
  return Report(io.err, {RunFailureText(code, place), ExitStatusOf(code)});
}

}  // namespace vexilor
