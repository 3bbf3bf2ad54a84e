#pragma once
// Killing a child process at random moments of an operation: the test of
// what a file holds when the program dies midway (a crash, a power cut of
// the process, the user's kill -9).

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>
#include <thread>

namespace vexilor::testing {

// How the kills fell: before the child had finished, or after.
struct KillCount {
  int killed = 0;    // the child was still running when killed
  int finished = 0;  // the child had already exited on its own
};

// Runs `work` in a child process `kills` times. Each time `prepare` sets
// the files up first, the child starts, and after a random delay of up to
// about the time `work` takes (measured first, unkilled) the parent sends
// SIGKILL; then `check` examines the files.
inline KillCount KillAtRandomMoments(int kills, const std::function<void()>& prepare,
                                     const std::function<void()>& work, const std::function<void()>& check) {
  const auto runChild = [&] {
    const pid_t pid = fork();
    if (pid == 0) {
      work();
      std::_Exit(0);
    }
    return pid;
  };
  prepare();
  const auto start = std::chrono::steady_clock::now();
  int status = 0;
  waitpid(runChild(), &status, 0);
  const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  check();

  std::mt19937 random(20261208);
  std::uniform_int_distribution<long> delay(0, span.count() * 6 / 5);
  KillCount count;
  for (int i = 0; i < kills && !::testing::Test::HasFailure(); ++i) {
    prepare();
    const pid_t pid = runChild();
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    ++(WIFSIGNALED(status) ? count.killed : count.finished);
    check();
  }
  return count;
}

}  // namespace vexilor::testing
