#include "text/words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexilor {
namespace {

struct SplitCase {
  std::string text;
  int capacity;
  std::vector<std::string> words;
};

TEST(SplitWordsTest, SplitsOnRunsOfBlanksWithinCapacity) {
  const SplitCase cases[] = {
      {"a b c", 3, {"a", "b", "c"}},
      {"  55.5   37.25  120 ", 5, {"55.5", "37.25", "120"}},
      {"один  два", 2, {"один", "два"}},
      {"x", 1, {"x"}},
      {"a\tb", 5, {"a\tb"}},  // only the blank separates
      {"a b c", 2, {}},       // more words than room: reported as none
      {"a b c d e f", 5, {}},
      {"", 5, {}},
      {"     ", 5, {}},
      {"x", 0, {}},
      {"x", -1, {}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitWords(c.text, c.capacity), c.words) << "[" << c.text << "]";
}

}  // namespace
}  // namespace vexilor
