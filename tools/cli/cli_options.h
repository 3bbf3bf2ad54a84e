#pragma once
// The command line of vexilor-cli.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "geodesy/coord_type.h"
#include "run/file_formats.h"
#include "run/point_pipeline.h"
#include "geodesy/projection_slots.h"
#include "run/units.h"

namespace vexilor {

// Exit statuses besides 0 and the numbers of the run's messages.
inline constexpr int kExitUsage = 64;      // a request that cannot be run as given
inline constexpr int kExitDataError = 65;  // the reference files are missing or damaged
inline constexpr int kExitLinesRefused = 118;  // --keep-going left lines out

struct CliSide {
  std::string system;  // a sys.dat name or the code in its closing brackets
  CoordType type = CoordType::BLH;
  SideUnits units;
  std::optional<ProjectionSlots> projection;  // false origins in metres
};

struct CliOptions {
  CliSide from, to;
  std::optional<std::int16_t> zone;  // slot 10 of the target projection
  HeightType heights = HeightType::Normal;
  bool geoidColumn = false;
  std::string geoidFile;  // empty: wgeoid.mat of the data folder
  std::string dataDir;    // empty: the catalogue and grid the program finds itself
  bool progress = false;
  int jobs = 0;                // threads of the run; 0: every core
  std::string input, output;  // "-": standard input, standard output
  // The kinds of INPUT and OUTPUT; empty: by their extensions (.in and .out
  // for "-").
  std::optional<SourceFormat> inputFormat;
  std::optional<ResultsFormat> outputFormat;
  std::optional<char> delimiter;  // of CSV
  bool utf8 = false;              // --encoding utf-8
  bool keepGoing = false;         // bad lines are left out and the run goes on
};

// The formats of a run: those the options name, else those the extensions
// of INPUT and OUTPUT tell.
FileFormats FormatsOf(const CliOptions& options);

struct CliParse {
  std::optional<CliOptions> options;  // empty on a usage error, --help or --version
  std::string error;                  // what is wrong, for the usage error
  bool help = false;                  // --help: print the usage and stop
  bool version = false;               // --version: print the version and stop
};

CliParse ParseCliOptions(const std::vector<std::string>& args);

// The text of --help: the usage, the options, the exit statuses and the
// examples of the README.
std::string CliUsage();

// The line a usage error is reported with: what is wrong and where to look.
std::string UsageErrorLine(const std::string& error);

// The text of --version.
std::string CliVersion();

// Reads what a transformation and a fit share - both sides, --heights,
// --geoid and --data - from `raw` into `o`, after any fault `raw` found
// itself; what is wrong, or "".
std::string RouteOptionsError(const CommandLine& raw, CliOptions& o);

// A projection argument: "gk", "utm", "lambert" for the built-in sets, or
// nine comma-separated values of slots 1 to 9 with false origins in metres.
std::optional<ProjectionSlots> ParseProjectionArgument(const std::string& text);

}  // namespace vexilor
