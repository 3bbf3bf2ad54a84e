#pragma once
// The nomenclature of the topographic map sheet that holds a point.

#include <cstdint>
#include <string>

namespace vexilor {

enum class NomenclatureCode {
  kSuccess = 0,
  kUnsupportedScale = 1,
  kLatitudeOutOfRange = 2,
  kLongitudeOutOfRange = 3,
};

struct SheetNomenclature {
  NomenclatureCode code = NomenclatureCode::kSuccess;
  std::string name;     // "(N) N-37-4-В-в-2"; empty on failure
  std::string message;  // what to tell the user on failure; empty on success
};

// Names the sheet of the scale denominator `scale` (1 000 000, 500 000,
// 200 000, 100 000, 50 000, 25 000 or 10 000) that holds the point at
// latitude `b`, longitude `l` (degrees, СК-42). |b| may not exceed 84; l must
// lie in [-180, 360] and is taken as l - 360 above 180.
//
// The row of the 1:1 000 000 sheet holds its equator-side edge (4° is row
// "B"), 84° is row "U". Each finer split counts rows from the pole-side edge
// and columns from the west edge, and a sheet holds its pole-side and west
// edges: a point on an edge inside a sheet belongs to the equator-side or
// eastern neighbour, a point on the outer equator-side or east edge stays in
// the last row or column. 180° is column 60. The point is taken to whole
// milliarcseconds, so these rules hold exactly for any edge typed in
// degrees, minutes and seconds.
//
// The southern hemisphere (b <= 0, the equator included) is marked "(S) "
// and counted by |b|, from its south edge; the northern one "(N) ".
SheetNomenclature ComputeSheetNomenclature(std::int32_t scale, double b, double l);

}  // namespace vexilor
