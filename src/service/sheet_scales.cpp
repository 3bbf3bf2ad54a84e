#include "service/sheet_scales.h"

#include <array>

namespace vexilor {
namespace {

constexpr SheetSplit kHalfMillion{2, 2 * kMasPerDegree, 3 * kMasPerDegree, SheetPart::kCapitalLetter};
constexpr SheetSplit kTwoHundredThousand{6, 40 * kMasPerMinute, kMasPerDegree, SheetPart::kRomanNumeral};
constexpr SheetSplit kHundredThousand{12, 20 * kMasPerMinute, 30 * kMasPerMinute, SheetPart::kNumber};
constexpr SheetSplit kFiftyThousand{2, 10 * kMasPerMinute, 15 * kMasPerMinute, SheetPart::kCapitalLetter};
constexpr SheetSplit kTwentyFiveThousand{2, 5 * kMasPerMinute, 7 * kMasPerMinute + 30 * kMasPerSecond,
                                         SheetPart::kSmallLetter};
constexpr SheetSplit kTenThousand{2, 2 * kMasPerMinute + 30 * kMasPerSecond, 3 * kMasPerMinute + 45 * kMasPerSecond,
                                  SheetPart::kNumber};

// The chain 1:100 000 -> 1:50 000 -> 1:25 000 -> 1:10 000; a finer scale
// takes a longer head of it.
constexpr std::array<SheetSplit, 4> kHundredThousandChain{kHundredThousand, kFiftyThousand, kTwentyFiveThousand,
                                                          kTenThousand};
constexpr std::array<SheetSplit, 1> kHalfMillionChain{kHalfMillion};
constexpr std::array<SheetSplit, 1> kTwoHundredThousandChain{kTwoHundredThousand};

std::span<const SheetSplit> HundredThousandChain(std::size_t length) {
  return std::span<const SheetSplit>(kHundredThousandChain).first(length);
}

}  // namespace

std::optional<std::span<const SheetSplit>> SheetSplits(std::int32_t scale) {
  switch (scale) {
    case 1000000: return std::span<const SheetSplit>();
    case 500000: return std::span<const SheetSplit>(kHalfMillionChain);
    case 200000: return std::span<const SheetSplit>(kTwoHundredThousandChain);
    case 100000: return HundredThousandChain(1);
    case 50000: return HundredThousandChain(2);
    case 25000: return HundredThousandChain(3);
    case 10000: return HundredThousandChain(4);
    default: return std::nullopt;
  }
}

std::string ScaleText(std::int32_t scale) {
  if (scale > 0 && scale % 1000 == 0) return std::to_string(scale / 1000) + " 000";
  return std::to_string(scale);
}

std::string UnsupportedScaleMessage(std::int32_t scale) {
  return "Масштаб 1 : " + ScaleText(scale) + " не предусмотрен\r\nдля обработки в этой программе.";
}

}  // namespace vexilor
