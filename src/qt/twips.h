#pragma once
// Twips (1440 per inch) and pixels at a screen's logical resolution.

namespace vexilor {

inline constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel or twip.
int TwipsToPixels(int twips, double dotsPerInch);
int PixelsToTwips(double pixels, double dotsPerInch);

}  // namespace vexilor
