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
  const ProjectionSets& sets = DefaultProjectionSets();
  for (std::size_t type = 0; type < expected.size(); ++type) {
    for (int side = 0; side < 2; ++side) {
      for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(sets[type][side][k], expected[type][k - 1]) << type << " " << side << " " << k;
      EXPECT_EQ(sets[type][side][10], 0.0);
    }
  }
}

TEST(ProjectionRecord, StartUpClearsTheSidesAndRestoresTheConfirmedSets) {
  ProjectionRecord r;
  r.params.Side(1)[1] = 2;
  r.params.Side(2)[7] = 0.9996;
  r.params.Side(2)[10] = 37;
  r.confirmed[0][1][3] = 45;
  r.ResetForStartUp();
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(r.params.Side(1)[k], 0.0);
    EXPECT_EQ(r.params.Side(2)[k], 0.0);
  }
  EXPECT_EQ(r.params.Side(2)[10], 37);  // the target zone is Execute's business
  EXPECT_EQ(r.confirmed[0][1][3], 3.0);
}

TEST(IsProjectionSet, ASideOfZerosIsNotSet) {
  ProjectionSlots s;
  EXPECT_FALSE(IsProjectionSet(s));
  s[10] = 7;  // a target zone alone counts
  EXPECT_TRUE(IsProjectionSet(s));
  EXPECT_TRUE(IsProjectionSet(DefaultProjectionSets()[0][0]));
}

}  // namespace
}  // namespace vexilor
