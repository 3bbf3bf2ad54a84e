#include "service/sheet_nomenclature.h"

#include <algorithm>
#include <cmath>

#include "service/sheet_parts.h"
#include "service/sheet_scales.h"

namespace vexilor {
namespace {

constexpr double kLatitudeLimit = 84.0;
constexpr Milliarcseconds kHalfTurn = 180 * kMasPerDegree;

Milliarcseconds ToMas(double degrees) { return std::llround(degrees * static_cast<double>(kMasPerDegree)); }

SheetNomenclature Refused(NomenclatureCode code, std::string message) { return {code, "", std::move(message)}; }

// Row or column (from 1) of a split into `count` of `size` that holds a point
// `offset` past the first one's near edge; a point on the far edge of the
// last one stays in it.
int CellNumber(Milliarcseconds offset, Milliarcseconds size, int count) {
  return std::min(static_cast<int>(offset / size) + 1, count);
}

}  // namespace

SheetNomenclature ComputeSheetNomenclature(std::int32_t scale, double b, double l) {
  const auto splits = SheetSplits(scale);
  if (!splits) return Refused(NomenclatureCode::kUnsupportedScale, UnsupportedScaleMessage(scale));
  if (!(std::fabs(b) <= kLatitudeLimit))
    return Refused(NomenclatureCode::kLatitudeOutOfRange, "Недопустимое значение широты.");
  if (!(l >= -180.0 && l <= 360.0))
    return Refused(NomenclatureCode::kLongitudeOutOfRange, "Недопустимое значение долготы.");

  // β from the equator towards the pole; the longitude from 180° W.
  const Milliarcseconds beta = ToMas(std::fabs(b));
  Milliarcseconds fromDateLine = ToMas(l) + kHalfTurn;
  if (fromDateLine > 2 * kHalfTurn) fromDateLine -= 2 * kHalfTurn;

  const int row = std::min(static_cast<int>(beta / kRowHeight) + 1, kLastRow);
  const int column = std::min(static_cast<int>(fromDateLine / kColumnWidth) + 1, kLastColumn);
  std::string name = std::string(1, static_cast<char>('A' + row - 1)) + "-" + std::to_string(column);

  // Offsets of the point from the pole-side and west edges of the sheet.
  Milliarcseconds down = row * kRowHeight - beta;
  Milliarcseconds across = fromDateLine - (column - 1) * kColumnWidth;
  for (const SheetSplit& split : *splits) {
    const SheetCell cell{CellNumber(down, split.height, split.count),
                         CellNumber(across, split.width, split.count)};
    down -= (cell.row - 1) * split.height;
    across -= (cell.column - 1) * split.width;
    name += "-" + SheetPartText(split, cell);
  }
  return {NomenclatureCode::kSuccess, (b > 0 ? "(N) " : "(S) ") + name, ""};
}

}  // namespace vexilor
