#include "text/utf8.h"

#include <algorithm>

namespace vexilor {
namespace {

struct SequenceForm {
  std::size_t length;   // bytes in the sequence
  char32_t leadBits;   // payload of the lead byte
  char32_t smallest;    // smallest code point this length may carry
};

// Form announced by a lead byte; length 0 when the byte cannot lead.
SequenceForm FormOfLead(unsigned char lead) {
  if ((lead & 0xE0U) == 0xC0U) return {2, lead & 0x1FU, 0x80};
  if ((lead & 0xF0U) == 0xE0U) return {3, lead & 0x0FU, 0x800};
  if ((lead & 0xF8U) == 0xF0U) return {4, lead & 0x07U, 0x10000};
  return {0, 0, 0};
}

bool IsSurrogate(char32_t codePoint) { return codePoint >= 0xD800 && codePoint <= 0xDFFF; }

bool IsScalarValue(char32_t codePoint) {
  return codePoint <= 0x10FFFF && !IsSurrogate(codePoint);
}

// Byte offset just past the first `count` code points.
std::size_t OffsetAfter(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < count && pos < text.size(); ++i) DecodeCodePoint(text, pos);
  return pos;
}

}  // namespace

char32_t DecodeCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  const SequenceForm form = FormOfLead(lead);
  if (form.length == 0 || text.size() - pos < form.length) {
    ++pos;
    return kReplacementCharacter;
  }
  char32_t codePoint = form.leadBits;
  for (std::size_t i = 1; i < form.length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0U) != 0x80U) {
      ++pos;
      return kReplacementCharacter;
    }
    codePoint = (codePoint << 6) | (next & 0x3FU);
  }
  if (codePoint < form.smallest || !IsScalarValue(codePoint)) {
    ++pos;
    return kReplacementCharacter;
  }
  pos += form.length;
  return codePoint;
}

void AppendCodePoint(std::string& text, char32_t codePoint) {
  if (!IsScalarValue(codePoint)) codePoint = kReplacementCharacter;
  const auto byte = [&text](char32_t bits) { text.push_back(static_cast<char>(bits)); };
  if (codePoint < 0x80) {
    byte(codePoint);
  } else if (codePoint < 0x800) {
    byte(0xC0 | (codePoint >> 6));
    byte(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    byte(0xE0 | (codePoint >> 12));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  } else {
    byte(0xF0 | (codePoint >> 18));
    byte(0x80 | ((codePoint >> 12) & 0x3F));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  }
}

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    // A replacement character read from one byte stands for a malformed one.
    if (DecodeCodePoint(text, pos) == kReplacementCharacter && pos == start + 1) return false;
  }
  return true;
}

std::size_t CodePointCount(std::string_view text) {
  // ASCII, every number and most names, is one byte a code point.
  const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  if (std::all_of(text.begin(), text.end(), ascii)) return text.size();
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) DecodeCodePoint(text, pos);
  return count;
}

std::string_view FirstCodePoints(std::string_view text, std::size_t count) {
  return text.substr(0, OffsetAfter(text, count));
}

std::string_view LastCodePoints(std::string_view text, std::size_t count) {
  const std::size_t total = CodePointCount(text);
  if (count >= total) return text;
  return text.substr(OffsetAfter(text, total - count));
}

}  // namespace vexilor
