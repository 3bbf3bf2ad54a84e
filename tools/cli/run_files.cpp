#include "run_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "cli_options.h"
#include "standard_output.h"
#include "terminal_messages.h"
#include "text/same_file.h"
#include "text/codepage.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

const std::string kStandardInputName = "(standard input)";

CliFailure SourceFailure(const std::string& name, const std::string& what) {
  return {name + ": " + what, ExitStatusOf(kSourceFileNotOpened)};
}

CliFailure ResultsFailure(const std::string& name, const std::string& what) {
  return {name + ": " + what, ExitStatusOf(kResultsFileNotOpened)};
}

std::string SystemReason() { return std::strerror(errno); }

// The folder a file name puts its file in.
fs::path FolderOf(const std::string& file) {
  const fs::path folder = fs::path(file).parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

}  // namespace

std::optional<CliFailure> RunFiles::Prepare(const std::string& input, const std::string& output, std::istream& in) {
  if (auto failure = TakeSource(input, in)) return failure;
  if (input != kStandardStream && output != kStandardStream && SameFile(input, output))
    return CliFailure{output + ": is the input file; the results would overwrite the points", kExitUsage};
  return TakeResults(output);
}

std::optional<CliFailure> RunFiles::TakeSource(const std::string& input, std::istream& in) {
  if (input != kStandardStream) {
    source_ = {input, input, std::nullopt};
    std::error_code ec;
    if (!fs::exists(input, ec)) return SourceFailure(input, "no such file");
    if (fs::is_directory(input, ec)) return SourceFailure(input, "is a folder, not a source file");
    std::FILE* file = std::fopen(input.c_str(), "rb");
    if (file == nullptr) return SourceFailure(input, "cannot be read: " + SystemReason());
    std::fclose(file);
    return std::nullopt;
  }
  std::optional<TemporaryFile> copy = TemporaryFile::Create();
  if (!copy) return SourceFailure(kStandardInputName, "no temporary file to hold it");
  std::ofstream out(copy->Path(), std::ios::binary);
  // Copying an empty buffer would count as a failed write.
  if (in.peek() != std::istream::traits_type::eof()) out << in.rdbuf();
  out.flush();
  if (in.bad() || !out) return SourceFailure(kStandardInputName, "could not be copied to a temporary file");
  source_ = {copy->Path().string(), kStandardInputName, std::move(copy)};
  return std::nullopt;
}

std::optional<CliFailure> RunFiles::TakeResults(const std::string& output) {
  if (output == kStandardStream) {
    std::optional<TemporaryFile> file = TemporaryFile::Create();
    if (!file) return ResultsFailure(kStandardOutputName, "no temporary file to hold the results");
    results_ = {file->Path().string(), kStandardOutputName, std::move(file)};
    return std::nullopt;
  }
  results_ = {output, output, std::nullopt};
  std::error_code ec;
  const fs::path folder = FolderOf(output);
  if (!fs::is_directory(folder, ec)) return ResultsFailure(output, "the folder " + folder.string() + " does not exist");
  if (fs::is_directory(output, ec)) return ResultsFailure(output, "is a folder, not a results file");
  const bool exists = fs::exists(output, ec);
  if (::access(exists ? output.c_str() : folder.c_str(), W_OK) != 0)
    return ResultsFailure(output, "cannot be written: " + SystemReason());
  return std::nullopt;
}

void RunFiles::Deliver(std::ostream& out, bool forTerminal) const {
  if (!results_.temporary) return;
  std::ifstream in(results_.path, std::ios::binary);
  if (!forTerminal) {
    if (in.peek() != std::istream::traits_type::eof()) out << in.rdbuf();
  } else {
    for (std::string line; out && std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      out << Cp1251ToUtf8(line) << '\n';
    }
  }
  out.flush();
}

}  // namespace vexilor
