#pragma once
// UTF-8 text taken code point by code point.
//
// Text lives in memory as UTF-8. Every rule of the program that counts
// characters (widths, padding, length limits) counts code points through
// CodePointCount, so a Cyrillic letter counts once although it takes two bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace vexilor {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Decodes the code point that starts at byte `pos` (pos < text.size()) and
// moves `pos` past it. A byte that does not start a well-formed sequence
// (stray continuation byte, overlong form, surrogate, value above U+10FFFF,
// sequence cut short) reads as U+FFFD and is skipped alone, so any byte
// string is walked to its end.
char32_t DecodeCodePoint(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of `code_point`; a surrogate or a value above
// U+10FFFF is appended as U+FFFD.
void AppendCodePoint(std::string& text, char32_t codePoint);

// Whether every byte of `text` belongs to a well-formed sequence.
bool IsWellFormedUtf8(std::string_view text);

// Number of code points, as DecodeCodePoint walks them.
std::size_t CodePointCount(std::string_view text);

// The first / last `count` code points of `text` (all of it when shorter).
std::string_view FirstCodePoints(std::string_view text, std::size_t count);
std::string_view LastCodePoints(std::string_view text, std::size_t count);

}  // namespace vexilor
