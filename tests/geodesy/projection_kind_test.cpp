#include "geodesy/projection_kind.h"

#include <gtest/gtest.h>

#include "geodesy/projection_slots.h"

namespace vexilor {
namespace {

// The dialog's type buttons and the confirmed sets are lists in the order
// of the codes: every kind's code is its place, and the code written into
// slot 1 reads back as the kind.
TEST(ProjectionKind, EveryKindRoundTripsThroughSlotOneInTheOrderOfItsCode) {
  for (std::size_t place = 0; place < kProjectionKinds.size(); ++place) {
    const ProjectionKind kind = kProjectionKinds[place];
    EXPECT_EQ(FactsOf(kind).code, static_cast<int>(place));
    ProjectionSlots slots;
    slots.SetKind(kind);
    EXPECT_EQ(slots.values[0], static_cast<double>(place));
    EXPECT_EQ(slots.Kind(), kind) << place;
  }
}

// A side not set (all slots 0) and a code no kind has read as Gauss-Krüger.
TEST(ProjectionKind, AnyOtherCodeReadsAsGaussKruger) {
  for (double code : {0.0, -1.0, 0.5, 1.5, 3.0}) EXPECT_EQ(KindOfCode(code), ProjectionKind::GaussKruger) << code;
}

}  // namespace
}  // namespace vexilor
