#include "refdata/coord_system_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>


#include "text/comma_locale.h"
#include "refdata/ellipsoid_record.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

struct ParsedCase {
  const char* label;
  std::string line;
  CoordSystem expected;
};

class SystemLineParse : public ::testing::TestWithParam<ParsedCase> {};

TEST_P(SystemLineParse, ReadsEveryField) {
  const ParsedCase& c = GetParam();
  CoordSystem parsed;
  ASSERT_EQ(ParseSystemLine(c.line, parsed), RecordError::kNone);
  EXPECT_EQ(parsed.name, c.expected.name);
  EXPECT_EQ(parsed.ellipsoidNumber, c.expected.ellipsoidNumber);
  for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(parsed.link[k], c.expected.link[k]) << "link place " << k;
  EXPECT_EQ(parsed.parentCode, c.expected.parentCode);
  EXPECT_EQ(parsed.parentEllipsoidNumber, c.expected.parentEllipsoidNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SystemLineParse,
    ::testing::Values(
        // The file holds m between the shifts and the rotations.
        ParsedCase{"file_order", "Russia 1942 (CK42) 20 25 -141 -80 0.5e-6 1 -0.35 -0.66 PZ90 27",
                   {"Russia 1942 (CK42)", 20, {25, -141, -80, 1, -0.35, -0.66, 0.5e-6}, "PZ90", 27}},
        ParsedCase{"runs_of_blanks_collapse", "  Alpha  Beta   Gamma    3  1 2 3 0 4 5 6   WGS84   21  ",
                   {"Alpha Beta Gamma", 3, {1, 2, 3, 4, 5, 6, 0}, "WGS84", 21}},
        ParsedCase{"exponent_scale", "S 1 0 0 0 -1.2e-07 0 0 0 PZ90 27", {"S", 1, {0, 0, 0, 0, 0, 0, -1.2e-7}, "PZ90", 27}},
        ParsedCase{"cyrillic_name", "Система (ПЗ-90) 27 -1.08 -0.27 -0.9 -1.2E-07 0 0 -0.16 WGS84 21",
                   {"Система (ПЗ-90)", 27, {-1.08, -0.27, -0.9, 0, 0, -0.16, -1.2e-7}, "WGS84", 21}},
        // Text that does not start with a number reads as 0; a number stops
        // at the first character it cannot use.
        ParsedCase{"plain_reader", "N x 12,5 7km . - 0 0 0 PZ90 abc", {"N", 0, {12, 7, 0, 0, 0, 0, 0}, "PZ90", 0}},
        // Integers round to the nearest, a half to the even neighbour.
        ParsedCase{"integer_rounding", "N 20.5 0 0 0 0 0 0 0 PZ90 21.5", {"N", 20, {}, "PZ90", 22}},
        // A name may consist of numbers: only the last ten words are fields.
        ParsedCase{"numeric_name", "1 2 3 4 5 6 7 8 9 10 11", {"1", 2, {3, 4, 5, 7, 8, 9, 6}, "10", 11}}),
    testing::CaseLabel());

struct RefusedCase {
  const char* label;
  std::string line;
  RecordError error;
};

class SystemLineRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(SystemLineRefused, LeavesTheRecordUntouched) {
  const RefusedCase& c = GetParam();
  CoordSystem parsed{"kept", 7, {1, 2, 3, 4, 5, 6, 7}, "KEEP", 8};
  EXPECT_EQ(ParseSystemLine(c.line, parsed), c.error);
  EXPECT_EQ(parsed.name, "kept");
  EXPECT_EQ(parsed.ellipsoidNumber, 7);
  EXPECT_EQ(parsed.link[6], 7);
  EXPECT_EQ(parsed.parentCode, "KEEP");
}

std::string ManyWords(int count) {
  std::string line;
  for (int i = 0; i < count; ++i) line += "1 ";
  return line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SystemLineRefused,
    ::testing::Values(RefusedCase{"empty", "", RecordError::kTooFewWords},
                      RefusedCase{"blanks_only", "     ", RecordError::kTooFewWords},
                      RefusedCase{"ten_words", "20 25 -141 -80 0 0 -0.35 -0.66 PZ90 27", RecordError::kTooFewWords},
                      RefusedCase{"forty_one_words", ManyWords(41), RecordError::kTooFewWords},
                      RefusedCase{"huge_shift", "N 20 1e999 0 0 0 0 0 0 PZ90 27", RecordError::kBadNumber},
                      RefusedCase{"huge_scale", "N 20 0 0 0 -1e400 0 0 0 PZ90 27", RecordError::kBadNumber},
                      RefusedCase{"ellipsoid_beyond_16_bits", "N 32768 0 0 0 0 0 0 0 PZ90 27", RecordError::kBadNumber},
                      RefusedCase{"parent_below_16_bits", "N 20 0 0 0 0 0 0 0 PZ90 -32769", RecordError::kBadNumber}),
    testing::CaseLabel());

TEST(SystemLineCapacity, FortyWordsParseAndTheListingCapacityTakesFifty) {
  CoordSystem parsed;
  EXPECT_EQ(ParseSystemLine(ManyWords(40), parsed), RecordError::kNone);
  EXPECT_EQ(ParseSystemLine(ManyWords(50), parsed, kListingWordCapacity), RecordError::kNone);
  EXPECT_EQ(parsed.name, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1");
  EXPECT_EQ(ParseSystemLine(ManyWords(51), parsed, kListingWordCapacity), RecordError::kTooFewWords);
}

struct FormatCase {
  const char* label;
  CoordSystem system;
  std::string expected;
};

class SystemLineFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SystemLineFormat, WritesTheColumns) { EXPECT_EQ(FormatSystemLine(GetParam().system), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Lines, SystemLineFormat,
    ::testing::Values(
        // Columns 68, 4, 8, 8, 8, 12, 8, 8, 8, 12, 5; m stands fourth.
        FormatCase{"ck42",
                   {"Russia 1942 Coordinate Reference System (CK42)", 20, {25, -141, -80, 0, -0.35, -0.66, 0}, "PZ90", 27},
                   "Russia 1942 Coordinate Reference System (CK42)                      "
                   "20  "
                   "25      -141    -80     "
                   "0           "
                   "0       -0.35   -0.66   "
                   "PZ90        "
                   "27   "},
        // Cyrillic letters count once each: 44 code points and 24 blanks.
        FormatCase{"cyrillic_counts_code_points",
                   {"Russia 1990 Global Coordinate System (ПЗ-90)", 27, {-1.08, -0.27, -0.9, 0, 0, -0.16, -1.2e-7}, "WGS84", 21},
                   "Russia 1990 Global Coordinate System (ПЗ-90)                        "
                   "27  "
                   "-1.08   -0.27   -0.9    "
                   "-1.2e-07    "
                   "0       0       -0.16   "
                   "WGS84       "
                   "21   "},
        // A value that fills or exceeds its column is followed by one blank.
        FormatCase{"full_columns",
                   {"N", -1234, {-1234.56, 12345678, 0.5, 1.23456789, -2.5, 3, 1.2345678901e-6}, "ABCDEFGHIJKL", 12345},
                   "N                                                                   "
                   "-1234 "
                   "-1234.56 12345678 0.5     "
                   "1.2345678901e-06 "
                   "1.23456789 -2.5    3       "
                   "ABCDEFGHIJKL "
                   "12345 "}),
    testing::CaseLabel());

TEST(SystemLineFormat, AnOverlongNameIsWrittenWholeAndStaysSeparate) {
  const std::string name(70, 'N');
  const std::string line = FormatSystemLine({name, 1, {}, "PZ90", 27});
  EXPECT_EQ(line.substr(0, 71), name + " ");
  CoordSystem parsed;
  ASSERT_EQ(ParseSystemLine(line, parsed), RecordError::kNone);
  EXPECT_EQ(parsed.name, name);
  EXPECT_EQ(parsed.ellipsoidNumber, 1);
}

TEST(SystemLineRoundTrip, EveryFieldComesBackExactly) {
  struct Case {
    CoordSystem system;
    std::string name;  // as read back: words joined by single blanks
  };
  const std::vector<Case> cases = {
      {{"Russia 1995 Coordinate Reference System (CK95)", 20, {25.9, -130.94, -81.76, 0, 0, 0, 0}, "PZ90", 27},
       "Russia 1995 Coordinate Reference System (CK95)"},
      {{"Local  two   blanks", 28, {-3000, 3000, 0.1, -10, 10, 1e-3, 1e-5}, "WGS84", 21}, "Local two blanks"},
      {{"Tiny", 1, {1e-300, -2.2250738585072014e-308, 123456.789012345, 0.1 + 0.2, 1.0 / 3.0, -0.0, -9.87654321e-9},
        "PZ90", 27},
       "Tiny"}};
  for (const Case& c : cases) {
    CoordSystem parsed;
    ASSERT_EQ(ParseSystemLine(FormatSystemLine(c.system), parsed), RecordError::kNone) << c.name;
    EXPECT_EQ(parsed.name, c.name);
    EXPECT_EQ(parsed.ellipsoidNumber, c.system.ellipsoidNumber);
    EXPECT_EQ(parsed.link, c.system.link) << c.name;
    EXPECT_EQ(parsed.parentCode, c.system.parentCode);
    EXPECT_EQ(parsed.parentEllipsoidNumber, c.system.parentEllipsoidNumber);
  }
}

TEST(RecordFormat, ADecimalCommaLocaleStillWritesDots) {
  const ScopedCommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no comma locale installed";
  const std::string system = FormatSystemLine({"S", 1, {25.9, -0.5, 0, 0, 0, -0.66, -1.2e-7}, "PZ90", 27});
  EXPECT_EQ(system.find(','), std::string::npos) << system;
  EXPECT_NE(system.find("25.9 "), std::string::npos) << system;
  EXPECT_NE(system.find("-1.2e-07 "), std::string::npos) << system;
  const std::string ellipsoid = FormatEllipsoidLine({"E", 2, 6378136.5, 298.2564151});
  EXPECT_EQ(ellipsoid.find(','), std::string::npos) << ellipsoid;
  EXPECT_NE(ellipsoid.find("6378136.5 "), std::string::npos) << ellipsoid;
  CoordSystem parsed;
  ASSERT_EQ(ParseSystemLine(system, parsed), RecordError::kNone);
  EXPECT_EQ(parsed.link[0], 25.9);
  EXPECT_EQ(parsed.link[6], -1.2e-7);
}

}  // namespace
}  // namespace vexilor
