#include "qt/twips.h"

#include <cmath>

namespace vexilor {

int TwipsToPixels(int twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

int PixelsToTwips(double pixels, double dotsPerInch) {
  if (dotsPerInch <= 0) return 0;
  return static_cast<int>(std::lround(pixels * kTwipsPerInch / dotsPerInch));
}

}  // namespace vexilor
