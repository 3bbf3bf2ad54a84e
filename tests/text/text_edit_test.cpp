#include "text/text_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"

namespace vexilor {
namespace {

struct PadCase {
  std::string text;
  int width;
  std::string right;
  std::string left;
};

TEST(TextEditTest, PadsToTheWidthInCodePoints) {
  const PadCase cases[] = {
      {"СК-42", 8, "СК-42   ", "   СК-42"},
      {"Ё", 2, "Ё ", " Ё"},
      {"abc", 2, "abc", "abc"},  // never cut
      {"abc", 3, "abc", "abc"},
      {"", 3, "   ", "   "},
      {"ab", 0, "ab", "ab"},
      {"ab", -4, "ab", "ab"},
  };
  for (const PadCase& c : cases) {
    EXPECT_EQ(PadRight(c.text, c.width), c.right) << c.text;
    EXPECT_EQ(PadLeft(c.text, c.width), c.left) << c.text;
  }
  EXPECT_EQ(CodePointCount(PadRight("ПЗ-90", 12)), 12u);
}

struct ReplaceCase {
  std::string text;
  std::string find;
  std::string replacement;
  std::string result;
};

TEST(TextEditTest, ReplacesOnlyTheFirstOccurrence) {
  const ReplaceCase cases[] = {
      {"55.5.5", ".", ",", "55,5.5"},
      {"abc", "x", "y", "abc"},
      {"ёлка ёж", "ё", "е", "елка ёж"},
      {"a.b", ".", "", "ab"},
      {"a.b", ".", "\u066B", "a\u066Bb"},
      {"a", "", "b", "a"},
      {"", ".", ",", ""},
  };
  for (const ReplaceCase& c : cases) EXPECT_EQ(ReplaceFirstChar(c.text, c.find, c.replacement), c.result) << c.text;
}

TEST(TextEditTest, TrimsBlanksOnly) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
}

}  // namespace
}  // namespace vexilor
