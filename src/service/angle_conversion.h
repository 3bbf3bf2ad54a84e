#pragma once
// The two angle commands of the service tools: degrees to grads and grads to
// degrees, each giving the text of the chosen output unit.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vexilor {

// Output units, by the position of their caption in the window's lists.
inline constexpr std::array<std::string_view, 4> kGradsUnitNames{"грады, сграды, ссграды", "грады, сграды", "грады",
                                                                 "радианы"};
inline constexpr std::array<std::string_view, 4> kDegreesUnitNames{"градусы, минуты, секунды", "градусы, минуты",
                                                                   "градусы", "радианы"};

// What both commands say about a source text they refuse.
inline constexpr std::string_view kBadAngleMessage = "Неверное значение угла. Повторите ввод!";

// Angles above this (in the source's unit) are refused; it catches the
// parsers' error values as well.
inline constexpr double kLargestAngle = 990.0;

// The angle of `source` (ParseAngle: "55 30 00", "55 30", "55.5"; blanks
// around it ignored) in grads, as the text of `unit`: 0 grads, centigrads and
// centicentigrads ("  100 00 00.0000"), 1 grads and centigrads, 2 decimal
// grads ("100.00000000"), 3 radians ("1.57079632679"). Empty when the text
// is not an angle, exceeds kLargestAngle, the unit is not one of the four, or
// the result is not a finite number.
std::optional<std::string> ConvertDegreesToGrads(std::string_view source, int unit);

// The angle of `source` (ParseGrads: "100 00 00", "100 00", "100") in
// degrees, as the text of `unit`: 0 degrees, minutes and seconds, 1 degrees
// and minutes, 2 decimal degrees ("90.000000000"), 3 radians. Empty as for
// ConvertDegreesToGrads.
std::optional<std::string> ConvertGradsToDegrees(std::string_view source, int unit);

}  // namespace vexilor
