#include "text/csv_fields.h"

#include "text/text_edit.h"

namespace vexilor {
namespace {

// The end of the field that starts at `start`: the next delimiter outside
// quotes, or the end of the line.
std::size_t FieldEnd(std::string_view line, char delimiter, std::size_t start) {
  std::size_t at = start;
  if (at < line.size() && line[at] == '"') {
    for (++at; at < line.size(); ++at) {
      if (line[at] != '"') continue;
      if (at + 1 < line.size() && line[at + 1] == '"') {
        ++at;  // a doubled quote
        continue;
      }
      ++at;  // past the closing quote
      break;
    }
  }
  const std::size_t end = line.find(delimiter, at);
  return end == std::string_view::npos ? line.size() : end;
}

}  // namespace

std::size_t SplitCsvFields(std::string_view line, char delimiter, std::span<std::string_view> fields,
                           std::size_t& rest) {
  std::size_t found = 0;
  std::size_t start = 0;
  rest = 0;
  while (found < fields.size()) {
    const std::size_t end = FieldEnd(line, delimiter, start);
    fields[found++] = line.substr(start, end - start);
    rest = end;
    if (end == line.size()) break;
    start = end + 1;
  }
  return found;
}

std::vector<std::string_view> CsvFields(std::string_view line, char delimiter) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = FieldEnd(line, delimiter, start);
    fields.push_back(line.substr(start, end - start));
    if (end == line.size()) return fields;
    start = end + 1;
  }
}

std::string CsvFieldText(std::string_view field) {
  const std::string_view trimmed = TrimBlanks(field);
  if (trimmed.size() < 2 || trimmed.front() != '"' || trimmed.back() != '"') return std::string(trimmed);
  std::string text;
  const std::string_view inside = trimmed.substr(1, trimmed.size() - 2);
  for (std::size_t at = 0; at < inside.size(); ++at) {
    text += inside[at];
    if (inside[at] == '"' && at + 1 < inside.size() && inside[at + 1] == '"') ++at;
  }
  return text;
}

}  // namespace vexilor
