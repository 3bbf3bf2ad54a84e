#pragma once
// A transformation of one source file as vexilor-cli runs it.

#include <istream>
#include <ostream>

#include "cli_options.h"
#include "refdata/data_folders.h"

namespace vexilor {

// The streams of the process: standard input for INPUT "-", standard output
// for OUTPUT "-", messages and the progress on `err`.
struct CliStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool outIsTerminal = false;  // results on `out` are converted for reading
  bool errIsTerminal = false;  // the progress is a bar drawn in place
};

// Runs the transformation the options describe on the catalogue and the
// standard grid of `folders` (--data names both) and returns the exit status: 0 on success,
// kExitUsage for a request that cannot be run as given, kExitDataError for
// damaged reference files, and for a failed run the number of the program's
// message for it (RunMessageOf). A failure is one line on `err`.
int RunCli(const CliOptions& options, const DataFolders& folders, CliStreams& io);

}  // namespace vexilor
