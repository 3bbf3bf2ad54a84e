#pragma once
// Key filter of every numeric input box.

#include "text/beep.h"

namespace vexilor {

// Code of the backspace key.
inline constexpr int kBackspaceKey = 8;

// The key to type for a pressed `key` (a character code): the digits "0" to
// "9", blank, "+", "-", "." and backspace pass unchanged; any other key, the
// comma included, sounds `beep` once and becomes 0 so that it is not typed.
// A key that is already 0 (refused earlier) stays 0 without a beep.
[[nodiscard]] int FilterNumericKey(int key, const BeepFn& beep);

}  // namespace vexilor
