// vexilor-cli's command line: the input split at NUL bytes into arguments.
// A transformation's arguments either parse, ask for help or the version,
// or say what is wrong; a service tool's command line runs or is refused.

#include <sstream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "service_commands.h"
#include "fuzz_support.h"

using namespace vexilor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  const std::string_view text = fuzz::Text(data, size);
  std::size_t start = 0;
  while (start <= text.size() && args.size() < 64) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    args.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (IsServiceCommand(args[0])) {
    std::ostringstream out, err;
    // No catalogue: a sheet's outline is refused before any file is written.
    RunServiceCommand(args, [](const std::string&) { return DataFolders{"/nonexistent", "/nonexistent"}; }, out, err);
    return 0;
  }
  const CliParse parse = ParseCliOptions(args);
  fuzz::Check(parse.options.has_value() || parse.help || parse.version || !parse.error.empty(), "a refused command line says why");
  for (const std::string& arg : args) ParseProjectionArgument(arg);
  return 0;
}
