#pragma once
// The map scales of the Soviet sheet nomenclature and how each divides the
// 1:1 000 000 sheet.
//
// Every sheet size is a whole number of arc seconds, so sheet edges are
// counted in whole milliarcseconds: splits and edges are then exact integer
// arithmetic, and a point typed on an edge in degrees, minutes and seconds
// falls on the side the rule names, never on the other by a rounding error.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vexilor {

using Milliarcseconds = std::int64_t;

inline constexpr Milliarcseconds kMasPerSecond = 1000;
inline constexpr Milliarcseconds kMasPerMinute = 60 * kMasPerSecond;
inline constexpr Milliarcseconds kMasPerDegree = 60 * kMasPerMinute;

// The 1:1 000 000 sheet: a row of 4° of latitude, lettered from "A" at the
// equator to "U" (84°), by a column of 6° of longitude, numbered from 1 at
// 180° W to 60.
inline constexpr Milliarcseconds kRowHeight = 4 * kMasPerDegree;
inline constexpr Milliarcseconds kColumnWidth = 6 * kMasPerDegree;
inline constexpr int kLastRow = 'U' - 'A' + 1;
inline constexpr int kLastColumn = 60;

// How the part that names one sheet of a split is written.
enum class SheetPart { kCapitalLetter, kSmallLetter, kRomanNumeral, kNumber };

// A split of a sheet into count × count sheets of height × width, rows
// counted from the pole-side edge and columns from the west edge.
struct SheetSplit {
  int count;
  Milliarcseconds height;
  Milliarcseconds width;
  SheetPart part;
};

// The splits that lead from the 1:1 000 000 sheet to a sheet of the scale
// denominator `scale`, in order (none for 1:1 000 000); empty for a scale the
// nomenclature does not know. Known: 1 000 000, 500 000, 200 000, 100 000,
// 50 000, 25 000 and 10 000; the three finest go through the 1:100 000 sheet.
std::optional<std::span<const SheetSplit>> SheetSplits(std::int32_t scale);

// A scale denominator as the messages write it: "300 000" for 300000 (the
// thousands split off by a blank), any other value in plain decimal.
std::string ScaleText(std::int32_t scale);

// "Масштаб 1 : 300 000 не предусмотрен" and, on the next line, "для
// обработки в этой программе."
std::string UnsupportedScaleMessage(std::int32_t scale);

}  // namespace vexilor
