#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace vexilor {
namespace {

struct CountCase {
  std::string text;
  std::size_t codePoints;
};

TEST(Utf8Test, CountsCodePointsNotBytes) {
  const CountCase cases[] = {
      {"", 0},
      {"abc", 3},
      {"СК-42", 5},
      {"Преобразование координат", 24},
      {"45\u00B0 30'", 7},
      {"\U0001F30D", 1},             // four-byte sequence
      {"\x80", 1},                   // stray continuation byte
      {"\xD0", 1},                   // sequence cut short at the end
      {"\xD0" "a", 2},               // lead byte followed by a non-continuation
      {"\xC0\xAF", 2},               // overlong form of '/'
      {"\xED\xA0\x80", 3},           // encoded surrogate
      {"\xF4\x90\x80\x80", 4},       // beyond U+10FFFF
  };
  for (const CountCase& c : cases) EXPECT_EQ(CodePointCount(c.text), c.codePoints) << c.text;
}

TEST(Utf8Test, MalformedBytesDecodeAsReplacement) {
  const std::string texts[] = {"\x80", "\xC0\xAF", "\xED\xA0\x80", "\xFF"};
  for (const std::string& text : texts) {
    std::size_t pos = 0;
    EXPECT_EQ(DecodeCodePoint(text, pos), kReplacementCharacter);
    EXPECT_EQ(pos, 1u);
  }
}

TEST(Utf8Test, EncodeThenDecodeGivesEveryScalarValueBack) {
  for (char32_t codePoint = 0; codePoint <= 0x10FFFF; codePoint += (codePoint < 0x800 ? 1 : 97)) {
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) continue;
    std::string text;
    AppendCodePoint(text, codePoint);
    std::size_t pos = 0;
    ASSERT_EQ(DecodeCodePoint(text, pos), codePoint);
    ASSERT_EQ(pos, text.size());
  }
}

TEST(Utf8Test, SurrogatesAndOutOfRangeAreEncodedAsReplacement) {
  for (const char32_t bad : {char32_t{0xD800}, char32_t{0xDFFF}, char32_t{0x110000}}) {
    std::string text;
    AppendCodePoint(text, bad);
    std::size_t pos = 0;
    EXPECT_EQ(DecodeCodePoint(text, pos), kReplacementCharacter);
  }
}

struct SliceCase {
  std::string text;
  std::size_t count;
  std::string first;
  std::string last;
};

TEST(Utf8Test, SlicesByCodePoints) {
  const SliceCase cases[] = {
      {"Координаты", 3, "Коо", "аты"},
      {"C:\\Данные", 4, "C:\\Д", "нные"},
      {"ab", 5, "ab", "ab"},
      {"ab", 0, "", ""},
      {"", 2, "", ""},
  };
  for (const SliceCase& c : cases) {
    EXPECT_EQ(FirstCodePoints(c.text, c.count), c.first) << c.text;
    EXPECT_EQ(LastCodePoints(c.text, c.count), c.last) << c.text;
  }
}

TEST(Utf8Test, WellFormedUtf8IsToldFromOtherBytes) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},           {"plain", true},        {"Пункт;Широта", true}, {"\uFFFD", true},
      {"\xCF\xF3\xED\xEA\xF2", false},  // "Пункт" in Windows-1251
      {"\xD0", false},      {"a\x80", false},       {"\xC0\xAF", false},
  };
  for (const auto& [bytes, wellFormed] : cases) EXPECT_EQ(IsWellFormedUtf8(bytes), wellFormed) << bytes;
}

}  // namespace
}  // namespace vexilor
