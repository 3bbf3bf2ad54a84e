#pragma once
// The raw lines of a reference file held in memory, numbered from 1.
//
// The catalogue counts lines in 16-bit signed integers, so a list holds at
// most 32767 lines; an insertion into a full list is refused and reported,
// never wrapped. Lines are kept raw (UTF-8) and parsed again on every use.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

class ReferenceLines {
 public:
  static constexpr std::int16_t kMaxCount = INT16_MAX;

  std::int16_t Count() const { return static_cast<std::int16_t>(lines_.size()); }

  // Line `index` (1..Count); an index outside the list reads as an empty
  // line, which every parser rejects as a bad record.
  const std::string& Item(std::int16_t index) const;

  // False, with the list unchanged, when the list is full.
  bool Append(std::string line);
  // Inserts before line `index` (1..Count+1). False, with the list
  // unchanged, when the list is full or the index lies outside that range.
  bool InsertBefore(std::int16_t index, std::string line);
  // False when `index` lies outside 1..Count.
  bool Remove(std::int16_t index);
  void Clear() { lines_.clear(); }

  std::vector<std::string>::const_iterator begin() const { return lines_.begin(); }
  std::vector<std::string>::const_iterator end() const { return lines_.end(); }

 private:
  std::vector<std::string> lines_;
};

// sys.dat, kept in sorted order by InsertSorted.
using SystemLines = ReferenceLines;
// ellips.dat, in file order; a new ellipsoid is appended.
using EllipsoidLines = ReferenceLines;

// Inserts `line` at its sorted place by repeated halving. Lines compare as
// whole texts, case-sensitively, in code-point order (the byte order of
// UTF-8). A line equal to the first goes before it, one equal to the last
// after it. False, with the list unchanged, when the list is full.
bool InsertSorted(SystemLines& lines, std::string line);

}  // namespace vexilor
