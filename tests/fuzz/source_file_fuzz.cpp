// A whole source file through RunTransformation, into a results file. The
// first byte chooses the source type and units and the target; the rest is
// the file, its type line included.

#include <array>
#include <filesystem>
#include <system_error>

#include "geodesy/datum.h"
#include "run/run_transformation.h"
#include "fuzz_support.h"
#include "support/standard_sides.h"

using namespace vexilor;
using testing::Ck42Side;
using testing::Wgs84Side;

namespace {

constexpr CoordType kTypes[] = {CoordType::BLH, CoordType::XYZ, CoordType::xyH};

// Gauss-Krüger with zones from 6° wide, false easting 500 km.
ProjectionSlots GaussKruger() {
  ProjectionSlots p;
  p.values = {0, 0, 3, 6, 0, 500000, 1.0, 0, 0, 0};
  return p;
}

RunRequest RequestFor(std::uint8_t choice) {
  RunRequest r;
  const CoordType from = kTypes[choice % 3];
  const CoordType to = kTypes[(choice / 3) % 3];
  const bool toWgs = (choice / 9) % 2 == 1;
  r.route.source = Ck42Side(from);
  r.route.target = toWgs ? Wgs84Side(to) : Ck42Side(to);
  r.route.global = {-1.1, -0.3, -0.9, 0, 0, -0.16, -1.2e-7};
  r.route.projection.source = GaussKruger();
  r.route.projection.target = GaussKruger();
  r.route.heights = HeightType::Geodetic;
  r.route.gridFile = (fuzz::Folder() / "missing.mat").string();
  const std::size_t unit = (choice / 18) % (from == CoordType::BLH ? 4 : 2);
  if (from == CoordType::BLH) {
    r.units.source.angles = kAngleUnits[unit];
  } else {
    r.units.source.lengths = kLengthUnits[unit];
  }
  r.units.source.heights = kLengthUnits[(choice / 72) % 2];
  const std::size_t targetUnit = (choice / 144) % 2;
  r.units.target.angles = kAngleUnits[targetUnit];
  r.units.target.lengths = kLengthUnits[targetUnit];
  r.sourceFile = (fuzz::Folder() / "points.in").string();
  r.resultsFile = (fuzz::Folder() / "points.out").string();
  return r;
}

bool IsRunCode(ResultCode code) {
  switch (code) {
    case kOk:
    case kValueOutOfRange:
    case kUnreadableLine:
    case kLineTooLong:
    // what a point may meet on its way between the systems
    case kOrdinateOutsideZone:
    case kAbscissaOutsideZone:
    case kNoValidZone:
    case kProjectionNotFinite:
    case kCoordinatesNotFinite:
    case kGeodeticConversionFailed:
    case kLinkResultNotFinite:
      return true;
    default:
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const RunRequest request = RequestFor(data[0]);
  fuzz::WriteFile("points.in", fuzz::Text(data + 1, size - 1));
  std::error_code ignored;
  std::filesystem::remove(request.resultsFile, ignored);
  RunCounters counters;
  std::int16_t headerWritten = 0;
  RunResult result;
  const ResultCode code = RunTransformation(request, counters, headerWritten, result);
  fuzz::Check(IsRunCode(code), "a file run ends in a code of its own");
  fuzz::Check(std::filesystem::exists(request.resultsFile), "the results file is in place");
  // Nothing but the source and the results: no temporary left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(fuzz::Folder())) ++files;
  fuzz::Check(files == 2, "no temporary file is left behind");
  return 0;
}
