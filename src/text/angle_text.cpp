#include "text/angle_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "text/mask_format.h"
#include "text/number_reader.h"
#include "text/numeric.h"

namespace vexilor {
namespace {

constexpr int kMaxSecondDecimals = 6;
constexpr int kMaxMinuteDecimals = 8;

// ---- reading ----

// Value of a piece that passes the numeric test.
std::optional<double> PieceValue(std::string_view piece, const NumericLocale& locale) {
  if (!IsNumberText(piece, locale)) return std::nullopt;
  return ReadNumber(piece);
}

// Minutes or seconds: a number in [0, 60).
std::optional<double> SixtiethsValue(std::string_view piece, const NumericLocale& locale) {
  const std::optional<double> value = PieceValue(piece, locale);
  if (!value || *value < 0.0 || *value >= 60.0) return std::nullopt;
  return value;
}

// The text up to and including its first blank, or all of it.
std::string_view UpToBlank(std::string_view text, std::size_t blank) {
  return blank == std::string_view::npos ? text : text.substr(0, blank + 1);
}

// ---- formatting ----

// Whole parts of an angle: degrees, minutes, seconds (layout 1 only) and the
// decimal places of the last part as an integer of `decimals` digits.
struct AngleParts {
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;
  std::int32_t fraction = 0;
};

std::int32_t PowerOfTen(int exponent) {
  std::int32_t power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

// A remainder this close to 60 (half a unit of the place after the last
// shown one) is a full 60 and carries.
bool IsNearSixty(double value, int decimals) {
  return std::fabs(60.0 - value) <= 5.0 / PowerOfTen(decimals + 1);
}

// Decimal places of `value` as an integer of `decimals` digits, rounded;
// it may come out as 10^decimals, which the caller carries.
std::int32_t FractionDigits(double value, int decimals) {
  return static_cast<std::int32_t>(Int(PowerOfTen(decimals) * (value - Int(value)) + 0.5));
}

void CarryMinutes(AngleParts& parts) {
  if (parts.minutes == 60) {
    parts.minutes = 0;
    ++parts.degrees;
  }
}

// a in [0, 360).
AngleParts DegreesMinutesSeconds(double a, int decimals) {
  AngleParts parts;
  parts.degrees = static_cast<int>(Int(a));
  parts.minutes = static_cast<int>(Int((a - parts.degrees) * 60.0));
  CarryMinutes(parts);
  double seconds = ((a - parts.degrees) - parts.minutes / 60.0) * 3600.0;
  if (IsNearSixty(seconds, decimals)) {
    seconds = 0.0;
    ++parts.minutes;
    CarryMinutes(parts);
  }
  parts.seconds = static_cast<int>(Int(seconds));
  parts.fraction = FractionDigits(seconds, decimals);
  if (parts.fraction == PowerOfTen(decimals)) {
    parts.fraction = 0;
    if (++parts.seconds == 60) {
      parts.seconds = 0;
      ++parts.minutes;
    }
  }
  CarryMinutes(parts);
  return parts;
}

// a in [0, 360).
AngleParts DegreesMinutes(double a, int decimals) {
  AngleParts parts;
  parts.degrees = static_cast<int>(Int(a));
  double minutes = (a - parts.degrees) * 60.0;
  if (IsNearSixty(minutes, decimals)) {
    minutes = 0.0;
    ++parts.degrees;
  }
  parts.minutes = static_cast<int>(Int(minutes));
  parts.fraction = FractionDigits(minutes, decimals);
  if (parts.fraction == PowerOfTen(decimals)) {
    parts.fraction = 0;
    ++parts.minutes;
    CarryMinutes(parts);
  }
  return parts;
}

bool IsAllZero(const AngleParts& parts) {
  return parts.degrees == 0 && parts.minutes == 0 && parts.seconds == 0 && parts.fraction == 0;
}

// Blanks in front so that the degrees of a column of angles line up.
std::string LeadingBlanks(double angle, int degrees) {
  const int widthOfDegrees = degrees < 10 ? 1 : (degrees < 100 ? 2 : 3);
  const int blanks = 4 - widthOfDegrees - (angle < 0 ? 1 : 0);
  return std::string(static_cast<std::size_t>(blanks), ' ');
}

std::string TwoDigits(int value) { return FormatWithMask(value, "##00"); }

std::string FractionText(std::int32_t fraction, int decimals) {
  const auto places = static_cast<std::size_t>(decimals);
  return FormatWithMask(fraction, std::string(places, '#') + std::string(places, '0'));
}

std::string PartsText(const AngleParts& parts, int decimals, bool withSeconds, bool withSymbols) {
  const std::string degreeMark = withSymbols ? "\u00B0 " : " ";
  std::string text = std::to_string(parts.degrees) + degreeMark + TwoDigits(parts.minutes);
  if (withSeconds) {
    text += (withSymbols ? "' " : " ") + TwoDigits(parts.seconds);
    text += "." + FractionText(parts.fraction, decimals) + (withSymbols ? "\"" : "");
  } else {
    text += "." + FractionText(parts.fraction, decimals) + (withSymbols ? "'" : "");
  }
  return text;
}

}  // namespace

double ParseAngle(std::string_view text, const NumericLocale& locale) {
  if (text.empty()) return kAngleParseError;
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return PieceValue(text, locale).value_or(kAngleParseError);

  const std::string_view degreesPiece = UpToBlank(text, blank);
  const std::optional<double> degrees = PieceValue(degreesPiece, locale);
  if (!degrees) return kAngleParseError;
  const double sign = degreesPiece.find('-') != std::string_view::npos ? -1.0 : 1.0;

  const std::string_view rest = text.substr(blank + 1);
  const std::size_t secondBlank = rest.find(' ');
  const std::optional<double> minutes = SixtiethsValue(UpToBlank(rest, secondBlank), locale);
  if (!minutes) return kAngleParseError;
  std::optional<double> seconds = 0.0;
  if (secondBlank != std::string_view::npos) seconds = SixtiethsValue(rest.substr(secondBlank + 1), locale);
  if (!seconds) return kAngleParseError;
  return sign * (std::fabs(*degrees) + *minutes / 60.0 + *seconds / 3600.0);
}

std::string FormatAngle(double angle, int decimals, int layout, int symbols) {
  if (!std::isfinite(angle)) return NonFiniteText(angle);
  const bool withSeconds = layout == kAngleLayoutDms;
  const int places = std::clamp(decimals, 1, withSeconds ? kMaxSecondDecimals : kMaxMinuteDecimals);
  // fmod is exact and stays in [0, 360) where |angle| - Int(|angle| / 360) * 360
  // can fall just below 0 when the quotient rounds up to a whole number.
  const double a = std::fmod(std::fabs(angle), 360.0);
  AngleParts parts = withSeconds ? DegreesMinutesSeconds(a, places) : DegreesMinutes(a, places);
  if (parts.degrees == 360) parts.degrees = 0;
  const std::string signMark = (angle < 0 && !IsAllZero(parts)) ? "-" : " ";
  return LeadingBlanks(angle, parts.degrees) + signMark +
         PartsText(parts, places, withSeconds, symbols == kAngleWithSymbols);
}

}  // namespace vexilor
