#include "text/codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "text/utf8.h"

namespace vexilor {
namespace {

// Characters of the bytes 0x80 to 0xFF; the bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> kUpperHalf = {
    // 0x80
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    // 0x90
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    // 0xA0
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    // 0xB0
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    // 0xC0 to 0xFF: А to я in alphabetical order
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

char32_t CharacterOfByte(unsigned char byte) {
  return byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
}

char ByteOfCharacter(char32_t character) {
  if (character < 0x80) return static_cast<char>(character);
  const auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), character);
  if (found == kUpperHalf.end()) return '?';
  return static_cast<char>(0x80 + std::distance(kUpperHalf.begin(), found));
}

}  // namespace

bool IsCp1251Character(char32_t character) {
  return character < 0x80 || std::find(kUpperHalf.begin(), kUpperHalf.end(), character) != kUpperHalf.end();
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) AppendCodePoint(text, CharacterOfByte(static_cast<unsigned char>(byte)));
  return text;
}

std::string Utf8ToCp1251(std::string_view text) {
  std::string bytes(text);
  ToCp1251From(bytes, 0);
  return bytes;
}

void ToCp1251From(std::string& bytes, std::size_t from) {
  // ASCII, most of every results line, is the same bytes in both: nothing
  // moves before the first other byte.
  const auto ascii = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]) < 0x80; };
  std::size_t pos = from;
  // Eight bytes at a time while none of them has its high bit set.
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  for (std::uint64_t eight = 0; pos + sizeof eight <= bytes.size(); pos += sizeof eight) {
    std::memcpy(&eight, bytes.data() + pos, sizeof eight);
    if (eight & kHighBits) break;
  }
  while (pos < bytes.size() && ascii(pos)) ++pos;
  // Each character becomes one byte, so the text written never overtakes
  // the text still to be read.
  std::size_t to = pos;
  while (pos < bytes.size()) bytes[to++] = ascii(pos) ? bytes[pos++] : ByteOfCharacter(DecodeCodePoint(bytes, pos));
  bytes.resize(to);
}

std::string ToUtf8(std::string_view bytes, TextEncoding encoding) {
  return encoding == TextEncoding::kCp1251 ? Cp1251ToUtf8(bytes) : std::string(bytes);
}

}  // namespace vexilor
