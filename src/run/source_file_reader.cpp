#include "run/source_file_reader.h"

#include <fstream>
#include <limits>

namespace vexilor {

// Room for the longest line, its CR, and the one byte more that tells an
// over-long line from one that just fits.
SourceLineReader::SourceLineReader(std::istream& in) : in_(in), buffer_(kMaxSourceLineBytes + 3) {}

LineRead SourceLineReader::Next(std::string& line) {
  line.clear();
  if (in_.bad() || in_.eof()) return in_.bad() ? LineRead::kFailed : LineRead::kEnd;
  in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  const std::streamsize taken = in_.gcount();
  if (in_.bad()) return LineRead::kFailed;
  if (in_.fail() && !in_.eof() && taken > 0) {
    // The buffer filled before the line ended: skip the rest of the line
    // without keeping it.
    in_.clear();
    in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    return in_.bad() ? LineRead::kFailed : LineRead::kTooLong;
  }
  if (taken == 0) return LineRead::kEnd;  // nothing left, not even an empty line
  // gcount counts the LF taken, which getline does not store.
  std::size_t length = in_.eof() ? static_cast<std::size_t>(taken) : static_cast<std::size_t>(taken) - 1;
  if (length > 0 && buffer_[length - 1] == '\r') --length;
  if (length > kMaxSourceLineBytes) return LineRead::kTooLong;
  line.assign(buffer_.data(), length);
  return LineRead::kLine;
}

std::optional<std::string> ReadSourceTypeLine(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  SourceLineReader reader(in);
  std::string line;
  reader.Next(line);
  return line;
}

}  // namespace vexilor
