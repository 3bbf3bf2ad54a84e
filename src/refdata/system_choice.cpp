#include "refdata/system_choice.h"

#include <utility>

#include "engine/datum.h"
#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"

namespace vexilor {
namespace {

constexpr std::string_view kPz90Code = "PZ90";
constexpr std::string_view kWgs84Code = "WGS84";

// a and 1/f of ellipsoid `number` into places `first` and `first` + 1.
ChoiceOutcome PutEllipsoid(const EllipsoidLines& ellipsoids, std::int16_t number, SystemVector& vector,
                           int first) {
  Ellipsoid ellipsoid;
  switch (FindEllipsoid(ellipsoids, number, ellipsoid)) {
    case EllipsoidSearch::kFound:
      vector[first] = ellipsoid.a;
      vector[first + 1] = ellipsoid.invf;
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
  for (const auto& [number, first] : {std::pair{system.ellipsoidNumber, 1}, {system.parentEllipsoidNumber, 3}}) {
    ChoiceOutcome outcome = PutEllipsoid(ellipsoids, number, choice.vector, first);
    if (outcome.error != ChoiceError::kNone) return outcome;
  }
  for (std::size_t k = 0; k < system.link.size(); ++k) choice.vector.values[k + 4] = system.link[k];
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
