#include "text/text_edit.h"

#include <cstddef>

#include "text/utf8.h"

namespace vexilor {
namespace {

// Blanks missing for `text` to reach `width` code points.
std::size_t MissingBlanks(std::string_view text, int width) {
  if (width <= 0) return 0;
  const std::size_t length = CodePointCount(text);
  const auto wanted = static_cast<std::size_t>(width);
  return length < wanted ? wanted - length : 0;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string ReplaceFirstChar(std::string_view text, std::string_view find, std::string_view replacement) {
  const std::size_t at = find.empty() ? std::string_view::npos : text.find(find);
  if (at == std::string_view::npos) return std::string(text);
  std::string result(text.substr(0, at));
  result += replacement;
  result += text.substr(at + find.size());
  return result;
}

std::string PadRight(std::string text, int width) {
  text.append(MissingBlanks(text, width), ' ');
  return text;
}

std::string PadLeft(std::string text, int width) {
  text.insert(0, MissingBlanks(text, width), ' ');
  return text;
}

}  // namespace vexilor
