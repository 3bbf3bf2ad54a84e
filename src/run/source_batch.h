#pragma once
// The lines of a source coordinates file taken a batch at a time, their
// texts held in one buffer, so that the memory of a batch is bounded by its
// bytes whatever the file holds.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "run/source_file_reader.h"

namespace vexilor {

class SourceBatch {
 public:
  // Reads the next lines: `maxLines` of them, fewer only where the file ends
  // or cannot be read (the line that failed is the batch's last), or where
  // their bytes have reached `maxBytes` at a whole number of `wholeLines`
  // lines. `in` is the stream `reader` reads. False when no line was left.
  bool Read(SourceLineReader& reader, std::istream& in, std::size_t maxLines,
            std::size_t maxBytes, std::size_t wholeLines);

  std::size_t Size() const { return lines_.size(); }
  // How line `i` of the batch was read, and its text (empty unless kLine).
  LineRead Status(std::size_t i) const { return lines_[i].read; }
  std::string_view Text(std::size_t i) const {
    return std::string_view(bytes_).substr(lines_[i].offset, lines_[i].length);
  }

  // The position in the file after the first `lines` lines of the batch, a
  // whole number of `wholeLines`; kUnknownPosition where the stream could
  // not tell it (at its end).
  std::uint64_t PositionAfter(std::size_t lines) const;
  static constexpr std::uint64_t kUnknownPosition = ~std::uint64_t{0};

 private:
  struct Line {
    std::size_t offset, length;
    LineRead read;
  };

  std::string bytes_;
  std::vector<Line> lines_;
  std::vector<std::uint64_t> positions_;  // after each whole number of lines
  std::size_t wholeLines_ = 1;
  std::string line_;  // the line being read
};

}  // namespace vexilor
