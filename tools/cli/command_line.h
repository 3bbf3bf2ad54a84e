#pragma once
// The options and plain words of a vexilor-cli command line.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vexilor {

struct CommandLine {
  std::map<std::string, std::string> values;  // option -> its value; flags map to ""
  std::vector<std::string> words;             // everything that is not an option
  bool help = false;                          // --help (or -h) was given
  std::string error;                          // what is wrong; empty when nothing is

  bool Has(const std::string& option) const { return values.count(option) > 0; }
};

// Collects args[first], args[first + 1], ...: a word that begins with "--" is
// an option, which `takesValue` must know (true: it takes a value, written
// "--name value", the next argument whatever it looks like, or
// "--name=value"), given once; "--help" (-h) is always known, -V stands for
// "--version"; after a lone "--" every argument is a plain word. Negative
// numbers and angle texts such as "-22 54" are plain words. The first fault
// stops the collection with its `error`.
CommandLine CollectCommandLine(const std::vector<std::string>& args, std::size_t first,
                               const std::map<std::string, bool>& takesValue);

// Whether a first argument reads as the name of a command rather than a
// file: a letter, then letters, digits, "-" and "_" only (no "." or "/").
bool LooksLikeCommand(const std::string& word);

// The value of an argument that is a whole number written as a number
// ("12", "1e2", "-3"; "." as decimal separator), when it fits 32 bits.
std::optional<std::int32_t> WholeNumberArgument(const std::string& text);

}  // namespace vexilor
