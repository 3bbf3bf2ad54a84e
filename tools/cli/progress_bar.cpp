#include "progress_bar.h"

#include <string>

namespace vexilor {

void ProgressBar::Show(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal) {
  constexpr int kWidth = 40;
  const double share =
      bytesTotal == 0 ? 1.0 : static_cast<double>(bytesDone) / static_cast<double>(bytesTotal);
  const int percent = static_cast<int>(share * 100 + 0.5);
  if (percent == percent_ && bytesDone < bytesTotal) return;
  percent_ = percent;
  const int filled = static_cast<int>(share * kWidth + 0.5);
  out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] "
       << percent << "%  " << lines << " строк" << std::flush;
  drawn_ = true;
}

void ProgressBar::Close() {
  if (drawn_) out_ << "\n";
  drawn_ = false;
  percent_ = -1;
}

}  // namespace vexilor
