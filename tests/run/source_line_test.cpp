#include "run/source_line.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/angle_constants.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

using namespace testing;  // the units the tests choose

// Heights in kilometres beside the angles.
const SideUnits kDegreesAndKm = InAngles(AngleUnit::Degrees, LengthUnit::Kilometres);
const SideUnits kDegMinSecAndKm = InAngles(AngleUnit::DegMinSec, LengthUnit::Kilometres);

const NumericLocale kDot{"."};
const NumericLocale kComma{","};

struct LineCase {
  const char* line;
  CoordType type;
  SideUnits units;
  ResultCode code;
  double c1, c2, c3;  // expected: degrees for BLH, metres otherwise
};

double ToUserUnits(CoordType type, double v, int index) {
  return type == CoordType::BLH && index < 2 ? v * kDegreesPerRadian : v;
}

TEST(ParseSourceLine, LayoutsUnitsAndChecks) {
  const LineCase cases[] = {
      {"1 2846123.4567 2200000 5000000", CoordType::XYZ, kInMetres, kOk, 2846123.4567, 2200000, 5000000},
      {"7 2846.1234567 -2200 5000", CoordType::XYZ, kInKilometres, kOk, 2846123.4567, -2200000, 5000000},
      {"7  6100000   7500000  12.5 ", CoordType::xyH, kInMetres, kOk, 6100000, 7500000, 12.5},
      {"5 55.5 37.25 150", CoordType::BLH, kInDegrees, kOk, 55.5, 37.25, 150},
      {"5 55.5 37.25 0.15", CoordType::BLH, kDegreesAndKm, kOk, 55.5, 37.25, 150},
      {"1 55 30 0 37 15 36 100", CoordType::BLH, kInDegMinSec, kOk, 55.5, 37.26, 100},
      {"1 -33 52 12 151 12 36 5", CoordType::BLH, kInDegMinSec, kOk, -(33 + 52 / 60. + 12 / 3600.), 151.21, 5},
      {"1 -0 30 0 0 0 0 0", CoordType::BLH, kInDegMinSec, kOk, -0.5, 0, 0},
      {"1 55 30 60 37 15 60 0", CoordType::BLH, kInDegMinSec, kOk, 55.5 + 1 / 60., 37.25 + 1 / 60., 0},
      {"1 90 0 0 360 0 0 0", CoordType::BLH, kInDegMinSec, kOk, 90, 360, 0},
      {"2 55 30.5 37 60 9", CoordType::BLH, kInDegMin, kOk, 55 + 30.5 / 60, 38, 9},
      {"2 -0 15 10 0 1", CoordType::BLH, kInDegMin, kOk, -0.25, 10, 1},
      {"3 0.9 1.5 -20", CoordType::BLH, kInRadians, kOk, 0.9 * kDegreesPerRadian, 1.5 * kDegreesPerRadian, -20},
      // the latitude's sign is its degrees word's own, never an exponent's "-"
      {"1 5e-0 30 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kOk, 5.5, 37, 0},
      {"1 -0.0 30 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kOk, -0.5, 37, 0},
      {"1 -0e5 30 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kOk, -0.5, 37, 0},
      {"1 -0.4 30 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kOk, -0.5, 37, 0},
      {"2 5E-0 30 37 0 9", CoordType::BLH, kInDegMin, kOk, 5.5, 37, 9},
      {"2 -0e0 30 37 0 9", CoordType::BLH, kInDegMin, kOk, -0.5, 37, 9},
      // a longitude assembled to exactly 360
      {"1 0 0 0 359 59 60 0", CoordType::BLH, kInDegMinSec, kOk, 0, 360, 0},
      {"2 0 0 359 60 0", CoordType::BLH, kInDegMin, kOk, 0, 360, 0},
      // metres as large as a double holds
      {"1 1e306 2 3", CoordType::XYZ, kInMetres, kOk, 1e306, 2, 3},
      // wrong word counts and words that are not numbers
      {"5 55.5 37.25 150 1", CoordType::BLH, kInDegrees, kUnreadableLine, 0, 0, 0},
      {"5 55.5 37.25", CoordType::BLH, kInDegrees, kUnreadableLine, 0, 0, 0},
      {"", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      {"   ", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      {"1 nan 2 3", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      {"1 inf 2 3", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      {"1 1e999 2 3", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      {"1 0x10 2 3", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      {"1 12,5 2 3", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      {"1\t2 3 4", CoordType::XYZ, kInMetres, kUnreadableLine, 0, 0, 0},
      // values out of range
      {"1 55 60 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 55 0 60.001 37 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 91 0 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 90 30 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 -90 0 0.5 37 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 55 0 0 361 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 55 0 0 -1 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 55 0 0 99999 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 55 -1 0 37 0 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"2 55 60.01 37 0 9", CoordType::BLH, kInDegMin, kValueOutOfRange, 0, 0, 0},
      {"2 90 1 37 0 9", CoordType::BLH, kInDegMin, kValueOutOfRange, 0, 0, 0},
      {"5 90.0001 37.25 150", CoordType::BLH, kInDegrees, kValueOutOfRange, 0, 0, 0},
      {"5 45 360.0001 150", CoordType::BLH, kInDegrees, kValueOutOfRange, 0, 0, 0},
      {"3 1.6 1.5 -20", CoordType::BLH, kInRadians, kValueOutOfRange, 0, 0, 0},
      {"1e12 1 2 3", CoordType::XYZ, kInMetres, kValueOutOfRange, 0, 0, 0},
      // longitudes beyond the circle once minutes and seconds are added
      {"1 55 0 0 360 30 0 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"1 55 0 0 360 0 0.5 0", CoordType::BLH, kInDegMinSec, kValueOutOfRange, 0, 0, 0},
      {"2 55 0 360 30 9", CoordType::BLH, kInDegMin, kValueOutOfRange, 0, 0, 0},
      // kilometres that overflow the doubles once turned into metres
      {"1 1e306 2 3", CoordType::XYZ, kInKilometres, kValueOutOfRange, 0, 0, 0},
      {"1 2 -1e306 3", CoordType::xyH, kInKilometres, kValueOutOfRange, 0, 0, 0},
      {"1 2 3 1e306", CoordType::XYZ, kInKilometres, kValueOutOfRange, 0, 0, 0},
      {"5 55.5 37.25 1e306", CoordType::BLH, kDegreesAndKm, kValueOutOfRange, 0, 0, 0},
      {"1 55 0 0 37 0 0 -1e306", CoordType::BLH, kDegMinSecAndKm, kValueOutOfRange, 0, 0, 0},
  };
  for (const auto& c : cases) {
    Coords out{-1, -1, -1};
    ASSERT_EQ(ParseSourceLine(c.line, c.type, c.units, kDot, out), c.code)
        << '"' << c.line << '"';
    if (c.code != kOk) {
      EXPECT_EQ(out, (Coords{-1, -1, -1})) << c.line;
      continue;
    }
    const double expected[] = {c.c1, c.c2, c.c3};
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(ToUserUnits(c.type, out[i], i), expected[i], 1e-9) << c.line << " #" << i;
  }
}

TEST(ParseSourceLine, ReadsTheDotUnderACommaLocale) {
  Coords out{};
  ASSERT_EQ(ParseSourceLine("5 55.5 37.25 150", CoordType::BLH, kInDegrees, kComma, out), kOk);
  EXPECT_NEAR(out[0] * kDegreesPerRadian, 55.5, 1e-12);
}

// A comma would end each value (55,5 read as 55°): the line is refused, as
// it is under a "." locale, and nothing is written to the point.
TEST(ParseSourceLine, RefusesACommaUnderACommaLocale) {
  const Coords untouched{1, 2, 3};
  for (const char* line : {"5 55,5 37.25 150", "5 55.5 37,25 150", "5 55.5 37.25 150,5"}) {
    Coords out = untouched;
    EXPECT_NE(ParseSourceLine(line, CoordType::BLH, kInDegrees, kComma, out), kOk) << line;
    EXPECT_EQ(out, untouched) << line;
  }
}

}  // namespace
}  // namespace vexilor
