#include "run/results_file.h"

#include "text/angle_text.h"
#include "text/mask_format.h"
#include "text/text_edit.h"
#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

std::string UnitName(LengthUnit unit) { return std::string(LengthUnitName(unit)); }

std::string HeightPhrase(HeightType heights) {
  return heights == HeightType::Geodetic ? "; Тип высот: геодезические" : "; Тип высот: нормальные";
}

// One case for every kind, without a default: a kind added to the engine
// without its name here does not compile (-Wswitch).
std::string ProjectionName(ProjectionKind kind) {
  switch (kind) {
    case ProjectionKind::GaussKruger: return "Проекция: Гаусса-Крюгера";
    case ProjectionKind::Lambert: return "Проекция: Ламберта";
    case ProjectionKind::Utm: return "Проекция: UTM";
  }
  return "";
}

// A value right-aligned in its column. A value that fills the column or
// overflows it gets one blank before it, so that the words of a line stay
// apart and the line can be read back. (Angle texts bring blanks of their
// own.)
std::string Column(const std::string& value, int width) {
  std::string padded = PadLeft(value, width);
  if (padded.empty() || padded.front() != ' ') padded.insert(0, 1, ' ');
  return padded;
}

// Lengths in metres or kilometres with the mask of their unit.
std::string Length(double metres, LengthUnit unit) {
  if (unit == LengthUnit::Kilometres) return FormatWithMask(metres * kKilometresPerMetre, "0.0000000");
  return FormatWithMask(metres, "0.0000");
}

constexpr AngleFormat kDegMinSecColumns{AngleColumns::DegMinSec, 5};
constexpr AngleFormat kDegMinColumns{AngleColumns::DegMin, 8};

// The latitude and longitude columns of a geodetic point.
std::string Angles(const Coords& c, AngleUnit unit) {
  const double b = c[0] * kDegreesPerRadian;
  const double l = c[1] * kDegreesPerRadian;
  switch (unit) {
    case AngleUnit::DegMinSec:
      return Column(FormatAngle(b, kDegMinSecColumns), 17) + Column(FormatAngle(l, kDegMinSecColumns), 17);
    case AngleUnit::DegMin:
      return Column(FormatAngle(b, kDegMinColumns), 17) + Column(FormatAngle(l, kDegMinColumns), 17);
    case AngleUnit::Degrees:
      return Column(FormatWithMask(b, "0.0000000000"), 16) + Column(FormatWithMask(l, "0.0000000000"), 16);
    case AngleUnit::Radians:
      break;
  }
  return Column(FormatWithMask(c[0], "0.00000000000"), 16) + Column(FormatWithMask(c[1], "0.00000000000"), 16);
}

}  // namespace

std::vector<std::string> ResultsHeader(const ResultsLayout& layout) {
  std::vector<std::string> lines = {"Система координат: " + layout.targetName,
                                    "Тип координат: " + std::string(CoordTypeName(layout.type))};
  switch (layout.type) {
    case CoordType::xyH:
      lines.push_back("Размерность координат и высот: " + UnitName(layout.units.lengths) +
                      HeightPhrase(layout.heights));
      lines.push_back(ProjectionName(layout.projection));
      break;
    case CoordType::XYZ:
      lines.push_back("Размерность координат: " + UnitName(layout.units.lengths));
      break;
    case CoordType::BLH:
      lines.push_back("Размерность широт и долгот: " + std::string(AngleUnitName(layout.units.angles)));
      lines.push_back("Размерность высот: " + UnitName(layout.units.heights) +
                      HeightPhrase(layout.heights));
      break;
  }
  lines.emplace_back();
  return lines;
}

std::string ResultLine(const ResultsLayout& layout, std::int32_t number, const Coords& coords,
                       float zeta) {
  std::string line = PadLeft(std::to_string(number), 6);
  switch (layout.type) {
    case CoordType::XYZ:
      for (double v : coords) line += Column(Length(v, layout.units.lengths), 16);
      break;
    case CoordType::xyH:
      line += Column(Length(coords[0], layout.units.lengths), 15) +
              Column(Length(coords[1], layout.units.lengths), 15) +
              Column(Length(coords[2], layout.units.lengths), 13);
      break;
    case CoordType::BLH:
      line += Angles(coords, layout.units.angles) + Column(Length(coords[2], layout.units.heights), 13);
      break;
  }
  if (layout.geoidColumn) line += Column(FormatWithMask(zeta, "0.00"), 9);
  return line;
}

}  // namespace vexilor
