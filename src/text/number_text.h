#pragma once
// Whether a typed text is a number.
//
// The user always types "." as the decimal separator. The numeric test of
// the C library's LC_NUMERIC locale may expect another separator; IsNumberText
// bridges the two. The locale is passed in so that the behaviour under any
// locale can be exercised without changing the process locale.

#include <optional>
#include <string>
#include <string_view>

namespace vexilor {

// The part of a numeric locale the numeric test depends on.
struct NumericLocale {
  std::string decimalPoint = ".";
};

// The decimal separator of the C library's current LC_NUMERIC locale
// (localeconv); "." when the library reports none.
NumericLocale CurrentNumericLocale();

// The locale-aware numeric test: optional blanks, an optional sign, decimal
// digits with at most one locale separator, an optional exponent, optional
// blanks, and a value within double range. An empty or all-blank text,
// "nan", "inf", hexadecimal forms, thousands separators and "1e999" are not
// numbers.
bool IsLocaleNumber(std::string_view text, const NumericLocale& locale);

// True when `text` is a number written with "." as the decimal separator.
// Under a locale whose separator is not ".", a text holding that separator
// is no number (ReadNumber would stop at it), and the first "." of the text
// is replaced by the locale's separator before the locale test; the
// caller's text is never changed. Read the value with ReadNumber.
bool IsNumberText(std::string_view text, const NumericLocale& locale = CurrentNumericLocale());

// The value ReadNumber gives a text that IsNumberText accepts; empty for any
// other text. Under the "." locale the test has read the value already, and
// a reader of many numbers (a file run) takes it from there.
std::optional<double> NumberOfText(std::string_view text, const NumericLocale& locale = CurrentNumericLocale());

}  // namespace vexilor
