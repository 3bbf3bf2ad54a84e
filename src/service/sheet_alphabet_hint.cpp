#include "service/sheet_alphabet_hint.h"

#include <optional>

#include "text/utf8.h"

namespace vexilor {
namespace {

bool IsLatin(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }
bool IsCyrillic(char32_t c) { return c >= U'\u0400' && c <= U'\u04FF'; }

// The first letter of `part` from the alphabet the place does not take.
std::optional<char32_t> ForeignLetter(std::string_view part, bool cyrillicPlace) {
  for (std::size_t pos = 0; pos < part.size();) {
    const char32_t c = DecodeCodePoint(part, pos);
    if (cyrillicPlace ? IsLatin(c) : IsCyrillic(c)) return c;
  }
  return std::nullopt;
}

// "Буква " and the foreign letter, its alphabet, then `need`: what the place
// takes.
std::string Hint(std::string_view part, bool cyrillicPlace, std::string_view need) {
  const std::optional<char32_t> letter = ForeignLetter(part, cyrillicPlace);
  if (!letter) return "";
  std::string text = "Буква ";
  AppendCodePoint(text, *letter);
  return text + (cyrillicPlace ? " латинская" : " русская") + std::string(need);
}

}  // namespace

std::string RowAlphabetHint(std::string_view part) {
  return Hint(part, false, ", а здесь нужна латинская: от A до U.");
}

std::string PartAlphabetHint(SheetPart place, std::string_view part) {
  switch (place) {
    case SheetPart::kCapitalLetter: return Hint(part, true, ", а здесь нужна русская: А, Б, В или Г.");
    case SheetPart::kSmallLetter: return Hint(part, true, ", а здесь нужна русская: а, б, в или г.");
    case SheetPart::kRomanNumeral:
      return Hint(part, false, ", а здесь нужно римское число латинскими буквами: от I до XXXVI.");
    case SheetPart::kNumber: break;
  }
  return "";
}

}  // namespace vexilor
