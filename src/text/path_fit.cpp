#include "text/path_fit.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

#include "text/numeric.h"
#include "text/text_edit.h"
#include "text/utf8.h"

namespace vexilor {
namespace {

constexpr std::size_t kHeadLength = 3;
// Characters taken by the head and "...", which the tail gives up.
constexpr std::size_t kKeptBesideTail = 6;
constexpr const char* kEllipsis = "...";
constexpr int kMinWidth = std::numeric_limits<std::int16_t>::min();
constexpr int kMaxWidth = std::numeric_limits<std::int16_t>::max();

// A measurement that is never negative.
double Measured(const TextWidthFn& measure, const std::string& text) {
  return std::max(0, measure(text));
}

// Width of one blank, at least 1 so that it can divide.
double BlankWidth(const TextWidthFn& measure) {
  return std::max(1.0, Int(Measured(measure, "     ") / 5.0));
}

// The tail from its first folder separator on, when it has one.
std::string_view FromFirstSeparator(std::string_view tail) {
  const std::size_t separator = tail.find_first_of("\\/");
  return separator == std::string_view::npos ? tail : tail.substr(separator);
}

// `text` (non-empty, wider than `width`) with the characters that make up
// the excess width removed from its middle; the head and "..." alone when no
// tail is left. Shorter than `text` unless `text` is no longer than that.
std::string Shortened(const std::string& text, double measuredWidth, int width) {
  const std::size_t length = CodePointCount(text);
  const double meanWidth = std::max(1.0, Int(measuredWidth / static_cast<double>(length)));
  const double toRemove = Int(std::fabs(measuredWidth - width) / meanWidth) + 1;
  const std::string head(TrimBlanks(FirstCodePoints(text, kHeadLength)));
  const double tailLength = static_cast<double>(length) - toRemove - kKeptBesideTail;
  if (tailLength <= 0) return head + kEllipsis;
  const std::string_view tail = LastCodePoints(text, static_cast<std::size_t>(tailLength));
  return head + kEllipsis + std::string(FromFirstSeparator(TrimBlanks(tail)));
}

}  // namespace

std::string FitPathToWidth(const TextWidthFn& measure, int width, std::string text) {
  if (!measure) return text;
  // Box widths are 16-bit; the bound also keeps the centring blanks few.
  width = std::clamp(width, kMinWidth, kMaxWidth);
  const double blank = BlankWidth(measure);
  while (!text.empty()) {
    const double measuredWidth = Measured(measure, text);
    const double k = Int((width - measuredWidth) / (2.0 * blank));
    if (k >= 2) return std::string(static_cast<std::size_t>(k - 1), ' ') + text;
    if (k >= 1) return text;
    std::string shorter = Shortened(text, measuredWidth, width);
    // Nothing left to remove (the head and "..." alone): this is as narrow as it gets.
    if (CodePointCount(shorter) >= CodePointCount(text)) return text;
    text = std::move(shorter);
  }
  return text;
}

}  // namespace vexilor
