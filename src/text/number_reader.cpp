#include "text/number_reader.h"

#include "text/number_scan.h"

namespace vexilor {

std::optional<double> ReadNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0.0;
  const std::string_view rest = text.substr(start);
  const std::size_t length = DecimalNumberLength(rest, ".");
  if (length == 0) return 0.0;
  return DecimalNumberValue(rest.substr(0, length), ".");
}

}  // namespace vexilor
