#include "service/grads_text.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "text/number_text.h"
#include "text/words.h"

namespace vexilor {
namespace {

constexpr int kMostWords = 3;
// Each word counts in hundredths of the one before it.
constexpr std::array<double, kMostWords> kWordDivisors{1.0, 100.0, 10000.0};

// Centigrads and centicentigrads are below a whole next column, as minutes
// and seconds are below 60: "61 100 00" is no angle.
bool IsHundredths(double value) { return value >= 0.0 && value < 100.0; }

}  // namespace

double ParseGrads(std::string_view text) {
  const std::vector<std::string> words = SplitWords(text, kMostWords);
  if (words.empty()) return kGradsParseError;
  std::vector<double> values;
  for (const std::string& word : words) {
    const std::optional<double> value = NumberOfText(word);
    if (!value) return kGradsParseError;
    values.push_back(*value);
  }
  if (values.size() == 1) return values[0];
  double magnitude = std::fabs(values[0]);
  for (std::size_t k = 1; k < values.size(); ++k) {
    if (!IsHundredths(values[k])) return kGradsParseError;
    magnitude += values[k] / kWordDivisors[k];
  }
  return words[0].front() == '-' ? -magnitude : magnitude;
}

std::string FormatGrads(double grads, const AngleFormat& format) {
  return FormatDividedAngle(grads, format, kGradDivision);
}

}  // namespace vexilor
