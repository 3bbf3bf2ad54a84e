#pragma once
// The ellipsoid numbers that sys.dat lines refer to, checked against
// ellips.dat.
//
// A system line names two ellipsoids by number: its own and its parent's.
// A line whose number ellips.dat lacks cannot be chosen; worse, a new
// ellipsoid that later took that number would silently become the line's
// ellipsoid. So such a line is reported when the catalogue is loaded, never
// written to sys.dat, and its number is never given to a new ellipsoid.

#include <cstdint>
#include <string>
#include <vector>

#include "refdata/reference_lines.h"

namespace vexilor {

// A system whose ellipsoid (own or parent's) ellips.dat does not hold.
struct OrphanedSystem {
  std::string name;               // as listed
  std::int16_t ellipsoidNumber;   // the number that was not found
  friend bool operator==(const OrphanedSystem&, const OrphanedSystem&) = default;
};

// The lines of `systems`, in list order, whose own or parent ellipsoid is
// not found in `ellipsoids` (looked up as a choice looks it up, from the
// first line). Lines that are not records, and numbers hidden behind a
// damaged ellips.dat line, are left to the reports of a choice.
std::vector<OrphanedSystem> FindOrphanedSystems(const SystemLines& systems, const EllipsoidLines& ellipsoids);

// `systems` without the lines that FindOrphanedSystems reports: what may be
// written to sys.dat beside `ellipsoids`.
SystemLines WithoutOrphans(const SystemLines& systems, const EllipsoidLines& ellipsoids);

// The largest ellipsoid number, own or parent's, that a line of `systems`
// refers to; 0 when none does.
std::int16_t LargestEllipsoidNumberUsed(const SystemLines& systems);

}  // namespace vexilor
