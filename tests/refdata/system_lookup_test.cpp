#include "refdata/system_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "text/text_case.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

TEST(SystemCode, IsTheTextInTheClosingBrackets) {
  EXPECT_EQ(SystemCode("Russia 1942 Coordinate Reference System (CK42)"), "CK42");
  EXPECT_EQ(SystemCode("Russia 1990 Global Coordinate System (ПЗ-90)"), "ПЗ-90");
  EXPECT_EQ(SystemCode("Name (old) (NEW)"), "NEW");
  for (const char* none : {"()", "No code", "Open (end", "Close)", ""}) EXPECT_EQ(SystemCode(none), "") << none;
}

struct LookupCase {
  const char* label;
  const char* query;
  std::int16_t index;
};

class FindSystemLineCase : public ::testing::TestWithParam<LookupCase> {
 protected:
  FindSystemLineCase() {
    for (const char* line : {"CK42 (WGS84) 1 0 0 0 0 0 0 0 PZ90 27",                                        // 1
                             "Russia 1942 Coordinate Reference System (CK42) 20 0 0 0 0 0 0 0 PZ90 27",   // 2
                             "broken (CK95)",                                                              // 3
                             "Russia 1990 Global Coordinate System (ПЗ-90) 27 0 0 0 0 0 0 0 WGS84 21",    // 4
                             "Russia 1995 Coordinate Reference System (CK95) 20 0 0 0 0 0 0 0 PZ90 27",   // 5
                             "WGS 1984 Global Definition (WGS84) 21 0 0 0 0 0 0 0 PZ90 27",               // 6
                             "Local (my-ёж) 20 0 0 0 0 0 0 0 PZ90 27",                                     // 7
                             "Russia 2011 Global Coordinate System (ПЗ-90.11) 27 0 0 0 0 0 0 0 PZ90 27",  // 8
                             "Russia 2011 Geodetic Coordinate System (ГСК-2011) 28 0 0 0 0 0 0 0 PZ90 27"}) {  // 9
      systems_.Append(line);
    }
  }
  SystemLines systems_;
};

TEST_P(FindSystemLineCase, FindsByNameThenByCode) {
  EXPECT_EQ(FindSystemLine(systems_, GetParam().query), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, FindSystemLineCase,
    ::testing::Values(LookupCase{"full_name", "Russia 1942 Coordinate Reference System (CK42)", 2},
                      LookupCase{"full_name_extra_blanks", "  Russia  1942 Coordinate Reference System (CK42) ", 2},
                      LookupCase{"full_name_is_case_sensitive", "russia 1942 coordinate reference system (ck42)", 0},
                      // A full name wins over a code met earlier.
                      LookupCase{"name_before_code", "CK42 (WGS84)", 1},
                      LookupCase{"code", "CK42", 2},
                      LookupCase{"code_lower_case", "ck95", 5},
                      LookupCase{"code_of_a_bad_line_passed_over", "CK95", 5},
                      LookupCase{"first_line_with_the_code", "WGS84", 1},
                      LookupCase{"cyrillic_code", "ПЗ-90", 4},
                      LookupCase{"cyrillic_code_lower_case", "пз-90", 4},
                      LookupCase{"latin_alias", "PZ90", 4},
                      LookupCase{"latin_alias_lower_case", "pz90", 4},
                      LookupCase{"latin_spelling_with_a_point", "PZ90.11", 8},
                      LookupCase{"latin_spelling_with_its_hyphen", "gsk-2011", 9},
                      LookupCase{"a_point_still_counts", "PZ9011", 0},
                      LookupCase{"cyrillic_letters_outside_the_basic_range", "MY-ЁЖ", 7},
                      LookupCase{"unknown", "CK63", 0},
                      LookupCase{"empty", "", 0},
                      LookupCase{"blanks", "   ", 0}),
    testing::CaseLabel());

TEST(UpperCase, RaisesEveryLetterOfTheCodePage) {
  EXPECT_EQ(UpperCase("abcxyz ABC 123"), "ABCXYZ ABC 123");
  EXPECT_EQ(UpperCase("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"), "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
  EXPECT_EQ(UpperCase("ђѓєѕіїјљњћќўџґ"), "ЂЃЄЅІЇЈЉЊЋЌЎЏҐ");
  EXPECT_EQ(UpperCase("é ß µ ° №"), "é ß µ ° №");
  EXPECT_EQ(UpperCase(std::string("a\xFF\xC3z", 4)), std::string("A\xFF\xC3Z", 4));
}

}  // namespace
}  // namespace vexilor
