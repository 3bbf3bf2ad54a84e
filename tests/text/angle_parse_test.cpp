#include "text/angle_text.h"

#include <gtest/gtest.h>

#include <string>

#include "comma_locale.h"

namespace vexilor {
namespace {

struct ParseCase {
  std::string text;
  double degrees;
};

TEST(ParseAngleTest, ReadsDegreesMinutesAndSeconds) {
  const ParseCase cases[] = {
      {"-0 30 00", -0.5},
      {"55 30.5 10", 55 + 30.5 / 60 + 10.0 / 3600},
      {"123.25", 123.25},
      {"-10 30", -10.5},
      {"45 01 02.5", 45 + 1.0 / 60 + 2.5 / 3600},
      {"400 0 0", 400.0},
      {"-1.5 30", -2.0},
      {"+5 59.999", 5 + 59.999 / 60},
      {"0 0 59.9999", 59.9999 / 3600},
      {"-0.000001", -0.000001},
      // the sign is the degrees' own, never the "-" of an exponent
      {"5e-0 30", 5.5},
      {"5E-0 30 0", 5.5},
      {"-0.0 30", -0.5},
      {"-0e5 30 0", -0.5},
      {"+0 30", 0.5},
      {"-5e-1 30", -1.0},
  };
  for (const NumericLocale& locale : {kDotLocale, kCommaLocale}) {
    for (const ParseCase& c : cases) EXPECT_DOUBLE_EQ(ParseAngle(c.text, locale), c.degrees) << c.text;
  }
}

TEST(ParseAngleTest, BadTextGivesTheErrorValue) {
  const std::string texts[] = {
      "",           // empty
      " 55 30 00",  // begins with a blank
      "55  30",     // two blanks between degrees and minutes
      "55 30 ",     // blank after the last number
      "55 ",        // blank after the degrees
      "55 60",      // minutes of 60
      "55 30 60",   // seconds of 60
      "55 -1",      // negative minutes
      "55 30 -0.5", // negative seconds
      "55 30 00 00",
      "abc",
      "55 3O",
      "1e999",
      "55,5 30",
  };
  for (const std::string& text : texts) EXPECT_EQ(ParseAngle(text, kDotLocale), kAngleParseError) << text;
}

// A comma would end the value ("55,5" read as 55°): refused under any locale.
TEST(ParseAngleTest, UnderACommaLocaleACommaIsRefused) {
  for (const NumericLocale& locale : {kDotLocale, kCommaLocale}) {
    EXPECT_EQ(ParseAngle("55,5", locale), kAngleParseError);
    EXPECT_EQ(ParseAngle("55 30 0,5", locale), kAngleParseError);
    EXPECT_EQ(ParseAngle("55.5", locale), 55.5);
  }
}

}  // namespace
}  // namespace vexilor
