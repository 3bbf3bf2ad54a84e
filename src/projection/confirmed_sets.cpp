#include "projection/confirmed_sets.h"

#include <cstddef>

namespace vexilor {
namespace {

std::size_t Column(ProjectionKind kind) { return static_cast<std::size_t>(FactsOf(kind).code); }

}  // namespace

const ProjectionSlots& ConfirmedSet(const ProjectionRecord& record, ProjectionKind kind, Side side) {
  return record.confirmed[Column(kind)][side];
}

void ForgetSetsOfOtherSystem(ProjectionRecord& record, Side side, const std::string& systemName) {
  if (record.systemMark[side] == systemName) return;
  const ProjectionSets defaults = DefaultProjectionSets();
  for (std::size_t kind = 0; kind < record.confirmed.size(); ++kind)
    record.confirmed[kind][side] = defaults[kind][side];
}

void ConfirmSet(ProjectionRecord& record, ProjectionKind kind, Side side, const std::string& systemName) {
  record.confirmed[Column(kind)][side] = SetOfSide(record.params[side]);
  record.systemMark[side] = systemName;
}

}  // namespace vexilor
