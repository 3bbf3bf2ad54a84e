#include "run/csv_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "text/angle_text.h"
#include "text/csv_fields.h"
#include "text/number_text.h"
#include "text/shown_angle.h"
#include "text/words.h"
#include "geodesy/angle_constants.h"
#include "run/source_line.h"

namespace vexilor {
namespace {

constexpr int kMostAngleWords = 3;         // degrees, minutes, seconds

// How a coordinate field is read.
enum class FieldKind { kAngle, kRadians, kLength };

FieldKind KindOf(CoordType type, const SideUnits& units, std::size_t axis) {
  if (type != CoordType::BLH || axis == 2) return FieldKind::kLength;
  return units.angles == AngleUnit::Radians ? FieldKind::kRadians : FieldKind::kAngle;
}

// A coordinate field as the number readers take it: in UTF-8, without its
// quotes and blanks, a decimal comma made a point where the delimiter is
// not a comma.
std::string CoordinateText(std::string_view field, const CsvDialect& dialect) {
  std::string text = ToUtf8(CsvFieldText(field), dialect.encoding);
  if (dialect.delimiter != ',') std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

// One to kMostAngleWords words, each a number; read where they stand.
bool IsAngleText(std::string_view typed, const NumericLocale& locale) {
  int count = 0;
  std::size_t at = 0;
  for (std::string_view word = NextWord(typed, at); !word.empty(); word = NextWord(typed, at))
    if (++count > kMostAngleWords || !IsNumberText(word, locale)) return false;
  return count > 0;
}

// The value of a coordinate field: degrees for an angle, its unit's
// number otherwise; empty when it does not read. An angle text that reads
// but breaks ParseAngle's rules (61 minutes) gives its error value, which
// every range refuses.
std::optional<double> ReadField(std::string_view field, const CsvDialect& dialect, FieldKind kind,
                                const NumericLocale& locale) {
  const std::string text = CoordinateText(field, dialect);
  if (kind == FieldKind::kAngle) {
    const std::string typed = TypedAngleText(text);
    if (!IsAngleText(typed, locale)) return std::nullopt;
    return ParseAngle(typed, locale);
  }
  return NumberOfText(text, locale);
}

bool Within(double v, double low, double high) { return v >= low && v <= high; }

// The point in engine units from the three values read, or empty when one
// is out of its range.
std::optional<Coords> EngineCoords(const std::array<double, 3>& v, CoordType type, const SideUnits& units) {
  if (type != CoordType::BLH) return InEngineUnits(type, units, v);
  const double toDegrees = units.angles == AngleUnit::Radians ? kDegreesPerRadian : 1.0;
  const double b = v[0] * toDegrees;
  double l = v[1] * toDegrees;
  if (!Within(b, -90, 90) || !Within(l, -360, 360)) return std::nullopt;
  if (l < 0) l += kDegreesPerCircle;
  return InEngineUnits(type, units, {b, l, v[2]});
}

}  // namespace

bool IsCsvCommentOrBlank(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

int ReadableCoordinateFields(std::string_view line, const CsvDialect& dialect, CoordType type, const SideUnits& units,
                             const NumericLocale& locale) {
  LeadingCsvFields fields;
  std::size_t rest = 0;
  const std::size_t found = SplitCsvFields(line, dialect.delimiter, fields, rest);
  int readable = 0;
  for (std::size_t axis = 0; axis + 1 < found; ++axis)
    if (ReadField(fields[axis + 1], dialect, KindOf(type, units, axis), locale)) ++readable;
  return readable;
}

ResultCode ParseCsvLine(std::string_view line, const CsvDialect& dialect, CoordType type, const SideUnits& units,
                        const NumericLocale& locale, SourceRecord& out) {
  LeadingCsvFields fields;
  std::size_t rest = 0;
  if (SplitCsvFields(line, dialect.delimiter, fields, rest) < kLeadingCsvFields) return kUnreadableLine;
  std::array<double, 3> values{};
  for (std::size_t axis = 0; axis < values.size(); ++axis) {
    const std::optional<double> v = ReadField(fields[axis + 1], dialect, KindOf(type, units, axis), locale);
    if (!v) return kUnreadableLine;
    values[axis] = *v;
  }
  const std::optional<Coords> coords = EngineCoords(values, type, units);
  if (!coords) return kValueOutOfRange;
  out = {*coords, fields[0], line.substr(rest)};
  return kOk;
}

}  // namespace vexilor
