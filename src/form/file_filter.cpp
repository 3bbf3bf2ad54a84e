#include "form/file_filter.h"

#include "text/text_edit.h"

namespace vexilor {
namespace {

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  for (std::size_t begin = 0;;) {
    const std::size_t end = text.find(separator, begin);
    pieces.push_back(text.substr(begin, end - begin));
    if (end == std::string_view::npos) return pieces;
    begin = end + 1;
  }
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter, bool* wellFormed) {
  std::vector<FileFilterEntry> entries;
  const bool empty = filter.empty();
  const std::vector<std::string_view> pieces = empty ? std::vector<std::string_view>{} : SplitAt(filter, '|');
  const bool even = pieces.size() % 2 == 0;
  if (wellFormed != nullptr) *wellFormed = even;
  if (!even) return entries;
  for (std::size_t i = 0; i < pieces.size(); i += 2) {
    FileFilterEntry entry{std::string(pieces[i]), {}};
    for (const std::string_view pattern : SplitAt(pieces[i + 1], ';')) {
      const std::string_view trimmed = TrimBlanks(pattern);
      if (!trimmed.empty()) entry.patterns.emplace_back(trimmed);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace vexilor
