#pragma once
// Keeping the last confirmed parameter sets of a side and the system they
// were confirmed for.

#include <string>

#include "geodesy/projection_slots.h"
#include "projection/projection_record.h"

namespace vexilor {

// The set of `kind` last confirmed for `side`.
const ProjectionSlots& ConfirmedSet(const ProjectionRecord& record, ProjectionKind kind, Side side);

// Parameters confirmed for another system mean nothing for `systemName`:
// when it is not the system recorded for `side`, the sets of every kind for
// the side go back to the built-in ones.
void ForgetSetsOfOtherSystem(ProjectionRecord& record, Side side, const std::string& systemName);

// After a valid OK: slots 1 to 9 of the side's parameters (false origins back
// in km) become the confirmed set of `kind`, and the side is marked as
// confirmed for `systemName`.
void ConfirmSet(ProjectionRecord& record, ProjectionKind kind, Side side, const std::string& systemName);

}  // namespace vexilor
