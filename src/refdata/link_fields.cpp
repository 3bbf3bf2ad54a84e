#include "refdata/link_fields.h"

#include "text/number_text.h"

namespace vexilor {

std::optional<double> ReadBoundedNumber(std::string_view text, double lo, double hi) {
  const std::optional<double> value = NumberOfText(text);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return value;
}

std::optional<double> ReadLinkValue(std::size_t k, std::string_view text) {
  const double bound = kLinkFields.at(k).bound;
  return ReadBoundedNumber(text, -bound, bound);
}

}  // namespace vexilor
