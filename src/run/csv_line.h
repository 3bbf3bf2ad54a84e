#pragma once
// Reading one point line of a CSV source: the name, then one field for each
// coordinate, then any fields of the user's own (codes, notes), which the
// results carry unchanged.
//
// A coordinate field is read as the main window reads a typed value: an
// angle in degrees, degrees and minutes or degrees, minutes and seconds
// ("55.7557", "55 45.34", "55 45 20.5", also with the marks ° ' " of a
// shown result, ParseAngle), whatever the angle unit of the source side
// except radians, which take one number; a length or height as a number in
// the side's unit (kilometres are multiplied by 1000). Where the delimiter
// is not ",", a "," in a coordinate field is a decimal separator; the
// marks of an angle are read in the file's encoding (° is one byte in
// Windows-1251, two in UTF-8). A
// latitude must lie within ±90°; a longitude within [-360, 360], a west
// longitude counted east of Greenwich (-37° is 323°).

#include <array>
#include <cstddef>
#include <string_view>

#include "text/number_text.h"
#include "geodesy/coord_type.h"
#include "geodesy/result_codes.h"
#include "run/csv_dialect.h"
#include "run/source_record.h"
#include "run/units.h"

namespace vexilor {

// The fields every point line begins with: the name and three coordinates.
inline constexpr std::size_t kLeadingCsvFields = 4;
using LeadingCsvFields = std::array<std::string_view, kLeadingCsvFields>;

// A line without a point: blank, or a comment beginning with "#".
bool IsCsvCommentOrBlank(std::string_view line);

// How many of the three coordinate fields of `line` read as numbers (or
// angle texts) in `dialect` (its delimiter and encoding), in range or not.
int ReadableCoordinateFields(std::string_view line, const CsvDialect& dialect, CoordType type, const SideUnits& units,
                             const NumericLocale& locale);

// Fills `out` with the point in engine units (radians and metres), the name
// field and the fields after the coordinates. kUnreadableLine: fewer than
// four fields, or a coordinate field that is no number (or angle text);
// kValueOutOfRange: a latitude or longitude out of its range, or a value
// beyond the doubles. `out` is untouched on failure.
ResultCode ParseCsvLine(std::string_view line, const CsvDialect& dialect, CoordType type, const SideUnits& units,
                        const NumericLocale& locale, SourceRecord& out);

}  // namespace vexilor
