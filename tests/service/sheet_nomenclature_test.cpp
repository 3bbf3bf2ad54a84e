#include "service/sheet_nomenclature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "text/angle_text.h"

namespace vexilor {
namespace {

struct NameCase {
  std::int32_t scale;
  const char* latitude;   // as the user types it
  const char* longitude;
  const char* name;
};

std::string NameOf(std::int32_t scale, double b, double l) {
  const SheetNomenclature sheet = ComputeSheetNomenclature(scale, b, l);
  EXPECT_EQ(sheet.code, NomenclatureCode::kSuccess) << sheet.message;
  EXPECT_EQ(sheet.message, "");
  return sheet.name;
}

std::string NameOfTyped(std::int32_t scale, const char* latitude, const char* longitude) {
  return NameOf(scale, ParseAngle(latitude), ParseAngle(longitude));
}

TEST(ComputeSheetNomenclatureTest, NamesTheSheetAtEveryScale) {
  const NameCase cases[] = {
      // Moscow: down the whole chain.
      {1000000, "55.75", "37.62", "(N) N-37"},
      {500000, "55.75", "37.62", "(N) N-37-А"},
      {200000, "55.75", "37.62", "(N) N-37-II"},
      {100000, "55.75", "37.62", "(N) N-37-4"},
      {50000, "55.75", "37.62", "(N) N-37-4-В"},
      {25000, "55.75", "37.62", "(N) N-37-4-В-в"},
      {10000, "55.75", "37.62", "(N) N-37-4-В-в-2"},
      // Rio de Janeiro: southern and western, counted from the south edge.
      {1000000, "-22 54", "-43 12", "(S) F-23"},
      {500000, "-22 54", "-43 12", "(S) F-23-Б"},
      {200000, "-22 54", "-43 12", "(S) F-23-XI"},
      {100000, "-22 54", "-43 12", "(S) F-23-46"},
      {50000, "-22 54", "-43 12", "(S) F-23-46-Б"},
      {25000, "-22 54", "-43 12", "(S) F-23-46-Б-в"},
      {10000, "-22 54", "-43 12", "(S) F-23-46-Б-в-1"},
      // The last sheets of every split.
      {10000, "52 00 01", "41 59 59", "(N) N-37-144-Г-г-4"},
      {200000, "53 20 01", "41 59 59", "(N) N-37-XXIV"},
      // Sheet numbers 100 to 109 keep all their digits.
      {100000, "53 10 00", "39 15 00", "(N) N-37-103"},
      // Longitudes east of 180 are taken west of Greenwich; 360 is 0.
      {1000000, "10", "200", "(N) C-4"},
      {1000000, "10", "360", "(N) C-31"},
      {1000000, "10", "-180", "(N) C-1"},
      // The equator is southern; just north of it is northern.
      {1000000, "0", "37.62", "(S) A-37"},
      {1000000, "0.0000001", "37.62", "(N) A-37"},
  };
  for (const NameCase& c : cases)
    EXPECT_EQ(NameOfTyped(c.scale, c.latitude, c.longitude), c.name) << c.scale << " " << c.latitude << " " << c.longitude;
}

TEST(ComputeSheetNomenclatureTest, EdgesTypedInDegreesMinutesSecondsFallWhereTheRuleSays) {
  // An edge inside a sheet belongs to the equator-side and the eastern
  // neighbour. 20', 10', 5' and 2'30" are not exact in binary; these points
  // land on the other side with a repeated subtraction in doubles.
  const NameCase cases[] = {
      {100000, "55 20 00", "37 15 00", "(N) N-37-27"},
      {100000, "55 40 00", "37 30 00", "(N) N-37-16"},
      {50000, "55 50 00", "36 15 00", "(N) N-37-1-Г"},
      {25000, "55 55 00", "36 07 30", "(N) N-37-1-А-г"},
      {10000, "55 57 30", "36 03 45", "(N) N-37-1-А-а-4"},
      {200000, "55 20 00", "37 00 00", "(N) N-37-VIII"},
      {500000, "54 00 00", "39 00 00", "(N) N-37-Г"},
      // The same in the south, where the pole-side edge is the southern one.
      {100000, "-55 20 00", "37 15 00", "(S) N-37-27"},
      // The outer equator-side and east edges stay in the last row and column.
      {100000, "52 00 00", "41 59 59", "(N) N-37-144"},
      {10000, "52 00 00", "41 59 59", "(N) N-37-144-Г-г-4"},
      // A row of the 1:1 000 000 map holds its equator-side edge: 56° is "O".
      {1000000, "56 00 00", "37", "(N) O-37"},
      {100000, "56 00 00", "36 00 00", "(N) O-37-133"},
  };
  for (const NameCase& c : cases)
    EXPECT_EQ(NameOfTyped(c.scale, c.latitude, c.longitude), c.name) << c.scale << " " << c.latitude << " " << c.longitude;
}

TEST(ComputeSheetNomenclatureTest, EightyFourDegreesIsTheTopOfRowU) {
  // The row number is capped with the letter, so the finer parts describe
  // 83°40'-84°, not a sheet four degrees further south.
  EXPECT_EQ(NameOf(1000000, 84.0, 37.62), "(N) U-37");
  EXPECT_EQ(NameOf(100000, 84.0, 37.62), "(N) U-37-4");
  EXPECT_EQ(NameOf(10000, -84.0, 36.0), "(S) U-37-1-А-а-1");
  EXPECT_EQ(NameOf(100000, 83.9, 37.62), "(N) U-37-4");
}

TEST(ComputeSheetNomenclatureTest, LongitudeOneEightyIsColumnSixty) {
  EXPECT_EQ(NameOf(1000000, 10.0, 180.0), "(N) C-60");
  EXPECT_EQ(NameOf(100000, 10.0, 180.0), "(N) C-60-84");
  EXPECT_EQ(NameOf(1000000, 10.0, 179.99), "(N) C-60");
  EXPECT_EQ(NameOf(1000000, 10.0, -179.99), "(N) C-1");
  EXPECT_EQ(NameOf(1000000, 10.0, 180.5), "(N) C-1");
}

struct RefusalCase {
  std::int32_t scale;
  double b;
  double l;
  NomenclatureCode code;
  const char* message;
};

TEST(ComputeSheetNomenclatureTest, RefusesWithACodeAndAMessage) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const RefusalCase cases[] = {
      {300000, 55, 37, NomenclatureCode::kUnsupportedScale,
       "Масштаб 1 : 300 000 не предусмотрен\r\nдля обработки в этой программе."},
      {2000000, 55, 37, NomenclatureCode::kUnsupportedScale,
       "Масштаб 1 : 2000 000 не предусмотрен\r\nдля обработки в этой программе."},
      // Scales too short or negative for "the thousands and 000" are written whole.
      {5, 55, 37, NomenclatureCode::kUnsupportedScale, "Масштаб 1 : 5 не предусмотрен\r\nдля обработки в этой программе."},
      {0, 55, 37, NomenclatureCode::kUnsupportedScale, "Масштаб 1 : 0 не предусмотрен\r\nдля обработки в этой программе."},
      {-100000, 55, 37, NomenclatureCode::kUnsupportedScale,
       "Масштаб 1 : -100000 не предусмотрен\r\nдля обработки в этой программе."},
      {1500, 55, 37, NomenclatureCode::kUnsupportedScale,
       "Масштаб 1 : 1500 не предусмотрен\r\nдля обработки в этой программе."},
      {100000, 84.0001, 37, NomenclatureCode::kLatitudeOutOfRange, "Недопустимое значение широты."},
      {100000, -90, 37, NomenclatureCode::kLatitudeOutOfRange, "Недопустимое значение широты."},
      {100000, nan, 37, NomenclatureCode::kLatitudeOutOfRange, "Недопустимое значение широты."},
      {100000, inf, 37, NomenclatureCode::kLatitudeOutOfRange, "Недопустимое значение широты."},
      {100000, 55, -180.5, NomenclatureCode::kLongitudeOutOfRange, "Недопустимое значение долготы."},
      {100000, 55, 360.0001, NomenclatureCode::kLongitudeOutOfRange, "Недопустимое значение долготы."},
      {100000, 55, nan, NomenclatureCode::kLongitudeOutOfRange, "Недопустимое значение долготы."},
      {100000, 55, -inf, NomenclatureCode::kLongitudeOutOfRange, "Недопустимое значение долготы."},
  };
  for (const RefusalCase& c : cases) {
    const SheetNomenclature sheet = ComputeSheetNomenclature(c.scale, c.b, c.l);
    EXPECT_EQ(sheet.code, c.code) << c.scale << " " << c.b << " " << c.l;
    EXPECT_EQ(sheet.message, c.message) << c.scale << " " << c.b << " " << c.l;
    EXPECT_EQ(sheet.name, "");
  }
}

}  // namespace
}  // namespace vexilor
