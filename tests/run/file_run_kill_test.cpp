// A file run killed at random moments: the results name always holds the
// results file of the earlier run or the complete new one, never a part.

#include <gtest/gtest.h>

#include <string>

#include "geodesy/datum.h"
#include "run/run_transformation.h"
#include "support/unit_choices.h"
#include "support/engine_test_support.h"
#include "support/kill_child.h"
#include "support/raw_files.h"
#include "support/temp_folder.h"

namespace vexilor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

RunRequest PlaneRun(const TempFolder& folder) {
  RunRequest r;
  r.route.source = {"Pulkovo 1942 (CK42)", kPz90Name, CoordType::BLH, {}};
  r.route.source.vector.values = {6378245, 298.3, 6378136, 298.25784, 25, -141, -80, 0, -0.35, -0.66, 0};
  r.route.target = r.route.source;
  r.route.target.type = CoordType::xyH;
  r.route.projection.target = testing::GaussKrugerSlots();
  r.route.heights = HeightType::Geodetic;
  r.units = {testing::kInDegrees, testing::kInMetres};
  r.sourceFile = folder.PathOf("points.in");
  r.resultsFile = folder.PathOf("points.out");
  return r;
}

TEST(FileRunKilled, TheResultsNameHoldsTheEarlierFileOrTheWholeNewOne) {
  TempFolder folder;
  std::string points = "BLH\r\n";
  for (int i = 0; i < 5000; ++i)
    points += std::to_string(i) + " " + std::to_string(40 + i % 30) + ".25 " + std::to_string(20 + i % 40) + ".5 100\r\n";
  WriteBytes(folder / "points.in", points);
  const RunRequest request = PlaneRun(folder);
  const auto run = [&] {
    RunCounters counters;
    std::int16_t headerWritten = 0;
    RunResult result;
    return RunTransformation(request, counters, headerWritten, result);
  };
  ASSERT_EQ(run(), kOk);
  const std::string complete = ReadBytes(folder / "points.out");
  ASSERT_GT(complete.size(), 5000u * 40);
  const std::string earlier = "the results of an earlier run\r\n";

  const testing::KillCount count = testing::KillAtRandomMoments(
      200, [&] { WriteBytes(folder / "points.out", earlier); }, [&] { run(); },
      [&] {
        const std::string out = ReadBytes(folder / "points.out");
        ASSERT_TRUE(out == earlier || out == complete) << "points.out of " << out.size() << " bytes";
      });
  // The moments are spread over the run; how many fall inside it depends on
  // the machine's load, but never only a few.
  EXPECT_GE(count.killed, 20) << "kills that found the run still going";
  EXPECT_EQ(count.killed + count.finished, 200);
}

}  // namespace
}  // namespace vexilor
