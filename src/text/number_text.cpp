#include "text/number_text.h"

#include <clocale>

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

bool IsLocaleNumber(std::string_view text, const NumericLocale& locale) {
  const std::string_view number = TrimBlanks(text);
  if (number.empty() || DecimalNumberLength(number, locale.decimalPoint) != number.size()) return false;
  return DecimalNumberValue(number, locale.decimalPoint).has_value();
}

bool IsNumberText(std::string_view text, const NumericLocale& locale) {
  // ReadNumber takes "." only: a text with the locale's own separator ("12,5"
  // under a Russian locale) would read as 12, a wrong value taken silently.
  if (locale.decimalPoint != "." && text.find(locale.decimalPoint) != std::string_view::npos) return false;
  if (locale.decimalPoint == ".") return IsLocaleNumber(text, locale);
  return IsLocaleNumber(ReplaceFirstChar(text, ".", locale.decimalPoint), locale);
}

}  // namespace vexilor
