// vexilor-cli: transforms a source coordinates file (.in) into a results
// file (.out) with the engine and the reference files of the program; its
// subcommands sheet, frame, grads and length run the service tools, fit
// finds a link from common points.

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "cli_run.h"
#include "command_line.h"
#include "fit_command.h"
#include "run/removed_on_signal.h"
#include "refdata/data_folders.h"
#include "service_commands.h"
#include "standard_output.h"

namespace {

// The folder of the running executable.
std::filesystem::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return std::filesystem::absolute(argv0, ec).parent_path();
}

// The catalogue and the grid: those of --data, else those the program finds
// beside itself or installed, with the user's own catalogue. Systems a newer
// catalogue of the program added to the user's copy are named once, in one
// line on standard error.
vexilor::DataFolders FoldersOf(const std::string& dataDir, const char* argv0) {
  if (!dataDir.empty()) return {dataDir, dataDir};
  const vexilor::DataFolders folders =
      vexilor::ResolveDataFolders(ExecutableFolder(argv0), vexilor::UserCatalogueFolder());
  if (const auto added = vexilor::UpdateCatalogueCopy(folders); !added.empty()) {
    std::cerr << "vexilor-cli: added to the catalogue in " << folders.catalogue.string() << ":";
    for (const std::string& name : added) std::cerr << " " << name << ";";
    std::cerr << "\n";
  }
  return folders;
}

// A first argument that reads as a command and names no file: a mistyped
// or missing service tool, not a source file.
bool IsUnknownCommand(const std::string& word) {
  std::error_code ec;
  return vexilor::LooksLikeCommand(word) && !std::filesystem::exists(word, ec);
}

int RunCommand(const std::vector<std::string>& args, const char* argv0) {
  const vexilor::DataFoldersOf folders = [argv0](const std::string& dir) { return FoldersOf(dir, argv0); };
  if (!args.empty() && vexilor::IsServiceCommand(args[0]))
    return vexilor::RunServiceCommand(args, folders, std::cout, std::cerr);
  if (!args.empty() && args[0] == vexilor::kFitCommand) return vexilor::RunFitCommand(args, folders, std::cout, std::cerr);
  if (!args.empty() && IsUnknownCommand(args[0])) {
    std::cerr << vexilor::UsageErrorLine("unknown command " + args[0]) << "\n";
    return vexilor::kExitUsage;
  }
  const vexilor::CliParse parse = vexilor::ParseCliOptions(args);
  if (parse.help) {
    std::cout << vexilor::CliUsage();
    return 0;
  }
  if (parse.version) {
    std::cout << vexilor::CliVersion();
    return 0;
  }
  if (!parse.options) {
    std::cerr << vexilor::UsageErrorLine(parse.error) << "\n";
    return vexilor::kExitUsage;
  }
  vexilor::CliStreams io{std::cin, std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1,
                          ::isatty(STDERR_FILENO) == 1};
  return vexilor::RunCli(*parse.options, FoldersOf(parse.options->dataDir, argv0), io);
}

}  // namespace

int main(int argc, char** argv) {
  vexilor::RemoveHeldFilesOnSignals();
  // Every command writes standard output through it, so that output lost
  // on the way is never a success.
  vexilor::CheckedOutput out(std::cout, STDOUT_FILENO);
  const int status = RunCommand(std::vector<std::string>(argv + 1, argv + argc), argv[0]);
  return out.Finish(status, std::cerr);
}
