#include "terminal_messages.h"

#include <cstdio>

#include "run/source_file_reader.h"
#include "text/codepage.h"
#include "text/utf8.h"

namespace vexilor {
namespace {

// The line of the source file, then the engine's count of point lines that
// the main window's messages give: the type line is line 1, the first point
// line 2 and point line 1.
std::string LineOf(const RunPlace& p) {
  if (p.csv) return p.source + ": line " + std::to_string(p.dataLine) + ": ";
  return p.source + ": line " + std::to_string(p.dataLine + 1) + " (point line " + std::to_string(p.dataLine) + "): ";
}

// The words of a point line of the source layout.
std::string PointLayout(CoordType type, AngleUnit angles, bool csv) {
  if (csv) return "a name, then 3 coordinates (numbers or angle texts), then any fields of your own";
  if (type == CoordType::XYZ) return "4 numbers: N X Y Z";
  if (type == CoordType::xyH) return "4 numbers: N x y H";
  switch (angles) {
    case AngleUnit::DegMinSec: return "8 numbers: N Bd Bm Bs Ld Lm Ls H";
    case AngleUnit::DegMin: return "6 numbers: N Bd Bm Ld Lm H";
    case AngleUnit::Degrees: return "4 numbers: N B L H, B and L in degrees";
    case AngleUnit::Radians: break;
  }
  return "4 numbers: N B L H, B and L in radians";
}

// The spans a geodetic source line is checked against.
std::string ValueSpans(CoordType type, AngleUnit angles, bool csv) {
  if (type != CoordType::BLH) return "a number too large";
  if (csv) return "|B| <= 90, -360 <= L <= 360 degrees";
  switch (angles) {
    case AngleUnit::DegMinSec: return "|Bd| <= 90, 0 <= Bm, Lm <= 59, 0 <= Bs, Ls <= 60, 0 <= Ld <= 360";
    case AngleUnit::DegMin: return "|Bd| <= 90, 0 <= Bm, Lm <= 60, 0 <= Ld <= 360";
    case AngleUnit::Degrees: return "|B| <= 90, 0 <= L <= 360";
    case AngleUnit::Radians: break;
  }
  return "|B| <= pi/2, 0 <= L <= 2 pi";
}

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

std::string BoundsText(const std::optional<GridBounds>& b) {
  if (!b) return "";
  return " (B " + Degrees(b->south) + "..." + Degrees(b->north) + ", L " + Degrees(b->west) + "..." +
         Degrees(b->east) + " degrees)";
}

// Text of a file (Windows-1251), fit for a terminal line in UTF-8: at most
// 40 characters, control characters shown as "?".
std::string Shown(std::string_view bytes) {
  const std::string text = Cp1251ToUtf8(bytes);
  std::string shown;
  std::size_t at = 0;
  for (int count = 0; count < 40 && at < text.size(); ++count) {
    char32_t c = DecodeCodePoint(text, at);
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f)) c = U'?';
    AppendCodePoint(shown, c);
  }
  if (at < text.size()) shown += "...";
  return shown;
}

std::string ZoneAdvice() { return ": check the longitude, the projection's false origin and zone width, or --zone"; }

}  // namespace

// One case for every code, without a default: a code added to the engine
// without its words here does not compile (-Wswitch).
std::string MissingProjectionText(const std::string& option) {
  return option + "-type xyH needs " + option + "-proj";
}

int ExitStatusOf(ResultCode code) { return static_cast<int>(RunMessageOf(code)); }

std::string RunFailureText(ResultCode code, const RunPlace& p) {
  const std::string number = std::to_string(static_cast<int>(code));
  switch (code) {
    case kOrdinateOutsideZone:
      return LineOf(p) + "the plane y falls outside its zone (0 <= y < 1 000 000 m)" + ZoneAdvice();
    case kAbscissaOutsideZone:
      return LineOf(p) + "the plane x (axes exchanged) falls outside its zone (0 <= x < 1 000 000 m)" +
             ZoneAdvice();
    case kLambertFirstCoordinateNegative:
      return LineOf(p) + "the Lambert y is negative: check the projection's parameters and the longitude";
    case kLambertAbscissaNegative:
      return LineOf(p) + "the Lambert x (axes exchanged) is negative: check the projection's parameters and the "
                         "longitude";
    case kNoValidZone:
      return LineOf(p) + "no valid zone number in the millions of a plane coordinate "
                         "(zone * 1 000 000 + the value in the zone)";
    case kGridBadHeader: return p.grid + ": not a quasi-geoid grid (no GEOID header)";
    case kGridBadFormat: return p.grid + ": a damaged quasi-geoid grid";
    case kGridPointOutside:
      return LineOf(p) + "the point lies outside the quasi-geoid grid " + p.grid + BoundsText(p.bounds);
    case kGridFileNotFound: return p.grid + ": no such quasi-geoid grid";
    case kGridFileNotOpened: return p.grid + ": the quasi-geoid grid cannot be opened";
    case kResultsFileNotOpened: return p.results + ": cannot be written";
    case kResultsFileNotWritten:
      return p.results + ": writing failed (is the disk full?); a file of that name keeps what it held";
    case kSourceFileNotOpened: return p.source + ": cannot be opened";
    case kResultsNotGeographic:
      return p.results + ": GeoJSON and GPX hold WGS-84 longitudes and latitudes: use --to WGS84 --to-type BLH";
    case kValueOutOfRange:
      return LineOf(p) + "a value out of range (" + ValueSpans(p.sourceType, p.sourceAngles, p.csv) + ")";
    case kUnreadableLine:
      return LineOf(p) + "expected " + PointLayout(p.sourceType, p.sourceAngles, p.csv) +
             (p.csv ? "" : ", separated by blanks");
    case kLineTooLong:
      return LineOf(p) + "longer than " + std::to_string(kMaxSourceLineBytes / 1024) + " KiB, not a point line";
    case kOk:
    case kRunStopped:  // only the progress window stops a run
    case kGeodeticConversionFailed:
    case kSemiMajorAxisOutOfRange:
    case kProjectionNotFinite:
    case kUnknownCoordType:
    case kCoordinatesNotFinite:
    case kBaseNotGlobal:
    case kNoRoute:
    case kLinkResultNotFinite:
    case kGridWindowUnreadable:
    case kGridInterpolationFailed:
    case kFitTooFewPoints:  // worded by the fit command, which knows the sets
    case kFitPointsInLine:
    case kFitPointUnmatched:
    case kFitPointRepeated:
    case kFitValueNotFinite:
      break;
  }
  return LineOf(p) + "an unexpected failure inside the engine (code " + number + ")";
}

std::string RefusedLinesText(std::string_view source, std::string_view results, std::int64_t refused,
                             std::int64_t written) {
  return std::string(source) + ": " + std::to_string(refused) + (refused == 1 ? " line" : " lines") +
         " refused, " + std::to_string(written) + (written == 1 ? " point" : " points") + " written to " +
         std::string(results);
}

std::string TypeLineText(std::string_view source, std::string_view firstLine, CoordType expected,
                         std::string_view option) {
  const std::string type(CoordTypeName(expected));
  if (firstLine.empty()) return std::string(source) + ": line 1 is empty, but must name the type " + type;
  return std::string(source) + ": line 1 names " + Shown(firstLine) + ", but " + std::string(option) + " is " + type;
}

std::string ReferenceFileText(ReferenceFileError error, std::string_view path) {
  const std::string file(path);
  switch (error) {
    case ReferenceFileError::kOpenFailed: return file + ": no such file, or it cannot be opened";
    case ReferenceFileError::kTooManyLines: return file + ": more than 32767 lines";
    case ReferenceFileError::kNone:
    case ReferenceFileError::kReadFailed:
    case ReferenceFileError::kWriteFailed:
    case ReferenceFileError::kBackupFailed:
      break;
  }
  return file + ": cannot be read";
}

std::string ChoiceText(const ChoiceOutcome& o, std::string_view system, std::string_view systemsPath,
                       std::string_view ellipsoidsPath) {
  const std::string name(system);
  switch (o.error) {
    case ChoiceError::kBadEllipsoidFile:
      return std::string(ellipsoidsPath) + ": a line of fewer than 4 words";
    case ChoiceError::kEllipsoidNotFound:
      return std::string(ellipsoidsPath) + ": no ellipsoid number " + std::to_string(o.missingEllipsoid) +
             ", which " + name + " names";
    case ChoiceError::kUnknownParent:
      return std::string(systemsPath) + ": " + name + " names the parent " + o.parentCode +
             ", neither WGS84 nor PZ90";
    case ChoiceError::kNone:
    case ChoiceError::kBadSystemLine:
      break;
  }
  return std::string(systemsPath) + ": the line of " + name + " is not a system record";
}

}  // namespace vexilor
