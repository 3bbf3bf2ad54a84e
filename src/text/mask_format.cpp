#include "text/mask_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace vexilor {
namespace {

// Significant digits of the decimal form that is rounded (DBL_DIG: every
// decimal of this many digits survives a trip through a double).
constexpr int kSignificantDigits = 15;

struct DigitMask {
  std::size_t minIntegerDigits = 0;
  std::size_t fractionDigits = 0;
  std::size_t minFractionDigits = 0;
};

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

std::size_t PlaceholderCount(std::string_view part) {
  return static_cast<std::size_t>(std::count_if(part.begin(), part.end(), IsPlaceholder));
}

DigitMask ParseMask(std::string_view mask) {
  const std::size_t point = std::min(mask.find('.'), mask.size());
  const std::string_view integer = mask.substr(0, point);
  const std::string_view fraction = mask.substr(std::min(point + 1, mask.size()));
  DigitMask parsed;
  const std::size_t firstZero = integer.find('0');
  if (firstZero != std::string_view::npos) parsed.minIntegerDigits = PlaceholderCount(integer.substr(firstZero));
  parsed.fractionDigits = PlaceholderCount(fraction);
  const std::size_t lastZero = fraction.rfind('0');
  if (lastZero != std::string_view::npos) parsed.minFractionDigits = PlaceholderCount(fraction.substr(0, lastZero + 1));
  return parsed;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// |value| rounded half away from zero to `decimals` places, as the digits of
// the rounded value times 10^decimals ("12345" for 123.45 and 2 places).
std::string RoundedDigits(double magnitude, std::size_t decimals) {
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  // buffer: "d.dddddddddddddde+XX", the value 0.dddd... times 10^(XX + 1).
  const std::string_view form(buffer, static_cast<std::size_t>(written.ptr - buffer));
  std::string digits = std::string(1, form[0]) + std::string(form.substr(2, kSignificantDigits - 1));
  int exponent = 0;
  const std::size_t mark = form.find('e');
  const char* exponentText = form.data() + mark + (form[mark + 1] == '+' ? 2 : 1);
  std::from_chars(exponentText, form.data() + form.size(), exponent);

  const long long keep = exponent + 1 + static_cast<long long>(decimals);
  if (keep < 0) return "0";
  if (keep == 0) return digits[0] >= '5' ? "1" : "0";
  const auto keptCount = static_cast<std::size_t>(keep);
  if (keptCount >= digits.size()) return digits + std::string(keptCount - digits.size(), '0');
  const bool roundUp = digits[keptCount] >= '5';
  digits.resize(keptCount);
  if (roundUp) Increment(digits);
  return digits;
}

std::string WithoutLeadingZeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string() : std::string(digits.substr(first));
}

}  // namespace

std::optional<std::int64_t> RoundedUnits(double value, int decimals) {
  constexpr std::size_t kMaxDigits = 18;
  if (!std::isfinite(value) || decimals < 0) return std::nullopt;
  const std::string digits = RoundedDigits(std::fabs(value), static_cast<std::size_t>(decimals));
  if (digits.size() > kMaxDigits) return std::nullopt;
  std::int64_t units = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), units);
  return value < 0 ? -units : units;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

std::string FormatWithMask(double value, std::string_view mask) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const DigitMask parsed = ParseMask(mask);
  std::string digits = RoundedDigits(std::fabs(value), parsed.fractionDigits);
  const bool isZero = digits.find_first_not_of('0') == std::string::npos;
  if (digits.size() < parsed.fractionDigits) digits.insert(0, parsed.fractionDigits - digits.size(), '0');

  const std::size_t point = digits.size() - parsed.fractionDigits;
  std::string integer = WithoutLeadingZeros(std::string_view(digits).substr(0, point));
  if (integer.size() < parsed.minIntegerDigits) integer.insert(0, parsed.minIntegerDigits - integer.size(), '0');
  std::string fraction = digits.substr(point);
  while (fraction.size() > parsed.minFractionDigits && fraction.back() == '0') fraction.pop_back();

  std::string text = (value < 0 && !isZero) ? "-" : "";
  text += integer;
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace vexilor
