#include "run/removed_on_signal.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <utility>

namespace vexilor {
namespace {

constexpr int kSlots = 16;
constexpr std::size_t kPathBytes = 4096;  // PATH_MAX of Linux, its NUL included

// A slot is claimed (kFilling) before its path is written and armed after,
// so the handler never reads a path half written.
enum SlotState : int { kFree, kFilling, kArmed };

struct Slot {
  std::atomic<int> state{kFree};
  char path[kPathBytes];
};

// Lock-free, so that the handler may read it.
static_assert(std::atomic<int>::is_always_lock_free);

Slot slots[kSlots];

extern "C" void RemoveHeldFiles(int signal) {
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) == kArmed) ::unlink(slot.path);
  }
  // SA_RESETHAND has put back the default action: the signal, raised
  // again, ends the program once the handler returns.
  ::raise(signal);
}

void HandleUnlessIgnored(int signal) {
  struct sigaction previous {};
  if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = RemoveHeldFiles;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

void RemoveHeldFilesOnSignals() {
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) HandleUnlessIgnored(signal);
}

RemovedOnSignal::RemovedOnSignal(const std::filesystem::path& path) {
  const std::string& text = path.native();
  if (text.size() >= kPathBytes) return;
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!slots[i].state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) continue;
    std::memcpy(slots[i].path, text.c_str(), text.size() + 1);
    slots[i].state.store(kArmed, std::memory_order_release);
    slot_ = i;
    return;
  }
}

RemovedOnSignal::RemovedOnSignal(RemovedOnSignal&& other) noexcept : slot_(std::exchange(other.slot_, -1)) {}

RemovedOnSignal& RemovedOnSignal::operator=(RemovedOnSignal&& other) noexcept {
  if (this != &other) {
    Release();
    slot_ = std::exchange(other.slot_, -1);
  }
  return *this;
}

RemovedOnSignal::~RemovedOnSignal() { Release(); }

void RemovedOnSignal::Release() {
  if (slot_ >= 0) slots[slot_].state.store(kFree, std::memory_order_release);
  slot_ = -1;
}

}  // namespace vexilor
