#include "quasigeoid/grid_header.h"

#include <bit>
#include <cmath>
#include <limits>

#include "text/numeric.h"
#include "geodesy/angle_constants.h"
#include "geodesy/result_codes.h"

namespace vexilor {
namespace {

// A step wider than this leaves no room for a window of a few steps around
// a point on the sphere.
constexpr double kMaxStepDegrees = 30.0;
constexpr double kMaxWestDegrees = 360.0;
constexpr double kMaxEastDegrees = 720.0;

using HeaderBytes = std::array<unsigned char, kGridHeaderBytes>;

std::uint32_t Unsigned32At(const HeaderBytes& b, int at) {
  const auto i = static_cast<std::size_t>(at);
  return static_cast<std::uint32_t>(b[i]) | static_cast<std::uint32_t>(b[i + 1]) << 8 |
         static_cast<std::uint32_t>(b[i + 2]) << 16 | static_cast<std::uint32_t>(b[i + 3]) << 24;
}

float FloatAt(const HeaderBytes& b, int at) { return std::bit_cast<float>(Unsigned32At(b, at)); }

std::int16_t Int16At(const HeaderBytes& b, int at) {
  const auto i = static_cast<std::size_t>(at);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[i] | b[i + 1] << 8));
}

std::string TextAt(const HeaderBytes& b, int at, int length) {
  const auto i = static_cast<std::size_t>(at);
  return std::string(b.begin() + static_cast<std::ptrdiff_t>(i),
                     b.begin() + static_cast<std::ptrdiff_t>(i) + length);
}

bool AllFinite(std::initializer_list<double> values) {
  for (const double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// Nodes (or cells) along one axis: Int(span / step + 0.1), plus one when
// the values sit on the nodes and the axis has two ends. Zero when the
// count would not fit a 16-bit header field.
int CountAlong(double span, double step, bool withEnd) {
  const double count = Int(span / step + 0.1) + (withEnd ? 1 : 0);
  return count > std::numeric_limits<std::int16_t>::max() ? 0 : static_cast<int>(count);
}

bool BoundsAreSound(const GridHeader& h) {
  if (!AllFinite({h.north, h.south, h.west, h.east, h.latitudeStep, h.longitudeStep, h.scale,
                  h.noDataLimit}))
    return false;
  const double latStep = h.latitudeStep / kArcMinutesPerDegree;
  const double lonStep = h.longitudeStep / kArcMinutesPerDegree;
  return -90.0 <= h.south && h.south < h.north && h.north <= 90.0 && -kMaxWestDegrees <= h.west &&
         h.west < h.east && h.east <= kMaxEastDegrees &&
         double{h.east} - h.west <= kDegreesPerCircle + kGridBoundTolerance && latStep > 0.0 &&
         latStep <= kMaxStepDegrees && lonStep > 0.0 && lonStep <= kMaxStepDegrees &&
         h.scale > 0.0f;
}

}  // namespace

GridHeader DecodeGridHeader(const HeaderBytes& b) {
  GridHeader h;
  h.signature = TextAt(b, 0, 5);
  h.layout = static_cast<char>(b[5]);
  h.north = FloatAt(b, 6);
  h.south = FloatAt(b, 10);
  h.west = FloatAt(b, 14);
  h.east = FloatAt(b, 18);
  h.rows = Int16At(b, 22);
  h.columns = Int16At(b, 24);
  h.latitudeStep = FloatAt(b, 26);
  h.longitudeStep = FloatAt(b, 30);
  h.placement = TextAt(b, 34, 4);
  h.scale = FloatAt(b, 38);
  h.noDataLimit = FloatAt(b, 42);
  h.extra = FloatAt(b, 46);
  h.valueSize = Int16At(b, 50);
  h.ellipsoid = TextAt(b, 52, 7);
  h.extraName = TextAt(b, 59, 7);
  return h;
}

double GridGeometry::RowLatitude(int r) const {
  return north - (r - (valuesAtCentres ? 0.5 : 1.0)) * latitudeStep;
}

double GridGeometry::ColumnLongitude(int c) const {
  return west + (c - (valuesAtCentres ? 0.5 : 1.0)) * longitudeStep;
}

ResultCode DescribeGrid(const GridHeader& h, std::int64_t fileBytes, GridGeometry& out) {
  // Text-layout grids are not read: their bounds would have to be taken
  // from binary bytes that hold text.
  if (h.layout != 'B') return kGridBadFormat;
  if (h.placement != "USEL" && h.placement != "MIDL") return kGridBadFormat;
  if (h.valueSize != 2 && h.valueSize != 4) return kGridBadFormat;
  if (!BoundsAreSound(h)) return kGridBadFormat;

  GridGeometry g;
  g.north = h.north;
  g.south = h.south;
  g.west = h.west;
  g.east = h.east;
  g.latitudeStep = h.latitudeStep / kArcMinutesPerDegree;
  g.longitudeStep = h.longitudeStep / kArcMinutesPerDegree;
  g.valuesAtCentres = h.placement == "MIDL";
  g.wholeCircle =
      std::fabs(g.west) < kGridBoundTolerance && std::fabs(g.east - kDegreesPerCircle) < kGridBoundTolerance;
  g.totalRows = CountAlong(g.north - g.south, g.latitudeStep, !g.valuesAtCentres);
  g.totalColumns =
      CountAlong(g.east - g.west, g.longitudeStep, !g.valuesAtCentres && !g.wholeCircle);
  g.valueSize = h.valueSize;
  g.scale = h.scale;
  g.noDataLimit = h.noDataLimit;
  if (g.totalRows < 1 || g.totalColumns < 1) return kGridBadFormat;
  if (g.totalRows != h.rows || g.totalColumns != h.columns) return kGridBadFormat;
  // Columns wrap round a grid spanning the circle: the last one must be a
  // step short of the first.
  if (g.wholeCircle &&
      std::fabs(g.totalColumns * g.longitudeStep - kDegreesPerCircle) > kGridBoundTolerance)
    return kGridBadFormat;
  const std::int64_t bodyBytes =
      std::int64_t{g.totalRows} * g.totalColumns * g.valueSize + kGridBodyOffset;
  if (fileBytes < bodyBytes) return kGridBadFormat;
  out = g;
  return kOk;
}

GridEllipsoid GridEllipsoidOf(const std::string& field) {
  struct Named {
    const char* name;
    GridEllipsoid ellipsoid;
  };
  static constexpr Named kNamed[] = {
      {"CK42", {6378.245, 298.3}},           {"WGS84", {6378.137, 298.257223563}},
      {"EGM96", {6378.1363, 298.256415099}}, {"PZ90", {6378.136, 298.25784}},
      {"GRS80", {6378.137, 298.257222101}},
  };
  const std::size_t used = field.find('\0');
  const std::string_view name(field.data(), used == std::string::npos ? field.size() : used);
  const bool nulPadded =
      used == std::string::npos || field.find_first_not_of('\0', used) == std::string::npos;
  for (const Named& n : kNamed)
    if (nulPadded && name == n.name) return n.ellipsoid;
  return kNamed[0].ellipsoid;
}

}  // namespace vexilor
