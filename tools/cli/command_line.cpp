#include "command_line.h"

#include "text/number_reader.h"
#include "text/number_text.h"
#include "text/numeric.h"

namespace vexilor {

CommandLine CollectCommandLine(const std::vector<std::string>& args, std::size_t first,
                               const std::map<std::string, bool>& takesValue) {
  CommandLine line;
  bool optionsEnded = false;
  for (std::size_t i = first; i < args.size() && line.error.empty(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.rfind("--", 0) != 0) {
      line.words.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--help") {
      line.help = true;
    } else if (const auto known = takesValue.find(a); known == takesValue.end()) {
      line.error = "unknown option " + a;
    } else if (line.Has(a)) {
      line.error = "option given twice: " + a;
    } else if (!known->second) {
      line.values[a] = "";
    } else if (i + 1 < args.size()) {
      line.values[a] = args[++i];
    } else {
      line.error = "option without a value: " + a;
    }
  }
  return line;
}

std::optional<std::int32_t> WholeNumberArgument(const std::string& text) {
  if (!IsNumberText(text, NumericLocale{"."})) return std::nullopt;
  const std::optional<double> value = ReadNumber(text);
  if (!value || *value != Int(*value)) return std::nullopt;
  return ToInt32(*value);
}

}  // namespace vexilor
