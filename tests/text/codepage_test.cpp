#include "text/codepage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/utf8.h"

namespace vexilor {
namespace {

TEST(CodepageTest, RussianTextSurvivesTheRoundTripOneBytePerLetter) {
  const std::string texts[] = {"Преобразование координат", "СК-42", "ПЗ-90", "№", "Ё", "ёж",
                               "Вычисления успешно выполнены!", "45\u00B0 30' 15.5\"", "plain ASCII",
                               // the first letter at and past a stretch of eight ASCII bytes
                               "1234567Ж", "12345678Ж", "point 12345678.123 СК-95 ok"};
  for (const std::string& text : texts) {
    const std::string bytes = Utf8ToCp1251(text);
    EXPECT_EQ(bytes.size(), CodePointCount(text)) << text;
    EXPECT_EQ(Cp1251ToUtf8(bytes), text);
  }
}

struct ByteCase {
  std::string character;
  unsigned char byte;
};

TEST(CodepageTest, LettersAndSignsHaveTheirCodePageBytes) {
  const ByteCase cases[] = {
      {"А", 0xC0}, {"Я", 0xDF}, {"а", 0xE0}, {"я", 0xFF}, {"Ё", 0xA8}, {"ё", 0xB8},
      {"№", 0xB9}, {"\u00B0", 0xB0}, {"€", 0x88}, {"—", 0x97}, {"Ў", 0xA1}, {"\u00A0", 0xA0},
  };
  for (const ByteCase& c : cases) {
    EXPECT_EQ(Utf8ToCp1251(c.character), std::string(1, static_cast<char>(c.byte))) << c.character;
    EXPECT_EQ(Cp1251ToUtf8(std::string(1, static_cast<char>(c.byte))), c.character);
  }
}

TEST(CodepageTest, EveryByteHasItsOwnCharacterAndComesBack) {
  std::set<std::string> characters;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string bytes(1, static_cast<char>(byte));
    const std::string text = Cp1251ToUtf8(bytes);
    EXPECT_EQ(CodePointCount(text), 1u) << byte;
    EXPECT_EQ(Utf8ToCp1251(text), bytes) << byte;
    characters.insert(text);
  }
  EXPECT_EQ(characters.size(), 256u);
}

TEST(CodepageTest, UnrepresentableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a\u00E4b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("中文"), "??");
  EXPECT_EQ(Utf8ToCp1251("\U0001F30D"), "?");
  EXPECT_EQ(Utf8ToCp1251("x\xFF\xC0\xAFy"), "x???y");
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");
}

TEST(CodepageTest, HoldsExactlyTheCharactersOfItsBytes) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string text = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
    std::size_t pos = 0;
    EXPECT_TRUE(IsCp1251Character(DecodeCodePoint(text, pos))) << byte;
  }
  for (const char32_t missing : {U'\u00E4', U'中', U'\U0001F30D', U'\u0099', kReplacementCharacter}) {
    EXPECT_FALSE(IsCp1251Character(missing)) << static_cast<unsigned>(missing);
  }
}

}  // namespace
}  // namespace vexilor
