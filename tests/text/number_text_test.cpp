#include "text/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "text/number_reader.h"
#include "comma_locale.h"

namespace vexilor {
namespace {

struct NumberCase {
  std::string text;
  bool isNumber;
};

TEST(NumberTextTest, LocaleTestAcceptsOnlyPlainDecimalNumbers) {
  const NumberCase cases[] = {
      {"42", true},     {" 42 ", true},   {"-1.5", true},   {"+.5e-3", true}, {"5.", true},
      {"1E+10", true},  {"0", true},      {"", false},      {"   ", false},   {"nan", false},
      {"inf", false},   {"-Infinity", false}, {"0x10", false}, {"1e", false}, {"1.2.3", false},
      {"1,000", false}, {"--1", false},   {"- 1", false},   {"4 2", false},   {".", false},
      {"1e999", false}, {"12a", false},   {"1e5.5", false},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(IsLocaleNumber(c.text, kDotLocale), c.isNumber) << c.text;
}

TEST(NumberTextTest, LocaleTestUsesTheLocaleSeparator) {
  EXPECT_TRUE(IsLocaleNumber("55,5", kCommaLocale));
  EXPECT_FALSE(IsLocaleNumber("55.5", kCommaLocale));
  EXPECT_FALSE(IsLocaleNumber("55,5", kDotLocale));
}

TEST(NumberTextTest, DotIsTheSeparatorWhateverTheLocale) {
  const NumberCase cases[] = {
      {"55.5", true},   {"-0.000001", true}, {"6378137", true}, {" 1.5e3 ", true},
      {"1.2.3", false}, {"", false},         {"  ", false},     {"nan", false},
      {"inf", false},   {"0x10", false},     {"1e", false},     {"abc", false},
  };
  for (const NumericLocale& locale : {kDotLocale, kCommaLocale}) {
    for (const NumberCase& c : cases) {
      EXPECT_EQ(IsNumberText(c.text, locale), c.isNumber) << c.text << " under " << locale.decimalPoint;
      // The value of a number, as the reader reads it, under either locale.
      EXPECT_EQ(NumberOfText(c.text, locale), c.isNumber ? ReadNumber(c.text) : std::nullopt) << c.text;
    }
  }
}

TEST(NumberTextTest, UnderACommaLocaleDottedTextIsANumberAndReadsWithItsFraction) {
  EXPECT_TRUE(IsNumberText("55.5", kCommaLocale));
  EXPECT_EQ(ReadNumber("55.5"), 55.5);
}

// The reader would stop at the comma and take 12 for 12.5: such a text is
// refused, as it is under a "." locale, whatever the locale says.
TEST(NumberTextTest, UnderACommaLocaleACommaIsNoNumber) {
  for (const char* text : {"12,5", "-0,000001", "1,5e3", " 55,5 ", "1,5.2"}) {
    EXPECT_FALSE(IsNumberText(text, kCommaLocale)) << text;
    EXPECT_FALSE(IsNumberText(text, kDotLocale)) << text;
  }
}

TEST(NumberTextTest, CurrentLocaleFollowsTheCLibrary) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  EXPECT_EQ(CurrentNumericLocale().decimalPoint, ".");
  EXPECT_TRUE(IsNumberText("42.12"));
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberTextTest, UnderTheProcessCommaLocaleDottedTextIsStillANumber) {
  const ScopedCommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no comma locale installed";
  EXPECT_EQ(CurrentNumericLocale().decimalPoint, ",");
  EXPECT_TRUE(IsNumberText("55.5"));
  EXPECT_FALSE(IsNumberText("55.5.5"));
}

}  // namespace
}  // namespace vexilor
