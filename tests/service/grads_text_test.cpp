#include "service/grads_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vexilor {
namespace {

struct ParseCase {
  const char* text;
  double grads;
};

TEST(ParseGradsTest, ReadsGradsCentigradsAndCenticentigrads) {
  const ParseCase cases[] = {
      {"100", 100},
      {"-12.5", -12.5},
      {"12 50", 12.5},
      {"12 50 25", 12.5025},
      {"-12 50 25", -12.5025},
      {"12 99 99.99", 12.999999},
      // The sign of the first word holds also for minus zero.
      {"-0 50", -0.5},
      {"-0 0 50", -0.005},
      // Runs of blanks separate like one.
      {"  12   50  ", 12.5},
      {"5000", 5000},
      {"1e2", 100},
  };
  for (const ParseCase& c : cases) EXPECT_DOUBLE_EQ(ParseGrads(c.text), c.grads) << c.text;
}

TEST(ParseGradsTest, GivesTheErrorValueForAnythingElse) {
  const std::string longNumber(300, '9');
  const char* cases[] = {"", "   ", "12 101", "12 -1", "12 50 101", "1 2 3 4", "abc", "-", "12 abc",
                         "1e999", "12,5", "12 50,5", "12 1e999",
                         // A whole grad of centigrads, as 60 minutes are no angle.
                         "61 100 00", "12 100", "12 0 100", "12 50 100.0"};
  for (const char* text : cases) EXPECT_EQ(ParseGrads(text), kGradsParseError) << text;
  // A long number is a number; the callers' limit refuses it.
  EXPECT_DOUBLE_EQ(ParseGrads(longNumber), 1e300);
  EXPECT_EQ(ParseGrads(longNumber + " 101"), kGradsParseError);
}

struct FormatCase {
  double grads;
  AngleFormat format;
  const char* text;
};

TEST(FormatGradsTest, BuildsTheColumnsAndCarriesAtAHundred) {
  const FormatCase cases[] = {
      {100, {AngleColumns::DegMinSec, 4}, "  100 00 00.0000"},
      {12.5025, {AngleColumns::DegMinSec, 4}, "   12 50 25.0000"},
      {12.5, {AngleColumns::DegMin, 6}, "   12 50.000000"},
      {-12.5, {AngleColumns::DegMin, 1, AngleMarks::Symbols}, " -12 g 50.0 c"},
      {100, {AngleColumns::DegMinSec, 2, AngleMarks::Symbols}, "  100 g 00 c 00.00 cc"},
      // Centicentigrads carry into centigrads, centigrads into grads.
      {12.9999999999, {AngleColumns::DegMinSec, 4}, "   13 00 00.0000"},
      {12.99999999999, {AngleColumns::DegMin, 6}, "   13 00.000000"},
      // A full circle is 400 grads and shows as 0.
      {399.9999999999, {AngleColumns::DegMinSec, 4}, "    0 00 00.0000"},
      {400, {AngleColumns::DegMinSec, 4}, "    0 00 00.0000"},
      {450.5, {AngleColumns::DegMin, 2}, "   50 50.00"},
      {-0.0000000001, {AngleColumns::DegMinSec, 4}, "   0 00 00.0000"},
      // Decimals are held within 1 to 6 (three columns) or 8.
      {12.5, {AngleColumns::DegMinSec, 0}, "   12 50 00.0"},
      {12.5, {AngleColumns::DegMinSec, 9}, "   12 50 00.000000"},
      {12.5, {AngleColumns::DegMin, 9}, "   12 50.00000000"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(FormatGrads(c.grads, c.format), c.text) << c.grads;
}

TEST(FormatGradsTest, HugeAnglesReduceIntoTheCircle) {
  EXPECT_EQ(FormatGrads(4e20 + 0.0, {AngleColumns::DegMin, 2}), "    0 00.00");
  const std::string text = FormatGrads(-1e300, {AngleColumns::DegMinSec, 2});
  const std::size_t minus = text.find('-');
  ASSERT_NE(minus, std::string::npos) << text;
  EXPECT_LT(std::stoi(text.substr(minus + 1)), 400) << text;
}

}  // namespace
}  // namespace vexilor
