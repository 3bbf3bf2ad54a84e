#include "projection/projection_record.h"

#include <numeric>

#include "projection/projection_kinds.h"
#include "run/units.h"

namespace vexilor {

ProjectionSets DefaultProjectionSets() {
  ProjectionSets sets;
  for (ProjectionKind kind : kProjectionKinds) {
    const ProjectionSlots& set = DescriptionOf(kind).builtInSet;
    sets[static_cast<std::size_t>(FactsOf(kind).code)] = {set, set};
  }
  return sets;
}

void ProjectionRecord::ResetForStartUp() {
  for (Side s : kSides) {
    ProjectionSlots& slots = params[s];
    const double zone = slots.FixedZone();
    slots = {};
    slots.SetFixedZone(zone);
  }
  confirmed = DefaultProjectionSets();
}

bool IsProjectionSet(const ProjectionSlots& side) {
  return std::accumulate(side.values.begin(), side.values.end(), 0.0) != 0.0;
}

ProjectionSlots SideOfSet(const ProjectionSlots& set) {
  ProjectionSlots side = set;
  side.SetFalseX(set.FalseX() * kMetresPerKilometre);
  side.SetFalseY(set.FalseY() * kMetresPerKilometre);
  return side;
}

ProjectionSlots SetOfSide(const ProjectionSlots& side) {
  ProjectionSlots set = side;
  set.SetFalseX(side.FalseX() / kMetresPerKilometre);
  set.SetFalseY(side.FalseY() / kMetresPerKilometre);
  set.SetFixedZone(0.0);  // the fixed target zone is never part of a set
  return set;
}

}  // namespace vexilor
