#include "service/sheet_point.h"

#include <gtest/gtest.h>

#include <string>

#include "service/sheet_nomenclature.h"

namespace vexilor {
namespace {

struct RefusedCase {
  const char* first;
  const char* second;
  PointField refused;
  const char* message;
};

TEST(ReadGeodeticPointTest, ReadsAngleTexts) {
  const SheetPoint p = ReadGeodeticPoint("55 45 00", "37 37 12");
  ASSERT_EQ(p.refused, PointField::kNone);
  EXPECT_DOUBLE_EQ(p.geo.b, 55.75);
  EXPECT_DOUBLE_EQ(p.geo.l, 37.62);
  EXPECT_DOUBLE_EQ(ReadGeodeticPoint("-90", "-360").geo.l, -360.0);
}

TEST(ReadGeodeticPointTest, RefusesWhatIsNoAngleInRange) {
  const RefusedCase cases[] = {
      {"90.5", "37", PointField::kFirst, "Неверное значение широты"},
      {"", "37", PointField::kFirst, "Неверное значение широты"},
      {"abc", "37", PointField::kFirst, "Неверное значение широты"},
      {"-", "37", PointField::kFirst, "Неверное значение широты"},
      {"1e999", "37", PointField::kFirst, "Неверное значение широты"},
      {"55 60 00", "37", PointField::kFirst, "Неверное значение широты"},
      {"55", "360.5", PointField::kSecond, "Неверное значение долготы"},
      {"55", "", PointField::kSecond, "Неверное значение долготы"},
      {"55", "37,5", PointField::kSecond, "Неверное значение долготы"},
  };
  for (const RefusedCase& c : cases) {
    const SheetPoint p = ReadGeodeticPoint(c.first, c.second);
    EXPECT_EQ(p.refused, c.refused) << c.first << " " << c.second;
    EXPECT_EQ(p.message, c.message) << c.first << " " << c.second;
  }
}

TEST(ReadPlanePointTest, TakesGaussKrugerBackToTheSheet) {
  // Zone 7 (axial meridian 39°), just south of 56°.
  const SheetPoint p = ReadPlanePoint("6200000", "7500000");
  ASSERT_EQ(p.refused, PointField::kNone) << p.message;
  EXPECT_NEAR(p.geo.l, 39.0, 1e-9);
  EXPECT_LT(p.geo.b, 56.0);
  EXPECT_GT(p.geo.b, 55.9);
  EXPECT_EQ(ComputeSheetNomenclature(1000000, p.geo.b, p.geo.l).name, "(N) N-37");
}

TEST(ReadPlanePointTest, ALongitudeJustPastThreeSixtyComesBackToGreenwich) {
  // 200 km east of the axial meridian of zone 60 (357°), past 360°.
  const SheetPoint p = ReadPlanePoint("6200000", "60700000");
  ASSERT_EQ(p.refused, PointField::kNone) << p.message;
  EXPECT_GT(p.geo.l, 0.0);
  EXPECT_LT(p.geo.l, 1.0);
  EXPECT_EQ(ComputeSheetNomenclature(1000000, p.geo.b, p.geo.l).name, "(N) N-31");
}

TEST(ReadPlanePointTest, RefusesTheAbscissaOrTheOrdinate) {
  const RefusedCase cases[] = {
      {"abc", "7500000", PointField::kFirst, "Неверное значение абсциссы"},
      {"", "7500000", PointField::kFirst, "Неверное значение абсциссы"},
      {"1e999", "7500000", PointField::kFirst, "Неверное значение абсциссы"},
      // Beyond 84° of latitude.
      {"9500000", "7500000", PointField::kFirst, "Неверное значение абсциссы"},
      {"1e300", "7500000", PointField::kFirst, "Неверное значение абсциссы"},
      {"6200000", "999999", PointField::kSecond, "Неверное значение ординаты"},
      {"6200000", "-7500000", PointField::kSecond, "Неверное значение ординаты"},
      {"6200000", "", PointField::kSecond, "Неверное значение ординаты"},
      {"6200000", "-", PointField::kSecond, "Неверное значение ординаты"},
      // Zone 61 does not exist; the projection refuses it (code 105).
      {"6200000", "61500000", PointField::kSecond, "Неверное значение ординаты"},
      {"6200000", "1e300", PointField::kSecond, "Неверное значение ординаты"},
  };
  for (const RefusedCase& c : cases) {
    const SheetPoint p = ReadPlanePoint(c.first, c.second);
    EXPECT_EQ(p.refused, c.refused) << c.first << " " << c.second;
    EXPECT_EQ(p.message, c.message) << c.first << " " << c.second;
  }
}

}  // namespace
}  // namespace vexilor
