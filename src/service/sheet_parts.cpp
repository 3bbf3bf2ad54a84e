#include "service/sheet_parts.h"

#include <algorithm>
#include <span>

#include "text/number_text.h"
#include "text/numeric.h"
#include "text/text_case.h"

namespace vexilor {
namespace {

std::span<const std::string_view> NamesOf(SheetPart part) {
  switch (part) {
    case SheetPart::kCapitalLetter: return kCapitalSheetLetters;
    case SheetPart::kSmallLetter: return kSmallSheetLetters;
    case SheetPart::kRomanNumeral: return kRomanSheetNumbers;
    case SheetPart::kNumber: break;
  }
  return {};
}

// Letters of a 2 × 2 split go down the west column first.
int LetterIndex(SheetCell cell) { return (cell.row - 1) + 2 * (cell.column - 1); }
SheetCell CellOfLetter(int index) { return {index % 2 + 1, index / 2 + 1}; }

// Numbers and Roman numerals go along the rows.
int NumberOf(const SheetSplit& split, SheetCell cell) { return (cell.row - 1) * split.count + cell.column; }
SheetCell CellOfNumber(const SheetSplit& split, int number) {
  const int row = (number - 1) / split.count + 1;
  return {row, number - (row - 1) * split.count};
}

bool IsLetter(SheetPart part) { return part == SheetPart::kCapitalLetter || part == SheetPart::kSmallLetter; }

std::optional<int> NamedNumber(std::string_view text) {
  const std::optional<double> value = NumberOfText(text);
  if (!value) return std::nullopt;
  const std::optional<std::int32_t> number = ToInt32(*value);
  if (!number) return std::nullopt;
  return *number;
}

}  // namespace

std::string SheetPartText(const SheetSplit& split, SheetCell cell) {
  if (split.part == SheetPart::kNumber) return std::to_string(NumberOf(split, cell));
  const std::span<const std::string_view> names = NamesOf(split.part);
  const int index = IsLetter(split.part) ? LetterIndex(cell) : NumberOf(split, cell) - 1;
  return std::string(names[static_cast<std::size_t>(index)]);
}

std::optional<SheetCell> ReadSheetPart(const SheetSplit& split, std::string_view text) {
  if (split.part == SheetPart::kNumber) {
    const std::optional<int> number = NamedNumber(text);
    if (!number || *number < 1 || *number > split.count * split.count) return std::nullopt;
    return CellOfNumber(split, *number);
  }
  // The place says whether a letter is capital or small: either case names
  // the same sheet, and the capitals stand for both.
  const std::span<const std::string_view> names =
      NamesOf(IsLetter(split.part) ? SheetPart::kCapitalLetter : split.part);
  const auto found = std::find(names.begin(), names.end(), UpperCase(text));
  if (found == names.end()) return std::nullopt;
  const int index = static_cast<int>(found - names.begin());
  return IsLetter(split.part) ? CellOfLetter(index) : CellOfNumber(split, index + 1);
}

}  // namespace vexilor
