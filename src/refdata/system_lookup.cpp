#include "refdata/system_lookup.h"

#include <string>

#include "text/words.h"
#include "refdata/coord_system_record.h"
#include "refdata/record_fields.h"
#include "text/text_case.h"

namespace vexilor {
namespace {

// Latin spellings accepted for codes written in Cyrillic.
constexpr std::string_view kPz90Alias = "PZ90";
constexpr std::string_view kPz90Code = "ПЗ-90";

template <typename Matches>
std::int16_t FirstLine(const SystemLines& systems, Matches matches) {
  for (std::int16_t index = 1; index <= systems.Count(); ++index) {
    CoordSystem system;
    if (ParseSystemLine(systems.Item(index), system) == RecordError::kNone && matches(system.name)) return index;
  }
  return 0;
}

}  // namespace

std::string_view SystemCode(std::string_view name) {
  if (name.empty() || name.back() != ')') return {};
  const std::size_t open = name.rfind('(');
  if (open == std::string_view::npos) return {};
  return name.substr(open + 1, name.size() - open - 2);
}

std::int16_t FindSystemLine(const SystemLines& systems, std::string_view query) {
  const std::vector<std::string> words = SplitWords(query, kRecordWordCapacity);
  const std::string name = JoinWords(words, 0, words.size());
  if (const std::int16_t index = FirstLine(systems, [&](const std::string& n) { return n == name; })) return index;

  const std::string code = UpperCase(name);
  if (code.empty()) return 0;
  return FirstLine(systems, [&](const std::string& n) {
    const std::string own = UpperCase(SystemCode(n));
    return own == code || (code == kPz90Alias && own == kPz90Code);
  });
}

}  // namespace vexilor
