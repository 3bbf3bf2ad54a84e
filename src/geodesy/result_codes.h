#pragma once
// Result codes of the engine. 0 is success; every other value names exactly
// one cause of failure, and no two causes share a value, whichever module
// reports them. Each module numbers its causes in a range of its own:
//
//   1000  ellipsoid geometry            1400  seven-parameter legs
//   1100  projections                   1500  link fitted to common points
//   1200  change of coordinate type     1600  quasi-geoid grid
//   1300  route between systems         1700  run over a point or a file
//
// A code passes unchanged from the module that found the failure up to the
// caller of the run. The numbers under which the program reports a code -
// the main window's message and vexilor-cli's exit status - are given by one
// table, RunMessageOf (state/result_messages.h), not by these values.

#include <cstdint>
#include <iosfwd>

namespace vexilor {

enum class ResultCode : std::int16_t {
  kOk = 0,

  // Ellipsoid: X, Y, Z or the ellipsoid not finite, or the latitude
  // iteration of the geocentric-to-geodetic conversion did not settle.
  kGeodeticConversionFailed = 1001,

  // Projections.
  kSemiMajorAxisOutOfRange = 1102,  // a outside [6 200 000, 6 400 000] m
  kOrdinateOutsideZone = 1103,      // in-zone y outside [0, 1 000 000) m
  kAbscissaOutsideZone = 1104,      // in-zone x outside it, axes exchanged
  kLambertFirstCoordinateNegative = 1105,  // axes not exchanged
  kLambertAbscissaNegative = 1106,         // axes exchanged
  kNoValidZone = 1107,  // no zone number in a zoned coordinate, or no zones
  // Input or result not finite, or a longitude too large to reduce.
  kProjectionNotFinite = 1108,

  // Change of coordinate type.
  kUnknownCoordType = 1201,
  kCoordinatesNotFinite = 1202,  // the converted point left the finite numbers

  // Route between systems.
  kBaseNotGlobal = 1301,  // a base that is neither ПЗ-90 nor WGS-84
  // A global source and a target based on the other global system that is
  // not the source's own base.
  kNoRoute = 1302,

  // Seven-parameter legs.
  kLinkResultNotFinite = 1403,

  // Link fitted to common points.
  kFitTooFewPoints = 1501,    // fewer common points than the model needs
  kFitPointsInLine = 1502,    // common points in a line or nearly so
  kFitPointUnmatched = 1503,  // a point number in one set only
  kFitPointRepeated = 1504,   // a point number twice in one set
  kFitValueNotFinite = 1505,  // a coordinate or the ellipsoid not finite

  // Quasi-geoid grid.
  kGridFileNotFound = 1601,
  kGridFileNotOpened = 1602,
  kGridBadHeader = 1603,  // cannot be read, or another signature
  kGridBadFormat = 1604,  // describes no grid that can be read from the file
  kGridPointOutside = 1605,  // or a node without a height would enter the result
  kGridWindowUnreadable = 1606,
  kGridInterpolationFailed = 1607,

  // Run over a typed point or a source file.
  kResultsFileNotOpened = 1701,
  kSourceFileNotOpened = 1702,
  kValueOutOfRange = 1703,  // in a source line
  kUnreadableLine = 1704,   // wrong word count, or a word that is no number
  // Stopped by the user; the results name keeps what it held before the run.
  kRunStopped = 1705,
  // A write to the results file failed (a full disk); the results name keeps
  // what it held before the run.
  kResultsFileNotWritten = 1706,
  kLineTooLong = 1707,  // a source line beyond kMaxSourceLineBytes
  // GeoJSON or GPX results asked for a target other than WGS-84 B L H.
  kResultsNotGeographic = 1708,
};

// The causes are named without their type everywhere (kOk, kNoRoute, ...);
// the scoped enumeration still keeps a code from passing silently for an
// integer, such as an exit status or a message number.
using enum ResultCode;

// Writes the code's number, for test reports and logs.
std::ostream& operator<<(std::ostream& out, ResultCode code);

}  // namespace vexilor
