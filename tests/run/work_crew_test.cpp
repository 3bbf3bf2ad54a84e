#include "run/work_crew.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace vexilor {
namespace {

// Every member takes part in every task, each with its own number, and a
// task has ended for all of them when Finish returns; the others begin
// before the caller joins them.
TEST(WorkCrew, EveryMemberRunsEveryTask) {
  for (const int members : {1, 2, 5}) {
    WorkCrew crew(members);
    ASSERT_EQ(crew.Members(), members);
    std::vector<int> runs(static_cast<std::size_t>(members), 0);
    for (int task = 1; task <= 50; ++task) {
      std::atomic<int> finished{0};
      crew.Start([&](int member) {
        ++runs[static_cast<std::size_t>(member)];
        ++finished;
      });
      while (finished < members - 1) std::this_thread::yield();
      crew.Finish();
      ASSERT_EQ(finished, members) << task;
    }
    for (const int r : runs) EXPECT_EQ(r, 50) << members;
  }
}

TEST(WorkCrew, SizeOfACrew) {
  // A machine that cannot tell its cores gets one member.
  const int cores = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 256);
  EXPECT_EQ(CrewSize(0), cores);
  EXPECT_EQ(CrewSize(-3), cores);
  EXPECT_EQ(CrewSize(3), 3);
  EXPECT_EQ(CrewSize(100000), 256);
}

}  // namespace
}  // namespace vexilor
