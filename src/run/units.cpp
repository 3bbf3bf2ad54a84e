#include "run/units.h"

namespace vexilor {

std::string_view AngleUnitName(AngleUnit unit) {
  switch (unit) {
    case AngleUnit::DegMinSec: return "градусы, минуты, секунды";
    case AngleUnit::DegMin: return "градусы, минуты";
    case AngleUnit::Degrees: return "градусы";
    case AngleUnit::Radians: return "радианы";
  }
  return "";
}

std::string_view LengthUnitName(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Metres: return "метры";
    case LengthUnit::Kilometres: return "километры";
  }
  return "";
}

std::vector<std::string> AngleUnitNames() {
  std::vector<std::string> names;
  for (const AngleUnit unit : kAngleUnits) names.emplace_back(AngleUnitName(unit));
  return names;
}

std::vector<std::string> LengthUnitNames() {
  std::vector<std::string> names;
  for (const LengthUnit unit : kLengthUnits) names.emplace_back(LengthUnitName(unit));
  return names;
}

}  // namespace vexilor
