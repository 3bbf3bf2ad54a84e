#pragma once
// keys.dat: the four link values of local systems (MCK42, MCK95) and of the
// regions of the 1963 system (СК63), one line each:
//
//   name  D M    width  x0  y0      (6 words)
//   name  D M S  width  x0  y0      (7 words)
//
// D M [S] is the longitude of the first zone's axial meridian, read as an
// angle; width the zone width in degrees; x0 the false origin along x in
// kilometres (minutes of arc for a СК63 region); y0 along y in kilometres.
// The values are taken as written; the caller validates them.

#include <cstdint>
#include <string>
#include <string_view>

namespace vexilor {

struct LocalSystemKey {
  std::string name;            // the line's first word, upper-cased
  double axialMeridian = 0.0;  // degrees; kAngleParseError when the words do not form an angle
  double zoneWidth = 0.0;      // degrees
  double falseOriginX = 0.0;   // kilometres, or minutes of arc for a СК63 region
  double falseOriginY = 0.0;   // kilometres
};

enum class KeysSearch : std::int16_t {
  kFound = 0,
  kOpenFailed = 1,
  kReadFailed = 2,
  kNotFound = 3,       // no line carries the name
  kBadWordCount = 4,   // the matching line has neither 6 nor 7 words
  kBadNumber = 5,      // a word after the name is not a number
};

// Whether `line` belongs to `upper_name`: the line, upper-cased and trimmed,
// has a blank, and its text before the first blank equals `upper_name`.
// Lines without a blank, blank lines included, belong to no name.
bool IsKeysLineOf(std::string_view line, std::string_view upperName);

// The values of a matching line. `out` is written only with kFound.
KeysSearch ParseKeysLine(std::string_view line, LocalSystemKey& out);

// Scans keys.dat at `path` for the first line of `name` (compared
// upper-cased) and takes its values; reading stops at that line even when it
// is faulty. `out` is written only with kFound.
KeysSearch FindLocalSystemKey(std::string_view path, std::string_view name, LocalSystemKey& out);

}  // namespace vexilor
