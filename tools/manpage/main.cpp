// vexilor-manpage: the manual page of a program, made from what the program
// itself prints for --help (and each of its commands for "COMMAND --help"),
// so that the page cannot say other than the program.
//
//   vexilor-manpage OUTPUT PROGRAM SUMMARY DATE [SEE-ALSO ...]
//
// Writes the page of PROGRAM (section 1) to OUTPUT; the page's source is
// "Vexilor" and the version that PROGRAM --version names.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "help_text.h"
#include "man_page.h"

namespace {

std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// What the program prints on standard output when run with `words`; nothing
// when it cannot be run or fails.
std::optional<std::string> Output(const std::vector<std::string>& words) {
  std::string command;
  for (const std::string& word : words) command += ShellQuoted(word) + " ";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  if (::pclose(pipe) != 0) return std::nullopt;
  return text;
}

// "vexilor-cli 0.1\n": "0.1".
std::string LastWord(const std::string& line) {
  const std::size_t end = line.find_last_not_of(" \n");
  if (end == std::string::npos) return "";
  const std::size_t space = line.rfind(' ', end);
  return line.substr(space == std::string::npos ? 0 : space + 1, end + 1 - (space == std::string::npos ? 0 : space + 1));
}

int Fail(const std::string& what) {
  std::cerr << "vexilor-manpage: " << what << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return Fail("usage: vexilor-manpage OUTPUT PROGRAM SUMMARY DATE [SEE-ALSO ...]");
  const std::string output = argv[1], program = argv[2];
  const std::optional<std::string> help = Output({program, "--help"});
  const std::optional<std::string> version = Output({program, "--version"});
  if (!help || !version) return Fail(program + " does not answer --help and --version");

  vexilor::ManPage page{std::filesystem::path(program).filename().string(), argv[3], "", argv[4],
                        vexilor::ReadHelpText(*help), {}, std::vector<std::string>(argv + 5, argv + argc)};
  page.source = "Vexilor " + LastWord(*version);
  for (const std::string& command : vexilor::CommandsOf(page.help)) {
    const std::optional<std::string> text = Output({program, command, "--help"});
    if (!text) return Fail(program + " " + command + " does not answer --help");
    page.commands.push_back(vexilor::ReadHelpText(*text));
  }
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out << vexilor::ManPageText(page);
  out.close();
  if (!out) return Fail(output + ": cannot be written");
  return 0;
}
