#include "service/english_length.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "text/mask_format.h"
#include "text/number_text.h"
#include "text/words.h"

namespace vexilor {
namespace {

constexpr double kInch = 0.0254;  // metres, exactly by definition
constexpr double kFoot = 12 * kInch;
constexpr double kYard = 36 * kInch;

// A combination as typed: the inches in one of each word's unit, and the
// bound below which a word after the first must stay (0: none).
struct TypedUnits {
  std::vector<double> inches;
  std::vector<double> below;
};

// A combination as shown: the last column's unit in metres, its decimals and
// mask, and the whole columns before it in last-column units.
struct ShownUnits {
  double metres;
  int decimals;
  std::string_view mask;
  std::vector<std::int64_t> columns;
};

TypedUnits Typed(EnglishUnits units) {
  switch (units) {
    case EnglishUnits::kYardsFeetInches: return {{36, 12, 1}, {0, 3, 12}};
    case EnglishUnits::kYardsFeet: return {{36, 12}, {0, 3}};
    case EnglishUnits::kYards: return {{36}, {0}};
    case EnglishUnits::kFeetInches: return {{12, 1}, {0, 12}};
    case EnglishUnits::kFeet: break;
  }
  return {{12}, {0}};
}

ShownUnits Shown(EnglishUnits units) {
  switch (units) {
    case EnglishUnits::kYardsFeetInches: return {kInch, 2, "0.00", {36, 12}};
    case EnglishUnits::kYardsFeet: return {kFoot, 3, "0.000", {3}};
    case EnglishUnits::kYards: return {kYard, 4, "0.0000", {}};
    case EnglishUnits::kFeetInches: return {kInch, 2, "0.00", {12}};
    case EnglishUnits::kFeet: break;
  }
  return {kFoot, 3, "0.000", {}};
}

bool WithinReach(double metres) { return std::fabs(metres) <= kLongestLength; }

std::int64_t PowerOfTen(int exponent) {
  std::int64_t power = 1;
  for (int k = 0; k < exponent; ++k) power *= 10;
  return power;
}

}  // namespace

std::optional<EnglishUnits> EnglishUnitsAt(int index) {
  if (index < 0 || index >= static_cast<int>(kEnglishUnitNames.size())) return std::nullopt;
  return static_cast<EnglishUnits>(index);
}

std::optional<double> EnglishToMetres(std::string_view text, EnglishUnits units) {
  const TypedUnits typed = Typed(units);
  const std::vector<std::string> words = SplitWords(text, static_cast<int>(typed.inches.size()));
  if (words.size() != typed.inches.size()) return std::nullopt;
  double inches = 0.0;
  for (std::size_t k = 0; k < words.size(); ++k) {
    const std::optional<double> value = NumberOfText(words[k]);
    if (!value) return std::nullopt;
    if (k > 0 && !(*value >= 0.0 && *value < typed.below[k])) return std::nullopt;
    // The first word carries the sign of the whole length.
    inches += (words.size() > 1 && k == 0 ? std::fabs(*value) : *value) * typed.inches[k];
  }
  if (words.size() > 1 && words[0].front() == '-') inches = -inches;
  const double metres = inches * kInch;
  if (!WithinReach(metres)) return std::nullopt;
  return metres;
}

std::optional<std::string> MetresToEnglish(std::string_view text, EnglishUnits units) {
  const std::optional<double> metres = NumberOfText(text);
  if (!metres || !WithinReach(*metres)) return std::nullopt;
  const ShownUnits shown = Shown(units);
  const std::int64_t perUnit = PowerOfTen(shown.decimals);
  const std::optional<std::int64_t> total = RoundedUnits(std::fabs(*metres) / shown.metres, shown.decimals);
  if (!total) return std::nullopt;
  std::int64_t rest = *total;
  std::string columns;
  for (const std::int64_t column : shown.columns) {
    const std::int64_t size = column * perUnit;
    columns += " " + std::to_string(rest / size) + "   ";
    rest %= size;
  }
  columns += FormatWithMask(static_cast<double>(rest) / static_cast<double>(perUnit), shown.mask);
  if (*metres < 0 && *total != 0) {
    // The "-" takes the sign's place of the first whole column, so that
    // the text reads back with the sign on its first word ("-1    0   3.37").
    if (columns.front() == ' ') {
      columns.front() = '-';
    } else {
      columns.insert(0, "-");
    }
  }
  return columns;
}

std::optional<std::string> ConvertEnglishToMetres(std::string_view source, int combination) {
  const std::optional<EnglishUnits> units = EnglishUnitsAt(combination);
  if (!units) return std::nullopt;
  const std::optional<double> metres = EnglishToMetres(source, *units);
  if (!metres) return std::nullopt;
  return FormatWithMask(*metres, "0.0000");
}

std::optional<std::string> ConvertMetresToEnglish(std::string_view source, int combination) {
  const std::optional<EnglishUnits> units = EnglishUnitsAt(combination);
  if (!units) return std::nullopt;
  return MetresToEnglish(source, *units);
}

}  // namespace vexilor
