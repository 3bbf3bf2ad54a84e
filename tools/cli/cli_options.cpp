#include "cli_options.h"

#include <map>
#include <sstream>

#include "cli_environment.h"
#include "cli_examples.h"
#include "command_line.h"
#include "text/number_reader.h"
#include "text/number_text.h"
#include "text/numeric.h"
#include "projection/projection_kinds.h"
#include "projection/projection_record.h"

namespace vexilor {
namespace {

const NumericLocale kDotLocale{"."};

std::optional<double> Number(const std::string& text) {
  if (!IsNumberText(text, kDotLocale)) return std::nullopt;
  return ReadNumber(text);
}

std::optional<std::int16_t> WholeNumber(const std::string& text) {
  const auto v = WholeNumberArgument(text);
  if (!v) return std::nullopt;
  return ToInt16(*v);
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, ',')) parts.push_back(part);
  if (!text.empty() && text.back() == ',') parts.emplace_back();
  return parts;
}

// "A" or "A,H": the positions of the coordinate unit and, for geodetic
// coordinates, of the height unit in the main window's lists.
struct UnitNumbers {
  std::int16_t coordinates = 0;
  std::int16_t heights = 0;
};

std::optional<UnitNumbers> ParseUnits(const std::string& text) {
  const std::vector<std::string> parts = SplitCommas(text);
  if (parts.empty() || parts.size() > 2) return std::nullopt;
  const auto unit = WholeNumber(parts[0]);
  const auto height = parts.size() == 2 ? WholeNumber(parts[1]) : std::optional<std::int16_t>(0);
  if (!unit || !height || *unit < 0 || !UnitAt(kLengthUnits, *height)) return std::nullopt;
  return UnitNumbers{*unit, *height};
}

// The units the numbers name for coordinates of `type`; empty when the
// coordinate unit is beyond the type's list.
std::optional<SideUnits> UnitsOf(CoordType type, const UnitNumbers& numbers) {
  SideUnits units;
  units.heights = kLengthUnits[static_cast<std::size_t>(numbers.heights)];
  if (type == CoordType::BLH) {
    const auto angles = UnitAt(kAngleUnits, numbers.coordinates);
    if (!angles) return std::nullopt;
    units.angles = *angles;
  } else {
    const auto lengths = UnitAt(kLengthUnits, numbers.coordinates);
    if (!lengths) return std::nullopt;
    units.lengths = *lengths;
  }
  return units;
}

// The name of a built-in set in a projection argument.
std::string_view ArgumentName(ProjectionKind kind) {
  switch (kind) {
    case ProjectionKind::GaussKruger: return "gk";
    case ProjectionKind::Lambert: return "lambert";
    case ProjectionKind::Utm: return "utm";
  }
  return "";
}

CommandLine Collect(const std::vector<std::string>& args) {
  static const std::map<std::string, bool> kTakesValue = {
      {"--from", true},      {"--from-type", true}, {"--from-units", true}, {"--from-proj", true},
      {"--to", true},        {"--to-type", true},   {"--to-units", true},   {"--to-proj", true},
      {"--zone", true},      {"--heights", true},   {"--geoid", true},      {"--data", true},
      {"--jobs", true},      {"--geoid-column", false}, {"--progress", false},
      {"--version", false},  {"--input-format", true}, {"--output-format", true},
      {"--delimiter", true}, {"--encoding", true},      {"--keep-going", false}};
  return CollectCommandLine(args, 0, kTakesValue);
}

// Reads one side's options - `prefix` ("--from" or "--to") and its -type,
// -units and -proj - from `raw` into `side`; what is wrong, or "".
std::string SideError(const CommandLine& raw, const std::string& prefix, CliSide& side) {
  const auto& v = raw.values;
  if (!v.count(prefix)) return "missing " + prefix;
  side.system = v.at(prefix);
  if (!v.count(prefix + "-type")) return "missing " + prefix + "-type";
  const auto type = CoordTypeFromName(v.at(prefix + "-type"));
  if (!type) return "the type must be BLH, XYZ or xyH: " + v.at(prefix + "-type");
  side.type = *type;
  UnitNumbers numbers;
  if (v.count(prefix + "-units")) {
    const auto parsed = ParseUnits(v.at(prefix + "-units"));
    if (!parsed) return "bad units: " + v.at(prefix + "-units");
    numbers = *parsed;
  }
  const auto units = UnitsOf(side.type, numbers);
  if (!units) return "units out of range for " + v.at(prefix + "-type");
  side.units = *units;
  if (v.count(prefix + "-proj")) {
    side.projection = ParseProjectionArgument(v.at(prefix + "-proj"));
    if (!side.projection) return "bad projection: " + v.at(prefix + "-proj");
  }
  return "";
}

}  // namespace

std::string RouteOptionsError(const CommandLine& raw, CliOptions& o) {
  if (!raw.error.empty()) return raw.error;
  if (std::string e = SideError(raw, "--from", o.from); !e.empty()) return e;
  if (std::string e = SideError(raw, "--to", o.to); !e.empty()) return e;
  const auto& v = raw.values;
  if (v.count("--heights")) {
    const std::string& h = v.at("--heights");
    if (h != "normal" && h != "geodetic") return "heights must be normal or geodetic";
    o.heights = h == "normal" ? HeightType::Normal : HeightType::Geodetic;
  }
  if (v.count("--geoid")) o.geoidFile = v.at("--geoid");
  if (v.count("--data")) o.dataDir = v.at("--data");
  return "";
}

namespace {

const std::map<std::string, SourceFormat> kInputFormats = {{"in", SourceFormat::kIn}, {"csv", SourceFormat::kCsv}};
const std::map<std::string, ResultsFormat> kOutputFormats = {{"out", ResultsFormat::kOut},
                                                              {"csv", ResultsFormat::kCsv},
                                                              {"geojson", ResultsFormat::kGeoJson},
                                                              {"gpx", ResultsFormat::kGpx}};
const std::map<std::string, char> kDelimiters = {{",", ','}, {";", ';'}, {"tab", '\t'}};

// The value of `option` from `names`, when given; what is wrong, or "".
template <typename Value>
std::string NamedValue(const CommandLine& raw, const std::string& option, const std::map<std::string, Value>& names,
                       std::optional<Value>& out) {
  if (!raw.Has(option)) return "";
  const auto found = names.find(raw.values.at(option));
  if (found == names.end()) {
    std::string known;
    for (const auto& [name, value] : names) known += (known.empty() ? "" : ", ") + name;
    return option + " must be one of " + known + ": " + raw.values.at(option);
  }
  out = found->second;
  return "";
}

std::string FormatOptionsError(const CommandLine& raw, CliOptions& o) {
  if (std::string e = NamedValue(raw, "--input-format", kInputFormats, o.inputFormat); !e.empty()) return e;
  if (std::string e = NamedValue(raw, "--output-format", kOutputFormats, o.outputFormat); !e.empty()) return e;
  if (std::string e = NamedValue(raw, "--delimiter", kDelimiters, o.delimiter); !e.empty()) return e;
  if (raw.Has("--encoding") && raw.values.at("--encoding") != "utf-8")
    return "--encoding must be utf-8: " + raw.values.at("--encoding");
  o.utf8 = raw.Has("--encoding");
  o.keepGoing = raw.Has("--keep-going");
  return "";
}

std::string OptionsError(const CommandLine& raw, CliOptions& o) {
  if (std::string e = RouteOptionsError(raw, o); !e.empty()) return e;
  const auto& v = raw.values;
  if (v.count("--zone")) {
    o.zone = WholeNumber(v.at("--zone"));
    if (!o.zone || *o.zone < 0) return "bad zone number: " + v.at("--zone");
  }
  if (v.count("--jobs")) {
    const auto jobs = WholeNumber(v.at("--jobs"));
    if (!jobs || *jobs < 1) return "bad number of jobs: " + v.at("--jobs");
    o.jobs = *jobs;
  }
  o.geoidColumn = v.count("--geoid-column") > 0;
  o.progress = v.count("--progress") > 0;
  if (std::string e = FormatOptionsError(raw, o); !e.empty()) return e;
  if (raw.words.size() != 2) return "expected INPUT.in and OUTPUT.out";
  o.input = raw.words[0];
  o.output = raw.words[1];
  return "";
}

}  // namespace

FileFormats FormatsOf(const CliOptions& o) {
  FileFormats f;
  f.source = o.inputFormat.value_or(o.input == "-" ? SourceFormat::kIn : SourceFormatOfName(o.input));
  f.results = o.outputFormat.value_or(o.output == "-" ? ResultsFormat::kOut : ResultsFormatOfName(o.output));
  f.delimiter = o.delimiter;
  f.utf8 = o.utf8;
  return f;
}

std::optional<ProjectionSlots> ParseProjectionArgument(const std::string& text) {
  for (ProjectionKind kind : kProjectionKinds)
    if (text == ArgumentName(kind)) return SideOfSet(DescriptionOf(kind).builtInSet);
  const std::vector<std::string> parts = SplitCommas(text);
  if (parts.size() != 9) return std::nullopt;
  // Slots 1 to 9 as the record lays them out; slot 1 must name a kind.
  ProjectionSlots p;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    const auto v = Number(parts[k]);
    if (!v) return std::nullopt;
    p.values[k] = *v;
  }
  if (FactsOf(p.Kind()).code != p.values[0]) return std::nullopt;
  return p;
}

CliParse ParseCliOptions(const std::vector<std::string>& args) {
  const CommandLine line = Collect(args);
  if (line.help && line.error.empty()) return {std::nullopt, "", true};
  if (line.Has("--version") && line.error.empty()) return {std::nullopt, "", false, true};
  CliOptions o;
  const std::string error = OptionsError(line, o);
  if (!error.empty()) return {std::nullopt, error};
  return {o, ""};
}

std::string CliUsage() {
  return "usage: vexilor-cli --from SYSTEM --from-type BLH|XYZ|xyH [--from-units A[,H]] [--from-proj P]\n"
         "                   --to SYSTEM   --to-type BLH|XYZ|xyH   [--to-units A[,H]]   [--to-proj P] [--zone N]\n"
         "                   [--heights normal|geodetic] [--geoid-column] [--geoid FILE] [--data DIR]\n"
         "                   [--progress] [--jobs J] [--keep-going] [--input-format in|csv]\n"
         "                   [--output-format out|csv|geojson|gpx] [--delimiter ,|;|tab] [--encoding utf-8]\n"
         "                   INPUT OUTPUT\n"
         "       vexilor-cli sheet|frame|grads|length ...   the service tools (--help after each)\n"
         "       vexilor-cli fit ...   a link between two systems from common points (fit --help)\n"
         "       vexilor-cli -h|--help | -V|--version\n"
         "\n"
         "Transforms the points of a source file (.in or .csv) into a results file (.out, .csv,\n"
         ".geojson or .gpx) as the program Vexilor does. A value may also follow its option\n"
         "after \"=\": --from=CK42.\n"
         "  SYSTEM  a name from sys.dat or the code in its closing brackets: CK42, CK95, CK63,\n"
         "          MCK42, MCK95, WGS84, PZ90, PZ90.02, PZ90.11, GSK2011\n"
         "  A       angles 0 d m s, 1 d m, 2 degrees, 3 radians (BLH); lengths 0 metres,\n"
         "          1 kilometres (XYZ, xyH)\n"
         "  H       heights 0 metres, 1 kilometres (BLH)\n"
         "  P       gk, utm, lambert, or nine comma-separated values of slots 1..9 (false\n"
         "          origins in metres)\n"
         "  N       the target zone of every point (0: each point's own)\n"
         "  J       threads of the run (default: every core); every J gives the same results file\n"
         "  INPUT   .in: line 1 names the type, then one point a line; .csv: a name, then one\n"
         "          field a coordinate (an angle as \"55 45 20.5\" or \"55.7557\"), then fields\n"
         "          of your own; - reads standard input\n"
         "  OUTPUT  .out; .csv, written as the CSV INPUT is (from an .in: \";\" and decimal\n"
         "          commas); .geojson or .gpx, for WGS84 BLH only; - writes standard output\n"
         "          (UTF-8 on a terminal, else the file's own bytes); a FIFO or a device is\n"
         "          written straight, a link's target is replaced\n"
         "  --input-format, --output-format  the kind of INPUT or OUTPUT when its name does\n"
         "          not tell it (- is .in and .out)\n"
         "  --delimiter  of a CSV INPUT (found from the file when not given), or of CSV\n"
         "          written from an .in\n"
         "  --encoding utf-8  .out and CSV results in UTF-8 with LF line ends\n"
         "  --keep-going  a line that cannot be read or transformed is reported and left out,\n"
         "          and the run goes on\n"
         "  --data  the folder of sys.dat, ellips.dat and wgeoid.mat; by default the folder of\n"
         "          the program or, for an installed one, $XDG_DATA_HOME/vexilor\n"
         "  --progress  a bar on standard error when it is a terminal, else a line a percent\n"
         "\n"
         "exit status:\n"
         "  0 done; 118 done but for the lines --keep-going left out;\n"
         "  64 a request that cannot be run as given; 65 damaged reference files;\n"
         "  108 standard output could not be written (of every command, --help and\n"
         "  --version too; a failed run keeps its own status);\n"
         "  the number of the program's message for a failed run:\n"
         "  101 (102) the plane y (x, axes exchanged) outside its zone; 103 (104) a negative\n"
         "  Lambert y (x); 105 no valid zone number; 106 a bad quasi-geoid grid; 107 a point\n"
         "  outside the grid; 108 results file not written; 109 source file not read;\n"
         "  110 a value out of range; 111 an unreadable line; 112 grid file not opened;\n"
         "  117 GeoJSON or GPX results for a target other than WGS84 BLH;\n"
         "  any other number: an unexpected failure inside the engine\n"
         "\n" +
         CliFilesAndEnvironment() +
         "\n"
         "examples:\n" +
         CliExamples();
}

std::string UsageErrorLine(const std::string& error) {
  return "vexilor-cli: " + error + " (vexilor-cli --help shows the usage)";
}

std::string CliVersion() { return std::string("vexilor-cli ") + VEXILOR_VERSION + "\n"; }

}  // namespace vexilor
