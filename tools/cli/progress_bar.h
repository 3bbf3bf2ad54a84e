#pragma once
// The progress of a long run on the messages stream: on a terminal one bar
// redrawn in place; elsewhere (a file, a pipe) one line per percent, so that
// a log holds no carriage returns.

#include <cstdint>
#include <ostream>

namespace vexilor {

class ProgressBar {
 public:
  ProgressBar(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}
  // Shows the progress when its percentage has moved (and at the end): runs
  // report every few hundred lines, far more often than a reader needs.
  void Show(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal);
  // Ends the bar's line once something has been drawn.
  void Close();

 private:
  std::ostream& out_;
  bool terminal_;
  bool drawn_ = false;
  int percent_ = -1;  // last shown
};

}  // namespace vexilor
