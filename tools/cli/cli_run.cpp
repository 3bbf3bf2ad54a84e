#include "cli_run.h"

#include <optional>

#include "state/result_messages.h"
#include "text/numeric.h"
#include "engine/grid_file.h"
#include "engine/run_transformation.h"
#include "engine/source_file_reader.h"
#include "progress_bar.h"
#include "refdata/reference_file.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"
#include "refdata/system_choice.h"
#include "refdata/system_lookup.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

// The catalogue as the program's folder holds it.
struct Catalogue {
  std::string folder;
  SystemLines systems;
  EllipsoidLines ellipsoids;

  std::string SystemsPath() const { return ReferenceFilePath(folder, "sys.dat"); }
  std::string EllipsoidsPath() const { return ReferenceFilePath(folder, "ellips.dat"); }
};

// The exit status of a failed run: the number of its message, as the main
// window shows it.
int ExitStatusOf(ResultCode code) { return static_cast<int>(RunMessageOf(code)); }

// A failure to report: its message and the exit status.
struct Failure {
  std::string message;
  int status = 0;
};

std::optional<Failure> LoadCatalogue(Catalogue& c) {
  if (const auto e = LoadSystemLines(c.SystemsPath(), c.systems); e != ReferenceFileError::kNone)
    return Failure{ReferenceFileErrorMessage(e, c.SystemsPath()), kExitDataError};
  if (const auto e = LoadEllipsoidLines(c.EllipsoidsPath(), c.ellipsoids);
      e != ReferenceFileError::kNone)
    return Failure{ReferenceFileErrorMessage(e, c.EllipsoidsPath()), kExitDataError};
  return std::nullopt;
}

std::string ChoiceMessage(const ChoiceOutcome& o, const Catalogue& c) {
  switch (o.error) {
    case ChoiceError::kBadSystemLine: return BadSystemFileMessage(c.SystemsPath());
    case ChoiceError::kBadEllipsoidFile: return EllipsoidFileErrorMessage(c.EllipsoidsPath());
    case ChoiceError::kEllipsoidNotFound:
      return EllipsoidNotFoundMessage(o.missingEllipsoid, c.EllipsoidsPath());
    case ChoiceError::kUnknownParent: return UnknownParentMessage(o.parentCode);
    case ChoiceError::kNone: break;
  }
  return "";
}

// The side of the route that a command-line side names.
std::optional<Failure> ChooseSide(const Catalogue& c, const CliSide& side, SystemSide& out) {
  const std::int16_t index = FindSystemLine(c.systems, side.system);
  if (index == 0)
    return Failure{"Система координат не найдена в " + c.SystemsPath() + ": " + side.system,
                   kExitUsage};
  SystemChoice choice;
  const ChoiceOutcome outcome = ChooseSystem(c.systems, c.ellipsoids, index, choice);
  if (outcome.error != ChoiceError::kNone) return Failure{ChoiceMessage(outcome, c), kExitDataError};
  out = {choice.name, choice.baseName, side.type, choice.vector};
  return std::nullopt;
}

// The catalogue's link between two different bases; a missing one would
// leave the global leg silently empty.
std::optional<Failure> GlobalLink(const Catalogue& c, const SystemSide& from, const SystemSide& to,
                                  GlobalLinkParams& link) {
  if (from.base == to.base) return std::nullopt;
  if (FindGlobalLink(c.systems, from.base, to.base, link) == GlobalLinkSearch::kLinked)
    return std::nullopt;
  return Failure{GlobalLinkMissingMessage(from.base, to.base), kExitDataError};
}

std::optional<Failure> Projection(const CliOptions& o, ProjectionParams& p) {
  const CliSide* sides[] = {&o.from, &o.to};
  for (int s = 1; s <= 2; ++s) {
    const CliSide& side = *sides[s - 1];
    if (side.type != CoordType::xyH) continue;
    if (!side.projection) return Failure{ProjectionNotSetMessage(s == 1), kExitUsage};
    p.Side(s) = *side.projection;
  }
  if (o.zone && o.to.type == CoordType::xyH && !p.Target().IsLambert()) {
    if (p.Target().ZoneWidth() <= 0 || *o.zone > Int(360.0 / p.Target().ZoneWidth()))
      return Failure{"Неверное значение номера координатной зоны.", kExitUsage};
    p.Target().SetFixedZone(*o.zone);
  }
  return std::nullopt;
}

// The first line of the source file must name the source type exactly.
std::optional<Failure> CheckTypeLine(const CliOptions& o) {
  const std::optional<std::string> line = ReadSourceTypeLine(o.input);
  if (!line) {
    RunContext c;
    c.fileMode = true;
    c.sourceFile = o.input;
    return Failure{RunResultMessage(kSourceFileNotOpened, c), ExitStatusOf(kSourceFileNotOpened)};
  }
  if (*line != CoordTypeName(o.from.type)) return Failure{SourceTypeMismatchQuestion(), kExitUsage};
  return std::nullopt;
}

std::optional<GridBounds> BoundsOf(const std::string& gridFile) {
  GridFile grid;
  if (grid.Open(gridFile, "GEOID") != kOk) return std::nullopt;
  const GridGeometry& g = grid.Geometry();
  return GridBounds{g.north, g.south, g.west, g.east};
}

std::optional<Failure> BuildRequest(const CliOptions& o, const fs::path& programFolder,
                                    RunRequest& r) {
  Catalogue c;
  c.folder = o.dataDir.empty() ? programFolder.string() : o.dataDir;
  if (auto f = LoadCatalogue(c)) return f;
  if (auto f = ChooseSide(c, o.from, r.route.source)) return f;
  if (auto f = ChooseSide(c, o.to, r.route.target)) return f;
  if (auto f = GlobalLink(c, r.route.source, r.route.target, r.route.global)) return f;
  if (auto f = Projection(o, r.route.projection)) return f;
  // XYZ carries no normal height.
  const bool geocentric = o.from.type == CoordType::XYZ || o.to.type == CoordType::XYZ;
  r.route.heights = geocentric ? HeightType::Geodetic : o.heights;
  r.route.geoidColumn = o.geoidColumn;
  r.route.gridFile = o.geoidFile.empty() ? ReferenceFilePath(c.folder, "wgeoid.mat") : o.geoidFile;
  r.sourceFile = o.input;
  r.resultsFile = o.output;
  r.units = {o.from.unit, o.from.heightUnit, o.to.unit, o.to.heightUnit};
  r.jobs = o.jobs;
  return std::nullopt;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return a == b || fs::equivalent(a, b, ec);
}

}  // namespace

int RunCli(const CliOptions& o, const fs::path& programFolder, std::ostream& err) {
  if (SameFile(o.input, o.output)) {
    err << "Файл результатов не может совпадать с файлом исходных данных: " << o.input << "\n";
    return kExitUsage;
  }
  RunRequest request;
  std::optional<Failure> failure = BuildRequest(o, programFolder, request);
  if (!failure) failure = CheckTypeLine(o);
  if (failure) {
    err << failure->message << "\n";
    return failure->status;
  }
  ProgressBar bar(err);
  RunProgress progress;
  if (o.progress)
    progress = [&bar](std::int64_t lines, std::uint64_t done, std::uint64_t total) {
      bar.Show(lines, done, total);
      return true;
    };
  RunCounters counters;
  std::int16_t headerWritten = 0;
  RunResult result;
  const ResultCode code = RunTransformation(request, counters, headerWritten, result, progress);
  bar.Close();
  if (code == kOk) return 0;
  RunContext context{true, result.line, o.input, o.output, request.route.gridFile, std::nullopt};
  if (code == kGridPointOutside) context.bounds = BoundsOf(request.route.gridFile);
  err << RunResultMessage(code, context) << "\n";
  return ExitStatusOf(code);
}

}  // namespace vexilor
