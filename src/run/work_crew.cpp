#include "run/work_crew.h"

#include <algorithm>
#include <utility>

namespace vexilor {
namespace {

// More threads than this would only wait on one another.
constexpr int kMaxMembers = 256;

}  // namespace

int CrewSize(int jobs) {
  if (jobs <= 0) jobs = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(jobs, 1, kMaxMembers);
}

WorkCrew::WorkCrew(int members) {
  for (int m = 1; m < std::clamp(members, 1, kMaxMembers); ++m)
    threads_.emplace_back([this, m] { Serve(m); });
}

WorkCrew::~WorkCrew() {
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  started_.notify_all();
  for (std::thread& t : threads_) t.join();
}

void WorkCrew::Start(std::function<void(int member)> task) {
  {
    const std::lock_guard lock(mutex_);
    task_ = std::move(task);
    busy_ = static_cast<int>(threads_.size());
    ++round_;
  }
  started_.notify_all();
}

void WorkCrew::Finish() {
  task_(0);
  std::unique_lock lock(mutex_);
  finished_.wait(lock, [this] { return busy_ == 0; });
}

void WorkCrew::Serve(int member) {
  std::uint64_t done = 0;
  for (;;) {
    const std::function<void(int)>* task = nullptr;  // stays until every member has finished it
    {
      std::unique_lock lock(mutex_);
      started_.wait(lock, [&] { return closing_ || round_ != done; });
      if (closing_) return;
      done = round_;
      task = &task_;
    }
    (*task)(member);
    {
      const std::lock_guard lock(mutex_);
      --busy_;
    }
    finished_.notify_one();
  }
}

}  // namespace vexilor
