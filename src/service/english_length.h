#pragma once
// Lengths between metres and the English yard, foot and inch
// (inch = 0.0254 m exactly, foot = 12 inches, yard = 36 inches), in five
// combinations of units.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vexilor {

// Combinations, by the position of their caption in the window's lists.
enum class EnglishUnits { kYardsFeetInches = 0, kYardsFeet = 1, kYards = 2, kFeetInches = 3, kFeet = 4 };
inline constexpr std::array<std::string_view, 5> kEnglishUnitNames{"ярды, футы, дюймы", "ярды, футы", "ярды",
                                                                   "футы, дюймы", "футы"};

// What both commands say about a source text they refuse.
inline constexpr std::string_view kBadLengthMessage = "Ошибка ввода исходного расстояния. Повторите ввод!";

// Lengths beyond this many metres either way are refused as typing errors.
inline constexpr double kLongestLength = 1e8;

// The combination of a list position; empty outside the five.
std::optional<EnglishUnits> EnglishUnitsAt(int index);

// Metres of `text`, blank-separated words of the combination's units in
// order ("1 2 6" yards, feet, inches is 1.6764 m), each word passing
// IsNumberText. Feet below a yard lie in [0, 3) and inches below a foot in
// [0, 12); a "-" that starts the first word makes the whole length negative
// when there are several words. Empty for a wrong word count, a refused
// word, or a length beyond kLongestLength.
std::optional<double> EnglishToMetres(std::string_view text, EnglishUnits units);

// `text`, a number of metres, in the combination's units: whole yards and
// feet each written after a blank (the sign's place), three blanks between
// columns, the last unit with its decimals — inches "0.00", feet "0.000",
// yards "0.0000": 1 m in yards, feet and inches is " 1    0   3.37". The
// length is rounded to the last column's decimals before it is split, so a
// column never shows a full next unit (0.3047 m is " 0    1   0.00", not
// 12.00 inches). A negative length that does not round to zero has its "-"
// in the sign's place of the first column ("-1    0   3.37", "-1.000"), so
// that EnglishToMetres reads every text shown back to the length. Empty when
// the text is not a number or the length is beyond kLongestLength.
std::optional<std::string> MetresToEnglish(std::string_view text, EnglishUnits units);

// The English to metric command: metres of `source` with four decimals
// ("1.6764"); empty when EnglishToMetres refuses it or the combination index
// is not one of the five.
std::optional<std::string> ConvertEnglishToMetres(std::string_view source, int combination);

// The metric to English command: MetresToEnglish of `source`; empty when it
// refuses it or the combination index is not one of the five.
std::optional<std::string> ConvertMetresToEnglish(std::string_view source, int combination);

}  // namespace vexilor
