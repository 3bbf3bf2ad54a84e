#pragma once
// A manual page in the man macros of roff, made from --help texts.
//
// The page of PROGRAM: NAME (the summary), SYNOPSIS (the forms of the
// usage), DESCRIPTION, COMMANDS (each command's own help, when the program
// has commands), then the help's sections in their order ("exit status:"
// becomes EXIT STATUS, "files:" FILES, ...), and SEE ALSO. Text is filled
// by the formatter; examples keep their lines.

#include <string>
#include <vector>

#include "help_text.h"

namespace vexilor {

struct ManPage {
  std::string name;     // of the program, "vexilor-cli"
  std::string summary;  // what NAME says after "vexilor-cli - "
  std::string source;   // "Vexilor 0.1"
  std::string date;     // "2026-12-08"
  HelpText help;
  std::vector<HelpText> commands;    // the help of each command
  std::vector<std::string> seeAlso;  // "vexilor(1)"
};

// The page in section 1, UTF-8.
std::string ManPageText(const ManPage& page);

// `text` as roff takes it on a line of its own: backslashes and hyphens
// escaped (so that options and commands copy as typed), a leading "." or
// "'" kept as text.
std::string RoffText(const std::string& text);

}  // namespace vexilor
