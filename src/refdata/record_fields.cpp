#include "refdata/record_fields.h"

#include <optional>

#include "text/number_reader.h"
#include "text/numeric.h"
#include "text/text_edit.h"
#include "text/utf8.h"

namespace vexilor {

std::string JoinWords(const std::vector<std::string>& words, std::size_t first, std::size_t count) {
  std::string joined;
  for (std::size_t i = first; i < first + count && i < words.size(); ++i) {
    if (i > first) joined += ' ';
    joined += words[i];
  }
  return joined;
}

bool ReadRecordDouble(std::string_view word, double& out) {
  const std::optional<double> value = ReadNumber(word);
  if (!value) return false;
  out = *value;
  return true;
}

bool ReadRecordInt16(std::string_view word, std::int16_t& out) {
  double value = 0.0;
  if (!ReadRecordDouble(word, value)) return false;
  const std::optional<std::int16_t> rounded = ToInt16(value);
  if (!rounded) return false;
  out = *rounded;
  return true;
}

std::string RecordColumn(std::string text, int width) {
  if (CodePointCount(text) >= static_cast<std::size_t>(width)) return text + ' ';
  return PadRight(std::move(text), width);
}

}  // namespace vexilor
