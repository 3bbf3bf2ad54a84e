#include "text/shortest_double.h"

#include <charconv>
#include <cmath>

#include "text/mask_format.h"

namespace vexilor {

std::string ShortestDoubleText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  char buffer[32];  // the longest shortest form, "-2.2250738585072014e-308", takes 24
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

}  // namespace vexilor
