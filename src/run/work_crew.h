#pragma once
// A crew of threads that works on one task at a time, the calling thread
// among them: the others start on it at once, the caller joins them when it
// has done what it had to do meanwhile.

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

  // Hands task(member) to every member but the calling one and returns at
  // once; the previous task must have been finished.
  void Start(std::function<void(int member)> task);
  // Runs the started task as member 0 and returns when every member has
  // finished it.
  void Finish();

 private:
  void Serve(int member);

  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable started_, finished_;
  std::function<void(int)> task_;
  std::uint64_t round_ = 0;  // counts the tasks handed out
  int busy_ = 0;             // threads still on the current task
  bool closing_ = false;
};

}  // namespace vexilor
