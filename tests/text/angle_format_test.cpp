#include "text/angle_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "text/text_edit.h"

namespace vexilor {
namespace {

struct FormatCase {
  double angle;
  int decimals;
  int layout;
  int symbols;
  std::string text;
};

TEST(FormatAngleTest, BuildsTheColumnsAndCarries) {
  const FormatCase cases[] = {
      // Blank sign mark, two leading blanks for two-digit degrees.
      {55.5, 2, 1, 0, "   55 30 00.00"},
      // Negative that rounds to zero: negative blank rule, blank sign mark.
      {-0.000001, 1, 1, 0, "   0 00 00.0"},
      // Seconds carry into minutes, minutes into degrees.
      {59.999999999, 2, 1, 0, "   60 00 00.00"},
      // 360 degrees shows as 0.
      {359.9999999999, 1, 2, 0, "    0 00.0"},
      {10.999999, 1, 1, 0, "   11 00 00.0"},
      {29.96 / 3600, 1, 1, 0, "    0 00 30.0"},
      {29.99999 / 60, 2, 2, 0, "    0 30.00"},
      {10 + 59.996 / 60, 2, 2, 0, "   11 00.00"},
      {123.25, 3, 2, 0, "  123 15.000"},
      {-123.5, 1, 1, 0, "-123 30 00.0"},
      {-5.5, 1, 1, 0, "  -5 30 00.0"},
      {-12.5, 1, 2, 1, " -12\u00B0 30.0'"},
      {55.5, 2, 1, 1, "   55\u00B0 30' 00.00\""},
      {7.25, 4, 2, 1, "    7\u00B0 15.0000'"},
      {720.5, 1, 1, 0, "    0 30 00.0"},
      {-370.25, 1, 1, 0, " -10 15 00.0"},
      {45.0 + 1.0 / 60 + 2.5 / 3600, 3, 1, 0, "   45 01 02.500"},
      {0.5 / 60, 8, 2, 0, "    0 00.50000000"},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(FormatAngle(c.angle, c.decimals, c.layout, c.symbols), c.text) << c.angle;
}

TEST(FormatAngleTest, DecimalsAreHeldWithinTheirRange) {
  const double angles[] = {0.0, 55.5, -37.123456789012, 359.99999999, 12.3456789};
  for (const double angle : angles) {
    for (const int symbols : {0, 1}) {
      EXPECT_EQ(FormatAngle(angle, 0, 1, symbols), FormatAngle(angle, 1, 1, symbols));
      EXPECT_EQ(FormatAngle(angle, -5, 2, symbols), FormatAngle(angle, 1, 2, symbols));
      EXPECT_EQ(FormatAngle(angle, 9, 1, symbols), FormatAngle(angle, 6, 1, symbols));
      EXPECT_EQ(FormatAngle(angle, 9, 2, symbols), FormatAngle(angle, 8, 2, symbols));
    }
  }
  EXPECT_NE(FormatAngle(12.3456789, 8, 2, 0), FormatAngle(12.3456789, 6, 2, 0));
}

TEST(FormatAngleTest, AnyLayoutOtherThanOneIsDegreesAndMinutes) {
  EXPECT_EQ(FormatAngle(12.5, 2, 0, 0), FormatAngle(12.5, 2, 2, 0));
  EXPECT_EQ(FormatAngle(12.5, 2, 7, 5), FormatAngle(12.5, 2, 2, 0));
}

TEST(FormatAngleTest, NonFiniteAngleGivesAMarker) {
  EXPECT_EQ(FormatAngle(std::numeric_limits<double>::quiet_NaN(), 2, 1, 0), "NaN");
  EXPECT_EQ(FormatAngle(-std::numeric_limits<double>::infinity(), 2, 2, 0), "-Inf");
}

TEST(FormatAngleTest, HugeAnglesStillReduceIntoTheCircle) {
  for (const double angle : {1e300, -1e300, 1e17, std::nextafter(720.0, 0.0)}) {
    const std::string text = FormatAngle(angle, 2, 1, 0);
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
    const int layout = 1 + i % 2;
    const int decimals = 1 + (i / 2) % (layout == 1 ? 6 : 8);
    const int symbols = (i / 16) % 2;
    const std::string text = FormatAngle(angle, decimals, layout, symbols);

    const std::size_t degreesEnd = text.find_first_of(symbols ? "\xC2" : " ", text.find_first_not_of(" -"));
    ASSERT_EQ(degreesEnd, angle < 0 ? 4u : 5u) << text;

    const double shown = ParseAngle(PlainBody(text), NumericLocale{"."});
    ASSERT_NE(shown, kAngleParseError) << text;
    const double reduced = std::fmod(std::fabs(angle), 360.0);
    const double gap = std::fabs(shown - reduced);
    const double unit = std::pow(10.0, -decimals) / (layout == 1 ? 3600.0 : 60.0);
    ASSERT_LE(std::min(gap, 360.0 - gap), 0.5 * unit + 1e-10) << angle << " -> " << text;
  }
}

}  // namespace
}  // namespace vexilor
