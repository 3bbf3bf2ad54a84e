#include "command_line.h"

#include <algorithm>
#include <cctype>

#include "text/number_reader.h"
#include "text/number_text.h"
#include "text/numeric.h"

namespace vexilor {
namespace {

// The short spellings and the long options they stand for.
std::string LongName(const std::string& word) {
  if (word == "-h") return "--help";
  if (word == "-V") return "--version";
  return word;
}

// An option word: "--name", "--name=value" or a short spelling. A single
// "-" before anything else is a plain word: "-" for a standard stream, a
// negative number, an angle text such as "-22 54".
bool IsOptionWord(const std::string& word) { return word.rfind("--", 0) == 0 || LongName(word) != word; }

struct OptionWord {
  std::string name;                  // the long name
  std::optional<std::string> value;  // what follows "=", when given so
};

OptionWord SplitOptionWord(const std::string& word) {
  const std::size_t equals = word.find('=');
  if (equals == std::string::npos) return {LongName(word), std::nullopt};
  return {word.substr(0, equals), word.substr(equals + 1)};
}

// Takes the option word args[i] (and its value, when that is the next
// argument) into `line`; returns the index of the last argument taken.
std::size_t TakeOption(const std::vector<std::string>& args, std::size_t i,
                       const std::map<std::string, bool>& takesValue, CommandLine& line) {
  const OptionWord option = SplitOptionWord(args[i]);
  const bool isHelp = option.name == "--help";
  const auto known = takesValue.find(option.name);
  if (!isHelp && known == takesValue.end()) {
    line.error = "unknown option " + args[i];
  } else if (option.value && (isHelp || !known->second)) {
    line.error = "option " + option.name + " takes no value";
  } else if (isHelp) {
    line.help = true;
  } else if (line.Has(option.name)) {
    line.error = "option given twice: " + option.name;
  } else if (option.value) {
    line.values[option.name] = *option.value;
  } else if (!known->second) {
    line.values[option.name] = "";
  } else if (i + 1 < args.size()) {
    line.values[option.name] = args[++i];
  } else {
    line.error = "option without a value: " + option.name;
  }
  return i;
}

}  // namespace

CommandLine CollectCommandLine(const std::vector<std::string>& args, std::size_t first,
                               const std::map<std::string, bool>& takesValue) {
  CommandLine line;
  bool optionsEnded = false;
  for (std::size_t i = first; i < args.size() && line.error.empty(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || !IsOptionWord(a)) {
      line.words.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else {
      i = TakeOption(args, i, takesValue, line);
    }
  }
  return line;
}

bool LooksLikeCommand(const std::string& word) {
  const auto isCommandCharacter = [](unsigned char c) { return std::isalnum(c) || c == '-' || c == '_'; };
  return !word.empty() && std::isalpha(static_cast<unsigned char>(word[0])) &&
         std::all_of(word.begin(), word.end(), isCommandCharacter);
}

std::optional<std::int32_t> WholeNumberArgument(const std::string& text) {
  if (!IsNumberText(text, NumericLocale{"."})) return std::nullopt;
  const std::optional<double> value = ReadNumber(text);
  if (!value || *value != Int(*value)) return std::nullopt;
  return ToInt32(*value);
}

}  // namespace vexilor
