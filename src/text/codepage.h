#pragma once
// Windows-1251, the code page of every file the program reads and writes,
// and UTF-8, the form of text in memory. Conversion happens at the file
// boundary only.

#include <string>
#include <string_view>

namespace vexilor {

// Windows-1251 bytes to UTF-8. Every byte has a character: 0x98, unassigned
// in the code page, reads as U+0098 so that any byte string converts back
// unchanged.
std::string Cp1251ToUtf8(std::string_view bytes);

// Whether Windows-1251 has a byte for `character`.
bool IsCp1251Character(char32_t character);

// The two encodings of the text files the program reads and writes.
enum class TextEncoding { kCp1251, kUtf8 };

// Bytes in `encoding` as UTF-8; UTF-8 passes unchanged.
std::string ToUtf8(std::string_view bytes, TextEncoding encoding);

// UTF-8 to Windows-1251 bytes. A character the code page lacks, and each
// byte of malformed UTF-8, is written as '?'.
std::string Utf8ToCp1251(std::string_view text);

// The same in place, for the UTF-8 text of `bytes` from `from` on: a
// results line is converted where it was composed.
void ToCp1251From(std::string& bytes, std::size_t from);

}  // namespace vexilor
