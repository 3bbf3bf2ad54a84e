#include "text/mask_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

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
  parsed.fractionDigits = std::min<std::size_t>(PlaceholderCount(fraction), kMaxMaskDecimals);
  const std::size_t lastZero = fraction.rfind('0');
  if (lastZero != std::string_view::npos)
    parsed.minFractionDigits = std::min(PlaceholderCount(fraction.substr(0, lastZero + 1)), parsed.fractionDigits);
  return parsed;
}

// The digits of a rounded value: at most the 15 significant digits, a
// carry, and the zeros that stand for places beyond them.
struct Digits {
  // The integer part of the largest double has 309 digits.
  char text[309 + kMaxMaskDecimals + 2];
  std::size_t size = 0;

  std::string_view View() const { return {text, size}; }
};

// Adds one to a run of decimal digits.
void Increment(Digits& d) {
  for (std::size_t i = d.size; i-- > 0;) {
    if (d.text[i] != '9') {
      ++d.text[i];
      return;
    }
    d.text[i] = '0';
  }
  std::memmove(d.text + 1, d.text, d.size);
  d.text[0] = '1';
  ++d.size;
}

// The first 15 significant digits of a magnitude, correctly rounded (a tie
// to even, as printf rounds), and the power of ten of the first of them:
// magnitude ≈ d.dddddddddddddd × 10^exponent. Zero has 15 zeros and 0.
// The digits are written where the rounding reads them.
struct Scientific {
  char* digits;
  int exponent = 0;
};

// Ten to the powers an exact product below stands in 128 bits for.
constexpr int kMaxExactPower = 22;

__extension__ typedef unsigned __int128 Wide;

// 10^0 .. 10^kMaxExactPower.
constexpr auto kWidePowersOfTen = [] {
  std::array<Wide, kMaxExactPower + 1> p{};
  p[0] = 1;
  for (std::size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * 10;
  return p;
}();

// 1e0 .. 1e22, each exact in a double.
constexpr auto kPowersOfTen = [] {
  std::array<double, kMaxExactPower + 1> p{};
  p[0] = 1.0;
  for (std::size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * 10.0;
  return p;
}();

// floor(log10(magnitude)), or one less: from the binary exponent (log10 2 ≈
// 1233 / 4096) and one comparison with a power of ten, exact at or above one.
int DecimalExponent(double magnitude, int binaryExponent) {
  const int guess = ((binaryExponent - 1) * 1233) >> 12;
  if (guess < 0 || guess >= kMaxExactPower) return guess;
  return magnitude >= kPowersOfTen[static_cast<std::size_t>(guess) + 1] ? guess + 1 : guess;
}

// "00" "01" ... "99".
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The last `count` decimal digits of v, two at a time.
void WriteDigitRun(std::uint32_t v, char* at, std::size_t count) {
  for (; count >= 2; count -= 2, v /= 100) std::memcpy(at + count - 2, &kDigitPairs[2 * (v % 100)], 2);
  if (count == 1) at[0] = static_cast<char>('0' + v % 10);
}

// The 15 digits of units, as two runs of 7 and 8 that do not wait on each
// other.
void WriteDigits(std::uint64_t units, Scientific& s) {
  constexpr std::uint64_t kLow = 100000000;
  WriteDigitRun(static_cast<std::uint32_t>(units % kLow), s.digits + 7, 8);
  WriteDigitRun(static_cast<std::uint32_t>(units / kLow), s.digits, 7);
}

// The digits by integer arithmetic, for magnitudes from about 1e-8 to 1e15
// (every coordinate, angle and height a results file holds): with the
// magnitude m / 2^shift exactly (m of 53 bits), the 15 digits are
// m · 10^k / 2^shift rounded, k = 14 - exponent, and m · 10^k stands in
// 128 bits for k up to 22. False outside that range.
bool ExactScientific(double magnitude, Scientific& s) {
  // A normal double is (2^52 + stored fraction) · 2^(stored exponent - 1075).
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const auto storedExponent = static_cast<int>(bits >> 52);
  if (storedExponent == 0) return false;  // zero or subnormal
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int binaryExponent = storedExponent - 1022;  // magnitude in [2^(e-1), 2^e)
  const int shift = 53 - binaryExponent;
  if (shift < 0 || shift > 120) return false;
  constexpr Wide kLeast = kWidePowersOfTen[kSignificantDigits - 1], kBeyond = kWidePowersOfTen[kSignificantDigits];
  // The exponent may be one short; the count of digits decides.
  int exponent = DecimalExponent(magnitude, binaryExponent);
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int k = kSignificantDigits - 1 - exponent;
    if (k < 0 || k > kMaxExactPower) return false;
    const Wide scaled = static_cast<Wide>(m) * kWidePowersOfTen[static_cast<std::size_t>(k)];
    Wide units = scaled >> shift;
    if (shift > 0) {
      const Wide rest = scaled - (units << shift), half = Wide{1} << (shift - 1);
      if (rest > half || (rest == half && (units & 1) != 0)) ++units;
    }
    if (units >= kBeyond) {
      ++exponent;  // also 9.999...95 rounding up to ten
    } else if (units < kLeast) {
      --exponent;
    } else {
      WriteDigits(static_cast<std::uint64_t>(units), s);
      s.exponent = exponent;
      return true;
    }
  }
  return false;
}

void ScientificOf(double magnitude, Scientific& s) {
  if (magnitude == 0.0) {
    std::memset(s.digits, '0', kSignificantDigits);
    s.exponent = 0;
    return;
  }
  if (ExactScientific(magnitude, s)) return;
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  // buffer: "d.dddddddddddddde+XX"
  const std::string_view form(buffer, static_cast<std::size_t>(written.ptr - buffer));
  s.digits[0] = form[0];
  std::memcpy(s.digits + 1, form.data() + 2, kSignificantDigits - 1);
  const std::size_t mark = form.find('e');
  const char* exponentText = form.data() + mark + (form[mark + 1] == '+' ? 2 : 1);
  std::from_chars(exponentText, form.data() + form.size(), s.exponent);
}

// |value| rounded half away from zero to `decimals` places, as the digits of
// the rounded value times 10^decimals ("12345" for 123.45 and 2 places).
void RoundedDigits(double magnitude, std::size_t decimals, Digits& d) {
  Scientific form{d.text};
  ScientificOf(magnitude, form);
  // The value is 0.dddd... times 10^(exponent + 1).
  const long long keep = form.exponent + 1 + static_cast<long long>(decimals);
  if (keep <= 0) {
    d.text[0] = keep == 0 && form.digits[0] >= '5' ? '1' : '0';
    d.size = 1;
    return;
  }
  const auto keptCount = static_cast<std::size_t>(keep);
  if (keptCount >= kSignificantDigits) {
    std::memset(d.text + kSignificantDigits, '0', keptCount - kSignificantDigits);
    d.size = keptCount;
    return;
  }
  d.size = keptCount;
  // The first digit dropped decides.
  if (form.digits[keptCount] >= '5') Increment(d);
}

}  // namespace

std::optional<std::int64_t> RoundedUnits(double value, int decimals) {
  constexpr std::size_t kMaxDigits = 18;
  if (!std::isfinite(value) || decimals < 0 || decimals > kMaxMaskDecimals) return std::nullopt;
  Digits digits;
  RoundedDigits(std::fabs(value), static_cast<std::size_t>(decimals), digits);
  if (digits.size > kMaxDigits) return std::nullopt;
  std::int64_t units = 0;
  std::from_chars(digits.text, digits.text + digits.size, units);
  return value < 0 ? -units : units;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

std::string FormatWithMask(double value, std::string_view mask) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const DigitMask parsed = ParseMask(mask);
  Digits rounded;
  RoundedDigits(std::fabs(value), parsed.fractionDigits, rounded);
  const std::string_view digits = rounded.View();
  const bool isZero = digits.find_first_not_of('0') == std::string_view::npos;
  // The digits before the fraction's places (none when the value is below
  // one), without their leading zeros; the fraction's places, short digits
  // standing for leading zeros.
  const std::size_t fractionDigits = parsed.fractionDigits;
  const std::string_view whole = digits.size() > fractionDigits ? digits.substr(0, digits.size() - fractionDigits) : "";
  const std::string_view integer = whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
  const std::size_t fractionShown = digits.size() - whole.size();
  const std::size_t leadingZeros = fractionDigits - fractionShown;
  std::string_view fractionTail = digits.substr(whole.size());
  // Trailing zeros go, down to the mask's least number of places.
  std::size_t fractionSize = fractionDigits;
  while (fractionSize > parsed.minFractionDigits &&
         (fractionSize > leadingZeros ? fractionTail[fractionSize - leadingZeros - 1] : '0') == '0') {
    --fractionSize;
  }

  // Written into its place at once: every padding digit is a '0' already.
  const bool minus = value < 0 && !isZero;
  const std::size_t integerShown = std::max(integer.size(), parsed.minIntegerDigits);
  std::string text(minus + integerShown + (fractionSize > 0 ? 1 + fractionSize : 0), '0');
  char* at = text.data();
  if (minus) *at++ = '-';
  at += integerShown - integer.size();
  at = std::copy(integer.begin(), integer.end(), at);
  if (fractionSize > 0) {
    *at++ = '.';
    const std::size_t zeros = std::min(leadingZeros, fractionSize);
    std::copy_n(fractionTail.begin(), fractionSize - zeros, at + zeros);
  }
  return text;
}

}  // namespace vexilor
