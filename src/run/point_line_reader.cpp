#include "run/point_line_reader.h"

#include "run/csv_line.h"
#include "run/source_line.h"

namespace vexilor {
namespace {

// The first blank-separated word: the point number of an .in line.
std::string_view FirstWord(std::string_view line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  const std::size_t end = line.find(' ', start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace

PointLineReader::PointLineReader(SourceFormat format, const CsvDialect& dialect, CoordType type,
                                 const SideUnits& units)
    : format_(format), dialect_(dialect), type_(type), units_(units), locale_(CurrentNumericLocale()) {}

ResultCode PointLineReader::Read(LineRead read, std::string_view text, std::int32_t number, SourceRecord& out,
                                 bool& skipped) const {
  skipped = false;
  switch (read) {
    case LineRead::kTooLong: return kLineTooLong;
    case LineRead::kLine: break;
    case LineRead::kEnd:
    case LineRead::kFailed: return kUnreadableLine;
  }
  if (format_ == SourceFormat::kIn) {
    const ResultCode code = ParseSourceLine(text, type_, units_, locale_, out.coords);
    if (code == kOk) out.name = FirstWord(text);
    return code;
  }
  if (number == 1 && text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (number == dialect_.headerLine || IsCsvCommentOrBlank(text)) {
    skipped = true;
    return kOk;
  }
  return ParseCsvLine(text, dialect_, type_, units_, locale_, out);
}

}  // namespace vexilor
