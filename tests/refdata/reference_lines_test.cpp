#include "refdata/reference_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/raw_files.h"

namespace vexilor {
namespace {

std::vector<std::string> Contents(const ReferenceLines& lines) { return {lines.begin(), lines.end()}; }

struct SortCase {
  const char* label;
  std::vector<std::string> inserted;
  std::vector<std::string> expected;
};

class InsertSortedOrder : public ::testing::TestWithParam<SortCase> {};

TEST_P(InsertSortedOrder, KeepsTheListSorted) {
  SystemLines lines;
  for (const std::string& line : GetParam().inserted) ASSERT_TRUE(InsertSorted(lines, line));
  EXPECT_EQ(Contents(lines), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, InsertSortedOrder,
    ::testing::Values(SortCase{"b_a_c", {"B", "A", "C"}, {"A", "B", "C"}},
                      SortCase{"descending", {"E", "D", "C", "B", "A"}, {"A", "B", "C", "D", "E"}},
                      SortCase{"into_the_middle", {"A", "Z", "M", "F", "T", "B", "Y"}, {"A", "B", "F", "M", "T", "Y", "Z"}},
                      SortCase{"duplicates", {"B", "A", "B", "C", "A", "C"}, {"A", "A", "B", "B", "C", "C"}},
                      // Case-sensitive: capitals come before small letters.
                      SortCase{"case_sensitive", {"b", "B", "a", "A"}, {"A", "B", "a", "b"}},
                      // Whole lines compare, so a name that is a prefix of another
                      // sorts by the character after it.
                      SortCase{"whole_lines", {"Ab 2", "Ab 1", "Abc 0", "Ab  9"}, {"Ab  9", "Ab 1", "Ab 2", "Abc 0"}},
                      // Code-point order: Latin, then Ё, then А..Я, then а..я.
                      SortCase{"cyrillic", {"я", "А", "Ё", "Z", "Я", "а"}, {"Z", "Ё", "А", "Я", "а", "я"}}),
    testing::CaseLabel());

TEST(InsertSorted, MatchesASortOfManyRandomLines) {
  std::mt19937 random(20240607);
  std::uniform_int_distribution<int> letter('A', 'F');
  std::uniform_int_distribution<int> length(0, 4);
  std::vector<std::string> inserted;
  SystemLines lines;
  for (int i = 0; i < 2000; ++i) {
    std::string line;
    for (int k = length(random); k > 0; --k) line += static_cast<char>(letter(random));
    inserted.push_back(line);
    ASSERT_TRUE(InsertSorted(lines, line));
  }
  std::sort(inserted.begin(), inserted.end());
  EXPECT_EQ(Contents(lines), inserted);
}

TEST(ReferenceLines, AFullListRefusesEveryInsertion) {
  SystemLines lines;
  for (int i = 0; i < 32767; ++i) ASSERT_TRUE(lines.Append("line")) << i;
  EXPECT_EQ(lines.Count(), 32767);
  EXPECT_FALSE(lines.Append("more"));
  EXPECT_FALSE(lines.InsertBefore(1, "more"));
  EXPECT_FALSE(InsertSorted(lines, "a"));
  EXPECT_FALSE(InsertSorted(lines, "A"));
  EXPECT_EQ(lines.Count(), 32767);
  EXPECT_TRUE(lines.Remove(32767));
  EXPECT_TRUE(InsertSorted(lines, "A"));
  EXPECT_EQ(lines.Item(1), "A");
}

TEST(ReferenceLines, IndicesRunFromOneToCount) {
  ReferenceLines lines;
  EXPECT_TRUE(lines.Append("b"));
  EXPECT_TRUE(lines.InsertBefore(1, "a"));
  EXPECT_TRUE(lines.InsertBefore(3, "c"));
  EXPECT_FALSE(lines.InsertBefore(5, "x"));
  EXPECT_FALSE(lines.InsertBefore(0, "x"));
  EXPECT_EQ(Contents(lines), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(lines.Item(3), "c");
  for (std::int16_t outside : {0, 4, -1, INT16_MAX, INT16_MIN}) EXPECT_EQ(lines.Item(outside), "") << outside;
  EXPECT_FALSE(lines.Remove(0));
  EXPECT_FALSE(lines.Remove(4));
  EXPECT_TRUE(lines.Remove(2));
  EXPECT_EQ(Contents(lines), (std::vector<std::string>{"a", "c"}));
  lines.Clear();
  EXPECT_EQ(lines.Count(), 0);
}

}  // namespace
}  // namespace vexilor
