#include "text/number_scan.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

#include "text/text_edit.h"

namespace vexilor {
namespace {

// Exponents beyond this magnitude are all alike: far outside double range.
constexpr long long kExponentCap = 1'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSign(char c) { return c == '+' || c == '-'; }

std::size_t DigitRunLength(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - pos;
}

// Length of an exponent ("e", optional sign, digits) at the start of `text`.
std::size_t ExponentLength(std::string_view text) {
  if (text.empty() || (text[0] != 'e' && text[0] != 'E')) return 0;
  const std::size_t digitsAt = (text.size() > 1 && IsSign(text[1])) ? 2 : 1;
  const std::size_t digits = DigitRunLength(text, digitsAt);
  return digits == 0 ? 0 : digitsAt + digits;
}

// Signed value of the exponent text that follows the mark, held within the cap.
long long CappedExponent(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  long long value = 0;
  for (const char c : text) {
    if (IsDigit(c)) value = std::min(value * 10 + (c - '0'), kExponentCap);
  }
  return negative ? -value : value;
}

// Decimal exponent of the leading non-zero digit of an unsigned number with
// "." as separator: "0.05e3" -> 1, "123" -> 2. Only called for a number that
// does not fit a double, which always has a non-zero digit.
long long LeadingDigitExponent(std::string_view plain) {
  const std::size_t mark = std::min(plain.find_first_of("eE"), plain.size());
  const std::string_view mantissa = plain.substr(0, mark);
  const long long exponent = mark < plain.size() ? CappedExponent(plain.substr(mark + 1)) : 0;
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = std::min(mantissa.find_first_of("123456789"), mantissa.size());
  const auto distance = static_cast<long long>(point) - static_cast<long long>(first);
  return exponent + (first < point ? distance - 1 : distance);
}

}  // namespace

std::size_t DecimalNumberLength(std::string_view text, std::string_view separator) {
  std::size_t pos = (!text.empty() && IsSign(text[0])) ? 1 : 0;
  const std::size_t integerDigits = DigitRunLength(text, pos);
  pos += integerDigits;
  std::size_t fractionDigits = 0;
  const bool hasSeparator = !separator.empty() && text.substr(pos).starts_with(separator);
  if (hasSeparator) fractionDigits = DigitRunLength(text, pos + separator.size());
  if (integerDigits + fractionDigits == 0) return 0;
  if (hasSeparator) pos += separator.size() + fractionDigits;
  return pos + ExponentLength(text.substr(pos));
}

std::optional<double> DecimalNumberValue(std::string_view number, std::string_view separator) {
  const bool negative = !number.empty() && number[0] == '-';
  if (!number.empty() && IsSign(number[0])) number.remove_prefix(1);
  // The value is read from the "." form of the text; a text already in it
  // is read where it stands.
  std::string replaced;
  std::string_view plain = number;
  if (separator != ".") plain = replaced = ReplaceFirstChar(number, separator, ".");

  double value = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (LeadingDigitExponent(plain) >= 0) return std::nullopt;
    value = 0.0;
  } else if (error != std::errc{} || end != plain.data() + plain.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace vexilor
