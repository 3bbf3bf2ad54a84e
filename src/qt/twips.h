#pragma once
// Twips (1440 per inch) and pixels at a screen's logical resolution.

namespace vexilor {

inline constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel or twip.
int TwipsToPixels(int twips, double dots_per_inch);
int PixelsToTwips(double pixels, double dots_per_inch);

}  // namespace vexilor
