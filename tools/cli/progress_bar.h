#pragma once
// A one-line progress bar for long runs, drawn on a terminal stream.

#include <cstdint>
#include <ostream>

namespace vexilor {

class ProgressBar {
 public:
  explicit ProgressBar(std::ostream& out) : out_(out) {}
  // Draws the bar when its percentage has moved (and at the end): runs
  // report every few hundred lines, far more often than a terminal needs.
  void Show(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal);
  // Ends the bar's line once something has been drawn.
  void Close();

 private:
  std::ostream& out_;
  bool drawn_ = false;
  int percent_ = -1;  // last drawn
};

}  // namespace vexilor
