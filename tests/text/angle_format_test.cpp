#include "text/angle_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "text/text_edit.h"

namespace vexilor {
namespace {

constexpr AngleColumns kDms = AngleColumns::DegMinSec;
constexpr AngleColumns kDm = AngleColumns::DegMin;
constexpr AngleMarks kNone = AngleMarks::None;
constexpr AngleMarks kSymbols = AngleMarks::Symbols;

struct FormatCase {
  double angle;
  AngleFormat format;
  std::string text;
};

TEST(FormatAngleTest, BuildsTheColumnsAndCarries) {
  const FormatCase cases[] = {
      // Blank sign mark, two leading blanks for two-digit degrees.
      {55.5, {kDms, 2}, "   55 30 00.00"},
      // Negative that rounds to zero: negative blank rule, blank sign mark.
      {-0.000001, {kDms, 1}, "   0 00 00.0"},
      // Seconds carry into minutes, minutes into degrees.
      {59.999999999, {kDms, 2}, "   60 00 00.00"},
      // 360 degrees shows as 0.
      {359.9999999999, {kDm, 1}, "    0 00.0"},
      {10.999999, {kDms, 1}, "   11 00 00.0"},
      {29.96 / 3600, {kDms, 1}, "    0 00 30.0"},
      {29.99999 / 60, {kDm, 2}, "    0 30.00"},
      {10 + 59.996 / 60, {kDm, 2}, "   11 00.00"},
      {123.25, {kDm, 3}, "  123 15.000"},
      {-123.5, {kDms, 1}, "-123 30 00.0"},
      {-5.5, {kDms, 1}, "  -5 30 00.0"},
      {-12.5, {kDm, 1, kSymbols}, " -12\u00B0 30.0'"},
      {55.5, {kDms, 2, kSymbols}, "   55\u00B0 30' 00.00\""},
      {7.25, {kDm, 4, kSymbols}, "    7\u00B0 15.0000'"},
      {720.5, {kDms, 1}, "    0 30 00.0"},
      {-370.25, {kDms, 1}, " -10 15 00.0"},
      {45.0 + 1.0 / 60 + 2.5 / 3600, {kDms, 3}, "   45 01 02.500"},
      {0.5 / 60, {kDm, 8}, "    0 00.50000000"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(FormatAngle(c.angle, c.format), c.text) << c.angle;
}

TEST(FormatAngleTest, DecimalsAreHeldWithinTheirRange) {
  const double angles[] = {0.0, 55.5, -37.123456789012, 359.99999999, 12.3456789};
  for (const double angle : angles) {
    for (const AngleMarks marks : {kNone, kSymbols}) {
      EXPECT_EQ(FormatAngle(angle, {kDms, 0, marks}), FormatAngle(angle, {kDms, 1, marks}));
      EXPECT_EQ(FormatAngle(angle, {kDm, -5, marks}), FormatAngle(angle, {kDm, 1, marks}));
      EXPECT_EQ(FormatAngle(angle, {kDms, 9, marks}), FormatAngle(angle, {kDms, 6, marks}));
      EXPECT_EQ(FormatAngle(angle, {kDm, 9, marks}), FormatAngle(angle, {kDm, 8, marks}));
    }
  }
  EXPECT_NE(FormatAngle(12.3456789, {kDm, 8}), FormatAngle(12.3456789, {kDm, 6}));
}

TEST(FormatAngleTest, NonFiniteAngleGivesAMarker) {
  EXPECT_EQ(FormatAngle(std::numeric_limits<double>::quiet_NaN(), {kDms, 2}), "NaN");
  EXPECT_EQ(FormatAngle(-std::numeric_limits<double>::infinity(), {kDm, 2}), "-Inf");
}

TEST(FormatAngleTest, HugeAnglesStillReduceIntoTheCircle) {
  for (const double angle : {1e300, -1e300, 1e17, std::nextafter(720.0, 0.0)}) {
    const std::string text = FormatAngle(angle, {kDms, 2});
    const std::string body(TrimBlanks(text));
    EXPECT_LT(std::stoi(body[0] == '-' ? body.substr(1) : body), 360) << text;
  }
}

// Unsigned body of a formatted angle without marks, as ParseAngle reads it.
std::string PlainBody(std::string text) {
  for (const std::string mark : {"\u00B0", "'", "\""}) {
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark))
      text.erase(at, mark.size());
  }
  std::string body(TrimBlanks(text));
  return body[0] == '-' ? body.substr(1) : body;
}

TEST(FormatAngleTest, TextReadsBackWithinHalfAUnitAndColumnsLineUp) {
  std::mt19937_64 random(360);
  std::uniform_real_distribution<double> angles(-720.0, 720.0);
  for (int i = 0; i < 20000; ++i) {
    const double angle = angles(random);
    const bool seconds = i % 2 == 0;
    const int decimals = 1 + (i / 2) % (seconds ? 6 : 8);
    const bool symbols = (i / 16) % 2 == 1;
    const std::string text =
        FormatAngle(angle, {seconds ? kDms : kDm, decimals, symbols ? kSymbols : kNone});

    const std::size_t degreesEnd = text.find_first_of(symbols ? "\xC2" : " ", text.find_first_not_of(" -"));
    ASSERT_EQ(degreesEnd, angle < 0 ? 4u : 5u) << text;

    const double shown = ParseAngle(PlainBody(text), NumericLocale{"."});
    ASSERT_NE(shown, kAngleParseError) << text;
    const double reduced = std::fmod(std::fabs(angle), 360.0);
    const double gap = std::fabs(shown - reduced);
    const double unit = std::pow(10.0, -decimals) / (seconds ? 3600.0 : 60.0);
    ASSERT_LE(std::min(gap, 360.0 - gap), 0.5 * unit + 1e-10) << angle << " -> " << text;
  }
}

}  // namespace
}  // namespace vexilor
