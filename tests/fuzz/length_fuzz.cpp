// The English-length parser and both length commands: the first byte
// chooses the combination of units, the rest is the text. A length in
// metres shown in English units reads back to within the rounding of the
// last column shown.

#include <cmath>
#include <string>

#include "service/english_length.h"
#include "text/number_reader.h"
#include "text/number_text.h"
#include "fuzz_support.h"

using namespace vexilor;

namespace {

// Half a unit of the last column shown: inches "0.00", feet "0.000", yards
// "0.0000".
double LastColumnHalfUnit(EnglishUnits units) {
  switch (units) {
    case EnglishUnits::kYardsFeetInches:
    case EnglishUnits::kFeetInches: return 0.005 * 0.0254;
    case EnglishUnits::kYardsFeet:
    case EnglishUnits::kFeet: return 0.0005 * 0.3048;
    case EnglishUnits::kYards: return 0.00005 * 0.9144;
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int combination = data[0] % 7 - 1;
  const std::string_view text = fuzz::Text(data + 1, size - 1);
  ConvertEnglishToMetres(text, combination);
  ConvertMetresToEnglish(text, combination);
  const std::optional<EnglishUnits> units = EnglishUnitsAt(combination);
  if (!units) return 0;
  if (const auto metres = EnglishToMetres(text, *units))
    fuzz::Check(std::isfinite(*metres) && std::fabs(*metres) <= kLongestLength, "a length read lies within the limit");
  const std::optional<std::string> english = MetresToEnglish(text, *units);
  if (!english) return 0;
  const std::optional<double> metres = ReadNumber(text);
  fuzz::Check(metres.has_value() && IsNumberText(text, NumericLocale{"."}), "only a number is shown in English units");
  const std::optional<double> back = EnglishToMetres(*english, *units);
  // A length within half a unit of the last column of the limit may be
  // shown rounded just beyond it (1e8 m is 109361329.8338 yd), and is then
  // refused as every length beyond the limit is.
  const bool roundedBeyond = std::fabs(*metres) > kLongestLength - LastColumnHalfUnit(*units);
  fuzz::Check(back.has_value() || roundedBeyond, "a length shown in English units reads back");
  if (!back) return 0;
  // The shown value is rounded as the program's masks round: first to 15
  // significant digits, then to the last column, so a length may come out up
  // to half a unit of its 15th digit beyond half a unit of the last column
  // (10010300 m is 10947397.20034996 yd, shown 10947397.2004).
  fuzz::Check(std::fabs(*back - *metres) <= LastColumnHalfUnit(*units) * (1 + 1e-9) + std::fabs(*metres) * 1e-14,
              "a length shown in English units reads back to its value");
  return 0;
}
