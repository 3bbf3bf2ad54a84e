#include "text/number_text.h"

#include <clocale>

#include "text/number_reader.h"
#include "text/number_scan.h"
#include "text/text_edit.h"

namespace vexilor {

NumericLocale CurrentNumericLocale() {
  const std::lconv* conventions = std::localeconv();
  if (conventions == nullptr || conventions->decimal_point == nullptr ||
      *conventions->decimal_point == '\0')
    return {};
  return {conventions->decimal_point};
}

namespace {

// The value of a text that passes the locale test, else empty.
std::optional<double> LocaleNumberValue(std::string_view text, const NumericLocale& locale) {
  const std::string_view number = TrimBlanks(text);
  if (number.empty() || DecimalNumberLength(number, locale.decimalPoint) != number.size()) return std::nullopt;
  return DecimalNumberValue(number, locale.decimalPoint);
}

}  // namespace

bool IsLocaleNumber(std::string_view text, const NumericLocale& locale) {
  return LocaleNumberValue(text, locale).has_value();
}

bool IsNumberText(std::string_view text, const NumericLocale& locale) {
  // ReadNumber takes "." only: a text with the locale's own separator ("12,5"
  // under a Russian locale) would read as 12, a wrong value taken silently.
  if (locale.decimalPoint == ".") return IsLocaleNumber(text, locale);
  if (text.find(locale.decimalPoint) != std::string_view::npos) return false;
  return IsLocaleNumber(ReplaceFirstChar(text, ".", locale.decimalPoint), locale);
}

std::optional<double> NumberOfText(std::string_view text, const NumericLocale& locale) {
  if (locale.decimalPoint == ".") return LocaleNumberValue(text, locale);
  return IsNumberText(text, locale) ? ReadNumber(text) : std::nullopt;
}

}  // namespace vexilor
