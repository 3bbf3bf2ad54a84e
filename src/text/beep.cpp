#include "text/beep.h"

namespace vexilor {

void BeepThrice(const BeepFn& beep) {
  if (!beep) return;
  for (int i = 0; i < 3; ++i) beep();
}

}  // namespace vexilor
