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

constexpr int kMaxSubpartDecimals = 6;  // seconds, centicentigrads
constexpr int kMaxPartDecimals = 8;     // minutes, centigrads

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

// Whole parts of an angle: units, parts, subparts (AngleColumns::DegMinSec only) and the
// decimal places of the last column as an integer of `decimals` digits.
struct AngleParts {
  int units = 0;
  int parts = 0;
  int subparts = 0;
  std::int32_t fraction = 0;
};

std::int32_t PowerOfTen(int exponent) {
  std::int32_t power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

// A remainder this close to a whole column (half a unit of the place after
// the last shown one) is whole and carries.
bool IsNearWhole(double value, int whole, int decimals) {
  return std::fabs(whole - value) <= 5.0 / PowerOfTen(decimals + 1);
}

// Decimal places of `value` as an integer of `decimals` digits, rounded;
// it may come out as 10^decimals, which the caller carries.
std::int32_t FractionDigits(double value, int decimals) {
  return static_cast<std::int32_t>(Int(PowerOfTen(decimals) * (value - Int(value)) + 0.5));
}

void CarryParts(AngleParts& angle, int parts) {
  if (angle.parts == parts) {
    angle.parts = 0;
    ++angle.units;
  }
}

// a in [0, circle).
AngleParts UnitsPartsSubparts(double a, int decimals, int parts) {
  AngleParts angle;
  angle.units = static_cast<int>(Int(a));
  angle.parts = static_cast<int>(Int((a - angle.units) * parts));
  CarryParts(angle, parts);
  double subparts = ((a - angle.units) - static_cast<double>(angle.parts) / parts) * (parts * parts);
  if (IsNearWhole(subparts, parts, decimals)) {
    subparts = 0.0;
    ++angle.parts;
    CarryParts(angle, parts);
  }
  angle.subparts = static_cast<int>(Int(subparts));
  angle.fraction = FractionDigits(subparts, decimals);
  if (angle.fraction == PowerOfTen(decimals)) {
    angle.fraction = 0;
    if (++angle.subparts == parts) {
      angle.subparts = 0;
      ++angle.parts;
    }
  }
  CarryParts(angle, parts);
  return angle;
}

// a in [0, circle).
AngleParts UnitsParts(double a, int decimals, int parts) {
  AngleParts angle;
  angle.units = static_cast<int>(Int(a));
  double partsValue = (a - angle.units) * parts;
  if (IsNearWhole(partsValue, parts, decimals)) {
    partsValue = 0.0;
    ++angle.units;
  }
  angle.parts = static_cast<int>(Int(partsValue));
  angle.fraction = FractionDigits(partsValue, decimals);
  if (angle.fraction == PowerOfTen(decimals)) {
    angle.fraction = 0;
    ++angle.parts;
    CarryParts(angle, parts);
  }
  return angle;
}

bool IsAllZero(const AngleParts& angle) {
  return angle.units == 0 && angle.parts == 0 && angle.subparts == 0 && angle.fraction == 0;
}

// Blanks in front so that the units of a column of angles line up.
std::string LeadingBlanks(double angle, int units) {
  const int widthOfUnits = units < 10 ? 1 : (units < 100 ? 2 : 3);
  const int blanks = 4 - widthOfUnits - (angle < 0 ? 1 : 0);
  return std::string(static_cast<std::size_t>(blanks), ' ');
}

std::string TwoDigits(int value) { return FormatWithMask(value, "##00"); }

std::string FractionText(std::int32_t fraction, int decimals) {
  const auto places = static_cast<std::size_t>(decimals);
  return FormatWithMask(fraction, std::string(places, '#') + std::string(places, '0'));
}

std::string Mark(std::string_view mark, bool withSymbols) { return withSymbols ? std::string(mark) : ""; }

std::string PartsText(const AngleParts& angle, int decimals, bool withSubparts, bool withSymbols,
                      const AngleDivision& division) {
  std::string text = std::to_string(angle.units) + Mark(division.unitMark, withSymbols) + " " +
                     TwoDigits(angle.parts);
  if (withSubparts) {
    text += Mark(division.partMark, withSymbols) + " " + TwoDigits(angle.subparts);
    text += "." + FractionText(angle.fraction, decimals) + Mark(division.subpartMark, withSymbols);
  } else {
    text += "." + FractionText(angle.fraction, decimals) + Mark(division.partMark, withSymbols);
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
  // The sign of the degrees as read, minus zero included ("-0 30" is -0.5);
  // the "-" of an exponent ("5e-0 30") is no sign.
  const double sign = std::signbit(*degrees) ? -1.0 : 1.0;

  const std::string_view rest = text.substr(blank + 1);
  const std::size_t secondBlank = rest.find(' ');
  const std::optional<double> minutes = SixtiethsValue(UpToBlank(rest, secondBlank), locale);
  if (!minutes) return kAngleParseError;
  std::optional<double> seconds = 0.0;
  if (secondBlank != std::string_view::npos) seconds = SixtiethsValue(rest.substr(secondBlank + 1), locale);
  if (!seconds) return kAngleParseError;
  return sign * (std::fabs(*degrees) + *minutes / 60.0 + *seconds / 3600.0);
}

std::string FormatAngle(double angle, const AngleFormat& format) {
  return FormatDividedAngle(angle, format, kDegreeDivision);
}

std::string FormatDividedAngle(double angle, const AngleFormat& format, const AngleDivision& division) {
  if (!std::isfinite(angle)) return NonFiniteText(angle);
  const bool withSubparts = format.columns == AngleColumns::DegMinSec;
  const int places = std::clamp(format.decimals, 1, withSubparts ? kMaxSubpartDecimals : kMaxPartDecimals);
  // fmod is exact and stays in [0, circle) where |angle| - Int(|angle| / circle) * circle
  // can fall just below 0 when the quotient rounds up to a whole number.
  const double a = std::fmod(std::fabs(angle), static_cast<double>(division.circle));
  AngleParts parts = withSubparts ? UnitsPartsSubparts(a, places, division.parts)
                                  : UnitsParts(a, places, division.parts);
  if (parts.units == division.circle) parts.units = 0;
  const std::string signMark = (angle < 0 && !IsAllZero(parts)) ? "-" : " ";
  return LeadingBlanks(angle, parts.units) + signMark +
         PartsText(parts, places, withSubparts, format.marks == AngleMarks::Symbols, division);
}

}  // namespace vexilor
