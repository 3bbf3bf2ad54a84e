#include "progress_bar.h"

#include <string>

namespace vexilor {

void ProgressBar::Show(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal) {
  constexpr int kWidth = 40;
  const double share =
      bytesTotal == 0 ? 1.0 : static_cast<double>(bytesDone) / static_cast<double>(bytesTotal);
  // A log's 100 % is the end of the run; the bar rounds and is redrawn at the end.
  const int percent = static_cast<int>(share * 100 + (terminal_ ? 0.5 : 0.0));
  if (percent == percent_ && (bytesDone < bytesTotal || !terminal_)) return;
  percent_ = percent;
  if (terminal_) {
    const int filled = static_cast<int>(share * kWidth + 0.5);
    out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] ";
  }
  out_ << percent << "%  " << lines << " строк" << (terminal_ ? "" : "\n") << std::flush;
  drawn_ = terminal_;
}

void ProgressBar::Close() {
  if (drawn_) out_ << "\n";
  drawn_ = false;
  percent_ = -1;
}

}  // namespace vexilor
