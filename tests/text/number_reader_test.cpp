#include "text/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vexilor {
namespace {

struct ReadCase {
  std::string text;
  double value;
};

TEST(NumberReaderTest, ReadsTheLeadingNumberWithDotAsSeparator) {
  const ReadCase cases[] = {
      {"12,5", 12.0},      {"55.5", 55.5},       {"  -3.5e2x", -350.0}, {"+7", 7.0},
      {".5", 0.5},         {"-.25", -0.25},      {"5.", 5.0},           {"1e", 1.0},
      {"1e+", 1.0},        {"2E-3", 0.002},      {"1.2.3", 1.2},        {"7 km", 7.0},
      {"6378137", 6378137}, {"1e-400", 0.0},     {"00012", 12.0},       {"4.5 6", 4.5},
  };
  for (const ReadCase& c : cases) {
    const std::optional<double> value = ReadNumber(c.text);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
  }
}

TEST(NumberReaderTest, TextsThatDoNotBeginWithANumberReadZero) {
  const std::string texts[] = {"", "   ", "abc", "-", "+", ".", "- 5", "+-5", "nan", "inf", "0x10", ",5", "e5"};
  for (const std::string& text : texts) {
    const std::optional<double> value = ReadNumber(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_EQ(*value, 0.0) << text;
  }
}

TEST(NumberReaderTest, TooLargeIsEmptyNeverInfinite) {
  const std::string texts[] = {"1e999", "-1e999", "2e308", std::string(400, '9'), "0.001e100000000000000000000"};
  for (const std::string& text : texts) EXPECT_FALSE(ReadNumber(text).has_value()) << text;
}

TEST(NumberReaderTest, TooSmallReadsAsZeroOfItsSign) {
  const std::optional<double> negative = ReadNumber("-1e-400");
  ASSERT_TRUE(negative.has_value());
  EXPECT_EQ(*negative, 0.0);
  EXPECT_TRUE(std::signbit(*negative));
  EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(ReadNumber("1e-100000000000000000000"), 0.0);
}

TEST(NumberReaderTest, ExtremesWithinRangeAreRead) {
  EXPECT_EQ(ReadNumber("1.7976931348623157e308"), 1.7976931348623157e308);
  EXPECT_EQ(ReadNumber("5e-324"), 5e-324);
  EXPECT_EQ(ReadNumber("0e99999"), 0.0);
}

}  // namespace
}  // namespace vexilor
