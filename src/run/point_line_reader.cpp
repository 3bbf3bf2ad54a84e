#include "run/point_line_reader.h"

#include "run/csv_line.h"
#include "run/source_line.h"
#include "text/words.h"

namespace vexilor {
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
    std::size_t at = 0;
    if (code == kOk) out.name = NextWord(text, at);  // the point number
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
