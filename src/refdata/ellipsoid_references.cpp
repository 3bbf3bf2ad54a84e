#include "refdata/ellipsoid_references.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"

namespace vexilor {
namespace {

bool IsMissing(const EllipsoidLines& ellipsoids, std::int16_t number) {
  Ellipsoid found;
  return FindEllipsoid(ellipsoids, number, found) == EllipsoidSearch::kNotFound;
}

// The orphan that `line` is, if it is one.
std::optional<OrphanedSystem> OrphanOf(const std::string& line, const EllipsoidLines& ellipsoids) {
  CoordSystem system;
  if (ParseSystemLine(line, system) != RecordError::kNone) return std::nullopt;
  for (const std::int16_t number : {system.ellipsoidNumber, system.parentEllipsoidNumber}) {
    if (IsMissing(ellipsoids, number)) return OrphanedSystem{system.name, number};
  }
  return std::nullopt;
}

}  // namespace

std::vector<OrphanedSystem> FindOrphanedSystems(const SystemLines& systems, const EllipsoidLines& ellipsoids) {
  std::vector<OrphanedSystem> orphans;
  for (const std::string& line : systems) {
    if (std::optional<OrphanedSystem> orphan = OrphanOf(line, ellipsoids)) orphans.push_back(std::move(*orphan));
  }
  return orphans;
}

SystemLines WithoutOrphans(const SystemLines& systems, const EllipsoidLines& ellipsoids) {
  SystemLines kept;
  // The source list fits 16 bits, so this one does too.
  for (const std::string& line : systems) {
    if (!OrphanOf(line, ellipsoids)) kept.Append(line);
  }
  return kept;
}

std::int16_t LargestEllipsoidNumberUsed(const SystemLines& systems) {
  std::int16_t largest = 0;
  for (const std::string& line : systems) {
    CoordSystem system;
    if (ParseSystemLine(line, system) != RecordError::kNone) continue;
    largest = std::max({largest, system.ellipsoidNumber, system.parentEllipsoidNumber});
  }
  return largest;
}

}  // namespace vexilor
