#pragma once
// The parts of a sheet name below the 1:1 000 000 sheet: which sheet of a
// split a part names, and the text of the part that names a sheet.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "service/sheet_scales.h"

namespace vexilor {

// Letters of a 2 × 2 split, by index (row - 1) + 2 × (column - 1): the
// pole-side west sheet, the equator-side west, the pole-side east, the
// equator-side east (Cyrillic).
inline constexpr std::array<std::string_view, 4> kCapitalSheetLetters{"А", "В", "Б", "Г"};
inline constexpr std::array<std::string_view, 4> kSmallSheetLetters{"а", "в", "б", "г"};

// Sheets of the 1:200 000 split, numbered 1 to 36.
inline constexpr std::array<std::string_view, 36> kRomanSheetNumbers{
    "I",    "II",    "III",    "IV",   "V",   "VI",   "VII",   "VIII",   "IX",    "X",    "XI",     "XII",
    "XIII", "XIV",   "XV",     "XVI",  "XVII", "XVIII", "XIX", "XX",     "XXI",   "XXII", "XXIII",  "XXIV",
    "XXV",  "XXVI",  "XXVII",  "XXVIII", "XXIX", "XXX", "XXXI", "XXXII", "XXXIII", "XXXIV", "XXXV", "XXXVI"};

// Row and column of one sheet of a split, each from 1 to the split's count.
struct SheetCell {
  int row = 1;
  int column = 1;
};

// The part that names `cell` of `split`: a letter, a Roman numeral, or the
// number (row - 1) × count + column in decimal.
std::string SheetPartText(const SheetSplit& split, SheetCell cell);

// The sheet of `split` that `text` names; empty when the text names none.
// A letter or a Roman numeral must be the whole text, in either case (the
// place tells a capital from a small letter: "в" where a capital stands is
// "В"), and in its own alphabet (a Latin "A" is not the Cyrillic "А"); a
// number is any text of the numeric test whose value rounds to a whole
// number from 1 to count × count.
std::optional<SheetCell> ReadSheetPart(const SheetSplit& split, std::string_view text);

}  // namespace vexilor
