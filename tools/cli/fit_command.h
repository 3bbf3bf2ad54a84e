#pragma once
// vexilor-cli fit: the link between two coordinate systems found from the
// points two files share (geodesy/link_fit.h), read and placed in their
// systems as the transformation reads a source file.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_catalogue.h"

namespace vexilor {

inline const std::string kFitCommand = "fit";

// Runs the command args[0] == kFitCommand: the report on `out`, a failure
// as one line on `err`. Returns the exit status its usage names.
int RunFitCommand(const std::vector<std::string>& args, const DataFoldersOf& folders, std::ostream& out,
                  std::ostream& err);

// The text of `vexilor-cli fit --help`.
std::string FitUsage();

}  // namespace vexilor
