#pragma once
// The files and environment variables of vexilor-cli, as --help names them
// in the sections "files:" and "environment:".

#include <string>

namespace vexilor {

// Where the installed package keeps the source files of the examples of
// --help (data/examples in the source tree).
inline constexpr const char* kInstalledExamples = "/usr/share/doc/vexilor-cli/examples";

std::string CliFilesAndEnvironment();

}  // namespace vexilor
