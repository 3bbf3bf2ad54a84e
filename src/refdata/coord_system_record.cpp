#include "refdata/coord_system_record.h"

#include <array>
#include <utility>
#include <vector>

#include "text/shortest_double.h"
#include "text/words.h"

namespace vexilor {
namespace {

constexpr std::size_t kFieldWords = 10;  // words after the name

// Places of the link values in LinkParams, in the order the file holds
// them: Dx, Dy, Dz, m, Wx, Wy, Wz.
constexpr std::array<std::size_t, 7> kFileOrder = {0, 1, 2, 6, 3, 4, 5};
// Column widths of those seven values.
constexpr std::array<int, 7> kLinkWidths = {8, 8, 8, 12, 8, 8, 8};

constexpr int kNameWidth = 68;
constexpr int kEllipsoidNumberWidth = 4;
constexpr int kParentCodeWidth = 12;
constexpr int kParentEllipsoidNumberWidth = 5;

}  // namespace

RecordError ParseSystemLine(std::string_view line, CoordSystem& out, int wordCapacity) {
  const std::vector<std::string> words = SplitWords(line, wordCapacity);
  if (words.size() < kFieldWords + 1) return RecordError::kTooFewWords;
  const std::size_t n = words.size() - kFieldWords;
  CoordSystem parsed;
  parsed.name = JoinWords(words, 0, n);
  if (!ReadRecordInt16(words[n], parsed.ellipsoidNumber)) return RecordError::kBadNumber;
  for (std::size_t k = 0; k < kFileOrder.size(); ++k) {
    if (!ReadRecordDouble(words[n + 1 + k], parsed.link[kFileOrder[k]])) return RecordError::kBadNumber;
  }
  parsed.parentCode = words[n + 8];
  if (!ReadRecordInt16(words[n + 9], parsed.parentEllipsoidNumber)) return RecordError::kBadNumber;
  out = std::move(parsed);
  return RecordError::kNone;
}

std::string FormatSystemLine(const CoordSystem& system) {
  std::string line = RecordColumn(system.name, kNameWidth);
  line += RecordColumn(std::to_string(system.ellipsoidNumber), kEllipsoidNumberWidth);
  for (std::size_t k = 0; k < kFileOrder.size(); ++k) {
    line += RecordColumn(ShortestDoubleText(system.link[kFileOrder[k]]), kLinkWidths[k]);
  }
  line += RecordColumn(system.parentCode, kParentCodeWidth);
  line += RecordColumn(std::to_string(system.parentEllipsoidNumber), kParentEllipsoidNumberWidth);
  return line;
}

}  // namespace vexilor
