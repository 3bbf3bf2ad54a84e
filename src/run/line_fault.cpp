#include "run/line_fault.h"

namespace vexilor {

// One case for every code, without a default: a code added to the engine
// without its place here does not compile (-Wswitch).
bool IsLineFault(ResultCode code) {
  switch (code) {
    case kGeodeticConversionFailed:
    case kOrdinateOutsideZone:
    case kAbscissaOutsideZone:
    case kLambertFirstCoordinateNegative:
    case kLambertAbscissaNegative:
    case kNoValidZone:
    case kProjectionNotFinite:
    case kCoordinatesNotFinite:
    case kLinkResultNotFinite:
    case kGridPointOutside:
    case kGridInterpolationFailed:
    case kValueOutOfRange:
    case kUnreadableLine:
    case kLineTooLong:
      return true;
    case kOk:
    case kSemiMajorAxisOutOfRange:  // the settings of a side
    case kUnknownCoordType:
    case kBaseNotGlobal:
    case kNoRoute:
    case kFitTooFewPoints:
    case kFitPointsInLine:
    case kFitPointUnmatched:
    case kFitPointRepeated:
    case kFitValueNotFinite:
    case kGridFileNotFound:  // the grid as a whole
    case kGridFileNotOpened:
    case kGridBadHeader:
    case kGridBadFormat:
    case kGridWindowUnreadable:
    case kResultsFileNotOpened:  // the files of the run
    case kSourceFileNotOpened:
    case kRunStopped:
    case kResultsFileNotWritten:
    case kResultsNotGeographic:
      break;
  }
  return false;
}

}  // namespace vexilor
