#pragma once
// "Выполнить": checks the settings and the typed point, asks for a target
// zone where one is needed, runs the transformation and shows its outcome.

#include <optional>
#include <string>
#include <string_view>

#include "state/result_messages.h"

namespace vexilor {

class FrmMain;

void Execute(FrmMain& window);

// A zone number typed into the input box: an integer from 0 to `maxZone`,
// blanks around it allowed. Empty for anything else (letters, fractions,
// numbers out of range).
std::optional<int> ParseZoneAnswer(std::string_view text, int maxZone);

}  // namespace vexilor
