#include "service/sheet_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "service/sheet_nomenclature.h"
#include "text/angle_text.h"
#include "text/text_edit.h"

namespace vexilor {
namespace {

constexpr double kMinute = 1.0 / 60.0;

struct FrameCase {
  std::int32_t scale;
  const char* text;
  SheetFrame frame;
};

TEST(ComputeSheetFrameTest, GivesTheEdgesOfTheSheet) {
  const FrameCase cases[] = {
      {1000000, "(N) N-37", {56, 52, 36, 42}},
      {500000, "(N) N-37-Б", {56, 54, 39, 42}},
      {200000, "(N) N-37-XXIV", {54, 53 + 20 * kMinute, 41, 42}},
      {100000, "(N) N-37-144", {52 + 20 * kMinute, 52, 41.5, 42}},
      {100000, "(N) N-37-4", {56, 56 - 20 * kMinute, 37.5, 38}},
      {50000, "(N) N-37-4-В", {56 - 10 * kMinute, 56 - 20 * kMinute, 37.5, 37.75}},
      {25000, "(N) N-37-144-Г-г", {52 + 5 * kMinute, 52, 41.875, 42}},
      {10000, "(N) N-37-144-Г-г-4", {52 + 2.5 * kMinute, 52, 42 - 3.75 * kMinute, 42}},
      // The mark's letter in either case, blanks around the name, a
      // lower-case row letter.
      {1000000, "(s) A-1", {0, -4, 180, 186}},
      {1000000, "(N)   n-37  ", {56, 52, 36, 42}},
      {1000000, "(N)N-37", {56, 52, 36, 42}},
      // Southern sheets are counted from their south edge.
      {100000, "(S) F-23-46", {-22 - 40 * kMinute, -23, -43.5 + 360, -43 + 360}},
      {1000000, "(S) U-60", {-80, -84, 174, 180}},
      // A sheet wholly west of Greenwich is given east of it; one that ends
      // on Greenwich too.
      {1000000, "(N) C-30", {12, 8, 354, 360}},
      {1000000, "(N) C-31", {12, 8, 0, 6}},
      // A letter in either case where its place says which it is; a Roman
      // numeral in either case.
      {500000, "(N) n-37-б", {56, 54, 39, 42}},
      {50000, "(N) N-37-4-в", {56 - 10 * kMinute, 56 - 20 * kMinute, 37.5, 37.75}},
      {25000, "(N) N-37-144-г-Г", {52 + 5 * kMinute, 52, 41.875, 42}},
      {200000, "(N) N-37-xxiv", {54, 53 + 20 * kMinute, 41, 42}},
      // A sheet number is a number: rounded, halves to the even one.
      {100000, "(N) N-37-4.4", {56, 56 - 20 * kMinute, 37.5, 38}},
      {100000, "(N) N-37-3.5", {56, 56 - 20 * kMinute, 37.5, 38}},
  };
  for (const FrameCase& c : cases) {
    const SheetFrameResult r = ComputeSheetFrame(c.scale, c.text);
    ASSERT_EQ(r.code, FrameCode::kSuccess) << c.text << ": " << r.message;
    EXPECT_EQ(r.message, "");
    EXPECT_DOUBLE_EQ(r.frame.north, c.frame.north) << c.text;
    EXPECT_DOUBLE_EQ(r.frame.south, c.frame.south) << c.text;
    EXPECT_DOUBLE_EQ(r.frame.west, c.frame.west) << c.text;
    EXPECT_DOUBLE_EQ(r.frame.east, c.frame.east) << c.text;
  }
}

struct RefusalCase {
  std::int32_t scale;
  const char* text;
  FrameCode code;
  const char* message;
};

TEST(ComputeSheetFrameTest, RefusesWithACodeAndAMessage) {
  const RefusalCase cases[] = {
      {300000, "(N) N-37", FrameCode::kUnsupportedScale,
       "Масштаб 1 : 300 000 не предусмотрен\r\nдля обработки в этой программе."},
      {-7, "(N) N-37", FrameCode::kUnsupportedScale,
       "Масштаб 1 : -7 не предусмотрен\r\nдля обработки в этой программе."},
      {1000000, "N-37", FrameCode::kNoHemisphere, "В номенклатуре не указано полушарие: (N) или (S)."},
      {1000000, "", FrameCode::kNoHemisphere, "В номенклатуре не указано полушарие: (N) или (S)."},
      {1000000, "(", FrameCode::kNoHemisphere, "В номенклатуре не указано полушарие: (N) или (S)."},
      {1000000, "(Н) N-37", FrameCode::kNoHemisphere, "В номенклатуре не указано полушарие: (N) или (S)."},
      {1000000, "(N)", FrameCode::kInvalidName, "Неверная номенклатура (N)."},
      {1000000, "(N) N", FrameCode::kInvalidName, "Неверная номенклатура (N) N."},
      {1000000, "(N) NN", FrameCode::kNameDoesNotFitScale,
       "Номенклатура (N) NN не соответствует\r\nмасштабу 1 : 1000 000."},
      {100000, "(N) N-37", FrameCode::kNameDoesNotFitScale,
       "Номенклатура (N) N-37 не соответствует\r\nмасштабу 1 : 100 000."},
      {1000000, "(N) N-37-4", FrameCode::kNameDoesNotFitScale,
       "Номенклатура (N) N-37-4 не соответствует\r\nмасштабу 1 : 1000 000."},
      {10000, "(N) N-37-4-Б-в-1-1-1-1", FrameCode::kNameDoesNotFitScale,
       "Номенклатура (N) N-37-4-Б-в-1-1-1-1 не соответствует\r\nмасштабу 1 : 10 000."},
      {100000, "(N) N-37-145", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-145."},
      {1000000, "(N) N-3A", FrameCode::kInvalidName, "Неверная номенклатура (N) N-3A."},
      {1000000, "(N) N-375", FrameCode::kInvalidName, "Неверная номенклатура (N) N-375."},
      {1000000, "(N) V-37", FrameCode::kInvalidName, "Неверная номенклатура (N) V-37."},
      {1000000, "(N) NN-37", FrameCode::kInvalidName, "Неверная номенклатура (N) NN-37."},
      {1000000, "(N) -37", FrameCode::kInvalidName, "Неверная номенклатура (N) -37."},
      // Columns are 1 to 60.
      {1000000, "(N) N-0", FrameCode::kInvalidName, "Неверная номенклатура (N) N-0."},
      {1000000, "(N) N-61", FrameCode::kInvalidName, "Неверная номенклатура (N) N-61."},
      {1000000, "(N) N-99", FrameCode::kInvalidName, "Неверная номенклатура (N) N-99."},
      // A letter of the other alphabet, looking like the right one, is named.
      {1000000, "(N) Н-37", FrameCode::kInvalidName,
       "Неверная номенклатура (N) Н-37.\r\nБуква Н русская, а здесь нужна латинская: от A до U."},
      {500000, "(N) N-37-A", FrameCode::kInvalidName,
       "Неверная номенклатура (N) N-37-A.\r\nБуква A латинская, а здесь нужна русская: А, Б, В или Г."},
      {25000, "(N) N-37-4-Б-B", FrameCode::kInvalidName,
       "Неверная номенклатура (N) N-37-4-Б-B.\r\nБуква B латинская, а здесь нужна русская: а, б, в или г."},
      {200000, "(N) N-37-ХХIV", FrameCode::kInvalidName,
       "Неверная номенклатура (N) N-37-ХХIV.\r\n"
       "Буква Х русская, а здесь нужно римское число латинскими буквами: от I до XXXVI."},
      // A letter part is one letter; only letters are named.
      {500000, "(N) N-37-", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-."},
      {500000, "(N) N-37-АБ", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-АБ."},
      {100000, "(N) N-37-4a", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-4a."},
      {200000, "(N) N-37-XXXVII", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-XXXVII."},
      // Numbers out of every range, without overflow.
      {100000, "(N) N-37-0", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-0."},
      {100000, "(N) N-37-0.5", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-0.5."},
      {100000, "(N) N-37-99999", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-99999."},
      {100000, "(N) N-37-1e300", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-1e300."},
      {100000, "(N) N-37-1e999", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-1e999."},
      {100000, "(N) N-37-", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-."},
      {10000, "(N) N-37-4-Б-в-5", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-4-Б-в-5."},
      {10000, "(N) N-37-4-Б-в-65537", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-4-Б-в-65537."},
      {10000, "(N) N-37-4-Б-в-1e300", FrameCode::kInvalidName, "Неверная номенклатура (N) N-37-4-Б-в-1e300."},
  };
  for (const RefusalCase& c : cases) {
    const SheetFrameResult r = ComputeSheetFrame(c.scale, c.text);
    EXPECT_EQ(r.code, c.code) << c.text;
    EXPECT_EQ(r.message, c.message) << c.text;
  }
}

// Every sheet of a scale inside the 1:1 000 000 sheet whose north-west
// corner is (north, west), visited through the centres of the 1:10 000
// sheets, the finest: 96 rows by 96 columns.
template <typename Visit>
void ForEachFinestCentre(double north, double west, Visit visit) {
  constexpr double kHeight = 2.5 * kMinute;
  constexpr double kWidth = 3.75 * kMinute;
  for (int row = 0; row < 96; ++row)
    for (int column = 0; column < 96; ++column) visit(north - (row + 0.5) * kHeight, west + (column + 0.5) * kWidth);
}

struct ScaleCount {
  std::int32_t scale;
  std::size_t sheets;  // in one 1:1 000 000 sheet
  double height;       // degrees
  double width;
};

constexpr ScaleCount kScales[] = {{1000000, 1, 4, 6},
                                  {500000, 4, 2, 3},
                                  {200000, 36, 40 * kMinute, 1},
                                  {100000, 144, 20 * kMinute, 30 * kMinute},
                                  {50000, 576, 10 * kMinute, 15 * kMinute},
                                  {25000, 2304, 5 * kMinute, 7.5 * kMinute},
                                  {10000, 9216, 2.5 * kMinute, 3.75 * kMinute}};

// One 1:1 000 000 sheet in the north-east, one in the south-west: each
// point's sheet holds it, has the size of its scale, and names itself again
// from its centre with the same frame; the sheets tile the million sheet.
TEST(ComputeSheetFrameTest, RoundTripsThroughTheCentreOfEverySheet) {
  struct MillionSheet {
    double north;
    double west;
  };
  for (const MillionSheet m : {MillionSheet{56, 36}, MillionSheet{-20, -48}}) {
    for (const ScaleCount& s : kScales) {
      std::set<std::string> names;
      ForEachFinestCentre(m.north, m.west, [&](double b, double l) {
        const SheetNomenclature sheet = ComputeSheetNomenclature(s.scale, b, l);
        ASSERT_EQ(sheet.code, NomenclatureCode::kSuccess);
        const SheetFrameResult r = ComputeSheetFrame(s.scale, sheet.name);
        ASSERT_EQ(r.code, FrameCode::kSuccess) << sheet.name << ": " << r.message;
        const SheetFrame& f = r.frame;
        const double east = l < 0 ? l + 360 : l;
        ASSERT_TRUE(f.south < b && b < f.north && f.west < east && east < f.east) << sheet.name << " " << b << " " << l;
        ASSERT_NEAR(f.north - f.south, s.height, 1e-12) << sheet.name;
        ASSERT_NEAR(f.east - f.west, s.width, 1e-12) << sheet.name;
        const SheetNomenclature again =
            ComputeSheetNomenclature(s.scale, (f.north + f.south) / 2, (f.west + f.east) / 2);
        ASSERT_EQ(again.name, sheet.name);
        const SheetFrameResult second = ComputeSheetFrame(s.scale, again.name);
        ASSERT_EQ(second.frame.north, f.north);
        ASSERT_EQ(second.frame.south, f.south);
        ASSERT_EQ(second.frame.west, f.west);
        ASSERT_EQ(second.frame.east, f.east);
        names.insert(sheet.name);
      });
      EXPECT_EQ(names.size(), s.sheets) << s.scale;
    }
  }
}

// The corner on a sheet's pole-side and west edges, typed in degrees,
// minutes and seconds as a surveyor reads it off the frame, names the sheet
// again: the north-west corner in the north, the south-west one in the
// south. Sheets on the top row of their 1:1 000 000 sheet are left out: the
// row's pole-side edge belongs to the next row of the 1:1 000 000 map.
TEST(ComputeSheetFrameTest, ThePoleSideWestCornerTypedInDmsNamesTheSameSheet) {
  for (const double millionNorth : {56.0, -20.0}) {
    for (const ScaleCount& s : kScales) {
      ForEachFinestCentre(millionNorth, 36.0, [&](double b, double l) {
        const std::string name = ComputeSheetNomenclature(s.scale, b, l).name;
        const SheetFrame f = ComputeSheetFrame(s.scale, name).frame;
        const double poleSide = b > 0 ? f.north : f.south;
        if (std::fabs(poleSide) == std::fabs(b > 0 ? millionNorth : millionNorth - 4)) return;
        const std::string latitude(TrimBlanks(FormatAngle(poleSide, {AngleColumns::DegMinSec, 3})));
        const std::string longitude(TrimBlanks(FormatAngle(f.west, {AngleColumns::DegMinSec, 3})));
        ASSERT_EQ(ComputeSheetNomenclature(s.scale, ParseAngle(latitude), ParseAngle(longitude)).name, name)
            << latitude << " " << longitude;
      });
    }
  }
}

}  // namespace
}  // namespace vexilor
