#include "refdata/local_system_key.h"

#include <utility>
#include <vector>

#include "text/angle_text.h"
#include "text/number_text.h"
#include "text/text_edit.h"
#include "text/words.h"
#include "refdata/record_fields.h"
#include "refdata/reference_file.h"
#include "text/text_case.h"

namespace vexilor {
namespace {

constexpr std::size_t kShortLineWords = 6;  // degrees and minutes
constexpr std::size_t kLongLineWords = 7;   // degrees, minutes and seconds

}  // namespace

bool IsKeysLineOf(std::string_view line, std::string_view upperName) {
  const std::string upper = UpperCase(line);
  const std::string_view trimmed = TrimBlanks(upper);
  const std::size_t blank = trimmed.find(' ');
  return blank != std::string_view::npos && trimmed.substr(0, blank) == upperName;
}

KeysSearch ParseKeysLine(std::string_view line, LocalSystemKey& out) {
  const std::vector<std::string> words = SplitWords(UpperCase(line), kRecordWordCapacity);
  if (words.size() != kShortLineWords && words.size() != kLongLineWords) return KeysSearch::kBadWordCount;
  std::vector<double> values;
  for (std::size_t k = 1; k < words.size(); ++k) {
    const std::optional<double> value = NumberOfText(words[k]);
    if (!value) return KeysSearch::kBadNumber;
    values.push_back(*value);
  }
  // The angle words come first; the last three are width, x0 and y0.
  const std::size_t angleWords = words.size() - 4;
  LocalSystemKey key;
  key.name = words[0];
  key.axialMeridian = ParseAngle(JoinWords(words, 1, angleWords));
  key.zoneWidth = values[angleWords];
  key.falseOriginX = values[angleWords + 1];
  key.falseOriginY = values[angleWords + 2];
  out = std::move(key);
  return KeysSearch::kFound;
}

KeysSearch FindLocalSystemKey(std::string_view path, std::string_view name, LocalSystemKey& out) {
  std::vector<std::string> lines;
  switch (ReadReferenceLines(path, lines)) {
    case ReferenceFileError::kNone:
      break;
    case ReferenceFileError::kOpenFailed:
      return KeysSearch::kOpenFailed;
    default:
      return KeysSearch::kReadFailed;
  }
  const std::string upperName = UpperCase(name);
  for (const std::string& line : lines) {
    if (IsKeysLineOf(line, upperName)) return ParseKeysLine(line, out);
  }
  return KeysSearch::kNotFound;
}

}  // namespace vexilor
