#include "fit_command.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

#include "cli_catalogue.h"
#include "cli_options.h"
#include "command_line.h"
#include "fit_report.h"
#include "geodesy/link_fit.h"
#include "run/point_file_marks.h"
#include "run/source_file_reader.h"
#include "state/result_messages.h"
#include "terminal_messages.h"

namespace vexilor {
namespace {

struct FitOptions {
  CliOptions route;  // the sides, --heights, --geoid and --data
  LinkModel model = LinkModel::kSevenParameters;
  std::vector<std::int32_t> excluded;
  std::string source, target;  // the point files
};

CommandLine Collect(const std::vector<std::string>& args) {
  static const std::map<std::string, bool> kTakesValue = {
      {"--model", true},      {"--from", true},    {"--from-type", true}, {"--from-units", true},
      {"--from-proj", true},  {"--to", true},      {"--to-type", true},   {"--to-units", true},
      {"--to-proj", true},    {"--heights", true}, {"--geoid", true},     {"--data", true},
      {"--exclude", true}};
  return CollectCommandLine(args, 1, kTakesValue);
}

// "N[,N...]": whole numbers.
std::optional<std::vector<std::int32_t>> PointNumbers(const std::string& text) {
  std::vector<std::int32_t> numbers;
  for (std::size_t from = 0;;) {
    const std::size_t comma = text.find(',', from);
    const auto n = WholeNumberArgument(text.substr(from, comma == std::string::npos ? comma : comma - from));
    if (!n) return std::nullopt;
    numbers.push_back(*n);
    if (comma == std::string::npos) return numbers;
    from = comma + 1;
  }
}

std::string OptionsError(const CommandLine& raw, FitOptions& o) {
  if (std::string e = RouteOptionsError(raw, o.route); !e.empty()) return e;
  const auto& v = raw.values;
  if (v.count("--model")) {
    const std::string& m = v.at("--model");
    if (m != "7" && m != "3") return "--model must be 7 or 3";
    o.model = m == "7" ? LinkModel::kSevenParameters : LinkModel::kShifts;
  }
  if (v.count("--exclude")) {
    const auto numbers = PointNumbers(v.at("--exclude"));
    if (!numbers) return "bad point numbers: --exclude " + v.at("--exclude");
    o.excluded = *numbers;
  }
  if (raw.words.size() != 2) return "expected the point files SOURCE and TARGET";
  o.source = raw.words[0];
  o.target = raw.words[1];
  return "";
}

// One of the two files: what names it, and its marks once read.
struct PointSet {
  std::string option;  // "--from" or "--to"
  const CliSide* side;
  std::string file;
  SystemSide system;
  std::vector<NumberedPoint> marks;

  std::size_t Count(std::int32_t number) const {
    return static_cast<std::size_t>(std::count_if(
        marks.begin(), marks.end(), [number](const NumberedPoint& m) { return m.number == number; }));
  }
};

std::optional<CliFailure> RunFailure(ResultCode code, const PointSet& set, const std::string& grid,
                                     std::int32_t line) {
  const RunPlace place{set.file, "", grid, line, set.side->type, set.side->units.angles, std::nullopt};
  return CliFailure{RunFailureText(code, place), ExitStatusOf(code)};
}

// The file's type line, its points, and their geocentric places.
std::optional<CliFailure> ReadSet(PointSet& set, HeightType heights, const std::string& grid) {
  const CliSide& side = *set.side;
  const std::optional<std::string> typeLine = ReadSourceTypeLine(set.file);
  if (!typeLine) return RunFailure(kSourceFileNotOpened, set, grid, 0);
  if (*typeLine != CoordTypeName(side.type))
    return CliFailure{TypeLineText(set.file, *typeLine, side.type, set.option + "-type"), kExitUsage};
  if (side.type == CoordType::xyH && !side.projection)
    return CliFailure{MissingProjectionText(set.option), kExitUsage};
  const PointSetFrame frame{set.system, side.projection.value_or(ProjectionSlots{}), heights, grid};
  std::int32_t line = 0;
  if (const ResultCode code = ReadMarks(set.file, frame, side.units, set.marks, line); code != kOk)
    return RunFailure(code, set, grid, line);
  return std::nullopt;
}

std::optional<CliFailure> UnknownExcluded(const FitOptions& o, const PointSet& source, const PointSet& target) {
  for (const std::int32_t n : o.excluded)
    if (source.Count(n) == 0 && target.Count(n) == 0)
      return CliFailure{"--exclude " + std::to_string(n) + ": no point of that number in " + source.file + " or " +
                            target.file,
                        kExitUsage};
  return std::nullopt;
}

// The numbers at fault that stand in each file more than `fewest` times,
// file by file.
std::string NumbersByFile(const std::vector<std::int32_t>& numbers, std::size_t fewest, const PointSet& source,
                          const PointSet& target) {
  std::string text;
  for (const PointSet* set : {&source, &target}) {
    std::string list;
    for (const std::int32_t n : numbers)
      if (set->Count(n) > fewest) list += (list.empty() ? "" : ", ") + std::to_string(n);
    if (!list.empty()) text += (text.empty() ? "" : "; ") + set->file + ": " + list;
  }
  return text;
}

std::string FitFailureText(const LinkFitOutcome& o, LinkModel model, const PointSet& source, const PointSet& target) {
  switch (o.code) {
    case kFitTooFewPoints:
      return "common points used: " + std::to_string(o.fit.pointsUsed) + "; " +
             (model == LinkModel::kShifts ? "three parameters need at least 1" : "seven parameters need at least 3");
    case kFitPointsInLine: {
      char condition[64];
      std::snprintf(condition, sizeof condition, "condition number %.3g, above %g", o.fit.conditionNumber,
                    kMaxLinkConditionNumber);
      return std::string("the common points lie in a line or nearly so (") + condition +
             "): the rotation about that line cannot be found; add points off it, or use --model 3";
    }
    case kFitPointUnmatched:
      return "points in one file only (" + NumbersByFile(o.numbers, 0, source, target) +
             "): pair them, or leave them out with --exclude";
    case kFitPointRepeated:
      return "point numbers that stand twice in one file (" + NumbersByFile(o.numbers, 1, source, target) + ")";
    default:
      return "a coordinate of a common point is not a finite number";
  }
}

int Fail(std::ostream& err, const CliFailure& failure) {
  err << "vexilor-cli fit: " << failure.text << "\n";
  return failure.status;
}

int Run(const FitOptions& o, const DataFolders& folders, std::ostream& out, std::ostream& err) {
  Catalogue c;
  c.folder = folders.catalogue.string();
  const CliOptions& r = o.route;
  PointSet source{"--from", &r.from, o.source, {}, {}};
  PointSet target{"--to", &r.to, o.target, {}, {}};
  const std::string grid =
      r.geoidFile.empty() ? ReferenceFilePath(folders.program.string(), kStandardGridFileName) : r.geoidFile;
  std::optional<CliFailure> failure = LoadCatalogue(c);
  if (!failure) failure = ChooseSide(c, r.from, "--from", source.system);
  if (!failure) failure = ChooseSide(c, r.to, "--to", target.system);
  if (!failure) failure = ReadSet(source, r.heights, grid);
  if (!failure) failure = ReadSet(target, r.heights, grid);
  if (!failure) failure = UnknownExcluded(o, source, target);
  if (failure) return Fail(err, *failure);
  const LinkFitOutcome fit = FitLink({o.model, source.marks, target.marks, o.excluded, target.system.vector.Own()});
  if (fit.code != kOk)
    return Fail(err, {FitFailureText(fit, o.model, source, target), ExitStatusOf(fit.code)});
  PrintFitReport(fit.fit, o.model, {source.system.name, target.system.name}, out);
  return 0;
}

}  // namespace

int RunFitCommand(const std::vector<std::string>& args, const DataFoldersOf& folders, std::ostream& out,
                  std::ostream& err) {
  const CommandLine raw = Collect(args);
  if (raw.help && raw.error.empty()) {
    out << FitUsage();
    return 0;
  }
  FitOptions o;
  if (const std::string error = OptionsError(raw, o); !error.empty()) {
    err << "vexilor-cli fit: " << error << " (vexilor-cli fit --help shows the usage)\n";
    return kExitUsage;
  }
  return Run(o, folders(o.route.dataDir), out, err);
}

std::string FitUsage() {
  return "usage: vexilor-cli fit [--model 7|3] --from SYSTEM --from-type BLH|XYZ|xyH [--from-units A[,H]]\n"
         "                       [--from-proj P] --to SYSTEM --to-type BLH|XYZ|xyH [--to-units A[,H]]\n"
         "                       [--to-proj P] [--heights normal|geodetic] [--geoid FILE] [--data DIR]\n"
         "                       [--exclude N[,N...]] SOURCE TARGET\n"
         "\n"
         "The link of the --from system to the --to system, found by least squares from\n"
         "the points SOURCE and TARGET share: the seven parameters (--model 7, the\n"
         "default) or the three shifts (--model 3) of the catalogue's transformation,\n"
         "each with its standard deviation; sigma0; the residual of every point in north,\n"
         "east and up, target minus fitted source; the RMS residuals, the worst point and\n"
         "the points beyond three standard deviations. The last line,\n"
         "  link: Dx Dy Dz m Wx Wy Wz\n"
         "holds the values a sys.dat line would hold for the --from system if the --to\n"
         "system were its base (metres, a pure number, arc seconds).\n"
         "  SOURCE, TARGET  point files as the transformation reads them (.in): line 1\n"
         "          the type, then a point a line, paired by their numbers\n"
         "  SYSTEM, A, H, P, --geoid, --data  as for the transformation (vexilor-cli --help)\n"
         "  --heights  of both files' points (default normal, through the quasi-geoid\n"
         "          grid); X Y Z points have none\n"
         "  --exclude  points left out of the fit; their residuals are still shown\n"
         "\n"
         "exit status:\n"
         "  0 done; 64 a request that cannot be run as given; 65 damaged reference files;\n"
         "  114 fewer common points than the model needs (7 parameters: 3, 3: 1);\n"
         "  115 the common points in a line or nearly so; 116 a point number in one file\n"
         "  only, or twice in one file; 108 standard output could not be written;\n"
         "  as for the transformation: 109 a point file not read, 110 a value out of\n"
         "  range, 111 an unreadable line, 101-105 a plane point its projection cannot\n"
         "  place, 106, 107, 112 the quasi-geoid grid; any other number: an unexpected\n"
         "  failure inside the engine\n";
}

}  // namespace vexilor
