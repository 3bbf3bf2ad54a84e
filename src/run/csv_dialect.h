#pragma once
// How a CSV file of points is written: its delimiter, decimal separator,
// encoding, line ends and header. A file run finds them from the head of a
// CSV source and writes CSV results the same way.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/codepage.h"
#include "geodesy/coord_type.h"
#include "geodesy/result_codes.h"
#include "run/units.h"

namespace vexilor {

// The UTF-8 byte order mark that spreadsheets put before the first line.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct CsvDialect {
  char delimiter = ';';  // ',', ';' or '\t'
  char decimal = ',';    // of the coordinates: '.', or ',' where the delimiter is not ','
  TextEncoding encoding = TextEncoding::kCp1251;
  bool byteOrderMark = false;   // UTF-8 with its mark before line 1
  bool crlf = true;             // lines end in CR LF, else LF
  std::int32_t headerLine = 0;  // the line (from 1) of the header; 0: none
  std::string header;           // its text as the file holds it
};

// How points from a source coordinates file (.in) are written as CSV: with
// `delimiter` (";" when empty), "," as decimal separator unless the
// delimiter is "," (a Russian spreadsheet reads "55,7557" as a number),
// Windows-1251 with CR LF line ends, no header.
CsvDialect InSourceDialect(std::optional<char> delimiter);

// The dialect of the CSV source at `path`, whose point lines hold the name
// and one field for each coordinate of `type` in `units`, found from its
// first 100 lines and 64 KiB:
// - encoding: UTF-8 after a byte order mark or when those bytes are
//   well-formed UTF-8, else Windows-1251; line ends those of line 1;
// - delimiter: `delimiter` when given, else the one of tab, ";" and ","
//   (preferred in that order) that gives the most lines whose three
//   coordinate fields read; with none such, the one that splits the first
//   line into the most fields;
// - decimal separator: "," when the delimiter is not "," and a coordinate
//   field holds a ",", else ".";
// - header: the first line that is neither blank nor a comment, when none
//   of its coordinate fields reads as a number.
// kSourceFileNotOpened when the file cannot be read; `out` is untouched then.
ResultCode DetectCsvDialect(const std::string& path, std::optional<char> delimiter, CoordType type,
                            const SideUnits& units, CsvDialect& out);

}  // namespace vexilor
