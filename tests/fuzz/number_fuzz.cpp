// The numeric test and the plain numeric reader, under a "." and a ","
// locale. The test answers alike under both; what it accepts must read as
// the C library reads it, to the last bit, and never as an infinity or a NaN.

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "text/number_reader.h"
#include "text/number_text.h"
#include "fuzz_support.h"

using namespace vexilor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(fuzz::Text(data, size));
  const std::optional<double> value = ReadNumber(text);
  if (value) fuzz::Check(std::isfinite(*value), "a number read is finite");
  const bool dotNumber = IsNumberText(text, NumericLocale{"."});
  // The locale changes nothing: the reader takes "." whatever it is.
  fuzz::Check(IsNumberText(text, NumericLocale{","}) == dotNumber, "a number under either locale");
  if (!dotNumber) return 0;
  fuzz::Check(value.has_value(), "a number the test accepts can be read");
  // strtod of the "C" locale reads "." and stops where ReadNumber stops;
  // the test passes blanks around the number only.
  if (text.find('\0') != std::string::npos) return 0;
  const double expected = std::strtod(text.c_str(), nullptr);
  fuzz::Check(std::signbit(expected) == std::signbit(*value) && expected == *value,
              "the value the C library reads");
  return 0;
}
