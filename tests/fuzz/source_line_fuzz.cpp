// One point line of a source file, in every coordinate type and layout, as
// an .in line and as a CSV line with each delimiter. The first byte chooses
// the type and units, the rest is the line.

#include <cmath>
#include <numbers>

#include "run/csv_line.h"
#include "run/source_line.h"
#include "run/units.h"
#include "fuzz_support.h"

using namespace vexilor;

namespace {

struct Layout {
  CoordType type;
  SideUnits units;
};

constexpr LengthUnit kKm = LengthUnit::Kilometres;

constexpr Layout kLayouts[] = {
    {CoordType::BLH, {.angles = AngleUnit::DegMinSec}},
    {CoordType::BLH, {.angles = AngleUnit::DegMin, .heights = kKm}},
    {CoordType::BLH, {.angles = AngleUnit::Degrees}},
    {CoordType::BLH, {.angles = AngleUnit::Radians, .heights = kKm}},
    {CoordType::XYZ, {}},
    {CoordType::XYZ, {.lengths = kKm}},
    {CoordType::xyH, {}},
    {CoordType::xyH, {.lengths = kKm}},
};

const NumericLocale kLocales[] = {{"."}, {","}};

// What every accepted point holds.
void CheckPoint(const Coords& point, CoordType type) {
  for (double v : point) fuzz::Check(std::isfinite(v), "an accepted point is finite");
  if (type == CoordType::BLH) {
    fuzz::Check(std::fabs(point[0]) <= std::numbers::pi / 2 + 1e-12, "a latitude within the poles");
    fuzz::Check(point[1] >= 0 && point[1] <= 2 * std::numbers::pi + 1e-12, "a longitude within the circle");
  }
}

void CheckCsvLine(std::string_view line, const Layout& layout, const NumericLocale& locale) {
  for (char delimiter : {',', ';', '\t'}) {
    CsvDialect dialect;
    dialect.delimiter = delimiter;
    SourceRecord out;
    out.name = "untouched";
    const ResultCode code = ParseCsvLine(line, dialect, layout.type, layout.units, locale, out);
    fuzz::Check(code == kOk || code == kValueOutOfRange || code == kUnreadableLine, "a CSV-line code");
    if (code != kOk) {
      fuzz::Check(out.name == "untouched", "a refused CSV line leaves the record untouched");
      continue;
    }
    CheckPoint(out.coords, layout.type);
    fuzz::Check(out.extra.empty() || out.extra.front() == delimiter, "the fields after the coordinates");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Layout& layout = kLayouts[data[0] % std::size(kLayouts)];
  const std::string_view line = fuzz::Text(data + 1, size - 1);
  for (const NumericLocale& locale : kLocales) {
    const Coords untouched{-7, -7, -7};
    Coords out = untouched;
    const ResultCode code = ParseSourceLine(line, layout.type, layout.units, locale, out);
    fuzz::Check(code == kOk || code == kValueOutOfRange || code == kUnreadableLine, "a source-line code");
    CheckCsvLine(line, layout, locale);
    if (code != kOk) {
      fuzz::Check(out == untouched, "a refused line leaves the point untouched");
      continue;
    }
    CheckPoint(out, layout.type);
  }
  return 0;
}
