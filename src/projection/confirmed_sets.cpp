#include "projection/confirmed_sets.h"

#include <cstddef>

namespace vexilor {
namespace {

constexpr double kMetresPerKilometre = 1000.0;
// Slot 10 (the fixed target zone) is never part of a set.
constexpr int kSetSlots = 9;

std::size_t Row(ProjectionSide side) { return static_cast<std::size_t>(side - 1); }
std::size_t Column(ProjectionKind kind) { return static_cast<std::size_t>(kind); }

}  // namespace

const ProjectionSlots& ConfirmedSet(const ProjectionRecord& record, ProjectionKind kind, ProjectionSide side) {
  return record.confirmed[Column(kind)][Row(side)];
}

void ForgetSetsOfOtherSystem(ProjectionRecord& record, ProjectionSide side, const std::string& systemName) {
  if (record.systemMark[Row(side)] == systemName) return;
  for (std::size_t type = 0; type < record.confirmed.size(); ++type)
    record.confirmed[type][Row(side)] = DefaultProjectionSets()[type][Row(side)];
}

void ConfirmSet(ProjectionRecord& record, ProjectionKind kind, ProjectionSide side, const std::string& systemName) {
  const ProjectionSlots& params = record.params.Side(side);
  ProjectionSlots& set = record.confirmed[Column(kind)][Row(side)];
  for (int slot = 1; slot <= kSetSlots; ++slot) set[slot] = params[slot];
  set[5] /= kMetresPerKilometre;
  set[6] /= kMetresPerKilometre;
  record.systemMark[Row(side)] = systemName;
}

}  // namespace vexilor
