#include "service_commands.h"

#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "cli_options.h"
#include "command_line.h"
#include "refdata/route_choice.h"
#include "run/results_writer.h"
#include "service/angle_conversion.h"
#include "service/english_length.h"
#include "service/sheet_corners.h"
#include "service/sheet_frame.h"
#include "service/sheet_nomenclature.h"
#include "service/sheet_outline.h"
#include "service/sheet_point.h"
#include "state/result_messages.h"
#include "terminal_messages.h"
#include "text/text_edit.h"

namespace vexilor {
namespace {

// A refused angle, length or point.
constexpr int kExitRefused = 1;

// Messages break lines with CR LF for the windows; a terminal message is
// one line.
std::string TerminalText(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.replace(at, 2, " ");
  return text;
}

// One tool: its usage, its options, and what it does with them. Run returns
// the exit status; for a command line it cannot run it sets `usageError`.
struct Tool {
  const char* usage;
  std::map<std::string, bool> takesValue;
  std::function<int(const CommandLine&, const DataFoldersOf&, std::ostream&, std::ostream&, std::string& usageError)>
      run;
};

std::optional<std::int32_t> Scale(const CommandLine& tool, std::string& usageError) {
  if (!tool.Has("--scale")) {
    usageError = "missing --scale";
    return std::nullopt;
  }
  const auto scale = WholeNumberArgument(tool.values.at("--scale"));
  if (!scale) usageError = "the scale must be a whole number: " + tool.values.at("--scale");
  return scale;
}

int Refuse(std::ostream& err, int status, const std::string& message) {
  err << TerminalText(message) << "\n";
  return status;
}

int RunSheet(const CommandLine& tool, const DataFoldersOf&, std::ostream& out, std::ostream& err,
             std::string& usageError) {
  const auto scale = Scale(tool, usageError);
  if (!scale) return kExitUsage;
  if (tool.words.size() != 2) {
    usageError = tool.Has("--xy") ? "expected X Y" : "expected B L";
    return kExitUsage;
  }
  const SheetPoint point = tool.Has("--xy") ? ReadPlanePoint(tool.words[0], tool.words[1])
                                            : ReadGeodeticPoint(tool.words[0], tool.words[1]);
  if (point.refused != PointField::kNone) return Refuse(err, kExitRefused, point.message);
  const SheetNomenclature sheet = ComputeSheetNomenclature(*scale, point.geo.b, point.geo.l);
  if (sheet.code != NomenclatureCode::kSuccess) return Refuse(err, static_cast<int>(sheet.code), sheet.message);
  out << sheet.name << "\n";
  return 0;
}

std::string Degrees(double value) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.10f", value);
  return buffer.data();
}

// The route of the sheets' outlines, СК-42 to WGS-84, from the catalogue
// of `folders`.
std::optional<CliFailure> OutlineRoute(const DataFolders& folders, PointRoute& route) {
  Catalogue c;
  c.folder = folders.catalogue.string();
  if (auto failure = LoadCatalogue(c)) return failure;
  const RouteChoice choice = ChooseGeodeticRoute(c.systems, c.ellipsoids, "CK42", "WGS84", route);
  switch (choice.error) {
    case RouteError::kNone: return std::nullopt;
    case RouteError::kSystemMissing: return CliFailure{c.SystemsPath() + ": no system " + choice.system, kExitDataError};
    case RouteError::kSystemDamaged:
      return CliFailure{ChoiceText(choice.outcome, choice.system, c.SystemsPath(), c.EllipsoidsPath()), kExitDataError};
    case RouteError::kNoLink: break;
  }
  return CliFailure{c.SystemsPath() + ": no entry links the bases of CK42 and WGS84", kExitDataError};
}

// The outline of the sheet `name` as GeoJSON: into `file`, or on `out`
// for "-".
int WriteOutline(const std::string& file, const DataFolders& folders, const SheetFrame& frame, std::int32_t scale,
                 std::string_view name, std::ostream& out, std::ostream& err) {
  PointRoute route;
  if (const auto failure = OutlineRoute(folders, route)) return Refuse(err, failure->status, failure->text);
  std::vector<LatLonDegrees> ring;
  if (const ResultCode code = SheetOutline(frame, route, ring); code != kOk) {
    const int status = ExitStatusOf(code);
    return Refuse(err, status, "the outline could not be carried to WGS84 (code " + std::to_string(status) + ")");
  }
  const std::string json = SheetOutlineGeoJson(TrimBlanks(name), scale, ring);
  if (file == "-") {
    out << json;
    return 0;
  }
  if (WriteWholeFile(file, json)) return 0;
  return Refuse(err, static_cast<int>(RunMessage::kResultsFileNotOpened), file + ": cannot be written");
}

int RunFrame(const CommandLine& tool, const DataFoldersOf& folders, std::ostream& out, std::ostream& err,
             std::string& usageError) {
  const auto scale = Scale(tool, usageError);
  if (!scale) return kExitUsage;
  if (tool.words.size() != 1) {
    usageError = "expected one nomenclature, e.g. \"(N) N-37-4\"";
    return kExitUsage;
  }
  if (tool.Has("--data") && !tool.Has("--geojson")) {
    usageError = "--data goes with --geojson";
    return kExitUsage;
  }
  const SheetFrameResult result = ComputeSheetFrame(*scale, tool.words[0]);
  if (result.code != FrameCode::kSuccess) return Refuse(err, static_cast<int>(result.code), result.message);
  const SheetFrame& f = result.frame;
  if (tool.Has("--geojson")) {
    const std::string dataDir = tool.Has("--data") ? tool.values.at("--data") : "";
    const int status = WriteOutline(tool.values.at("--geojson"), folders(dataDir), f, *scale, tool.words[0], out, err);
    if (status != 0 || tool.values.at("--geojson") == "-") return status;
  }
  out << Degrees(f.north) << " " << Degrees(f.south) << " " << Degrees(f.west) << " " << Degrees(f.east) << "\n"
      << Sk42SheetCornerText(f, "\n") << "\n";
  return 0;
}

// The direction flag of grads and length: exactly one of the two.
std::optional<bool> Direction(const CommandLine& tool, const std::string& first, const std::string& second,
                              std::string& usageError) {
  if (tool.Has(first) == tool.Has(second)) {
    usageError = "give one of " + first + " and " + second;
    return std::nullopt;
  }
  return tool.Has(first);
}

std::optional<int> ListIndex(const CommandLine& tool, const std::string& option, std::size_t count,
                             std::string& usageError) {
  const auto index = tool.Has(option) ? WholeNumberArgument(tool.values.at(option)) : std::optional<std::int32_t>(0);
  if (!index || *index < 0 || *index >= static_cast<std::int32_t>(count)) {
    usageError = option + " must be 0 to " + std::to_string(count - 1);
    return std::nullopt;
  }
  return *index;
}

// Grads and length: a direction, a list index, one text, the window's
// output text or its message.
int RunConversion(const CommandLine& tool, std::ostream& out, std::ostream& err, std::string& usageError,
                  const std::array<std::string, 3>& options, std::size_t choices,
                  const std::array<std::function<std::optional<std::string>(std::string_view, int)>, 2>& convert,
                  std::string_view refusal) {
  const auto first = Direction(tool, options[0], options[1], usageError);
  if (!first) return kExitUsage;
  const auto index = ListIndex(tool, options[2], choices, usageError);
  if (!index) return kExitUsage;
  if (tool.words.size() != 1) {
    usageError = "expected one TEXT";
    return kExitUsage;
  }
  const std::optional<std::string> text = convert[*first ? 0 : 1](tool.words[0], *index);
  if (!text) return Refuse(err, kExitRefused, std::string(refusal));
  out << *text << "\n";
  return 0;
}

int RunGrads(const CommandLine& tool, const DataFoldersOf&, std::ostream& out, std::ostream& err,
             std::string& usageError) {
  return RunConversion(tool, out, err, usageError, {"--to-grads", "--to-degrees", "--units"}, kGradsUnitNames.size(),
                       {ConvertDegreesToGrads, ConvertGradsToDegrees}, kBadAngleMessage);
}

int RunLength(const CommandLine& tool, const DataFoldersOf&, std::ostream& out, std::ostream& err,
              std::string& usageError) {
  return RunConversion(tool, out, err, usageError, {"--to-metres", "--to-english", "--combination"},
                       kEnglishUnitNames.size(), {ConvertEnglishToMetres, ConvertMetresToEnglish}, kBadLengthMessage);
}

const std::map<std::string, Tool>& Tools() {
  static const std::map<std::string, Tool> tools = {
      {"sheet",
       {"usage: vexilor-cli sheet --scale S B L\n"
        "       vexilor-cli sheet --scale S --xy X Y\n"
        "  The nomenclature of the map sheet of scale 1:S that holds the point (СК-42).\n"
        "  S: 1000000, 500000, 200000, 100000, 50000, 25000 or 10000.\n"
        "  B, L: angle texts, \"55 45 20.5\" (d m s), \"55 45.3\" (d m) or \"55.755\" (degrees).\n"
        "  X, Y: Gauss-Krüger metres, the zone number in the millions of Y.\n"
        "exit status: 0 done; 64 a command line that cannot be run; 1 a refused point or\n"
        "  an unsupported scale; 2 a latitude beyond 84°; 3 a longitude outside -180..360.\n",
        {{"--scale", true}, {"--xy", false}},
        RunSheet}},
      {"frame",
       {"usage: vexilor-cli frame --scale S [--geojson FILE [--data DIR]] NOMENCLATURE\n"
        "  The edges of the sheet (СК-42): north, south, west, east in degrees, then its\n"
        "  corners in Gauss-Krüger metres, all in the zone of the north-west corner.\n"
        "  NOMENCLATURE with its hemisphere mark, e.g. \"(N) N-37-4\".\n"
        "  --geojson FILE  also writes the sheet's outline into FILE, a GeoJSON Polygon in\n"
        "    WGS-84 for a web map: its edges every 1' or closer, carried from СК-42 by the\n"
        "    route of the catalogue (that of --data, as for the transformation); - writes\n"
        "    it on standard output instead of the edges.\n"
        "exit status: 0 done; 64 a command line that cannot be run; 1 an unsupported scale;\n"
        "  2 a name that does not fit the scale; 3 an invalid name; 4 no hemisphere mark;\n"
        "  65 damaged reference files; 108 FILE not written.\n",
        {{"--scale", true}, {"--geojson", true}, {"--data", true}},
        RunFrame}},
      {"grads",
       {"usage: vexilor-cli grads --to-grads|--to-degrees [--units U] TEXT\n"
        "  --to-grads: TEXT in degrees (\"55 30 00\", \"55 30\", \"55.5\"); U 0 grads, centigrads and\n"
        "    centicentigrads, 1 grads and centigrads, 2 grads, 3 radians.\n"
        "  --to-degrees: TEXT in grads (\"100 00 00\", \"100 00\", \"100\"); U 0 degrees, minutes and\n"
        "    seconds, 1 degrees and minutes, 2 degrees, 3 radians.\n"
        "exit status: 0 done; 64 a command line that cannot be run; 1 a refused angle.\n",
        {{"--to-grads", false}, {"--to-degrees", false}, {"--units", true}},
        RunGrads}},
      {"length",
       {"usage: vexilor-cli length --to-metres|--to-english [--combination K] TEXT\n"
        "  K: 0 yards, feet, inches; 1 yards, feet; 2 yards; 3 feet, inches; 4 feet.\n"
        "  --to-metres: TEXT in the units of K, blank-separated (\"1 2 6\").\n"
        "  --to-english: TEXT in metres.\n"
        "exit status: 0 done; 64 a command line that cannot be run; 1 a refused length.\n",
        {{"--to-metres", false}, {"--to-english", false}, {"--combination", true}},
        RunLength}},
  };
  return tools;
}

}  // namespace

bool IsServiceCommand(const std::string& word) { return Tools().count(word) > 0; }

int RunServiceCommand(const std::vector<std::string>& args, const DataFoldersOf& folders, std::ostream& out,
                      std::ostream& err) {
  const Tool& tool = Tools().at(args.at(0));
  const CommandLine arguments = CollectCommandLine(args, 1, tool.takesValue);
  if (arguments.help) {
    out << tool.usage;
    return 0;
  }
  const std::string prefix = "vexilor-cli " + args[0] + ": ";
  std::string usageError = arguments.error;
  if (usageError.empty()) {
    std::ostringstream refusal;
    const int status = tool.run(arguments, folders, out, refusal, usageError);
    if (usageError.empty()) {
      if (!refusal.str().empty()) err << prefix << refusal.str();
      return status;
    }
  }
  err << prefix << usageError << " (vexilor-cli " << args[0] << " --help shows the usage)\n";
  return kExitUsage;
}

}  // namespace vexilor
