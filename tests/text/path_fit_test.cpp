#include "text/path_fit.h"

#include <gtest/gtest.h>

#include <string>

#include "text/text_edit.h"
#include "text/utf8.h"

namespace vexilor {
namespace {

constexpr int kUnitsPerCharacter = 10;

int TenPerCodePoint(const std::string& text) {
  return kUnitsPerCharacter * static_cast<int>(CodePointCount(text));
}

const std::string kPath = "C:\\Program Files\\Vexilor\\Data\\Wgeoid.mat";

TEST(FitPathToWidthTest, CentresAPathThatLeavesRoom) {
  const std::string path = "C:\\A\\B.dat";  // 100 units
  // Room of 100 units is five blank widths on each side: four blanks in front.
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 200, path), std::string(4, ' ') + path);
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 140, path), std::string(1, ' ') + path);
}

TEST(FitPathToWidthTest, KeepsAPathThatFitsWithLittleRoom) {
  const std::string path = "C:\\A\\B.dat";
  for (const int width : {120, 130, 139}) EXPECT_EQ(FitPathToWidth(TenPerCodePoint, width, path), path) << width;
}

TEST(FitPathToWidthTest, ShortensTheMiddleKeepingWholeTrailingFolders) {
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 250, kPath), "C:\\...\\Data\\Wgeoid.mat");
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 190, "/home/user/data/wgeoid.mat"), "/ho.../wgeoid.mat");
}

TEST(FitPathToWidthTest, ResultFitsOrIsTheHeadAloneForEveryWidth) {
  for (int width = -100; width <= 600; ++width) {
    const std::string fitted = FitPathToWidth(TenPerCodePoint, width, kPath);
    const bool fits = TenPerCodePoint(std::string(TrimBlanks(fitted))) <= width;
    EXPECT_TRUE(fits || fitted == "C:\\...") << width << " -> " << fitted;
  }
}

TEST(FitPathToWidthTest, EndsInABoxTooNarrowForAnyTail) {
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 30, kPath), "C:\\...");
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 0, "abc"), "abc");
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 0, ""), "");
}

TEST(FitPathToWidthTest, EndsWhateverTheMeasurementSays) {
  const TextWidthFn measures[] = {
      [](const std::string&) { return 0; },
      [](const std::string&) { return -50; },
      [](const std::string&) { return 1000000; },
      [](const std::string& text) { return static_cast<int>(text.size() % 7) * 1000; },
  };
  for (const TextWidthFn& measure : measures) {
    for (const int width : {-32768, 0, 100, 32767}) {
      const std::string fitted = FitPathToWidth(measure, width, kPath);
      EXPECT_LE(CodePointCount(fitted), 32767u);
    }
  }
  EXPECT_EQ(FitPathToWidth(TextWidthFn{}, 10, kPath), kPath);
}

TEST(FitPathToWidthTest, CyrillicPathsAreCutBetweenCharacters) {
  const std::string path = "C:\\Документы\\Координаты\\Точки.in";
  for (int width = 50; width <= 350; width += 10) {
    const std::string fitted = FitPathToWidth(TenPerCodePoint, width, path);
    for (std::size_t pos = 0; pos < fitted.size();) ASSERT_NE(DecodeCodePoint(fitted, pos), kReplacementCharacter) << fitted;
  }
  // Shortened to 150 units, which then leaves room to centre it.
  EXPECT_EQ(FitPathToWidth(TenPerCodePoint, 200, path), " C:\\...\\Точки.in");
}

}  // namespace
}  // namespace vexilor
