// The record rules behind a new catalogue system: names as the files write
// them, characters a file can hold, lookups by name, the geometry compared
// as the windows show it, and the number of a new ellipsoid.

#include "refdata/new_system.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "refdata/coord_system_record.h"
#include "refdata/link_fields.h"
#include "text/comma_locale.h"

namespace vexilor {
namespace {

TEST(CollapsedName, TrimsAndMakesEveryRunOfBlanksOne) {
  EXPECT_EQ(CollapsedName("  A   B  C "), "A B C");
  EXPECT_EQ(CollapsedName("СК  местная"), "СК местная");
  EXPECT_EQ(CollapsedName("   "), "");
  EXPECT_EQ(WordCount(" a  b c "), 3u);
  EXPECT_EQ(WordCount("  "), 0u);
}

TEST(FirstUnwritableCharacter, NamesTheFirstCharacterAFileCannotHold) {
  struct Case {
    const char* text;
    std::optional<char32_t> found;
  };
  const Case cases[] = {
      {"Система № 5 (МСК-01) «ёж» — €", std::nullopt},
      {"Zone ä", U'ä'},
      {"中文", U'中'},
      {"A\tB", U'\t'},
      {"line\r\nbreak", U'\r'},
      {"C1 \u0085", U'\u0085'},
      {"bad \xFF byte", U'\uFFFD'},
  };
  for (const Case& c : cases) EXPECT_EQ(FirstUnwritableCharacter(c.text), c.found) << c.text;
}

SystemLines Systems(const std::vector<std::string>& lines) {
  SystemLines systems;
  for (const std::string& line : lines) systems.Append(line);
  return systems;
}

TEST(HasSystemNamed, ComparesCollapsedNamesWithTheirCase) {
  const SystemLines systems = Systems({"broken line", "My  Local   System 20 0 0 0 0 0 0 0 PZ90 27"});
  EXPECT_TRUE(HasSystemNamed(systems, "My Local System"));
  EXPECT_TRUE(HasSystemNamed(systems, " My  Local System "));
  EXPECT_FALSE(HasSystemNamed(systems, "my local system"));
  EXPECT_FALSE(HasSystemNamed(systems, "broken"));
  EXPECT_FALSE(HasSystemNamed(systems, "My Local"));
}

EllipsoidLines Ellipsoids(const std::vector<std::string>& lines) {
  EllipsoidLines ellipsoids;
  for (const std::string& line : lines) ellipsoids.Append(line);
  return ellipsoids;
}

TEST(FindEllipsoidNamed, FindsTheFirstLineOfTheNameInEitherCase) {
  const EllipsoidLines ellipsoids = Ellipsoids(
      {"Krassovsky  1940  20 6378245 298.3", "", "ПЗ-90 27 6378136 298.25784", "Krassovsky 1940 40 1 1"});
  const std::optional<Ellipsoid> exact = FindEllipsoidNamed(ellipsoids, "Krassovsky 1940", LetterCase::kExact);
  ASSERT_TRUE(exact.has_value());
  EXPECT_EQ(exact->number, 20);
  EXPECT_FALSE(FindEllipsoidNamed(ellipsoids, "KRASSOVSKY 1940", LetterCase::kExact).has_value());
  const std::optional<Ellipsoid> upper = FindEllipsoidNamed(ellipsoids, "пз-90", LetterCase::kIgnored);
  ASSERT_TRUE(upper.has_value());
  EXPECT_EQ(upper->name, "ПЗ-90");  // as the file writes it
  EXPECT_FALSE(FindEllipsoidNamed(ellipsoids, "Bessel 1841", LetterCase::kIgnored).has_value());
}

TEST(HasGeometry, ComparesAtThePrecisionTheWindowsShow) {
  const Ellipsoid grs80{"GRS 1980", 16, 6378137.0, 298.257222100882711};
  EXPECT_TRUE(HasGeometry(grs80, 6378137.0, 298.257222101));  // the window's nine decimals
  EXPECT_TRUE(HasGeometry(grs80, 6378137.0004, 298.2572221009));
  EXPECT_FALSE(HasGeometry(grs80, 6378137.001, 298.257222101));
  EXPECT_FALSE(HasGeometry(grs80, 6378137.0, 298.257222102));
  EXPECT_FALSE(HasGeometry(grs80, 6378137.0, 298.3));
}

TEST(NextEllipsoidNumber, FollowsTheLargestNumberOfEitherFile) {
  struct Case {
    std::vector<std::string> lines;
    std::int16_t largestInUse;  // by sys.dat lines
    EllipsoidNumbering result;
    std::int16_t number;
  };
  const Case cases[] = {
      {{}, 0, EllipsoidNumbering::kNumbered, 1},
      {{"A 1 6378245 298.3", "B 2 6378245 298.3", "C 3 6378245 298.3"}, 3, EllipsoidNumbering::kNumbered, 4},
      // Not dense: Count + 1 = 3 would name C's ellipsoid.
      {{"A 1 6378245 298.3", "C 3 6378245 298.3"}, 1, EllipsoidNumbering::kNumbered, 4},
      {{"A 7 6378245 298.3", "B 2 6378245 298.3"}, 0, EllipsoidNumbering::kNumbered, 8},
      // A system still names ellipsoid 5, which ellips.dat lost: 5 is not free.
      {{"A 1 6378245 298.3", "B 2 6378245 298.3"}, 5, EllipsoidNumbering::kNumbered, 6},
      {{"A 1 6378245 298.3", "", "C 3 6378245 298.3"}, 0, EllipsoidNumbering::kBadFile, 0},
      {{"A 32767 6378245 298.3"}, 0, EllipsoidNumbering::kFull, 0},
      {{"A 1 6378245 298.3"}, 32767, EllipsoidNumbering::kFull, 0},
      {{"A 32766 6378245 298.3"}, 0, EllipsoidNumbering::kNumbered, 32767},
  };
  for (const Case& c : cases) {
    std::int16_t number = 0;
    EXPECT_EQ(NextEllipsoidNumber(Ellipsoids(c.lines), c.largestInUse, number), c.result) << c.lines.size();
    EXPECT_EQ(number, c.number) << c.lines.size();
  }
  EllipsoidLines full;
  for (int i = 1; i <= ReferenceLines::kMaxCount; ++i) full.Append("E 1 6378245 298.3");
  std::int16_t number = 0;
  EXPECT_EQ(NextEllipsoidNumber(full, 0, number), EllipsoidNumbering::kFull);
}

TEST(SystemNameWords, ANameOfTheMostWordsStillMakesARecord) {
  std::string name;
  for (std::size_t i = 0; i < kMaxSystemNameWords; ++i) name += "w ";
  CoordSystem system{CollapsedName(name), 20, {}, "PZ90", 27};
  CoordSystem parsed;
  EXPECT_EQ(ParseSystemLine(FormatSystemLine(system), parsed), RecordError::kNone);
  system.name += " w";
  EXPECT_NE(ParseSystemLine(FormatSystemLine(system), parsed), RecordError::kNone);
}

TEST(ReadBoundedNumber, TakesNumbersWithinTheBoundsWhateverTheLocale) {
  const ScopedCommaLocale comma;
  struct Case {
    const char* text;
    double lo, hi;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"6400000", 6200000, 6400000, 6400000.0},  {"6199999.999", 6200000, 6400000, std::nullopt},
      {"290", 290, 305, 290.0},                  {"305.01", 290, 305, std::nullopt},
      {"290,5", 290, 305, std::nullopt},         {" -1.2e-7 ", -1e-5, 1e-5, -1.2e-7},
      {"", 290, 305, std::nullopt},              {"1e999", -1e308, 1e308, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadBoundedNumber(c.text, c.lo, c.hi), c.value) << c.text;
  EXPECT_EQ(ReadLinkValue(3, "10"), 10.0);
  EXPECT_FALSE(ReadLinkValue(3, "10.001").has_value());
  EXPECT_EQ(ReadLinkValue(0, "-3000"), -3000.0);
  EXPECT_FALSE(ReadLinkValue(6, "0.00002").has_value());
}

}  // namespace
}  // namespace vexilor
