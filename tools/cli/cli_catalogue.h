#pragma once
// The catalogue a vexilor-cli command reads - sys.dat and ellips.dat of its
// data folder - and the systems its options name in it.

#include <functional>
#include <optional>
#include <string>

#include "cli_options.h"
#include "geodesy/datum.h"
#include "refdata/data_folders.h"
#include "refdata/reference_file.h"
#include "refdata/reference_path.h"
#include "run_files.h"

namespace vexilor {

// The catalogue and grid folders that --data names, or that the program
// finds itself when it names none ("").
using DataFoldersOf = std::function<DataFolders(const std::string& dataDir)>;

// The catalogue as its folder holds it.
struct Catalogue {
  std::string folder;
  SystemLines systems;
  EllipsoidLines ellipsoids;

  std::string SystemsPath() const { return ReferenceFilePath(folder, kSystemsFileName); }
  std::string EllipsoidsPath() const { return ReferenceFilePath(folder, kEllipsoidsFileName); }
};

// Reads both files of c.folder; a failure has the status kExitDataError.
std::optional<CliFailure> LoadCatalogue(Catalogue& c);

// The side of a route that a command-line side names (`option`, "--from"
// or "--to"): an unknown system is a usage error, a damaged line a data
// error.
std::optional<CliFailure> ChooseSide(const Catalogue& c, const CliSide& side, const char* option, SystemSide& out);

}  // namespace vexilor
