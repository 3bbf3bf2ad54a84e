// vexilor-cli: transforms a source coordinates file (.in) into a results
// file (.out) with the engine and the reference files of the program; its
// subcommands sheet, frame, grads and length run the service tools.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "cli_run.h"
#include "service_commands.h"

namespace {

// The folder of the running executable, where the reference files live.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && vexilor::IsServiceCommand(args[0]))
    return vexilor::RunServiceCommand(args, std::cout, std::cerr);
  const vexilor::CliParse parse = vexilor::ParseCliOptions(args);
  if (parse.help) {
    std::cout << vexilor::CliUsage();
    return 0;
  }
  if (!parse.options) {
    std::cerr << "vexilor-cli: " << parse.error << "\n" << vexilor::CliUsage();
    return vexilor::kExitUsage;
  }
  return vexilor::RunCli(*parse.options, ProgramFolder(argv[0]), std::cerr);
}
