#include "refdata/reference_lines.h"

#include <utility>

namespace vexilor {
namespace {

const std::string kNoLine;

}  // namespace

const std::string& ReferenceLines::Item(std::int16_t index) const {
  if (index < 1 || index > Count()) return kNoLine;
  return lines_[static_cast<std::size_t>(index - 1)];
}

bool ReferenceLines::Append(std::string line) {
  if (Count() == kMaxCount) return false;
  lines_.push_back(std::move(line));
  return true;
}

bool ReferenceLines::InsertBefore(std::int16_t index, std::string line) {
  if (Count() == kMaxCount || index < 1 || index > Count() + 1) return false;
  lines_.insert(lines_.begin() + (index - 1), std::move(line));
  return true;
}

bool ReferenceLines::Remove(std::int16_t index) {
  if (index < 1 || index > Count()) return false;
  lines_.erase(lines_.begin() + (index - 1));
  return true;
}

bool InsertSorted(SystemLines& lines, std::string line) {
  const std::int16_t count = lines.Count();
  if (count == 0 || line <= lines.Item(1)) return lines.InsertBefore(1, std::move(line));
  if (line >= lines.Item(count)) return lines.Append(std::move(line));
  // Item lo is below the line and item hi is not: the place lies between.
  std::int16_t lo = 1;
  std::int16_t hi = count;
  while (hi - lo >= 2) {
    const auto mid = static_cast<std::int16_t>((lo + hi) / 2);
    if (line > lines.Item(mid)) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return lines.InsertBefore(hi, std::move(line));
}

}  // namespace vexilor
