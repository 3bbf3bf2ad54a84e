#include "refdata/system_choice.h"

#include <utility>

#include "geodesy/datum.h"
#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"

namespace vexilor {
namespace {

constexpr std::string_view kPz90Code = "PZ90";
constexpr std::string_view kWgs84Code = "WGS84";

// a and 1/f of ellipsoid `number`.
ChoiceOutcome TakeEllipsoid(const EllipsoidLines& ellipsoids, std::int16_t number, EllipsoidAxes& axes) {
  Ellipsoid ellipsoid;
  switch (FindEllipsoid(ellipsoids, number, ellipsoid)) {
    case EllipsoidSearch::kFound:
      axes = {ellipsoid.a, ellipsoid.invf};
      return {};
    case EllipsoidSearch::kNotFound:
      return {ChoiceError::kEllipsoidNotFound, number, {}};
    case EllipsoidSearch::kBadFile:
      break;
  }
  return {ChoiceError::kBadEllipsoidFile, 0, {}};
}

}  // namespace

std::string_view BaseNameOfParentCode(std::string_view parentCode) {
  if (parentCode == kPz90Code) return kPz90Name;
  if (parentCode == kWgs84Code) return kWgs84Name;
  return {};
}

ChoiceOutcome ChooseSystem(const SystemLines& systems, const EllipsoidLines& ellipsoids, std::int16_t index,
                           SystemChoice& out) {
  CoordSystem system;
  if (ParseSystemLine(systems.Item(index), system) != RecordError::kNone) return {ChoiceError::kBadSystemLine, 0, {}};
  SystemChoice choice;
  choice.name = system.name;
  EllipsoidAxes own, base;
  ChoiceOutcome outcome = TakeEllipsoid(ellipsoids, system.ellipsoidNumber, own);
  if (outcome.error == ChoiceError::kNone) outcome = TakeEllipsoid(ellipsoids, system.parentEllipsoidNumber, base);
  if (outcome.error != ChoiceError::kNone) return outcome;
  choice.vector.SetOwn(own);
  choice.vector.SetBase(base);
  choice.vector.SetLink(system.link);
  choice.baseName = BaseNameOfParentCode(system.parentCode);
  if (choice.baseName.empty()) return {ChoiceError::kUnknownParent, 0, system.parentCode};
  out = std::move(choice);
  return {};
}

GlobalLinkSearch FindGlobalLink(const SystemLines& systems, std::string_view sourceBase,
                                std::string_view targetBase, GlobalLinkParams& out) {
  if (sourceBase == targetBase) return GlobalLinkSearch::kSameBase;
  for (const std::string& line : systems) {
    CoordSystem system;
    if (ParseSystemLine(line, system) != RecordError::kNone || system.name != sourceBase) continue;
    if (BaseNameOfParentCode(system.parentCode) != targetBase) return GlobalLinkSearch::kNotLinked;
    out = system.link;
    return GlobalLinkSearch::kLinked;
  }
  return GlobalLinkSearch::kNoEntry;
}

}  // namespace vexilor
