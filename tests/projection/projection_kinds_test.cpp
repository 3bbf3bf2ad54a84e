#include "projection/projection_kinds.h"

#include <gtest/gtest.h>

#include "projection/projection_panel.h"
#include "projection/projection_record.h"
#include "projection/projection_validation.h"

namespace vexilor {
namespace {

// Every kind's description holds together: its built-in set names the kind,
// its panel shows the set in boxes that its own rules accept, and reading
// the boxes back stores the set (false origins in metres) slot by slot.
TEST(ProjectionKinds, EveryBuiltInSetRoundTripsThroughItsPanel) {
  for (ProjectionKind kind : kProjectionKinds) {
    SCOPED_TRACE(FactsOf(kind).code);
    const ProjectionKindDescription& description = DescriptionOf(kind);
    EXPECT_EQ(description.builtInSet.Kind(), kind);
    const PanelEntry entry = PanelEntryFromSet(description.builtInSet, kind, Side::Source, PanelFill::kOpening);
    ProjectionSlots stored;
    stored.SetFixedZone(9);  // a zone fixed by an earlier run goes
    const std::optional<EntryFailure> failure = ValidateAndStore(kind, entry, stored);
    ASSERT_FALSE(failure) << failure->message;
    EXPECT_EQ(stored.values, SideOfSet(description.builtInSet).values);
  }
}

}  // namespace
}  // namespace vexilor
