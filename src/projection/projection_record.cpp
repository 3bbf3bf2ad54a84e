#include "projection/projection_record.h"

#include <numeric>

namespace vexilor {
namespace {

ProjectionSlots MakeSet(std::array<double, 9> slots) {
  ProjectionSlots s;
  for (int k = 1; k <= 9; ++k) s[k] = slots[static_cast<std::size_t>(k - 1)];
  return s;
}

ProjectionSets BuildDefaults() {
  //                 type prime  3    4   x0 km  y0 km  scale  west axes
  const ProjectionSlots gk = MakeSet({0, 0, 3, 6, 0, 500, 1.0, 0, 0});
  const ProjectionSlots lambert = MakeSet({1, 0, 10, 0, 500, 0, 1.0, 0, 1});
  const ProjectionSlots utm = MakeSet({2, 0, 183, 6, 500, 0, 0.9996, 0, 1});
  return {{{gk, gk}, {lambert, lambert}, {utm, utm}}};
}

}  // namespace

const ProjectionSets& DefaultProjectionSets() {
  static const ProjectionSets defaults = BuildDefaults();
  return defaults;
}

void ProjectionRecord::ResetForStartUp() {
  for (ProjectionSlots& s : params.sides)
    for (int k = 1; k <= 9; ++k) s[k] = 0.0;
  confirmed = DefaultProjectionSets();
}

bool IsProjectionSet(const ProjectionSlots& side) {
  return std::accumulate(side.values.begin(), side.values.end(), 0.0) != 0.0;
}

}  // namespace vexilor
