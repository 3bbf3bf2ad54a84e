#include "text/mask_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "text/number_reader.h"
#include "comma_locale.h"

namespace vexilor {
namespace {

struct MaskCase {
  double value;
  std::string mask;
  std::string text;
};

TEST(MaskFormatTest, HalvesRoundAwayFromZeroAtTheDecimalTheUserSees) {
  const MaskCase cases[] = {
      {0.125, "0.00", "0.13"},   {2.675, "0.00", "2.68"},  {-2.675, "0.00", "-2.68"},
      {1.005, "0.00", "1.01"},   {0.5, "0", "1"},          {1.5, "0", "2"},
      {2.5, "0", "3"},           {-0.5, "0", "-1"},        {0.00005, "0.0000", "0.0001"},
      {0.99995, "0.0000", "1.0000"}, {9.9995, "0.000", "10.000"}, {0.004, "0.00", "0.00"},
      {1234567.8945, "0.000", "1234567.895"},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatWithMask(c.value, c.mask), c.text) << c.value << " " << c.mask;
}

// The 15 significant digits that the rounding starts from are those printf
// gives: a binary value halfway between two of them goes to the even one,
// a carry makes a new power of ten, and magnitudes beyond the exact integer
// path (above 1e15, below 1e-8) follow the same rule.
TEST(MaskFormatTest, FifteenDigitsAreCorrectlyRoundedFirst) {
  const MaskCase cases[] = {
      {500000.0009765625, "0.0000000000", "500000.0009765620"},  // 2⁻¹⁰ past: a tie, to even
      {500000.0029296875, "0.0000000000", "500000.0029296880"},
      {9.999999999999999, "0.00000000000000", "10.00000000000000"},
      {0.1, "0.0000000000000000000", "0.1000000000000000000"},
      {1152921504606846976.0, "0", "1152921504606850000"},  // 2⁶⁰
      {1.25e-10, "0.000000000000", "0.000000000125"},
      {123456789012345.6, "0", "123456789012346"},  // the edges of the integer path: 10^0 ...
      {1.5e-8, "0.0000000000", "0.0000000150"},     // ... and 10^22
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatWithMask(c.value, c.mask), c.text) << c.value << " " << c.mask;
}

TEST(MaskFormatTest, PlaceholdersSetTheDigitsShown) {
  const MaskCase cases[] = {
      {5, "##00", "05"},          {123, "##00", "123"},      {0, "#0", "0"},
      {7, "####0000", "0007"},    {12345678, "####0000", "12345678"},
      {6378137, "0.0000", "6378137.0000"},  {298.257223563, "0.000", "298.257"},
      {0, "#", ""},               {0.5, "#.00", ".50"},      {1.5, "0.0#", "1.5"},
      {1.25, "0.0#", "1.25"},     {1.0, "0.##", "1"},        {123.456, "0", "123"},
      {1e20, "0", "100000000000000000000"},                  {0.0, "0.000", "0.000"},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatWithMask(c.value, c.mask), c.text) << c.value << " " << c.mask;
}

TEST(MaskFormatTest, NegativeThatRoundsToZeroShowsNoMinus) {
  EXPECT_EQ(FormatWithMask(-0.004, "0.00"), "0.00");
  EXPECT_EQ(FormatWithMask(-0.0, "0"), "0");
  EXPECT_EQ(FormatWithMask(-0.005, "0.00"), "-0.01");
}

TEST(MaskFormatTest, NonFiniteValuesShowAMarker) {
  EXPECT_EQ(FormatWithMask(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NaN");
  EXPECT_EQ(FormatWithMask(std::numeric_limits<double>::infinity(), "0.00"), "Inf");
  EXPECT_EQ(FormatWithMask(-std::numeric_limits<double>::infinity(), "0"), "-Inf");
}

TEST(MaskFormatTest, FormattedValueIsWithinHalfAUnitOfTheLastPlace) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> magnitude(-7.0, 7.0);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::copysign(std::pow(10.0, magnitude(random)), (i % 2) ? 1.0 : -1.0);
    const int decimals = i % 7;
    const std::string mask = decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
    const std::string text = FormatWithMask(value, mask);
    const std::size_t point = text.find('.');
    ASSERT_EQ(point == std::string::npos ? 0 : text.size() - point - 1, static_cast<std::size_t>(decimals)) << text;
    const double unit = std::pow(10.0, -decimals);
    ASSERT_LE(std::fabs(*ReadNumber(text) - value), 0.5 * unit + 1e-9 * std::fabs(value)) << value << " " << mask;
  }
}

TEST(MaskFormatTest, SeparatorStaysADotUnderACommaLocale) {
  const ScopedCommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no comma locale installed";
  EXPECT_EQ(FormatWithMask(55.5, "0.00"), "55.50");
  EXPECT_EQ(FormatWithMask(-0.125, "0.000##"), "-0.125");
}

}  // namespace
}  // namespace vexilor
