#pragma once
// A crew of threads that works on one task at a time, the calling thread
// among them.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vexilor {

// The number of members a run with `jobs` asked for gets: the machine's
// cores for 0, never fewer than one.
int CrewSize(int jobs);

class WorkCrew {
 public:
  // Starts members - 1 threads; the calling thread is member 0.
  explicit WorkCrew(int members);
  ~WorkCrew();

  WorkCrew(const WorkCrew&) = delete;
  WorkCrew& operator=(const WorkCrew&) = delete;

  int Members() const { return static_cast<int>(threads_.size()) + 1; }

  // Runs task(member) on every member at once and returns when all have
  // finished it.
  void RunOnAll(const std::function<void(int member)>& task);

 private:
  void Serve(int member);

  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable started_, finished_;
  const std::function<void(int)>* task_ = nullptr;
  std::uint64_t round_ = 0;  // counts the tasks handed out
  int busy_ = 0;             // threads still on the current task
  bool closing_ = false;
};

}  // namespace vexilor
