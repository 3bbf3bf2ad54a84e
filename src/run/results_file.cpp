#include "run/results_file.h"

#include <charconv>

#include "text/angle_text.h"
#include "text/mask_format.h"
#include "text/utf8.h"
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
void AppendColumn(std::string& line, std::string_view value, int width) {
  const std::size_t length = CodePointCount(value), wanted = static_cast<std::size_t>(width);
  std::size_t blanks = length < wanted ? wanted - length : 0;
  if (blanks == 0 && (value.empty() || value.front() != ' ')) blanks = 1;
  line.append(blanks, ' ');
  line += value;
}

// Lengths in metres or kilometres with the mask of their unit.
std::string Length(double metres, LengthUnit unit) {
  if (unit == LengthUnit::Kilometres) return FormatWithMask(metres * kKilometresPerMetre, "0.0000000");
  return FormatWithMask(metres, "0.0000");
}

constexpr AngleFormat kDegMinSecColumns{AngleColumns::DegMinSec, 5};
constexpr AngleFormat kDegMinColumns{AngleColumns::DegMin, 8};

// The text of an angle of a geodetic point, radians, in `unit`.
std::string Angle(double radians, AngleUnit unit) {
  const double degrees = radians * kDegreesPerRadian;
  switch (unit) {
    case AngleUnit::DegMinSec: return FormatAngle(degrees, kDegMinSecColumns);
    case AngleUnit::DegMin: return FormatAngle(degrees, kDegMinColumns);
    case AngleUnit::Degrees: return FormatWithMask(degrees, "0.0000000000");
    case AngleUnit::Radians: break;
  }
  return FormatWithMask(radians, "0.00000000000");
}

// The point number's column, right-aligned.
constexpr std::size_t kNumberWidth = 6;

// The widths of the three columns.
std::array<int, 3> ColumnWidths(const ResultsLayout& layout) {
  switch (layout.type) {
    case CoordType::XYZ: return {16, 16, 16};
    case CoordType::xyH: return {15, 15, 13};
    case CoordType::BLH: break;
  }
  const bool divided = layout.units.angles == AngleUnit::DegMinSec || layout.units.angles == AngleUnit::DegMin;
  return divided ? std::array<int, 3>{17, 17, 13} : std::array<int, 3>{16, 16, 13};
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

std::array<std::string, 3> ResultValues(const ResultsLayout& layout, const Coords& coords) {
  if (layout.type != CoordType::BLH) {
    const LengthUnit unit = layout.units.lengths;
    return {Length(coords[0], unit), Length(coords[1], unit), Length(coords[2], unit)};
  }
  return {Angle(coords[0], layout.units.angles), Angle(coords[1], layout.units.angles),
          Length(coords[2], layout.units.heights)};
}

std::string ZetaText(float zeta) { return FormatWithMask(zeta, "0.00"); }

void AppendResultLine(std::string& bytes, const ResultsLayout& layout, std::int32_t number, const Coords& coords,
                      float zeta) {
  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, number);
  const std::string_view numberText(digits, static_cast<std::size_t>(written.ptr - digits));
  bytes.append(numberText.size() < kNumberWidth ? kNumberWidth - numberText.size() : 0, ' ');
  bytes += numberText;
  const std::array<std::string, 3> values = ResultValues(layout, coords);
  const std::array<int, 3> widths = ColumnWidths(layout);
  for (std::size_t k = 0; k < values.size(); ++k) AppendColumn(bytes, values[k], widths[k]);
  if (layout.geoidColumn) AppendColumn(bytes, ZetaText(zeta), 9);
}

}  // namespace vexilor
