#pragma once
// The examples that vexilor-cli --help shows: the README's, on the source
// files of data/examples (a test keeps the two the same).

#include <string>

namespace vexilor {

// Each example as a comment line and the command, indented by two blanks,
// long commands continued with " \" as a shell takes them.
std::string CliExamples();

}  // namespace vexilor
