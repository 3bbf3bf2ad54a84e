#include "run/source_batch.h"

namespace vexilor {

bool SourceBatch::Read(SourceLineReader& reader, std::istream& in, std::size_t maxLines,
                       std::size_t maxBytes, std::size_t wholeLines) {
  bytes_.clear();
  lines_.clear();
  positions_.clear();
  wholeLines_ = wholeLines;
  while (lines_.size() < maxLines &&
         (bytes_.size() < maxBytes || lines_.size() % wholeLines != 0)) {
    const LineRead read = reader.Next(line_);
    if (read == LineRead::kEnd) break;
    lines_.push_back({bytes_.size(), line_.size(), read});
    bytes_ += line_;
    if (read == LineRead::kFailed) break;
    if (lines_.size() % wholeLines == 0) {
      const std::streamoff at = in.tellg();
      positions_.push_back(at < 0 ? kUnknownPosition : static_cast<std::uint64_t>(at));
    }
  }
  return !lines_.empty();
}

std::uint64_t SourceBatch::PositionAfter(std::size_t lines) const {
  const std::size_t mark = lines / wholeLines_;
  return mark >= 1 && mark <= positions_.size() ? positions_[mark - 1] : kUnknownPosition;
}

}  // namespace vexilor
