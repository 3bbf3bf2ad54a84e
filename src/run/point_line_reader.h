#pragma once
// A line of a source file read as a point in the file's own format: a
// source coordinates file (.in, source_line.h) or CSV (csv_line.h). A CSV
// file's header, blank lines and comments hold no point and are passed
// over.

#include <cstdint>
#include <string_view>

#include "text/number_text.h"
#include "geodesy/coord_type.h"
#include "geodesy/result_codes.h"
#include "run/csv_dialect.h"
#include "run/file_formats.h"
#include "run/source_file_reader.h"
#include "run/source_record.h"
#include "run/units.h"

namespace vexilor {

class PointLineReader {
 public:
  // Points of `type` in `units`; `dialect` says how a CSV source is written.
  PointLineReader(SourceFormat format, const CsvDialect& dialect, CoordType type, const SideUnits& units);

  // Reads line `number` of the file (counted as the run counts it), which
  // the line reader gave as `read` with `text`. `skipped` tells a line that
  // holds no point. Codes: kLineTooLong, kUnreadableLine (also for a line
  // that could not be read) and those of the line's format.
  ResultCode Read(LineRead read, std::string_view text, std::int32_t number, SourceRecord& out,
                  bool& skipped) const;

 private:
  SourceFormat format_;
  CsvDialect dialect_;
  CoordType type_;
  SideUnits units_;
  NumericLocale locale_;
};

}  // namespace vexilor
