#include "run/results_file.h"

#include <gtest/gtest.h>

#include "text/words.h"
#include "geodesy/angle_constants.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

using namespace testing;  // the units the tests choose

ResultsLayout Layout(CoordType type, const SideUnits& units) {
  ResultsLayout l;
  l.targetName = "Pulkovo 1942 (CK42)";
  l.type = type;
  l.units = units;
  return l;
}

TEST(ResultsHeader, DescribesTypeUnitsHeightsAndProjection) {
  ResultsLayout plane = Layout(CoordType::xyH, kInKilometres);
  plane.projection = ProjectionKind::Lambert;
  plane.heights = HeightType::Normal;
  EXPECT_EQ(ResultsHeader(plane),
            (std::vector<std::string>{"Система координат: Pulkovo 1942 (CK42)", "Тип координат: xyH",
                                      "Размерность координат и высот: километры; Тип высот: нормальные",
                                      "Проекция: Ламберта", ""}));
  EXPECT_EQ(ResultsHeader(Layout(CoordType::XYZ, kInMetres)),
            (std::vector<std::string>{"Система координат: Pulkovo 1942 (CK42)", "Тип координат: XYZ",
                                      "Размерность координат: метры", ""}));
  EXPECT_EQ(ResultsHeader(Layout(CoordType::BLH, InAngles(AngleUnit::DegMin, LengthUnit::Kilometres))),
            (std::vector<std::string>{"Система координат: Pulkovo 1942 (CK42)", "Тип координат: BLH",
                                      "Размерность широт и долгот: градусы, минуты",
                                      "Размерность высот: километры; Тип высот: геодезические", ""}));
  const char* angleUnits[] = {"градусы, минуты, секунды", "градусы, минуты", "градусы", "радианы"};
  for (std::size_t u = 0; u < kAngleUnits.size(); ++u)
    EXPECT_EQ(ResultsHeader(Layout(CoordType::BLH, InAngles(kAngleUnits[u])))[2],
              std::string("Размерность широт и долгот: ") + angleUnits[u]);
  ResultsLayout utm = Layout(CoordType::xyH, kInMetres);
  utm.projection = ProjectionKind::Utm;
  EXPECT_EQ(ResultsHeader(utm)[3], "Проекция: UTM");
  utm.projection = ProjectionKind::GaussKruger;
  EXPECT_EQ(ResultsHeader(utm)[3], "Проекция: Гаусса-Крюгера");
}

std::string ResultLine(const ResultsLayout& layout, std::int32_t number, const Coords& coords, float zeta) {
  std::string line = "kept ";
  AppendResultLine(line, layout, number, coords, zeta);
  EXPECT_EQ(line.substr(0, 5), "kept ");
  return line.substr(5);
}

TEST(ResultLine, FixedWidthColumns) {
  const double b = 55.5 * kRadiansPerDegree;
  const double l = 37.25 * kRadiansPerDegree;
  struct Case { ResultsLayout layout; std::int32_t number; Coords c; const char* line; };
  const Case cases[] = {
      {Layout(CoordType::XYZ, kInMetres), 1, {2846123.4567, -1.5, 0},
       "     1    2846123.4567         -1.5000          0.0000"},
      {Layout(CoordType::XYZ, kInKilometres), 12, {2846123.4567, -1.5, 0},
       "    12    2846.1234567      -0.0015000       0.0000000"},
      {Layout(CoordType::xyH, kInMetres), 3, {6164123.25, 7412345.125, 151.5},
       "     3   6164123.2500   7412345.1250     151.5000"},
      {Layout(CoordType::BLH, kInDegMinSec), 2, {b, l, 150},
       "     2   55 30 00.00000   37 15 00.00000     150.0000"},
      {Layout(CoordType::BLH, InAngles(AngleUnit::DegMinSec, LengthUnit::Kilometres)), 2, {-b, l, 150},
       "     2  -55 30 00.00000   37 15 00.00000    0.1500000"},
      {Layout(CoordType::BLH, kInDegMin), 4, {b, l, 0},
       "     4   55 30.00000000   37 15.00000000       0.0000"},
      {Layout(CoordType::BLH, kInDegrees), 5, {b, l, -3.25},
       "     5   55.5000000000   37.2500000000      -3.2500"},
      {Layout(CoordType::BLH, kInRadians), 6, {0.5, 1.25, 0},
       "     6   0.50000000000   1.25000000000       0.0000"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResultLine(c.layout, c.number, c.c, 0), c.line);
}

TEST(ResultLine, QuasiGeoidColumn) {
  ResultsLayout layout = Layout(CoordType::xyH, kInMetres);
  layout.geoidColumn = true;
  EXPECT_EQ(ResultLine(layout, 1, {1, 2, 3}, -14.25f),
            "     1         1.0000         2.0000       3.0000   -14.25");
}

// A value as wide as its column keeps a blank before it, so every line can
// be split into its words again.
TEST(ResultLine, WideValuesStaySeparated) {
  struct Case { ResultsLayout layout; Coords c; };
  const Case cases[] = {
      {Layout(CoordType::xyH, kInMetres), {123456789012.0, 1e13, 1e10}},
      {Layout(CoordType::XYZ, kInMetres), {-1e12, 99999999999.0, 1e11}},
      {Layout(CoordType::BLH, kInDegrees), {-1.5, 3.0, 1e12}},
  };
  for (const auto& c : cases) {
    const std::string line = ResultLine(c.layout, 999999, c.c, 0);
    EXPECT_EQ(SplitWords(line, 10).size(), 4u) << line;
  }
}

}  // namespace
}  // namespace vexilor
