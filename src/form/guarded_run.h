#pragma once
// Running an event handler at most once on the call stack (the re-entrancy
// rule of control.h).

#include <functional>

namespace vexilor {

// Calls `handler(args...)` unless `running` says that it is already running
// further up the call stack, or the handler is an empty std::function.
// `running` is set for the duration of the call.
template <class Handler, class... Args>
void RunGuarded(bool& running, const Handler& handler, Args&... args) {
  if (running) return;
  if constexpr (requires { handler == nullptr; }) {
    if (handler == nullptr) return;
  }
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{running};
  running = true;
  handler(args...);
}

}  // namespace vexilor
