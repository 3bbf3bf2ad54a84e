// System lines against the ellipsoids they name: which cannot be used, what
// may be written, which numbers are taken.

#include "refdata/ellipsoid_references.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexilor {
namespace {

ReferenceLines Lines(const std::vector<std::string>& lines) {
  ReferenceLines list;
  for (const std::string& line : lines) list.Append(line);
  return list;
}

const ReferenceLines kEllipsoids = Lines({"Krassovsky 1940 20 6378245 298.3", "WGS 84 21 6378137 298.257223563",
                                          "PZ 90 27 6378136 298.25784"});

const std::vector<std::string> kSystems = {
    "Good 20 25 -141 -80 0 0 -0.3 -0.85 WGS84 21",
    "Own lost 31 1 2 3 0 0 0 0 PZ90 27",
    "not a record",
    "Parent lost 20 1 2 3 0 0 0 0 WGS84 40",
    "Also good 27 0 0 0 0 0 0 0 WGS84 21",
};

TEST(EllipsoidReferences, FindsWritesAndNumbersAroundSystemsWhoseEllipsoidIsMissing) {
  const ReferenceLines systems = Lines(kSystems);
  EXPECT_EQ(FindOrphanedSystems(systems, kEllipsoids),
            (std::vector<OrphanedSystem>{{"Own lost", 31}, {"Parent lost", 40}}));
  const ReferenceLines written = WithoutOrphans(systems, kEllipsoids);
  EXPECT_EQ(std::vector<std::string>(written.begin(), written.end()),
            (std::vector<std::string>{kSystems[0], kSystems[2], kSystems[4]}));
  EXPECT_EQ(LargestEllipsoidNumberUsed(systems), 40);
  EXPECT_EQ(LargestEllipsoidNumberUsed(Lines({})), 0);
}

}  // namespace
}  // namespace vexilor
