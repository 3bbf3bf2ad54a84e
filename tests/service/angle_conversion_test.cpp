#include "service/angle_conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace vexilor {
namespace {

struct ConversionCase {
  const char* source;
  int unit;
  const char* text;
};

TEST(ConvertDegreesToGradsTest, GivesTheTextOfEveryUnit) {
  const ConversionCase cases[] = {
      {"90", 0, "  100 00 00.0000"},
      {"90", 1, "  100 00.000000"},
      {"90", 2, "100.00000000"},
      {"90", 3, "1.57079632679"},
      // Blank-separated degrees, minutes and seconds, as the tool tip asks.
      {"55 30 00", 2, "61.66666667"},
      {"55 30", 0, "   61 66 66.6667"},
      {"  -0 30 00 ", 2, "-0.55555556"},
      // Only angles above 990 are refused: -1000 is an angle.
      {"-1000", 2, "-1111.11111111"},
      {"990", 2, "1100.00000000"},
  };
  for (const ConversionCase& c : cases) {
    const auto text = ConvertDegreesToGrads(c.source, c.unit);
    ASSERT_TRUE(text) << c.source;
    EXPECT_EQ(*text, c.text) << c.source << " unit " << c.unit;
  }
}

TEST(ConvertGradsToDegreesTest, GivesTheTextOfEveryUnit) {
  const ConversionCase cases[] = {
      {"100", 0, "   90 00 00.00000"},
      {"100 00 00", 1, "   90 00.00000000"},
      {"100", 2, "90.000000000"},
      {"50", 3, "0.78539816340"},
      {"-0 50", 2, "-0.450000000"},
      {"12 99", 2, "11.691000000"},
      {"-1000", 2, "-900.000000000"},
  };
  for (const ConversionCase& c : cases) {
    const auto text = ConvertGradsToDegrees(c.source, c.unit);
    ASSERT_TRUE(text) << c.source;
    EXPECT_EQ(*text, c.text) << c.source << " unit " << c.unit;
  }
}

TEST(AngleConversionTest, RefusesAnyTextThatIsNoAngleWithinTheLimit) {
  const std::string longNumber(300, '9');
  const std::string sources[] = {"", "   ", "abc", "-", "1e999", "990.0001", "1000", longNumber, "55,5",
                                 "12 101", "1 2 3 4", "12 50 abc"};
  for (const std::string& source : sources) {
    for (int unit = 0; unit < 4; ++unit) {
      EXPECT_FALSE(ConvertDegreesToGrads(source, unit)) << source;
      EXPECT_FALSE(ConvertGradsToDegrees(source, unit)) << source;
    }
  }
  // Minutes end below 60 and a single blank separates them; centigrads go
  // to 100 and runs of blanks separate them.
  EXPECT_FALSE(ConvertDegreesToGrads("55 60", 2));
  EXPECT_FALSE(ConvertDegreesToGrads("55  30", 2));
  EXPECT_EQ(ConvertGradsToDegrees("55 60", 2), "50.040000000");
  EXPECT_EQ(ConvertGradsToDegrees("55  30", 2), "49.770000000");
}

TEST(AngleConversionTest, RefusesAUnitOutsideTheList) {
  for (const int unit : {-1, 4, 100}) {
    EXPECT_FALSE(ConvertDegreesToGrads("90", unit)) << unit;
    EXPECT_FALSE(ConvertGradsToDegrees("100", unit)) << unit;
  }
}

TEST(AngleConversionTest, AnAngleTooLargeForGradsIsRefusedNotShownAsInfinity) {
  // -1.7e308 degrees is about -1.9e308 grads, beyond the doubles.
  for (int unit = 0; unit < 4; ++unit) EXPECT_FALSE(ConvertDegreesToGrads("-1.7e308", unit)) << unit;
  EXPECT_TRUE(ConvertDegreesToGrads("-1.5e308", 2));
}

}  // namespace
}  // namespace vexilor
