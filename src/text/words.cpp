#include "text/words.h"

namespace vexilor {

std::vector<std::string> SplitWords(std::string_view text, int capacity) {
  std::vector<std::string> words;
  std::size_t start = text.find_first_not_of(' ');
  while (start != std::string_view::npos) {
    if (static_cast<long long>(words.size()) >= capacity) return {};
    const std::size_t end = text.find(' ', start);
    words.emplace_back(text.substr(start, end - start));
    start = text.find_first_not_of(' ', end);
  }
  return words;
}

}  // namespace vexilor
