#include "service/english_length.h"

#include <gtest/gtest.h>

#include <string>

namespace vexilor {
namespace {

struct ToMetresCase {
  const char* text;
  EnglishUnits units;
  double metres;
};

TEST(EnglishToMetresTest, ReadsEveryCombination) {
  const ToMetresCase cases[] = {
      {"1 2 6", EnglishUnits::kYardsFeetInches, 1.6764},
      {"-1 2", EnglishUnits::kYardsFeet, -1.524},
      {"5", EnglishUnits::kYards, 4.572},
      {"5 11.5", EnglishUnits::kFeetInches, 1.8161},
      {"-5", EnglishUnits::kFeet, -1.524},
      // The first word's "-" holds also for minus zero.
      {"-0 1 0", EnglishUnits::kYardsFeetInches, -0.3048},
      {"-0 6", EnglishUnits::kFeetInches, -0.1524},
      {"  1   2   6 ", EnglishUnits::kYardsFeetInches, 1.6764},
      {"0 2.999 11.999", EnglishUnits::kYardsFeetInches, (2.999 * 12 + 11.999) * 0.0254},
  };
  for (const ToMetresCase& c : cases) {
    const auto metres = EnglishToMetres(c.text, c.units);
    ASSERT_TRUE(metres) << c.text;
    EXPECT_NEAR(*metres, c.metres, 1e-12) << c.text;
  }
}

struct RefusedCase {
  std::string text;
  EnglishUnits units;
};

TEST(EnglishToMetresTest, RefusesWrongWordsAndRanges) {
  const RefusedCase cases[] = {
      {"1 3", EnglishUnits::kYardsFeet},              // feet below a yard
      {"1 -1", EnglishUnits::kYardsFeet},
      {"1 2 12", EnglishUnits::kYardsFeetInches},     // inches below a foot
      {"1 2", EnglishUnits::kYardsFeetInches},        // word count
      {"1 2 3 4", EnglishUnits::kYardsFeetInches},
      {"1 2", EnglishUnits::kFeet},
      {"", EnglishUnits::kFeet},
      {"abc", EnglishUnits::kFeet},
      {"-", EnglishUnits::kFeet},
      {"1,5", EnglishUnits::kFeet},
      {"1e999", EnglishUnits::kYards},
      {std::string(300, '9'), EnglishUnits::kYards},  // far beyond any distance
      {"4e8", EnglishUnits::kFeet},
  };
  for (const RefusedCase& c : cases) EXPECT_FALSE(EnglishToMetres(c.text, c.units)) << c.text;
  EXPECT_TRUE(EnglishToMetres("3e8", EnglishUnits::kFeet));
}

struct ToEnglishCase {
  const char* metres;
  EnglishUnits units;
  const char* text;
};

TEST(MetresToEnglishTest, WritesEveryCombination) {
  const ToEnglishCase cases[] = {
      {"1", EnglishUnits::kYardsFeetInches, " 1    0   3.37"},
      {"1", EnglishUnits::kYardsFeet, " 1   0.281"},
      {"1", EnglishUnits::kYards, "1.0936"},
      {"2", EnglishUnits::kFeetInches, " 6   6.74"},
      {"-0.3048", EnglishUnits::kFeet, "-1.000"},
      // The "-" in the sign's place of the first column.
      {"-1", EnglishUnits::kYardsFeetInches, "-1    0   3.37"},
      {"-0.5", EnglishUnits::kYardsFeetInches, "-0    1   7.69"},
      {"-2", EnglishUnits::kFeetInches, "-6   6.74"},
      {"-1", EnglishUnits::kYards, "-1.0936"},
      // Rounded before the split: a column never shows a whole next unit.
      {"0.3047", EnglishUnits::kYardsFeetInches, " 0    1   0.00"},
      {"0.9143", EnglishUnits::kYardsFeet, " 1   0.000"},
      {"0.3047", EnglishUnits::kFeetInches, " 1   0.00"},
      {"0.91439", EnglishUnits::kYardsFeetInches, " 1    0   0.00"},
      // No 16-bit overflow of the yards.
      {"29961", EnglishUnits::kYardsFeetInches, " 32765    2   2.93"},
      {"100000", EnglishUnits::kYardsFeetInches, " 109361    0   11.87"},
      // A negative length that rounds to zero shows no "-".
      {"-0.0001", EnglishUnits::kFeet, "0.000"},
      {"-0.0001", EnglishUnits::kYardsFeetInches, " 0    0   0.00"},
      {"-0", EnglishUnits::kYards, "0.0000"},
  };
  for (const ToEnglishCase& c : cases) {
    const auto text = MetresToEnglish(c.metres, c.units);
    ASSERT_TRUE(text) << c.metres;
    EXPECT_EQ(*text, c.text) << c.metres;
  }
}

// A text shown, typed into the English to metric box, gives the length back
// to within half a unit of its last column.
TEST(MetresToEnglishTest, EveryTextShownReadsBack) {
  struct Column {
    EnglishUnits units;
    double halfUnit;  // metres
  };
  const Column columns[] = {{EnglishUnits::kYardsFeetInches, 0.005 * 0.0254},
                            {EnglishUnits::kYardsFeet, 0.0005 * 0.3048},
                            {EnglishUnits::kYards, 0.00005 * 0.9144},
                            {EnglishUnits::kFeetInches, 0.005 * 0.0254},
                            {EnglishUnits::kFeet, 0.0005 * 0.3048}};
  for (const Column& c : columns) {
    for (const char* metres : {"1", "-1", "-0.5", "-0.0001", "-1234.5678", "0.3047", "-0.91439"}) {
      const auto text = MetresToEnglish(metres, c.units);
      ASSERT_TRUE(text) << metres;
      const auto back = EnglishToMetres(*text, c.units);
      ASSERT_TRUE(back) << metres << " shown as \"" << *text << "\"";
      EXPECT_NEAR(*back, std::stod(metres), c.halfUnit * (1 + 1e-9)) << *text;
    }
  }
}

TEST(MetresToEnglishTest, RefusesWhatIsNoLength) {
  const std::string cases[] = {"", "abc", "-", "1 2", "1,5", "1e999", "1e9", "-2e8", std::string(300, '9')};
  for (const std::string& text : cases) EXPECT_FALSE(MetresToEnglish(text, EnglishUnits::kFeet)) << text;
}

TEST(LengthConversionTest, CommandsFormatAndRefuseCombinationsOutsideTheList) {
  EXPECT_EQ(ConvertEnglishToMetres("1 2 6", 0), "1.6764");
  EXPECT_EQ(ConvertEnglishToMetres("-0", 4), "0.0000");
  EXPECT_EQ(ConvertMetresToEnglish("1", 0), " 1    0   3.37");
  for (const int combination : {-1, 5, 1000}) {
    EXPECT_FALSE(ConvertEnglishToMetres("1", combination)) << combination;
    EXPECT_FALSE(ConvertMetresToEnglish("1", combination)) << combination;
  }
  EXPECT_FALSE(ConvertEnglishToMetres("1 3", 1));
  EXPECT_FALSE(ConvertMetresToEnglish("x", 1));
}

}  // namespace
}  // namespace vexilor
