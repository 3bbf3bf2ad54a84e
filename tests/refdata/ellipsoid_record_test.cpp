#include "refdata/ellipsoid_record.h"

#include <gtest/gtest.h>

#include <string>

#include "support/raw_files.h"

namespace vexilor {
namespace {

struct ParsedCase {
  const char* label;
  std::string line;
  Ellipsoid expected;
};

class EllipsoidLineParse : public ::testing::TestWithParam<ParsedCase> {};

TEST_P(EllipsoidLineParse, ReadsEveryField) {
  const ParsedCase& c = GetParam();
  Ellipsoid parsed;
  ASSERT_EQ(ParseEllipsoidLine(c.line, parsed), RecordError::kNone);
  EXPECT_EQ(parsed.name, c.expected.name);
  EXPECT_EQ(parsed.number, c.expected.number);
  EXPECT_EQ(parsed.a, c.expected.a);
  EXPECT_EQ(parsed.invf, c.expected.invf);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EllipsoidLineParse,
    ::testing::Values(ParsedCase{"one_word_name", "WGS84 21 6378137 298.257223563", {"WGS84", 21, 6378137, 298.257223563}},
                      ParsedCase{"several_words", "  Krassovsky   1940  20 6378245 298.3 ", {"Krassovsky 1940", 20, 6378245, 298.3}},
                      ParsedCase{"cyrillic", "ПЗ-90 27 6378136 298.25784", {"ПЗ-90", 27, 6378136, 298.25784}},
                      ParsedCase{"numeric_name", "1 2 3 4", {"1", 2, 3, 4}},
                      ParsedCase{"half_to_even", "E 2.5 6.378e6 2.98e2", {"E", 2, 6378000, 298}}),
    testing::CaseLabel());

struct RefusedCase {
  const char* label;
  std::string line;
  RecordError error;
};

class EllipsoidLineRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(EllipsoidLineRefused, LeavesTheRecordUntouched) {
  Ellipsoid parsed{"kept", 5, 1, 2};
  EXPECT_EQ(ParseEllipsoidLine(GetParam().line, parsed), GetParam().error);
  EXPECT_EQ(parsed.name, "kept");
  EXPECT_EQ(parsed.number, 5);
  EXPECT_EQ(parsed.a, 1);
  EXPECT_EQ(parsed.invf, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EllipsoidLineRefused,
    ::testing::Values(RefusedCase{"empty", "", RecordError::kTooFewWords},
                      RefusedCase{"three_words", "21 6378137 298.257223563", RecordError::kTooFewWords},
                      RefusedCase{"huge_axis", "E 1 1e309 300", RecordError::kBadNumber},
                      RefusedCase{"number_beyond_16_bits", "E 40000 6378137 300", RecordError::kBadNumber}),
    testing::CaseLabel());

TEST(EllipsoidLineFormat, WritesColumnsOfTwentySixThreeThirteenFourteen) {
  EXPECT_EQ(FormatEllipsoidLine({"WGS 84", 21, 6378137, 298.257223563}),
            "WGS 84                    "
            "21 "
            "6378137      "
            "298.257223563 ");
  // Cyrillic letters count once: "ГСК-2011" is 8 code points, 18 blanks.
  EXPECT_EQ(FormatEllipsoidLine({"ГСК-2011", 28, 6378136.5, 298.2564151}),
            "ГСК-2011                  "
            "28 "
            "6378136.5    "
            "298.2564151   ");
}

TEST(EllipsoidLineFormat, ANumberThatFillsItsColumnStaysAWordOfItsOwn) {
  // Without the blank, 100 and the axis would run together as one word.
  const std::string line = FormatEllipsoidLine({"E", 100, 6378137, 298.3});
  EXPECT_EQ(line, "E                         100 6378137      298.3         ");
  Ellipsoid parsed;
  ASSERT_EQ(ParseEllipsoidLine(line, parsed), RecordError::kNone);
  EXPECT_EQ(parsed.number, 100);
  EXPECT_EQ(parsed.a, 6378137);
}

TEST(EllipsoidLineRoundTrip, EveryFieldComesBackExactly) {
  for (const Ellipsoid& e : {Ellipsoid{"Airy 1830", 1, 6377563.396, 299.3249646},
                             Ellipsoid{"Everest 1830", 8, 6377276.345, 300.8017},
                             Ellipsoid{"GRS 1980", 16, 6378137, 298.257222101},
                             Ellipsoid{"Exact", 32767, 6378136.123456789, 1.0 / 3.0 + 298}}) {
    Ellipsoid parsed;
    ASSERT_EQ(ParseEllipsoidLine(FormatEllipsoidLine(e), parsed), RecordError::kNone) << e.name;
    EXPECT_EQ(parsed.name, e.name);
    EXPECT_EQ(parsed.number, e.number);
    EXPECT_EQ(parsed.a, e.a);
    EXPECT_EQ(parsed.invf, e.invf);
  }
}

EllipsoidLines Lines(std::initializer_list<const char*> texts) {
  EllipsoidLines lines;
  for (const char* text : texts) lines.Append(text);
  return lines;
}

TEST(FindEllipsoid, TakesTheFirstLineWithTheNumber) {
  const EllipsoidLines lines = Lines({"A 1 6377563.396 299.3249646", "B 2 6378245 298.3", "C 2 6378137 298.257223563"});
  Ellipsoid found;
  ASSERT_EQ(FindEllipsoid(lines, 2, found), EllipsoidSearch::kFound);
  EXPECT_EQ(found.name, "B");
  EXPECT_EQ(found.a, 6378245);
  EXPECT_EQ(found.invf, 298.3);
}

TEST(FindEllipsoid, StopsAtADamagedLineBeforeTheWantedOne) {
  const EllipsoidLines lines = Lines({"A 1 6377563.396 299.3249646", "", "B 2 6378245 298.3", "broken line"});
  Ellipsoid found{"untouched", 0, 0, 0};
  EXPECT_EQ(FindEllipsoid(lines, 1, found), EllipsoidSearch::kFound);
  found.name = "untouched";
  EXPECT_EQ(FindEllipsoid(lines, 2, found), EllipsoidSearch::kBadFile);
  EXPECT_EQ(found.name, "untouched");
  EXPECT_EQ(FindEllipsoid(Lines({"A 99999 1 2", "B 2 6378245 298.3"}), 2, found), EllipsoidSearch::kBadFile);
}

TEST(FindEllipsoid, ReportsAMissingNumber) {
  Ellipsoid found{"untouched", 0, 0, 0};
  EXPECT_EQ(FindEllipsoid(Lines({"A 1 6377563.396 299.3249646"}), 27, found), EllipsoidSearch::kNotFound);
  EXPECT_EQ(FindEllipsoid(Lines({}), 1, found), EllipsoidSearch::kNotFound);
  EXPECT_EQ(found.name, "untouched");
}

}  // namespace
}  // namespace vexilor
