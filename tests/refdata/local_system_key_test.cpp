#include "refdata/local_system_key.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "text/angle_text.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

struct MatchCase {
  const char* label;
  const char* line;
  const char* upperName;
  bool matches;
};

class KeysLineMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(KeysLineMatch, ComparesTheFirstWordUpperCased) {
  EXPECT_EQ(IsKeysLineOf(GetParam().line, GetParam().upperName), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, KeysLineMatch,
    ::testing::Values(MatchCase{"same_case", "MCK42A 37 30 6 0 500", "MCK42A", true},
                      MatchCase{"line_in_lower_case", "mck42a 37 30 6 0 500", "MCK42A", true},
                      MatchCase{"leading_blanks", "   MCK42A 37 30 6 0 500", "MCK42A", true},
                      MatchCase{"cyrillic_name", "район-ё 37 30 6 0 500", "РАЙОН-Ё", true},
                      MatchCase{"longer_first_word", "MCK42AB 37 30 6 0 500", "MCK42A", false},
                      MatchCase{"shorter_first_word", "MCK42 37 30 6 0 500", "MCK42A", false},
                      MatchCase{"no_blank", "MCK42A", "MCK42A", false},
                      MatchCase{"trailing_blanks_only", "MCK42A   ", "MCK42A", false},
                      MatchCase{"blank_line", "", "", false},
                      MatchCase{"name_compared_as_given", "MCK42A 37 30 6 0 500", "mck42a", false}),
    testing::CaseLabel());

struct ValuesCase {
  const char* label;
  const char* line;
  LocalSystemKey expected;
};

class KeysLineValues : public ::testing::TestWithParam<ValuesCase> {};

TEST_P(KeysLineValues, TakesTheValuesAsWritten) {
  LocalSystemKey key;
  ASSERT_EQ(ParseKeysLine(GetParam().line, key), KeysSearch::kFound);
  const LocalSystemKey& e = GetParam().expected;
  EXPECT_EQ(key.name, e.name);
  EXPECT_DOUBLE_EQ(key.axialMeridian, e.axialMeridian);
  EXPECT_EQ(key.zoneWidth, e.zoneWidth);
  EXPECT_EQ(key.falseOriginX, e.falseOriginX);
  EXPECT_EQ(key.falseOriginY, e.falseOriginY);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, KeysLineValues,
    ::testing::Values(ValuesCase{"degrees_minutes", "mck42a 37 30 6 0 500", {"MCK42A", 37.5, 6, 0, 500}},
                      ValuesCase{"degrees_minutes_seconds", "R 38 28 30 3 -5811.057 250",
                                 {"R", 38 + 28 / 60.0 + 30 / 3600.0, 3, -5811.057, 250}},
                      ValuesCase{"negative_longitude", "N -3 00 6 0 500", {"N", -3, 6, 0, 500}},
                      ValuesCase{"fractional_minutes", "F 37 30.5 1.5 -9 250", {"F", 37 + 30.5 / 60, 1.5, -9, 250}},
                      // Numbers, but not an angle: the caller's range test refuses it.
                      ValuesCase{"minutes_of_sixty", "M 37 60 6 0 500", {"M", kAngleParseError, 6, 0, 500}}),
    testing::CaseLabel());

struct RefusedCase {
  const char* label;
  const char* line;
  KeysSearch result;
};

class KeysLineRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(KeysLineRefused, LeavesTheKeyUntouched) {
  LocalSystemKey key{"KEPT", 1, 2, 3, 4};
  EXPECT_EQ(ParseKeysLine(GetParam().line, key), GetParam().result);
  EXPECT_EQ(key.name, "KEPT");
  EXPECT_EQ(key.zoneWidth, 2);
}

INSTANTIATE_TEST_SUITE_P(Lines, KeysLineRefused,
                         ::testing::Values(RefusedCase{"five_words", "A 37 6 0 500", KeysSearch::kBadWordCount},
                                           RefusedCase{"eight_words", "A 37 30 0 0 6 0 500", KeysSearch::kBadWordCount},
                                           RefusedCase{"letters", "A 37 30 six 0 500", KeysSearch::kBadNumber},
                                           RefusedCase{"comma", "A 37 30 6 0 500,5", KeysSearch::kBadNumber},
                                           RefusedCase{"huge", "A 37 30 6 0 1e999", KeysSearch::kBadNumber}),
                         testing::CaseLabel());

struct KeysFile : ::testing::Test {
  TempFolder folder;
  std::string path = (folder / "keys.dat").string();

  void Write(std::string_view bytes) { WriteBytes(folder / "keys.dat", bytes); }
};

TEST_F(KeysFile, FindsTheNameTypedInLowerCase) {
  Write("# comment line\r\n\r\nMCK42 1 0 6 0 500\r\nMCK42A 37 30 6 0 500\r\nMCK42A 1 0 3 0 250\r\n");
  LocalSystemKey key;
  ASSERT_EQ(FindLocalSystemKey(path, "mck42a", key), KeysSearch::kFound);
  EXPECT_EQ(key.name, "MCK42A");
  EXPECT_EQ(key.axialMeridian, 37.5);
  EXPECT_EQ(key.zoneWidth, 6);
  EXPECT_EQ(key.falseOriginX, 0);
  EXPECT_EQ(key.falseOriginY, 500);
}

TEST_F(KeysFile, FindsACyrillicNameInWindows1251) {
  // "Район" in Windows-1251, looked up as typed in lower case.
  Write("\xD0\xE0\xE9\xEE\xED 23 30 0 3 -9 250\r\n");
  LocalSystemKey key;
  ASSERT_EQ(FindLocalSystemKey(path, "район", key), KeysSearch::kFound);
  EXPECT_EQ(key.name, "РАЙОН");
  EXPECT_DOUBLE_EQ(key.axialMeridian, 23.5);
  EXPECT_EQ(key.falseOriginX, -9);
}

TEST_F(KeysFile, TheFirstMatchingLineDecidesEvenWhenFaulty) {
  Write("A 1 2 3 4 5 6 7\r\nA 37 30 6 0 500\r\n");
  LocalSystemKey key{"KEPT", 0, 0, 0, 0};
  EXPECT_EQ(FindLocalSystemKey(path, "a", key), KeysSearch::kBadWordCount);
  Write("A 37 30 x 0 500\r\nA 37 30 6 0 500\r\n");
  EXPECT_EQ(FindLocalSystemKey(path, "A", key), KeysSearch::kBadNumber);
  EXPECT_EQ(key.name, "KEPT");
}

TEST_F(KeysFile, ReportsAMissingNameAndAMissingFile) {
  LocalSystemKey key;
  EXPECT_EQ(FindLocalSystemKey(path, "A", key), KeysSearch::kOpenFailed);
  if (std::filesystem::exists("/proc/self/mem")) {
    EXPECT_EQ(FindLocalSystemKey("/proc/self/mem", "A", key), KeysSearch::kReadFailed);
  }
  Write("");
  EXPECT_EQ(FindLocalSystemKey(path, "A", key), KeysSearch::kNotFound);
  Write("AB 37 30 6 0 500\r\nA\r\n");
  EXPECT_EQ(FindLocalSystemKey(path, "A", key), KeysSearch::kNotFound);
  EXPECT_EQ(FindLocalSystemKey(path, "", key), KeysSearch::kNotFound);
}

}  // namespace
}  // namespace vexilor
