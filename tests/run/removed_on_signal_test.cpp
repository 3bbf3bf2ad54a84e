#include "run/removed_on_signal.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "support/raw_files.h"
#include "support/temp_folder.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteBytes;

struct SignalCase {
  std::string label;
  int signal;
};

class RemovedOnSignalTest : public ::testing::TestWithParam<SignalCase> {};

// In the death test's child: the handlers, a file held and one let go, and
// the signal.
[[noreturn]] void RaiseHolding(const fs::path& held, const fs::path& released, int signal) {
  RemoveHeldFilesOnSignals();
  { const RemovedOnSignal done(released); }
  const RemovedOnSignal holding(held);
  std::raise(signal);
  std::_Exit(0);
}

TEST_P(RemovedOnSignalTest, TheHeldFileGoesAndTheSignalEndsTheProgram) {
  const TempFolder folder;
  WriteBytes(folder / "held.tmp", "half a run");
  WriteBytes(folder / "released.out", "a whole run");
  const int signal = GetParam().signal;
  EXPECT_EXIT(RaiseHolding(folder / "held.tmp", folder / "released.out", signal), ::testing::KilledBySignal(signal),
              "");
  EXPECT_FALSE(fs::exists(folder / "held.tmp"));
  EXPECT_TRUE(fs::exists(folder / "released.out"));
}

INSTANTIATE_TEST_SUITE_P(Signals, RemovedOnSignalTest,
                         ::testing::Values(SignalCase{"Interrupt", SIGINT}, SignalCase{"Terminate", SIGTERM},
                                           SignalCase{"HangUp", SIGHUP}, SignalCase{"BrokenPipe", SIGPIPE}),
                         testing::CaseLabel());

// nohup starts a program with SIGHUP ignored: it must outlive the hang-up.
TEST(RemovedOnSignal, ASignalIgnoredAtTheStartStaysIgnored) {
  const TempFolder folder;
  WriteBytes(folder / "held.tmp", "half a run");
  EXPECT_EXIT(
      {
        std::signal(SIGHUP, SIG_IGN);
        RaiseHolding(folder / "held.tmp", folder / "released.out", SIGHUP);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(fs::exists(folder / "held.tmp"));
}

}  // namespace
}  // namespace vexilor
