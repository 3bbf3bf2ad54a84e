#pragma once
// The platform's warning beep, passed in so that the helpers need no toolkit.

#include <functional>

namespace vexilor {

// Sounds the warning beep once. An empty function stays silent.
using BeepFn = std::function<void()>;

// Sounds the warning beep three times in a row (refused keys of the
// link-parameter entry).
void BeepThrice(const BeepFn& beep);

}  // namespace vexilor
