#include "text/shown_angle.h"

#include <gtest/gtest.h>

#include "text/angle_text.h"

namespace vexilor {
namespace {

struct ShownCase {
  const char* shown;
  const char* typed;
};

// Texts the program shows, and what ParseAngle then reads.
TEST(TypedAngleTextTest, MarksBecomeSingleBlanks) {
  const ShownCase cases[] = {
      {"  55\u00B045'20.12345\"", "55 45 20.12345"},   // a result box
      {" -12\u00B0 30.0'", "-12 30.0"},                 // degrees and minutes
      {"37\u00B0 37\u2032 0.5\u2033", "37 37 0.5"},      // typographic prime marks
      {"55 45 20", "55 45 20"},                        // typed: unchanged
      {"55  45   20 ", "55 45 20"},                    // runs of blanks
      {"\u00B0'\"", ""},
      {"", ""},
  };
  for (const ShownCase& c : cases) EXPECT_EQ(TypedAngleText(c.shown), c.typed) << c.shown;
  const AngleFormat seconds{AngleColumns::DegMinSec, 5, AngleMarks::Symbols};
  const AngleFormat minutes{AngleColumns::DegMin, 1, AngleMarks::Symbols};
  EXPECT_DOUBLE_EQ(ParseAngle(TypedAngleText(FormatAngle(55.755, seconds))), 55.755);
  EXPECT_DOUBLE_EQ(ParseAngle(TypedAngleText(FormatAngle(-12.5, minutes))), -12.5);
}

}  // namespace
}  // namespace vexilor
