#pragma once
// The kinds of files a file run reads and writes besides the program's own
// source coordinates file (.in) and results file (.out): CSV as
// spreadsheets and surveying software exchange points, and for maps and
// receivers GeoJSON (RFC 7946) and GPX 1.1.

#include <optional>
#include <string_view>

#include "geodesy/datum.h"

namespace vexilor {

enum class SourceFormat { kIn, kCsv };
enum class ResultsFormat { kOut, kCsv, kGeoJson, kGpx };

// What a file run reads and writes.
struct FileFormats {
  SourceFormat source = SourceFormat::kIn;
  ResultsFormat results = ResultsFormat::kOut;
  // The delimiter of a CSV source (found from the file when empty), or of
  // CSV written from an .in source (";" when empty).
  std::optional<char> delimiter;
  // Results in UTF-8 with LF line ends instead of the file's own bytes
  // (.out: Windows-1251 with CR LF; CSV: those of its source).
  bool utf8 = false;
};

// The kind of a file by the extension of its name, in any letter case:
// ".csv" is CSV; any other name a source coordinates file.
SourceFormat SourceFormatOfName(std::string_view name);
// ".csv", ".geojson" and ".gpx"; any other name a results file (.out).
ResultsFormat ResultsFormatOfName(std::string_view name);

// GeoJSON and GPX hold WGS-84 longitudes and latitudes in degrees: they
// take the results of a WGS-84 B L H target only. The .out and CSV take
// any target.
bool FormatTakesTarget(ResultsFormat format, const SystemSide& target);

}  // namespace vexilor
