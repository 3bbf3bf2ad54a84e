#include "projection/projection_record.h"

#include <gtest/gtest.h>

namespace vexilor {
namespace {

TEST(DefaultProjectionSets, HoldTheBuiltInSetsOnBothSides) {
  // slots 1..9; false origins in kilometres
  const std::array<std::array<double, 9>, 3> expected = {{
      {0, 0, 3, 6, 0, 500, 1.0, 0, 0},
      {1, 0, 10, 0, 500, 0, 1.0, 0, 1},
      {2, 0, 183, 6, 500, 0, 0.9996, 0, 1},
  }};
  const ProjectionSets sets = DefaultProjectionSets();
  for (std::size_t type = 0; type < expected.size(); ++type) {
    for (Side side : kSides) {
      const ProjectionSlots& set = sets[type][side];
      for (std::size_t k = 0; k < 9; ++k) EXPECT_EQ(set.values[k], expected[type][k]) << type << " slot " << k + 1;
      EXPECT_EQ(set.FixedZone(), 0.0);
    }
  }
}

TEST(ProjectionRecord, StartUpClearsTheSidesAndRestoresTheConfirmedSets) {
  ProjectionRecord r;
  r.params.source.SetKind(ProjectionKind::Utm);
  r.params.target.SetScale(0.9996);
  r.params.target.SetFixedZone(37);
  r.confirmed[0].target.SetZoneOneAxialMeridian(45);
  r.ResetForStartUp();
  ProjectionSlots zoneOnly;
  zoneOnly.SetFixedZone(37);  // the target zone is Execute's business
  EXPECT_EQ(r.params.source.values, ProjectionSlots{}.values);
  EXPECT_EQ(r.params.target.values, zoneOnly.values);
  EXPECT_EQ(r.confirmed[0].target.ZoneOneAxialMeridian(), 3.0);
}

TEST(IsProjectionSet, ASideOfZerosIsNotSet) {
  ProjectionSlots s;
  EXPECT_FALSE(IsProjectionSet(s));
  s.SetFixedZone(7);  // a target zone alone counts
  EXPECT_TRUE(IsProjectionSet(s));
  EXPECT_TRUE(IsProjectionSet(DefaultProjectionSets()[0].source));
}

}  // namespace
}  // namespace vexilor
