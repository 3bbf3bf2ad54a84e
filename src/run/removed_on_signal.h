#pragma once
// Temporary files that a terminating signal removes before it ends the
// program: Ctrl-C (SIGINT), kill (SIGTERM), a closed terminal (SIGHUP) or a
// reader of standard output that went away (SIGPIPE) leave no half-written
// "NAME.NNNN.tmp" behind; the file the temporary one was to replace keeps
// what it held.
//
// The handler may run at any moment on any thread, so it touches only a
// fixed table of paths, each written before its slot is armed, and calls
// only unlink(), then lets the signal end the program with its default
// action (the exit status a shell reports for the signal). A kill -9
// cannot be caught; its temporary file stays.

#include <filesystem>

namespace vexilor {

// Installs the handler for SIGINT, SIGTERM, SIGHUP and SIGPIPE. A signal
// that the program was started with ignored (nohup, a background job)
// stays ignored. For the start of a program; a library never calls it.
void RemoveHeldFilesOnSignals();

// Holds `path` for removal by the handler while it lives. A path longer
// than a slot, or one beyond the slots of the table (16 held at once), is
// not held: its file would stay after a signal, as without the handler.
class RemovedOnSignal {
 public:
  explicit RemovedOnSignal(const std::filesystem::path& path);
  RemovedOnSignal(RemovedOnSignal&& other) noexcept;
  RemovedOnSignal& operator=(RemovedOnSignal&& other) noexcept;
  RemovedOnSignal(const RemovedOnSignal&) = delete;
  RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;
  ~RemovedOnSignal();

 private:
  void Release();

  int slot_ = -1;  // -1: nothing held
};

}  // namespace vexilor
