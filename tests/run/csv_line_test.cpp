// A CSV point line reads as the same point as its .in twin: every angle
// text the main window takes, decimal commas, west longitudes, kilometres.

#include "run/csv_line.h"

#include <gtest/gtest.h>

#include <cmath>

#include "text/codepage.h"
#include "run/source_line.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

using namespace testing;  // the units the tests choose

const NumericLocale kDot{"."};
const SideUnits kRadiansAndKm = InAngles(AngleUnit::Radians, LengthUnit::Kilometres);

CsvDialect Dialect(char delimiter, TextEncoding encoding) {
  CsvDialect d;
  d.delimiter = delimiter;
  d.encoding = encoding;
  return d;
}

struct CsvCase {
  std::string line;
  char delimiter;
  CoordType type;
  SideUnits units;
  ResultCode code;
  const char* twin;  // the .in line of the same point, read in `twinUnits`
  SideUnits twinUnits;
  const char* name;
  const char* extra;
  TextEncoding encoding = TextEncoding::kUtf8;
};

TEST(ParseCsvLine, ReadsWhatItsInTwinReads) {
  const CsvCase cases[] = {
      {"1;55 45 20.5;37 37 12;150", ';', CoordType::BLH, kInDegMinSec, kOk, "1 55 45 20.5 37 37 12 150", kInDegMinSec,
       "1", ""},
      {"RP12;55°45'20,5\";37°37'12\";150,25;код;\"a;b\"", ';', CoordType::BLH, kInDegMinSec, kOk,
       "1 55 45 20.5 37 37 12 150.25", kInDegMinSec, "RP12", ";код;\"a;b\""},
      // the degree mark is one byte in Windows-1251
      {Utf8ToCp1251("7;55°45'20,5\";37°37'12\";150,25"), ';', CoordType::BLH, kInDegMinSec, kOk,
       "1 55 45 20.5 37 37 12 150.25", kInDegMinSec, "7", "", TextEncoding::kCp1251},
      // an angle field takes every layout whatever the unit of the side
      {"2\t55.7557\t37.62\t150", '\t', CoordType::BLH, kInDegMinSec, kOk, "2 55.7557 37.62 150", kInDegrees, "2", ""},
      {"2,55 45.342,37 37.2,150", ',', CoordType::BLH, kInDegrees, kOk, "2 55 45.342 37 37.2 150", kInDegMin, "2", ""},
      // south and west, west counted east of Greenwich
      {"3;-33.5;-70.25;500", ';', CoordType::BLH, kInDegrees, kOk, "3 -33.5 289.75 500", kInDegrees, "3", ""},
      {"3;0,97;-0,5;0,15", ';', CoordType::BLH, kRadiansAndKm, kOk, "3 0.97 5.783185307179586 0.15", kRadiansAndKm,
       "3", ""},
      {"\"Репер 4\";2849,9486;2195,8414;5249,0992;", ';', CoordType::XYZ, kInKilometres, kOk,
       "4 2849.9486 2195.8414 5249.0992", kInKilometres, "\"Репер 4\"", ";"},
      {"5; \" 6181699.0886 \" ;7413344.6199;150", ';', CoordType::xyH, kInMetres, kOk,
       "5 6181699.0886 7413344.6199 150", kInMetres, "5", ""},
      {"6;55;37", ';', CoordType::BLH, kInDegrees, kUnreadableLine, nullptr, {}, nullptr, nullptr},
      {"6;55;abc;150", ';', CoordType::BLH, kInDegrees, kUnreadableLine, nullptr, {}, nullptr, nullptr},
      {"6;55 1 2 3;37;150", ';', CoordType::BLH, kInDegrees, kUnreadableLine, nullptr, {}, nullptr, nullptr},
      {"6,55,5,37,150", ',', CoordType::BLH, kInDegrees, kOk, "6 55 5 37", kInDegrees, "6", ",150"},
      {"6;1e999;37;150", ';', CoordType::XYZ, kInMetres, kUnreadableLine, nullptr, {}, nullptr, nullptr},
      {"6;90.01;37;150", ';', CoordType::BLH, kInDegrees, kValueOutOfRange, nullptr, {}, nullptr, nullptr},
      {"6;55 61;37;150", ';', CoordType::BLH, kInDegrees, kValueOutOfRange, nullptr, {}, nullptr, nullptr},
      {"6;55;360.5;150", ';', CoordType::BLH, kInDegrees, kValueOutOfRange, nullptr, {}, nullptr, nullptr},
      {"6;55;-360.5;150", ';', CoordType::BLH, kInDegrees, kValueOutOfRange, nullptr, {}, nullptr, nullptr},
      {"6;1e306;1;1", ';', CoordType::XYZ, kInKilometres, kValueOutOfRange, nullptr, {}, nullptr, nullptr},
  };
  for (const CsvCase& c : cases) {
    SourceRecord record;
    record.name = "untouched";
    EXPECT_EQ(ParseCsvLine(c.line, Dialect(c.delimiter, c.encoding), c.type, c.units, kDot, record), c.code)
        << c.line;
    if (c.code != kOk) {
      EXPECT_EQ(record.name, "untouched") << c.line;
      continue;
    }
    Coords twin{};
    ASSERT_EQ(ParseSourceLine(c.twin, c.type, c.twinUnits, kDot, twin), kOk) << c.twin;
    for (std::size_t k = 0; k < twin.size(); ++k)
      EXPECT_NEAR(record.coords[k], twin[k], 1e-12 * (1 + std::fabs(twin[k]))) << c.line;
    EXPECT_EQ(record.name, c.name) << c.line;
    EXPECT_EQ(record.extra, c.extra) << c.line;
  }
}

TEST(ParseCsvLine, BlankLinesAndCommentsHoldNoPoint) {
  for (const char* line : {"", "   ", "\t", "#", "# Пункты", "  #1;55;37;150"})
    EXPECT_TRUE(IsCsvCommentOrBlank(line)) << line;
  for (const char* line : {"1;55;37;150", "x#", ";"}) EXPECT_FALSE(IsCsvCommentOrBlank(line)) << line;
}

}  // namespace
}  // namespace vexilor
