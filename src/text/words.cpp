#include "text/words.h"

#include <algorithm>

namespace vexilor {

std::vector<std::string> SplitWords(std::string_view text, int capacity) {
  std::vector<std::string> words;
  std::size_t at = 0;
  for (std::string_view word = NextWord(text, at); !word.empty(); word = NextWord(text, at)) {
    if (static_cast<long long>(words.size()) >= capacity) return {};
    words.emplace_back(word);
  }
  return words;
}

std::string_view NextWord(std::string_view text, std::size_t& at) {
  const std::size_t start = text.find_first_not_of(' ', at);
  if (start == std::string_view::npos) {
    at = text.size();
    return {};
  }
  at = std::min(text.find(' ', start), text.size());
  return text.substr(start, at - start);
}

}  // namespace vexilor
