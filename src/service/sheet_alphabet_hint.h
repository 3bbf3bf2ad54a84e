#pragma once
// Why a sheet name typed in the wrong alphabet is refused. The row letter and
// the Roman numerals of a name are Latin, the letters of the 2 × 2 splits
// Cyrillic, and letters of the two alphabets look alike ("A" and "А", "B"
// and "В", "X" and "Х"): a name refused for such a letter looks right on the
// screen, so the message names the letter and what its place needs.

#include <string>
#include <string_view>

#include "service/sheet_scales.h"

namespace vexilor {

// For a row letter that was refused: "Буква Н русская, а здесь нужна
// латинская: от A до U." when `part` holds a Cyrillic letter (the first one
// is named); empty otherwise.
std::string RowAlphabetHint(std::string_view part);

// For a part of a split that was refused: a Latin letter where a Cyrillic
// letter is needed ("Буква A латинская, а здесь нужна русская: А, Б, В или
// Г."), or a Cyrillic letter in a Roman numeral. Empty when the part holds
// no letter of the other alphabet, and in the place of a number.
std::string PartAlphabetHint(SheetPart place, std::string_view part);

}  // namespace vexilor
