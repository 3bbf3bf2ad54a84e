#pragma once
// The service tools on the command line: vexilor-cli sheet, frame, grads and
// length.

#include <ostream>
#include <string>
#include <vector>

#include "cli_catalogue.h"

namespace vexilor {

// Whether `word`, the first argument, names a service tool.
bool IsServiceCommand(const std::string& word);

// Runs the service tool named by args[0] with the arguments after it: the
// answer on `out`, the window's message on `err`. Returns 0 on success, the
// tool's result code (1 for a refused angle, length or point) otherwise,
// kExitUsage for a command line it cannot run; --help prints the tool's
// usage on `out` and returns 0. `folders` gives the catalogue of a tool
// that reads it (frame --geojson).
int RunServiceCommand(const std::vector<std::string>& args, const DataFoldersOf& folders, std::ostream& out,
                      std::ostream& err);

}  // namespace vexilor
