#pragma once
// A transformation of one source file as vexilor-cli runs it.

#include <filesystem>
#include <ostream>

#include "cli_options.h"

namespace vexilor {

// Runs the transformation the options describe and returns the exit status:
// 0 on success, kExitUsage for a request that cannot be run as given,
// kExitDataError for damaged reference files, and for a failed run the
// number of the program's message for it (RunMessageOf). Messages go to
// `err`.
int RunCli(const CliOptions& options, const std::filesystem::path& programFolder,
           std::ostream& err);

}  // namespace vexilor
