#pragma once
// Words and columns shared by the records of sys.dat and ellips.dat.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

// Word capacity of a record line: a line of more words counts as a line of
// no words and is a bad record.
inline constexpr int kRecordWordCapacity = 40;
// The wider capacity used only to list the catalogue names when sys.dat is
// loaded.
inline constexpr int kListingWordCapacity = 50;

// Why a record line was refused.
enum class RecordError : std::int16_t {
  kNone = 0,
  kTooFewWords = 1,  // the file's bad record (too many words included)
  kBadNumber = 2,    // a number too large for a double, or a key outside 16 bits
};

// Words first..first+count-1 (0-based) joined by single blanks: the form in
// which names are compared and shown.
std::string JoinWords(const std::vector<std::string>& words, std::size_t first, std::size_t count);

// The plain numeric reader applied to one word (a word that is not a number
// reads 0). False, `out` untouched, when the value is too large for a double.
bool ReadRecordDouble(std::string_view word, double& out);
// The same, rounded to the nearest integer (a half to the even neighbour).
// False, `out` untouched, when the value does not fit 16 bits.
bool ReadRecordInt16(std::string_view word, std::int16_t& out);

// A written column: `text` left-aligned and padded with blanks to `width`
// code points; a text that fills or exceeds the width is written whole and
// followed by one blank, so that it stays a word of its own.
std::string RecordColumn(std::string text, int width);

}  // namespace vexilor
