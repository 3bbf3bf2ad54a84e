#include "refdata/new_system.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "text/codepage.h"
#include "text/mask_format.h"
#include "text/text_case.h"
#include "text/utf8.h"
#include "text/words.h"
#include "refdata/coord_system_record.h"

namespace vexilor {
namespace {

std::vector<std::string> AllWords(std::string_view text) {
  return SplitWords(text, std::numeric_limits<int>::max());
}

bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::string CollapsedName(std::string_view text) {
  const std::vector<std::string> words = AllWords(text);
  return JoinWords(words, 0, words.size());
}

std::size_t WordCount(std::string_view name) { return AllWords(name).size(); }

std::optional<char32_t> FirstUnwritableCharacter(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = DecodeCodePoint(text, pos);
    if (IsControlCharacter(c) || !IsCp1251Character(c)) return c;
  }
  return std::nullopt;
}

bool HasSystemNamed(const SystemLines& systems, std::string_view name) {
  const std::string wanted = CollapsedName(name);
  return std::any_of(systems.begin(), systems.end(), [&](const std::string& line) {
    CoordSystem system;
    return ParseSystemLine(line, system) == RecordError::kNone && system.name == wanted;
  });
}

std::optional<Ellipsoid> FindEllipsoidNamed(const EllipsoidLines& ellipsoids, std::string_view name,
                                            LetterCase letterCase) {
  const auto comparable = [letterCase](std::string text) {
    return letterCase == LetterCase::kIgnored ? UpperCase(text) : text;
  };
  const std::string wanted = comparable(CollapsedName(name));
  for (const std::string& line : ellipsoids) {
    Ellipsoid ellipsoid;
    if (ParseEllipsoidLine(line, ellipsoid) == RecordError::kNone && comparable(ellipsoid.name) == wanted) {
      return ellipsoid;
    }
  }
  return std::nullopt;
}

bool HasGeometry(const Ellipsoid& ellipsoid, double a, double invf) {
  return FormatWithMask(ellipsoid.a, kSemiMajorAxisMask) == FormatWithMask(a, kSemiMajorAxisMask) &&
         FormatWithMask(ellipsoid.invf, kInverseFlatteningMask) == FormatWithMask(invf, kInverseFlatteningMask);
}

EllipsoidNumbering NextEllipsoidNumber(const EllipsoidLines& ellipsoids, std::int16_t largestInUse,
                                       std::int16_t& number) {
  if (ellipsoids.Count() == ReferenceLines::kMaxCount) return EllipsoidNumbering::kFull;
  std::int16_t largest = std::max<std::int16_t>(largestInUse, 0);
  for (const std::string& line : ellipsoids) {
    Ellipsoid ellipsoid;
    if (ParseEllipsoidLine(line, ellipsoid) != RecordError::kNone) return EllipsoidNumbering::kBadFile;
    largest = std::max(largest, ellipsoid.number);
  }
  if (largest == std::numeric_limits<std::int16_t>::max()) return EllipsoidNumbering::kFull;
  number = static_cast<std::int16_t>(largest + 1);
  return EllipsoidNumbering::kNumbered;
}

}  // namespace vexilor
