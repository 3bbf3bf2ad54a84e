#pragma once
// Splitting a line into blank-separated words.

#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

// The words of `text`; only the blank separates words and a run of blanks
// counts as one separator. Element i holds word i + 1 and the size is the
// word count. A text of more than `capacity` words is reported as no words
// at all (an empty result), as is a blank or empty text; a capacity below 1
// thus rejects every word.
std::vector<std::string> SplitWords(std::string_view text, int capacity);

// The next word of `text` from position `at` on, `at` moved past it; empty
// when no word is left. A view into `text`: nothing is copied, for readers
// of many lines.
std::string_view NextWord(std::string_view text, std::size_t& at);

}  // namespace vexilor
