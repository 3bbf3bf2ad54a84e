#include "refdata/system_lookup.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "text/words.h"
#include "refdata/coord_system_record.h"
#include "refdata/record_fields.h"
#include "text/text_case.h"

namespace vexilor {
namespace {

// A code as typed on a Latin keyboard: upper case, the Cyrillic letters of
// the catalogue's codes in their usual Latin spelling, hyphens left out.
// "ПЗ-90.11" is "PZ90.11", "ГСК-2011" is "GSK2011".
std::string LatinCode(std::string_view code) {
  static constexpr std::pair<std::string_view, char> kLetters[] = {
      {"А", 'A'}, {"В", 'V'}, {"Г", 'G'}, {"Е", 'E'}, {"З", 'Z'}, {"К", 'K'}, {"М", 'M'},
      {"Н", 'N'}, {"О", 'O'}, {"П", 'P'}, {"Р", 'R'}, {"С", 'S'}, {"Т", 'T'}, {"Х", 'H'}};
  const std::string upper = UpperCase(code);
  std::string latin;
  for (std::size_t at = 0; at < upper.size();) {
    const auto letter = std::find_if(std::begin(kLetters), std::end(kLetters),
                                     [&](const auto& l) { return upper.compare(at, l.first.size(), l.first) == 0; });
    if (letter != std::end(kLetters)) {
      latin += letter->second;
      at += letter->first.size();
    } else {
      if (upper[at] != '-') latin += upper[at];
      ++at;
    }
  }
  return latin;
}

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
  const std::string latin = LatinCode(code);
  return FirstLine(systems, [&](const std::string& n) {
    const std::string_view own = SystemCode(n);
    return !own.empty() && LatinCode(own) == latin;
  });
}

}  // namespace vexilor
