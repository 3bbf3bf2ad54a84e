#pragma once
// Reading a source coordinates file (.in) line by line with a bounded line
// length, so that whatever a file holds - a line of a gigabyte, NUL bytes, no
// line end at all - the memory a run takes stays the same.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace vexilor {

// The longest source line taken, in bytes without its line end. A point
// line of eight numbers is well under a hundred bytes.
inline constexpr std::size_t kMaxSourceLineBytes = 64 * 1024;

enum class LineRead {
  kLine,     // a line was read
  kEnd,      // the file has no more lines
  kTooLong,  // the line held more than kMaxSourceLineBytes; skipped to its end
  kFailed,   // the file could not be read
};

class SourceLineReader {
 public:
  explicit SourceLineReader(std::istream& in);

  // The next line without its LF or CR LF end; a last line without an end is
  // still a line. `line` is empty unless kLine.
  LineRead Next(std::string& line);

 private:
  std::istream& in_;
  std::vector<char> buffer_;
};

// The first line of the source file at `path` (the name of its coordinate
// type), read as SourceLineReader reads; an over-long line reads as empty.
// Empty optional when the file cannot be opened.
std::optional<std::string> ReadSourceTypeLine(const std::string& path);

}  // namespace vexilor
