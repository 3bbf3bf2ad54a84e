#pragma once
// The edges of a topographic map sheet from its nomenclature: the inverse of
// ComputeSheetNomenclature.

#include <cstdint>
#include <string>
#include <string_view>

namespace vexilor {

enum class FrameCode {
  kSuccess = 0,
  kUnsupportedScale = 1,
  kNameDoesNotFitScale = 2,
  kInvalidName = 3,
  kNoHemisphere = 4,
};

// Latitudes and longitudes of a sheet's edges, degrees (СК-42), north > south.
// A sheet wholly west of Greenwich is given in 180 to 360 east.
struct SheetFrame {
  double north = 0.0;
  double south = 0.0;
  double west = 0.0;
  double east = 0.0;
};

struct SheetFrameResult {
  FrameCode code = FrameCode::kSuccess;
  SheetFrame frame;     // meaningful on success only
  std::string message;  // what to tell the user on failure; empty on success
};

// Reads `text`, a nomenclature with its hemisphere mark ("(N) N-37-144-Г-г";
// only the mark's second character counts, "N" or "S" in either case; blanks
// around the name are ignored), as a sheet of the scale denominator `scale`,
// and gives its edges. The name has as many "-" as the scale has parts; its
// row is a Latin letter "A" to "U" in either case, its column a number of one
// or two digits from 1 to 60, and each further part must name a sheet of its
// split (sheet_parts.h). The first fault found ends the reading with its code
// and message; a letter refused for its alphabet is named on a second line
// (sheet_alphabet_hint.h).
SheetFrameResult ComputeSheetFrame(std::int32_t scale, std::string_view text);

}  // namespace vexilor
