#include "text/text_case.h"

#include "text/utf8.h"

namespace vexilor {
namespace {

char32_t UpperLetter(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - (U'a' - U'A');
  if (c >= U'а' && c <= U'я') return c - (U'а' - U'А');
  if (c >= U'ѐ' && c <= U'џ') return c - (U'ѐ' - U'Ѐ');  // ё, ђ .. џ
  if (c == U'ґ') return U'Ґ';
  return c;
}

}  // namespace

std::string UpperCase(std::string_view text) {
  std::string upper;
  upper.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const char32_t c = DecodeCodePoint(text, pos);
    if (c == kReplacementCharacter) {
      upper.append(text.substr(start, pos - start));  // keep bytes that are not UTF-8 as they are
    } else {
      AppendCodePoint(upper, UpperLetter(c));
    }
  }
  return upper;
}

}  // namespace vexilor
