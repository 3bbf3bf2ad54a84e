#pragma once
// Small edits of a text: trimming, replacing one character, padding.
// Lengths are counted in code points (see utf8.h).

#include <string>
#include <string_view>

namespace vexilor {

// `text` without its leading and trailing blanks (spaces only).
std::string_view TrimBlanks(std::string_view text);

// If `find` (one character, of any UTF-8 length) occurs in `text`, the text
// before its first occurrence, then `replacement`, then the text after it;
// otherwise `text` unchanged. An empty `find` changes nothing.
std::string ReplaceFirstChar(std::string_view text, std::string_view find, std::string_view replacement);

// `text` with blanks appended (PadRight) or prepended (PadLeft) until it is
// `width` code points long. A text already at or above the width comes back
// unchanged, never cut. The padded text is the result; the caller stores it.
[[nodiscard]] std::string PadRight(std::string text, int width);
[[nodiscard]] std::string PadLeft(std::string text, int width);

}  // namespace vexilor
